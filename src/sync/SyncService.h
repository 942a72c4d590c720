#pragma once
// The program's one calendar sync: the window's "Jetzt abgleichen" and the
// automatic sync share it, so two never run at once. It runs on a thread of
// its own; the program's clock calls Tick, which collects a finished sync
// and starts the automatic one when it is due. Toolkit-free: the program
// hands it the plan's inputs, the keyring lookup and the way to tell a
// failure.

#include <ctime>
#include <functional>
#include <string>

#include "calendar/Regions.h"
#include "shift/VacationBlock.h"
#include "sync/AutoSync.h"
#include "sync/SyncSettings.h"

namespace sk {

class ShiftMarkList;
struct OwnShiftPlan;

inline constexpr const char* kCalDavSyncTitle = "Kalender-Abgleich";

// What the plan's events depend on, as the program holds it.
struct SyncPlanInputs {
    std::string dataFolder;
    int calendarType = 0;
    int homeCrew = 0;                       // "Stammschicht"
    const OwnShiftPlan* ownPlan = nullptr;  // type 8
    const ShiftMarkList* marks = nullptr;
    int vacationStartMonth = kDefaultVacationStartMonth;
    int vacationStartDay = kDefaultVacationStartDay;
    VacationOrderTables vacationOrder = MakeDefaultVacationOrderTables();
    Region region = kDefaultRegion;
};

// The events the sync sends for the inputs and settings: those of the
// calendar file of the same crew and range (this month and the eleven after it).
SyncJob MakeSyncJob(const SyncPlanInputs& inputs, const SyncSettings& settings, const std::string& password,
                    DayNumber today);

class CalDavSyncService {
public:
    // The password kept for a server and user ("" when none).
    using PasswordLookup = std::function<std::string(const SyncSettings&)>;
    // Tells the person, once, that the automatic sync failed.
    using FailureTeller = std::function<void(const std::string& text)>;

    explicit CalDavSyncService(PasswordLookup lookUp);

    // Called every few seconds. The automatic sync needs its switch on, a
    // server, a password (keyring or this session) and a change, the start
    // or a day gone by.
    void Tick(const SyncPlanInputs& inputs, const FailureTeller& tell);
    // Starts a sync now with these settings; false (with the reason in
    // StatusText) when one runs already or the settings cannot be used.
    bool SyncNow(const SyncPlanInputs& inputs, const SyncSettings& settings, const std::string& password);
    // The window's settings and password, in use from now on.
    void UseSettings(const std::string& dataFolder, const SyncSettings& settings, const std::string& password);
    // The password for this session only, when no keyring took it.
    void KeepSessionPassword(const std::string& password) { sessionPassword_ = password; }
    const std::string& SessionPassword() const { return sessionPassword_; }

    bool Running() const { return runner_.Running(); }
    // "Letzter Abgleich 08.12.2026 10:52: Kalenderabgleich: ..." or what runs now.
    std::string StatusText() const;
    // Collects a finished sync (true when one was collected); `tell` hears
    // the first failure of the automatic sync in a row.
    bool Collect(const FailureTeller& tell);

private:
    std::size_t InputSignature(const SyncPlanInputs& inputs, const SyncSettings& settings) const;
    std::string PasswordFor(const SyncSettings& settings);

    PasswordLookup lookUp_;
    BackgroundSync runner_;
    SyncSchedule schedule_;
    std::string sessionPassword_;
    std::string lastText_;
    std::time_t lastTime_ = 0;
    bool lastWasAutomatic_ = false;
    bool runningAutomatic_ = false;
    std::size_t seenSignature_ = 0;    // of the inputs at the last tick
    std::size_t syncedSignature_ = 0;  // of the inputs the last sync sent
    std::string settingsFolder_;
    SyncSettings settings_;
    bool keyringChecked_ = false;
    std::string keyringPassword_;
};

}  // namespace sk
