#include "notes/NoteDeletion.h"
#include "notes/gtk/NoteEditorWindow.h"
#include "notes/gtk/NoteWindow.h"
#include "marks/gtk/ShiftMarkWindow.h"
#include "ui/DateField.h"
#include "ui/MessageBox.h"
#include "ui/ModalWindow.h"
#include "ui/ProgramStyle.h"

namespace sk {

namespace {
constexpr const char* kTitle = "Lösche Notizen und Markierungen";
constexpr const char* kUpToFrame = "Notizen löschen bis zum";
constexpr const char* kAllFrame = "Alle Notizen löschen";
constexpr const char* kDelete = "Löschen";
constexpr const char* kDeleteTip = "Löscht die Notizen";
constexpr const char* kCancel = "Abbruch";
constexpr const char* kCancelTip = "Verlässt das Eingabefenster ohne Löschen";
constexpr int kDeleteResponse = 1;
// The field accepts 1 January 1970 to 31 July 2037.
constexpr DayNumber kLastDeletableDay = kLastFirstMonthDay;
}  // namespace

bool OpenDeleteNotesWindow(WindowContext& context) {
    AppState& state = context.state;
    const std::optional<NoteDay> selected = OpenNotesOfSelectedDay(state);
    if (!selected) return false;
    const Units& un = context.units;
    ModalWindow window(&context.parent, kTitle, un, 47, RoundHalfEven(20.5 * un.r) / double(un.r));
    StyleLikeMainWindow(window);

    Gtk::Frame upTo(kUpToFrame), all(kAllFrame);
    window.Place(upTo, 1, 1, 45, 8);
    window.Place(all, 1, 10, 45, 7);
    DateField date(true, DateFieldRange{kFirstDay, kLastDeletableDay});
    date.SetFieldName("Löschen bis");
    date.SetDate(CivilOf(selected->day.dayNumber));
    window.Place(date, 27, 2, 18, 1.8);
    Gtk::CheckButton dayNotes("Tagesnotizen"), shiftMarks("Schichtmarkierungen"),
        calendarMarks("Kalendermarkierungen"), periodic("Periodische Notizen"), yearly("Jährliche Notizen"),
        weekday("Wochentag im Monat");
    window.Place(dayNotes, 2, 3, 25, 1.8);
    window.Place(shiftMarks, 2, 5, 25, 1.8);
    window.Place(calendarMarks, 2, 7, 25, 1.8);
    window.Place(periodic, 2, 11, 25, 1.8);
    window.Place(yearly, 2, 13, 25, 1.8);
    window.Place(weekday, 2, 15, 25, 1.8);

    Gtk::Button remove(kDelete), cancel(kCancel);
    remove.set_tooltip_text(kDeleteTip);
    cancel.set_tooltip_text(kCancelTip);
    window.Place(remove, 1, 18, 12, 1.8);
    window.Place(cancel, 47 - 13, 18, 12, 1.8);
    remove.signal_clicked().connect([&window] { window.response(kDeleteResponse); });
    cancel.signal_clicked().connect([&window] { window.response(Gtk::RESPONSE_CANCEL); });
    AcceptOnReturn(window, remove);  // asks before anything goes
    date.grab_focus();

    for (;;) {
        if (window.run() != kDeleteResponse) return false;
        NoteDeletionChoice choice;
        choice.dayNotes = dayNotes.get_active();
        choice.shiftMarks = shiftMarks.get_active();
        choice.calendarMarks = calendarMarks.get_active();
        choice.periodicNotes = periodic.get_active();
        choice.yearlyNotes = yearly.get_active();
        choice.weekdayNotes = weekday.get_active();
        // With every box clear the button does nothing.
        if (!choice.Any()) continue;
        if (!date.Checked()) continue;
        if (AskQuestion(&window, kDeleteQuestion)) {
            const CivilDate chosen = date.Date();
            const DayNumber d = DayNumberOf(chosen.year, chosen.month, chosen.day);
            DeleteNotesAndMarks(choice, d, state.notes, state.calendarMarks, state.shiftMarks, state.userDataFolder);
            // A list still marked as changed could not be saved.
            if (choice.shiftMarks && state.shiftMarks.changed) {
                ReportMarkSave(window, false, state.shiftMarks.lastProblem, state.userDataFolder);
            } else if (choice.calendarMarks && state.calendarMarks.changed) {
                ReportMarkSave(window, false, state.calendarMarks.lastProblem, state.userDataFolder);
            }
            window.hide();
            return true;
        }
        window.hide();
        return false;
    }
}

}  // namespace sk
