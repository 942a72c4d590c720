#include "view/CalendarPainter.h"

#include <string>

#include "view/Layout.h"
#include "view/ShiftPainter.h"

namespace sk {

using namespace colours;

Rgb DarkenedMarkColour(Rgb mark) { return mark - PackRgb(20, 20, 20); }

namespace {

const char* const kWeekdayShort[7] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};

// Day numbers 1-31 and week numbers 1-53 as text, built once.
const std::string& DayText(int day) {
    static const auto texts = [] {
        std::array<std::string, 54> t;
        for (int i = 0; i < 54; ++i) t[i] = std::to_string(i);
        return t;
    }();
    return texts[day];
}

struct DayCell {
    Canvas& canvas;
    const ViewState& view;
    int x;
    int y;
    int u = view.unitWidth;
    int r = view.rowHeight;
    int xm = RoundHalfEven(x + 5.35 * u);
};

Rgb PaintNoteBoxes(DayCell& c, const DayFacts& f, Rgb bg) {
    const int boxWidth = RoundHalfEven(2.5 * c.u);
    int nx = c.x - c.u / 3;
    int n = 0;
    if (f.dayNote) {
        ++n;
        c.canvas.FillRect(nx, c.y, boxWidth, c.r, kDayNote);
        nx += boxWidth;
    }
    if (f.periodicNote) {
        ++n;
        c.canvas.FillRect(nx, c.y, boxWidth, c.r, kPeriodicNote);
        nx += boxWidth;
    }
    if (f.yearlyNote) {
        ++n;
        if (n == 3) bg = kYearlyNote;
        c.canvas.FillRect(nx, c.y, boxWidth, c.r, kYearlyNote);
        nx += boxWidth;
    }
    if (f.weekdayNote) {
        if (n != 3) {
            c.canvas.FillRect(nx, c.y, boxWidth, c.r, kWeekdayNote);
        } else {
            nx = RoundHalfEven(nx - 1.25 * c.u);
            c.canvas.FillRect(nx, c.y, RoundHalfEven(1.25 * c.u), c.r, kWeekdayNote);
            bg = kWeekdayNote;
        }
    }
    return bg;
}

// Returns true when a phase glyph was drawn.
bool PaintMoon(DayCell& c, const DayFacts& f, Rgb bg) {
    const int cx = c.xm + 2 * (c.u / 2);
    const int cy = c.y + c.r / 2;
    const int radius = (c.u + c.r) / 4;
    bool drawn = true;
    switch (f.moonPhase) {
        case 'N':
            c.canvas.CircleOutline(cx, cy, radius, kMoonOutline);
            break;
        case 'V':
            c.canvas.FillCircle(cx, cy, radius, kMoonDisc);
            c.canvas.CircleOutline(cx, cy, radius, kMoonOutline);
            break;
        case 'E':
        case 'L':
            c.canvas.FillCircle(cx, cy, radius, kMoonDisc);
            c.canvas.CircleOutline(cx, cy, radius, kMoonOutline);
            if (f.moonPhase == 'E') c.canvas.FillRect(c.xm, c.y, c.u, c.r, bg);
            else c.canvas.FillRect(cx, c.y, c.u - 1, c.r, bg);
            c.canvas.VerticalLine(cx, cy - radius, cy - radius + (c.u + c.r) / 2, kMoonOutline);
            break;
        default:
            drawn = false;
            break;
    }
    if (f.eclipseShade == 1 || f.eclipseShade == 2) {
        c.canvas.FillCircle(cx, cy, radius, f.eclipseShade == 1 ? kSolarEclipse : kLunarEclipse);
        c.canvas.CircleOutline(cx, cy, radius, kMoonOutline);
    }
    return drawn;
}

void PaintDayPart(DayCell& c, CalendarData& data, const PaintOptions& options, const DayContext& ctx) {
    const DayFacts f = data.FactsOfDay(ctx, options);
    Rgb bg = c.view.backgroundColour;
    if (options.showSchoolHolidays && f.schoolHoliday) {
        c.canvas.FillRect(c.xm, c.y, 2 * c.u, c.r, kSchoolHolidayStripe);
        bg = kSchoolHolidayStripe;
    }
    if (f.markColour != 0) {
        Rgb mark = f.markColour;
        if (bg == kSchoolHolidayStripe) mark = DarkenedMarkColour(mark);
        c.canvas.FillRect(c.xm, c.y, 2 * c.u, c.r, mark);
        bg = mark;
    }
    bg = PaintNoteBoxes(c, f, bg);

    const bool red = WeekdayIndex(ctx.dayNumber) == 0 || f.publicHoliday;
    const Rgb textColour = red ? kHolidayRed : kBlack;
    const std::string& dayText = DayText(ctx.day);
    c.canvas.Text(c.x + 2 * c.u - c.canvas.TextWidth(dayText), c.y, dayText, textColour);
    c.canvas.Text(RoundHalfEven(c.x + 2.35 * c.u), c.y, kWeekdayShort[WeekdayIndex(ctx.dayNumber)], textColour);

    bool letter = false;
    if (options.showMoonPhases) letter = PaintMoon(c, f, bg);
    if (options.showDistanceLetters && (f.distanceLetter == 'F' || f.distanceLetter == 'N')) {
        c.canvas.Text(c.xm + c.u / 2, c.y, std::string(1, f.distanceLetter), kWeekNumber);
        letter = true;
    }
    if (options.showWeekNumbers && !letter && (WeekdayIndex(ctx.dayNumber) == 1 || ctx.day == 1)) {
        const int week = WeekNumber(ctx);
        c.canvas.Text(c.xm + (week < 10 ? c.u / 2 : 0), c.y, DayText(week), kWeekNumber);
    }
}

// Paints one month column of the grid.
void PaintMonthColumn(Canvas& canvas, const ViewState& view, CalendarData& data, const PaintOptions& options,
                      const GridColumn& column, bool firstColumn) {
    // Months after the calendar's range stay empty.
    if (column.days == 0) return;
    const int r = view.rowHeight;
    DayContext ctx = MakeDayContext(column.first);
    const bool yearStart = ctx.month == 0 || firstColumn;
    std::string header = kMonthNames[ctx.month];
    if (yearStart) header += " " + std::to_string(ctx.year);
    canvas.Text(column.x, 0, header, kBlack);
    data.BeginColumn(ctx, yearStart);

    int y = r;
    for (int day = 1; day <= column.days; ++day) {
        DayCell cell{canvas, view, column.x, y};
        PaintDayPart(cell, data, options, ctx);
        PaintShiftArea(canvas, view, options, ctx, data.ShiftsOfDay(ctx, options.calendarType),
                       column.x + 8 * view.unitWidth, y);
        SetDayContext(ctx, ctx.dayNumber + 1);
        y += r;
    }
}

}  // namespace

void PaintCalendar(Canvas& canvas, const ViewState& view, const CalendarGrid& grid, CalendarData& data,
                   const PaintOptions& options) {
    const int u = view.unitWidth;
    const int r = view.rowHeight;
    canvas.FillRect(0, 0, u * grid.WidthUnits(), 40 * r - 2, view.backgroundColour);
    for (int c = 0; c < grid.ColumnCount(); ++c) {
        PaintMonthColumn(canvas, view, data, options, grid.columns[static_cast<std::size_t>(c)], c == 0);
    }
    if (SelectedDay(view, grid)) {
        canvas.RoundedRectOutline(kColumnUnits * u * view.cursorColumn, view.cursorDay * r - 1, kColumnUnits * u,
                                  r + 1, 5, kBlack);
    }
}

}  // namespace sk
