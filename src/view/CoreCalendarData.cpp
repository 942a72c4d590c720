#include "view/CoreCalendarData.h"

#include "calendar/Holidays.h"
#include "calendar/SchoolHolidays.h"
#include "marks/CalendarMarks.h"
#include "marks/ShiftMarks.h"
#include "notes/NoteStore.h"
#include "shift/ShiftComputation.h"

namespace sk {

PaintOptions PaintOptionsOf(const Settings& s) {
    PaintOptions o;
    o.showSchoolHolidays = s.showSchoolHolidays;
    o.showMoonPhases = s.showMoonPhases;
    o.showWeekNumbers = s.showWeekNumbers;
    o.showDistanceLetters = s.showPerihelionAphelion;
    o.calendarType = s.calendarType;
    o.vacationBlockShown = s.vacationBlockShown;
    return o;
}

void TakeSettings(CoreSources& sources, const Settings& s) {
    sources.vacationStartMonth = s.vacationStartMonth;
    sources.vacationStartDay = s.vacationStartDay;
    sources.observer.latitude = s.latitude;
    sources.observer.longitude = s.longitude;
    sources.observer.zone = s.timeZone;
    sources.observer.autoSummerTime = s.autoSummerTime;
    sources.observer.twilightKind = s.twilightKind;
    sources.region = s.region;
}

void CoreCalendarData::BeginColumn(const DayContext& monthStart, bool yearStart) {
    if (yearStart && sources_.vacationTables) {
        block_ = ComputeVacationBlock(monthStart.year, sources_.vacationStartMonth, sources_.vacationStartDay,
                                      *sources_.vacationTables);
    }
    columnFirst_ = monthStart.dayNumber;
    columnLength_ = monthStart.CurrentMonthLength();
    astro_ = nullptr;
}

DayFacts CoreCalendarData::FactsOfDay(const DayContext& ctx, const PaintOptions& options) {
    DayFacts f;
    f.publicHoliday = IsPublicHoliday(ctx, sources_.region);
    if (options.showSchoolHolidays)
        f.schoolHoliday = SchoolHolidays().Contains(ctx);
    if (sources_.calendarMarks) f.markColour = sources_.calendarMarks->MarkColourOfDay(ctx.dayNumber);
    if (const NoteStore* notes = sources_.notes) {
        f.dayNote = notes->HasDayNote(ctx);
        f.periodicNote = notes->CountPeriodicNotesOfDay(ctx) > 0;
        f.yearlyNote = notes->HasYearlyNote(ctx);
        f.weekdayNote = notes->WeekdayNoteStateOfDay(ctx) != 0;
    }
    if (options.showMoonPhases || options.showDistanceLetters) {
        // One search per month column instead of one per day.
        if (!astro_) {
            if (sources_.astroMonths) {
                astro_ = &sources_.astroMonths->Range(columnFirst_, columnLength_, sources_.observer);
            } else {
                ownAstro_ = ComputeAstroDayMarksRange(columnFirst_, columnLength_, sources_.observer);
                astro_ = &ownAstro_;
            }
        }
        const int i = ctx.dayNumber - columnFirst_;
        if (i >= 0 && i < static_cast<int>(astro_->size())) {
            const AstroDayMarks& m = (*astro_)[static_cast<std::size_t>(i)];
            f.moonPhase = m.phaseLetter;
            f.eclipseShade = m.eclipse == EclipseShading::kSolar ? 1 : m.eclipse == EclipseShading::kLunar ? 2 : 0;
            f.distanceLetter = m.distanceLetter;
        }
    }
    return f;
}

ShiftRow CoreCalendarData::ShiftsOfDay(const DayContext& ctx, int calendarType) {
    ShiftRow row;
    const DayNumber d = ctx.dayNumber;
    for (int i = 0; i < 5; ++i) row.colours[i] = static_cast<Rgb>(kCrewColours[i]);
    if (IsFourCrewType(calendarType)) {
        for (int crew = 0; crew < 4; ++crew) row.fourCrewCodes[crew] = ShiftOfFourCrewType(calendarType, crew, d);
    } else if (calendarType == kOwnPlanCalendarType) {
        if (const OwnShiftPlan* plan = sources_.OwnPlan()) {
            row.ownPlan = OwnPlanRowOf(*plan, d, sources_.region);
            row.ownPlanDay = OwnPlanDayOf(*plan, d, sources_.region);
        }
    } else {
        // Without vacation tables there is no block.
        const VacationBlock* block = sources_.vacationTables ? &block_ : nullptr;
        const CrewShiftResult result = ComputeCrewShifts(calendarType, d, block);
        for (int i = 0; i < 5; ++i) row.codes[i] = result.table.Code(i);
        row.onRhythm = result.allFiveOnRhythm;
        row.inVacationWindow = block && HasVacationBlock(calendarType) && IsInVacationWindow(*block, d);
    }
    if (!IsFourCrewType(calendarType)) {
        const int lowest = HighHolidayLevel(ctx);
        for (int level = 1; level <= 3; ++level) row.highHoliday[level] = IsHighHolidayAtLevel(lowest, level);
    }
    if (sources_.shiftMarks) {
        if (const ShiftMark* mark = sources_.shiftMarks->ShiftMarkOfDay(d)) {
            row.markColumn = mark->crew;
            row.markCode = mark->code;
        }
    }
    return row;
}

std::optional<SchoolHolidayBlock> CoreCalendarData::SchoolHolidaysOfYear(int year) {
    const SchoolHolidayBlock* block = SchoolHolidays().BlockOf(year);
    if (!block) return std::nullopt;
    return *block;
}

std::string CoreCalendarData::SchoolHolidayHeading() { return sk::SchoolHolidayHeading(SchoolHolidays().StateRegion()); }

int CoreCalendarData::NoteCountOfDay(const DayContext& ctx) {
    const NoteStore* notes = sources_.notes;
    if (!notes) return 0;
    const int weekday = notes->WeekdayNoteStateOfDay(ctx);  // bit 0 regular, bit 1 last week
    return (notes->HasDayNote(ctx) ? 1 : 0) + notes->CountPeriodicNotesOfDay(ctx) + (notes->HasYearlyNote(ctx) ? 1 : 0) +
           (weekday & 1) + ((weekday >> 1) & 1);
}

const SchoolHolidayCalendar& CoreCalendarData::SchoolHolidays() const {
    return sources_.schoolHolidays ? *sources_.schoolHolidays : SchoolHolidayCalendar::BuiltIn();
}

}  // namespace sk
