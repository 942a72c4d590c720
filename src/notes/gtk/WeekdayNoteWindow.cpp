#include "notes/gtk/NoteEditorWindow.h"
#include "notes/gtk/NoteWindow.h"
#include "notes/WeekdayNoteModel.h"
#include "ui/Accessible.h"

namespace sk {

bool OpenWeekdayNoteWindow(WindowContext& context) {
    const std::optional<NoteDay> selected = OpenNotesOfSelectedDay(context.state);
    if (!selected) return false;
    NoteStore& store = context.state.notes;
    WeekdayNoteModel model(store, selected->day);
    NoteEditorWindow window(&context.parent, weekday_texts::kTitle, context.units, 64, 33, model.Edit(), 1.5);
    const OpenNoteEditorMark onScreen(context.state, model.Edit());

    const Units& un = context.units;
    const int h = window.ButtonHeight(), W = window.InnerWidth();
    const int y2 = window.RowTop(29), y3 = window.RowTop(31);
    const int labelY = y2 + un.Y(0.5);
    Gtk::Label each, weekday, show;
    SetUpLabel(each, weekday_texts::kEach);
    window.PlacePixels(each, un.u, labelY, un.X(12), un.r);
    Gtk::ComboBoxText occurrence;
    for (const char* name : kOccurrenceNames) occurrence.append(name);
    window.PlacePixels(occurrence, un.X(13), y2, un.X(10), h);
    // Named by what they choose, not by the entry they show.
    NameForScreenReaders(occurrence, "Welcher Wochentag im Monat");
    SetUpLabel(weekday, model.WeekdayLabel());
    window.PlacePixels(weekday, un.X(24), labelY, un.X(15), un.r);
    Gtk::ComboBoxText month;
    for (const std::string& item : model.MonthItems()) month.append(item);
    window.PlacePixels(month, un.X(39), y2, un.X(12), h);
    NameForScreenReaders(month, "In welchem Monat");
    SetUpLabel(show, weekday_texts::kShow);
    window.PlacePixels(show, W - un.X(10), labelY, un.X(9), un.r);

    bool showing = false;
    const auto showChoices = [&] {
        showing = true;
        occurrence.set_active(model.Occurrence());
        month.set_active(model.MonthItem());
        showing = false;
    };
    showChoices();
    occurrence.signal_changed().connect([&] {
        if (!showing && occurrence.get_active_row_number() >= 0) model.ChooseOccurrence(occurrence.get_active_row_number());
    });
    month.signal_changed().connect([&] {
        if (!showing && month.get_active_row_number() >= 0) model.ChooseMonthItem(month.get_active_row_number());
    });
    window.PlaceEntrySteps(
        y3, [&](int delta) { return model.Step(store, delta); }, [&] { return model.EntryLabel(); }, showChoices);

    window.RunEditor(model, store, [] {}, [&] { return context.state.view.quitRequested; });
    return true;
}

}  // namespace sk
