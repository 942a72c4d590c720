#pragma once
// Paints the month columns of the calendar image and the cursor.

#include "calendar/CalendarGrid.h"
#include "calendar/Date.h"
#include "calendar/ViewState.h"
#include "view/CalendarData.h"
#include "view/Canvas.h"

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

// A calendar mark over a school-holiday stripe is darkened by subtracting
// the packed value of RGB 20, 20, 20 (a channel below 20 borrows).
Rgb DarkenedMarkColour(Rgb mark);

// Paints the calendar image of the grid: background, every month column
// and the cursor frame around the selected day. The painter only paints:
// the cursor and the grid are the caller's, settled before.
void PaintCalendar(Canvas& canvas, const ViewState& view, const CalendarGrid& grid, CalendarData& data,
                   const PaintOptions& options);

}  // namespace sk
