#pragma once
// What the user wants to be reminded of, kept in "Erinnerungen.txt" in the
// user's settings folder (beside "Einstellungen.dat", whose bytes stay as
// they are): UTF-8 lines "Schlüssel = Wert", so a script or an administrator
// can switch reminders on without the window. Keys the file leaves out take
// their defaults.

#include <optional>
#include <string>
#include <string_view>

#include "shift/OwnShiftPlan.h"

namespace sk {

inline constexpr const char* kReminderSettingsFileName = "Erinnerungen.txt";

// The choices of "vor Schichtbeginn", in minutes (0: off).
inline constexpr int kBeforeStartChoices[] = {0, 30, 60, 120};

struct ReminderSettings {
    bool enabled = false;          // "Erinnerungen"
    bool eveningBefore = true;     // "Am Vortag"
    int eveningMinute = 20 * 60;   // "Am Vortag um"
    int beforeStartMinutes = 0;    // "Vor Schichtbeginn"
    bool yearlyNotes = true;       // "Jahrestage"
    int yearlyMinute = 8 * 60;     // "Jahrestage um"
    bool operator==(const ReminderSettings&) const = default;
};

// "aus", "30 min", "1 h", "2 h" for the choices. (Clock times are written
// as ClockText gives them: "20:00".)
std::string BeforeStartText(int minutes);

struct ReminderSettingsRead {
    ReminderSettings settings;  // the defaults where the file says nothing
    std::string error;          // German, naming the line; empty when the file is sound
};
// An unknown or doubled key or a value out of its range is an error; the
// settings then hold what the lines before it gave.
ReminderSettingsRead ParseReminderSettings(std::string_view text);
std::string FormatReminderSettings(const ReminderSettings& settings);

// A missing file reads as the defaults (reminders off) without an error.
ReminderSettingsRead LoadReminderSettings(const std::string& folder);
// Atomic; false when the file could not be written.
bool SaveReminderSettings(const std::string& folder, const ReminderSettings& settings);

}  // namespace sk
