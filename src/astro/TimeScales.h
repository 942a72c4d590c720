#pragma once
// Time scales, angle helpers, sidereal time, the daylight-saving rule and the
// conversion of an event instant into a clock time on the displayed day.

#include <string>

#include "astro/Observer.h"
#include "calendar/Date.h"

namespace sk {

inline constexpr double kRadPerDegree = 0.0174532925199433;

// Sine and cosine of an angle in degrees (SN and CS of Montenbruck and
// Pfleger, "Astronomy on the Personal Computer", ch. 3).
double SinDeg(double degrees);
double CosDeg(double degrees);
// x minus its integer part, in [0, 1) also for negative x (their FRAC).
double FractionalPart(double x);

double MjdOfDay(DayNumber d);         // MJD of 0 h UT
double CenturiesSinceJ2000(double mjd);

// Local mean sidereal time in hours (0-24) at the UT instant mjd; lambda in
// degrees, west positive. The IAU 1982 expression of Greenwich mean sidereal
// time (Meeus, "Astronomical Algorithms", 2nd ed., eq. 12.3) as Montenbruck
// and Pfleger's LMST evaluates it, in hours.
double LocalMeanSiderealHours(double mjd, double lambda);
// How many sidereal hours pass in one hour of UT, as that expression has it.
inline constexpr double kSiderealHoursPerUtHour = 1.0027379093;

// Day number of the last Sunday of a month (monthIndex 0-11) of a year.
DayNumber LastSundayOf(int year, int monthIndex);

// Whether the day with this MJD is a summer-time day of `year`: from the last
// Sunday of March up to the Saturday before the last Sunday of October.
bool IsSummerTimeDay(double mjd, int year);

// UT instant (MJD) of the local midnight that begins the context's day.
double LocalMidnightMjd(const DayContext& ctx, const Observer& obs);

// Local clock time "h:mm" of the instant jd when it falls on the context's
// day, else an empty text. Summer time follows the civil rule (02:00 local
// standard time on the last Sundays of March and October).
std::string EventTimeText(double jd, const DayContext& ctx, const Observer& obs);
// The same test without the text: local seconds after midnight (whole
// seconds, 0-86399) when the instant falls on the day, else -1.
int EventSecondOfDay(double jd, const DayContext& ctx, const Observer& obs);
inline bool IsEventOnDay(double jd, const DayContext& ctx, const Observer& obs) {
    return EventSecondOfDay(jd, ctx, obs) >= 0;
}

// The notice of a change of clock time on the last Sundays of March and October.
std::string TimeChangeNotice(const DayContext& ctx);

}  // namespace sk
