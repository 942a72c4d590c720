#pragma once
// Command line of schichtplan: what a run prints and for which days, parsed
// and checked before anything is written.

#include <string>
#include <vector>

#include "shift/VacationBlock.h"
#include "astro/Observer.h"
#include "calendar/Date.h"

namespace sk {

enum class PlanFormat { Csv, Text, Ics };

struct PlanOptions {
    DayNumber from = 0;
    DayNumber to = 0;
    int calendarType = 0;
    PlanFormat format = PlanFormat::Csv;
    // Crew 0-4 of the iCalendar export (--crew, counted from 1 on the command line).
    int crew = -1;
    // A user data folder (--data): its shift marks go into the iCalendar export,
    // its notes into a ninth CSV column.
    std::string dataFolder;
    // The password of the notes (--password), as typed: UTF-8 characters.
    std::string password;
    // Place and clock for the astronomy column (--lat, --lon, --zone, --dst,
    // --twilight); defaults are those of the "Astronomie" settings group.
    Observer observer;
    // Programs that only want the plan (the export benchmark) leave the
    // astronomy column empty; the command line always fills it.
    bool withAstronomy = true;
    // Vacation block settings: earliest start 25 April, order tables unrotated.
    int vacationStartMonth = 4;
    int vacationStartDay = 25;
    VacationOrderTables vacationOrder = MakeDefaultVacationOrderTables();
};

// The vacation block of the year being written, from the options' settings;
// recomputed only when the year changes.
class VacationBlockOfYear {
public:
    explicit VacationBlockOfYear(const PlanOptions& options) : options_(options) {}
    const VacationBlock& For(int year) {
        if (!valid_ || block_.year != year) {
            block_ = ComputeVacationBlock(year, options_.vacationStartMonth, options_.vacationStartDay,
                                          options_.vacationOrder);
            valid_ = true;
        }
        return block_;
    }

private:
    const PlanOptions& options_;
    VacationBlock block_;
    bool valid_ = false;
};

struct ParsedArguments {
    enum class Outcome { Run, Help, Error };
    Outcome outcome = Outcome::Run;
    PlanOptions options;
    std::string error;  // one German line without the trailing newline
};

// `args` without the program name; `today` is the local date of the run.
ParsedArguments ParsePlanArguments(const std::vector<std::string>& args, DayNumber today);

extern const char* const kPlanUsage;

}  // namespace sk
