#pragma once
// Geometry of the calendar grid in the units u (unitWidth) and r (rowHeight),
// paging of the displayed range and the cursor rules. Everything here except
// MeasureFont is plain arithmetic on the view state and the cell dates.

#include <string>

#include "view/ViewState.h"

namespace sk {

// Rounds to the nearest integer, halves to even.
int RoundHalfEven(double x);
// Rounds to the nearest integer, halves away from zero.
int RoundHalfAway(double x);

struct FontMetrics {
    int unitWidth = kFallbackUnitWidth;
    int rowHeight = kFallbackRowHeight;
};

// Describes the program font: an empty family means the desktop's default
// sans font. Style bit 1 is bold, bit 2 italic.
struct FontChoice {
    std::string family;
    int size = 10;  // points
    int style = 0;
};

// Pango font description text for a font choice ("DejaVu Sans Bold 10").
std::string FontDescriptionText(const FontChoice& font, const std::string& defaultFamily);

// Mean width and height of the 75 characters "0" ... "z" in the font,
// truncated to whole pixels.
FontMetrics MeasureFont(const std::string& fontDescription);

// (lastColumn + 1) * 18.
int WidthUnitsOf(int lastColumn);
// Pixel size of the calendar image.
inline int ImageWidth(const ViewState& v) { return v.unitWidth * v.widthUnits; }
inline int ImageHeight(const ViewState& v) { return v.rowHeight * 32 + 2; }
// Painted start x of month column c inside the image.
inline int ColumnX(const ViewState& v, int column) { return v.unitWidth + 18 * v.unitWidth * column; }

// Moves the first displayed month by a number of days counted from the
// first of that month; the cursor row is pulled back to at most 28.
void PageByDays(ViewState& v, int days);

// Cursor step by keys; (-1, -1) changes nothing.
void MoveCursor(ViewState& v, const CellDates& cells, int dx, int dy);

// Mouse click at (mx, my) relative to the main window (the image lies at
// (0, 2r)). In the cursor's own cell it returns the shift sub-column 1-4
// that was hit (0 when none) and leaves the cursor; elsewhere it moves the
// cursor to the clicked cell and returns 0.
int HitTest(ViewState& v, const CellDates& cells, int mx, int my);

}  // namespace sk
