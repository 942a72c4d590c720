#include "remind/gtk/ReminderWindow.h"

#include <filesystem>

#include "accounting/HoursAccount.h"
#include "remind/ReminderTimer.h"
#include "remind/ReminderWindowModel.h"
#include "settings/Users.h"
#include "ui/MessageBox.h"
#include "ui/ModalWindow.h"
#include "ui/ProgramStyle.h"
#include "ui/Accessible.h"

namespace sk {

namespace {

// The helper beside the running program (the build folder, or the
// installed bin folder); else the one the search path finds.
std::string SchichtplanPath() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::string beside = (self.parent_path() / "schichtplan").string();
    return !ec && Glib::file_test(beside, Glib::FILE_TEST_IS_EXECUTABLE) ? beside : std::string("schichtplan");
}

struct CommandResult {
    bool ran = false;
    int status = -1;
    std::string errorText;
};

CommandResult Run(const std::vector<std::string>& argv) {
    CommandResult result;
    if (Glib::find_program_in_path(argv.front()).empty()) return result;
    std::string out, err;
    try {
        Glib::spawn_sync("", argv, Glib::SPAWN_SEARCH_PATH, {}, &out, &err, &result.status);
        result.ran = true;
        result.errorText = err;
    } catch (const Glib::Error& e) {
        result.errorText = e.what();
    }
    return result;
}

bool SystemdUserInstanceAnswers() {
    const CommandResult r = Run(SystemdUserCheckCommand());
    return r.ran && r.status == 0;
}

// Switches the timer; on failure the person is told how else to run the helper.
void SwitchTimer(Gtk::Window& owner, const std::string& settingsFolder, bool on) {
    if (!SystemdUserInstanceAnswers()) {
        if (on)
            ShowMessage(&owner, message_titles::kInformation,
                        ManualReminderHelpText(SchichtplanPath(), settingsFolder));
        return;
    }
    const CommandResult r = Run(ReminderTimerCommand(settingsFolder, on));
    if (r.ran && r.status == 0) return;
    std::string text = "Der systemd-Timer für die Erinnerungen ließ sich nicht ";
    text += on ? "einschalten:\n" : "ausschalten:\n";
    text += r.errorText;
    if (on) text += "\n" + ManualReminderHelpText(SchichtplanPath(), settingsFolder);
    ShowMessage(&owner, message_titles::kError, text);
}

}  // namespace

ReminderPlan ReminderPlanOfProgram(AppState& state) {
    // A copy: the rounds run beside the account windows and leave their records alone.
    HoursRecord hours = state.accounts.For(state.userDataFolder).hours;
    LoadHours(state.userDataFolder, hours);
    ReminderPlan plan;
    plan.calendarType = state.settings.calendarType;
    plan.crew = hours.homeCrew;
    plan.ownPlan = state.OwnPlan();
    plan.vacationStartMonth = state.sources.vacationStartMonth;
    plan.vacationStartDay = state.sources.vacationStartDay;
    plan.vacationOrder = state.vacationTables;
    plan.marks = &state.shiftMarks;
    plan.notes = &state.notes;
    plan.withPassword = !state.session.userPassword.empty();
    return plan;
}

bool OpenReminderWindow(WindowContext& context) {
    AppState& state = context.state;
    const std::string folder = SettingsFolder(state.session.baseDataDirectory, state.settings.userName);
    const ReminderSettingsRead read = LoadReminderSettings(folder);
    if (!read.error.empty())
        ShowMessage(&context.parent, message_titles::kError,
                    read.error + "\nDas Fenster zeigt die Vorgaben; „Übernehmen“ schreibt die Datei neu.");
    const ReminderForm form = ReminderFormOf(read.settings);
    const bool wasOn = read.error.empty() && read.settings.enabled;

    ModalWindow window(&context.parent, kReminderWindowTitle, context.units, 50, 17);
    Gtk::CheckButton enabled("_Erinnerungen einschalten", true);
    enabled.set_active(form.enabled);
    enabled.set_tooltip_text("Meldet die Schichten und Jahrestage als Benachrichtigung, auch bei geschlossenem "
                             "Programm");
    Gtk::Label whose(ReminderWhoseShiftText(ReminderPlanOfProgram(state)), Gtk::ALIGN_START);
    whose.set_line_wrap(true);
    Gtk::CheckButton evening("Am Vortag um");
    evening.set_active(form.eveningBefore);
    evening.set_tooltip_text("Am Abend vor jeder Schicht: „Morgen Frühschicht 6.00 - 14.00 Uhr“");
    Gtk::Entry eveningTime;
    eveningTime.set_text(form.eveningTime);
    eveningTime.set_max_length(5);
    NameForScreenReaders(eveningTime, "Uhrzeit am Vortag");
    eveningTime.set_tooltip_text("Uhrzeit, z. B. 20:00");
    Gtk::Label beforeLabel("Vor Schichtbeginn:", Gtk::ALIGN_START);
    Gtk::ComboBoxText before;
    for (int minutes : kBeforeStartChoices) before.append(BeforeStartText(minutes));
    before.set_active(form.beforeStartChoice);
    NameForScreenReaders(before, "Vor Schichtbeginn");
    before.set_tooltip_text("Eine zweite Erinnerung so lange vor Beginn der Schicht");
    Gtk::CheckButton yearly("Jahrestage um");
    yearly.set_active(form.yearlyNotes);
    yearly.set_tooltip_text("Die jährlichen Notizen (z. B. Geburtstage) am Tag selbst");
    Gtk::Entry yearlyTime;
    yearlyTime.set_text(form.yearlyTime);
    yearlyTime.set_max_length(5);
    NameForScreenReaders(yearlyTime, "Uhrzeit der Jahrestage");
    yearlyTime.set_tooltip_text("Uhrzeit, z. B. 08:00");
    const bool systemd = SystemdUserInstanceAnswers();
    Gtk::Label background(systemd ? "Bei geschlossenem Programm meldet ein systemd-Timer die Erinnerungen "
                                    "(alle 15 Minuten)."
                                  : "Kein systemd für den Benutzer: beim Einschalten sagt ein Hinweis, wie die "
                                    "Erinnerungen bei geschlossenem Programm kommen.",
                          Gtk::ALIGN_START);
    background.set_line_wrap(true);
    Gtk::Button accept("Übernehmen");
    accept.set_tooltip_text("Speichert die Erinnerungen");
    Gtk::Button cancel("Abbruch");
    cancel.set_tooltip_text("Verlässt das Fenster ohne Änderungen");
    accept.signal_clicked().connect([&] { window.response(Gtk::RESPONSE_OK); });
    cancel.signal_clicked().connect([&] { window.response(Gtk::RESPONSE_CANCEL); });
    auto follow = [&] {
        const bool on = enabled.get_active();
        for (Gtk::Widget* w : std::initializer_list<Gtk::Widget*>{&evening, &before, &beforeLabel, &yearly})
            w->set_sensitive(on);
        eveningTime.set_sensitive(on && evening.get_active());
        yearlyTime.set_sensitive(on && yearly.get_active());
    };
    for (Gtk::CheckButton* b : {&enabled, &evening, &yearly}) b->signal_toggled().connect(follow);
    follow();

    window.Place(enabled, 1, 1, 40, 1.5);
    window.Place(whose, 1, 3, 48, 1.5);
    window.Place(evening, 3, 5, 18, 1.5);
    window.Place(eveningTime, 22, 5, 8, 1.5);
    window.Place(beforeLabel, 3, 7, 18, 1.5);
    window.Place(before, 22, 7, 10, 1.5);
    window.Place(yearly, 3, 9, 18, 1.5);
    window.Place(yearlyTime, 22, 9, 8, 1.5);
    window.Place(background, 1, 11, 48, 2.5);
    window.Place(accept, 1, 14.5, 13, 1.8);
    window.Place(cancel, 36, 14.5, 13, 1.8);
    for (Gtk::Widget* w : std::initializer_list<Gtk::Widget*>{&enabled, &whose, &evening, &eveningTime, &beforeLabel,
                                                                &before, &yearly, &yearlyTime, &background, &accept,
                                                                &cancel})
        w->show();
    UseProgramFont(window);
    AcceptOnReturn(window, accept);
    accept.grab_focus();

    while (window.run() == Gtk::RESPONSE_OK) {
        ReminderForm filled;
        filled.enabled = enabled.get_active();
        filled.eveningBefore = evening.get_active();
        filled.eveningTime = eveningTime.get_text();
        filled.beforeStartChoice = before.get_active_row_number();
        filled.yearlyNotes = yearly.get_active();
        filled.yearlyTime = yearlyTime.get_text();
        std::string error;
        const std::optional<ReminderSettings> settings = ReminderSettingsOf(filled, error);
        if (!settings) {
            ShowMessage(&window, message_titles::kError, error);
            continue;
        }
        if (!SaveReminderSettings(folder, *settings)) {
            ShowMessage(&window, message_titles::kError,
                        "Die Erinnerungen konnten nicht in " + folder + kReminderSettingsFileName +
                            " gespeichert werden!");
            continue;
        }
        window.hide();
        // Off leaves nothing running; on (again) makes sure the timer runs.
        if (settings->enabled || wasOn) SwitchTimer(context.parent, folder, settings->enabled);
        return false;
    }
    return false;
}

}  // namespace sk
