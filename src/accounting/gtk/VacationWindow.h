#pragma once
// The window "Urlaub eingeben": remaining vacation days on a start day and
// the home crew.

#include "ui/WindowContext.h"

namespace sk {

// Opens the window for the five-crew and two-shift plans (nothing for the
// four-crew plans). True when the calendar and its status fields must be
// shown again.
bool OpenVacationWindow(WindowContext& context);

}  // namespace sk
