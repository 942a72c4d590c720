#include "app/CalendarCellSource.h"

#include <filesystem>

#include "accounting/HoursAccount.h"
#include "view/DayWords.h"

namespace sk {

int CalendarCellSource::ColumnCount() { return state_.HalfYearView() ? 0 : state_.Grid().ColumnCount(); }

std::optional<DayNumber> CalendarCellSource::DayAt(int column, int row) {
    if (state_.HalfYearView()) return std::nullopt;
    return state_.Grid().DayAt(column, row + 1);
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
    const CalendarGrid grid = state_.Grid();
    if (state_.HalfYearView() || column < 0 || column >= grid.ColumnCount()) return {};
    const DayContext first = MakeDayContext(grid.columns[static_cast<std::size_t>(column)].first);
    return std::string(kMonthNames[first.month]) + " " + std::to_string(first.year);
}

std::optional<std::pair<int, int>> CalendarCellSource::Cursor() {
    if (state_.HalfYearView()) return std::nullopt;
    return std::pair{state_.view.cursorColumn, state_.view.cursorDay - 1};
}

Gdk::Rectangle CalendarCellSource::CellBox(int column, int row) {
    const int u = state_.view.unitWidth, r = state_.view.rowHeight;
    return Gdk::Rectangle(kColumnUnits * u * column, (row + 1) * r, kColumnUnits * u, r);
}

void CalendarCellSource::PutCursorOn(int column, int row) {
    if (!HasDay(column, row)) return;
    state_.view.cursorColumn = column;
    state_.view.cursorDay = row + 1;
    host_.RedrawMoved();
}

std::string CalendarCellSource::WordsAt(int x, int y) {
    const int u = state_.view.unitWidth, r = state_.view.rowHeight;
    if (x < 0 || y < r || u <= 0 || r <= 0) return {};  // the header row names no day
    return CellName(x / (kColumnUnits * u), y / r - 1);
}

}  // namespace sk
