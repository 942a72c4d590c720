#pragma once
// The clock of the mills: German civil time (Europe/Berlin), the time every
// shift starts by. Computed from the rules themselves, so a reminder is due
// at the same instant whatever zone the machine is set to.

#include "calendar/Date.h"
#include "shift/OwnShiftPlan.h"  // kMinutesPerDay

namespace sk {


// Minutes east of UTC in force at the instant t: 60, or 120 in summer time
// (since 1980; the EU rule, last Sunday of March to last Sunday of October at
// 01:00 UTC, from 1996, the end in late September before).
int BerlinOffsetMinutes(DateValue t);

// The instant at which the clocks show `minuteOfDay` (may be 1440 or more:
// the next day) of day d. A time the clocks skip in the spring night counts
// as the same span after the change (02:30 is 03:30); a time shown twice in
// the autumn night is its first showing.
DateValue BerlinInstantOf(DayNumber d, int minuteOfDay);

// The clocks' day and minute at the instant t.
struct LocalMoment {
    DayNumber day = 0;
    int minute = 0;  // 0-1439
};
LocalMoment BerlinMomentOf(DateValue t);

}  // namespace sk
