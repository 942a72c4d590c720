#include "remind/LocalClock.h"

namespace sk {

namespace {

// Day of the last Sunday of a month (1-12).
DayNumber LastSunday(int year, int month) {
    const DayNumber last = DayNumberOf(year, month, MonthLength(year, month - 1));
    return last - WeekdayIndex(last);
}

struct SummerSpan {
    DateValue begin = 0;  // first instant of summer time
    DateValue end = 0;    // first instant of winter time again
};

constexpr DateValue kChangeHourUtc = 3600;

// Summer time of a year; an empty span before it was kept.
SummerSpan SummerTimeOf(int year) {
    if (year < 1980) return {};
    if (year == 1980) return {MakeDate(1980, 4, 6, 1), MakeDate(1980, 9, 28, 1)};
    const DateValue begin = static_cast<DateValue>(LastSunday(year, 3)) * kSecondsPerDay + kChangeHourUtc;
    const int endMonth = year < 1996 ? 9 : 10;
    const DateValue end = static_cast<DateValue>(LastSunday(year, endMonth)) * kSecondsPerDay + kChangeHourUtc;
    return {begin, end};
}

constexpr int kWinterOffset = 60;
constexpr int kSummerOffset = 120;

}  // namespace

int BerlinOffsetMinutes(DateValue t) {
    const SummerSpan s = SummerTimeOf(CivilOf(DayNumberOfValue(t)).year);
    return t >= s.begin && t < s.end ? kSummerOffset : kWinterOffset;
}

DateValue BerlinInstantOf(DayNumber d, int minuteOfDay) {
    const DateValue wall = static_cast<DateValue>(d) * kSecondsPerDay + static_cast<DateValue>(minuteOfDay) * 60;
    // Try the summer reading first: in the doubled autumn hour it is the earlier one.
    const DateValue asSummer = wall - kSummerOffset * 60;
    if (BerlinOffsetMinutes(asSummer) == kSummerOffset) return asSummer;
    const DateValue asWinter = wall - kWinterOffset * 60;
    if (BerlinOffsetMinutes(asWinter) == kWinterOffset) return asWinter;
    // Skipped in the spring: the winter reading lies after the change, one
    // hour later on the clocks, as the spring night runs.
    return asWinter;
}

LocalMoment BerlinMomentOf(DateValue t) {
    const DateValue wall = t + static_cast<DateValue>(BerlinOffsetMinutes(t)) * 60;
    const DayNumber day = DayNumberOfValue(wall);
    return {day, static_cast<int>((wall - static_cast<DateValue>(day) * kSecondsPerDay) / 60)};
}

}  // namespace sk
