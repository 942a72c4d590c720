#include "notes/DayNoteModel.h"
#include "notes/gtk/NoteEditorWindow.h"
#include "notes/gtk/NoteWindow.h"

namespace sk {

bool OpenDayNoteWindow(WindowContext& context) {
    const std::optional<NoteDay> selected = OpenNotesOfSelectedDay(context.state);
    if (!selected) return false;
    NoteStore& store = context.state.notes;
    DayNoteModel model(store, selected->cellCode);
    NoteEditorWindow window(&context.parent, model.Title(), context.units, 62, 29, model.Edit(), 1.0);
    const OpenNoteEditorMark onScreen(context.state, model.Edit());
    window.RunEditor(model, store, [] {}, [&] { return context.state.view.quitRequested; });
    return true;
}

}  // namespace sk
