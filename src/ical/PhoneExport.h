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
    std::string path;           // the target file
};

inline constexpr const char* kPhoneExportTitle = "Für Kalender-App exportieren";

// "Schichtplan-Rot-2026.ics"; letters outside ASCII and blanks are kept
// out of the name ("Grün" gives "Gruen", "Schicht A" "Schicht_A").
std::string PhoneExportFileName(const std::string& crewName, int year);

// The crews of the type (of `ownPlan` for the own plan type), the home crew
// (kept inside them), the whole year and its file in the home folder `homeDir`.
PhoneExportForm DefaultPhoneExportForm(int calendarType, int homeCrew, int year, const std::string& homeDir,
                                       const OwnShiftPlan* ownPlan = nullptr);

// The file for the form: `base` brings the type, vacation settings and the
// user's shift marks; the form decides crew, range and what goes in.
PlanIcsRequest PhoneExportRequest(const PhoneExportForm& form, PlanIcsRequest base);

// Writes the file (atomically). Empty on success, else the German message.
std::string WritePhoneExport(const PhoneExportForm& form, const PlanIcsRequest& base, DateValue stamp);

// Where the file is and how it reaches a phone.
std::string PhoneExportDoneText(const std::string& path);

}  // namespace sk
