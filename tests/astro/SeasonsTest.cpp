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

// The refinement samples only around the best of a coarse pass; over the
// calendar's years it must pick what sampling every step picks.
double RefineBySamplingEveryStep(double meanJde, bool aphelion) {
    const double sign = aphelion ? -1.0 : 1.0;
    auto cost = [&](double t) { return sign * EarthSunDistance(t); };
    constexpr double kStep = 0.0104;
    double best = meanJde - 2.0, bestCost = cost(best);
    for (int i = 1; i <= static_cast<int>(4.0 / kStep); ++i) {
        const double t = meanJde - 2.0 + i * kStep;
        if (cost(t) < bestCost) bestCost = cost(best = t);
    }
    const double ratio = 0.6180339887498949;
    double lo = best - kStep, hi = best + kStep;
    double x1 = hi - ratio * (hi - lo), x2 = lo + ratio * (hi - lo);
    double c1 = cost(x1), c2 = cost(x2);
    for (int i = 0; i < 60 && hi - lo > 1.0 / 86400.0; ++i) {
        if (c1 < c2) {
            hi = x2, x2 = x1, c2 = c1;
            c1 = cost(x1 = hi - ratio * (hi - lo));
        } else {
            lo = x1, x1 = x2, c1 = c2;
            c2 = cost(x2 = lo + ratio * (hi - lo));
        }
    }
    return 0.5 * (lo + hi);
}

TEST(Seasons, RefinementEqualsSamplingEveryStep) {
    for (int year = 1970; year <= 2037; ++year) {
        SCOPED_TRACE(year);
        EXPECT_EQ(RefinedPerihelion(PerihelionMeanInstant(year)),
                  RefineBySamplingEveryStep(PerihelionMeanInstant(year), false));
        EXPECT_EQ(RefinedAphelion(AphelionMeanInstant(year)),
                  RefineBySamplingEveryStep(AphelionMeanInstant(year), true));
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
