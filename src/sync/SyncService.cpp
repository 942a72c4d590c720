#include "sync/SyncService.h"

#include <algorithm>
#include <functional>

#include "calendar/Today.h"
#include "ical/PlanIcs.h"
#include "marks/ShiftMarks.h"
#include "shift/OwnShiftPlan.h"
#include "shift/OwnShiftPlanFile.h"

namespace sk {

namespace {

int CrewOf(const SyncPlanInputs& inputs, const SyncSettings& settings) {
    const int crew = settings.crew >= 0 ? settings.crew : inputs.homeCrew;
    const int type = inputs.calendarType;
    if (type == kOwnPlanCalendarType) {
        const OwnShiftPlan* plan = inputs.ownPlan;
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

SyncJob MakeSyncJob(const SyncPlanInputs& inputs, const SyncSettings& settings, const std::string& password,
                    DayNumber today) {
    PlanIcsRequest r;
    const DayRange range = WholeMonthsFrom(today);
    r.from = range.first;
    r.to = range.last;
    r.calendarType = inputs.calendarType;
    r.crew = CrewOf(inputs, settings);
    r.ownPlan = inputs.ownPlan;
    r.vacationStartMonth = inputs.vacationStartMonth;
    r.vacationStartDay = inputs.vacationStartDay;
    r.vacationOrder = inputs.vacationOrder;
    r.region = inputs.region;
    r.marks = inputs.marks;
    r.marksAreOwn = MarksBelongToCrew(r.calendarType, r.crew, inputs.homeCrew);
    r.alarmMinutes = settings.alarmMinutes;
    SyncJob job;
    job.account = CalDavAccount{settings.serverUrl, settings.user, password, settings.plainHttpAllowed};
    job.events = SplitIntoCalendarObjects(PlanIcs(r, static_cast<DateValue>(std::time(nullptr))));
    job.from = r.from;
    job.to = r.to;
    return job;
}

CalDavSyncService::CalDavSyncService(PasswordLookup lookUp)
    : lookUp_(std::move(lookUp)), schedule_(SyncClock::now()) {}

std::size_t CalDavSyncService::InputSignature(const SyncPlanInputs& in, const SyncSettings& settings) const {
    // Everything the events depend on, cheaply: marks, plan type, own plan,
    // crew, vacation start, state and the month the range begins with.
    std::string text = in.marks != nullptr ? FormatShiftMarks(in.marks->Marks()) : std::string();
    text += '|' + std::to_string(in.calendarType) + '|' + std::to_string(CrewOf(in, settings)) + '|' +
            std::to_string(in.homeCrew);
    text += '|' + std::to_string(in.vacationStartMonth) + '.' + std::to_string(in.vacationStartDay) + '|' +
            std::to_string(static_cast<int>(in.region));
    const CivilDate today = CivilOf(LocalToday().dayNumber);
    text += '|' + std::to_string(today.year * 12 + today.month);
    if (in.ownPlan != nullptr) text += '|' + FormatOwnShiftPlan(*in.ownPlan);
    return std::hash<std::string>{}(text);
}

std::string CalDavSyncService::PasswordFor(const SyncSettings& settings) {
    if (!sessionPassword_.empty()) return sessionPassword_;
    if (!keyringChecked_) {
        keyringChecked_ = true;
        keyringPassword_ = lookUp_ ? lookUp_(settings) : std::string();
    }
    return keyringPassword_;
}

bool CalDavSyncService::Collect(const FailureTeller& tell) {
    std::optional<SyncResult> result = runner_.TakeResult();
    if (!result) return false;
    lastText_ = SyncResultText(*result);
    if (!result->problems.empty())
        lastText_ += " (" + std::to_string(result->problems.size()) + " Termine nicht gesendet: " + result->problems.front() + ")";
    lastTime_ = std::time(nullptr);
    lastWasAutomatic_ = runningAutomatic_;
    schedule_.Finished(result->ok, SyncClock::now());
    // A failing server is told once, not at every retry.
    if (!result->ok && runningAutomatic_ && schedule_.FirstFailure() && tell)
        tell(lastText_ + "\n\nDer automatische Abgleich wird später wiederholt.");
    runningAutomatic_ = false;
    return true;
}

void CalDavSyncService::Tick(const SyncPlanInputs& inputs, const FailureTeller& tell) {
    Collect(tell);
    if (inputs.dataFolder != settingsFolder_) {
        settingsFolder_ = inputs.dataFolder;
        settings_ = LoadSyncSettings(settingsFolder_);
        keyringChecked_ = false;
        seenSignature_ = syncedSignature_ = 0;
    }
    if (!settings_.automatic || !settings_.Configured() || runner_.Running()) return;
    const auto now = SyncClock::now();
    // Inputs that differ from those of the last sync are sent once they
    // have settled; each further change waits again.
    const std::size_t signature = InputSignature(inputs, settings_);
    if (signature != seenSignature_) {
        seenSignature_ = signature;
        if (signature != syncedSignature_) schedule_.InputsChanged(now);
    }
    if (!schedule_.Due(now)) return;
    const std::string password = PasswordFor(settings_);
    if (password.empty()) return;
    if (runner_.Start(MakeSyncJob(inputs, settings_, password, LocalToday().dayNumber))) {
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

bool CalDavSyncService::SyncNow(const SyncPlanInputs& inputs, const SyncSettings& settings,
                                const std::string& password) {
    UseSettings(inputs.dataFolder, settings, password);
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
    if (!runner_.Start(MakeSyncJob(inputs, settings, password, LocalToday().dayNumber))) return false;
    syncedSignature_ = InputSignature(inputs, settings);
    return true;
}

std::string CalDavSyncService::StatusText() const {
    if (runner_.Running()) return "Abgleich läuft ...";
    if (lastTime_ == 0) return lastText_.empty() ? "Noch kein Abgleich in dieser Sitzung." : lastText_;
    return "Letzter Abgleich " + ClockText(lastTime_) + (lastWasAutomatic_ ? " (automatisch)" : "") + ":\n" + lastText_;
}

}  // namespace sk
