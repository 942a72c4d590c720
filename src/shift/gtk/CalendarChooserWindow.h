#pragma once
// The chooser "Kalender": one button per calendar type, the own plan last.

#include "ui/WindowContext.h"

namespace sk {

// Sets the chosen type (Esc and closing keep the old one); in every case
// the "UB" toggle is shown or hidden for the type in force afterwards.
// True when the calendar must be repainted.
bool ChooseCalendarType(WindowContext& context);

}  // namespace sk
