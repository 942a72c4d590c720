#include "astro/TimeScales.h"

#include <cmath>
#include <cstdint>

namespace sk {

double SinDeg(double degrees) { return std::sin(degrees * kRadPerDegree); }
double CosDeg(double degrees) { return std::cos(degrees * kRadPerDegree); }

double FractionalPart(double x) {
    x -= std::trunc(x);
    if (x < 0) x += 1.0;
    return x;
}

double MjdOfDay(DayNumber d) { return static_cast<double>(d) + 40587.0; }
double CenturiesSinceJ2000(double mjd) { return (mjd - 51544.5) / 36525.0; }

double LocalMeanSiderealHours(double mjd, double lambda) {
    const double mjd0 = std::trunc(mjd);
    const double ut = (mjd - mjd0) * 24.0;
    const double t = CenturiesSinceJ2000(mjd0);
    const double gmst = 6.697374558 + kSiderealHoursPerUtHour * ut +
                        (8640184.812866 + (0.093104 - 6.2e-6 * t) * t) * t / 3600.0;
    return 24.0 * FractionalPart((gmst - lambda / 15.0) / 24.0);
}

DayNumber LastSundayOf(int year, int monthIndex) {
    const DayNumber last = DayNumberOf(year, monthIndex + 1, MonthLength(year, monthIndex));
    return last - WeekdayIndex(last);
}

namespace {
// The Saturday before the last Sunday of a month (monthIndex 0-11), as MJD.
double SaturdayBeforeLastSunday(int year, int monthIndex) { return MjdOfDay(LastSundayOf(year, monthIndex) - 1); }
}  // namespace

bool IsSummerTimeDay(double mjd, int year) {
    return SaturdayBeforeLastSunday(year, 2) < mjd && mjd <= SaturdayBeforeLastSunday(year, 9);
}

double LocalMidnightMjd(const DayContext& ctx, const Observer& obs) {
    const double mjd = MjdOfDay(ctx.dayNumber);
    double midnight = mjd - obs.zone / 24.0;
    if (obs.autoSummerTime && IsSummerTimeDay(mjd, ctx.year)) midnight -= 1.0 / 24.0;
    return midnight;
}

int EventSecondOfDay(double jd, const DayContext& ctx, const Observer& obs) {
    // Instants of the calendar's range only; anything else is not on the day.
    if (!std::isfinite(jd) || std::fabs(jd) > 1e8 || !HasUsableZone(obs)) return -1;
    // t's integer part minus 2440588 is the local (standard time) day number.
    double t = jd + obs.zone / 24.0 + 0.5;
    if (obs.autoSummerTime) {
        // The clocks change at 02:00 local standard time on the last Sundays.
        const double begin = LastSundayOf(ctx.year, 2) + 2440588.0 + 2.0 / 24.0;
        const double end = LastSundayOf(ctx.year, 9) + 2440588.0 + 2.0 / 24.0;
        if (begin <= t && t < end) t += 1.0 / 24.0;
    }
    // Whole seconds first, so that 12:00:00 does not print as 11:59 from noise.
    const double day0 = std::floor(t);
    std::int64_t dayNumber = static_cast<std::int64_t>(day0) - 2440588;
    std::int64_t s = static_cast<std::int64_t>(std::round((t - day0) * 86400.0));
    if (s >= 86400) {
        s -= 86400;
        ++dayNumber;
    }
    return dayNumber == ctx.dayNumber ? static_cast<int>(s) : -1;
}

std::string EventTimeText(double jd, const DayContext& ctx, const Observer& obs) {
    const int s = EventSecondOfDay(jd, ctx, obs);
    if (s < 0) return {};
    const int h = s / 3600;
    const int m = (s - 3600 * h) / 60;  // truncated, not rounded
    std::string text = std::to_string(h);
    text += m < 10 ? ":0" : ":";
    text += std::to_string(m);
    return text;
}

std::string TimeChangeNotice(const DayContext& ctx) {
    if (ctx.dayNumber == LastSundayOf(ctx.year, 2)) return "Sommerzeit von 2:00 Uhr auf 3:00 Uhr";
    if (ctx.dayNumber == LastSundayOf(ctx.year, 9)) return "Winterzeit von 3:00 Uhr auf 2:00b Uhr";
    return {};
}

}  // namespace sk
