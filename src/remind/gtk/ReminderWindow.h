#pragma once
// The window "Erinnerungen" of the program menu: what to be reminded of,
// kept in the user's reminder file, and the background timer switched with it.

#include "remind/ReminderSources.h"
#include "ui/WindowContext.h"

namespace sk {

bool OpenReminderWindow(WindowContext& context);

// The settings folder's reminder plan as the program holds it: type in use,
// home crew, marks and notes of the logged-in user.
ReminderPlan ReminderPlanOfProgram(AppState& state);

}  // namespace sk
