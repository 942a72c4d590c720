#include "calendar/Holidays.h"
#include "calendar/NameDayTexts.h"

#include <gtest/gtest.h>

#include <climits>

namespace sk {
namespace {

// Which table row a day reads, checked by identity of the text so that two
// rows with equal texts cannot hide a wrong index.
const char* RowOf(int y, int m, int d) { return NameDays(MakeDayContext(DayNumberOf(y, m, d))).data(); }

TEST(NameDays, IndexRuleInCommonAndLeapYears) {
    struct Case {
        int m, d, common, leap;
    } cases[] = {
        {1, 1, 0, 0}, {2, 28, 58, 58}, {3, 1, 60, 60}, {3, 2, 61, 61}, {12, 31, 365, 365},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.m * 100 + c.d);
        EXPECT_EQ(RowOf(2023, c.m, c.d), kNameDayTexts[c.common]);
        EXPECT_EQ(RowOf(2024, c.m, c.d), kNameDayTexts[c.leap]);
    }
    EXPECT_EQ(RowOf(2024, 2, 29), kNameDayTexts[59]);
    EXPECT_EQ(std::string_view(kNameDayTexts[59]).substr(0, 9), "Schalttag");
}

// Over the whole calendar, the row is the day of year, shifted past the leap
// day in common years: derived here from day numbers, not month and day.
TEST(NameDays, WholeRangeFollowsTheDayOfYear) {
    for (DayNumber d = kFirstDay; d <= kLastDay; ++d) {
        const DayContext ctx = MakeDayContext(d);
        int index = d - FirstDayOfYear(ctx.year);
        if (!IsLeapYear(ctx.year) && index > 58) ++index;
        ASSERT_EQ(NameDays(ctx).data(), kNameDayTexts[index]) << d;
        ASSERT_FALSE(NameDays(ctx).empty()) << d;
    }
    // Past the clamped last year a day still reads its own row.
    EXPECT_EQ(RowOf(2038, 12, 31), kNameDayTexts[365]);
}

TEST(NameDays, ContextsNamingNoDayReadNothing) {
    const DayContext wild[] = {
        {0, 0, 0, 1970, 28},  {0, 32, 0, 1970, 28},       {0, 30, 1, 2024, 29},
        {0, 1, -1, 1970, 28}, {0, 1, 12, 1970, 28},       {INT_MIN, INT_MIN, INT_MIN, INT_MIN, 28},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX, 29},
    };
    for (const DayContext& ctx : wild) EXPECT_TRUE(NameDays(ctx).empty()) << ctx.month << "/" << ctx.day;
}

}  // namespace
}  // namespace sk
