#include "calendar/CalendarGrid.h"

#include <algorithm>

namespace sk {

std::optional<DayNumber> CalendarGrid::DayAt(int column, int day) const {
    if (column < 0 || column >= ColumnCount()) return std::nullopt;
    const GridColumn& c = columns[static_cast<std::size_t>(column)];
    if (day < 1 || day > c.days) return std::nullopt;
    return c.first + day - 1;
}

int CalendarGrid::LastShownYear() const {
    for (auto c = columns.rbegin(); c != columns.rend(); ++c) {
        if (c->days > 0) return CivilOf(c->first).year;
    }
    return kFirstYear;
}

CalendarGrid MakeCalendarGrid(const ViewState& view, int lastColumn) {
    CalendarGrid grid;
    grid.unitWidth = view.unitWidth;
    grid.rowHeight = view.rowHeight;
    const int count = std::clamp(lastColumn, 0, kMostColumnsIndex) + 1;
    grid.columns.resize(static_cast<std::size_t>(count));
    int year = view.firstYear;
    int month = view.firstMonth;
    for (int c = 0; c < count; ++c) {
        GridColumn& column = grid.columns[static_cast<std::size_t>(c)];
        column.first = DayNumberOf(year, month + 1, 1);
        // Months after the calendar's range stay empty and hold no dates.
        column.days = year <= kLastYear ? MonthLength(year, month) : 0;
        column.x = view.unitWidth + kColumnUnits * view.unitWidth * c;
        if (++month == 12) {
            month = 0;
            ++year;
        }
    }
    return grid;
}

namespace {

int DaysOf(const CalendarGrid& grid, int column) { return grid.columns[static_cast<std::size_t>(column)].days; }

// Pulls the cursor back to the last day its month has, and out of columns
// that hold no dates (months after the calendar's last year).
void PullBackToShownDay(ViewState& v, const CalendarGrid& grid, bool& wrapped) {
    while (v.cursorColumn > 0 && DaysOf(grid, v.cursorColumn) == 0) --v.cursorColumn;
    const int days = DaysOf(grid, v.cursorColumn);
    if (v.cursorDay > days) {
        v.cursorDay = std::max(days, 1);
        wrapped = true;
    }
}

}  // namespace

void KeepCursorOnShownDay(ViewState& v, const CalendarGrid& grid) {
    if (grid.columns.empty()) return;
    v.cursorColumn = std::clamp(v.cursorColumn, 0, grid.LastColumn());
    v.cursorDay = std::max(v.cursorDay, 1);
    bool wrapped = false;
    PullBackToShownDay(v, grid, wrapped);
}

void PageByDays(ViewState& v, int days) {
    DayNumber d = DayNumberOf(v.firstYear, v.firstMonth + 1, 1) + days;
    if (d > kLastFirstMonthDay) d = kLastFirstMonthDay;
    // Paging never leaves the calendar's range at its start either.
    if (d < kFirstDay) d = kFirstDay;
    const CivilDate first = CivilOf(d);
    v.firstMonth = first.month - 1;
    v.firstYear = first.year;
    if (v.cursorDay > 28) v.cursorDay = 28;
}

void MoveCursor(ViewState& v, const CalendarGrid& grid, int dx, int dy) {
    if (grid.columns.empty()) return;
    v.cursorColumn = std::clamp(v.cursorColumn + dx, 0, grid.LastColumn());
    v.cursorDay += dy;
    bool wrapped = false;
    if (v.cursorDay > kGridDayRows) {
        v.cursorDay = kGridDayRows;
        wrapped = true;
    }
    if (v.cursorDay <= 0) {
        if (v.cursorColumn <= 0) {
            v.cursorDay = 1;
        } else {
            v.cursorColumn -= 1;
            v.cursorDay = kGridDayRows;
        }
    }
    const int columnBefore = v.cursorColumn;
    PullBackToShownDay(v, grid, wrapped);
    // Down from a month's last day goes on to the next month's first.
    if (dy > 0 && wrapped && v.cursorColumn < grid.LastColumn() && v.cursorColumn == columnBefore &&
        DaysOf(grid, v.cursorColumn + 1) != 0) {
        v.cursorColumn += 1;
        v.cursorDay = 1;
    }
}

int HitTest(ViewState& v, const CalendarGrid& grid, int x, int y) {
    const int u = grid.unitWidth;
    const int r = grid.rowHeight;
    if (x < 0 || y < 0 || grid.columns.empty()) return 0;
    const int column = x / (kColumnUnits * u);
    if (column == v.cursorColumn && y / r == v.cursorDay) {
        const int k = x / u - kColumnUnits * v.cursorColumn;
        const int s = (k + 1) / 2 - 4;  // ceiling(k / 2) - 4 for k >= 0
        return (s >= 1 && s <= 4) ? s : 0;
    }
    v.cursorColumn = std::min(column, grid.LastColumn());
    // The header row stands for day 1, the margin below day 31 for day 31.
    v.cursorDay = std::clamp(y / r, 1, kGridDayRows);
    bool wrapped = false;
    PullBackToShownDay(v, grid, wrapped);
    return 0;
}

std::optional<DayNumber> SelectedDay(const ViewState& v, const CalendarGrid& grid) {
    return grid.DayAt(v.cursorColumn, v.cursorDay);
}

void PlaceCursorOn(ViewState& v, DayNumber d) {
    const CivilDate c = CivilOf(d);
    v.firstMonth = c.month - 1;
    v.firstYear = c.year;
    v.cursorColumn = 0;
    v.cursorDay = c.day;
}

}  // namespace sk
