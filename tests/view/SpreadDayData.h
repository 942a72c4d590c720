#pragma once
// Chosen day facts for the painter's pixel comparisons: every kind of fact
// and shift row, spread over the days by their number.

#include <optional>

#include "view/CalendarData.h"

namespace sk {

// Every kind of day fact and shift row, spread over the days; the vacation
// window holds only while the data was last begun at a year start of the
// day's own year, as the core's vacation block does.
class SpreadDayData : public CalendarData {
public:
    void BeginColumn(const DayContext& month, bool yearStart) override {
        if (yearStart) blockYear_ = month.year;
    }
    DayFacts FactsOfDay(const DayContext& ctx, const PaintOptions&) override {
        const int d = ctx.dayNumber;
        DayFacts f;
        f.publicHoliday = d % 11 == 0;
        f.schoolHoliday = d % 5 < 2;
        if (d % 13 == 0) f.markColour = PackRgb(100, 150, 200);
        if (d % 17 == 0) f.markColour = PackRgb(10, 10, 250);
        f.dayNote = d % 3 == 0;
        f.periodicNote = d % 4 == 0;
        f.yearlyNote = d % 6 == 0;
        f.weekdayNote = d % 7 == 0;
        f.moonPhase = d % 3 == 1 ? 0 : "NVEL"[d % 4];
        if (d % 23 == 0) f.eclipseShade = 1 + d % 2;
        if (d % 9 == 0) f.distanceLetter = d % 2 ? 'F' : 'N';
        return f;
    }
    ShiftRow ShiftsOfDay(const DayContext& ctx, int) override {
        const int d = ctx.dayNumber;
        ShiftRow row;
        row.colours = {PackRgb(255, 0, 0), PackRgb(0, 0, 255), PackRgb(255, 255, 0), PackRgb(0, 255, 0),
                       PackRgb(235, 167, 11)};
        for (int i = 0; i < 5; ++i) row.codes[i] = (d + i) % 6;
        for (int i = 0; i < 4; ++i) row.fourCrewCodes[i] = (d + i) % 5;
        row.onRhythm = d % 19 != 0;
        row.inVacationWindow = blockYear_ == ctx.year && d % 8 < 3;
        row.highHoliday = {false, d % 10 == 0, d % 10 == 0, d % 15 == 0};
        if (d % 4 == 0) {
            row.markColumn = 1 + d % 4 / 2 + d % 3;
            row.markCode = d % 9;
        }
        return row;
    }
    std::optional<SchoolHolidayBlock> SchoolHolidaysOfYear(int) override { return std::nullopt; }

private:
    int blockYear_ = 0;
};

}  // namespace sk
