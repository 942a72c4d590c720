#pragma once
// Text that stays readable on a colour the program chose itself (the
// calendar's background behind status fields and dialogs), whatever the
// desktop theme's own text colour is.

#include "calendar/ViewState.h"

namespace sk {

// Contrast of two colours as the web's accessibility guidelines define
// it: 1 (none) to 21 (black on white).
double ContrastRatio(Rgb a, Rgb b);

// Black or white, whichever stands out more on `background`.
Rgb TextColourOn(Rgb background);

// The least contrast ordinary text must keep.
inline constexpr double kReadableContrast = 4.5;

}  // namespace sk
