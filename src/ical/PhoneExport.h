#pragma once
// The model of the window "Für Kalender-App exportieren": which crew, which
// days and what besides the shifts go into the iCalendar file, where it is
// written, and what the user is told. The file is the one the command line
// writes for the same choices (ical/PlanIcs.h).

#include <string>
#include <vector>

#include "calendar/Date.h"
#include "ical/PlanIcs.h"

namespace sk {

struct PhoneExportForm {
    std::vector<std::string> crewNames;  // of the calendar type, in crew order
    int crew = 0;
    int homeCrew = 0;  // "Stammschicht": the user's marks go only into its file
    DayNumber from = 0;
    DayNumber to = 0;
    bool vacationBlock = true;  // "Urlaubsblock"
    bool marks = true;          // "Schichtmarkierungen"
    int alarmMinutes = 0;       // "Erinnerung vor Schichtbeginn", 0: none
    std::string path;           // the target file
};

// The choices of "Erinnerung vor Schichtbeginn", in minutes, and their texts.
struct AlarmChoice {
    int minutes;
    const char* text;
};
inline constexpr AlarmChoice kAlarmChoices[] = {
    {0, "aus"}, {30, "30 Minuten"}, {60, "1 Stunde"}, {120, "2 Stunden"}, {720, "12 Stunden"}};

inline constexpr const char* kPhoneExportTitle = "Für Kalender-App exportieren";

// The file name of a crew's range: "Schichtplan-Rot-2026.ics" for a
// calendar year, "Schichtplan-Rot-2026-12-bis-2027-11.ics" for whole months,
// "Schichtplan-Rot-2026-12-08-bis-2027-01-10.ics" otherwise. Letters outside
// ASCII and blanks are kept out of the name ("Grün" gives "Gruen",
// "Schicht A" "Schicht_A").
std::string PhoneExportFileName(const std::string& crewName, DayNumber from, DayNumber to);

// The crews of the type (of `ownPlan` for the own plan type), the home crew
// (kept inside them), the month of `today` and the eleven after it, and its
// file in the home folder `homeDir`.
PhoneExportForm DefaultPhoneExportForm(int calendarType, int homeCrew, DayNumber today, const std::string& homeDir,
                                       const OwnShiftPlan* ownPlan = nullptr);

// Whether the user's marks may go into the form's file: only into that of
// the home crew (in the four-crew plans a mark's column is its crew).
bool PhoneExportTakesMarks(const PhoneExportForm& form, int calendarType);
// Why the box "Schichtmarkierungen" is off for another crew.
std::string PhoneExportMarksHint(const PhoneExportForm& form);
// The question before an existing file is replaced.
std::string PhoneExportReplaceQuestion(const std::string& path);

// The file for the form: `base` brings the type, vacation settings and the
// user's shift marks; the form decides crew, range and what goes in.
PlanIcsRequest PhoneExportRequest(const PhoneExportForm& form, PlanIcsRequest base);

// Writes the file (atomically). Empty on success, else the German message.
std::string WritePhoneExport(const PhoneExportForm& form, const PlanIcsRequest& base, DateValue stamp);

// Where the file is and how it reaches a phone.
std::string PhoneExportDoneText(const std::string& path);

}  // namespace sk
