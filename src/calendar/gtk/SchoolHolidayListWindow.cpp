#include "calendar/gtk/SchoolHolidayListWindow.h"

#include "calendar/SchoolHolidayStore.h"
#include "calendar/SchoolHolidayWindowModel.h"
#include "ical/SchoolHolidayIcs.h"
#include "ui/MessageBox.h"
#include "ui/TextListWindow.h"
#include "ui/ModalWindow.h"
#include "ui/WorkArea.h"
#include "ui/Accessible.h"

namespace sk {

namespace {

void ShowYear(const SchoolHolidayCalendar& holidays, int year, TextList& list, Gtk::Label& note) {
    const SchoolHolidayListContent content = SchoolHolidayListFor(holidays, year);
    std::vector<std::vector<std::string>> rows;
    for (const SchoolHolidayRow& row : content.rows) rows.push_back({row.period, row.dates});
    list.SetRows(rows);
    note.set_text(content.note);
    note.set_visible(!content.note.empty());
}

// The .ics file to read, or "" when the chooser was cancelled.
std::string ChooseIcsFile(Gtk::Window& parent) {
    Gtk::FileChooserDialog chooser(parent, kLoadSchoolHolidaysChooserTitle, Gtk::FILE_CHOOSER_ACTION_OPEN);
    KeepInWorkArea(chooser);  // it remembers the size it had on a larger screen
    chooser.add_button("Abbrechen", Gtk::RESPONSE_CANCEL);
    chooser.add_button("Öffnen", Gtk::RESPONSE_ACCEPT);
    chooser.set_default_response(Gtk::RESPONSE_ACCEPT);
    auto ics = Gtk::FileFilter::create();
    ics->set_name("iCalendar-Dateien (*.ics)");
    ics->add_pattern("*.ics");
    ics->add_pattern("*.ICS");
    chooser.add_filter(ics);
    auto all = Gtk::FileFilter::create();
    all->set_name("Alle Dateien");
    all->add_pattern("*");
    chooser.add_filter(all);
    const std::string shipped = ShippedSchoolHolidayFolder();
    if (!shipped.empty()) chooser.set_current_folder(shipped);
    if (chooser.run() != Gtk::RESPONSE_ACCEPT) return {};
    return chooser.get_filename();
}

// The findings in a scrolled list under a heading; with `ask` the buttons
// "Ja" and "Nein" (true for "Ja"), otherwise "OK".
bool ShowFindings(Gtk::Window& parent, Units units, const SchoolHolidayImportMessage& message) {
    ModalWindow box(&parent, message.title, units, 80, message.lines.empty() ? 6 : 24);
    Gtk::Label heading(message.heading);
    heading.set_line_wrap(true);
    heading.set_xalign(0);
    heading.set_yalign(0);
    box.Place(heading, 1, 0.5, 78, message.lines.empty() ? 3 : 2);
    Gtk::ScrolledWindow scroller;
    Gtk::TextView view;
    std::string text;
    for (const std::string& line : message.lines) text += line + "\n";
    if (!message.lines.empty()) {
        SetUpReadOnlyText(scroller, view, text);
        NameForScreenReaders(view, message.title);
        box.Place(scroller, 1, 2.5, 78, 19);
    }
    if (message.ask) {
        box.add_button("Ja", Gtk::RESPONSE_YES);
        box.add_button("Nein", Gtk::RESPONSE_NO);
        box.set_default_response(Gtk::RESPONSE_YES);
    } else {
        box.add_button("OK", Gtk::RESPONSE_OK);
        box.set_default_response(Gtk::RESPONSE_OK);
    }
    box.show_all();
    if (Gtk::Widget* def = box.get_widget_for_response(message.ask ? Gtk::RESPONSE_YES : Gtk::RESPONSE_OK))
        def->grab_focus();
    return box.run() == Gtk::RESPONSE_YES;
}

// Reads a file the user picks, shows what it holds and, when the user
// agrees, stores the periods. True when the calendar changed.
bool LoadFromFile(WindowContext& context, Gtk::Window& parent) {
    const std::string path = ChooseIcsFile(parent);
    if (path.empty()) return false;
    AppState& state = context.state;
    const SchoolHolidayImport import = ReadSchoolHolidayIcsFile(path);
    const Region region = state.schoolHolidays.StateRegion();
    const SchoolHolidayImportPlan plan =
        PlanSchoolHolidayImport(import, LoadStoredSchoolHolidays(state.userDataFolder, region), region);
    const SchoolHolidayImportMessage message = DescribeSchoolHolidayImport(import, plan);
    if (!ShowFindings(parent, context.units, message) || !message.ask) return false;
    std::optional<SchoolHolidayCalendar> taken =
        TakeSchoolHolidayImport(state.userDataFolder, plan, state.schoolHolidays);
    if (!taken) {
        ShowMessage(&parent, message_titles::kError, kSchoolHolidaysNotSaved);
        return false;
    }
    state.schoolHolidays = std::move(*taken);
    return true;
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
    NameForScreenReaders(yearSpin, "Jahr");
    window.Place(yearSpin, 22.5, 0.55, 11, 1.5);

    Gtk::Button load(kLoadSchoolHolidaysButton);
    window.Place(load, 36, 0.55, 17, 1.5);

    // The note of a year without dates lies over the empty list.
    Gtk::Overlay overlay;
    const std::string heading = SchoolHolidayHeading(context.state.schoolHolidays.StateRegion());
    TextList list(context.units, {{heading, 24}, {"", 27}, {"", 0}});
    list.SetName(heading);
    overlay.add(list);
    list.show();
    Gtk::Label note;
    note.set_halign(Gtk::ALIGN_CENTER);
    note.set_valign(Gtk::ALIGN_CENTER);
    note.set_line_wrap(true);
    note.set_justify(Gtk::JUSTIFY_CENTER);
    overlay.add_overlay(note);
    window.Place(overlay, 1, 3, 52, 11);
    const SchoolHolidayCalendar& holidays = context.state.schoolHolidays;
    ShowYear(holidays, openingYear, list, note);

    // Disconnected before the list goes: the spin still reports while it is torn down.
    sigc::connection refill = yearSpin.signal_value_changed().connect(
        [&] { ShowYear(holidays, yearSpin.get_value_as_int(), list, note); });
    bool changed = false;
    sigc::connection loadClicked = load.signal_clicked().connect([&] {
        if (!LoadFromFile(context, window)) return;
        changed = true;
        ShowYear(holidays, yearSpin.get_value_as_int(), list, note);
        context.host.Redraw();  // the stripes behind this window
    });

    yearSpin.grab_focus();
    window.run();
    loadClicked.disconnect();
    refill.disconnect();
    return changed;
}

}  // namespace sk
