#pragma once
// The remaining vacation of the current year: the days the user entered for
// a start day, minus every vacation mark since then on a day the home crew
// works and that is no counted holiday. Kept in "Urlaubstage.dat": 8-byte
// records, the last complete one with a day in 1970-2037 counts.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "accounting/HoursAccount.h"
#include "shift/VacationBlock.h"
#include "marks/ShiftMarks.h"

namespace sk {

inline constexpr const char* kVacationDaysFileName = "Urlaubstage.dat";
inline constexpr int kVacationDaysLimit = 60;

struct VacationDays {
    DayNumber vacationCountStart = 0;  // "Resturlaub am:"
    std::int32_t vacationDaysLeft = 0;  // on that day, -60 to 60
    bool operator==(const VacationDays&) const = default;
};

// Reads the last complete record with a day in 1970-2037; false (values
// unchanged) when there is none. The days are held to -60...60 as the window enters them.
bool ParseVacationDays(std::string_view bytes, VacationDays& days);
std::string FormatVacationDays(const VacationDays& days);

// The new-year rule: a count that starts before 1 January of the current
// year starts again on that day with 0 days. True when it was reset.
bool ApplyNewYearRule(VacationDays& days, int currentYear);

// Reads the file (a missing one leaves the values as they are), applies the
// new-year rule and, when that reset the count, saves the file at once. The
// record the file held before a reset, when it had one: the person is told.
std::optional<VacationDays> LoadVacationDays(const std::string& folder, VacationDays& days, int currentYear);
// Replaces the file atomically with one record; false when it could not be written.
bool SaveVacationDays(const std::string& folder, const VacationDays& days);

// Vacation marks of the current year that count: on or after the count
// start, on a day the home crew works (after the vacation block of
// `currentYearBlock`), and no counted holiday for the mark's column. The
// own plan (type 8) counts the working days of the home crew in `ownPlan`.
int CountVacationMarks(const std::vector<ShiftMark>& marks, int calendarType, const VacationDays& days, int homeCrew,
                       int currentYear, const VacationBlock& currentYearBlock,
                       const OwnShiftPlan* ownPlan = nullptr, Region region = kDefaultRegion);
// The status field: days left minus the counted marks, padded to 3 characters.
std::string RemainingVacationText(const VacationDays& days, int countedMarks);

// Both account files of a user data folder, read as every display does.
struct AccountFiles {
    VacationDays vacation;
    HoursRecord hours;
};
std::optional<VacationDays> LoadAccountFiles(const std::string& folder, AccountFiles& files, int currentYear);

// What the person is told once when the new-year rule started the count
// again: last year's remaining days and where this year's are entered.
std::string NewYearVacationText(int currentYear, int lastYear, long long lastYearsDaysLeft);

// The two status fields in full (files read, counts made); empty texts for
// the four-crew plans and for the own plan type without a plan.
struct AccountStatus {
    std::string remainingVacation;
    std::string hoursBalance;
    std::int32_t hoursColour = 0;
    std::string newYearText;  // set on the display that started the count again
};
AccountStatus ComputeAccountStatus(const std::string& folder, AccountFiles& files,
                                   const std::vector<ShiftMark>& marks, int calendarType, int currentYear,
                                   int vacationStartMonth, int vacationStartDay, const VacationOrderTables& tables,
                                   const OwnShiftPlan* ownPlan = nullptr, Region region = kDefaultRegion);

// The field "Tage" of the window "Urlaub eingeben": on every change a value
// of 61 or more becomes "60" and one below -60 becomes "-60"; anything else
// (also a partly typed "-") stays.
std::string LimitVacationDaysField(std::string_view field);
// "Speichern": the number in the field limited to -60...60; no number gives 0.
std::int32_t ParseVacationDaysField(std::string_view field);
// The field's text for a stored value: empty for 0.
std::string VacationDaysFieldText(std::int32_t daysLeft);
// The date field is limited to the current year.
DayNumber LimitToYear(DayNumber d, int year);

}  // namespace sk
