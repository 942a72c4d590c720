#pragma once
// schichtplan --remind: the background helper. Sends the reminders that are
// due according to the user's reminder file and exits; --dry-run prints
// them instead, --now pins the time for tests and scripts.

#include <string>
#include <vector>

#include "base/PlanOutput.h"
#include "calendar/Date.h"
#include "remind/RemindRun.h"

namespace sk {

// Whether the command line asks for the helper.
bool IsRemindCommand(const std::vector<std::string>& args);

// `now` is the time of the run unless --now gives one; `send` shows a
// notification (the desktop's in the real program). Status as RunSchichtplan.
int RunRemindCommand(const std::vector<std::string>& args, DateValue now, const ReminderSender& send,
                     const OutputSink& out, std::string& err);

extern const char* const kRemindUsage;

}  // namespace sk
