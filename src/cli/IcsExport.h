#pragma once
// The ics run of schichtplan: the command line's choices handed to the one
// iCalendar writer (ical/PlanIcs.h).

#include <optional>
#include <string>

#include "calendar/Date.h"
#include "ical/PlanIcs.h"
#include "marks/ShiftMarks.h"

namespace sk {

struct PlanOptions;

// The request the options describe, with `marks` (may be null) as the user's
// shift marks; they count only in the file of the user's crew `homeCrew`.
PlanIcsRequest PlanIcsRequestOf(const PlanOptions& options, const ShiftMarkList* marks, int homeCrew);

// The calendar of crew `options.crew` for the options' range and type,
// written piece by piece to `sink` (false when a piece could not be written).
bool ExportPlanIcs(const PlanOptions& options, const ShiftMarkList* marks, int homeCrew, DateValue stamp,
                   const OutputSink& sink);
std::string ExportPlanIcs(const PlanOptions& options, const ShiftMarkList* marks, int homeCrew, DateValue stamp);

// The user's shift marks and home crew ("Stammschicht", kept with the hours)
// from `options.dataFolder`, when given and the marks are asked for.
struct UserMarks {
    std::optional<ShiftMarkList> marks;
    int homeCrew = 0;
    const ShiftMarkList* Marks() const { return marks ? &*marks : nullptr; }
};
UserMarks LoadUserMarks(const PlanOptions& options);

// Reads the shift marks and the home crew ("Stammschicht", kept with the
// hours) of `options.dataFolder` (when given and asked for) and exports. A
// data folder that is not a folder is a German error in `err` with exit
// status 2; a failed write exit status 1.
int RunIcsExport(const PlanOptions& options, DateValue stamp, const OutputSink& out, std::string& err);
int RunIcsExport(const PlanOptions& options, DateValue stamp, std::string& out, std::string& err);

}  // namespace sk
