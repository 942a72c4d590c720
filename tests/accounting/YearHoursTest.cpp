#include "accounting/YearHours.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

YearHours Count(int year, int type) { return CountYearHours(year, type, 4, 25, MakeDefaultVacationOrderTables()); }

double MonthTotal(const YearHours& t, int month) {
    double sum = 0;
    for (int j = 0; j < t.crews; ++j) sum += t.hours[j][month];
    return sum;
}

// Outside the vacation window the crews of a five-crew plan work 24 hours a
// day together: three 8-hour shifts on weekdays, two 12-hour shifts on a
// Sunday (no late shift). The two-shift plan works 17 hours every day.
TEST(YearHours, MonthTotalsOutsideTheVacationWindow) {
    const struct {
        int year, type, month;
        double total;
    } cases[] = {
        {2024, 1, 0, 31 * 24.0},  {2024, 1, 11, 31 * 24.0}, {2024, 4, 1, 29 * 24.0}, {2023, 0, 1, 28 * 24.0},
        {2024, 5, 10, 30 * 24.0}, {2024, 2, 0, 31 * 17.0},  {2024, 2, 1, 29 * 17.0}, {1970, 3, 0, 31 * 24.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.year) + " type " + std::to_string(c.type) + " month " +
                     std::to_string(c.month));
        EXPECT_EQ(MonthTotal(Count(c.year, c.type), c.month), c.total);
    }
}

// Rot in May 2024: 17 block days with code 0 until 26 May (one a Sunday),
// then early, early, late, late, night from 27 to 31 May.
TEST(YearHours, VacationDaysOfTheBlockCount) {
    const YearHours t = Count(2024, 1);
    ASSERT_EQ(t.crews, 5);
    EXPECT_FALSE(t.decimalHours);
    EXPECT_EQ(t.hours[0][4], 16 * 8 + 12 + 5 * 8);
    // Inside the window the standby crew works the vacation crew's shifts on
    // top of the vacation crew's paid days, so the month holds more hours.
    EXPECT_GT(MonthTotal(t, 4), 31 * 24.0);
    double sum = 0;
    for (int m = 0; m < 12; ++m) sum += t.hours[0][m];
    EXPECT_EQ(t.hours[0][12], sum);
}

TEST(YearHours, PlanKinds) {
    const YearHours two = Count(2024, 2);
    EXPECT_EQ(two.crews, 3);
    EXPECT_TRUE(two.decimalHours);
    EXPECT_EQ(two.hours[3][12], 0.0);
    // Crews of the two-shift plan rotate evenly: 2 of 3 days in 21.
    EXPECT_NEAR(two.hours[0][12] + two.hours[1][12] + two.hours[2][12], 366 * 17.0, 1e-9);
    for (int type : {6, 7, -1, 8}) EXPECT_EQ(Count(2024, type).crews, 0) << type;
    EXPECT_EQ(YearHoursTarget(2, 1982.76f, 2088.0f), 2088.0f);
    EXPECT_EQ(YearHoursTarget(5, 1982.76f, 2088.0f), 1982.76f);
}

TEST(YearHours, ListTexts) {
    YearHours five;
    five.crews = 5;
    five.hours[0][0] = 168;
    five.hours[0][12] = 2088;
    five.hours[1][12] = 2100;
    five.hours[2][12] = 1982;
    five.hours[3][12] = 2087.996;
    EXPECT_EQ(YearHoursColumnTitles(five),
              (std::vector<std::string>{"Monat", "Rot", "Blau", "Gelb", "Grün", "Braun"}));
    const auto rows = YearHoursRows(five, 2088.0f);
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"Januar", "168", "0", "0", "0", "0"}));
    EXPECT_EQ(rows[11][0], "Dezember");
    EXPECT_EQ(rows[12], (std::vector<std::string>{"", "2088", "2100", "1982", "2087", "0"}));
    EXPECT_EQ(rows[13], (std::vector<std::string>{"Soll", "2088,00", "2088,00", "2088,00", "2088,00", "2088,00"}));
    EXPECT_EQ(rows[14], (std::vector<std::string>{"Ist", "0,00", "+12,00", "-106,00", "0,00", "-2088,00"}));

    YearHours two;
    two.crews = 3;
    two.decimalHours = true;
    two.hours[0][1] = 212.5;
    two.hours[0][12] = 2001.5;
    const auto twoRows = YearHoursRows(two, 1982.76f);
    EXPECT_EQ(YearHoursColumnTitles(two), (std::vector<std::string>{"Monat", "Rot", "Blau", "Gelb"}));
    EXPECT_EQ(twoRows[1], (std::vector<std::string>{"Februar", "212,50", "0,00", "0,00"}));
    EXPECT_EQ(twoRows[13][1], "1982,76");
    EXPECT_EQ(twoRows[14][1], "+18,74");
}

}  // namespace
}  // namespace sk
