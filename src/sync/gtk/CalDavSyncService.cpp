#include "sync/gtk/CalDavSyncService.h"

#include <algorithm>
#include <functional>

#include "calendar/Today.h"
#include "ical/PlanIcs.h"
#include "marks/ShiftMarks.h"
#include "shift/OwnShiftPlanFile.h"
#include "sync/gtk/Keyring.h"

namespace sk {

namespace {

// The home crew as the program holds it; the hours window keeps it current,
// so the clock's look at the inputs reads no file.
int HomeCrew(AppState& state) { return state.accounts.For(state.userDataFolder).hours.homeCrew; }

int CrewOf(AppState& state, const SyncSettings& settings) {
    const int crew = settings.crew >= 0 ? settings.crew : HomeCrew(state);
    const int type = state.settings.calendarType;
    if (type == kOwnPlanCalendarType) {
        const OwnShiftPlan* plan = state.OwnPlan();
        return plan != nullptr && crew < plan->CrewCount() ? crew : 0;
    }
    return ParseCrewArgument(type, std::to_string(crew + 1)) == crew ? crew : 0;
}

std::string ClockText(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%d.%m.%Y %H:%M", &local);
    return text;
}

}  // namespace

SyncJob MakeSyncJob(AppState& state, const SyncSettings& settings, const std::string& password, DayNumber today) {
    LoadAccountFiles(state.userDataFolder, state.accounts.For(state.userDataFolder), LocalToday().year);
    PlanIcsRequest r;
    const DayRange range = WholeMonthsFrom(today);
    r.from = range.first;
    r.to = range.last;
    r.calendarType = state.settings.calendarType;
    r.crew = CrewOf(state, settings);
    r.ownPlan = state.OwnPlan();
    r.vacationStartMonth = state.sources.vacationStartMonth;
    r.vacationStartDay = state.sources.vacationStartDay;
    r.vacationOrder = state.vacationTables;
    r.region = state.settings.region;
    r.marks = &state.shiftMarks;
    r.marksAreOwn = MarksBelongToCrew(r.calendarType, r.crew, HomeCrew(state));
    r.alarmMinutes = settings.alarmMinutes;
    SyncJob job;
    job.account = CalDavAccount{settings.serverUrl, settings.user, password, settings.plainHttpAllowed};
    job.events = SplitIntoCalendarObjects(PlanIcs(r, static_cast<DateValue>(std::time(nullptr))));
    job.from = r.from;
    job.to = r.to;
    return job;
}

CalDavSyncService& CalDavSyncService::Instance() {
    static CalDavSyncService service;
    return service;
}

std::size_t CalDavSyncService::InputSignature(AppState& state, const SyncSettings& settings) const {
    // Everything the events depend on, cheaply: marks, plan type, own plan,
    // crew, vacation start and the month the range begins with.
    std::string inputs = FormatShiftMarks(state.shiftMarks.Marks());
    inputs += '|' + std::to_string(state.settings.calendarType) + '|' + std::to_string(CrewOf(state, settings));
    inputs += '|' + std::to_string(state.sources.vacationStartMonth) + '.' + std::to_string(state.sources.vacationStartDay);
    const CivilDate today = CivilOf(LocalToday().dayNumber);
    inputs += '|' + std::to_string(today.year * 12 + today.month);
    if (const OwnShiftPlan* plan = state.OwnPlan()) inputs += '|' + FormatOwnShiftPlan(*plan);
    return std::hash<std::string>{}(inputs);
}

std::string CalDavSyncService::PasswordFor(const SyncSettings& settings) {
    if (!sessionPassword_.empty()) return sessionPassword_;
    if (!keyringChecked_) {
        keyringChecked_ = true;
        keyringPassword_ = LookUpSyncPassword(settings.serverUrl, settings.user).password.value_or("");
    }
    return keyringPassword_;
}

bool CalDavSyncService::Collect(CommandHost* host) {
    std::optional<SyncResult> result = runner_.TakeResult();
    if (!result) return false;
    lastText_ = SyncResultText(*result);
    if (!result->problems.empty())
        lastText_ += " (" + std::to_string(result->problems.size()) + " Termine nicht gesendet: " + result->problems.front() + ")";
    lastTime_ = std::time(nullptr);
    lastWasAutomatic_ = runningAutomatic_;
    schedule_.Finished(result->ok, SyncClock::now());
    // A failing server is told once, not at every retry.
    if (!result->ok && runningAutomatic_ && schedule_.FirstFailure() && host != nullptr)
        host->ShowMessage(kCalDavSyncTitle, lastText_ + "\n\nDer automatische Abgleich wird später wiederholt.");
    runningAutomatic_ = false;
    return true;
}

void CalDavSyncService::Tick(AppState& state, CommandHost& host) {
    Collect(&host);
    if (state.userDataFolder != settingsFolder_) {
        settingsFolder_ = state.userDataFolder;
        settings_ = LoadSyncSettings(settingsFolder_);
        keyringChecked_ = false;
        seenSignature_ = syncedSignature_ = 0;
    }
    if (!settings_.automatic || !settings_.Configured() || runner_.Running()) return;
    const auto now = SyncClock::now();
    // Inputs that differ from those of the last sync are sent once they
    // have settled; each further change waits again.
    const std::size_t signature = InputSignature(state, settings_);
    if (signature != seenSignature_) {
        seenSignature_ = signature;
        if (signature != syncedSignature_) schedule_.InputsChanged(now);
    }
    if (!schedule_.Due(now)) return;
    const std::string password = PasswordFor(settings_);
    if (password.empty()) return;
    if (runner_.Start(MakeSyncJob(state, settings_, password, LocalToday().dayNumber))) {
        runningAutomatic_ = true;
        syncedSignature_ = signature;
    }
}

void CalDavSyncService::UseSettings(const std::string& dataFolder, const SyncSettings& settings,
                                    const std::string& password) {
    settingsFolder_ = dataFolder;
    settings_ = settings;
    keyringPassword_ = password;
    keyringChecked_ = !password.empty();
}

bool CalDavSyncService::SyncNow(AppState& state, const SyncSettings& settings, const std::string& password) {
    UseSettings(state.userDataFolder, settings, password);
    if (runner_.Running()) {
        lastText_ = "Ein Abgleich läuft bereits.";
        return false;
    }
    const CalDavAccount account{settings.serverUrl, settings.user, password, settings.plainHttpAllowed};
    if (const std::string problem = CalDavUrlProblem(account); !problem.empty()) {
        lastText_ = problem;
        return false;
    }
    runningAutomatic_ = false;
    if (!runner_.Start(MakeSyncJob(state, settings, password, LocalToday().dayNumber))) return false;
    syncedSignature_ = InputSignature(state, settings);
    return true;
}

std::string CalDavSyncService::StatusText() const {
    if (runner_.Running()) return "Abgleich läuft ...";
    if (lastTime_ == 0) return lastText_.empty() ? "Noch kein Abgleich in dieser Sitzung." : lastText_;
    return "Letzter Abgleich " + ClockText(lastTime_) + (lastWasAutomatic_ ? " (automatisch)" : "") + ":\n" + lastText_;
}

}  // namespace sk
