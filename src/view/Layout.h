#pragma once
// The units u (unitWidth) and r (rowHeight) of the program font and the
// rounding rules the layout in those units uses.

#include <string>

#include "calendar/ViewState.h"

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
// The resolution at which the painter's fonts are sized (a point is a pixel
// at 72, cairo's image surfaces measure at 96).
inline constexpr double kPointsResolution = 96.0;

// `textScale` is the desktop's text scale (1.5 with GDK_DPI_SCALE=1.5): the
// calendar grows with the text of the controls around it.
std::string FontDescriptionText(const FontChoice& font, const std::string& defaultFamily, double textScale = 1.0);

// Mean width and height of the 75 characters "0" ... "z" in the font,
// truncated to whole pixels.
FontMetrics MeasureFont(const std::string& fontDescription);

}  // namespace sk
