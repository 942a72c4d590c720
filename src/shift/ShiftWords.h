#pragma once
// Who works which shift of a day, in words: "Früh: Rot", "Spät: Gelb, Braun",
// "Nacht: -". The plan's text table and the calendar's day descriptions
// (screen reader, tooltip) say it the same way.

#include <span>
#include <string>
#include <vector>

#include "shift/CalendarTypes.h"
#include "shift/OwnShiftPlan.h"

namespace sk {

// The shifts a built-in type has (two in the two-shift plan, else three),
// each with the crews on it in crew order; `codes` holds one code per crew.
std::vector<std::string> ShiftCrewTexts(int calendarType, std::span<const ShiftCode> codes);

// The same for the own plan: one text per shift kind the plan uses.
std::vector<std::string> OwnPlanShiftCrewTexts(const OwnShiftPlan& plan, const OwnPlanDay& day);

// "Früh", "Spät", "Nacht", "Tag" for a working code, empty for any other.
const char* ShiftNameOfCode(ShiftCode code);

}  // namespace sk
