#pragma once
// The time zone of the mills' clocks, Europe/Berlin, as an iCalendar VTIMEZONE
// for the calendar's years: no summer time before 1980, summer time ending in
// September until 1995 and in October since 1996.

#include <libical/ical.h>

namespace sk {

inline constexpr const char* kIcsTimeZoneId = "Europe/Berlin";

// A new VTIMEZONE component; the caller owns it.
icalcomponent* NewBerlinTimeZoneComponent();

}  // namespace sk
