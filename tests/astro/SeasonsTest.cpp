#include "astro/Seasons.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "AstroTestSupport.h"

namespace sk {
namespace {

using test::Day;

TEST(Seasons, PublishedValues) {
    // Earth's radius vector on 1992 Oct 13.0 TD (abridged series).
    EXPECT_NEAR(EarthSunDistance(2448908.5), 0.99760775, 5e-9);
    // June solstice 1962: JDE 2437837.39245.
    EXPECT_NEAR(SeasonInstant(1962, 5), 2437837.39245, 1e-5);
}

TEST(Seasons, WorkedDays) {
    const Observer obs;
    struct Case {
        DayContext day;
        const char* season;
    } cases[] = {
        {Day(2017, 6, 21), "Sommeranfang: 6:25"},
        {Day(2017, 12, 21), "Winteranfang: 17:29"},
        {Day(2017, 6, 20), ""},
        {Day(2017, 7, 21), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.season);
        EXPECT_EQ(SeasonText(c.day, obs), c.season);
    }
}

// Each season text appears on exactly one day of its month and in no other
// month; perihelion falls in early January and aphelion in early July, once a
// year, at a true extreme of the distance.
TEST(Seasons, WholeRangeSeasonsAndOrbitExtremes) {
    const Observer obs;
    const char* labels[12] = {nullptr, nullptr, "Frühlingsanfang: ", nullptr, nullptr, "Sommeranfang: ",
                              nullptr, nullptr, "Herbstanfang: ", nullptr, nullptr, "Winteranfang: "};
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        int seasonDays[12] = {};
        int perihelia = 0, aphelia = 0;
        for (DayNumber d = FirstDayOfYear(year); d < FirstDayOfYear(year + 1); ++d) {
            const DayContext ctx = MakeDayContext(d);
            const std::string season = SeasonText(ctx, obs);
            if (!season.empty()) {
                ASSERT_NE(labels[ctx.month], nullptr) << season;
                EXPECT_TRUE(season.starts_with(labels[ctx.month]));
                ++seasonDays[ctx.month];
                EXPECT_GE(ctx.day, 19);
                EXPECT_LE(ctx.day, 24);
            }
            const std::string perihelion = PerihelionText(ctx, obs);
            if (!perihelion.empty()) {
                EXPECT_TRUE(perihelion.starts_with("Sonnennähe: "));
                EXPECT_EQ(ctx.month, 0);
                EXPECT_LE(ctx.day, 6);
                ++perihelia;
            }
            const std::string aphelion = AphelionText(ctx, obs);
            if (!aphelion.empty()) {
                EXPECT_TRUE(aphelion.starts_with("Sonnenferne: "));
                EXPECT_EQ(ctx.month, 6);
                EXPECT_LE(ctx.day, 7);
                ++aphelia;
            }
        }
        SCOPED_TRACE(year);
        for (int m = 0; m < 12; ++m) EXPECT_EQ(seasonDays[m], labels[m] ? 1 : 0) << m;
        EXPECT_EQ(perihelia, 1);
        EXPECT_EQ(aphelia, 1);
    }
}

TEST(Seasons, RefinedExtremesAreTrueExtremes) {
    for (int year : {1970, 1985, 1999, 2000, 2017, 2030, 2037}) {
        SCOPED_TRACE(year);
        const double minute = 1.0 / 1440;
        const double peri = RefinedPerihelion(PerihelionMeanInstant(year));
        EXPECT_LT(std::fabs(peri - PerihelionMeanInstant(year)), 2.0);
        EXPECT_LT(EarthSunDistance(peri), EarthSunDistance(peri - minute));
        EXPECT_LT(EarthSunDistance(peri), EarthSunDistance(peri + minute));
        const double aph = RefinedAphelion(AphelionMeanInstant(year));
        EXPECT_GT(EarthSunDistance(aph), EarthSunDistance(aph - minute));
        EXPECT_GT(EarthSunDistance(aph), EarthSunDistance(aph + minute));
    }
}

TEST(Seasons, UnusableZoneGivesNoTimes) {
    Observer obs;
    obs.zone = std::nan("");
    EXPECT_EQ(SeasonText(Day(2017, 6, 21), obs), "");
    const double peri = RefinedPerihelion(PerihelionMeanInstant(2017));
    const DayContext day = MakeDayContext(static_cast<DayNumber>(std::floor(peri - 2440587.5)));
    EXPECT_NE(PerihelionText(day, Observer{}), "");
    EXPECT_EQ(PerihelionText(day, obs), "");
}

}  // namespace
}  // namespace sk
