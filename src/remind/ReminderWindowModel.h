#pragma once
// The model of the window "Erinnerungen": the form's fields as the window
// shows them, checked back into settings, and the texts the window shows.

#include <optional>
#include <string>

#include "remind/ReminderSettings.h"
#include "remind/ReminderSources.h"

namespace sk {

inline constexpr const char* kReminderWindowTitle = "Erinnerungen";

struct ReminderForm {
    bool enabled = false;
    bool eveningBefore = true;
    std::string eveningTime;  // "20:00"
    int beforeStartChoice = 0;  // index into kBeforeStartChoices
    bool yearlyNotes = true;
    std::string yearlyTime;
};

ReminderForm ReminderFormOf(const ReminderSettings& settings);
// The settings of a filled form; nothing, with the German message, when a
// time is no clock time.
std::optional<ReminderSettings> ReminderSettingsOf(const ReminderForm& form, std::string& error);

// Whose shifts are reminded: "Schichten von: Blau (Stammschicht) in Haldenau PM 1",
// or why there are none.
std::string ReminderWhoseShiftText(const ReminderPlan& plan);

}  // namespace sk
