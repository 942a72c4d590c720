#include "notes/DayNoteModel.h"
#include "notes/gtk/NoteEditorWindow.h"
#include "notes/gtk/NoteWindow.h"

namespace sk {

bool OpenDayNoteWindow(WindowContext& context) {
    const std::optional<SelectedDay> selected = SelectedNoteDay(context.state);
    if (!selected) return false;
    NoteStore& store = context.state.notes;
    DayNoteModel model(store, selected->cellCode);
    NoteEditorWindow window(&context.parent, model.Title(), context.units, 62, 29, model.Edit(), 1.0);
    window.RunEditor([&] { return model.WouldSave(); },
                     [&] { return !model.WouldSave() || ReportNoteWrite(window, model.Save(store)); });
    return true;
}

}  // namespace sk
