#include "cli/IcsExport.h"

#include <optional>

#include "cli/PlanOptions.h"
#include "cli/Schichtplan.h"
#include "marks/ShiftMarks.h"

namespace sk {

PlanIcsRequest PlanIcsRequestOf(const PlanOptions& options, const ShiftMarkList* marks) {
    PlanIcsRequest r;
    r.from = options.from;
    r.to = options.to;
    r.calendarType = options.calendarType;
    r.crew = options.crew;
    r.ownPlan = options.ownPlan ? &*options.ownPlan : nullptr;
    r.region = options.region;
    r.vacationStartMonth = options.vacationStartMonth;
    r.vacationStartDay = options.vacationStartDay;
    r.vacationOrder = options.vacationOrder;
    r.withVacationBlock = options.icsVacationBlock;
    r.marks = options.icsMarks ? marks : nullptr;
    // Asked for with a file of school holidays: every period reaching into the range, whole.
    r.schoolHolidays = options.schoolHolidayFile.empty() ? nullptr : &options.schoolHolidays;
    return r;
}

bool ExportPlanIcs(const PlanOptions& options, const ShiftMarkList* marks, DateValue stamp, const OutputSink& sink) {
    return PlanIcs(PlanIcsRequestOf(options, marks), stamp, sink);
}

std::string ExportPlanIcs(const PlanOptions& options, const ShiftMarkList* marks, DateValue stamp) {
    return PlanIcs(PlanIcsRequestOf(options, marks), stamp);
}

int RunIcsExport(const PlanOptions& options, DateValue stamp, const OutputSink& out, std::string& err) {
    if (!CheckDataFolder(options, err)) return kExitBadInput;
    std::optional<ShiftMarkList> marks;
    if (!options.dataFolder.empty() && options.icsMarks) {
        marks.emplace();
        marks->Load(options.dataFolder);
    }
    return ExportPlanIcs(options, marks ? &*marks : nullptr, stamp, out) ? kExitOk : kExitWriteFailed;
}

int RunIcsExport(const PlanOptions& options, DateValue stamp, std::string& out, std::string& err) {
    out.clear();
    return RunIcsExport(options, stamp, AppendTo(out), err);
}

}  // namespace sk
