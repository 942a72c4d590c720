#include "ical/IcsTimeZone.h"

namespace sk {

namespace {

constexpr int kWinterOffset = 3600;  // CET, UTC+1
constexpr int kSummerOffset = 7200;  // CEST, UTC+2

icaltimetype LocalTime(int year, int month, int day, int hour) {
    icaltimetype t = icaltime_null_time();
    t.year = year;
    t.month = month;
    t.day = day;
    t.hour = hour;
    return t;
}

// One observance: offsets before and after the change, its first onset
// (local time before the change) and, for a recurring change, its yearly rule.
void AddObservance(icalcomponent* zone, int offsetFrom, int offsetTo, icaltimetype start, const char* rule) {
    const bool summer = offsetTo == kSummerOffset;
    icalcomponent* part = icalcomponent_new(summer ? ICAL_XDAYLIGHT_COMPONENT : ICAL_XSTANDARD_COMPONENT);
    icalcomponent_add_property(part, icalproperty_new_dtstart(start));
    icalcomponent_add_property(part, icalproperty_new_tzoffsetfrom(offsetFrom));
    icalcomponent_add_property(part, icalproperty_new_tzoffsetto(offsetTo));
    icalcomponent_add_property(part, icalproperty_new_tzname(summer ? "CEST" : "CET"));
    if (rule != nullptr) icalcomponent_add_property(part, icalproperty_new_rrule(icalrecurrencetype_from_string(rule)));
    icalcomponent_add_component(zone, part);
}

}  // namespace

icalcomponent* NewBerlinTimeZoneComponent() {
    icalcomponent* zone = icalcomponent_new(ICAL_VTIMEZONE_COMPONENT);
    icalcomponent_add_property(zone, icalproperty_new_tzid(kIcsTimeZoneId));
    // Winter time all year until 1980.
    AddObservance(zone, kWinterOffset, kWinterOffset, LocalTime(1970, 1, 1, 0), nullptr);
    // 1980 began on the first Sunday of April, later years on the last Sunday of March.
    AddObservance(zone, kWinterOffset, kSummerOffset, LocalTime(1980, 4, 6, 2), nullptr);
    AddObservance(zone, kWinterOffset, kSummerOffset, LocalTime(1981, 3, 29, 2), "FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU");
    // Back to winter time on the last Sunday of September until 1995 (03:00
    // summer time is 01:00 UTC), of October from 1996.
    AddObservance(zone, kSummerOffset, kWinterOffset, LocalTime(1980, 9, 28, 3),
                  "FREQ=YEARLY;BYMONTH=9;BYDAY=-1SU;UNTIL=19950924T010000Z");
    AddObservance(zone, kSummerOffset, kWinterOffset, LocalTime(1996, 10, 27, 3), "FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU");
    return zone;
}

}  // namespace sk
