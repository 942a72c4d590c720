#pragma once
// One run of schichtplan, without touching the process's streams: the caller
// writes `out` and `err` and exits with the returned status.

#include <string>
#include <vector>

#include "calendar/Date.h"

namespace sk {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadInput = 2;

int RunSchichtplan(const std::vector<std::string>& args, DayNumber today, std::string& out, std::string& err);

}  // namespace sk
