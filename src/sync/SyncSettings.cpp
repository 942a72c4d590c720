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

// A control character (a pasted line break, a tab) is no part of an
// address or a name: such a value is not taken, nor written.
bool HasControlCharacter(std::string_view v) {
    for (char c : v)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return true;
    return false;
}

// What is written of a value: up to a line break (a pasted address with one
// would otherwise add keys of its own), without other control characters.
std::string CleanValue(std::string_view v) {
    v = v.substr(0, v.find_first_of("\r\n"));
    std::string clean;
    for (char c : v)
        if (!HasControlCharacter(std::string_view(&c, 1))) clean += c;
    return std::string(TrimBlanks(clean));
}

}  // namespace

SyncSettings ParseSyncSettings(const std::string& text) {
    SyncSettings s;
    ForEachKeyValueLine(text, [&s](const KeyValueLine& line) {
        const std::string_view key = line.key;
        const std::string_view value = line.value;
        int number = 0;
        if (!line.hasEquals) return true;
        if ((key == "Server" || key == "Benutzer") && HasControlCharacter(value)) return true;
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
    std::string text = "Server = " + CleanValue(s.serverUrl) + "\nBenutzer = " + CleanValue(s.user) + "\n";
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
    return WriteFileAtomically(JoinPath(dataFolder, kSyncSettingsFileName), FormatSyncSettings(settings));
}

}  // namespace sk
