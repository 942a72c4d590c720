#pragma once
// The month columns the calendar view shows, computed from the view state
// before anything is painted: per column its month's first day, its day
// count and its x; per cell its day. The cursor operations work on the
// grid and the state, so painting, the status line and every command that
// acts on "the selected day" read the same cells.

#include <optional>
#include <vector>

#include "calendar/Date.h"
#include "calendar/ViewState.h"

namespace sk {

// The leftmost month is never later than July 2037 (kLastFirstMonthDay,
// 31 July 2037, is in the date core).
inline constexpr DayNumber kLastFirstOfMonthShown = 24653;  // 1 July 2037

// Rows of the image: the header row, 31 day rows, a 2 pixel margin.
inline constexpr int kGridDayRows = 31;
inline constexpr int kGridRows = kGridDayRows + 1;
// One month column is 18 units wide; the image starts with a 1 unit margin.
inline constexpr int kColumnUnits = 18;

// (lastColumn + 1) * 18.
inline constexpr int WidthUnitsOf(int lastColumn) { return (lastColumn + 1) * kColumnUnits; }

struct GridColumn {
    DayNumber first = 0;  // day number of the 1st of the column's month
    int days = 0;         // days of that month; 0 after the calendar's last year
    int x = 0;            // painted start x inside the image
};

struct CalendarGrid {
    int unitWidth = kFallbackUnitWidth;
    int rowHeight = kFallbackRowHeight;
    std::vector<GridColumn> columns;

    int ColumnCount() const { return static_cast<int>(columns.size()); }
    int LastColumn() const { return ColumnCount() - 1; }
    int WidthUnits() const { return ColumnCount() * kColumnUnits; }
    int ImageWidth() const { return unitWidth * WidthUnits(); }
    int ImageHeight() const { return rowHeight * kGridRows + 2; }
    // The day of a cell, or nothing for a row past the month's end or a
    // column without dates.
    std::optional<DayNumber> DayAt(int column, int day) const;
    // The year of the rightmost column that holds dates.
    int LastShownYear() const;
};

// The grid of `lastColumn + 1` month columns from the view's first month.
CalendarGrid MakeCalendarGrid(const ViewState& view, int lastColumn);

// Puts the cursor on a shown day: into the last column that holds dates
// when its column is gone or empty, onto the month's last day when its row
// is past the month's end, and onto day 1 when it is above.
void KeepCursorOnShownDay(ViewState& v, const CalendarGrid& grid);

// Moves the first displayed month by a number of days counted from the
// first of that month; the cursor row is pulled back to at most 28.
void PageByDays(ViewState& v, int days);

// Cursor step by keys: dx columns, dy days, with the month-end rules.
void MoveCursor(ViewState& v, const CalendarGrid& grid, int dx, int dy);

// Mouse press at (x, y) in image coordinates. In the cursor's own cell it
// returns the shift sub-column 1-4 that was hit (0 when none) and leaves
// the cursor; elsewhere it moves the cursor to the pressed cell and returns 0.
int HitTest(ViewState& v, const CalendarGrid& grid, int x, int y);

// The day under the cursor: the one day the status line describes and
// every command that acts on a day acts on.
std::optional<DayNumber> SelectedDay(const ViewState& v, const CalendarGrid& grid);

// d's month first, the cursor on d in column 0.
void PlaceCursorOn(ViewState& v, DayNumber d);

}  // namespace sk
