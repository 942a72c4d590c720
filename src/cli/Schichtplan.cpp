#include "cli/Schichtplan.h"

#include <ctime>
#include <filesystem>

#include "cli/IcsExport.h"
#include "cli/PlanExport.h"
#include "cli/PlanOptions.h"

namespace sk {

int RunSchichtplan(const std::vector<std::string>& args, DayNumber today, std::string& out, std::string& err) {
    out.clear();
    err.clear();
    const ParsedArguments parsed = ParsePlanArguments(args, today);
    switch (parsed.outcome) {
        case ParsedArguments::Outcome::Help:
            out = kPlanUsage;
            return kExitOk;
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
    out = ExportPlan(parsed.options);
    return kExitOk;
}

}  // namespace sk
