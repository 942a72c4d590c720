#pragma once
// The painted calendar for screen readers: an accessible table (ATK) with a
// row per day of month and a column per month column as shown. Its cell
// objects are made only when an assistive technology asks for them, and
// they ask their owner for their words, so nothing is computed twice and
// nothing at all without a screen reader.

#include <glibmm/extraclassinit.h>
#include <gtkmm.h>

#include <optional>
#include <string>
#include <utility>

namespace sk {

inline constexpr int kCalendarTableRows = 31;  // days 1-31

// What the table asks of the view that owns it; a column and a row (0-30)
// name a cell as shown.
class CalendarCells {
public:
    virtual ~CalendarCells() = default;
    virtual int ColumnCount() = 0;  // 0 while no month columns are shown
    virtual bool HasDay(int column, int row) = 0;
    virtual std::string CellName(int column, int row) = 0;
    virtual std::string ColumnName(int column) = 0;
    // Column and row of the cursor, when a cursor is shown.
    virtual std::optional<std::pair<int, int>> Cursor() = 0;
    // The cell's box in the area's own coordinates.
    virtual Gdk::Rectangle CellBox(int column, int row) = 0;
    virtual void PutCursorOn(int column, int row) = 0;
};

// Registers the class hook that gives CalendarArea its accessible table.
class CalendarAreaClassInit : public Glib::ExtraClassInit {
public:
    CalendarAreaClassInit();
};

// The event box that shows the calendar image.
class CalendarArea : public CalendarAreaClassInit, public Gtk::EventBox {
public:
    CalendarArea();
    ~CalendarArea() override;
    void SetCells(CalendarCells* cells) { cells_ = cells; }
    CalendarCells* Cells() const { return cells_; }

    // After each repaint: once a screen reader has looked at the table, the
    // cursor cell becomes the focused, active descendant; when the months
    // or the data changed (`contentChanged`) the old cells are retired.
    void AfterRepaint(bool contentChanged);

    // Kept by the table while it exists (it is made and owned by GTK).
    AtkObject* table = nullptr;

private:
    CalendarCells* cells_ = nullptr;
};

}  // namespace sk
