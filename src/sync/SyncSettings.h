#pragma once
// What the window "Kalender-Abgleich" remembers, in a file of its own in the
// user's data folder ("Kalenderabgleich.txt", lines "Schlüssel = Wert"), so
// the settings file keeps its bytes. The password is never in it: it lives
// in the desktop's keyring.

#include <string>

namespace sk {

inline constexpr const char* kSyncSettingsFileName = "Kalenderabgleich.txt";

struct SyncSettings {
    std::string serverUrl;  // "Server"
    std::string user;       // "Benutzer"
    int crew = -1;          // "Schicht", 0-based in the file as 1-based; -1: the home crew
    bool automatic = false; // "Automatisch"
    // "Unverschluesselt": the person agreed to plain http to another machine.
    bool plainHttpAllowed = false;
    int alarmMinutes = 0;   // "Erinnerung": minutes before each shift, 0 = none

    bool operator==(const SyncSettings&) const = default;
    bool Configured() const { return !serverUrl.empty() && !user.empty(); }
};

// Unknown keys and unreadable values are passed over (the defaults stay);
// a missing file gives the defaults.
SyncSettings ParseSyncSettings(const std::string& text);
std::string FormatSyncSettings(const SyncSettings& settings);
SyncSettings LoadSyncSettings(const std::string& dataFolder);
// Atomic; false when the file could not be written.
bool SaveSyncSettings(const std::string& dataFolder, const SyncSettings& settings);

}  // namespace sk
