#pragma once
// "Eigener Schichtplan.txt": the own shift plan as a UTF-8 text file of
// "Schlüssel = Wert" lines (the format is described in README.md), and the
// start-up rule for a settings file that chooses the own plan.

#include <optional>
#include <string>
#include <string_view>

#include "shift/OwnShiftPlan.h"

namespace sk {

inline constexpr const char* kOwnPlanFileName = "Eigener Schichtplan.txt";
inline constexpr int kOwnPlanFileVersion = 1;
// A plan file is about a kilobyte; anything beyond this is not a plan.
inline constexpr std::size_t kMaxOwnPlanFileBytes = 64u * 1024u;

struct OwnPlanReadResult {
    std::optional<OwnShiftPlan> plan;  // set when the file is a complete, valid plan
    std::string error;                 // otherwise why not, in German, naming the line
    // A damaged file: everything that could be read (the rest as a new plan
    // has it), and the first bad line with its number (0: no single line,
    // e.g. a missing key or a fault of the whole plan).
    std::optional<OwnShiftPlan> readable;
    int badLine = 0;
    std::string badLineText;
};

// Reads a plan from the file's bytes. Everything is checked: every key must
// be there once and known, every value in its range, and the whole plan
// must pass CheckOwnShiftPlan without errors (warnings are fine).
OwnPlanReadResult ParseOwnShiftPlan(std::string_view bytes);
// The file's text for a plan (only meaningful for a plan without errors).
std::string FormatOwnShiftPlan(const OwnShiftPlan& plan);

// The value forms of the file, also what the plan window accepts: a clock
// time "H:MM" or "HH:MM" (00:00 to 23:59); paid hours "8", "7:30", "7,5" or
// "7.5" (0 to 24); and paid minutes written as "H:MM".
bool ParseClock(std::string_view s, int& minute);
bool ParsePaidHours(std::string_view s, int& minutes);
std::string PaidHoursText(int minutes);
// Yearly target hours: "1982,76", "1982.76" or "1982", above 0; empty is 0
// (the plan's own target). Written with a decimal comma.
bool ParseYearlyTarget(std::string_view s, int& hundredths);
std::string YearlyTargetText(int hundredths);

// The path of the plan file in a folder.
std::string OwnPlanPath(std::string_view folder);
// Reads the plan file of a folder; a missing file is an error with its own text.
OwnPlanReadResult LoadOwnShiftPlan(std::string_view folder);
OwnPlanReadResult LoadOwnShiftPlanFile(const std::string& path);
// Writes the plan atomically (the old file stays when writing fails). A plan
// with errors is not written. On failure `error` says why in German.
bool SaveOwnShiftPlan(std::string_view folder, const OwnShiftPlan& plan, std::string& error);

// What the program starts with for the stored "Schichtart": a built-in type
// as it is; the own plan when its file in `planFolder` is valid; otherwise
// type 0 with a message that says why (shown once; the file is left as it
// is until the user saves a plan).
struct StartCalendarType {
    int calendarType = 0;
    std::optional<OwnShiftPlan> plan;  // for type 8
    std::string message;               // non-empty when the own plan could not be used
};
StartCalendarType DecideStartCalendarType(int storedType, std::string_view planFolder);

}  // namespace sk
