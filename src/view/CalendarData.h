#pragma once
// What the painter asks about each day. The program answers from the core
// (holidays, school holidays, notes, marks, astronomy, shift plans); tests
// answer with chosen facts to check the pixels.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "calendar/Date.h"
#include "calendar/SchoolHolidays.h"
#include "calendar/ViewState.h"
#include "shift/OwnShiftPlan.h"

namespace sk {

// The settings that decide what the calendar image shows.
struct PaintOptions {
    bool showSchoolHolidays = true;
    bool showMoonPhases = false;
    bool showWeekNumbers = true;
    bool showDistanceLetters = false;  // lunar apogee "F" / perigee "N"
    int calendarType = 0;
    bool vacationBlockShown = true;    // the "UB" switch
    bool operator==(const PaintOptions&) const = default;
};

struct DayFacts {
    bool publicHoliday = false;  // a day off of the user's state
    bool schoolHoliday = false;
    Rgb markColour = 0;          // calendar mark covering the day, 0 = none
    bool dayNote = false;
    bool periodicNote = false;
    bool yearlyNote = false;
    bool weekdayNote = false;
    char moonPhase = 0;          // 'N', 'V', 'E', 'L' or 0
    int eclipseShade = 0;        // 1 solar, 2 lunar, 0 none
    char distanceLetter = 0;     // 'F' apogee, 'N' perigee or 0
};

// Everything the shift-area painter of one row needs.
struct ShiftRow {
    std::array<int, 5> codes{4, 4, 4, 4, 4};  // ShiftCode per crew (types 0-4)
    std::array<Rgb, 5> colours{};
    std::array<int, 4> fourCrewCodes{4, 4, 4, 4};  // crews A-D (types 6, 7)
    bool onRhythm = true;            // false in the 2015 transition of types 0 and 3
    bool inVacationWindow = false;   // block start <= day < block start + 140
    std::array<bool, 4> highHoliday{};  // index 1-3: IsHighHoliday(level)
    OwnPlanRow ownPlan;              // type 8: the crew on each shift sub-column
    OwnPlanDay ownPlanDay;           // type 8: the shift of each crew
    int markColumn = 0;              // shift mark of the day: crew column 1-4, 0 = none
    int markCode = -1;
};

class CalendarData {
public:
    virtual ~CalendarData() = default;
    // Called after the header of a month column; yearStart is true for a
    // January column, for column 0 and for a column painted without the
    // columns before it (where the vacation block of the column's year is
    // recomputed).
    virtual void BeginColumn(const DayContext& monthStart, bool yearStart) = 0;
    virtual DayFacts FactsOfDay(const DayContext& ctx, const PaintOptions& options) = 0;
    virtual ShiftRow ShiftsOfDay(const DayContext& ctx, int calendarType) = 0;
    // The school holidays of a year, for the half-year page's list; none
    // when nothing is known of the year.
    virtual std::optional<SchoolHolidayBlock> SchoolHolidaysOfYear(int year) = 0;
    // The heading of that list: whose school holidays they are.
    virtual std::string SchoolHolidayHeading() { return kSchoolHolidayHeading; }
    // How many notes of all four kinds the day has (the painter shows only
    // which kinds; the day's description counts them).
    virtual int NoteCountOfDay(const DayContext&) { return 0; }
};

}  // namespace sk
