#pragma once
// The chooser window "Kalender": which calendar type each of its eight
// buttons stands for, from top to bottom (labels and tooltips are those of
// the type table).

#include <array>

namespace sk {

inline constexpr const char* kCalendarChooserTitle = "Kalender";
inline constexpr std::array<int, 8> kCalendarChooserTypes = {0, 1, 5, 2, 3, 4, 6, 7};

}  // namespace sk
