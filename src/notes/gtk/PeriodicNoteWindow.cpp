#include "notes/gtk/NoteEditorWindow.h"
#include "notes/gtk/NoteWindow.h"
#include "notes/PeriodicNoteModel.h"
#include "ui/Accessible.h"

namespace sk {

bool OpenPeriodicNoteWindow(WindowContext& context) {
    const std::optional<NoteDay> selected = OpenNotesOfSelectedDay(context.state);
    if (!selected) return false;
    NoteStore& store = context.state.notes;
    PeriodicNoteModel model(store, selected->day, selected->cellCode);
    NoteEditorWindow window(&context.parent, model.Title(), context.units, 62, 33, model.Edit(), 1.5);
    const OpenNoteEditorMark onScreen(context.state, model.Edit());

    const Units& un = context.units;
    const int h = window.ButtonHeight(), W = window.InnerWidth();
    const int y2 = window.RowTop(29), y3 = window.RowTop(31);
    Gtk::Label every, days;
    SetUpLabel(every, periodic_texts::kEvery);
    window.PlacePixels(every, un.u, y2 + un.Y(0.5), un.X(31), un.r);
    Gtk::SpinButton period(Gtk::Adjustment::create(kDefaultPeriod, kFirstPeriod, kLastPeriod, 1, 7, 0));
    period.set_numeric(true);
    period.set_tooltip_text(periodic_texts::kPeriodTip);
    NameForScreenReaders(period, "Wiederholung alle … Tage");
    period.set_value(model.Period());
    window.PlacePixels(period, un.X(32), y2, un.X(8), h);
    SetUpLabel(days, periodic_texts::kDays);
    window.PlacePixels(days, W - un.X(19), y2 + un.Y(0.5), un.X(18), un.r);

    bool showingPeriod = false;
    window.PlaceEntrySteps(
        y3, [&](int delta) { return model.Step(store, delta); }, [&] { return model.EntryLabel(); },
        [&] {
            showingPeriod = true;
            period.set_value(model.Period());
            showingPeriod = false;
        });
    period.signal_value_changed().connect([&] {
        if (!showingPeriod) model.SetPeriod(period.get_value_as_int());
    });

    window.RunEditor(
        model, store,
        [&] {
            period.update();
            model.SetPeriod(period.get_value_as_int());
        },
        [&] { return context.state.view.quitRequested; });
    return true;
}

}  // namespace sk
