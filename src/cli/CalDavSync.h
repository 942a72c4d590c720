#pragma once
// The --caldav run of schichtplan: the events of the iCalendar export sent to
// a calendar on a CalDAV server; usable from a timer, it prints one line.

#include <string>

#include "base/PlanOutput.h"
#include "calendar/Date.h"

namespace sk {

struct PlanOptions;

// Prints "Kalenderabgleich: ..." and returns 0; an unreadable password file
// or an unusable address is exit status 2, a server that cannot be reached,
// refuses the login or fails exit status 1, each with one German line in
// `err` that never holds the password.
int RunCalDavSync(const PlanOptions& options, DateValue stamp, const OutputSink& out, std::string& err);

}  // namespace sk
