#pragma once
// The window "Eigener Schichtplan": define the own plan, see its first four
// weeks while typing, save it to the user data folder.

#include "ui/WindowContext.h"

namespace sk {

// True when the calendar must be repainted (a plan was saved).
bool EditOwnShiftPlan(WindowContext& context);

}  // namespace sk
