#include "accounting/gtk/VacationWindow.h"

#include "accounting/AccountCommon.h"
#include "accounting/gtk/HomeCrewOptionsWindow.h"
#include "accounting/VacationWindowModel.h"
#include "ui/DateField.h"
#include "ui/MessageBox.h"
#include "ui/ModalWindow.h"
#include "ui/Accessible.h"

namespace sk {

namespace {

bool IsReturnKey(const GdkEventKey* event) {
    return event->keyval == GDK_KEY_Return || event->keyval == GDK_KEY_KP_Enter;
}

}  // namespace

bool OpenVacationWindow(WindowContext& context) {
    AppState& state = context.state;
    if (!HasAccounts(state.settings.calendarType)) return false;
    const int currentYear = LocalToday().year;
    AccountFiles& files = state.accounts.For(state.userDataFolder);
    VacationForm form = OpenVacationForm(state.userDataFolder, files, currentYear);

    ModalWindow window(&context.parent, kVacationWindowTitle, context.units, 60, 8);
    window.set_name("sk-main");  // the program font and background of the main window

    Gtk::Label startLabel("Resturlaub am:"), daysLabel("Tage");
    startLabel.set_xalign(0.0f);
    daysLabel.set_xalign(0.0f);
    window.Place(startLabel, 1, 1, 13, 1.5);
    DateField startField(true, DateFieldRange{VacationFormFirstDay(currentYear), VacationFormLastDay(currentYear)});
    startField.SetFieldName("Resturlaub am");
    startField.SetDate(CivilOf(form.countStart));
    window.Place(startField, 15, 1, 15, 1.5);
    window.Place(daysLabel, 33, 1, 5, 1.5);
    Gtk::Entry daysField;
    daysField.set_width_chars(1);
    daysField.set_text(form.daysText);
    NameForScreenReaders(daysField, "Resturlaub in Tagen");
    window.Place(daysField, 38, 1, 8, 1.5);
    bool limiting = false;
    sigc::connection limit = daysField.signal_changed().connect([&] {
        if (limiting) return;
        const std::string text = daysField.get_text();
        const std::string limited = LimitVacationDaysField(text);
        if (limited == text) return;
        limiting = true;
        daysField.set_text(limited);
        daysField.set_position(-1);
        limiting = false;
    });

    HomeCrewOptions crews(window, 3, form.homeCrew, HomeCrewOptionNames(state));

    Gtk::Button save("Speichern"), cancel("Abbruch");
    save.set_tooltip_text("Speichert die Urlaubstage");
    cancel.set_tooltip_text("Verlässt das Eingabefenster ohne Änderungen");
    save.signal_clicked().connect([&] { window.response(Gtk::RESPONSE_OK); });
    cancel.signal_clicked().connect([&] { window.response(Gtk::RESPONSE_CANCEL); });
    window.Place(save, 1, 5.5, 10, 1.8);
    window.Place(cancel, 49, 5.5, 10, 1.8);

    window.signal_key_press_event().connect(
        [&](GdkEventKey* event) {
            if (!IsReturnKey(event)) return false;
            if (window.get_focus() == &cancel) return false;  // Return on "Abbruch" cancels
            window.response(Gtk::RESPONSE_OK);
            return true;
        },
        false);

    daysField.grab_focus();
    daysField.set_position(-1);
    int response = window.run();
    // Days that are no whole number in range, or a date that is none, are
    // refused; the window stays.
    while (response == Gtk::RESPONSE_OK) {
        if (!startField.Checked()) {
            response = window.run();
            continue;
        }
        form.daysText = daysField.get_text();
        const std::optional<std::string> refused = CheckVacationForm(form);
        if (!refused) break;
        ShowMessage(&window, message_titles::kError, *refused);
        daysField.grab_focus();
        response = window.run();
    }
    limit.disconnect();
    if (response == Gtk::RESPONSE_OK) {
        const CivilDate start = startField.Date();
        form.countStart = DayNumberOf(start.year, start.month, start.day);
        window.hide();
        if (!SaveVacationForm(state.userDataFolder, files, form, currentYear)) {
            ShowMessage(&context.parent, message_titles::kError,
                        "Die Urlaubstage konnten nicht gespeichert werden!");
        }
    }
    return true;
}

}  // namespace sk
