#pragma once
// The program's one calendar sync: the window's "Jetzt abgleichen" and the
// automatic sync share it, so two never run at once. It runs on a thread of
// its own; the program's clock calls Tick, which collects a finished sync
// and starts the automatic one when it is due.

#include <ctime>
#include <string>

#include "sync/AutoSync.h"
#include "sync/SyncSettings.h"
#include "ui/AppState.h"
#include "ui/CommandHost.h"

namespace sk {

inline constexpr const char* kCalDavSyncTitle = "Kalender-Abgleich";

class CalDavSyncService {
public:
    static CalDavSyncService& Instance();

    // Called about once a second. The automatic sync needs its switch on, a
    // server, a password (keyring or this session) and a change, the start
    // or a day gone by.
    void Tick(AppState& state, CommandHost& host);
    // Starts a sync now with these settings; false (with the reason in
    // LastText) when one runs already or the settings cannot be used.
    bool SyncNow(AppState& state, const SyncSettings& settings, const std::string& password);
    // The window's settings and password, in use from now on.
    void UseSettings(const std::string& dataFolder, const SyncSettings& settings, const std::string& password);
    // The password for this session only, when no keyring took it.
    void KeepSessionPassword(const std::string& password) { sessionPassword_ = password; }
    const std::string& SessionPassword() const { return sessionPassword_; }

    bool Running() const { return runner_.Running(); }
    // "Letzter Abgleich: 08.12.2026 10:52 – Kalenderabgleich: ..." or what runs now.
    std::string StatusText() const;
    // Collects a finished sync (true when one was collected).
    bool Collect(CommandHost* host);

private:
    CalDavSyncService() : schedule_(SyncClock::now()) {}
    std::size_t InputSignature(AppState& state, const SyncSettings& settings) const;
    std::string PasswordFor(const SyncSettings& settings);

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
    SyncClock::time_point nextSettingsRead_{};
    bool keyringChecked_ = false;
    std::string keyringPassword_;
};

// The events the sync sends for the state and settings: those of the
// calendar file of the same crew and range.
SyncJob MakeSyncJob(AppState& state, const SyncSettings& settings, const std::string& password, DayNumber today);

}  // namespace sk
