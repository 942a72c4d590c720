#include "view/CalendarPainter.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "view/Layout.h"
#include "view/ShiftPainter.h"

namespace sk {

using namespace colours;

Rgb DarkenedMarkColour(Rgb mark) {
    constexpr int kDarkerBy = 20;
    const auto darker = [](int channel) { return std::max(0, channel - kDarkerBy); };
    return PackRgb(darker(RedOf(mark)), darker(GreenOf(mark)), darker(BlueOf(mark)));
}

namespace {

const char* const kWeekdayShort[7] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
// The shift area of a day row starts this many units right of the column.
constexpr int kShiftAreaUnits = 8;

// Day numbers 1-31 and week numbers 1-53 as text, built once.
const std::string& DayText(int day) {
    static const auto texts = [] {
        std::array<std::string, 54> t;
        for (int i = 0; i < 54; ++i) t[i] = std::to_string(i);
        return t;
    }();
    return texts[day];
}

// Where the moon and letter slot and the weekday start in a column at x.
// Rounded in floating point from x itself, so the offsets from x can differ
// between columns (see ColumnsAlike).
int MoonSlotX(int x, int u) { return RoundHalfEven(x + 5.35 * u); }
int WeekdayX(int x, int u) { return RoundHalfEven(x + 2.35 * u); }

struct DayCell {
    Canvas& canvas;
    const ViewState& view;
    int x;
    int y;
    int u = view.unitWidth;
    int r = view.rowHeight;
    int xm = MoonSlotX(x, u);
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
    const int weekdayX = WeekdayX(c.x, c.u);
    const char* const weekday = kWeekdayShort[WeekdayIndex(ctx.dayNumber)];
    c.canvas.Text(weekdayX, c.y, weekday, textColour);

    bool letter = false;
    if (options.showMoonPhases) letter = PaintMoon(c, f, bg);
    if (options.showDistanceLetters && (f.distanceLetter == 'F' || f.distanceLetter == 'N')) {
        c.canvas.Text(c.xm + c.u / 2, c.y, std::string(1, f.distanceLetter), kWeekNumber);
        letter = true;
    }
    if (options.showWeekNumbers && !letter && (WeekdayIndex(ctx.dayNumber) == 1 || ctx.day == 1)) {
        const int week = WeekNumber(ctx);
        const std::string& text = DayText(week);
        // At small fonts the digits are wider than their slot: keep a pixel
        // clear of the weekday and of the shift area, centred between them
        // when there is not room for both.
        constexpr int kGap = 1;
        const int width = c.canvas.TextWidth(text);
        const int left = weekdayX + c.canvas.TextWidth(weekday) + kGap;
        const int right = c.x + kShiftAreaUnits * c.u - kGap;
        int wx = c.xm + (week < 10 ? c.u / 2 : 0);
        if (wx + width > right) wx = right - width;
        if (wx < left) wx = left + std::max(0, right - left - width) / 2;
        c.canvas.Text(wx, c.y, text, kWeekNumber);
    }
}

// Paints one month column of the grid. A column painted `alone`, without
// the columns left of it, begins its data as a year start, which sets up
// what the year's earlier columns would have.
void PaintMonthColumn(Canvas& canvas, const ViewState& view, CalendarData& data, const PaintOptions& options,
                      const GridColumn& column, bool firstColumn, bool alone = false) {
    // Months after the calendar's range stay empty.
    if (column.days == 0) return;
    const int r = view.rowHeight;
    DayContext ctx = MakeDayContext(column.first);
    const bool yearStart = ctx.month == 0 || firstColumn;
    std::string header = kMonthNames[ctx.month];
    if (yearStart) header += " " + std::to_string(ctx.year);
    canvas.Text(column.x, 0, header, kBlack);
    data.BeginColumn(ctx, yearStart || alone);

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

// The background reaches below the image's last row.
void FillBackground(Canvas& canvas, const ViewState& view, int x, int w) {
    canvas.FillRect(x, 0, w, 40 * view.rowHeight - 2, view.backgroundColour);
}

void PaintCursorFrame(Canvas& canvas, const ViewState& view, const CalendarGrid& grid) {
    if (!SelectedDay(view, grid)) return;
    const int u = view.unitWidth;
    const int r = view.rowHeight;
    constexpr int kRadius = 5;
    canvas.RoundedRectOutline(kColumnUnits * u * view.cursorColumn, view.cursorDay * r - 1, kColumnUnits * u, r + 1,
                              kRadius, kBlack);
}

// A column's strip of the image: its own x range, the full height.
int StripWidth(const ViewState& view) { return kColumnUnits * view.unitWidth; }
int StripLeft(const ViewState& view, int column) { return StripWidth(view) * column; }

// Whether a month paints the same pixels, moved, in every column: the
// slot offsets are rounded from the column's x, which may tip a half one
// way in one column and the other way in another.
bool ColumnsAlike(const CalendarGrid& grid, int u) {
    const int x0 = grid.columns.front().x;
    for (const GridColumn& c : grid.columns) {
        if (MoonSlotX(c.x, u) - c.x != MoonSlotX(x0, u) - x0 || WeekdayX(c.x, u) - c.x != WeekdayX(x0, u) - x0)
            return false;
    }
    return true;
}

int MonthIndex(const ViewState& view) { return view.firstYear * 12 + view.firstMonth; }

// The whole image; true when every column kept to its strip.
bool PaintAllColumns(Canvas& canvas, const ViewState& view, const CalendarGrid& grid, CalendarData& data,
                     const PaintOptions& options) {
    FillBackground(canvas, view, 0, view.unitWidth * grid.WidthUnits());
    bool inStrips = true;
    for (int c = 0; c < grid.ColumnCount(); ++c) {
        canvas.StartSpan();
        PaintMonthColumn(canvas, view, data, options, grid.columns[static_cast<std::size_t>(c)], c == 0);
        if (!canvas.EndSpan().Within(StripLeft(view, c), StripLeft(view, c + 1))) inStrips = false;
    }
    PaintCursorFrame(canvas, view, grid);
    return inStrips;
}
}  // namespace

void PaintCalendar(Canvas& canvas, const ViewState& view, const CalendarGrid& grid, CalendarData& data,
                   const PaintOptions& options) {
    PaintAllColumns(canvas, view, grid, data, options);
}

bool CalendarRepainter::Shown::SameBut(const Shown& o) const {
    return image == o.image && font == o.font && unitWidth == o.unitWidth && rowHeight == o.rowHeight &&
           background == o.background && columns == o.columns && options == o.options;
}

CalendarRepainter::Shown CalendarRepainter::ShownBy(const Canvas& canvas, const ViewState& view,
                                                    const CalendarGrid& grid, const PaintOptions& options) {
    Shown s;
    s.image = canvas.Image();
    s.font = canvas.FontDescription();
    s.unitWidth = view.unitWidth;
    s.rowHeight = view.rowHeight;
    s.background = view.backgroundColour;
    s.columns = grid.ColumnCount();
    s.options = options;
    s.firstMonth = MonthIndex(view);
    if (SelectedDay(view, grid)) s.frame = std::pair(view.cursorColumn, view.cursorDay);
    return s;
}

void CalendarRepainter::Paint(Canvas& canvas, const ViewState& view, const CalendarGrid& grid, CalendarData& data,
                              const PaintOptions& options, bool onlyViewMoved) {
    Shown now = ShownBy(canvas, view, grid, options);
    const bool reuse = onlyViewMoved && last_ && last_->SameBut(now) && now.image && !grid.columns.empty() &&
                       std::abs(now.firstMonth - last_->firstMonth) < now.columns &&
                       ColumnsAlike(grid, view.unitWidth);
    if (!reuse || !PaintChanged(canvas, view, grid, data, options, now)) PaintWhole(canvas, view, grid, data, options, now);
    last_ = std::move(now);
}

void CalendarRepainter::PaintWhole(Canvas& canvas, const ViewState& view, const CalendarGrid& grid,
                                   CalendarData& data, const PaintOptions& options, Shown& now) {
    now.inStrips = PaintAllColumns(canvas, view, grid, data, options);
    columnsPainted_ = grid.ColumnCount();
}

// The strips of the months still shown are moved to their new columns;
// painted anew are the new months, column 0 and the old column 0 (their
// headers name the year or not), and the columns of the old and the new
// cursor frame. False when a repainted column left its strip: the image is
// then to be painted whole.
bool CalendarRepainter::PaintChanged(Canvas& canvas, const ViewState& view, const CalendarGrid& grid,
                                     CalendarData& data, const PaintOptions& options, Shown& now) {
    if (!last_->inStrips) return false;
    const int n = grid.ColumnCount();
    const int moved = now.firstMonth - last_->firstMonth;  // months the view went forward
    if (!canvas.MoveImage(-moved * StripWidth(view))) return false;
    std::vector<bool> repaint(static_cast<std::size_t>(n), false);
    const auto mark = [&](int column) {
        if (column >= 0 && column < n) repaint[static_cast<std::size_t>(column)] = true;
    };
    for (int c = 0; c < n; ++c) {
        if (c + moved < 0 || c + moved >= n) mark(c);
    }
    if (moved != 0) {
        mark(0);
        mark(-moved);
    }
    if (moved != 0 || last_->frame != now.frame) {
        if (last_->frame) mark(last_->frame->first - moved);
        if (now.frame) mark(now.frame->first);
    }
    columnsPainted_ = 0;
    for (int c = 0; c < n; ++c) {
        if (!repaint[static_cast<std::size_t>(c)]) continue;
        const int left = StripLeft(view, c), right = StripLeft(view, c + 1);
        FillBackground(canvas, view, left, right - left);
        canvas.StartSpan();
        PaintMonthColumn(canvas, view, data, options, grid.columns[static_cast<std::size_t>(c)], c == 0, true);
        if (!canvas.EndSpan().Within(left, right)) return false;
        ++columnsPainted_;
    }
    // The frame lies inside its strip; over a kept strip it is the same frame.
    if (now.frame && repaint[static_cast<std::size_t>(now.frame->first)]) PaintCursorFrame(canvas, view, grid);
    now.inStrips = true;
    return true;
}

}  // namespace sk
