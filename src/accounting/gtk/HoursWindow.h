#pragma once
// The window "Stunden eingeben": the balance of minus and plus hours on a
// start day, its notation, the home crew and the vacation-block choice.

#include "ui/WindowContext.h"

namespace sk {

// Opens the window for the five-crew and two-shift plans (nothing for the
// four-crew plans). True when the calendar and its status fields must be
// shown again.
bool OpenHoursWindow(WindowContext& context);

}  // namespace sk
