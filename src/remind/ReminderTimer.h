#pragma once
// The background helper as a systemd user timer: the unit names for a
// user's folder, the commands that switch it, and what to do where there is
// no systemd user instance. The window runs the commands; this only says
// which.

#include <string>
#include <vector>

namespace sk {

// Installed with the program: "schichtkalender-erinnerung@.timer" and its
// service, the instance being the escaped path of the user's folder (as
// `systemd-escape --path` makes it), so every user and folder has its own.
inline constexpr const char* kReminderUnitPrefix = "schichtkalender-erinnerung@";
// How often the timer runs the helper, in minutes (also in the unit file).
inline constexpr int kReminderTimerMinutes = 15;

// "/home/anna/SKDaten/Programm/" -> "home-anna-SKDaten-Programm".
std::string SystemdEscapePath(const std::string& path);
std::string ReminderTimerUnit(const std::string& settingsFolder);

// The command lines that switch the timer on (enabled and started) or off.
std::vector<std::string> ReminderTimerCommand(const std::string& settingsFolder, bool on);
// The command line that tells whether a systemd user instance answers.
std::vector<std::string> SystemdUserCheckCommand();

// The helper's command line, for people without a systemd user instance.
std::string ReminderHelperCommandLine(const std::string& schichtplanPath, const std::string& settingsFolder);
// What the window says then: how else to run the helper every 15 minutes.
std::string ManualReminderHelpText(const std::string& schichtplanPath, const std::string& settingsFolder);

}  // namespace sk
