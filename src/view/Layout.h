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
std::string FontDescriptionText(const FontChoice& font, const std::string& defaultFamily);

// Mean width and height of the 75 characters "0" ... "z" in the font,
// truncated to whole pixels.
FontMetrics MeasureFont(const std::string& fontDescription);

}  // namespace sk
