#include "cli/IcsExport.h"

#include <optional>

#include "accounting/HoursAccount.h"
#include "base/FileIO.h"
#include "cli/PlanOptions.h"
#include "cli/Schichtplan.h"
#include "marks/ShiftMarks.h"

namespace sk {

PlanIcsRequest PlanIcsRequestOf(const PlanOptions& options, const ShiftMarkList* marks, int homeCrew) {
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
    r.marksAreOwn = MarksBelongToCrew(options.calendarType, options.crew, homeCrew);
    r.alarmMinutes = options.icsAlarmMinutes;
    // Asked for with a file of school holidays: every period reaching into the range, whole.
    r.schoolHolidays = options.schoolHolidayFile.empty() ? nullptr : &options.schoolHolidays;
    return r;
}

bool ExportPlanIcs(const PlanOptions& options, const ShiftMarkList* marks, int homeCrew, DateValue stamp,
                   const OutputSink& sink) {
    return PlanIcs(PlanIcsRequestOf(options, marks, homeCrew), stamp, sink);
}

std::string ExportPlanIcs(const PlanOptions& options, const ShiftMarkList* marks, int homeCrew, DateValue stamp) {
    return PlanIcs(PlanIcsRequestOf(options, marks, homeCrew), stamp);
}

UserMarks LoadUserMarks(const PlanOptions& options) {
    UserMarks user;
    if (!options.dataFolder.empty() && options.icsMarks) {
        user.marks.emplace();
        user.marks->Load(options.dataFolder);
        HoursRecord hours;
        LoadHours(JoinPath(options.dataFolder, ""), hours);  // the accounts want the folder with its "/"
        user.homeCrew = hours.homeCrew;
    }
    return user;
}

int RunIcsExport(const PlanOptions& options, DateValue stamp, const OutputSink& out, std::string& err) {
    if (!CheckDataFolder(options, err)) return kExitBadInput;
    const UserMarks user = LoadUserMarks(options);
    return ExportPlanIcs(options, user.Marks(), user.homeCrew, stamp, out) ? kExitOk : kExitWriteFailed;
}

int RunIcsExport(const PlanOptions& options, DateValue stamp, std::string& out, std::string& err) {
    out.clear();
    return RunIcsExport(options, stamp, AppendTo(out), err);
}

}  // namespace sk
