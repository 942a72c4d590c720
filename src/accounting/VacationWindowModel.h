#pragma once
// What the window "Urlaub eingeben" decides: what it shows when it opens,
// how the field "Tage" is kept in range while typing, what "Speichern" stores.

#include <optional>
#include <string>
#include <string_view>

#include "accounting/RemainingVacation.h"
#include "settings/NumberField.h"

namespace sk {

inline constexpr const char* kVacationWindowTitle = "Urlaub eingeben";

inline constexpr NumberFieldRule kVacationDaysRule{"Tage", -kVacationDaysLimit, kVacationDaysLimit, true, true};

// Everything the window shows; the records change only with "Speichern".
struct VacationForm {
    DayNumber countStart = 0;  // "Resturlaub am:", inside the current year
    std::string daysText;      // "Tage"; empty for 0
    int homeCrew = 0;          // "Stammschicht"
};

// Reads both account files (the vacation file with the new-year rule) into
// `files` and gives the window's first content.
VacationForm OpenVacationForm(const std::string& folder, AccountFiles& files, int currentYear);

// The first and last day the date field offers: the current year.
DayNumber VacationFormFirstDay(int currentYear);
DayNumber VacationFormLastDay(int currentYear);

// "Speichern" first asks this: nothing when "Tage" holds a whole number of
// -60 to 60 (or nothing), else the message; the window then stays open.
std::optional<std::string> CheckVacationForm(const VacationForm& form);

// "Speichern": the days limited to -60...60, the start day kept inside the
// current year; both files written, so the home crew chosen in the window is
// stored too. False when a file could not be written.
bool SaveVacationForm(const std::string& folder, AccountFiles& files, const VacationForm& form, int currentYear);

}  // namespace sk
