#include <gtest/gtest.h>

#include "calendar/SchoolHolidayWindowModel.h"

namespace sk {
namespace {

TEST(SchoolHolidayWindowModel, RowsOrANoteForTheYear) {
    const struct {
        int year;
        const char* firstPeriod;
        const char* firstDates;
        const char* lastDates;
        const char* note;
    } cases[] = {
        {2011, "Frühjahr", "7. März - 11. März", "27. Dezember - 5. Januar", ""},
        {2016, "Frühjahr", "8. Februar - 12. Februar", "24. Dezember - 8. Januar", ""},
        {2024, "Frühjahr", "10. Februar - 18. Februar", "? - ?", ""},
        {2010, nullptr, nullptr, nullptr, "Keine Termine für 2010 vorhanden – Termine mit „Aus Datei laden…“ ergänzen"},
        {2025, nullptr, nullptr, nullptr, "Keine Termine für 2025 vorhanden – Termine mit „Aus Datei laden…“ ergänzen"},
        {2036, nullptr, nullptr, nullptr, "Keine Termine für 2036 vorhanden – Termine mit „Aus Datei laden…“ ergänzen"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        const SchoolHolidayListContent content = SchoolHolidayListFor(SchoolHolidayCalendar::BuiltIn(), c.year);
        EXPECT_EQ(content.note, c.note);
        if (!c.firstPeriod) {
            EXPECT_TRUE(content.rows.empty());
            continue;
        }
        ASSERT_EQ(content.rows.size(), 6u);
        EXPECT_EQ(content.rows[0].period, c.firstPeriod);
        EXPECT_EQ(content.rows[0].dates, c.firstDates);
        EXPECT_EQ(content.rows[5].period, "Weihnachten");
        EXPECT_EQ(content.rows[5].dates, c.lastDates);
    }
}

TEST(SchoolHolidayWindowModel, TheYearFieldAlwaysOffersTheOpeningYear) {
    const struct {
        int current, opening, first, last;
    } cases[] = {
        {2026, 2026, 2024, 2036},
        {2026, 2030, 2024, 2036},
        {2026, 2015, 2015, 2036},  // an older year in the first column
        {2020, 2035, 2018, 2035},
    };
    for (const auto& c : cases) {
        const YearRange r = SchoolHolidaySpinRange(c.current, c.opening);
        EXPECT_EQ(r.first, c.first) << c.current << " " << c.opening;
        EXPECT_EQ(r.last, c.last) << c.current << " " << c.opening;
    }
}

}  // namespace
}  // namespace sk
