#pragma once
// The window "Ferientermine": the Bavarian school holidays of one year,
// chosen with a year field.

#include "ui/WindowContext.h"

namespace sk {

// Opens on the year shown in the first month column. Changes nothing, so it
// returns false.
bool OpenSchoolHolidayWindow(WindowContext& context);

}  // namespace sk
