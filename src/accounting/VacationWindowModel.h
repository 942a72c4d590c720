#pragma once
// What the window "Urlaub eingeben" decides: what it shows when it opens,
// how the field "Tage" is kept in range while typing, what "Speichern" stores.

#include <string>
#include <string_view>

#include "accounting/RemainingVacation.h"

namespace sk {

inline constexpr const char* kVacationWindowTitle = "Urlaub eingeben";

struct VacationForm {
    DayNumber countStart = 0;  // "Resturlaub am:", inside the current year
    std::string daysText;      // "Tage"; empty for 0
};

// Reads both account files (the vacation file with the new-year rule) into
// `files` and gives the window's first content.
VacationForm OpenVacationForm(const std::string& folder, AccountFiles& files, int currentYear);

// The first and last day the date field offers: the current year.
DayNumber VacationFormFirstDay(int currentYear);
DayNumber VacationFormLastDay(int currentYear);

// "Speichern": the days limited to -60...60, the start day kept inside the
// current year; both files written, so the home crew chosen in the window is
// stored too. False when a file could not be written.
bool SaveVacationForm(const std::string& folder, AccountFiles& files, const VacationForm& form, int currentYear);

}  // namespace sk
