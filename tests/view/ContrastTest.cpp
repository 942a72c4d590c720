#include "view/Contrast.h"

#include <gtest/gtest.h>

namespace sk {
namespace {

TEST(Contrast, KnownRatios) {
    EXPECT_DOUBLE_EQ(ContrastRatio(0x000000, 0xFFFFFF), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(0x123456, 0x123456), 1.0);
    // The theme's light text on the calendar's beige: what made dark themes unreadable.
    EXPECT_LT(ContrastRatio(kDefaultBackground, PackRgb(238, 238, 236)), 1.3);
}

TEST(Contrast, TextOnAnyBackgroundIsReadable) {
    EXPECT_EQ(TextColourOn(kDefaultBackground), PackRgb(0, 0, 0));
    EXPECT_EQ(TextColourOn(PackRgb(40, 40, 60)), PackRgb(255, 255, 255));
    for (int r = 0; r < 256; r += 17)
        for (int g = 0; g < 256; g += 17)
            for (int b = 0; b < 256; b += 17) {
                const Rgb bg = PackRgb(r, g, b);
                EXPECT_GE(ContrastRatio(bg, TextColourOn(bg)), kReadableContrast) << r << "," << g << "," << b;
            }
}

}  // namespace
}  // namespace sk
