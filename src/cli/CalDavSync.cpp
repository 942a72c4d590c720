#include "cli/CalDavSync.h"

#include <optional>

#include "base/FileIO.h"
#include "base/Latin1.h"
#include "cli/IcsExport.h"
#include "cli/PlanOptions.h"
#include "cli/Schichtplan.h"
#include "marks/ShiftMarks.h"
#include "sync/CalendarSync.h"

namespace sk {

namespace {

constexpr std::size_t kMaxPasswordFileBytes = 4096;

// The first line of the file, without its line end.
std::optional<std::string> PasswordOf(const std::string& path) {
    std::optional<std::string> text = ReadRegularFile(path, kMaxPasswordFileBytes);
    if (!text) return std::nullopt;
    const std::size_t end = text->find_first_of("\r\n");
    if (end != std::string::npos) text->resize(end);
    return text;
}

}  // namespace

int RunCalDavSync(const PlanOptions& options, DateValue stamp, const OutputSink& out, std::string& err) {
    const std::optional<std::string> password = PasswordOf(options.caldavPasswordFile);
    if (!password || password->empty()) {
        err = "schichtplan: Die Passwortdatei " + QuotedPathPiece(options.caldavPasswordFile) +
              " lässt sich nicht lesen oder ist leer.\n";
        return kExitBadInput;
    }
    CalDavAccount account{options.caldavUrl, options.caldavUser, *password, false};
    if (const std::string problem = CalDavUrlProblem(account); !problem.empty()) {
        err = "schichtplan: " + problem + "\n";
        return kExitBadInput;
    }
    const UserMarks user = LoadUserMarks(options);
    const std::vector<SyncEvent> events =
        SplitIntoCalendarObjects(ExportPlanIcs(options, user.Marks(), user.homeCrew, stamp));
    CalDavConnection connection(std::move(account));
    const SyncResult result = SyncCalendar(connection, events, options.from, options.to);
    for (const std::string& problem : result.problems) err += "schichtplan: " + problem + "\n";
    if (!result.ok) {
        err += "schichtplan: " + SyncResultText(result) + "\n";
        return kExitSyncFailed;
    }
    return out(SyncResultText(result) + "\n") ? kExitOk : kExitWriteFailed;
}

}  // namespace sk
