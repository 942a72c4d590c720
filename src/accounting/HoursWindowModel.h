#pragma once
// What the window "Stunden eingeben" decides: its first content, the
// conversion of the hours field when the notation is switched, and what
// "Speichern" stores.

#include <string>

#include "accounting/HoursAccount.h"

namespace sk {

inline constexpr const char* kHoursWindowTitle = "Stunden eingeben";
inline constexpr int kDecimalNotation = 0;  // "Std,dez"
inline constexpr int kMinutesNotation = 1;  // "Std:Min"

struct HoursForm {
    DayNumber countStart = 0;  // "Stunden am:"
    std::string hoursText;     // empty for a balance of 0
    int notation = kDecimalNotation;
};

// Reads "Minusstunden.dat" into `record` (a missing file keeps what is in
// memory) and gives the window's first content.
HoursForm OpenHoursForm(const std::string& folder, HoursRecord& record);

// An option button chosen: the field's text is converted to the new
// notation; choosing the notation already shown changes nothing.
void ChooseNotation(HoursForm& form, int notation);

// "Speichern": notation, balance (the field read with its separator as the
// point, limited to ±600) and start day into `record`, then the file. The
// home crew and the vacation-block choice are taken as they are in
// `record`. False when the file could not be written.
bool SaveHoursForm(const std::string& folder, HoursRecord& record, const HoursForm& form);

}  // namespace sk
