#include "astro/AstronomyLine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "AstroTestSupport.h"
#include "astro/AstroDayMarks.h"

namespace sk {
namespace {

using test::Contains;
using test::Day;

const std::string kSep = ",\u00A0";

TEST(AstronomyLine, WorkedDays) {
    const Observer obs;
    struct Case {
        DayContext day;
        std::string line;
    } cases[] = {
        {Day(2017, 6, 21), "Dämmerung: 4:26 - 21:58" + kSep + "Sonne: 5:08 - 21:16" + kSep + "Mond: 3:20 - 17:54" +
                               kSep + "Sommeranfang: 6:25"},
        {Day(2000, 1, 21), "Dämmerung: 7:18 - 17:25" + kSep + "Sonne: 7:53 - 16:50" + kSep + "Mond: 17:20 - 8:00" +
                               kSep + "Vollmond: 5:41" + kSep + "Mondfinsternis total: 5:45"},
        {Day(2017, 10, 29), "Dämmerung: 6:19 - 17:28" + kSep + "Sonne: 6:51 - 16:55" + kSep + "Mond: 14:30 - --:--" +
                                kSep + "Winterzeit von 3:00 Uhr auf 2:00b Uhr"},
        {Day(2017, 6, 9), "Dämmerung: 4:27 - 21:52" + kSep + "Sonne: 5:09 - 21:10" + kSep + "Mond: 20:52 - 5:27" +
                              kSep + "Vollmond: 15:10" + kSep + "Mondferne: 0:22"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(AstronomyLine(c.day, obs), c.line);
        LunarInstantCache cache;
        EXPECT_EQ(AstronomyLine(c.day, obs, &cache), c.line);
    }
}

TEST(AstronomyLine, OrbitExtremeShowsOnItsDay) {
    int days = 0;
    for (int d = 1; d <= 6; ++d) days += Contains(AstronomyLine(Day(2017, 1, d), Observer{}), "Sonnennähe: ");
    EXPECT_EQ(days, 1);
    // One cache over the days around both events of several years, as an
    // export keeps it: the very same lines.
    LunarInstantCache cache;
    for (const int year : {1970, 2017, 2018, 2037}) {
        int perihelia = 0, aphelia = 0;
        for (const int month : {1, 7}) {
            for (int d = 1; d <= 8; ++d) {
                const std::string line = AstronomyLine(Day(year, month, d), Observer{}, &cache);
                EXPECT_EQ(line, AstronomyLine(Day(year, month, d), Observer{})) << year << "-" << month << "-" << d;
                perihelia += Contains(line, "Sonnennähe: ");
                aphelia += Contains(line, "Sonnenferne: ");
            }
        }
        EXPECT_EQ(perihelia, 1) << year;
        EXPECT_EQ(aphelia, 1) << year;
    }
}

TEST(AstronomyLine, DamagedPlaceStillGivesALine) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Observer obs;
    obs.latitude = nan;
    obs.zone = nan;
    const std::string line = AstronomyLine(Day(2017, 10, 29), obs);
    EXPECT_EQ(line, "Dämmerung: --:-- - --:--" + kSep + "Sonne: --:-- - --:--" + kSep + "Mond: --:-- - --:--" + kSep +
                        "Winterzeit von 3:00 Uhr auf 2:00b Uhr");
    // Only the place is bad: the moon phase does not depend on it.
    Observer badPlace;
    badPlace.latitude = 1e9;
    EXPECT_TRUE(Contains(AstronomyLine(Day(2017, 6, 9), badPlace), "Vollmond: 15:10"));
}

// The painting values from a shared cache over whole ranges equal the plain
// per-day search on every day of the calendar.
TEST(AstroDayMarks, RangeEqualsPerDaySearch) {
    Observer west;
    west.zone = -5;
    west.autoSummerTime = false;
    for (const Observer& obs : {Observer{}, west}) {
        const int count = kLastDay - kFirstDay + 1;
        const std::vector<AstroDayMarks> range = ComputeAstroDayMarksRange(kFirstDay, count, obs);
        ASSERT_EQ(range.size(), static_cast<std::size_t>(count));
        int phases = 0, eclipses = 0, distances = 0;
        for (int i = 0; i < count; ++i) {
            const DayContext ctx = MakeDayContext(kFirstDay + i);
            const AstroDayMarks plain = ComputeAstroDayMarks(ctx, obs);
            ASSERT_EQ(range[i], plain) << NoteDateCodeOf(ctx.dayNumber);
            phases += plain.phaseLetter != 0;
            eclipses += plain.eclipse != EclipseShading::kNone;
            distances += plain.distanceLetter != 0;
        }
        EXPECT_GT(phases, 3300);
        EXPECT_GT(eclipses, 200);
        EXPECT_GT(distances, 1790);
    }
}

TEST(AstroDayMarks, WorkedDays) {
    const Observer obs;
    struct Case {
        DayContext day;
        AstroDayMarks marks;
    } cases[] = {
        {Day(2017, 6, 9), {'V', EclipseShading::kNone, 'F'}},
        {Day(2017, 6, 24), {'N', EclipseShading::kNone, 0}},
        {Day(1999, 8, 11), {'N', EclipseShading::kSolar, 0}},
        {Day(2000, 1, 21), {'V', EclipseShading::kLunar, 0}},
        {Day(2017, 6, 13), {0, EclipseShading::kNone, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(NoteDateCode(c.day));
        EXPECT_EQ(ComputeAstroDayMarks(c.day, obs), c.marks);
    }
    EXPECT_TRUE(ComputeAstroDayMarksRange(100, 0, obs).empty());
}

// The cache of a window's months answers what a fresh computation answers,
// also for another place and after its oldest months made room.
TEST(AstroMonthCache, AnswersAsComputedForEveryPlaceAndAfterEviction) {
    AstroMonthCache cache;
    Observer west;
    west.longitude = 75.0;
    west.zone = -5.0;
    const DayNumber first = DayNumberOf(2019, 1, 1);
    for (int round = 0; round < 2; ++round) {
        for (int month = 0; month < static_cast<int>(AstroMonthCache::kMonths) + 10; month += 7) {
            const DayNumber start = first + 31 * month;
            for (const Observer& obs : {Observer{}, west}) {
                EXPECT_EQ(cache.Range(start, 31, obs), ComputeAstroDayMarksRange(start, 31, obs))
                    << "month " << month << " round " << round;
            }
        }
        for (int month = 0; month < static_cast<int>(AstroMonthCache::kMonths) + 5; ++month)
            (void)cache.Range(first + 1000 + 30 * month, 30, Observer{});  // pushes the months above out
    }
}

}  // namespace
}  // namespace sk
