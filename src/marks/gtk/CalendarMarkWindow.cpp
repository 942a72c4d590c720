#include "marks/gtk/CalendarMarkWindow.h"

#include "marks/CalendarMarkWindowModel.h"
#include "marks/gtk/ShiftMarkWindow.h"
#include "marks/ShiftMarkWindowModel.h"
#include "ui/DateField.h"
#include "ui/MessageBox.h"
#include "ui/ModalWindow.h"
#include "ui/WorkArea.h"

namespace sk {

namespace {

enum Response { kSaveResponse = 1, kDeleteResponse = 2, kCancelResponse = 3 };

void SetUpLabel(Gtk::Label& label, const char* text) {
    label.set_text(text);
    label.set_xalign(0.0f);
}

void SetUpButton(Gtk::Button& button, const char* text, const char* tip) {
    button.set_label(text);
    button.set_tooltip_text(tip);
}

// The system colour chooser, starting on the model's colour; a cancelled
// chooser leaves it.
void ChooseMarkColour(Gtk::Window& owner, CalendarMarkWindowModel& model) {
    // The title-only constructor: the one with a parent would add the dialog
    // into the parent. Transient and centred, it opens over its window.
    Gtk::ColorChooserDialog chooser(calendar_mark_texts::kColourButton);
    KeepInWorkArea(chooser);
    chooser.set_transient_for(owner);
    chooser.set_position(Gtk::WIN_POS_CENTER_ON_PARENT);
    chooser.set_use_alpha(false);
    Gdk::RGBA current;
    double red = 0, green = 0, blue = 0;
    model.ColourComponents(red, green, blue);
    current.set_rgba(red, green, blue, 1.0);
    chooser.set_rgba(current);
    if (chooser.run() == Gtk::RESPONSE_OK) {
        const Gdk::RGBA chosen = chooser.get_rgba();
        model.ChooseColour(chosen.get_red(), chosen.get_green(), chosen.get_blue());
    }
    chooser.hide();
}

DayNumber DayOf(DateField& field) {
    const CivilDate d = field.Date();
    return DayNumberOf(d.year, d.month, d.day);
}

}  // namespace

bool OpenCalendarMarkWindow(WindowContext& context) {
    using namespace calendar_mark_texts;
    AppState& state = context.state;
    const std::optional<DayNumber> day = SelectedDay(state.view, state.Grid());
    if (!day) return false;
    CalendarMarkWindowModel model(state.calendarMarks, *day);

    ModalWindow window(&context.parent, kTitle, context.units, 44, 12);
    window.set_name("sk-main");  // the program font and background of the main window

    const DateFieldRange range{kFirstMarkFieldDay, kLastMarkFieldDay};
    Gtk::Label startLabel, endLabel, colourLabel;
    DateField startField(true, range), endField(true, range);
    startField.SetFieldName("Startdatum");
    endField.SetFieldName("Enddatum");
    startField.SetDate(CivilOf(model.Start()));
    endField.SetDate(CivilOf(model.End()));
    SetUpLabel(startLabel, kStartLabel);
    SetUpLabel(endLabel, kEndLabel);
    SetUpLabel(colourLabel, kColourLabel);
    window.Place(startLabel, 1, 1.2, 23, 1.5);
    window.Place(startField, 24, 1, 18, 1.5);
    window.Place(endLabel, 1, 4.2, 23, 1.5);
    window.Place(endField, 24, 4, 18, 1.5);
    window.Place(colourLabel, 3, 7.2, 17, 1.5);

    Gtk::Button colourButton, saveButton, deleteButton, cancelButton;
    SetUpButton(colourButton, kColourButton, kColourTip);
    SetUpButton(saveButton, kSave, kSaveTip);
    SetUpButton(deleteButton, kDelete, kDeleteTip);
    SetUpButton(cancelButton, kCancel, kCancelTip);
    window.Place(colourButton, 21, 7, 17, 1.5);
    window.Place(saveButton, 1, 10, 10, 1.5);
    window.Place(deleteButton, 17, 10, 10, 1.5);
    window.Place(cancelButton, 33, 10, 10, 1.5);
    colourButton.signal_clicked().connect([&] { ChooseMarkColour(window, model); });
    saveButton.signal_clicked().connect([&] { window.response(kSaveResponse); });
    deleteButton.signal_clicked().connect([&] { window.response(kDeleteResponse); });
    cancelButton.signal_clicked().connect([&] { window.response(kCancelResponse); });

    AcceptOnReturn(window, saveButton);
    endField.grab_focus();
    CalendarMarkEnding ending = CalendarMarkEnding::Cancel;  // Esc, "Abbruch" and closing the window
    DayNumber startDay = model.Start(), endDay = model.End();
    for (;;) {
        const int response = window.run();
        // A date that is none is refused before anything is saved.
        if (response == kSaveResponse && !state.view.quitRequested && (!startField.Checked() || !endField.Checked()))
            continue;
        startDay = DayOf(startField);
        endDay = DayOf(endField);
        ending = CalendarMarkEnding::Cancel;
        if (response == kDeleteResponse) ending = CalendarMarkEnding::Delete;
        if (response != kSaveResponse || state.view.quitRequested) break;
        // A save that reshapes or hides another mark happens only when the user says so.
        const std::string question = model.SaveQuestion(state.calendarMarks, startDay, endDay);
        const bool save = question.empty() || AskQuestion(&window, question);
        if (state.view.quitRequested) break;
        if (save) {
            ending = CalendarMarkEnding::Save;
            break;
        }
        endField.grab_focus();
    }
    window.hide();
    if (model.Finish(state.calendarMarks, ending, startDay, endDay) && state.calendarMarks.changed) {
        // Saved at once, so neither a lost session nor another instance on
        // the shared folder can take the mark away.
        const bool saved = state.calendarMarks.Save(state.userDataFolder);
        ReportMarkSave(context.parent, saved, state.calendarMarks.lastProblem, state.userDataFolder);
    }
    return true;
}

}  // namespace sk
