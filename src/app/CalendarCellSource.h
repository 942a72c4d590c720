#pragma once
// The calendar's day cells as screen readers and the tooltip see them: the
// shown grid, the cursor, and each day in words.

#include <optional>
#include <string>

#include "ui/AppState.h"
#include "ui/CalendarAccessible.h"
#include "ui/CommandHost.h"
#include "view/HalfYearPage.h"

namespace sk {

class CalendarCellSource : public CalendarCells {
public:
    CalendarCellSource(AppState& state, CommandHost& host) : state_(state), host_(host) {}

    int ColumnCount() override;
    bool HasDay(int column, int row) override;
    std::string CellName(int column, int row) override;
    std::string ColumnName(int column) override;
    std::optional<std::pair<int, int>> Cursor() override;
    Gdk::Rectangle CellBox(int column, int row) override;
    void PutCursorOn(int column, int row) override;

    // The words of the day under a point of the image (the tooltip), empty
    // outside the days.
    std::string WordsAt(int x, int y);
    // The data may have changed: the user's crew is read again when asked.
    void Forget() { homeCrew_.reset(); }

private:
    std::optional<DayNumber> DayAt(int column, int row);
    // The half-year page: month index of a column, and the page's cells.
    int HalfYearMonth(int column) const;
    HalfYearGeometry PageGeometry() const;
    std::optional<int> HomeCrew();

    AppState& state_;
    CommandHost& host_;
    std::optional<std::optional<int>> homeCrew_;  // read once per content
};

}  // namespace sk
