#pragma once
// The right part of a day row (10 units from x + 8u): who works which shift.

#include "calendar/Date.h"
#include "view/CalendarData.h"
#include "view/Canvas.h"
#include "calendar/ViewState.h"

namespace sk {

// Paints the shift area of one row at (a, y), a = column x + 8u.
void PaintShiftArea(Canvas& canvas, const ViewState& view, const PaintOptions& options, const DayContext& ctx,
                    const ShiftRow& row, int a, int y);

}  // namespace sk
