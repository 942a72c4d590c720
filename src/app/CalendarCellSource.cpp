#include "app/CalendarCellSource.h"

#include <filesystem>

#include "accounting/HoursAccount.h"
#include "view/DayWords.h"
#include "view/HalfYearPage.h"

namespace sk {

namespace {
constexpr int kHalfYearMonths = 6;   // the page's month blocks
constexpr int kMonthBlockCells = 8;  // cells of one month block
constexpr double kFirstDayRowTop = 2.5;  // cells above day 0's row
}  // namespace

int CalendarCellSource::ColumnCount() { return state_.HalfYearView() ? kHalfYearMonths : state_.Grid().ColumnCount(); }

int CalendarCellSource::HalfYearMonth(int column) const {
    return HalfYearFirstMonth(state_.view.firstMonth + 1) + column;
}

HalfYearGeometry CalendarCellSource::PageGeometry() const {
    const ViewState& v = state_.view;
    return HalfYearGeometryOf(v.unitWidth * WidthUnitsOf(state_.settings.lastColumn), v.rowHeight);
}

std::optional<DayNumber> CalendarCellSource::DayAt(int column, int row) {
    if (!state_.HalfYearView()) return state_.Grid().DayAt(column, row + 1);
    // The page: a month block per column, a day per row.
    if (column < 0 || column >= kHalfYearMonths || row < 0) return std::nullopt;
    const int year = state_.view.firstYear, month = HalfYearMonth(column);
    if (row >= MonthLength(year, month)) return std::nullopt;
    return DayNumberOf(year, month + 1, row + 1);
}

bool CalendarCellSource::HasDay(int column, int row) { return DayAt(column, row).has_value(); }

std::optional<int> CalendarCellSource::HomeCrew() {
    if (!homeCrew_) {
        // The crew counts as chosen once the hours window has kept one.
        const std::string folder = state_.userDataFolder;
        std::error_code ec;
        if (std::filesystem::exists(folder + kHoursFileName, ec)) {
            HoursRecord record;
            LoadHours(folder, record);
            homeCrew_ = std::optional<int>(record.homeCrew);
        } else {
            homeCrew_ = std::optional<int>();
        }
    }
    return *homeCrew_;
}

std::string CalendarCellSource::CellName(int column, int row) {
    const std::optional<DayNumber> d = DayAt(column, row);
    if (!d) return {};
    CoreCalendarData data(state_.sources);
    const DayWordsSources sources{state_.Options(), state_.settings.region, HomeCrew(), state_.OwnPlan()};
    return DayInWords(data, MakeDayContext(*d), sources);
}

std::string CalendarCellSource::ColumnName(int column) {
    if (state_.HalfYearView()) {
        if (column < 0 || column >= kHalfYearMonths) return {};
        return std::string(kMonthNames[HalfYearMonth(column)]) + " " + std::to_string(state_.view.firstYear);
    }
    const CalendarGrid grid = state_.Grid();
    if (column < 0 || column >= grid.ColumnCount()) return {};
    const DayContext first = MakeDayContext(grid.columns[static_cast<std::size_t>(column)].first);
    return std::string(kMonthNames[first.month]) + " " + std::to_string(first.year);
}

std::optional<std::pair<int, int>> CalendarCellSource::Cursor() {
    if (state_.HalfYearView()) return std::nullopt;
    return std::pair{state_.view.cursorColumn, state_.view.cursorDay - 1};
}

Gdk::Rectangle CalendarCellSource::CellBox(int column, int row) {
    if (state_.HalfYearView()) {
        const HalfYearGeometry g = PageGeometry();
        return Gdk::Rectangle(g.x0 + kMonthBlockCells * g.cw * column,
                              g.y0 + RoundHalfEven(kFirstDayRowTop * g.ch) + (row + 1) * g.ch, kMonthBlockCells * g.cw,
                              g.ch);
    }
    const int u = state_.view.unitWidth, r = state_.view.rowHeight;
    return Gdk::Rectangle(kColumnUnits * u * column, (row + 1) * r, kColumnUnits * u, r);
}

void CalendarCellSource::PutCursorOn(int column, int row) {
    // The half-year page has no cursor.
    if (state_.HalfYearView() || !HasDay(column, row)) return;
    state_.view.cursorColumn = column;
    state_.view.cursorDay = row + 1;
    host_.RedrawMoved();
}

std::string CalendarCellSource::WordsAt(int x, int y) {
    if (state_.HalfYearView()) {
        const HalfYearGeometry g = PageGeometry();
        const int top = g.y0 + RoundHalfEven(kFirstDayRowTop * g.ch) + g.ch;
        if (x < g.x0 || y < top || g.cw <= 0 || g.ch <= 0) return {};
        return CellName((x - g.x0) / (kMonthBlockCells * g.cw), (y - top) / g.ch);
    }
    const int u = state_.view.unitWidth, r = state_.view.rowHeight;
    if (x < 0 || y < r || u <= 0 || r <= 0) return {};  // the header row names no day
    return CellName(x / (kColumnUnits * u), y / r - 1);
}

}  // namespace sk
