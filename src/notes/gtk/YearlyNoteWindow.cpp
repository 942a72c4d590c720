#include "notes/gtk/NoteEditorWindow.h"
#include "notes/gtk/NoteWindow.h"
#include "notes/YearlyNoteModel.h"
#include "ui/Accessible.h"

namespace sk {

bool OpenYearlyNoteWindow(WindowContext& context) {
    const std::optional<NoteDay> selected = OpenNotesOfSelectedDay(context.state);
    if (!selected) return false;
    NoteStore& store = context.state.notes;
    YearlyNoteModel model(store, selected->cellCode);
    NoteEditorWindow window(&context.parent, model.Title(), context.units, 62, 31, model.Edit(), 1.0);
    const OpenNoteEditorMark onScreen(context.state, model.Edit());

    const Units& un = context.units;
    const int b = window.ButtonWidth(), h = window.ButtonHeight(), y2 = window.RowTop(29);
    Gtk::Label countFrom;
    SetUpLabel(countFrom, yearly_texts::kCountFrom);
    // One text row high, like the labels of the other note windows: a button
    // height from half a row down would reach past the window.
    window.PlacePixels(countFrom, un.u, y2 + un.Y(0.5), un.X(31), un.r);
    Gtk::SpinButton startYear(Gtk::Adjustment::create(kDefaultStartYear, kFirstStartYear, kLastStartYear, 1, 10, 0));
    startYear.set_numeric(true);
    startYear.set_tooltip_text(yearly_texts::kStartYearTip);
    NameForScreenReaders(startYear, yearly_texts::kCountFrom);
    startYear.set_value(model.StartYear());
    startYear.signal_value_changed().connect([&] { model.SetStartYear(startYear.get_value_as_int()); });
    window.PlacePixels(startYear, un.X(33), y2, RoundHalfEven(b / 1.2), h);
    Gtk::Button insert(yearly_texts::kInsert);
    insert.set_tooltip_text(yearly_texts::kInsertTip);
    insert.signal_clicked().connect([&] {
        startYear.update();
        model.SetStartYear(startYear.get_value_as_int());
        model.InsertYearMarker();
        // The line goes at the end: typing goes on after it (the name).
        window.ShowWorking(NoteEditorWindow::Caret::End);
    });
    window.PlacePixels(insert, window.InnerWidth() - b - un.u, y2, b, h);

    window.RunEditor(model, store, [] {}, [&] { return context.state.view.quitRequested; });
    return true;
}

}  // namespace sk
