#pragma once
// The chooser "Kalender": eight buttons, one per calendar type.

#include "ui/WindowContext.h"

namespace sk {

// Sets the chosen type (Esc and closing keep the old one); in every case
// the "UB" toggle is shown or hidden for the type in force afterwards.
// True when the calendar must be repainted.
bool ChooseCalendarType(WindowContext& context);

}  // namespace sk
