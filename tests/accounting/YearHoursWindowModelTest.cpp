#include <gtest/gtest.h>

#include "accounting/YearHoursWindowModel.h"

namespace sk {
namespace {

YearHoursSettings SettingsOf(int calendarType) {
    static const VacationOrderTables tables = MakeDefaultVacationOrderTables();
    YearHoursSettings s;
    s.calendarType = calendarType;
    s.tables = &tables;
    s.targetHours38 = 1982.76f;
    s.targetHours40 = 2088.0f;
    return s;
}

TEST(YearHoursWindowModel, OpensOnTheYearOfTheCursorColumn) {
    const struct {
        int firstMonth, firstYear, cursorColumn, year;
    } cases[] = {
        {0, 2024, 0, 2024}, {0, 2024, 11, 2024}, {8, 2024, 3, 2024}, {8, 2024, 4, 2025},
        {11, 2024, 23, 2026}, {8, 2037, 5, 2037},  // no year beyond the calendar
    };
    for (const auto& c : cases) {
        ViewState view;
        view.firstMonth = c.firstMonth;
        view.firstYear = c.firstYear;
        view.cursorColumn = c.cursorColumn;
        EXPECT_EQ(YearHoursStartYear(view), c.year) << c.firstMonth << "/" << c.firstYear << " +" << c.cursorColumn;
    }
}

TEST(YearHoursWindowModel, ListVariants) {
    const struct {
        int type;
        std::vector<std::string> titles;
        const char* target;
    } cases[] = {
        {0, {"Monat", "Rot", "Blau", "Gelb", "Grün", "Braun"}, "1982,76"},
        {3, {"Monat", "Rot", "Blau", "Gelb", "Grün", "Braun"}, "1982,76"},
        {2, {"Monat", "Rot", "Blau", "Gelb"}, "2088,00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        const YearHoursList list = YearHoursListFor(2024, SettingsOf(c.type));
        EXPECT_EQ(list.titles, c.titles);
        ASSERT_EQ(list.rows.size(), 15u);
        EXPECT_EQ(list.rows[0][0], "Januar");
        EXPECT_EQ(list.rows[11][0], "Dezember");
        EXPECT_EQ(list.rows[12][0], "");
        EXPECT_EQ(list.rows[13][0], "Soll");
        EXPECT_EQ(list.rows[14][0], "Ist");
        for (const auto& row : list.rows) ASSERT_EQ(row.size(), c.titles.size());
        for (std::size_t j = 1; j < c.titles.size(); ++j) {
            EXPECT_EQ(list.rows[13][j], c.target);
            const bool decimals = list.rows[0][j].find(',') != std::string::npos;
            EXPECT_EQ(decimals, c.type == 2) << list.rows[0][j];
        }
    }
}

TEST(YearHoursWindowModel, FourCrewPlansHaveNoList) {
    for (int type : {6, 7}) {
        const YearHoursList list = YearHoursListFor(2024, SettingsOf(type));
        EXPECT_TRUE(list.titles.empty());
        EXPECT_TRUE(list.rows.empty());
    }
}

TEST(YearHoursWindowModel, TheEarliestVacationStartMovesTheBlockHours) {
    // The block of the vacation crew of April/May counts in other months when
    // its window starts later: the list follows the start the user chose.
    YearHoursSettings early = SettingsOf(0);
    YearHoursSettings late = SettingsOf(0);
    late.vacationStartMonth = 6;
    late.vacationStartDay = 15;
    EXPECT_NE(YearHoursListFor(2024, early).rows, YearHoursListFor(2024, late).rows);
}

}  // namespace
}  // namespace sk
