#include "cli/IcsExport.h"

#include <filesystem>
#include <system_error>

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
    r.vacationStartMonth = options.vacationStartMonth;
    r.vacationStartDay = options.vacationStartDay;
    r.vacationOrder = options.vacationOrder;
    r.withVacationBlock = options.icsVacationBlock;
    r.marks = options.icsMarks ? marks : nullptr;
    // Asked for with a file of school holidays: every period reaching into the range, whole.
    r.schoolHolidays = options.schoolHolidayFile.empty() ? nullptr : &options.schoolHolidays;
    return r;
}

std::string ExportPlanIcs(const PlanOptions& options, const ShiftMarkList* marks, DateValue stamp) {
    return PlanIcs(PlanIcsRequestOf(options, marks), stamp);
}

int RunIcsExport(const PlanOptions& options, DateValue stamp, std::string& out, std::string& err) {
    if (options.dataFolder.empty() || !options.icsMarks) {
        out = ExportPlanIcs(options, nullptr, stamp);
        return kExitOk;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(options.dataFolder, ec)) {
        err = "schichtplan: Der Datenordner „" + options.dataFolder + "“ existiert nicht oder ist kein Ordner.\n";
        return kExitBadInput;
    }
    ShiftMarkList marks;
    marks.Load(options.dataFolder);
    out = ExportPlanIcs(options, &marks, stamp);
    return kExitOk;
}

}  // namespace sk
