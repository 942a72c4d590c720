#include "shift/CalendarTypes.h"

#include <gtest/gtest.h>

#include <string>

namespace sk {
namespace {

TEST(CalendarTypes, TypeKeys) {
    struct Case {
        char key;
        int from;
        int to;
    } cases[] = {
        {'N', 1, 0}, {'N', 0, 3}, {'N', 3, 0}, {'n', 7, 0}, {'M', 4, 1}, {'M', 0, 1}, {'M', 1, 4},
        {'m', 3, 1}, {'B', 0, 2}, {'V', 2, 6}, {'C', 6, 7}, {'X', 7, 5}, {'x', 5, 5}, {'Q', 4, 4},
        {'1', 6, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(1, c.key) + std::to_string(c.from));
        EXPECT_EQ(CalendarTypeForKey(c.key, c.from), c.to);
    }
}

// Lookups by type or crew never read outside their tables.
TEST(CalendarTypes, NamesOutsideTheTables) {
    EXPECT_STREQ(CrewNameOf(0, 3), "Grün");
    EXPECT_STREQ(CrewNameOf(2, 3), "");  // the two-shift plan has three crews
    EXPECT_STREQ(CrewNameOf(7, 1), "Schicht B");
    EXPECT_STREQ(CrewNameOf(6, 4), "");
    EXPECT_STREQ(CrewNameOf(9, 0), "Rot");
    EXPECT_STREQ(CrewNameOf(0, -1), "");
    EXPECT_STREQ(CalendarTypeInfoOf(42).label, "Haldenau PM 1");
    EXPECT_STREQ(CalendarTypeInfoOf(-1).label, "Haldenau PM 1");
}

// The row-major table is the column-major store transposed, and the columns
// that the plans share are equal.
TEST(CalendarTypes, PatternTableLayout) {
    const ShiftPatternTable& t = GetShiftPatternTable();
    struct Cell {
        int row, column, value;
    } cells[] = {
        {0, 0, 1}, {27, 0, 4}, {13, 1, 4}, {21, 1, 0}, {28, 1, 3}, {34, 1, 4}, {0, 2, 0},
        {7, 2, 2}, {20, 2, 0}, {14, 3, 3}, {21, 3, 2}, {28, 4, 2}, {30, 4, 3}, {21, 0, 3},
    };
    for (const auto& c : cells) EXPECT_EQ(t.At(c.row, c.column), c.value) << c.row << "," << c.column;
    for (int r = 0; r < kPatternRows; ++r) {
        EXPECT_EQ(t.At(r, 5), t.At(r, 1));
        EXPECT_EQ(t.At(r, 6), t.At(r, 3));
        EXPECT_EQ(t.At(r, 7), t.At(r, 3));
    }
    EXPECT_EQ(ShiftPatternAt(35, 0), kShiftOff);
    EXPECT_EQ(ShiftPatternAt(-1, 1), kShiftOff);
    EXPECT_EQ(ShiftPatternAt(0, 8), kShiftOff);
    EXPECT_EQ(ShiftPatternAt(28, 1), 3);
}

}  // namespace
}  // namespace sk
