#include "remind/ReminderSettings.h"

#include "base/FileIO.h"
#include "base/Latin1.h"
#include "base/KeyValueLines.h"
#include "shift/OwnShiftPlanFile.h"

namespace sk {

namespace {

constexpr const char* kKeyEnabled = "Erinnerungen";
constexpr const char* kKeyEvening = "Am Vortag";
constexpr const char* kKeyEveningTime = "Am Vortag um";
constexpr const char* kKeyBeforeStart = "Vor Schichtbeginn";
constexpr const char* kKeyYearly = "Jahrestage";
constexpr const char* kKeyYearlyTime = "Jahrestage um";
constexpr const char* kKeys[] = {kKeyEnabled, kKeyEvening, kKeyEveningTime, kKeyBeforeStart, kKeyYearly,
                                 kKeyYearlyTime};
constexpr int kKeyCount = sizeof kKeys / sizeof kKeys[0];

constexpr const char* kYes = "ja";
constexpr const char* kNo = "nein";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Far beyond any sound file: a hostile one is not read whole.
constexpr std::size_t kMaxFileBytes = 64 * 1024;

std::string AsciiLower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::optional<bool> ParseYesNo(std::string_view value) {
    const std::string v = AsciiLower(value);
    if (v == kYes || v == "1") return true;
    if (v == kNo || v == "0") return false;
    return std::nullopt;
}

std::optional<int> ParseBeforeStart(std::string_view value) {
    std::string v;
    for (char c : AsciiLower(value))
        if (c != ' ') v += c;
    for (int minutes : kBeforeStartChoices) {
        std::string choice;
        for (char c : BeforeStartText(minutes))
            if (c != ' ') choice += c;
        if (v == choice) return minutes;
    }
    if (v == "0" || v == kNo) return 0;
    // Plain minutes, as a script may write them.
    for (int minutes : kBeforeStartChoices)
        if (v == std::to_string(minutes)) return minutes;
    return std::nullopt;
}

}  // namespace

std::string BeforeStartText(int minutes) {
    if (minutes <= 0) return "aus";
    if (minutes < 60) return std::to_string(minutes) + " min";
    return std::to_string(minutes / 60) + " h";
}

ReminderSettingsRead ParseReminderSettings(std::string_view text) {
    ReminderSettingsRead read;
    ReminderSettings& s = read.settings;
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
    bool seen[kKeyCount] = {};
    // The first bad line ends the reading: the error names it.
    ForEachKeyValueLine(text, [&](const KeyValueLine& line) {
        auto fail = [&](const std::string& what) {
            read.error = "Die Datei „" + std::string(kReminderSettingsFileName) + "“, Zeile " +
                         std::to_string(line.number) + ": " + what;
            return false;
        };
        if (!line.hasEquals) return fail("Es fehlt das „=“ zwischen Schlüssel und Wert.");
        const std::string key = AsciiLower(line.key);
        const std::string_view value = line.value;
        int k = 0;
        while (k < kKeyCount && AsciiLower(kKeys[k]) != key) ++k;
        if (k == kKeyCount) return fail("Unbekannter Schlüssel " + QuotedPiece(line.key) + ".");
        if (seen[k]) return fail("Der Schlüssel „" + std::string(kKeys[k]) + "“ steht zweimal in der Datei.");
        seen[k] = true;
        const std::string badValue = "Der Wert " + QuotedPiece(value) + " passt nicht zu „" + kKeys[k] + "“ (";
        if (kKeys[k] == kKeyEnabled || kKeys[k] == kKeyEvening || kKeys[k] == kKeyYearly) {
            const auto yes = ParseYesNo(value);
            if (!yes) return fail(badValue + "erlaubt: ja oder nein).");
            (kKeys[k] == kKeyEnabled ? s.enabled : kKeys[k] == kKeyEvening ? s.eveningBefore : s.yearlyNotes) = *yes;
        } else if (kKeys[k] == kKeyBeforeStart) {
            const auto minutes = ParseBeforeStart(value);
            if (!minutes) return fail(badValue + "erlaubt: aus, 30 min, 1 h oder 2 h).");
            s.beforeStartMinutes = *minutes;
        } else {
            int minute = 0;
            if (!ParseClock(value, minute)) return fail(badValue + "erlaubt: eine Uhrzeit von 00:00 bis 23:59).");
            (kKeys[k] == kKeyEveningTime ? s.eveningMinute : s.yearlyMinute) = minute;
        }
        return true;
    });
    return read;
}

std::string FormatReminderSettings(const ReminderSettings& s) {
    auto yesNo = [](bool b) { return std::string(b ? kYes : kNo); };
    std::string out;
    out += "# Erinnerungen des Schichtkalenders (Fenster „Erinnerungen“ im Menü „Programm“)\n";
    out += std::string(kKeyEnabled) + " = " + yesNo(s.enabled) + "\n";
    out += std::string(kKeyEvening) + " = " + yesNo(s.eveningBefore) + "\n";
    out += std::string(kKeyEveningTime) + " = " + ClockText(s.eveningMinute) + "\n";
    out += std::string(kKeyBeforeStart) + " = " + BeforeStartText(s.beforeStartMinutes) + "\n";
    out += std::string(kKeyYearly) + " = " + yesNo(s.yearlyNotes) + "\n";
    out += std::string(kKeyYearlyTime) + " = " + ClockText(s.yearlyMinute) + "\n";
    return out;
}

ReminderSettingsRead LoadReminderSettings(const std::string& folder) {
    const std::string path = JoinPath(folder, kReminderSettingsFileName);
    const std::optional<std::string> bytes = ReadRegularFileInItsFolder(path, kMaxFileBytes);
    if (!bytes) return {};
    return ParseReminderSettings(*bytes);
}

bool SaveReminderSettings(const std::string& folder, const ReminderSettings& settings) {
    return WriteFileAtomically(JoinPath(folder, kReminderSettingsFileName), FormatReminderSettings(settings));
}

}  // namespace sk
