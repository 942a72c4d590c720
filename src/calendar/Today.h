#pragma once
// Today's date on the local clock, the one definition the program and the
// command-line tool share.

#include "calendar/Date.h"

namespace sk {

// Today inside the calendar's range: a clock beyond 2037 gives its last
// day, one before 1970 its first.
DayContext LocalToday();

}  // namespace sk
