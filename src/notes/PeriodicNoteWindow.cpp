#include "notes/NoteEditorWindow.h"
#include "notes/NoteWindow.h"
#include "notes/PeriodicNoteModel.h"
#include "ui/MessageBox.h"

namespace sk {

bool OpenPeriodicNoteWindow(WindowContext& context) {
    const std::optional<SelectedDay> selected = SelectedNoteDay(context.state);
    if (!selected) return false;
    NoteStore& store = context.state.notes;
    PeriodicNoteModel model(store, selected->day, selected->cellCode);
    NoteEditorWindow window(&context.parent, model.Title(), context.units, 62, 33, model.Edit(), 1.5);

    const Units& un = context.units;
    const int b = window.ButtonWidth(), h = window.ButtonHeight(), W = window.InnerWidth();
    const int y2 = window.RowTop(29), y3 = window.RowTop(31);
    Gtk::Label every, days, entry;
    SetUpLabel(every, periodic_texts::kEvery);
    window.PlacePixels(every, un.u, y2 + un.Y(0.5), un.X(31), un.r);
    Gtk::SpinButton period(Gtk::Adjustment::create(kDefaultPeriod, kFirstPeriod, kLastPeriod, 1, 7, 0));
    period.set_numeric(true);
    period.set_tooltip_text(periodic_texts::kPeriodTip);
    period.set_value(model.Period());
    window.PlacePixels(period, un.X(32), y2, un.X(8), h);
    SetUpLabel(days, periodic_texts::kDays);
    window.PlacePixels(days, W - un.X(19), y2 + un.Y(0.5), un.X(18), un.r);

    Gtk::Button previous(note_texts::kPrevious), next(note_texts::kNext);
    previous.set_tooltip_text(note_texts::kPreviousTip);
    next.set_tooltip_text(note_texts::kNextTip);
    window.PlacePixels(previous, un.u, y3, b - un.u, h);
    window.PlacePixels(next, W - b, y3, b - un.u, h);
    SetUpLabel(entry, model.EntryLabel());
    entry.set_xalign(0.5f);
    const int entryWidth = RoundHalfEven(2.5 * b);
    window.PlacePixels(entry, (W - entryWidth) / 2, y3 + un.Y(0.5), entryWidth, un.r);

    bool showingPeriod = false;
    period.signal_value_changed().connect([&] {
        if (!showingPeriod) model.SetPeriod(period.get_value_as_int());
    });
    const auto step = [&](int delta) {
        if (model.Step(store, delta)) {
            window.ShowWorking();
            showingPeriod = true;
            period.set_value(model.Period());
            showingPeriod = false;
            entry.set_text(model.EntryLabel());
        }
        window.FocusEditor();
    };
    previous.signal_clicked().connect([&] { step(-1); });
    next.signal_clicked().connect([&] { step(+1); });

    window.RunEditor(
        [&] {
            period.update();
            model.SetPeriod(period.get_value_as_int());
            return model.WouldSave();
        },
        [&] {
            if (!model.WouldSave()) return true;
            if (model.NeedsOverwriteQuestion(store) && !AskQuestion(&window, periodic_texts::kOverwriteQuestion)) {
                return true;
            }
            return ReportNoteWrite(window, model.Save(store));
        });
    return true;
}

}  // namespace sk
