#pragma once
// Command line of schichtplan: what a run prints and for which days, parsed
// and checked before anything is written.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shift/VacationBlock.h"
#include "astro/Observer.h"
#include "calendar/Date.h"
#include "calendar/SchoolHolidays.h"
#include "shift/CalendarTypes.h"
#include "shift/OwnShiftPlan.h"

namespace sk {

// CalDav: no output of its own; the plan's calendar events go to a server (--caldav).
enum class PlanFormat { Csv, Text, Ics, Pdf, CalDav };
// Pages of the PDF: the half-year plan page (the default of type 5) or
// twelve month columns a page (the default of the other types).
enum class PlanLayout { Default, HalfYear, Months };

struct PlanOptions {
    DayNumber from = 0;
    DayNumber to = 0;
    int calendarType = 0;
    PlanFormat format = PlanFormat::Csv;
    PlanLayout layout = PlanLayout::Default;
    // Crew 0-4 of the iCalendar export (--crew, counted from 1 on the command line);
    // 0-5 for the own plan.
    int crew = -1;
    // The own plan (type 8): given on the command line (--cycle ...) it is set
    // by the parser; from --plan FILE or the data folder it is read by
    // ResolveOwnPlan, which also finds the --crew of the iCalendar export.
    std::optional<OwnShiftPlan> ownPlan;
    std::string planFile;
    std::string crewText;
    // What the iCalendar export holds besides the shifts (--vacation-block, --marks).
    bool icsVacationBlock = true;
    bool icsMarks = true;
    // A reminder this many minutes before each shift in the iCalendar export (--alarm; 0: none).
    int icsAlarmMinutes = 0;
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
    int vacationStartMonth = kDefaultVacationStartMonth;
    int vacationStartDay = kDefaultVacationStartDay;
    VacationOrderTables vacationOrder = MakeDefaultVacationOrderTables();
    // The state whose public and school holidays the output shows (--region).
    Region region = kDefaultRegion;
    // An iCalendar file of school holidays (--school-holidays); the
    // iCalendar output then carries the school holidays too.
    std::string schoolHolidayFile;
    // The school holidays every output reads: the built-in table (Bayern),
    // the stored periods of --data, the periods of --school-holidays and,
    // below them, the shipped periods of the state.
    SchoolHolidayCalendar schoolHolidays;
    // Where the shipped school-holiday files are; "" reads none.
    std::string shippedSchoolHolidayFolder;
    // The calendar sync (--caldav URL --user NAME --password-file FILE): the
    // password is read from the file, never taken on the command line, where
    // every user of the machine could see it.
    std::string caldavUrl;
    std::string caldavUser;
    std::string caldavPasswordFile;
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

// For type 8: reads the own plan from --plan or the data folder when the
// command line did not give it, and finds the crew of the iCalendar export
// in it. False with one German line (prefixed like every error) in `error`.
bool ResolveOwnPlan(PlanOptions& options, std::string& error);

// The crew of an own plan named on the command line: its number (from 1) or
// its name (ASCII letters in either case); -1 when the plan has no such crew.
int ParseOwnPlanCrewArgument(const OwnShiftPlan& plan, std::string_view text);

// Digits only, at least one, as a number (no sign, no blanks).
bool ParseFixedDigits(std::string_view s, int& value);

extern const char* const kPlanUsage;

}  // namespace sk
