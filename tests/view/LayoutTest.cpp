#include <gtest/gtest.h>

#include "view/Layout.h"

namespace sk {
namespace {

TEST(Rounding, HalvesGoToEvenOrAwayFromZero) {
    struct Case { double x; int even; int away; };
    const Case cases[] = {{2.5, 2, 3}, {3.5, 4, 4}, {-2.5, -2, -3}, {20.3, 20, 20}, {9.6, 10, 10}};
    for (const Case& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.x), c.even) << c.x;
        EXPECT_EQ(RoundHalfAway(c.x), c.away) << c.x;
    }
}

TEST(MeasureFont, GivesPlausibleMetricsThatGrowWithTheSize) {
    const FontMetrics small = MeasureFont(FontDescriptionText({"", 10, 0}, "DejaVu Sans"));
    const FontMetrics large = MeasureFont(FontDescriptionText({"", 20, 0}, "DejaVu Sans"));
    EXPECT_GE(small.unitWidth, 5);
    EXPECT_LE(small.unitWidth, 12);
    EXPECT_GT(small.rowHeight, small.unitWidth);
    EXPECT_GT(large.unitWidth, small.unitWidth + 3);
    EXPECT_GT(large.rowHeight, small.rowHeight + 5);
}

TEST(FontDescriptionText, NamesFamilyStyleAndSize) {
    EXPECT_EQ(FontDescriptionText({"", 10, 0}, "Sans"), "Sans, 10");
    EXPECT_EQ(FontDescriptionText({"FreeSans", 12, 3}, "Sans"), "FreeSans, Bold Italic 12");
    // At the desktop's text scale, halves included: the grid grows with it.
    EXPECT_EQ(FontDescriptionText({"", 10, 0}, "Sans", 1.5), "Sans, 15");
    EXPECT_EQ(FontDescriptionText({"", 9, 1}, "Sans", 1.5), "Sans, Bold 13.5");
    const FontMetrics plain = MeasureFont(FontDescriptionText({"", 10, 0}, "DejaVu Sans"));
    const FontMetrics scaled = MeasureFont(FontDescriptionText({"", 10, 0}, "DejaVu Sans", 1.5));
    EXPECT_NEAR(scaled.rowHeight, plain.rowHeight * 1.5, 2);
}

}  // namespace
}  // namespace sk
