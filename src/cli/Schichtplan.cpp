#include "cli/Schichtplan.h"

#include <ctime>
#include <filesystem>

#include "cli/IcsExport.h"
#include "cli/PlanExport.h"
#include "cli/PlanOptions.h"

namespace sk {

int RunSchichtplan(const std::vector<std::string>& args, DayNumber today, const OutputSink& out, std::string& err) {
    err.clear();
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
    if (parsed.options.format == PlanFormat::Ics)
        return RunIcsExport(parsed.options, static_cast<DateValue>(std::time(nullptr)), out, err);
    std::error_code ec;
    if (!parsed.options.dataFolder.empty() && !std::filesystem::is_directory(parsed.options.dataFolder, ec)) {
        err = "schichtplan: Der Datenordner „" + parsed.options.dataFolder + "“ existiert nicht oder ist kein Ordner.\n";
        return kExitBadInput;
    }
    return ExportPlan(parsed.options, out) ? kExitOk : kExitWriteFailed;
}

int RunSchichtplan(const std::vector<std::string>& args, DayNumber today, std::string& out, std::string& err) {
    out.clear();
    return RunSchichtplan(args, today, AppendTo(out), err);
}

DayNumber LocalToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return DayNumberOfValue(static_cast<DateValue>(now));
    return DayNumberOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace sk
