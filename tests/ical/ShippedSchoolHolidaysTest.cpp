#include "ical/ShippedSchoolHolidays.h"

#include <gtest/gtest.h>

#include "calendar/SchoolHolidayStore.h"
#include "calendar/SchoolHolidayWindowModel.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

using testing::TempFolder;
using testing::WriteFile;

const std::string kShippedFolder = std::string(SK_SOURCE_DIR) + "/data/school-holidays";

bool Holiday(const SchoolHolidayCalendar& c, int y, int m, int d) {
    return c.Contains(MakeDayContext(DayNumberOf(y, m, d)));
}

SchoolHolidayCalendar Load(const std::string& dataFolder, Region region, const std::string& shipped,
                           std::string& problem) {
    return LoadSchoolHolidays(dataFolder, region, shipped, problem);
}

// Every state's file reads whole; each of its school years 2020-2028 has a
// summer break, and the calendar stripes it.
TEST(ShippedSchoolHolidays, EveryStateHasItsFile) {
    for (const RegionInfo& info : kRegions) {
        std::vector<ShippedSchoolHoliday> periods;
        std::string problem;
        ASSERT_TRUE(ReadShippedSchoolHolidays(kShippedFolder, info.region, periods, problem)) << problem;
        const SchoolHolidayCalendar calendar = Load("", info.region, kShippedFolder, problem);
        EXPECT_EQ(SchoolHolidayHeading(info.region),
                  info.region == Region::kBY ? "Bayerische Schulferien" : "Schulferien " + std::string(info.name));
        for (int year = 2020; year <= 2028; ++year) {
            const SchoolHolidayBlock* block = calendar.BlockOf(year);
            ASSERT_NE(block, nullptr) << info.code << " " << year;
            EXPECT_FALSE((*block)[kSlotSummer].Empty()) << info.code << " " << year;
        }
    }
}

TEST(ShippedSchoolHolidays, StateDaysAndPrecedence) {
    TempFolder data;
    // The user's own summer 2027 for Sachsen, other dates than shipped.
    WriteFile(data.File(kSchoolHolidayFileName), "2027-07-01 2027-08-10 Sommer\n");
    std::string problem;
    const SchoolHolidayCalendar sn = Load(data.Path(), Region::kSN, kShippedFolder, problem);
    EXPECT_EQ(problem, "");
    struct Case {
        int y, m, d;
        bool holiday;
    } cases[] = {
        {2027, 2, 8, true},    // Winterferien
        {2027, 5, 7, true},    // Unterrichtsfreier Tag, a day of no slot
        {2027, 7, 1, true},    // the user's summer ...
        {2027, 8, 20, false},  // ... replaces the shipped one
        {2013, 3, 25, false},  // Bavaria's built-in Easter 2013 is not Saxon
        {2027, 11, 17, false},
    };
    for (const Case& c : cases) EXPECT_EQ(Holiday(sn, c.y, c.m, c.d), c.holiday) << c.y << "-" << c.m << "-" << c.d;
    const SchoolHolidayListContent list = SchoolHolidayListFor(sn, 2027);
    ASSERT_EQ(list.rows.size(), 7u);
    EXPECT_EQ(list.rows[3].dates, "1. Juli - 10. August");
    EXPECT_EQ(list.rows[6].period, "Unterrichtsfreier Tag");
    EXPECT_EQ(list.rows[6].dates, "7. Mai");

    // Bayern: the built-in table wins over the shipped dates of its years,
    // the shipped file fills what it leaves open.
    const SchoolHolidayCalendar by = Load("", Region::kBY, kShippedFolder, problem);
    EXPECT_TRUE(Holiday(by, 2020, 2, 22));   // built-in Frühjahr 2020 starts on the Saturday
    EXPECT_TRUE(Holiday(by, 2024, 10, 28));  // Herbst 2024, shipped
    EXPECT_TRUE(Holiday(by, 2027, 2, 12));
    EXPECT_TRUE(Holiday(by, 2028, 11, 22));
    EXPECT_TRUE(by.Further().empty());
}

// A second break of one kind in a year (Hamburg's "Halbjahrespause" before
// the "Frühjahrsferien") keeps its name instead of being lost.
TEST(ShippedSchoolHolidays, SecondBreakOfAKindIsAFurtherPeriod) {
    SchoolHolidayCalendar c(Region::kHH);
    c.AddShipped({{"Halbjahrespause 2027 Hamburg", kSlotWinter, {20270129, 20270129}},
                  {"Frühjahrsferien 2027 Hamburg", kSlotWinter, {20270301, 20270312}},
                  {"Brückentag 2027 Hamburg", -1, {20270507, 20270507}},
                  {"Doppelt 2027 Hamburg", -1, {20270305, 20270306}}});  // overlaps: left out
    ASSERT_NE(c.BlockOf(2027), nullptr);
    EXPECT_EQ((*c.BlockOf(2027))[kSlotWinter], (HolidayDates{20270129, 20270129}));
    const std::vector<FurtherSchoolHoliday> expected = {{"Frühjahrsferien", {20270301, 20270312}},
                                                        {"Brückentag", {20270507, 20270507}}};
    EXPECT_EQ(c.Further(), expected);
    // Stored periods later on keep the shipped ones beneath them.
    const SchoolHolidayCalendar again = c.WithStored({{2027, kSlotSummer, {20270701, 20270810}}});
    EXPECT_EQ(again.Further(), expected);
    EXPECT_TRUE(Holiday(again, 2027, 7, 1));
}

// A missing or damaged shipped file is said, and changes nothing else.
TEST(ShippedSchoolHolidays, MissingOrDamagedFile) {
    TempFolder data, shipped;
    WriteFile(data.File(kSchoolHolidayFileName), "2026-08-03 2026-09-14 Sommer\n");
    WriteFile(shipped.File("schulferien-sachsen.ics"), "BEGIN:VCALENDAR\r\nnonsense\r\n");
    struct Case {
        Region region;
        std::string folder;
        const char* says;
    } cases[] = {{Region::kBY, "", "fehlen"},
                 {Region::kBY, shipped.Path(), "fehlen"},
                 {Region::kSN, shipped.Path(), "beschädigt"}};
    for (const Case& c : cases) {
        std::string problem;
        const SchoolHolidayCalendar calendar = Load(data.Path(), c.region, c.folder, problem);
        EXPECT_NE(problem.find(c.says), std::string::npos) << problem;
        EXPECT_NE(problem.find(InfoOf(c.region).name), std::string::npos) << problem;
        EXPECT_TRUE(Holiday(calendar, 2026, 8, 3));
        EXPECT_EQ(Holiday(calendar, 2023, 8, 1), c.region == Region::kBY);
        EXPECT_FALSE(Holiday(calendar, 2027, 2, 8));
    }
}

}  // namespace
}  // namespace sk
