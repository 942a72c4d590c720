// schichtplan: prints the shift plan of a date range (CSV, text, iCalendar,
// PDF) or sends its calendar events to a CalDAV server.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/Today.h"
#include "cli/Schichtplan.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string err;
    const sk::OutputSink toStdout = [](std::string_view piece) {
        return std::fwrite(piece.data(), 1, piece.size(), stdout) == piece.size();
    };
    int status = sk::RunSchichtplan(args, sk::LocalToday().dayNumber, toStdout, err);
    if (!err.empty()) std::fwrite(err.data(), 1, err.size(), stderr);
    if (std::fflush(stdout) != 0 && status == sk::kExitOk) status = sk::kExitWriteFailed;
    // A full disk or a closed pipe must not pass for a complete plan. A run
    // that failed for a reason of its own (a calendar server) has said why.
    if (status == sk::kExitWriteFailed && err.empty()) std::fputs("schichtplan: Die Ausgabe konnte nicht geschrieben werden.\n", stderr);
    return status;
}
