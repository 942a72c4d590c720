#pragma once
// What the window "Stunden eingeben" decides: its first content, the
// conversion of the hours field when the notation is switched, and what
// "Speichern" stores.

#include <optional>
#include <string>

#include "accounting/HoursAccount.h"
#include "settings/NumberField.h"

namespace sk {

inline constexpr const char* kHoursWindowTitle = "Stunden eingeben";
inline constexpr int kDecimalNotation = 0;  // "Std,dez"
inline constexpr int kMinutesNotation = 1;  // "Std:Min"
inline constexpr NumberFieldRule kHoursFieldRule{"Stunden", -kHoursLimit, kHoursLimit, false, true};

// Everything the window shows; the record changes only with "Speichern".
struct HoursForm {
    DayNumber countStart = 0;  // "Stunden am:"
    std::string hoursText;     // empty for a balance of 0
    int notation = kDecimalNotation;
    int homeCrew = 0;          // "Stammschicht"
    bool vacationBlockAsMinus = false;
};

// Reads "Minusstunden.dat" into `record` (a missing file keeps what is in
// memory) and gives the window's first content.
HoursForm OpenHoursForm(const std::string& folder, HoursRecord& record);

// An option button chosen: the field's text is converted to the new
// notation; choosing the notation already shown changes nothing.
void ChooseNotation(HoursForm& form, int notation);

// "Speichern" first asks this: nothing when the hours field holds a number
// of ±600 (or nothing), else the message; the window then stays open.
std::optional<std::string> CheckHoursForm(const HoursForm& form);

// "Speichern": notation, balance (the field read with its separator as the
// point, limited to ±600), start day, home crew and the vacation-block
// choice into `record`, then the file. False when the file could not be
// written. Without "Speichern" nothing of the window reaches the record.
bool SaveHoursForm(const std::string& folder, HoursRecord& record, const HoursForm& form);

}  // namespace sk
