#include "remind/ReminderTimer.h"

#include <cstdio>

namespace sk {

namespace {

// A word for a POSIX shell: quoted unless it is plain.
std::string ShellWord(const std::string& s) {
    if (!s.empty() && s.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_-./=+:,@") ==
                          std::string::npos)
        return s;
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

bool PlainInUnitName(char c, bool first) {
    if (c == '.' && first) return false;
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ':' || c == '_' ||
           c == '.';
}

}  // namespace

std::string SystemdEscapePath(const std::string& path) {
    // Repeated and outer slashes mean nothing in a path.
    std::string trimmed;
    for (char c : path)
        if (!(c == '/' && (trimmed.empty() || trimmed.back() == '/'))) trimmed += c;
    while (!trimmed.empty() && trimmed.back() == '/') trimmed.pop_back();
    if (trimmed.empty()) return "-";
    std::string out;
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        const char c = trimmed[i];
        if (c == '/') {
            out += '-';
        } else if (PlainInUnitName(c, i == 0)) {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
            out += hex;
        }
    }
    return out;
}

std::string ReminderTimerUnit(const std::string& settingsFolder) {
    return std::string(kReminderUnitPrefix) + SystemdEscapePath(settingsFolder) + ".timer";
}

std::vector<std::string> ReminderTimerCommand(const std::string& settingsFolder, bool on) {
    return {"systemctl", "--user", on ? "enable" : "disable", "--now", ReminderTimerUnit(settingsFolder)};
}

std::vector<std::string> SystemdUserCheckCommand() { return {"systemctl", "--user", "show-environment"}; }

std::string ReminderHelperCommandLine(const std::string& schichtplanPath, const std::string& settingsFolder) {
    return ShellWord(schichtplanPath) + " --remind --data " + ShellWord(settingsFolder);
}

std::string ManualReminderHelpText(const std::string& schichtplanPath, const std::string& settingsFolder) {
    const std::string every = std::to_string(kReminderTimerMinutes);
    return "Auf diesem Rechner läuft kein systemd für den Benutzer. Damit Erinnerungen auch bei geschlossenem "
           "Programm kommen, den folgenden Befehl alle " + every + " Minuten ausführen lassen, z. B. mit "
           "„crontab -e“ und der Zeile\n\n*/" + every + " * * * * " +
           ReminderHelperCommandLine(schichtplanPath, settingsFolder) +
           "\n\n(cron braucht dazu die Adresse der D-Bus-Sitzung: DBUS_SESSION_BUS_ADDRESS), oder ihn im Autostart "
           "der Arbeitsumgebung in einer Schleife starten. Solange das Programm läuft, meldet es die Erinnerungen "
           "selbst.";
}

}  // namespace sk
