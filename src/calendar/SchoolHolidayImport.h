#pragma once
// School holidays from a calendar file: the events an iCalendar reader found
// are checked, named periods sorted into the seven slots of a year, and the
// result planned against the built-in table and the stored periods. No file
// format here: the reader that fills CalendarEvent lives beside the toolkit.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/SchoolHolidays.h"

namespace sk {

// One event of a calendar file as the reader found it.
struct CalendarEvent {
    std::string summary;                // valid UTF-8, shortened
    std::optional<CivilDate> first;     // first day; none when the event has no start date
    std::optional<CivilDate> last;      // last day, inclusive
    bool recurring = false;             // RRULE or RDATE
};

// The slot a period's name points to (Winter/Fasching/Frühjahr, Oster,
// Pfingst, Sommer, Herbst, Buß, Weihnacht), or -1 for none or more than one.
int ClassifySchoolHolidayName(std::string_view name);

struct NamedPeriod {
    std::string name;  // the event's summary
    SchoolHolidayPeriod period;
};

struct SchoolHolidayImport {
    std::vector<NamedPeriod> periods;      // date order
    std::vector<std::string> unclassified; // names left out
    std::string error;                     // German; when set nothing may be taken
};

// Checks the events and classifies them. Any event without dates, with a
// repetition, outside 1970-2037, ending before it starts, periods that
// overlap or a slot filled twice make the whole file an error. Events whose
// name fits no slot are listed and left out. Adjacent pieces of one period
// (Christmas split at the new year) are joined.
SchoolHolidayImport ClassifyCalendarEvents(const std::vector<CalendarEvent>& events);

// What taking an import would do to the stored periods.
struct SchoolHolidayImportPlan {
    enum class Effect { kNew, kReplacesStored, kAlreadyKnown, kBuiltInKept };
    struct Line {
        NamedPeriod named;
        Effect effect;
    };
    std::vector<Line> lines;                    // one per imported period
    std::vector<SchoolHolidayPeriod> stored;    // the stored periods afterwards
    int changes = 0;                            // lines that are new or replace
    std::string error;                          // German; when set nothing may be taken
};

// A period of the file fills its slot when the built-in table has no dates
// there; it replaces a stored period of the same slot unless it is the same
// or only the January piece of a stored Christmas break. Built-in dates are
// never touched (Bayern's table; another state has none).
// The result must not overlap anything the calendar already holds.
SchoolHolidayImportPlan PlanSchoolHolidayImport(const SchoolHolidayImport& import,
                                                const std::vector<SchoolHolidayPeriod>& stored,
                                                Region region = kDefaultRegion);

// The plan as lines for the question before taking it:
// "Sommerferien 2026 Bayern: 03.08.2026 - 14.09.2026 (Sommer 2026, neu)".
std::vector<std::string> SchoolHolidayPlanLines(const SchoolHolidayImportPlan& plan);
// "03.08.2026".
std::string GermanDateOfCode(std::int32_t code);

}  // namespace sk
