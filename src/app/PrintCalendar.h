#pragma once
// Printing what the main window shows through the toolkit's print dialog:
// the half-year page, or the month columns on as many sheets as they need.

#include "ui/WindowContext.h"

namespace sk {

// Opens the print dialog over context.parent; a failed print is reported
// in a message. Returns false: the calendar needs no repaint.
bool PrintCalendar(WindowContext& context);

}  // namespace sk
