#pragma once
// The window "Für Kalender-App exportieren": the shifts of one crew as an
// iCalendar file for a phone's calendar.

#include "ui/WindowContext.h"

namespace sk {

// Shows the window over context.parent and writes the file when asked.
// Returns false: the calendar needs no repaint.
bool OpenPhoneExportWindow(WindowContext& context);

}  // namespace sk
