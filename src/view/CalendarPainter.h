#pragma once
// Paints the month columns of the calendar image and the cursor.

#include "calendar/Date.h"
#include "view/CalendarData.h"
#include "view/Canvas.h"
#include "view/ViewState.h"

namespace sk {

namespace colours {
inline constexpr Rgb kBlack = PackRgb(0, 0, 0);
inline constexpr Rgb kHolidayRed = PackRgb(255, 0, 0);
inline constexpr Rgb kSchoolHolidayStripe = PackRgb(219, 214, 181);
inline constexpr Rgb kDayNote = PackRgb(199, 194, 201);
inline constexpr Rgb kPeriodicNote = PackRgb(219, 214, 181);
inline constexpr Rgb kYearlyNote = PackRgb(239, 194, 161);
inline constexpr Rgb kWeekdayNote = PackRgb(179, 214, 141);
inline constexpr Rgb kMoonDisc = PackRgb(250, 250, 0);
inline constexpr Rgb kMoonOutline = PackRgb(128, 128, 128);
inline constexpr Rgb kSolarEclipse = PackRgb(136, 136, 136);
inline constexpr Rgb kLunarEclipse = PackRgb(187, 136, 136);
inline constexpr Rgb kWeekNumber = PackRgb(112, 104, 54);
}  // namespace colours

// A calendar mark over a school-holiday stripe is darkened: each channel
// by 20, stopping at 0.
Rgb DarkenedMarkColour(Rgb mark);

// Paints one month column at x (the column's painted start). `ctx` must
// stand on the first day of the column's month; it is left on the first
// day of the next month. Records the column's dates in `cells`.
void PaintMonthColumn(Canvas& canvas, const ViewState& view, CellDates& cells, CalendarData& data,
                      const PaintOptions& options, DayContext& ctx, int x, int column);

// The painting part of a repaint: background, every month column from the
// first displayed month, the cursor step and the cursor frame. The cursor
// step is MoveCursor(dx, dy), or HitTest at (mouseX, mouseY) for (0, 0),
// whose result is returned.
int PaintCalendar(Canvas& canvas, ViewState& view, CellDates& cells, CalendarData& data,
                  const PaintOptions& options, int dx, int dy, int mouseX = 0, int mouseY = 0);

}  // namespace sk
