#pragma once
// What the calendar view shows: the displayed range, the cursor and the
// font units. The column count, calendar type and "UB" switch are the
// user's settings and live there only.

#include <cstdint>

namespace sk {

// Packed 24-bit colour: red + green * 256 + blue * 65536.
using Rgb = std::uint32_t;
inline constexpr Rgb PackRgb(int r, int g, int b) {
    return static_cast<Rgb>(r) | (static_cast<Rgb>(g) << 8) | (static_cast<Rgb>(b) << 16);
}
// The same colour from web notation 0xRRGGBB.
inline constexpr Rgb RgbOfHex(std::uint32_t hex) {
    return PackRgb(static_cast<int>((hex >> 16) & 0xFF), static_cast<int>((hex >> 8) & 0xFF),
                   static_cast<int>(hex & 0xFF));
}
inline constexpr int RedOf(Rgb c) { return static_cast<int>(c & 0xFF); }
inline constexpr int GreenOf(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int BlueOf(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }

inline constexpr Rgb kDefaultBackground = PackRgb(236, 233, 216);
inline constexpr int kFewestColumnsIndex = 6;   // 7 month columns
inline constexpr int kMostColumnsIndex = 23;  // 24 month columns
inline constexpr int kFallbackUnitWidth = 8;
inline constexpr int kFallbackRowHeight = 12;

struct ViewState {
    int firstMonth = 0;     // 0-11, leftmost month column
    int firstYear = 1970;   // 1970-2037
    int cursorColumn = 0;   // a column of the grid that holds dates
    int cursorDay = 1;      // 1 ... that column's month length
    int unitWidth = kFallbackUnitWidth;
    int rowHeight = kFallbackRowHeight;
    Rgb backgroundColour = kDefaultBackground;
    bool quitRequested = false;
};

}  // namespace sk
