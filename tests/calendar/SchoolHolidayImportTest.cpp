#include <gtest/gtest.h>

#include "calendar/SchoolHolidayImport.h"
#include "calendar/SchoolHolidayStore.h"
#include "calendar/SchoolHolidayWindowModel.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

CalendarEvent Event(const char* name, CivilDate first, CivilDate last, bool recurring = false) {
    return CalendarEvent{name, first, last, recurring};
}

bool Holiday(const SchoolHolidayCalendar& c, int y, int m, int d) {
    return c.Contains(MakeDayContext(DayNumberOf(y, m, d)));
}

TEST(SchoolHolidayImport, NamesGoToTheirSlots) {
    const std::pair<const char*, int> cases[] = {
        {"Winterferien 2026 Bayern", kSlotWinter},     {"Frühjahrsferien", kSlotWinter},
        {"FASCHINGSFERIEN", kSlotWinter},              {"Osterferien 2026", kSlotEaster},
        {"Pfingstferien", kSlotWhitsun},               {"Sommerferien 2026 Bayern", kSlotSummer},
        {"Herbstferien", kSlotAutumn},                 {"Buß- und Bettag", kSlotRepentanceDay},
        {"Buss- und Bettag", kSlotRepentanceDay},      {"Weihnachtsferien 2026/2027", kSlotChristmas},
        {"Tag der Deutschen Einheit", -1},             {"", -1},
        {"Oster- und Frühjahrsferien", -1},  // two slots: which one is unclear
    };
    for (const auto& [name, slot] : cases) EXPECT_EQ(ClassifySchoolHolidayName(name), slot) << name;
}

TEST(SchoolHolidayImport, BadEventsRefuseTheWholeFile) {
    const CalendarEvent summer = Event("Sommerferien", {2026, 8, 3}, {2026, 9, 14});
    CalendarEvent noDate{"Herbstferien", std::nullopt, std::nullopt, false};
    const struct {
        std::vector<CalendarEvent> events;
        const char* part;  // of the message
    } cases[] = {
        {{}, "keine Termine"},
        {{summer, noDate}, "kein Datum"},
        {{summer, Event("Herbstferien", {2026, 11, 2}, {2026, 11, 6}, true)}, "wiederholt sich"},
        {{Event("Sommerferien", {1969, 8, 1}, {1969, 9, 1})}, "außerhalb"},
        {{Event("Weihnachtsferien", {2037, 12, 23}, {2038, 1, 6})}, "außerhalb"},
        {{Event("Herbstferien", {2026, 11, 6}, {2026, 11, 2})}, "endet vor"},
        {{summer, Event("Herbstferien", {2026, 9, 14}, {2026, 9, 20})}, "überschneiden"},
        {{summer, Event("Sommerferien B", {2026, 9, 20}, {2026, 9, 25})}, "zweimal"},
        {{Event("Tag der Einheit", {2026, 10, 3}, {2026, 10, 3})}, "keine Schulferien"},
    };
    for (const auto& c : cases) {
        const SchoolHolidayImport import = ClassifyCalendarEvents(c.events);
        EXPECT_NE(import.error.find(c.part), std::string::npos) << import.error;
        EXPECT_TRUE(import.periods.empty());
    }
}

TEST(SchoolHolidayImport, UnclassifiedAreLeftOutAndChristmasPiecesJoin) {
    const SchoolHolidayImport import = ClassifyCalendarEvents({
        Event("Weihnachtsferien (Teil 2)", {2027, 1, 1}, {2027, 1, 8}),
        Event("Weihnachtsferien", {2026, 12, 24}, {2026, 12, 31}),
        Event("Tag der Einheit", {2026, 10, 3}, {2026, 10, 3}),
    });
    ASSERT_EQ(import.error, "");
    ASSERT_EQ(import.periods.size(), 1u);
    EXPECT_EQ(import.periods[0].period, (SchoolHolidayPeriod{2026, kSlotChristmas, {20261224, 20270108}}));
    EXPECT_EQ(import.unclassified, std::vector<std::string>{"Tag der Einheit"});
}

TEST(SchoolHolidayImport, PlanFillsOnlyWhatIsMissing) {
    const std::vector<SchoolHolidayPeriod> stored = {
        {2026, kSlotSummer, {20260801, 20260914}},
        {2026, kSlotChristmas, {20261224, 20270108}},
    };
    const SchoolHolidayImport import = ClassifyCalendarEvents({
        Event("Sommerferien 2023", {2023, 7, 29}, {2023, 9, 11}),         // built in
        Event("Herbstferien 2024", {2024, 10, 28}, {2024, 10, 31}),       // built-in slot without dates
        Event("Sommerferien 2026", {2026, 8, 3}, {2026, 9, 14}),          // corrects the stored one
        Event("Weihnachtsferien Rest", {2027, 1, 1}, {2027, 1, 8}),       // a piece of the stored one
    });
    ASSERT_EQ(import.error, "");
    const SchoolHolidayImportPlan plan = PlanSchoolHolidayImport(import, stored);
    ASSERT_EQ(plan.error, "");
    using E = SchoolHolidayImportPlan::Effect;
    std::vector<E> effects;
    for (const auto& line : plan.lines) effects.push_back(line.effect);
    EXPECT_EQ(effects, (std::vector<E>{E::kBuiltInKept, E::kNew, E::kReplacesStored, E::kAlreadyKnown}));
    EXPECT_EQ(plan.changes, 2);
    const std::vector<SchoolHolidayPeriod> want = {
        {2024, kSlotAutumn, {20241028, 20241031}},
        {2026, kSlotSummer, {20260803, 20260914}},
        {2026, kSlotChristmas, {20261224, 20270108}},
    };
    EXPECT_EQ(plan.stored, want);

    // A period that would reach into a built-in one is refused with the stored ones untouched.
    const SchoolHolidayImportPlan clash =
        PlanSchoolHolidayImport(ClassifyCalendarEvents({Event("Herbstferien", {2024, 9, 1}, {2024, 10, 31})}), stored);
    EXPECT_NE(clash.error.find("überschneiden"), std::string::npos) << clash.error;
    EXPECT_EQ(clash.stored, stored);
    EXPECT_EQ(DescribeSchoolHolidayImport({}, clash).title, "Fehler");
}

TEST(SchoolHolidayStore, StoredPeriodsFillTheCalendar) {
    TempFolder folder;
    // Without a stored file 2025 and 2026 have nothing.
    const SchoolHolidayCalendar none = SchoolHolidaysOfFolder(folder.Dir());
    EXPECT_FALSE(Holiday(none, 2025, 8, 5));
    EXPECT_FALSE(none.BlockOf(2026));

    WriteFile(folder.Dir() + kSchoolHolidayFileName,
              "2024-10-28 2024-10-31 Herbst\n"
              "2026-08-03 2026-09-14 Sommer\r\n"
              "2026-12-24 2027-01-08 Weihnachten\n"
              "2023-07-01 2023-07-10 Sommer\n"       // built in: never overwritten
              "2026-09-10 2026-09-20 Herbst\n"       // overlaps the summer line
              "2026-02-30 2026-03-01 Frühjahr\n"     // no such day
              "2026-11-18 2026-11-18 Bettag\n"       // no such slot
              "garbage\n");
    const SchoolHolidayCalendar c = SchoolHolidaysOfFolder(folder.Dir());
    EXPECT_TRUE(Holiday(c, 2026, 8, 3));
    EXPECT_TRUE(Holiday(c, 2026, 9, 14));
    EXPECT_FALSE(Holiday(c, 2026, 9, 15));
    EXPECT_TRUE(Holiday(c, 2027, 1, 8));
    EXPECT_TRUE(Holiday(c, 2024, 10, 28));
    EXPECT_FALSE(Holiday(c, 2023, 7, 1));
    EXPECT_TRUE(Holiday(c, 2023, 7, 29));
    EXPECT_EQ((*c.Rows(2024))[4].dates, "28. Oktober - 31. Oktober");
    EXPECT_EQ((*c.Rows(2024))[0].dates, "10. Februar - 18. Februar");
    EXPECT_EQ((*c.Rows(2026))[3].dates, "3. August - 14. September");
    EXPECT_EQ((*c.Rows(2026))[0].dates, "? - ?");
    EXPECT_EQ(LoadStoredSchoolHolidays(folder.Dir()).size(), 3u);
}

TEST(SchoolHolidayStore, TakingWritesTheFileAndAFailureKeepsIt) {
    TempFolder folder;
    const std::string path = folder.Dir() + kSchoolHolidayFileName;
    WriteFile(path, "2026-08-03 2026-09-14 Sommer\n");
    const SchoolHolidayImportPlan plan = PlanSchoolHolidayImport(
        ClassifyCalendarEvents({Event("Buß- und Bettag", {2026, 11, 18}, {2026, 11, 18})}),
        LoadStoredSchoolHolidays(folder.Dir()));
    const auto taken = TakeSchoolHolidayImport(folder.Dir(), plan);
    ASSERT_TRUE(taken);
    EXPECT_TRUE(Holiday(*taken, 2026, 11, 18));
    EXPECT_EQ(ReadFile(path), "2026-08-03 2026-09-14 Sommer\n2026-11-18 2026-11-18 Buß- und Bettag\n");

    // Refused plans and unwritable folders change nothing.
    SchoolHolidayImportPlan refused = plan;
    refused.error = "kaputt";
    EXPECT_FALSE(TakeSchoolHolidayImport(folder.Dir(), refused));
    EXPECT_FALSE(TakeSchoolHolidayImport(folder.Dir() + "fehlt/", plan));
    EXPECT_EQ(ReadFile(path), "2026-08-03 2026-09-14 Sommer\n2026-11-18 2026-11-18 Buß- und Bettag\n");
}

}  // namespace
}  // namespace sk
