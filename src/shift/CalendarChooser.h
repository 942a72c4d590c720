#pragma once
// The chooser window "Kalender": which calendar type each of its eight
// buttons stands for, from top to bottom (labels and tooltips are those of
// the type table).

#include <array>

namespace sk {

inline constexpr const char* kCalendarChooserTitle = "Kalender";
inline constexpr std::array<int, 8> kCalendarChooserTypes = {0, 1, 5, 2, 3, 4, 6, 7};
// Below them a ninth button for the own plan (kOwnPlanLabel), which can only
// be chosen while a valid plan is defined.
inline constexpr const char* kOwnPlanChooserTooltip = "Der eigene Schichtplan";
inline constexpr const char* kNoOwnPlanTooltip =
    "Noch kein eigener Schichtplan festgelegt: Programm (F10), „Eigener Schichtplan“";

}  // namespace sk
