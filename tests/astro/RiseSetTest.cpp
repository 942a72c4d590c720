#include "astro/RiseSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <regex>

#include "AstroTestSupport.h"
#include "astro/TimeScales.h"

namespace sk {
namespace {

using test::Day;

TEST(RiseSet, DefaultPlaceWorkedDays) {
    Observer civil;
    Observer astronomical;
    astronomical.twilightKind = 2;
    struct Case {
        DayContext day;
        int kind;
        const Observer* obs;
        const char* text;
    } cases[] = {
        {Day(2017, 6, 21), kSunKind, &civil, "Sonne: 5:08 - 21:16"},
        {Day(2017, 6, 21), kCivilTwilightKind, &civil, "Dämmerung: 4:26 - 21:58"},
        {Day(2017, 12, 21), kSunKind, &civil, "Sonne: 7:59 - 16:17"},
        // The evening end of astronomical twilight lies after midnight: the
        // crossing found is the end of the previous night's twilight.
        {Day(2017, 6, 21), kCivilTwilightKind, &astronomical, "Dämmerung: 1:28 - 0:56"},
        // The Moon sets but does not rise on this day.
        {Day(2017, 10, 29), kMoonKind, &civil, "Mond: 14:30 - --:--"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(RiseSetText(c.kind, c.day, *c.obs), c.text);
    }
}

TEST(RiseSet, WholeDayAboveOrBelow) {
    Observer north;
    north.latitude = 70;
    Observer nautical;
    nautical.twilightKind = 1;
    nautical.latitude = 60;
    struct Case {
        DayContext day;
        int kind;
        const Observer* obs;
        const char* text;
    } cases[] = {
        {Day(2017, 6, 25), kSunKind, &north, "Sonne: immer sichtbar"},
        {Day(2017, 12, 25), kSunKind, &north, "Sonne: nicht sichtbar"},
        {Day(2017, 6, 25), kCivilTwilightKind, &north, "Dämmerung: immer hell"},
        {Day(2017, 6, 21), kCivilTwilightKind, &nautical, "Dämmerung: immer hell"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(RiseSetText(c.kind, c.day, *c.obs), c.text);
    }
    Observer south = north;
    south.latitude = -85;
    south.twilightKind = 0;
    EXPECT_EQ(RiseSetText(kCivilTwilightKind, Day(2017, 6, 21), south), "Dämmerung: immer dunkel");
}

TEST(RiseSet, BadTwilightSettingCountsAsCivil) {
    for (int setting : {3, 7, -1, 1000}) {
        SCOPED_TRACE(setting);
        Observer obs;
        obs.twilightKind = setting;
        EXPECT_EQ(TwilightRequestKind(obs), kCivilTwilightKind);
        EXPECT_EQ(RiseSetText(kCivilTwilightKind, Day(2017, 6, 21), obs), "Dämmerung: 4:26 - 21:58");
    }
    EXPECT_EQ(NormalizedTwilightKind(3), 0);
    EXPECT_EQ(NormalizedTwilightKind(2), 2);
}

TEST(RiseSet, ClockTextRoundsMinutes) {
    struct Case {
        double hours;
        const char* text;
    } cases[] = {
        {5.75, "5:45"}, {23.999, "24:00"}, {7.9999, "8:00"}, {7.0, "7:00"},
        {12.5083, "12:30"}, {12.5091, "12:31"}, {0.9916, "0:59"}, {0.9918, "1:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hours);
        EXPECT_EQ(ClockTextOfHours(c.hours), c.text);
    }
}

// Extreme and damaged places never crash, never loop, and print either a
// well-formed text or the missing-event text.
TEST(RiseSet, ExtremeAndDamagedPlaces) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::regex wellFormed(
        "(Mond|Sonne|Dämmerung): ((\\d{1,2}:\\d\\d|--:--) - (\\d{1,2}:\\d\\d|--:--)|immer hell|immer dunkel|"
        "immer sichtbar|nicht sichtbar)");
    struct Place {
        double lat, lon, zone;
        bool usable;
    } places[] = {
        {90, 0, 1, true},     {-90, 0, 1, true},   {48.47, 180, 1, true}, {48.47, -180, 12, true},
        {0, 0, 0, true},      {89.99, 179.99, -12, true},
        {nan, 0, 1, false},   {0, nan, 1, false},  {0, 0, nan, false},   {inf, 0, 1, false},
        {0, -inf, 1, false},  {0, 0, inf, false},  {91, 0, 1, false},    {0, 181, 1, false},
        {0, 0, 25, false},    {1e308, 1e308, 1e308, false},
    };
    for (const auto& p : places) {
        Observer obs;
        obs.latitude = p.lat;
        obs.longitude = p.lon;
        obs.zone = p.zone;
        for (const DayContext& day : {Day(2017, 3, 20), Day(2017, 6, 21), Day(1970, 1, 1), Day(2037, 12, 31)}) {
            for (int kind : {kMoonKind, kSunKind, kCivilTwilightKind}) {
                const std::string text = RiseSetText(kind, day, obs);
                SCOPED_TRACE(text);
                EXPECT_TRUE(std::regex_match(text, wellFormed));
                if (!p.usable) {
                    EXPECT_TRUE(text.ends_with(": --:-- - --:--"));
                }
            }
        }
    }
}

// The day search rules steps out from interpolated positions; it must give
// exactly what the plain scan of every hour gives, at any place and season,
// including days when the Moon passes 12 h of right ascension.
RiseSetResult PlainScan(int kind, const DayContext& ctx, const Observer& obs) {
    RiseSetResult r;
    const double mjd0 = LocalMidnightMjd(ctx, obs);
    const double sinPhi = SinDeg(obs.latitude), cosPhi = CosDeg(obs.latitude);
    const double s0 = SinDeg(kind == kMoonKind ? 8.0 / 60 : kind == kSunKind ? -50.0 / 60 : -6.0 * (kind - 2));
    auto y = [&](int hour) { return SinAltitude(kind, mjd0, hour, obs.longitude, cosPhi, sinPhi) - s0; };
    double yMinus = y(0);
    r.aboveAtStart = yMinus > 0;
    for (int hour = 1; hour != 25 && !(r.rise != 0 && r.set != 0); hour += 2) {
        const double yPlus = y(hour + 1);
        const QuadResult q = Quad(yMinus, y(hour), yPlus);
        if (q.nz == 1) (yMinus < 0 ? r.rise : r.set) = hour + q.z1;
        if (q.nz == 2) {
            r.rise = hour + (q.ye < 0 ? q.z2 : q.z1);
            r.set = hour + (q.ye < 0 ? q.z1 : q.z2);
        }
        yMinus = yPlus;
    }
    return r;
}

TEST(RiseSet, DaySearchEqualsPlainScan) {
    struct Place {
        double lat, lon, zone;
        bool summerTime;
    } places[] = {
        {48.47, -12.52, 1, true}, {65.0, -25.0, 2, false}, {69.6, -18.9, 1, true},
        {0.0, 78.5, -5, false},   {-33.9, -151.2, 10, false}, {28.6, -77.2, 5.5, false},
    };
    int compared = 0;
    for (int p = 0; p < 6; ++p) {
        Observer obs;
        obs.latitude = places[p].lat;
        obs.longitude = places[p].lon;
        obs.zone = places[p].zone;
        obs.autoSummerTime = places[p].summerTime;
        // Every 17th day, each place shifted, so that all phases and seasons
        // come round over the 68 years.
        for (DayNumber d = kFirstDay + 3 * p; d <= kLastDay; d += 17) {
            const DayContext day = MakeDayContext(d);
            DayRiseSet search(day, obs);
            for (int kind = kMoonKind; kind <= kAstronomicalTwilightKind; ++kind) {
                const RiseSetResult fast = search.Search(kind);
                const RiseSetResult plain = PlainScan(kind, day, obs);
                ++compared;
                if (fast.rise != plain.rise || fast.set != plain.set || fast.aboveAtStart != plain.aboveAtStart)
                    ADD_FAILURE() << "place " << p << " day " << d << " kind " << kind << ": " << fast.rise << "/"
                                  << plain.rise << " " << fast.set << "/" << plain.set;
            }
        }
    }
    EXPECT_GT(compared, 40000);

    // A place whose 10 h on 17 Jan 2017 falls on the instant where the Moon's
    // right ascension jumps by more than an hour near 12 h: the plain scan
    // sees a blip there that no interpolation has.
    Observer blip;
    blip.latitude = 48.0;
    blip.longitude = -178.0;
    blip.zone = 0.554024992;
    blip.autoSummerTime = false;
    const DayContext day = test::Day(2017, 1, 17);
    const RiseSetResult fast = DayRiseSet(day, blip).Search(kMoonKind);
    const RiseSetResult plain = PlainScan(kMoonKind, day, blip);
    EXPECT_EQ(fast.rise, plain.rise);
    EXPECT_EQ(fast.set, plain.set);
}

}  // namespace
}  // namespace sk
