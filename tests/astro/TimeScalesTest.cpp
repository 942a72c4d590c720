#include "astro/TimeScales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "AstroTestSupport.h"

namespace sk {
namespace {

using test::Day;
using test::JdOf;

TEST(TimeScales, SummerTimeDaysAndNotices) {
    struct Case {
        int y, m, d;
        bool summer;
        const char* notice;
    } cases[] = {
        {2017, 3, 25, false, ""},
        {2017, 3, 26, true, "Sommerzeit von 2:00 Uhr auf 3:00 Uhr"},
        {2017, 10, 28, true, ""},
        {2017, 10, 29, false, "Winterzeit von 3:00 Uhr auf 2:00b Uhr"},
        {2024, 3, 30, false, ""},
        {2024, 3, 31, true, "Sommerzeit von 2:00 Uhr auf 3:00 Uhr"},
        {2024, 10, 26, true, ""},
        {2024, 10, 27, false, "Winterzeit von 3:00 Uhr auf 2:00b Uhr"},
        {1985, 3, 31, true, "Sommerzeit von 2:00 Uhr auf 3:00 Uhr"},
        {1985, 1, 15, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.y * 10000 + c.m * 100 + c.d);
        const DayContext ctx = Day(c.y, c.m, c.d);
        EXPECT_EQ(IsSummerTimeDay(MjdOfDay(ctx.dayNumber), ctx.year), c.summer);
        EXPECT_EQ(TimeChangeNotice(ctx), c.notice);
    }
}

TEST(TimeScales, SiderealTime) {
    // 1987-04-10 0h UT: Greenwich mean sidereal time 13h10m46.37s (Meeus, example 12.a).
    const double mjd = MjdOfDay(DayNumberOf(1987, 4, 10));
    EXPECT_NEAR(LocalMeanSiderealHours(mjd, 0), 13 + 10 / 60.0 + 46.37 / 3600, 1e-4);
    // West longitude subtracts: 15 degrees west is one hour earlier.
    EXPECT_NEAR(LocalMeanSiderealHours(mjd, 15), 12 + 10 / 60.0 + 46.37 / 3600, 1e-4);
    EXPECT_NEAR(FractionalPart(-0.25), 0.75, 1e-15);
    EXPECT_NEAR(FractionalPart(3.25), 0.25, 1e-15);
}

TEST(TimeScales, EventTimeText) {
    Observer obs;  // zone 1, summer time automatic
    Observer noSummer = obs;
    noSummer.autoSummerTime = false;
    struct Case {
        const char* name;
        double jd;
        DayContext day;
        const Observer* obs;
        const char* text;
    } cases[] = {
        {"noon UT in summer", JdOf(2017, 6, 9, 12, 0), Day(2017, 6, 9), &obs, "14:00"},
        {"noon UT in winter", JdOf(2017, 1, 9, 12, 0), Day(2017, 1, 9), &obs, "13:00"},
        {"minutes truncated", JdOf(2017, 1, 9, 6, 59, 59), Day(2017, 1, 9), &obs, "7:59"},
        {"one-digit minute", JdOf(2017, 1, 9, 6, 5, 0), Day(2017, 1, 9), &obs, "7:05"},
        {"next local day", JdOf(2017, 1, 9, 23, 30), Day(2017, 1, 9), &obs, ""},
        {"shown on the next day", JdOf(2017, 1, 9, 23, 30), Day(2017, 1, 10), &obs, "0:30"},
        {"late evening of the day", JdOf(2017, 1, 9, 22, 59, 50), Day(2017, 1, 9), &obs, "23:59"},
        // Clocks go forward at 02:00 standard time on 26 March 2017 (01:00 UT).
        {"before the change", JdOf(2017, 3, 26, 0, 30), Day(2017, 3, 26), &obs, "1:30"},
        {"after the change", JdOf(2017, 3, 26, 1, 30), Day(2017, 3, 26), &obs, "3:30"},
        {"Saturday evening before", JdOf(2017, 3, 25, 20, 0), Day(2017, 3, 25), &obs, "21:00"},
        // Clocks go back at 03:00 summer time on 29 October 2017 (01:00 UT).
        {"before going back", JdOf(2017, 10, 29, 0, 30), Day(2017, 10, 29), &obs, "2:30"},
        {"after going back", JdOf(2017, 10, 29, 1, 30), Day(2017, 10, 29), &obs, "2:30"},
        {"Saturday evening before going back", JdOf(2017, 10, 28, 20, 0), Day(2017, 10, 28), &obs, "22:00"},
        {"summer time off", JdOf(2017, 6, 9, 12, 0), Day(2017, 6, 9), &noSummer, "13:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EventTimeText(c.jd, c.day, *c.obs), c.text);
    }
}

TEST(TimeScales, EventTimeTextRejectsUnusableInput) {
    const DayContext day = Day(2017, 6, 9);
    const double jd = JdOf(2017, 6, 9, 12, 0);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double zone : {nan, inf, -inf, 25.0, -1e300, 1e300}) {
        Observer obs;
        obs.zone = zone;
        SCOPED_TRACE(zone);
        EXPECT_EQ(EventTimeText(jd, day, obs), "");
    }
    Observer obs;
    for (double bad : {nan, inf, 0.0, -1e300, 1e300}) EXPECT_EQ(EventTimeText(bad, day, obs), "");
    obs.zone = -12;  // a far zone is still a zone
    EXPECT_EQ(EventTimeText(JdOf(2017, 6, 9, 20, 0), day, obs), "9:00");
}

}  // namespace
}  // namespace sk
