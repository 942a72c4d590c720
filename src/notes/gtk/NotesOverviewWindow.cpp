#include "notes/NoteEditModel.h"
#include "notes/gtk/NoteEditorWindow.h"
#include "notes/gtk/NoteWindow.h"
#include "ui/ProgramStyle.h"
#include "notes/NotesOverview.h"
#include "ui/MessageBox.h"
#include "ui/Accessible.h"

namespace sk {

namespace {
constexpr const char* kOverviewTitle = "Übersicht der Notizen für die angezeigten Monate";
}  // namespace

void ShowNotesText(Gtk::Window& parent, const std::string& title, Units units, std::string_view notes, bool wrapWords) {
    ModalWindow window(&parent, title, units, 60, 33);
    StyleLikeMainWindow(window);
    Gtk::ScrolledWindow scroller;
    Gtk::TextView view;
    SetUpReadOnlyText(scroller, view, EditorTextOfNote(notes));
    if (wrapWords) view.set_wrap_mode(Gtk::WRAP_WORD);
    NameForScreenReaders(view, title);
    // The field takes the calendar's background, like the main window.
    UseCalendarBackground(view);
    window.Place(scroller, 1, 1, 58, 31);
    view.grab_focus();
    window.run();
}

bool OpenNotesOverview(WindowContext& context) {
    AppState& state = context.state;
    state.notes.SetPassword(state.session.userPassword);
    const ViewState& v = state.view;
    const std::string text =
        BuildNotesOverview(state.notes, v.firstYear, v.firstMonth, state.settings.lastColumn + 1, NoteDateCode(LocalToday()));
    if (text.empty()) {
        ShowMessage(&context.parent, message_titles::kInformation, std::string(kNoNotesInViewText));
        return false;
    }
    ShowNotesText(context.parent, kOverviewTitle, context.units, text, false);
    return false;
}

}  // namespace sk
