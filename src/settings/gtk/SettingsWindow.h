#pragma once
// The settings dialog "Programmeinstellungen".

#include "ui/WindowContext.h"

namespace sk {

// Edits the settings; "Speichern" applies them, writes the settings file and
// points the painting at the new values. The place name is taken as it is
// typed, also when the dialog is left with "Abbruch". True when the calendar
// must be repainted.
bool EditSettings(WindowContext& context);

}  // namespace sk
