#include "astro/Eclipses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "AstroTestSupport.h"
#include "astro/MoonPhases.h"

namespace sk {
namespace {

using test::Day;

TEST(Eclipses, WorkedDays) {
    Observer obs;
    struct Case {
        DayContext day;
        bool solar;
        const char* text;
    } cases[] = {
        {Day(1999, 8, 11), true, "Sonnenfinsternis total: 13:04"},
        // 10:33 UT; summer time is on in October.
        {Day(2005, 10, 3), true, "Sonnenfinsternis ringförmig: 12:33"},
        {Day(2000, 1, 21), false, "Mondfinsternis total: 5:45"},
        // A non-central annular eclipse (gamma just beyond 1).
        {Day(2014, 4, 29), true, "Sonnenfinsternis ringförmig: 8:04"},
        // Within two minutes of the observed 08:50 and 21:10 UT.
        {Day(2011, 1, 4), true, "Sonnenfinsternis partiell: 9:52"},
        {Day(2008, 8, 16), false, "Mondfinsternis partiell: 23:11"},
        // Penumbral eclipses that never touch the umbra.
        {Day(1988, 3, 3), false, ""},
        {Day(1987, 10, 7), false, ""},
        // A new moon without an eclipse.
        {Day(2017, 6, 24), true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.solar ? SolarEclipseText(c.day, obs) : LunarEclipseText(c.day, obs), c.text);
    }
}

TEST(Eclipses, NewMoonOnThePreviousLocalDayGivesNoText) {
    // Greatest eclipse of 11 August 1999 at 11:04 UT; in zone -11.5 that is
    // 23:34 on 10 August, so 11 August shows nothing although it is near new moon.
    Observer west;
    west.zone = -11.5;
    west.autoSummerTime = false;
    EXPECT_EQ(PhaseText(Day(1999, 8, 11), west).eclipseMark, kSolarCandidate);
    EXPECT_EQ(SolarEclipseText(Day(1999, 8, 11), west), "");
    EXPECT_EQ(SolarEclipseText(Day(1999, 8, 10), west), "Sonnenfinsternis total: 23:34");
}

// Every eclipse found in the calendar lies within a day of the new moon
// (solar) or full moon (lunar) of its lunation; each lunation has at most one.
TEST(Eclipses, WholeRangeEclipsesLieAtSyzygies) {
    const Observer obs;
    LunarInstantCache cache;
    DayContext ctx;
    int solar = 0, lunar = 0;
    DayNumber lastSolar = -100, lastLunar = -100;
    for (DayNumber d = kFirstDay; d <= kLastDay; ++d) {
        SetDayContext(ctx, d);
        for (bool isSolar : {true, false}) {
            const std::string text = isSolar ? SolarEclipseText(ctx, obs, &cache) : LunarEclipseText(ctx, obs, &cache);
            if (text.empty()) continue;
            SCOPED_TRACE(text + " on " + std::to_string(NoteDateCodeOf(d)));
            const double eclipse = FindEclipse(
                text.find("total") != std::string::npos ? kTotalEclipse
                : text.find("ringförmig") != std::string::npos ? kAnnularEclipse
                                                                : kPartialEclipse,
                isSolar ? 0 : 0.5, ctx);
            const double phase = FindPhase(isSolar ? PhaseKind::kNewMoon : PhaseKind::kFullMoon, ctx);
            EXPECT_LT(std::fabs(eclipse - phase), 1.0);
            // The painting only asks for eclipses on candidate days.
            EXPECT_EQ(PhaseText(ctx, obs).eclipseMark, isSolar ? kSolarCandidate : kLunarCandidate);
            DayNumber& last = isSolar ? lastSolar : lastLunar;
            EXPECT_GT(d - last, 25);
            last = d;
            ++(isSolar ? solar : lunar);
        }
    }
    // About 2.4 solar and 1.5 umbral lunar eclipses a year.
    EXPECT_GT(solar, 68 * 2.1);
    EXPECT_LT(solar, 68 * 2.6);
    EXPECT_GT(lunar, 68 * 1.2);
    EXPECT_LT(lunar, 68 * 1.8);
}

}  // namespace
}  // namespace sk
