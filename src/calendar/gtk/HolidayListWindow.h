#pragma once
// The window "Feiertage": the public holidays and movable feasts of the
// year shown in the first month column.

#include "ui/WindowContext.h"

namespace sk {

// Changes nothing, so it returns false.
bool OpenHolidayListWindow(WindowContext& context);

}  // namespace sk
