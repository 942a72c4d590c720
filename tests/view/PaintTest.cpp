#include <gtest/gtest.h>

#include <map>

#include "calendar/Date.h"
#include "view/CalendarPainter.h"
#include "view/Layout.h"
#include "view/ShiftPainter.h"

namespace sk {
namespace {

constexpr Rgb kRed = PackRgb(255, 0, 0);
constexpr Rgb kBlue = PackRgb(0, 0, 255);
constexpr Rgb kYellow = PackRgb(255, 255, 0);
constexpr Rgb kGreen = PackRgb(0, 255, 0);
constexpr Rgb kBrown = PackRgb(235, 167, 11);

// Answers with facts chosen per day; every other day is plain.
class ChosenFacts : public CalendarData {
public:
    std::map<DayNumber, DayFacts> facts;
    std::map<DayNumber, ShiftRow> shifts;
    int columnsBegun = 0;
    int yearStarts = 0;

    void BeginColumn(const DayContext&, bool yearStart) override {
        ++columnsBegun;
        if (yearStart) ++yearStarts;
    }
    DayFacts FactsOfDay(const DayContext& ctx, const PaintOptions&) override {
        auto it = facts.find(ctx.dayNumber);
        return it == facts.end() ? DayFacts{} : it->second;
    }
    ShiftRow ShiftsOfDay(const DayContext& ctx, int) override {
        auto it = shifts.find(ctx.dayNumber);
        if (it != shifts.end()) return it->second;
        ShiftRow row;
        row.colours = {kRed, kBlue, kYellow, kGreen, kBrown};
        return row;
    }
    std::optional<SchoolHolidayBlock> SchoolHolidaysOfYear(int) override { return std::nullopt; }
};

struct Picture {
    ViewState view;
    int lastColumn;
    Cairo::RefPtr<Cairo::ImageSurface> surface;
    std::unique_ptr<Canvas> canvas;

    Picture(int year, int month, int lastColumn_ = 6, int fontSize = 10) : lastColumn(lastColumn_) {
        const std::string font = FontDescriptionText({"", fontSize, 0}, "DejaVu Sans");
        const FontMetrics m = MeasureFont(font);
        view.unitWidth = m.unitWidth;
        view.rowHeight = m.rowHeight;
        view.firstYear = year;
        view.firstMonth = month;
        view.cursorColumn = 0;
        view.cursorDay = 1;
        const CalendarGrid grid = Grid();
        surface = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, grid.ImageWidth(), grid.ImageHeight());
        canvas = std::make_unique<Canvas>(surface, font);
    }
    int u() const { return view.unitWidth; }
    int r() const { return view.rowHeight; }
    CalendarGrid Grid() const { return MakeCalendarGrid(view, lastColumn); }
    int ColumnX(int column) const { return Grid().columns[static_cast<std::size_t>(column)].x; }
    void Paint(CalendarData& data, const PaintOptions& options = {}) {
        PaintCalendar(*canvas, view, Grid(), data, options);
    }
    Rgb At(int x, int y) { return canvas->PixelAt(x, y); }
    // Counts pixels in a box that satisfy a test.
    template <typename Test>
    int Count(int x, int y, int w, int h, Test test) {
        int n = 0;
        for (int yy = y; yy < y + h; ++yy)
            for (int xx = x; xx < x + w; ++xx)
                if (test(At(xx, yy))) ++n;
        return n;
    }
};

bool Reddish(Rgb c) { return RedOf(c) > 200 && GreenOf(c) < 90 && BlueOf(c) < 90; }
bool Dark(Rgb c) { return RedOf(c) < 90 && GreenOf(c) < 90 && BlueOf(c) < 90; }

TEST(PaintCalendar, BeginsEveryDatedColumnAndEachYearOnce) {
    Picture p(2025, 0);
    ChosenFacts data;
    p.Paint(data);
    EXPECT_EQ(data.columnsBegun, 7);
    EXPECT_EQ(data.yearStarts, 1);

    Picture leap(2023, 11, 23);  // December 2023 ... November 2025
    ChosenFacts data2;
    leap.Paint(data2);
    EXPECT_EQ(data2.yearStarts, 3);  // column 0, January 2024, January 2025

    Picture end(2037, 6, 23);  // columns after December 2037 stay empty
    ChosenFacts data3;
    end.Paint(data3);
    EXPECT_EQ(data3.columnsBegun, 6);
    EXPECT_EQ(end.At(end.ColumnX(6) + 2, end.r() / 2), end.view.backgroundColour);
}

TEST(DayPart, PaintsSundaysAndHolidaysRed) {
    Picture p(2025, 0);
    ChosenFacts data;
    data.facts[DayNumberOf(2025, 1, 6)].publicHoliday = true;
    p.Paint(data);
    const int x = p.ColumnX(0);
    struct Case { int day; bool red; };
    const Case cases[] = {{5, true}, {6, true}, {7, false}, {12, true}, {13, false}};
    for (const Case& c : cases) {
        const int y = c.day * p.r();
        const int reds = p.Count(x, y, 5 * p.u(), p.r(), Reddish);
        const int darks = p.Count(x, y, 5 * p.u(), p.r(), Dark);
        if (c.red) {
            EXPECT_GT(reds, 5) << c.day;
            EXPECT_EQ(darks, 0) << c.day;
        } else {
            EXPECT_EQ(reds, 0) << c.day;
            EXPECT_GT(darks, 5) << c.day;
        }
    }
}

TEST(DayPart, StripesMarksAndNoteBoxesHaveTheirColours) {
    Picture p(2025, 0);
    ChosenFacts data;
    const DayNumber d10 = DayNumberOf(2025, 2, 10);  // column 1, day 10
    data.facts[d10].schoolHoliday = true;
    data.facts[d10 + 1].schoolHoliday = true;
    data.facts[d10 + 1].markColour = PackRgb(10, 100, 200);
    data.facts[d10 + 2].markColour = PackRgb(10, 100, 200);
    DayFacts& all = data.facts[d10 + 3];
    all.dayNote = all.periodicNote = all.yearlyNote = all.weekdayNote = true;
    data.facts[d10 + 4].weekdayNote = true;
    p.Paint(data);
    const int u = p.u(), r = p.r();
    const int x = p.ColumnX(1);
    const int xm = RoundHalfEven(x + 5.35 * u);
    auto yOf = [&](int day) { return day * r; };
    EXPECT_EQ(p.At(xm + 1, yOf(10) + 1), colours::kSchoolHolidayStripe);
    EXPECT_EQ(p.At(xm + 2 * u - 1, yOf(10) + r - 1), colours::kSchoolHolidayStripe);
    EXPECT_EQ(p.At(xm + 2 * u, yOf(10) + 1), p.view.backgroundColour);
    // Each channel 20 darker, stopping at 0.
    EXPECT_EQ(p.At(xm + 1, yOf(11) + 1), PackRgb(0, 80, 180));
    EXPECT_EQ(p.At(xm + 1, yOf(12) + 1), PackRgb(10, 100, 200));
    const int w = RoundHalfEven(2.5 * u);
    const int nx = x - u / 3;
    EXPECT_EQ(p.At(nx, yOf(13)), colours::kDayNote);
    EXPECT_EQ(p.At(nx + w, yOf(13)), colours::kPeriodicNote);
    const int quarterStart = RoundHalfEven(nx + 3 * w - 1.25 * u);
    EXPECT_EQ(p.At(quarterStart - 1, yOf(13)), colours::kYearlyNote);
    EXPECT_EQ(p.At(quarterStart, yOf(13)), colours::kWeekdayNote);
    EXPECT_EQ(p.At(quarterStart + RoundHalfEven(1.25 * u) - 1, yOf(13) + r - 1), colours::kWeekdayNote);
    EXPECT_EQ(p.At(quarterStart + RoundHalfEven(1.25 * u), yOf(13)), p.view.backgroundColour);
    // A weekday-in-month note alone takes the first place.
    EXPECT_EQ(p.At(nx, yOf(14)), colours::kWeekdayNote);
    EXPECT_EQ(p.At(nx + w, yOf(14)), p.view.backgroundColour);
}

TEST(DayPart, MarksOnSchoolHolidaysAreDarkenedChannelByChannel) {
    struct Case { Rgb mark, want; };
    const Case cases[] = {
        {PackRgb(0, 10, 200), PackRgb(0, 0, 180)},  // no borrow into the next channel
        {PackRgb(20, 19, 255), PackRgb(0, 0, 235)},
        {PackRgb(100, 150, 200), PackRgb(80, 130, 180)},  // as before where no channel is below 20
    };
    for (const Case& c : cases) EXPECT_EQ(DarkenedMarkColour(c.mark), c.want) << std::hex << c.mark;
}

TEST(DayPart, WeekNumbersOnMondaysAndFirstsUnlessAGlyphIsThere) {
    Picture p(2025, 0);  // 1 Jan 2025 is a Wednesday; Mondays 6, 13, 20, 27
    ChosenFacts data;
    data.facts[DayNumberOf(2025, 1, 13)].moonPhase = 'V';
    data.facts[DayNumberOf(2025, 1, 20)].distanceLetter = 'F';
    PaintOptions options;
    options.showMoonPhases = true;
    options.showDistanceLetters = true;
    p.Paint(data, options);
    const int u = p.u(), r = p.r();
    const int xm = RoundHalfEven(p.ColumnX(0) + 5.35 * u);
    auto weekInk = [&](int day) {
        return p.Count(xm, day * r, 2 * u, r, [](Rgb c) { return c == colours::kWeekNumber; }) +
               p.Count(xm, day * r, 2 * u, r, [](Rgb c) {
                   return RedOf(c) < 200 && RedOf(c) > 60 && BlueOf(c) < RedOf(c) - 20;
               });
    };
    EXPECT_GT(weekInk(1), 3);
    EXPECT_GT(weekInk(6), 3);
    EXPECT_EQ(weekInk(5), 0);  // Sunday
    EXPECT_EQ(weekInk(7), 0);
    // Full moon on Monday the 13th: a yellow disc and no week number.
    const int cx = xm + 2 * (u / 2), cy = 13 * r + r / 2;
    EXPECT_EQ(p.At(cx, cy), colours::kMoonDisc);
    // The distance letter on the 20th is drawn in the week-number colour,
    // left of where a two-digit week number would reach.
    EXPECT_GT(weekInk(20), 3);
}

// At small fonts the week number's digits are wider than their slot: they
// keep a free pixel column to the weekday and to the shift area.
TEST(DayPart, WeekNumbersKeepAGapAtSmallFonts) {
    for (int size : {7, 8, 9, 10}) {  // at 6 pt two digits do not fit between the two: they are centred
        // The same month with and without week numbers: what differs is their ink.
        Picture with(2025, 10, 6, size), without(2025, 10, 6, size);
        with.view.cursorDay = without.view.cursorDay = 30;  // the cursor frame away from the rows looked at
        ChosenFacts data;
        PaintOptions off;
        off.showWeekNumbers = false;
        with.Paint(data);
        without.Paint(data, off);
        const int u = with.u(), r = with.r();
        const int x = with.ColumnX(0), shiftArea = x + 8 * u;
        for (int day : {1, 3, 24}) {  // Saturday the 1st (week 44), Mondays in weeks 45 and 48
            int lastWeekday = -1, firstWeek = 1 << 20, lastWeek = -1;
            for (int xx = x + 2 * u; xx < shiftArea; ++xx) {
                for (int yy = day * r; yy < day * r + r; ++yy) {
                    if (without.At(xx, yy) != without.view.backgroundColour) lastWeekday = std::max(lastWeekday, xx);
                    if (with.At(xx, yy) != without.At(xx, yy)) {
                        firstWeek = std::min(firstWeek, xx);
                        lastWeek = std::max(lastWeek, xx);
                    }
                }
            }
            SCOPED_TRACE("font " + std::to_string(size) + ", day " + std::to_string(day));
            ASSERT_GE(lastWeek, 0) << "no week number";
            EXPECT_LT(lastWeekday + 1, firstWeek) << "touches the weekday";
            EXPECT_LT(lastWeek + 1, shiftArea) << "touches the shift area";
        }
    }
}

class ShiftPixels : public ::testing::Test {
protected:
    Picture p{2024, 11};  // December 2024 in column 0
    ChosenFacts data;
    int a = 0, u = 0, r = 0;

    ShiftRow Row(std::array<int, 5> codes) {
        ShiftRow row;
        row.codes = codes;
        row.colours = {kRed, kBlue, kYellow, kGreen, kBrown};
        return row;
    }
    void PaintWith(int day, const ShiftRow& row) {
        data.shifts[DayNumberOf(2024, 12, day)] = row;
        p.Paint(data);
        u = p.u();
        r = p.r();
        a = p.ColumnX(0) + 8 * u;
    }
    Rgb At(int day, int x, int dy) { return p.At(x, day * r + dy); }
};

TEST_F(ShiftPixels, WeekdayBoxesSitInTheirSubColumns) {
    PaintWith(11, Row({1, 2, 3, 0, 4}));  // Wednesday
    EXPECT_EQ(At(11, a + 2 * u, 0), kRed);
    EXPECT_EQ(At(11, a + 4 * u - 1, r - 1), kRed);
    EXPECT_EQ(At(11, a + 4 * u, 0), kBlue);
    EXPECT_EQ(At(11, a + 6 * u, r / 2), kYellow);
    EXPECT_EQ(At(11, a + 8 * u, r / 2), p.view.backgroundColour);
    // Standby marker: round(1.2u) wide, round(0.6r) high, centred vertically.
    const int h0 = RoundHalfAway(0.6 * r);
    EXPECT_EQ(At(11, a, RoundHalfAway((r - h0) / 2.0)), kGreen);
    EXPECT_EQ(At(11, a + RoundHalfAway(1.2 * u) - 1, r / 2), kGreen);
    EXPECT_EQ(At(11, a + RoundHalfAway(1.2 * u), r / 2), p.view.backgroundColour);
    EXPECT_EQ(At(11, a, 0), p.view.backgroundColour);
}

TEST_F(ShiftPixels, SundayBoxesAreWidened) {
    PaintWith(15, Row({1, 4, 3, 0, 4}));  // Sunday, no late crew
    EXPECT_EQ(At(15, a + 2 * u, r / 2), kRed);
    EXPECT_EQ(At(15, a + 5 * u - 1, r / 2), kRed);  // early box is 3u wide
    EXPECT_EQ(At(15, a + 5 * u, r / 2), kYellow);   // night box from b + 6u = a + 5u
    EXPECT_EQ(At(15, a + 8 * u - 1, r / 2), kYellow);
}

TEST_F(ShiftPixels, ChristmasDayShowsCircles) {
    ShiftRow row = Row({1, 2, 3, 0, 4});
    row.highHoliday = {false, true, true, true};
    PaintWith(25, row);  // Wednesday
    const int cy = r / 2;
    EXPECT_EQ(At(25, a + 3 * u, cy), kRed);
    EXPECT_EQ(At(25, a + 5 * u, cy), kBlue);
    EXPECT_EQ(At(25, a + 7 * u, cy), kYellow);
    EXPECT_EQ(At(25, a + 2 * u, 0), p.view.backgroundColour);  // box corner stays empty
    EXPECT_EQ(At(25, a + 4 * u, 0), p.view.backgroundColour);
    // A circle, not a disc with one-pixel nubs: each extreme row and column
    // is more than one pixel long, and nothing lies beyond the radius.
    const int cx = a + 3 * u, R = (u + r) / 4;
    for (int s : {-1, 1}) {
        EXPECT_EQ(At(25, cx + s * R, cy), kRed);
        EXPECT_EQ(At(25, cx + s * R, cy - 1), kRed) << "nub at the side " << s;
        EXPECT_EQ(At(25, cx + s * R, cy + 1), kRed) << "nub at the side " << s;
        EXPECT_NE(At(25, cx + s * (R + 1), cy), kRed);
        EXPECT_EQ(At(25, cx - 1, cy + s * R), kRed) << "nub at the top/bottom " << s;
        EXPECT_EQ(At(25, cx + 1, cy + s * R), kRed) << "nub at the top/bottom " << s;
        EXPECT_NE(At(25, cx, cy + s * (R + 1)), kRed);
    }
}

TEST_F(ShiftPixels, VacationBlockDayShowsAU) {
    ShiftRow row = Row({1, 2, 3, 4, 0});
    row.colours[4] = kYellow;  // black text on yellow
    row.inVacationWindow = true;
    PaintWith(10, row);
    EXPECT_EQ(At(10, a, 0), kYellow);
    EXPECT_EQ(At(10, a + 2 * u - 1, r - 1), kYellow);
    EXPECT_GT(p.Count(a, 10 * r, 2 * u, r, Dark), 4);

    PaintOptions hidden;
    hidden.vacationBlockShown = false;
    p.Paint(data, hidden);
    EXPECT_EQ(At(10, a, 0), p.view.backgroundColour);
    EXPECT_EQ(p.Count(a, 10 * r, 2 * u, r, Dark), 0);
}

TEST_F(ShiftPixels, MarkLetterIsWrittenInTheCrewTextColour) {
    ShiftRow row = Row({2, 1, 3, 0, 4});
    row.markColumn = 3;  // late shift: crew 0 (red box, white text)
    row.markCode = 4;    // "K"
    PaintWith(11, row);
    const int whites = p.Count(a + 4 * u, 11 * r, 2 * u, r, [](Rgb c) { return RedOf(c) > 240 && GreenOf(c) > 200; });
    EXPECT_GT(whites, 4);
    EXPECT_EQ(At(11, a + 4 * u, 0), kRed);
}

TEST(Cursor, FrameSurroundsTheCursorCell) {
    Picture p(2025, 0);
    ChosenFacts data;
    p.view.cursorColumn = 2;
    p.view.cursorDay = 10;
    p.Paint(data);
    const int u = p.u(), r = p.r();
    const int left = 18 * u * 2, top = 10 * r - 1;
    EXPECT_EQ(p.At(left + 9 * u, top), colours::kBlack);
    EXPECT_EQ(p.At(left + 9 * u, top + r), colours::kBlack);
    EXPECT_EQ(p.At(left, top + r / 2), colours::kBlack);
    EXPECT_EQ(p.At(left + 18 * u - 1, top + r / 2), colours::kBlack);
    EXPECT_NE(p.At(left, top), colours::kBlack);  // rounded corner
}

}  // namespace
}  // namespace sk
