#pragma once
// The painter's questions answered from the core: holidays, school
// holidays, notes, calendar and shift marks, astronomy and shift plans.

#include <optional>
#include <vector>

#include "shift/VacationBlock.h"
#include "astro/AstroDayMarks.h"
#include "astro/Observer.h"
#include "calendar/SchoolHolidays.h"
#include "settings/Settings.h"
#include "shift/CalendarTypes.h"
#include "shift/OwnShiftPlan.h"
#include "view/CalendarData.h"

namespace sk {

class NoteStore;
class CalendarMarkList;
class ShiftMarkList;

// What the answers depend on; the pointers may be null (nothing of that kind).
struct CoreSources {
    const VacationOrderTables* vacationTables = nullptr;
    int vacationStartMonth = kDefaultVacationStartMonth;
    int vacationStartDay = kDefaultVacationStartDay;
    Observer observer;
    const NoteStore* notes = nullptr;
    const CalendarMarkList* calendarMarks = nullptr;
    const ShiftMarkList* shiftMarks = nullptr;
    // Built-in plus stored school holidays; null reads the built-in table alone.
    const SchoolHolidayCalendar* schoolHolidays = nullptr;
    // The astronomy marks of months painted before; null computes them anew.
    AstroMonthCache* astroMonths = nullptr;
    // The own plan (type 8); no plan paints no shifts.
    const std::optional<OwnShiftPlan>* ownPlan = nullptr;
    // The state whose days off are painted red and keep the own plan off.
    Region region = kDefaultRegion;
    const OwnShiftPlan* OwnPlan() const { return ownPlan && *ownPlan ? &**ownPlan : nullptr; }
};

// What the painting reads of the settings: the display switches, and the
// sources' earliest vacation start and observing place. The one place the
// settings reach the painter.
PaintOptions PaintOptionsOf(const Settings& s);
void TakeSettings(CoreSources& sources, const Settings& s);

class CoreCalendarData : public CalendarData {
public:
    explicit CoreCalendarData(const CoreSources& sources) : sources_(sources) {}

    void BeginColumn(const DayContext& monthStart, bool yearStart) override;
    DayFacts FactsOfDay(const DayContext& ctx, const PaintOptions& options) override;
    ShiftRow ShiftsOfDay(const DayContext& ctx, int calendarType) override;
    std::optional<SchoolHolidayBlock> SchoolHolidaysOfYear(int year) override;
    std::string SchoolHolidayHeading() override;
    int NoteCountOfDay(const DayContext& ctx) override;

    // The vacation block of the year of the last year-start column.
    const VacationBlock& Block() const { return block_; }

private:
    const SchoolHolidayCalendar& SchoolHolidays() const;

    const CoreSources& sources_;
    VacationBlock block_;
    DayNumber columnFirst_ = 0;
    int columnLength_ = 0;
    // The column's marks: from the sources' cache, or made here without one.
    const std::vector<AstroDayMarks>* astro_ = nullptr;
    std::vector<AstroDayMarks> ownAstro_;
};

}  // namespace sk
