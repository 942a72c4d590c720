#pragma once
// The window "Eingabe einer Kalendermarkierung" for the selected day.

#include "ui/WindowContext.h"

namespace sk {

// True when the calendar must be repainted.
bool OpenCalendarMarkWindow(WindowContext& context);

}  // namespace sk
