#include "calendar/gtk/SchoolHolidayListWindow.h"

#include "calendar/SchoolHolidayWindowModel.h"
#include "ui/TextListWindow.h"
#include "ui/ModalWindow.h"

namespace sk {

namespace {

void ShowYear(int year, TextList& list, Gtk::Label& note) {
    const SchoolHolidayListContent content = SchoolHolidayListFor(year);
    std::vector<std::vector<std::string>> rows;
    for (const SchoolHolidayRow& row : content.rows) rows.push_back({std::string(row.period), row.dates});
    list.SetRows(rows);
    note.set_text(content.note);
    note.set_visible(!content.note.empty());
}

}  // namespace

bool OpenSchoolHolidayWindow(WindowContext& context) {
    const int openingYear = context.state.view.firstYear;
    const YearRange range = SchoolHolidaySpinRange(LocalToday().year, openingYear);

    ModalWindow window(&context.parent, kSchoolHolidayWindowTitle, context.units, 54, 15);
    window.set_name("sk-main");  // the program font and background of the main window

    auto adjustment = Gtk::Adjustment::create(openingYear, range.first, range.last, 1, 1, 0);
    Gtk::SpinButton yearSpin(adjustment);
    yearSpin.set_numeric(true);
    yearSpin.set_width_chars(1);
    window.Place(yearSpin, 22.5, 0.55, 11, 1.5);

    // The note of a year without dates lies over the empty list.
    Gtk::Overlay overlay;
    TextList list(context.units, {{kSchoolHolidayHeading, 24}, {"", 27}, {"", 0}});
    overlay.add(list);
    list.show();
    Gtk::Label note;
    note.set_halign(Gtk::ALIGN_CENTER);
    note.set_valign(Gtk::ALIGN_CENTER);
    overlay.add_overlay(note);
    window.Place(overlay, 1, 3, 52, 11);
    ShowYear(openingYear, list, note);

    // Disconnected before the list goes: the spin still reports while it is torn down.
    sigc::connection refill =
        yearSpin.signal_value_changed().connect([&] { ShowYear(yearSpin.get_value_as_int(), list, note); });

    yearSpin.grab_focus();
    window.run();
    refill.disconnect();
    return false;
}

}  // namespace sk
