#include "marks/gtk/ShiftMarkWindow.h"

#include "ui/MessageBox.h"

#include <gdk/gdkkeysyms.h>

#include <deque>

#include "marks/ShiftMarkCodes.h"
#include "marks/ShiftMarkWindowModel.h"
#include "marks/ShiftMarks.h"
#include "ui/ModalWindow.h"

namespace sk {

namespace {

constexpr int kAcceptResponse = 1;
constexpr int kCancelResponse = 2;

bool IsReturn(guint key) { return key == GDK_KEY_Return || key == GDK_KEY_KP_Enter || key == GDK_KEY_ISO_Enter; }

bool PlainKey(const GdkEventKey* event) { return !(event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)); }

// The "Übernehmen" and "Abbruch" buttons of both windows.
struct AcceptCancel {
    Gtk::Button accept{shift_mark_texts::kAccept};
    Gtk::Button cancel{shift_mark_texts::kCancel};

    AcceptCancel(ModalWindow& window, double acceptX, double acceptWidth, double cancelX, double cancelWidth,
                 double y) {
        accept.set_tooltip_text(shift_mark_texts::kAcceptTip);
        cancel.set_tooltip_text(shift_mark_texts::kCancelTip);
        window.Place(accept, acceptX, y, acceptWidth, 1.5);
        window.Place(cancel, cancelX, y, cancelWidth, 1.5);
        accept.signal_clicked().connect([&window] { window.response(kAcceptResponse); });
        cancel.signal_clicked().connect([&window] { window.response(kCancelResponse); });
    }

    // Return accepts, unless it is meant for the focused "Abbruch".
    bool ReturnAccepts(Gtk::Window& window) const { return window.get_focus() != &cancel; }
};

// The index of the active option, or -1.
int ActiveOption(const std::deque<Gtk::RadioButton>& options) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i].get_active()) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

int ShiftMarkWindow(WindowContext& context, int currentCode, int crew, DayNumber day) {
    const int type = context.state.settings.calendarType;
    ModalWindow window(&context.parent, shift_mark_texts::kMarkTitle, context.units, 33, 18);
    window.set_name("sk-main");  // the program font and background of the main window

    Gtk::Label heading(ShiftMarkWindowHeading(type, crew, day));
    heading.set_xalign(0.0f);
    window.Place(heading, 1, 0.5, 31, 1.5);

    std::deque<Gtk::RadioButton> options;
    Gtk::RadioButton::Group group;
    for (const ShiftMarkOption& o : ShiftMarkWindowOptions(type)) {
        options.emplace_back(group, std::string(o.text));
        window.Place(options.back(), o.x, o.y, o.width, 1.5);
    }
    Gtk::RadioButton& initial = options[static_cast<std::size_t>(ShiftMarkWindowInitialOption(type, currentCode))];
    initial.set_active(true);

    AcceptCancel buttons(window, 1, 13, 21, 11, 16);
    window.signal_key_press_event().connect(
        [&](GdkEventKey* event) {
            if (!PlainKey(event)) return false;
            if (IsReturn(event->keyval)) {
                if (!buttons.ReturnAccepts(window)) return false;
                window.response(kAcceptResponse);
                return true;
            }
            char key = 0;
            if (event->keyval == GDK_KEY_Delete || event->keyval == GDK_KEY_KP_Delete) {
                key = '\x7f';
            } else if (const guint32 ch = gdk_keyval_to_unicode(event->keyval); ch < 0x80) {
                key = static_cast<char>(ch);
            }
            // X has no option with the four-crew types and does nothing there.
            const int code = key ? ShiftMarkCodeOfKey(type, key) : -1;
            if (code < 0 || code >= static_cast<int>(options.size())) return false;
            // A letter chooses its option and accepts at once.
            options[static_cast<std::size_t>(code)].set_active(true);
            window.response(kAcceptResponse);
            return true;
        },
        false);

    initial.grab_focus();
    const int response = window.run();
    window.hide();
    return response == kAcceptResponse ? ActiveOption(options) : -1;
}

// The own plan offers only the columns of the shifts it uses.
bool ColumnInUse(const AppState& state, int crew) {
    if (state.settings.calendarType != kOwnPlanCalendarType) return true;
    const int kind = KindOfMarkColumn(crew);
    return state.ownPlan && kind >= 0 && state.ownPlan->kindUsed[kind];
}

int ChooseShiftColumn(WindowContext& context, int preselected, DayNumber day) {
    const int type = context.state.settings.calendarType;
    ModalWindow window(&context.parent, shift_mark_texts::kColumnTitle, context.units, 26, 10);
    window.set_name("sk-main");

    std::deque<Gtk::RadioButton> options;
    Gtk::RadioButton::Group group;
    std::vector<ShiftColumnOption> columns = ShiftColumnOptions(type, day);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        ShiftColumnOption& c = columns[i];
        c.enabled = c.enabled && ColumnInUse(context.state, static_cast<int>(i) + 1);
        options.emplace_back(group, std::string(c.text));
        options.back().set_sensitive(c.enabled);
        window.Place(options.back(), 5, 2.0 * static_cast<double>(i), 12, 1.5);
    }
    int initialCrew = ShiftColumnInitialCrew(type, day, preselected);
    if (initialCrew > 0 && !columns[static_cast<std::size_t>(initialCrew - 1)].enabled) {
        initialCrew = 0;
        for (std::size_t i = 0; i < columns.size() && initialCrew == 0; ++i)
            if (columns[i].enabled) initialCrew = static_cast<int>(i) + 1;
    }
    if (initialCrew == 0) return 0;  // no column can be marked that day
    Gtk::RadioButton& initial = options[static_cast<std::size_t>(initialCrew - 1)];
    initial.set_active(true);

    AcceptCancel buttons(window, 1, 13, 16, 9, 8);
    window.signal_key_press_event().connect(
        [&](GdkEventKey* event) {
            if (!PlainKey(event) || !IsReturn(event->keyval) || !buttons.ReturnAccepts(window)) return false;
            window.response(kAcceptResponse);
            return true;
        },
        false);

    initial.grab_focus();
    const int response = window.run();
    window.hide();
    if (response != kAcceptResponse) return 0;
    const int chosen = ActiveOption(options);
    return chosen < 0 ? 0 : chosen + 1;
}

void ReportMarkSave(Gtk::Window& parent, bool saved, MarkSaveProblem problem, const std::string& folder) {
    if (!saved) ShowMessage(&parent, message_titles::kError, MarkSaveMessage(problem, folder));
}

bool OpenShiftMarkEntry(WindowContext& context, int crew) {
    AppState& state = context.state;
    const std::optional<DayNumber> day = SelectedDay(state.view, state.Grid());
    const int type = state.settings.calendarType;
    if (!day || !ShiftMarkEntryAllowed(type, *day, crew) || !ColumnInUse(state, crew)) return false;
    const bool entered = EnterShiftMark(state.shiftMarks, type, *day, crew, [&](int currentCode, int k) {
        return ShiftMarkWindow(context, currentCode, k, *day);
    });
    // Saved at once, so neither a lost session nor another instance on the
    // shared folder can take the mark away.
    if (entered) {
        const bool saved = state.shiftMarks.Save(state.userDataFolder);
        ReportMarkSave(context.parent, saved, state.shiftMarks.lastProblem, state.userDataFolder);
    }
    return true;
}

bool OpenShiftColumnChoice(WindowContext& context) {
    AppState& state = context.state;
    const std::optional<DayNumber> day = SelectedDay(state.view, state.Grid());
    if (!day) return false;
    const int crew = ChooseShiftColumn(context, 1, *day);
    if (crew == 0) return true;
    OpenShiftMarkEntry(context, crew);
    return true;
}

}  // namespace sk
