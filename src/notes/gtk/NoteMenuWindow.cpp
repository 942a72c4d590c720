#include <gdk/gdkkeysyms.h>

#include "help/gtk/HelpTextWindow.h"
#include "notes/gtk/NoteEditorWindow.h"
#include "notes/NoteMenu.h"
#include "notes/gtk/NoteWindow.h"
#include "ui/ProgramStyle.h"

namespace sk {

namespace {

// Shows the menu; the chosen entry, or nothing when it was left by Esc.
std::optional<NoteMenuChoice> ChooseFromNoteMenu(WindowContext& context) {
    const Units& un = context.units;
    ModalWindow window(&context.parent, kNoteMenuTitle, un, 25, 21);
    StyleLikeMainWindow(window);
    Gtk::Frame frame;
    window.Place(frame, 0.5, 0.25, 24, 20.25);
    Gtk::Button buttons[kNoteMenuEntryCount];
    const int h = un.Y(1.8);
    Gtk::Fixed* fixed = dynamic_cast<Gtk::Fixed*>(frame.get_parent());
    for (int i = 0; i < kNoteMenuEntryCount; ++i) {
        Gtk::Button& b = buttons[i];
        b.set_label(kNoteMenuEntries[i].label);
        b.set_tooltip_text(kNoteMenuEntries[i].tooltip);
        b.signal_clicked().connect([&window, i] { window.response(i); });
        if (fixed) fixed->put(b, un.u, (2 * (i + 1) - 1) * un.r - un.r / 3);
        b.set_size_request(un.X(21), h);
        b.show();
    }
    window.signal_key_press_event().connect(
        [&window](GdkEventKey* event) {
            if (event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) return false;
            const std::optional<NoteMenuChoice> choice = NoteMenuChoiceForKey(gdk_keyval_to_unicode(event->keyval));
            if (!choice) return false;
            window.response(static_cast<int>(*choice));
            return true;
        },
        false);
    buttons[0].grab_focus();
    const int answer = window.run();
    window.hide();
    if (answer < 0 || answer >= kNoteMenuEntryCount) return std::nullopt;
    return kNoteMenuEntries[answer].choice;
}

}  // namespace

bool OpenNoteMenu(WindowContext& context) {
    if (!NoteMenuOpens(context.state.settings.calendarType) || context.state.HalfYearView()) return false;
    const std::optional<NoteMenuChoice> choice = ChooseFromNoteMenu(context);
    if (!choice) return true;
    switch (*choice) {
        case NoteMenuChoice::DayNote: return OpenDayNoteWindow(context);
        case NoteMenuChoice::PeriodicNote: return OpenPeriodicNoteWindow(context);
        case NoteMenuChoice::YearlyNote: return OpenYearlyNoteWindow(context);
        case NoteMenuChoice::WeekdayNote: return OpenWeekdayNoteWindow(context);
        case NoteMenuChoice::CalendarMark: return OpenWindow(context, menu::kCalendarMark);
        case NoteMenuChoice::ShiftMark: return OpenWindow(context, kShiftMarkFromNoteMenu);
        case NoteMenuChoice::Delete: return OpenDeleteNotesWindow(context);
        case NoteMenuChoice::Overview: return OpenNotesOverview(context);
        case NoteMenuChoice::Info: ShowHelpText(context, helptitle::kNotes); return true;
    }
    return true;
}

}  // namespace sk
