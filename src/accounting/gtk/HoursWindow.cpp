#include "accounting/gtk/HoursWindow.h"

#include "accounting/AccountCommon.h"
#include "accounting/gtk/HomeCrewOptionsWindow.h"
#include "accounting/HoursWindowModel.h"
#include "ui/DateField.h"
#include "ui/MessageBox.h"
#include "ui/ModalWindow.h"
#include "ui/Accessible.h"

namespace sk {

bool OpenHoursWindow(WindowContext& context) {
    AppState& state = context.state;
    if (!HasAccounts(state.settings.calendarType)) return false;
    HoursRecord& record = state.accounts.For(state.userDataFolder).hours;
    HoursForm form = OpenHoursForm(state.userDataFolder, record);

    ModalWindow window(&context.parent, kHoursWindowTitle, context.units, 60, 10.5);
    window.set_name("sk-main");  // the program font and background of the main window

    Gtk::Label startLabel("Stunden am:");
    startLabel.set_xalign(0.0f);
    window.Place(startLabel, 1, 1, 12, 1.5);
    DateField startField(true, DateFieldRange{});
    startField.SetFieldName("Stunden am");
    startField.SetDate(CivilOf(form.countStart));
    window.Place(startField, 13, 1, 15, 1.5);
    Gtk::Entry hoursField;
    hoursField.set_width_chars(1);
    hoursField.set_text(form.hoursText);
    NameForScreenReaders(hoursField, "Stundenstand");
    hoursField.get_accessible()->set_description("Minus- oder Plusstunden am gewählten Tag, in der gewählten Schreibweise");
    window.Place(hoursField, 29, 1, 9, 1.5);

    Gtk::RadioButton minutesOption("Std:Min"), decimalOption("Std,dez");
    decimalOption.join_group(minutesOption);
    window.Place(minutesOption, 39, 1, 10, 1.5);
    window.Place(decimalOption, 50, 1, 9, 1.5);
    (form.notation == kMinutesNotation ? minutesOption : decimalOption).set_active(true);
    std::vector<sigc::connection> handlers;
    const auto choose = [&](Gtk::RadioButton& option, int notation) {
        handlers.push_back(option.signal_toggled().connect([&option, &form, &hoursField, notation] {
            if (!option.get_active()) return;
            form.hoursText = hoursField.get_text();
            ChooseNotation(form, notation);
            hoursField.set_text(form.hoursText);
        }));
    };
    choose(minutesOption, kMinutesNotation);
    choose(decimalOption, kDecimalNotation);

    HomeCrewOptions crews(window, 3, form.homeCrew, HomeCrewOptionNames(state));

    Gtk::CheckButton blockAsMinus("Den Urlaubsblock als Minusstunden berechnen");
    blockAsMinus.set_tooltip_text("Wenn im Urlaubsblock gearbeitet wird, z. B. bei Schichttausch");
    blockAsMinus.set_active(form.vacationBlockAsMinus);
    handlers.push_back(blockAsMinus.signal_toggled().connect(
        [&] { form.vacationBlockAsMinus = blockAsMinus.get_active(); }));
    window.Place(blockAsMinus, 1, 5, 58, 1.5);
    // The own plan has no vacation block.
    blockAsMinus.set_sensitive(state.settings.calendarType != kOwnPlanCalendarType);

    Gtk::Button save("Speichern"), cancel("Abbruch");
    save.set_tooltip_text("Speichert die Stunden");
    cancel.set_tooltip_text("Verlässt das Eingabefenster ohne Änderungen");
    save.signal_clicked().connect([&] { window.response(Gtk::RESPONSE_OK); });
    cancel.signal_clicked().connect([&] { window.response(Gtk::RESPONSE_CANCEL); });
    window.Place(save, 1, 8, 10, 1.8);
    window.Place(cancel, 49, 8, 10, 1.8);

    window.signal_key_press_event().connect(
        [&](GdkEventKey* event) {
            if (event->keyval != GDK_KEY_Return && event->keyval != GDK_KEY_KP_Enter) return false;
            if (window.get_focus() == &cancel) return false;  // Return on "Abbruch" cancels
            window.response(Gtk::RESPONSE_OK);
            return true;
        },
        false);

    hoursField.grab_focus();
    hoursField.set_position(-1);
    int response = window.run();
    // A balance that is no number in range, or a date that is none, is
    // refused; the window stays.
    while (response == Gtk::RESPONSE_OK) {
        if (!startField.Checked()) {
            response = window.run();
            continue;
        }
        form.hoursText = hoursField.get_text();
        const std::optional<std::string> refused = CheckHoursForm(form);
        if (!refused) break;
        ShowMessage(&window, message_titles::kError, *refused);
        hoursField.grab_focus();
        response = window.run();
    }
    // The controls report nothing more while they are torn down.
    for (sigc::connection& c : handlers) c.disconnect();
    if (response == Gtk::RESPONSE_OK) {
        const CivilDate start = startField.Date();
        form.countStart = DayNumberOf(start.year, start.month, start.day);
        window.hide();
        if (!SaveHoursForm(state.userDataFolder, record, form)) {
            ShowMessage(&context.parent, message_titles::kError, "Die Stunden konnten nicht gespeichert werden!");
        }
    }
    return true;
}

}  // namespace sk
