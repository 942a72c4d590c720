#pragma once
// The window "Jahresstunden": the working hours of every crew per month of
// a year, their sum, the target and the difference.

#include "ui/WindowContext.h"

namespace sk {

// Opens on the year of the cursor's column; nothing for the four-crew
// plans. Changes nothing, so it returns false.
bool OpenYearHoursWindow(WindowContext& context);

}  // namespace sk
