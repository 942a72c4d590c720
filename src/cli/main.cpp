// schichtplan: prints the shift plan of a date range as CSV or as text.

#include <cstdio>
#include <string>
#include <vector>

#include "calendar/Today.h"
#include "cli/Schichtplan.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string out;
    std::string err;
    int status = sk::RunSchichtplan(args, sk::LocalToday().dayNumber, out, err);
    if (!err.empty()) std::fwrite(err.data(), 1, err.size(), stderr);
    if (!out.empty() && std::fwrite(out.data(), 1, out.size(), stdout) != out.size()) status = 1;
    if (std::fflush(stdout) != 0) status = 1;
    return status;
}
