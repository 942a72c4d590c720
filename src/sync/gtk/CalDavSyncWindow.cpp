#include "sync/gtk/CalDavSyncWindow.h"

#include "calendar/Today.h"
#include "ical/PhoneExport.h"
#include "sync/gtk/Keyring.h"
#include "ui/Accessible.h"
#include "ui/MessageBox.h"
#include "ui/ModalWindow.h"
#include "ui/ProgramStyle.h"

namespace sk {

namespace {

constexpr unsigned kStatusPollMilliseconds = 250;

CalDavSyncService::FailureTeller TellFailure(CommandHost& host) {
    return [&host](const std::string& text) { host.ShowMessage(kCalDavSyncTitle, text); };
}

}  // namespace

CalDavSyncService& CalDavSync() {
    static CalDavSyncService service([](const SyncSettings& s) {
        return LookUpSyncPassword(s.serverUrl, s.user).value_or("");
    });
    return service;
}

SyncPlanInputs SyncPlanInputsOf(AppState& state) {
    SyncPlanInputs in;
    in.dataFolder = state.userDataFolder;
    in.calendarType = state.settings.calendarType;
    // As the program holds it: the account status of each repaint keeps it current.
    in.homeCrew = state.accounts.For(state.userDataFolder).hours.homeCrew;
    in.ownPlan = state.OwnPlan();
    in.marks = &state.shiftMarks;
    in.vacationStartMonth = state.sources.vacationStartMonth;
    in.vacationStartDay = state.sources.vacationStartDay;
    in.vacationOrder = state.vacationTables;
    in.region = state.settings.region;
    return in;
}

void TickCalDavSync(AppState& state, CommandHost& host) { CalDavSync().Tick(SyncPlanInputsOf(state), TellFailure(host)); }

bool OpenCalDavSyncWindow(WindowContext& context) {
    AppState& state = context.state;
    CalDavSyncService& service = CalDavSync();
    SyncSettings settings = LoadSyncSettings(state.userDataFolder);
    const PhoneExportForm crews =
        DefaultPhoneExportForm(state.settings.calendarType, 0, LocalToday().year, "", state.OwnPlan());
    if (crews.crewNames.empty()) {
        ShowMessage(&context.parent, message_titles::kInformation,
                    "Es ist noch kein eigener Schichtplan festgelegt (Programm - Eigener Schichtplan).");
        return false;
    }

    ModalWindow window(&context.parent, kCalDavSyncTitle, context.units, 61, 21.5);
    Gtk::Label intro("Die Schichten gehen an einen Kalender auf einem CalDAV-Server (z. B. Nextcloud),\n"
                     "den Handy und andere Geräte lesen. Termine anderer Herkunft bleiben unberührt.",
                     Gtk::ALIGN_START);
    Gtk::Label serverLabel("Serveradresse:", Gtk::ALIGN_START);
    Gtk::Entry server;
    server.set_text(settings.serverUrl);
    server.set_placeholder_text("https://server/remote.php/dav/calendars/name/schichten/");
    server.set_tooltip_text("Die Adresse des Kalenders auf dem Server (https://...)");
    Gtk::Label userLabel("Benutzername:", Gtk::ALIGN_START);
    Gtk::Entry user;
    user.set_text(settings.user);
    Gtk::Label passwordLabel("Passwort:", Gtk::ALIGN_START);
    Gtk::Entry password;
    password.set_visibility(false);
    password.set_tooltip_text("Wird im Schlüsselbund der Arbeitsumgebung aufbewahrt, nie in einer Datei");
    if (settings.Configured()) {
        if (!service.SessionPassword().empty()) password.set_text(service.SessionPassword());
        else if (auto kept = LookUpSyncPassword(settings.serverUrl, settings.user)) password.set_text(*kept);
    }
    Gtk::Label crewLabel("Schicht:", Gtk::ALIGN_START);
    Gtk::ComboBoxText crew;
    for (const std::string& name : crews.crewNames) crew.append(name);
    const int homeCrew = DefaultPhoneExportForm(state.settings.calendarType,
                                                state.accounts.For(state.userDataFolder).hours.homeCrew,
                                                LocalToday().year, "", state.OwnPlan())
                             .crew;
    crew.set_active(settings.crew >= 0 && settings.crew < static_cast<int>(crews.crewNames.size()) ? settings.crew
                                                                                                   : homeCrew);
    Gtk::Label rangeLabel("Zeitraum:", Gtk::ALIGN_START);
    Gtk::Label range("laufender Monat und die " + std::to_string(kPlanOutlookMonths - 1) + " Monate danach",
                     Gtk::ALIGN_START);
    Gtk::Label alarmLabel("Erinnerung vor Schichtbeginn:", Gtk::ALIGN_START);
    Gtk::ComboBoxText alarm;
    int alarmIndex = 0;
    for (int k = 0; k < static_cast<int>(std::size(kAlarmChoices)); ++k) {
        alarm.append(kAlarmChoices[k].text);
        if (kAlarmChoices[k].minutes == settings.alarmMinutes) alarmIndex = k;
    }
    alarm.set_active(alarmIndex);
    Gtk::CheckButton automatic("Automatisch abgleichen");
    automatic.set_active(settings.automatic);
    automatic.set_tooltip_text("Einige Sekunden nach jeder Änderung der Markierungen, des eigenen Schichtplans "
                               "oder der Schichtart, beim Programmstart und einmal täglich");
    Gtk::Label status(service.StatusText(), Gtk::ALIGN_START);
    status.set_line_wrap(true);
    status.set_selectable(true);
    Gtk::Button syncNow("Jetzt abgleichen");
    Gtk::Button close("Schließen");
    NameForScreenReaders(server, "Serveradresse");
    NameForScreenReaders(user, "Benutzername");
    NameForScreenReaders(password, "Passwort");
    NameForScreenReaders(crew, "Schicht");
    NameForScreenReaders(alarm, "Erinnerung vor Schichtbeginn");

    // What the window shows, as settings; the password goes to the keyring,
    // or is kept for this session when no keyring answers.
    auto take = [&]() -> std::optional<SyncSettings> {
        SyncSettings s = settings;
        s.serverUrl = server.get_text();
        s.user = user.get_text();
        s.crew = std::max(0, crew.get_active_row_number());
        s.alarmMinutes = kAlarmChoices[std::max(0, alarm.get_active_row_number())].minutes;
        s.automatic = automatic.get_active();
        if (!s.serverUrl.empty()) {
            CalDavAccount account{s.serverUrl, s.user, "", s.plainHttpAllowed};
            std::string problem = CalDavUrlProblem(account);
            if (!problem.empty() && s.serverUrl.rfind("http://", 0) == 0 && !IsLoopbackUrl(s.serverUrl) &&
                problem.find("http://") != std::string::npos &&
                AskQuestion(&window, "Die Adresse ist unverschlüsselt (http://): Benutzername, Passwort und Schichten "
                                     "wären unterwegs für andere lesbar. Trotzdem so senden?")) {
                s.plainHttpAllowed = true;
                problem.clear();
            }
            if (!problem.empty()) {
                ShowMessage(&window, message_titles::kError, problem);
                return std::nullopt;
            }
        }
        if (s.Configured() && !password.get_text().empty()) {
            if (StoreSyncPassword(s.serverUrl, s.user, password.get_text())) {
                service.KeepSessionPassword("");
            } else {
                service.KeepSessionPassword(password.get_text());
                status.set_text("Kein Schlüsselbund erreichbar: Das Passwort gilt nur bis zum Ende dieser Sitzung.");
            }
        }
        if (!(s == settings) && !SaveSyncSettings(state.userDataFolder, s)) {
            ReportFailedSave(&window, state.userDataFolder + kSyncSettingsFileName);
            return std::nullopt;
        }
        settings = s;
        service.UseSettings(state.userDataFolder, s, password.get_text());
        return s;
    };

    syncNow.signal_clicked().connect([&] {
        const std::optional<SyncSettings> s = take();
        if (!s) return;
        if (!s->Configured() || password.get_text().empty()) {
            ShowMessage(&window, message_titles::kInformation, "Bitte Serveradresse, Benutzername und Passwort eingeben.");
            return;
        }
        service.SyncNow(SyncPlanInputsOf(state), *s, password.get_text());
        status.set_text(service.StatusText());
    });
    close.signal_clicked().connect([&] {
        if (take()) window.response(Gtk::RESPONSE_CLOSE);
    });
    // The result appears when the sync ends; the window never waits for it.
    sigc::connection poll = Glib::signal_timeout().connect(
        [&] {
            if (service.Collect(TellFailure(context.host)) || service.Running()) status.set_text(service.StatusText());
            syncNow.set_sensitive(!service.Running());
            return true;
        },
        kStatusPollMilliseconds);

    // Labels in one column, the fields in the next, each label at the left.
    for (Gtk::Label* label : {&intro, &serverLabel, &userLabel, &passwordLabel, &crewLabel, &rangeLabel, &alarmLabel,
                              &range, &status})
        label->set_xalign(0.0f);
    window.Place(intro, 1, 0.5, 59, 2.5);
    window.Place(serverLabel, 1, 3.5, 24, 1.5);
    window.Place(server, 26, 3.5, 34, 1.5);
    window.Place(userLabel, 1, 5.5, 24, 1.5);
    window.Place(user, 26, 5.5, 22, 1.5);
    window.Place(passwordLabel, 1, 7.5, 24, 1.5);
    window.Place(password, 26, 7.5, 22, 1.5);
    window.Place(crewLabel, 1, 9.5, 24, 1.5);
    window.Place(crew, 26, 9.5, 22, 1.5);
    window.Place(rangeLabel, 1, 11.5, 24, 1.5);
    window.Place(range, 26, 11.5, 34, 1.5);
    window.Place(alarmLabel, 1, 13.5, 24, 1.5);
    window.Place(alarm, 26, 13.5, 22, 1.5);
    window.Place(automatic, 26, 15.3, 34, 1.5);
    window.Place(status, 1, 17, 59, 2);
    window.Place(syncNow, 26, 19.2, 17, 1.8);
    window.Place(close, 45, 19.2, 13, 1.8);
    for (Gtk::Widget* w : std::initializer_list<Gtk::Widget*>{&intro, &serverLabel, &server, &userLabel, &user,
                                                                &passwordLabel, &password, &crewLabel, &crew,
                                                                &rangeLabel, &range, &alarmLabel, &alarm, &automatic,
                                                                &status, &syncNow, &close})
        w->show();
    UseProgramFont(window);
    AcceptOnReturn(window, syncNow);
    (settings.Configured() ? syncNow : static_cast<Gtk::Widget&>(server)).grab_focus();
    window.run();
    poll.disconnect();
    return false;
}

}  // namespace sk
