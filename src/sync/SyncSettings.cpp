#include "sync/SyncSettings.h"

#include <charconv>
#include <string_view>

#include "base/FileIO.h"
#include "base/KeyValueLines.h"

namespace sk {

namespace {

constexpr std::size_t kMaxFileBytes = 64 * 1024;
constexpr int kMaxAlarmMinutes = 24 * 60;
constexpr int kMaxCrewNumber = 6;

bool ParseInt(std::string_view text, int low, int high, int& value) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < low || v > high) return false;
    value = v;
    return true;
}

}  // namespace

SyncSettings ParseSyncSettings(const std::string& text) {
    SyncSettings s;
    ForEachKeyValueLine(text, [&s](const KeyValueLine& line) {
        const std::string_view key = line.key;
        const std::string_view value = line.value;
        int number = 0;
        if (!line.hasEquals) return true;
        if (key == "Server") s.serverUrl = std::string(value);
        else if (key == "Benutzer") s.user = std::string(value);
        else if (key == "Schicht" && ParseInt(value, 1, kMaxCrewNumber, number)) s.crew = number - 1;
        else if (key == "Automatisch" && ParseInt(value, 0, 1, number)) s.automatic = number == 1;
        else if (key == "Unverschluesselt" && ParseInt(value, 0, 1, number)) s.plainHttpAllowed = number == 1;
        else if (key == "Erinnerung" && ParseInt(value, 0, kMaxAlarmMinutes, number)) s.alarmMinutes = number;
        return true;
    });
    return s;
}

std::string FormatSyncSettings(const SyncSettings& s) {
    std::string text = "Server = " + s.serverUrl + "\nBenutzer = " + s.user + "\n";
    if (s.crew >= 0) text += "Schicht = " + std::to_string(s.crew + 1) + "\n";
    text += "Automatisch = " + std::string(s.automatic ? "1" : "0") + "\n";
    text += "Unverschluesselt = " + std::string(s.plainHttpAllowed ? "1" : "0") + "\n";
    text += "Erinnerung = " + std::to_string(s.alarmMinutes) + "\n";
    return text;
}

SyncSettings LoadSyncSettings(const std::string& dataFolder) {
    const auto text = ReadRegularFileInItsFolder(JoinPath(dataFolder, kSyncSettingsFileName), kMaxFileBytes);
    return text ? ParseSyncSettings(*text) : SyncSettings{};
}

bool SaveSyncSettings(const std::string& dataFolder, const SyncSettings& settings) {
    // A value never spans lines: a pasted address with a line break would
    // otherwise add keys of its own.
    SyncSettings clean = settings;
    for (std::string* v : {&clean.serverUrl, &clean.user})
        if (const auto cut = v->find_first_of("\r\n"); cut != std::string::npos) v->resize(cut);
    return WriteFileAtomically(JoinPath(dataFolder, kSyncSettingsFileName), FormatSyncSettings(clean));
}

}  // namespace sk
