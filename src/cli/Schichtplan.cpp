#include "cli/Schichtplan.h"

#include <ctime>
#include <filesystem>

#include "base/FileIO.h"
#include "base/Latin1.h"
#include "cli/CalDavSync.h"
#include "cli/IcsExport.h"
#include "cli/PlanExport.h"
#include "cli/PdfExport.h"
#include "cli/PlanOptions.h"
#include "cli/DesktopNotification.h"
#include "cli/RemindCommand.h"
#include "calendar/SchoolHolidayStore.h"
#include "ical/SchoolHolidayIcs.h"
#include "marks/CalendarMarks.h"
#include "marks/ShiftMarks.h"
#include "notes/NoteNames.h"
#include "ical/ShippedSchoolHolidays.h"
#include "shift/OwnShiftPlanFile.h"

namespace sk {

int RunSchichtplan(const std::vector<std::string>& args, DayNumber today, const OutputSink& out, std::string& err) {
    err.clear();
    if (IsRemindCommand(args)) {
        DesktopNotifier notifier;
        std::string why;
        const int status = RunRemindCommand(
            args, static_cast<DateValue>(std::time(nullptr)),
            [&](const DueReminder& r) {
                if (notifier.Send(r.title, r.body)) return true;
                why = notifier.LastError();
                return false;
            },
            out, err);
        if (!why.empty()) err += "schichtplan: " + why + "\n";
        return status;
    }
    const ParsedArguments parsed = ParsePlanArguments(args, today);
    switch (parsed.outcome) {
        case ParsedArguments::Outcome::Help:
            return out(kPlanUsage) ? kExitOk : kExitWriteFailed;
        case ParsedArguments::Outcome::Error:
            err = parsed.error + "\n";
            return kExitBadInput;
        case ParsedArguments::Outcome::Run:
            break;
    }
    PlanOptions options = parsed.options;
    if (!CheckDataFolder(options, err)) return kExitBadInput;
    WarnOfRefusedLinks(options, err);
    std::string error;
    if (!ResolveOwnPlan(options, error)) {
        err = error + "\n";
        return kExitBadInput;
    }
    options.shippedSchoolHolidayFolder = ShippedSchoolHolidayFolder();
    if (!LoadPlanSchoolHolidays(options, err)) return kExitBadInput;
    if (options.format == PlanFormat::CalDav) return RunCalDavSync(options, static_cast<DateValue>(std::time(nullptr)), out, err);
    if (options.format == PlanFormat::Ics) return RunIcsExport(options, static_cast<DateValue>(std::time(nullptr)), out, err);
    if (options.format == PlanFormat::Pdf) {
        std::string pdf;
        const int status = RunPdfExport(options, pdf, err);
        if (status != kExitOk) return status;
        return out(pdf) ? kExitOk : kExitWriteFailed;
    }
    return ExportPlan(options, out) ? kExitOk : kExitWriteFailed;
}

int RunSchichtplan(const std::vector<std::string>& args, DayNumber today, std::string& out, std::string& err) {
    out.clear();
    return RunSchichtplan(args, today, AppendTo(out), err);
}

bool CheckDataFolder(const PlanOptions& options, std::string& err) {
    std::error_code ec;
    if (options.dataFolder.empty() || std::filesystem::is_directory(options.dataFolder, ec)) return true;
    err = "schichtplan: Der Datenordner " + QuotedPathPiece(options.dataFolder) +
          " existiert nicht oder ist kein Ordner.\n";
    return false;
}

namespace {
// The files of a data folder this program reads.
bool IsReadFromDataFolder(std::string_view name) {
    return name == kShiftMarkFileName || name == kCalendarMarkFileName || name == kSchoolHolidayFileName ||
           name == kOwnPlanFileName || ParseNoteFileName(name).has_value();
}
}  // namespace

void WarnOfRefusedLinks(const PlanOptions& options, std::string& err) {
    if (options.dataFolder.empty()) return;
    for (const std::string& name : LinksLeavingFolder(options.dataFolder, IsReadFromDataFolder)) {
        err += "schichtplan: Die Datei " + QuotedPathPiece(JoinPath(options.dataFolder, name)) +
               " verweist aus dem Datenordner hinaus und wurde nicht gelesen.\n";
    }
}

bool LoadPlanSchoolHolidays(PlanOptions& options, std::string& err) {
    std::vector<SchoolHolidayPeriod> stored;
    if (!options.dataFolder.empty()) stored = LoadStoredSchoolHolidays(options.dataFolder, options.region);
    if (!options.schoolHolidayFile.empty()) {
        const SchoolHolidayImport import = ReadSchoolHolidayIcsFile(options.schoolHolidayFile);
        const SchoolHolidayImportPlan plan = PlanSchoolHolidayImport(import, stored, options.region);
        if (!plan.error.empty()) {
            err = "schichtplan: " + QuotedPathPiece(options.schoolHolidayFile) + ": " + plan.error + "\n";
            return false;
        }
        for (const std::string& name : import.unclassified)
            err += "schichtplan: Der Termin „" + name + "“ lässt sich keinen Schulferien zuordnen und fehlt.\n";
        stored = plan.stored;
    }
    options.schoolHolidays = SchoolHolidayCalendar(options.region);
    options.schoolHolidays.FillEmptySlots(stored);
    // Without the shipped file the rest still holds: said once, not an error.
    std::vector<ShippedSchoolHoliday> shipped;
    std::string problem;
    if (ReadShippedSchoolHolidays(options.shippedSchoolHolidayFolder, options.region, shipped, problem))
        options.schoolHolidays.AddShipped(shipped);
    else
        err += "schichtplan: " + problem + "\n";
    return true;
}

}  // namespace sk
