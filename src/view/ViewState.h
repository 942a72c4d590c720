#pragma once
// What the calendar view shows: the displayed range, the cursor, the grid
// metrics, and the per-cell dates the last repaint recorded.

#include <array>
#include <cstdint>

namespace sk {

// Packed 24-bit colour: red + green * 256 + blue * 65536.
using Rgb = std::uint32_t;
inline constexpr Rgb PackRgb(int r, int g, int b) {
    return static_cast<Rgb>(r) | (static_cast<Rgb>(g) << 8) | (static_cast<Rgb>(b) << 16);
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
    int cursorColumn = 0;   // 0 ... lastColumn
    int cursorDay = 1;      // 1-31
    int lastColumn = 6;     // 6-23
    int widthUnits = 126;   // (lastColumn + 1) * 18
    int unitWidth = kFallbackUnitWidth;
    int rowHeight = kFallbackRowHeight;
    int calendarType = 0;   // 0-7
    bool vacationBlockShown = true;
    Rgb backgroundColour = kDefaultBackground;
    bool quitRequested = false;
};

// 25 month columns x 32 day rows of NoteDateCodes written by every repaint;
// 0 marks a day the column's month does not have.
struct CellDates {
    static constexpr int kColumns = 25;
    static constexpr int kRows = 32;
    std::array<std::array<std::int32_t, kRows>, kColumns> code{};

    std::int32_t At(int column, int day) const { return code[column][day - 1]; }
    void Set(int column, int day, std::int32_t value) { code[column][day - 1] = value; }
};

}  // namespace sk
