#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <vector>
#include <string>

#include "accounting/AccountCommon.h"
#include "calendar/Holidays.h"

namespace sk {
namespace {

DayContext Ctx(int y, int m, int d) { return MakeDayContext(DayNumberOf(y, m, d)); }

// The days off of each state in chosen years, as their holiday laws give
// them (month and day, "MMDD"); Easter Sunday and Whit Sunday are listed as
// the calendar names them everywhere.
struct LawYear {
    Region region;
    int year;
    const char* days;
};
// clang-format off
constexpr LawYear kLawYears[] = {
        {Region::kBW, 2017, "0101 0106 0414 0416 0417 0501 0525 0604 0605 0615 1003 1031 1101 1225 1226"},
        {Region::kBW, 2018, "0101 0106 0330 0401 0402 0501 0510 0520 0521 0531 1003 1101 1225 1226"},
        {Region::kBW, 2019, "0101 0106 0419 0421 0422 0501 0530 0609 0610 0620 1003 1101 1225 1226"},
        {Region::kBW, 2023, "0101 0106 0407 0409 0410 0501 0518 0528 0529 0608 1003 1101 1225 1226"},
        {Region::kBW, 2025, "0101 0106 0418 0420 0421 0501 0529 0608 0609 0619 1003 1101 1225 1226"},
        {Region::kBW, 2030, "0101 0106 0419 0421 0422 0501 0530 0609 0610 0620 1003 1101 1225 1226"},
        {Region::kBY, 2017, "0101 0106 0414 0416 0417 0501 0525 0604 0605 0615 0815 1003 1101 1225 1226"},
        {Region::kBY, 2018, "0101 0106 0330 0401 0402 0501 0510 0520 0521 0531 0815 1003 1101 1225 1226"},
        {Region::kBY, 2019, "0101 0106 0419 0421 0422 0501 0530 0609 0610 0620 0815 1003 1101 1225 1226"},
        {Region::kBY, 2023, "0101 0106 0407 0409 0410 0501 0518 0528 0529 0608 0815 1003 1101 1225 1226"},
        {Region::kBY, 2025, "0101 0106 0418 0420 0421 0501 0529 0608 0609 0619 0815 1003 1101 1225 1226"},
        {Region::kBY, 2030, "0101 0106 0419 0421 0422 0501 0530 0609 0610 0620 0815 1003 1101 1225 1226"},
        {Region::kBE, 2017, "0101 0414 0416 0417 0501 0525 0604 0605 1003 1031 1225 1226"},
        {Region::kBE, 2018, "0101 0330 0401 0402 0501 0510 0520 0521 1003 1225 1226"},
        {Region::kBE, 2019, "0101 0308 0419 0421 0422 0501 0530 0609 0610 1003 1225 1226"},
        {Region::kBE, 2023, "0101 0308 0407 0409 0410 0501 0518 0528 0529 1003 1225 1226"},
        {Region::kBE, 2025, "0101 0308 0418 0420 0421 0501 0508 0529 0608 0609 1003 1225 1226"},
        {Region::kBE, 2030, "0101 0308 0419 0421 0422 0501 0530 0609 0610 1003 1225 1226"},
        {Region::kBB, 2017, "0101 0414 0416 0417 0501 0525 0604 0605 1003 1031 1225 1226"},
        {Region::kBB, 2018, "0101 0330 0401 0402 0501 0510 0520 0521 1003 1031 1225 1226"},
        {Region::kBB, 2019, "0101 0419 0421 0422 0501 0530 0609 0610 1003 1031 1225 1226"},
        {Region::kBB, 2023, "0101 0407 0409 0410 0501 0518 0528 0529 1003 1031 1225 1226"},
        {Region::kBB, 2025, "0101 0418 0420 0421 0501 0529 0608 0609 1003 1031 1225 1226"},
        {Region::kBB, 2030, "0101 0419 0421 0422 0501 0530 0609 0610 1003 1031 1225 1226"},
        {Region::kHB, 2017, "0101 0414 0416 0417 0501 0525 0604 0605 1003 1031 1225 1226"},
        {Region::kHB, 2018, "0101 0330 0401 0402 0501 0510 0520 0521 1003 1031 1225 1226"},
        {Region::kHB, 2019, "0101 0419 0421 0422 0501 0530 0609 0610 1003 1031 1225 1226"},
        {Region::kHB, 2023, "0101 0407 0409 0410 0501 0518 0528 0529 1003 1031 1225 1226"},
        {Region::kHB, 2025, "0101 0418 0420 0421 0501 0529 0608 0609 1003 1031 1225 1226"},
        {Region::kHB, 2030, "0101 0419 0421 0422 0501 0530 0609 0610 1003 1031 1225 1226"},
        {Region::kHH, 2017, "0101 0414 0416 0417 0501 0525 0604 0605 1003 1031 1225 1226"},
        {Region::kHH, 2018, "0101 0330 0401 0402 0501 0510 0520 0521 1003 1031 1225 1226"},
        {Region::kHH, 2019, "0101 0419 0421 0422 0501 0530 0609 0610 1003 1031 1225 1226"},
        {Region::kHH, 2023, "0101 0407 0409 0410 0501 0518 0528 0529 1003 1031 1225 1226"},
        {Region::kHH, 2025, "0101 0418 0420 0421 0501 0529 0608 0609 1003 1031 1225 1226"},
        {Region::kHH, 2030, "0101 0419 0421 0422 0501 0530 0609 0610 1003 1031 1225 1226"},
        {Region::kHE, 2017, "0101 0414 0416 0417 0501 0525 0604 0605 0615 1003 1031 1225 1226"},
        {Region::kHE, 2018, "0101 0330 0401 0402 0501 0510 0520 0521 0531 1003 1225 1226"},
        {Region::kHE, 2019, "0101 0419 0421 0422 0501 0530 0609 0610 0620 1003 1225 1226"},
        {Region::kHE, 2023, "0101 0407 0409 0410 0501 0518 0528 0529 0608 1003 1225 1226"},
        {Region::kHE, 2025, "0101 0418 0420 0421 0501 0529 0608 0609 0619 1003 1225 1226"},
        {Region::kHE, 2030, "0101 0419 0421 0422 0501 0530 0609 0610 0620 1003 1225 1226"},
        {Region::kMV, 2017, "0101 0414 0416 0417 0501 0525 0604 0605 1003 1031 1225 1226"},
        {Region::kMV, 2018, "0101 0330 0401 0402 0501 0510 0520 0521 1003 1031 1225 1226"},
        {Region::kMV, 2019, "0101 0419 0421 0422 0501 0530 0609 0610 1003 1031 1225 1226"},
        {Region::kMV, 2023, "0101 0308 0407 0409 0410 0501 0518 0528 0529 1003 1031 1225 1226"},
        {Region::kMV, 2025, "0101 0308 0418 0420 0421 0501 0529 0608 0609 1003 1031 1225 1226"},
        {Region::kMV, 2030, "0101 0308 0419 0421 0422 0501 0530 0609 0610 1003 1031 1225 1226"},
        {Region::kNI, 2017, "0101 0414 0416 0417 0501 0525 0604 0605 1003 1031 1225 1226"},
        {Region::kNI, 2018, "0101 0330 0401 0402 0501 0510 0520 0521 1003 1031 1225 1226"},
        {Region::kNI, 2019, "0101 0419 0421 0422 0501 0530 0609 0610 1003 1031 1225 1226"},
        {Region::kNI, 2023, "0101 0407 0409 0410 0501 0518 0528 0529 1003 1031 1225 1226"},
        {Region::kNI, 2025, "0101 0418 0420 0421 0501 0529 0608 0609 1003 1031 1225 1226"},
        {Region::kNI, 2030, "0101 0419 0421 0422 0501 0530 0609 0610 1003 1031 1225 1226"},
        {Region::kNW, 2017, "0101 0414 0416 0417 0501 0525 0604 0605 0615 1003 1031 1101 1225 1226"},
        {Region::kNW, 2018, "0101 0330 0401 0402 0501 0510 0520 0521 0531 1003 1101 1225 1226"},
        {Region::kNW, 2019, "0101 0419 0421 0422 0501 0530 0609 0610 0620 1003 1101 1225 1226"},
        {Region::kNW, 2023, "0101 0407 0409 0410 0501 0518 0528 0529 0608 1003 1101 1225 1226"},
        {Region::kNW, 2025, "0101 0418 0420 0421 0501 0529 0608 0609 0619 1003 1101 1225 1226"},
        {Region::kNW, 2030, "0101 0419 0421 0422 0501 0530 0609 0610 0620 1003 1101 1225 1226"},
        {Region::kRP, 2017, "0101 0414 0416 0417 0501 0525 0604 0605 0615 1003 1031 1101 1225 1226"},
        {Region::kRP, 2018, "0101 0330 0401 0402 0501 0510 0520 0521 0531 1003 1101 1225 1226"},
        {Region::kRP, 2019, "0101 0419 0421 0422 0501 0530 0609 0610 0620 1003 1101 1225 1226"},
        {Region::kRP, 2023, "0101 0407 0409 0410 0501 0518 0528 0529 0608 1003 1101 1225 1226"},
        {Region::kRP, 2025, "0101 0418 0420 0421 0501 0529 0608 0609 0619 1003 1101 1225 1226"},
        {Region::kRP, 2030, "0101 0419 0421 0422 0501 0530 0609 0610 0620 1003 1101 1225 1226"},
        {Region::kSL, 2017, "0101 0414 0416 0417 0501 0525 0604 0605 0615 0815 1003 1031 1101 1225 1226"},
        {Region::kSL, 2018, "0101 0330 0401 0402 0501 0510 0520 0521 0531 0815 1003 1101 1225 1226"},
        {Region::kSL, 2019, "0101 0419 0421 0422 0501 0530 0609 0610 0620 0815 1003 1101 1225 1226"},
        {Region::kSL, 2023, "0101 0407 0409 0410 0501 0518 0528 0529 0608 0815 1003 1101 1225 1226"},
        {Region::kSL, 2025, "0101 0418 0420 0421 0501 0529 0608 0609 0619 0815 1003 1101 1225 1226"},
        {Region::kSL, 2030, "0101 0419 0421 0422 0501 0530 0609 0610 0620 0815 1003 1101 1225 1226"},
        {Region::kSN, 2017, "0101 0414 0416 0417 0501 0525 0604 0605 1003 1031 1122 1225 1226"},
        {Region::kSN, 2018, "0101 0330 0401 0402 0501 0510 0520 0521 1003 1031 1121 1225 1226"},
        {Region::kSN, 2019, "0101 0419 0421 0422 0501 0530 0609 0610 1003 1031 1120 1225 1226"},
        {Region::kSN, 2023, "0101 0407 0409 0410 0501 0518 0528 0529 1003 1031 1122 1225 1226"},
        {Region::kSN, 2025, "0101 0418 0420 0421 0501 0529 0608 0609 1003 1031 1119 1225 1226"},
        {Region::kSN, 2030, "0101 0419 0421 0422 0501 0530 0609 0610 1003 1031 1120 1225 1226"},
        {Region::kST, 2017, "0101 0106 0414 0416 0417 0501 0525 0604 0605 1003 1031 1225 1226"},
        {Region::kST, 2018, "0101 0106 0330 0401 0402 0501 0510 0520 0521 1003 1031 1225 1226"},
        {Region::kST, 2019, "0101 0106 0419 0421 0422 0501 0530 0609 0610 1003 1031 1225 1226"},
        {Region::kST, 2023, "0101 0106 0407 0409 0410 0501 0518 0528 0529 1003 1031 1225 1226"},
        {Region::kST, 2025, "0101 0106 0418 0420 0421 0501 0529 0608 0609 1003 1031 1225 1226"},
        {Region::kST, 2030, "0101 0106 0419 0421 0422 0501 0530 0609 0610 1003 1031 1225 1226"},
        {Region::kSH, 2017, "0101 0414 0416 0417 0501 0525 0604 0605 1003 1031 1225 1226"},
        {Region::kSH, 2018, "0101 0330 0401 0402 0501 0510 0520 0521 1003 1031 1225 1226"},
        {Region::kSH, 2019, "0101 0419 0421 0422 0501 0530 0609 0610 1003 1031 1225 1226"},
        {Region::kSH, 2023, "0101 0407 0409 0410 0501 0518 0528 0529 1003 1031 1225 1226"},
        {Region::kSH, 2025, "0101 0418 0420 0421 0501 0529 0608 0609 1003 1031 1225 1226"},
        {Region::kSH, 2030, "0101 0419 0421 0422 0501 0530 0609 0610 1003 1031 1225 1226"},
        {Region::kTH, 2017, "0101 0414 0416 0417 0501 0525 0604 0605 1003 1031 1225 1226"},
        {Region::kTH, 2018, "0101 0330 0401 0402 0501 0510 0520 0521 1003 1031 1225 1226"},
        {Region::kTH, 2019, "0101 0419 0421 0422 0501 0530 0609 0610 0920 1003 1031 1225 1226"},
        {Region::kTH, 2023, "0101 0407 0409 0410 0501 0518 0528 0529 0920 1003 1031 1225 1226"},
        {Region::kTH, 2025, "0101 0418 0420 0421 0501 0529 0608 0609 0920 1003 1031 1225 1226"},
        {Region::kTH, 2030, "0101 0419 0421 0422 0501 0530 0609 0610 0920 1003 1031 1225 1226"},
};
// clang-format on

std::string DaysOffOf(Region region, int year) {
    std::string out;
    for (DayNumber d = FirstDayOfYear(year); d < FirstDayOfYear(year + 1); ++d) {
        const DayContext ctx = MakeDayContext(d);
        if (!IsPublicHoliday(ctx, region)) continue;
        char code[32];
        std::snprintf(code, sizeof code, "%s%02d%02d", out.empty() ? "" : " ", ctx.month + 1, ctx.day);
        out += code;
    }
    return out;
}

TEST(RegionalHolidays, DaysOffOfEveryStateFollowTheirLaws) {
    std::set<Region> seen;
    for (const LawYear& c : kLawYears) {
        EXPECT_EQ(DaysOffOf(c.region, c.year), c.days) << InfoOf(c.region).code << " " << c.year;
        seen.insert(c.region);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kRegionCount));
}

TEST(RegionalHolidays, EveryStateKeepsTheNationalDaysInEveryYear) {
    for (const RegionInfo& info : kRegions) {
        for (int y = 1990; y <= kLastYear; ++y) {
            const DayNumber easter = FirstDayOfYear(y) + EasterDayOfYear(y);
            const DayNumber days[] = {DayNumberOf(y, 1, 1),  easter - 2,          easter + 1,
                                      DayNumberOf(y, 5, 1),  easter + 39,         easter + 50,
                                      DayNumberOf(y, 10, 3), DayNumberOf(y, 12, 25), DayNumberOf(y, 12, 26)};
            for (DayNumber d : days) {
                const DayContext ctx = MakeDayContext(d);
                ASSERT_TRUE(IsPublicHoliday(ctx, info.region)) << info.code << " " << ctx.year << "-" << ctx.month + 1
                                                               << "-" << ctx.day;
                ASSERT_TRUE(IsCountedHoliday(d, 1, info.region)) << info.code << " " << d;
            }
        }
    }
}

TEST(RegionalHolidays, ChangesOverTheYears) {
    struct Case {
        Region region;
        int y, m, d;
        bool dayOff;
        const char* name;
    } cases[] = {
        // Buß- und Bettag: everywhere until 1994 (the built-in Bavarian table never had it), Sachsen after.
        {Region::kHE, 1994, 11, 16, true, "Buß- und Bettag"},
        {Region::kHE, 1995, 11, 22, false, "Buß- und Bettag"},
        {Region::kSN, 2027, 11, 17, true, "Buß- und Bettag"},
        {Region::kBY, 2027, 11, 17, false, "Buß- und Bettag"},
        // Before 1991 the 1991 rules hold.
        {Region::kNW, 1980, 11, 19, true, "Buß- und Bettag"},
        {Region::kST, 1975, 10, 31, true, "Reformationstag"},
        {Region::kNI, 2016, 10, 31, false, "Reformationstag"},
        {Region::kHH, 2018, 10, 31, true, "Reformationstag"},
        {Region::kRP, 2018, 10, 31, false, "Reformationstag"},
        {Region::kBE, 2018, 3, 8, false, ""},
        {Region::kBE, 2019, 3, 8, true, "Internationaler Frauentag"},
        {Region::kMV, 2022, 3, 8, false, ""},
        {Region::kMV, 2023, 3, 8, true, "Internationaler Frauentag"},
        {Region::kBE, 2021, 5, 8, false, ""},
        {Region::kBE, 2025, 5, 8, true, "Tag der Befreiung"},
        {Region::kTH, 2019, 9, 20, true, "Weltkindertag"},
        {Region::kSL, 2024, 8, 15, true, "Mariä Himmelfahrt"},
        {Region::kST, 2024, 1, 6, true, "Heilige Drei Könige"},
        {Region::kHE, 2024, 12, 26, true, "2. Weihnachtstag"},
        {Region::kBY, 2024, 12, 26, true, "Märtyrer Stephanus"},
        // Ascension on 1 May: the Easter feast's name wins, as in Bayern.
        {Region::kSN, 2008, 5, 1, true, "Christi Himmelfahrt"},
    };
    for (const Case& c : cases) {
        const DayContext ctx = Ctx(c.y, c.m, c.d);
        EXPECT_EQ(IsPublicHoliday(ctx, c.region), c.dayOff) << InfoOf(c.region).code << " " << c.y << "-" << c.m;
        EXPECT_EQ(DayName(ctx, c.region), c.name) << InfoOf(c.region).code << " " << c.y << "-" << c.m;
    }
}

// The accounts take the state's days off; the mills' eves stay theirs, and
// in Bayern All Saints' Day stays a working day of the mills.
TEST(RegionalHolidays, CountedHolidaysOfTheAccounts) {
    struct Case {
        Region region;
        int y, m, d, level;
        bool counted;
    } cases[] = {
        {Region::kSN, 2027, 11, 17, 1, true},  {Region::kBY, 2027, 11, 17, 4, false},
        {Region::kNW, 2027, 11, 1, 1, true},   {Region::kBY, 2027, 11, 1, 4, false},
        {Region::kHE, 2027, 8, 15, 4, false},  {Region::kBY, 2027, 8, 15, 1, true},
        {Region::kHE, 2027, 12, 24, 2, false}, {Region::kHE, 2027, 12, 24, 3, true},
        {Region::kTH, 2027, 4, 30, 3, false},  {Region::kTH, 2027, 4, 30, 4, true},
        {Region::kBE, 2027, 3, 8, 1, true},    {Region::kBE, 2027, 3, 8, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsCountedHoliday(DayNumberOf(c.y, c.m, c.d), c.level, c.region), c.counted)
            << InfoOf(c.region).code << " " << c.y << "-" << c.m << "-" << c.d << " level " << c.level;
}

TEST(RegionalHolidays, HolidayListOfAStateInDateOrder) {
    const HolidayList list = BuildHolidayList(2027, Region::kSN);
    std::vector<std::string> fixed;
    for (const HolidayListRow& row : list.rows) {
        if (row.name.empty()) break;
        fixed.push_back(row.dateText + " " + row.name);
    }
    const std::vector<std::string> expected = {"1. Januar Neujahr",         "1. Mai Maifeiertag",
                                               "3. Oktober Tag der Deutschen Einheit", "31. Oktober Reformationstag",
                                               "17. November Buß- und Bettag", "25. Dezember Weihnachten",
                                               "26. Dezember 2. Weihnachtstag"};
    EXPECT_EQ(fixed, expected);
    EXPECT_EQ(list.rows.back().name, "Pfingstmontag");  // Sachsen has no Corpus Christi
}

TEST(RegionalHolidays, CodesOfTheStates) {
    for (const RegionInfo& info : kRegions) {
        EXPECT_EQ(RegionOfCode(info.code), info.region);
        const std::string lower = {static_cast<char>(info.code[0] + 32), static_cast<char>(info.code[1] + 32)};
        EXPECT_EQ(RegionOfCode(lower), info.region);
    }
    for (const char* bad : {"", "B", "BYX", "XX", "by "}) EXPECT_FALSE(RegionOfCode(bad)) << bad;
}

}  // namespace
}  // namespace sk
