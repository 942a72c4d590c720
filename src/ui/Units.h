#pragma once
// Window layout in the units u (mean glyph width) and r (mean glyph height).

#include "view/Layout.h"

namespace sk {

struct Units {
    int u = kFallbackUnitWidth;
    int r = kFallbackRowHeight;
    int X(double units) const { return RoundHalfEven(units * u); }
    int Y(double rows) const { return RoundHalfEven(rows * r); }
};

}  // namespace sk
