#include "astro/RiseSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <regex>

#include "AstroTestSupport.h"

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

}  // namespace
}  // namespace sk
