#include "view/StatusLine.h"

#include <gtest/gtest.h>

#include "calendar/Holidays.h"

namespace sk {
namespace {

const std::string kSep = "\u00A0-\u00A0";

TEST(StatusLine, DayInfoText) {
    const struct {
        int y, m, d;
        std::string want;
    } cases[] = {
        // The fourth Sunday of Advent is also Christmas Eve: the one day name,
        // then the name days without repeating the feast.
        {2017, 12, 24, "Sonntag, 24. Dezember 2017" + kSep + "Heiliger Abend" + kSep + "Adam und Eva, Adam, Eva, Adele, Irmina"},
        {2027, 1, 1, "Freitag, 1. Januar 2027" + kSep + "Neujahr" + kSep + "Hochfest der Gottesmutter Maria, Wilhelm, Fulgentius, Odilo"},
        // An ordinary day: the date and, after one separator, its name days.
        {2024, 2, 29, "Donnerstag, 29. Februar 2024" + kSep + "Schalttag, Papst Hilarius, August Chapdelaine, Antonia"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DayInfoText(MakeDayContext(DayNumberOf(c.y, c.m, c.d))), c.want);
    }
    // 1 March reads the same name-day entry in common and leap years.
    const std::string common = DayInfoText(MakeDayContext(DayNumberOf(2023, 3, 1)));
    const std::string leap = DayInfoText(MakeDayContext(DayNumberOf(2024, 3, 1)));
    EXPECT_EQ(common.substr(common.rfind(kSep)), leap.substr(leap.rfind(kSep)));
}

}  // namespace
}  // namespace sk
