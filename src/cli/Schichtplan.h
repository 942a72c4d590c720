#pragma once
// One run of schichtplan, without touching the process's streams: the output
// goes to a sink as it is made, an error text to `err`; the caller writes
// `err` and exits with the returned status.

#include <string>
#include <vector>

#include "calendar/Date.h"
#include "base/PlanOutput.h"

namespace sk {

inline constexpr int kExitOk = 0;
inline constexpr int kExitWriteFailed = 1;
inline constexpr int kExitBadInput = 2;
// The calendar server could not be reached, refused the login or failed.
inline constexpr int kExitSyncFailed = 1;

int RunSchichtplan(const std::vector<std::string>& args, DayNumber today, const OutputSink& out, std::string& err);
// The same with the whole output collected in `out`.
int RunSchichtplan(const std::vector<std::string>& args, DayNumber today, std::string& out, std::string& err);

struct PlanOptions;
// False with the German line in `err` when --data names no folder.
bool CheckDataFolder(const PlanOptions& options, std::string& err);
// Fills the options' school holidays from --data and --school-holidays;
// false with a German line in `err` when the file cannot be taken. Names of
// events that fit no school holidays are reported in `err` and left out.
bool LoadPlanSchoolHolidays(PlanOptions& options, std::string& err);
// A file of the data folder that is a symbolic link leading out of it is
// not read (another user of a shared folder may plant one); one line on
// `err` for each, the run goes on.
void WarnOfRefusedLinks(const PlanOptions& options, std::string& err);

}  // namespace sk
