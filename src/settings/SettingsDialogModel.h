#pragma once
// What the settings dialog decides without a window: how the coordinate,
// time-zone and hour fields are read and written back, the place-name limit,
// the vacation order entries of an era, and how the dialog's values become
// settings on "Speichern".

#include <array>
#include <string>
#include <string_view>

#include "settings/NumberField.h"
#include "shift/VacationBlock.h"
#include "settings/Settings.h"

namespace sk {

inline constexpr int kMaxPlaceNameLength = 50;
// Coordinates fold at these limits.
inline constexpr double kLongitudeLimit = 180.0;
inline constexpr double kLatitudeLimit = 90.0;
inline constexpr double kEarliestTimeZone = -12.0;
inline constexpr double kLatestTimeZone = 14.0;

inline constexpr NumberFieldRule kTargetHours38Rule{"Sollstunden bei einer 38 Stundenwoche", 0.0, kMaxTargetHours,
                                                    false, false};
inline constexpr NumberFieldRule kTargetHours40Rule{"Sollstunden bei einer 40 Stundenwoche", 0.0, kMaxTargetHours,
                                                    false, false};

namespace settings_texts {
inline constexpr const char* kWindowTitle = "Programmeinstellungen";
inline constexpr const char* kPlaceNameCut = "Die Länge des Namens wurde auf 50 Zeichen gekürzt!";
inline constexpr const char* kInfoTitle = "Info";
}  // namespace settings_texts

// A number as the fields take it: every ",", blank and "'" counts as ".",
// then the leading number is read; text that starts with no number is 0.
double ReadFieldNumber(std::string_view text);

// A coordinate field (degrees and minutes as DD.MM): a fraction of .599 or
// more was meant as a decimal fraction and becomes minutes (12.7 -> 12.42);
// beyond the limit the whole degrees fold (120 -> 30 for the latitude).
double ParseCoordinateField(std::string_view text, double limit);
// The time zone in hours, held to -12 ... 14.
double ParseTimeZoneField(std::string_view text);

// Written back on leaving a field: coordinates with two decimals, the time
// zone with one, the target hours with two and ",".
std::string FormatCoordinateField(double value);
std::string FormatTimeZoneField(double value);
std::string FormatHoursField(double value);
double ParseHoursField(std::string_view text);

// The text of a field after leaving it: parsed and written back.
std::string NormalizeCoordinateField(std::string_view text, double limit);
std::string NormalizeTimeZoneField(std::string_view text);

// The place-name field after a change: at most 50 characters; `cut` when the
// text had to be shortened (the dialog then says so).
struct PlaceNameEdit {
    std::string text;
    bool cut = false;
};
PlaceNameEdit CheckPlaceNameEdit(std::string_view text);
// "7 von max. 50 Zeichen."
std::string PlaceNameCounterText(std::string_view text);

// The five entries of "Reihenfolge der Schichten" for the era of `year`:
// the era's first-block order and its four left rotations, crew names
// joined by ", ".
std::array<std::string, 5> VacationOrderEntries(int year);

// The controls of the dialog as plain values. The option groups hold the
// choice of the first option ("Ost", "Nord", "Ost").
struct SettingsForm {
    std::string placeName;
    std::string longitudeText;
    bool longitudeEast = true;
    std::string latitudeText;
    bool latitudeNorth = true;
    std::string timeZoneText;
    bool timeZoneEast = true;
    bool autoSummerTime = true;
    int twilightKind = 0;
    bool showMoonPhases = false;
    bool showPerihelionAphelion = false;
    bool showWeekNumbers = true;
    bool showSchoolHolidays = true;
    Region region = kDefaultRegion;  // "Bundesland"
    int vacationStartMonth = kDefaultVacationStartMonth;
    int vacationStartDay = kDefaultVacationStartDay;
    int vacationOrderIndex = 0;
    std::string hours38Text;
    std::string hours40Text;
};

// The form as the dialog opens it.
SettingsForm MakeSettingsForm(const Settings& s);
// "Urlaub zurücksetzen": 25 April and the first order entry.
void ResetVacationControls(SettingsForm& form);

// "Speichern": the form's values into the settings; the working order table
// of the era of `vacationYear` is reloaded from its constant and rotated by
// the chosen entry. Writing the file is the caller's step.
void ApplySettingsForm(const SettingsForm& form, int vacationYear, Settings& s, VacationOrderTables& tables);

}  // namespace sk
