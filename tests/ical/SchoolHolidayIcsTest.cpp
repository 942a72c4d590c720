#include "ical/SchoolHolidayIcs.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "calendar/SchoolHolidayStore.h"
#include "calendar/SchoolHolidayWindowModel.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

const std::string kShipped = std::string(SK_SOURCE_DIR) + "/data/school-holidays/schulferien-bayern.ics";

bool Holiday(const SchoolHolidayCalendar& c, int y, int m, int d) {
    return c.Contains(MakeDayContext(DayNumberOf(y, m, d)));
}

std::string Ics(const std::string& events) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//DE\r\n" + events + "END:VCALENDAR\r\n";
}
std::string Event(const std::string& summary, const std::string& lines) {
    return "BEGIN:VEVENT\r\nUID:" + summary + "@test\r\nSUMMARY:" + summary + "\r\n" + lines + "END:VEVENT\r\n";
}

// The shipped file, taken into an empty data folder, stripes and lists 2026.
TEST(SchoolHolidayIcs, ShippedFileFillsTheYearsAfterTheTable) {
    const SchoolHolidayImport import = ReadSchoolHolidayIcsFile(kShipped);
    ASSERT_EQ(import.error, "");
    EXPECT_TRUE(import.unclassified.empty());
    EXPECT_EQ(import.periods.size(), 63u);  // 2019 to 2028, the built-in years included

    TempFolder folder;
    EXPECT_FALSE(Holiday(SchoolHolidaysOfFolder(folder.Dir()), 2026, 8, 3));
    const SchoolHolidayImportPlan plan = PlanSchoolHolidayImport(import, {});
    ASSERT_EQ(plan.error, "");
    EXPECT_EQ(plan.changes, 31);
    ASSERT_TRUE(TakeSchoolHolidayImport(folder.Dir(), plan));

    const SchoolHolidayCalendar c = SchoolHolidaysOfFolder(folder.Dir());
    const struct {
        int y, m, d;
        bool holiday;
    } days[] = {
        {2026, 8, 2, false},   {2026, 8, 3, true},   {2026, 9, 14, true},  {2026, 9, 15, false},
        {2024, 10, 28, true},  {2024, 11, 1, false}, {2024, 11, 20, true}, {2025, 1, 3, true},
        {2025, 1, 4, false},   {2026, 1, 5, true},   {2026, 1, 6, false},  {2028, 9, 11, true},
        {2028, 9, 12, false},  {2028, 12, 27, true},  {2024, 9, 9, true},  {2024, 9, 10, false},
    };
    for (const auto& t : days) EXPECT_EQ(Holiday(c, t.y, t.m, t.d), t.holiday) << t.y << "-" << t.m << "-" << t.d;

    const SchoolHolidayListContent list2026 = SchoolHolidayListFor(c, 2026);
    ASSERT_EQ(list2026.rows.size(), 6u);
    const char* want[6] = {"16. Februar - 20. Februar",  "30. März - 10. April",     "26. Mai - 5. Juni",
                           "3. August - 14. September", "2. November - 6. November", "24. Dezember - 8. Januar"};
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(list2026.rows[i].dates, want[i]) << i;
    EXPECT_EQ(SchoolHolidayListFor(c, 2028).rows[4].dates, "30. Oktober - 3. November");
    EXPECT_EQ(SchoolHolidayListFor(c, 2024).rows[5].dates, "23. Dezember - 3. Januar");

    // Taking the same file again changes nothing.
    const SchoolHolidayImportPlan again = PlanSchoolHolidayImport(import, LoadStoredSchoolHolidays(folder.Dir()));
    EXPECT_EQ(again.changes, 0);
    EXPECT_EQ(DescribeSchoolHolidayImport(import, again).title, "Info");
}

TEST(SchoolHolidayIcs, EndsAndNames) {
    const SchoolHolidayImport import = ReadSchoolHolidayIcs(Ics(
        Event("Herbstferien 2029", "DTSTART;VALUE=DATE:20291029\r\nDTEND;VALUE=DATE:20291103\r\n") +
        Event("Buß- und Bettag 2029", "DTSTART;VALUE=DATE:20291121\r\n") +                  // one day
        Event("Osterferien 2029", "DTSTART;VALUE=DATE:20290326\r\nDURATION:P12D\r\n") +     // to 6 April
        Event("Pfingstferien 2029", "DTSTART:20290522T000000\r\nDTEND:20290602T000000\r\n") +  // midnight end
        Event("Zeugnistag", "DTSTART;VALUE=DATE:20290720\r\n")));
    ASSERT_EQ(import.error, "");
    ASSERT_EQ(import.periods.size(), 4u);
    EXPECT_EQ(import.periods[0].period.dates, (HolidayDates{20290326, 20290406}));
    EXPECT_EQ(import.periods[1].period.dates, (HolidayDates{20290522, 20290601}));
    EXPECT_EQ(import.periods[2].period.dates, (HolidayDates{20291029, 20291102}));
    EXPECT_EQ(import.periods[3].period.dates, (HolidayDates{20291121, 20291121}));
    EXPECT_EQ(import.unclassified, std::vector<std::string>{"Zeugnistag"});
}

// A damaged or hostile file gives a German message and leaves the stored periods as they were.
TEST(SchoolHolidayIcs, BadFilesChangeNothing) {
    TempFolder folder;
    const std::string stored = folder.Dir() + kSchoolHolidayFileName;
    WriteFile(stored, "2026-08-03 2026-09-14 Sommer\n");
    const std::string summer = Event("Sommerferien 2027", "DTSTART;VALUE=DATE:20270802\r\nDTEND;VALUE=DATE:20270914\r\n");
    const struct {
        std::string bytes;
        const char* part;
    } cases[] = {
        {"Dies ist keine Kalenderdatei.\n", "keine iCalendar"},
        {"", "keine iCalendar"},
        {std::string("BEGIN:VCALENDAR\r\n\0\r\n", 20), "keine iCalendar"},
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:Sommer", "keine iCalendar"},  // cut off
        {Ics(""), "keine Termine"},
        {Ics(summer + Event("Herbstferien", "SUMMARY:x\r\n")), "kein Datum"},
        {Ics(Event("Herbstferien", "DTSTART;VALUE=DATE:20271102\r\nRRULE:FREQ=YEARLY\r\n")), "wiederholt"},
        {Ics(Event("Sommerferien 1969", "DTSTART;VALUE=DATE:19690801\r\nDTEND;VALUE=DATE:19690901\r\n")),
         "außerhalb"},
        {Ics(summer + Event("Herbstferien", "DTSTART;VALUE=DATE:20270901\r\nDTEND;VALUE=DATE:20270920\r\n")),
         "überschneiden"},
    };
    for (const auto& c : cases) {
        const std::string file = folder.Dir() + "probe.ics";
        WriteFile(file, c.bytes);
        const SchoolHolidayImport import = ReadSchoolHolidayIcsFile(file);
        EXPECT_NE(import.error.find(c.part), std::string::npos) << import.error;
        const SchoolHolidayImportPlan plan = PlanSchoolHolidayImport(import, LoadStoredSchoolHolidays(folder.Dir()));
        EXPECT_FALSE(TakeSchoolHolidayImport(folder.Dir(), plan));
        EXPECT_EQ(ReadFile(stored), "2026-08-03 2026-09-14 Sommer\n");
    }

    // 50 MB are refused before they are read.
    const std::string huge = folder.Dir() + "huge.ics";
    WriteFile(huge, Ics(summer));
    std::filesystem::resize_file(huge, 50u << 20);
    EXPECT_NE(ReadSchoolHolidayIcsFile(huge).error.find("größer als 1 MB"), std::string::npos);
    EXPECT_NE(ReadSchoolHolidayIcsFile(folder.Dir()).error.find("nicht lesen"), std::string::npos);
    EXPECT_NE(ReadSchoolHolidayIcsFile(folder.Dir() + "fehlt.ics").error.find("nicht lesen"), std::string::npos);
}

}  // namespace
}  // namespace sk
