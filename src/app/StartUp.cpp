#include "app/StartUp.h"

#include <locale.h>

#include <cstdlib>
#include <utility>

#include "settings/LoginModel.h"
#include "accounting/HoursAccount.h"
#include "accounting/RemainingVacation.h"
#include "base/FileIO.h"
#include "calendar/SchoolHolidayStore.h"
#include "ical/ShippedSchoolHolidays.h"
#include "notes/NoteNames.h"
#include "notes/NoteRecovery.h"
#include "settings/SettingsStorage.h"
#include "shift/OwnShiftPlanFile.h"

namespace sk {

bool EnterDataDirectory(AppState& state, const std::string& workingDirectory) {
    const std::optional<std::string> base = EnterBaseDataDirectory(workingDirectory);
    if (!base) return false;
    state.session.baseDataDirectory = *base;
    state.settings.userName = kDefaultUserName;
    return true;
}

std::optional<std::string> LoadUserSettings(AppState& state, int currentYear) {
    LoadSettings(state.settings, state.session.baseDataDirectory, state.vacationTables, currentYear);
    std::optional<std::string> message = CheckUserDirectory(state.settings, state.session.baseDataDirectory);
    if (message) SaveSettings(state.settings, state.session.baseDataDirectory);
    state.userDataFolder = UserDataFolder(state.settings, state.session.baseDataDirectory);
    return message;
}

std::optional<std::string> LoadOwnPlan(AppState& state) {
    StartCalendarType start = DecideStartCalendarType(state.settings.calendarType, state.userDataFolder);
    state.settings.calendarType = start.calendarType;
    // Also when another type is shown: the chooser offers the plan only when
    // there is a valid one.
    state.ownPlan = start.plan ? std::move(start.plan) : LoadOwnShiftPlan(state.userDataFolder).plan;
    state.sources.ownPlan = &state.ownPlan;
    // A plan file linked out of the folder is named with the other refused links, once.
    if (start.message.empty() || IsLinkLeavingItsFolder(OwnPlanPath(state.userDataFolder))) return std::nullopt;
    return start.message;
}

void LoadUserData(AppState& state) {
    // Interrupted saves of earlier runs leave their temporary files behind.
    // The user's folder may hold a lifetime of notes: it is listed once.
    RemoveStaleTempFiles(state.session.baseDataDirectory);
    // With a shared data folder the settings stay behind in a folder of their own.
    const std::string settingsFolder = SettingsFolder(state.session.baseDataDirectory, state.settings.userName);
    if (settingsFolder != state.userDataFolder) RemoveStaleTempFiles(settingsFolder);
    StaleTempFileSweep sweep(state.userDataFolder);
    state.notes = NoteStore(state.userDataFolder, state.session.userPassword);
    state.notes.ScanAll([&sweep](std::string_view name) { sweep.Consider(name); });
    sweep.Remove();
    state.shiftMarks.Load(state.userDataFolder);
    state.calendarMarks.Load(state.userDataFolder);
    LoadStateSchoolHolidays(state);
    CoreSources& src = state.sources;
    src.schoolHolidays = &state.schoolHolidays;
    src.notes = &state.notes;
    src.calendarMarks = &state.calendarMarks;
    src.shiftMarks = &state.shiftMarks;
    src.vacationTables = &state.vacationTables;
    src.ownPlan = &state.ownPlan;
    src.astroMonths = &state.astroMonths;
    TakeSettings(src, state.settings);
}

void LoadStateSchoolHolidays(AppState& state) {
    std::string problem;
    state.schoolHolidays =
        LoadSchoolHolidays(state.userDataFolder, state.settings.region, ShippedSchoolHolidayFolder(), problem);
    if (!problem.empty() && !state.schoolHolidayProblemShown) state.schoolHolidayProblem = problem;
}

std::optional<std::string> TakeSchoolHolidayProblem(AppState& state) {
    if (state.schoolHolidayProblem.empty()) return std::nullopt;
    state.schoolHolidayProblemShown = true;
    return std::exchange(state.schoolHolidayProblem, std::string{});
}

namespace {
// The plain "C" locale for the thread that holds it.
class PlainThreadLocale {
public:
    PlainThreadLocale() : locale_(::newlocale(LC_ALL_MASK, "C", nullptr)) {
        if (locale_) ::uselocale(locale_);
    }
    ~PlainThreadLocale() {
        if (!locale_) return;
        ::uselocale(LC_GLOBAL_LOCALE);
        ::freelocale(locale_);
    }
    PlainThreadLocale(const PlainThreadLocale&) = delete;
    PlainThreadLocale& operator=(const PlainThreadLocale&) = delete;

private:
    locale_t locale_;
};
}  // namespace

std::future<std::optional<std::string>> StartLoadingUserData(AppState& state) {
    return std::async(std::launch::async, [&state] {
        // The loaders read no locale; should one ever do so, the toolkit
        // setting the program's locale meanwhile must not reach it.
        const PlainThreadLocale plain;
        LoadUserData(state);
        return RefusedLinksMessage(state);
    });
}

bool IsDataFileName(std::string_view name) {
    for (const char* known : {kSettingsFileName, kCalendarMarkFileName, kShiftMarkFileName, kVacationDaysFileName,
                              kHoursFileName, kOwnPlanFileName, kSchoolHolidayFileName, kNoteRecoveryFileName}) {
        if (name == known) return true;
    }
    return ParseNoteFileName(name).has_value();
}

std::optional<std::string> RefusedLinksMessage(const AppState& state) {
    const std::string settingsFolder = SettingsFolder(state.session.baseDataDirectory, state.settings.userName);
    std::vector<std::string> paths;
    const auto collect = [&paths](const std::string& folder) {
        for (const std::string& name : LinksLeavingFolder(folder, IsDataFileName)) paths.push_back(folder + name);
    };
    collect(settingsFolder);
    if (state.userDataFolder != settingsFolder) collect(state.userDataFolder);
    if (paths.empty()) return std::nullopt;
    std::string text;
    if (paths.size() == 1) {
        text = "Die Datei \"" + paths.front() +
               "\" verweist auf eine Datei außerhalb ihres Datenordners und wurde deshalb nicht gelesen.";
    } else {
        text = "Diese Dateien verweisen auf Dateien außerhalb ihres Datenordners und wurden deshalb nicht gelesen:";
        for (const std::string& p : paths) text += "\n" + p;
    }
    return text + "\nBeim Speichern tritt eine eigene Datei an die Stelle des Verweises; die Datei, auf die er "
                  "zeigt, bleibt unverändert.";
}

std::string NoteRecoveryStateFolderOf(const AppState& state) {
    return NoteRecoveryStateFolder(state.userDataFolder, std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

bool RereadChangedData(AppState& state) {
    const bool shift = state.shiftMarks.ReloadIfChanged(state.userDataFolder);
    const bool calendar = state.calendarMarks.ReloadIfChanged(state.userDataFolder);
    const bool notes = state.notes.RescanIfFolderChanged();
    return shift || calendar || notes;
}

void PlaceCursorOnToday(AppState& state, const DayContext& today) { PlaceCursorOn(state.view, today.dayNumber); }

}  // namespace sk
