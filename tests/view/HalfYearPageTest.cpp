#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "shift/VacationBlock.h"
#include "calendar/Date.h"
#include "calendar/Holidays.h"
#include "shift/ShiftComputation.h"
#include "view/HalfYearPage.h"
#include "CorePage.h"
#include "view/Layout.h"
#include "view/PaperMillPicture.h"
#include "view/TextStamps.h"

namespace sk {
namespace {

constexpr Rgb kWhite = PackRgb(255, 255, 255);
constexpr Rgb kBlack = PackRgb(0, 0, 0);
constexpr Rgb kRed = PackRgb(255, 0, 0);

Rgb PixelOf(const Cairo::RefPtr<Cairo::ImageSurface>& s, int x, int y) {
    s->flush();
    const unsigned char* p = s->get_data() + y * s->get_stride() + x * 4;
    return PackRgb(p[2], p[1], p[0]);
}

// One painted page with the texts it wrote.
struct PaintedPage {
    HalfYearGeometry g;
    Cairo::RefPtr<Cairo::ImageSurface> surface;
    std::vector<PageText> texts;
    VacationOrderTables tables = MakeDefaultVacationOrderTables();
    int year;

    PaintedPage(int monthNumber, int year_) : year(year_) {
        g = HalfYearGeometryOf(1260, 20);  // cells of 19 x 16 pixels
        surface = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, g.imageWidth, g.imageHeight);
        CoreSources sources;
        sources.vacationTables = &tables;
        PaintHalfYearPlan(surface, g, monthNumber, year, sources, &texts);
    }

    Rgb Pixel(int x, int y) const { return PixelOf(surface, x, y); }
    int BlockX(int block) const { return g.x0 + 8 * g.cw * block; }
    int RowTop(int day) const { return g.y0 + RoundHalfEven(2.5 * g.ch) + day * g.ch; }
    int CellX(int block, int crew) const { return BlockX(block) + (3 + crew) * g.cw; }

    bool HasText(const std::string& text) const {
        return std::any_of(texts.begin(), texts.end(), [&](const PageText& t) { return t.text == text; });
    }
    // A text that lies wholly inside the rectangle.
    std::optional<PageText> TextIn(int x, int y, int w, int h) const {
        for (const PageText& t : texts) {
            if (t.x >= x && t.y >= y && t.x + t.width <= x + w && t.y + t.height <= y + h) return t;
        }
        return std::nullopt;
    }
};


// Answers with chosen facts: nothing on any day unless set.
class ChosenDays : public CalendarData {
public:
    std::map<DayNumber, DayFacts> facts;
    std::map<DayNumber, ShiftRow> rows;
    std::optional<SchoolHolidayBlock> schoolHolidays;  // of the page's year; none of others
    int pageYear = 0;
    void BeginColumn(const DayContext&, bool) override {}
    DayFacts FactsOfDay(const DayContext& ctx, const PaintOptions&) override { return facts[ctx.dayNumber]; }
    ShiftRow ShiftsOfDay(const DayContext& ctx, int) override {
        auto it = rows.find(ctx.dayNumber);
        if (it != rows.end()) return it->second;
        ShiftRow row;
        row.colours = {kCrew[0], kCrew[1], kCrew[2], kCrew[3], kCrew[4]};
        return row;
    }
    std::optional<SchoolHolidayBlock> SchoolHolidaysOfYear(int year) override {
        return year == pageYear ? schoolHolidays : std::nullopt;
    }
    static constexpr Rgb kCrew[5] = {PackRgb(10, 20, 30), PackRgb(200, 0, 100), PackRgb(0, 90, 0),
                                     PackRgb(250, 250, 150), PackRgb(90, 90, 200)};
};

TEST(HalfYearPage, PaintsTheFactsItIsGiven) {
    // Wednesday 10 July 2024, crews 1 and 3; in the calendar a plain day.
    const DayNumber day = DayNumberOf(2024, 7, 10);
    struct Case {
        const char* name;
        void (*choose)(DayFacts&, ShiftRow&);
        int crew;          // the cell looked at; -1: the day's number
        const char* text;  // what it says, nullptr: nothing
        Rgb textColour;
        bool cornerFilled;  // the cell's top left inner pixel has the crew colour
    };
    const Case cases[] = {
        {"holiday", [](DayFacts& f, ShiftRow&) { f.publicHoliday = true; }, -1, "10 Mi", kRed, false},
        {"plain", [](DayFacts&, ShiftRow&) {}, -1, "10 Mi", kBlack, false},
        {"late shift", [](DayFacts&, ShiftRow& r) { r.codes[3] = kShiftLate; }, 3, "S", kBlack, true},
        {"high holiday", [](DayFacts&, ShiftRow& r) { r.codes[1] = kShiftNight; r.highHoliday[3] = true; }, 1, "N",
         PackRgb(238, 238, 238), false},
        {"vacation", [](DayFacts&, ShiftRow& r) { r.codes[3] = kShiftStandby; r.inVacationWindow = true; }, 3, "U",
         ChosenDays::kCrew[3], false},
        {"standby", [](DayFacts&, ShiftRow& r) { r.codes[3] = kShiftStandby; }, 3, nullptr, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChosenDays data;
        ShiftRow row = data.ShiftsOfDay(MakeDayContext(day), kHalfYearViewType);
        c.choose(data.facts[day], row);
        data.rows[day] = row;
        const HalfYearGeometry g = HalfYearGeometryOf(1260, 20);
        auto surface = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, g.imageWidth, g.imageHeight);
        Canvas canvas(surface, kHalfYearFontFamily);
        std::vector<PageText> texts;
        PaintHalfYearPlan(canvas, g, 9, 2024, data, &texts);
        const int top = g.y0 + RoundHalfEven(2.5 * g.ch) + 10 * g.ch;
        const int left = c.crew < 0 ? g.x0 : g.x0 + (3 + c.crew) * g.cw;
        const int width = c.crew < 0 ? 2 * g.cw + 4 : g.cw;
        const auto text = std::find_if(texts.begin(), texts.end(), [&](const PageText& t) {
            return t.x >= left && t.y >= top && t.x + t.width <= left + width && t.y + t.height <= top + g.ch;
        });
        ASSERT_EQ(text != texts.end(), c.text != nullptr);
        if (c.text) {
            EXPECT_EQ(text->text, c.text);
            EXPECT_EQ(text->colour, c.textColour);
        }
        if (c.crew >= 0) {
            EXPECT_EQ(PixelOf(surface, left + 1, top + 1) == ChosenDays::kCrew[c.crew], c.cornerFilled);
        }
    }
}

TEST(HalfYearPage, ListsTheSchoolHolidaysItIsGiven) {
    ChosenDays data;
    data.pageYear = 2031;
    data.schoolHolidays = SchoolHolidayBlock{};
    (*data.schoolHolidays)[kSlotSummer] = {20310728, 20310908};
    const HalfYearGeometry g = HalfYearGeometryOf(882, 15);
    auto surface = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, g.imageWidth, g.imageHeight);
    Canvas canvas(surface, kHalfYearFontFamily);
    std::vector<PageText> texts;
    PaintHalfYearPlan(canvas, g, 2, 2031, data, &texts);
    std::vector<std::string> said;
    for (const PageText& t : texts) said.push_back(t.text);
    for (const char* t : {"28.7. - 8.9.", "? - ?", "Weihn. 30"}) {
        EXPECT_NE(std::find(said.begin(), said.end(), t), said.end()) << t;
    }
}

// The main window keeps stamps of the page's texts across repaints: the
// stamped page must be the very pixels of the page laid out anew, at both
// screen scales, and must say the same texts in the same places.
TEST(HalfYearPage, StampedPageIsThePageLaidOutAnew) {
    const VacationOrderTables tables = MakeDefaultVacationOrderTables();
    CoreSources sources;
    sources.vacationTables = &tables;
    std::optional<OwnShiftPlan> plan = MakeOwnShiftPlan("FFSSNNTT--", DayNumberOf(2025, 1, 6), 6);
    sources.ownPlan = &plan;
    TextStamps stamps1("Sans 10", 1);
    TextStamps stamps2("Sans 10", 2);
    for (int scale : {1, 2}) {
        for (bool own : {false, true}) {
            SCOPED_TRACE(scale * 10 + own);
            const HalfYearGeometry g = HalfYearGeometryOf(1260, 20);
            Cairo::RefPtr<Cairo::ImageSurface> surfaces[2];
            std::vector<PageText> texts[2];
            for (int i = 0; i < 2; ++i) {
                surfaces[i] = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, g.imageWidth * scale,
                                                          g.imageHeight * scale);
                cairo_surface_set_device_scale(surfaces[i]->cobj(), scale, scale);
                Canvas canvas = i == 0 ? Canvas(surfaces[i], kHalfYearFontFamily)
                                       : Canvas(surfaces[i], scale == 1 ? stamps1 : stamps2);
                CoreCalendarData data(sources);
                // Twice, so that the second paint comes from kept stamps.
                for (int paint = 0; paint < 2; ++paint) {
                    texts[i].clear();
                    PaintHalfYearPlan(canvas, g, 11, 2026, data, &texts[i], own ? &*plan : nullptr);
                }
            }
            int differing = 0;
            for (int y = 0; y < surfaces[0]->get_height(); ++y) {
                for (int x = 0; x < surfaces[0]->get_width(); ++x) {
                    differing += PixelOf(surfaces[0], x, y) != PixelOf(surfaces[1], x, y);
                }
            }
            EXPECT_EQ(differing, 0);
            ASSERT_EQ(texts[0].size(), texts[1].size());
            for (std::size_t k = 0; k < texts[0].size(); ++k) {
                EXPECT_EQ(texts[0][k].text, texts[1][k].text);
                EXPECT_EQ(texts[0][k].width, texts[1][k].width) << texts[0][k].text;
                EXPECT_EQ(texts[0][k].height, texts[1][k].height) << texts[0][k].text;
            }
        }
    }
}

// What the program's data tells the page: no vacation block without the
// tables (not one of day 0), and the own plan's shift of every crew.
TEST(HalfYearPage, CoreDataAnswersThePagesQuestions) {
    CoreSources sources;
    std::optional<OwnShiftPlan> plan = MakeOwnShiftPlan("FFSSNNTT--", DayNumberOf(1970, 1, 5), 6);
    sources.ownPlan = &plan;
    CoreCalendarData data(sources);
    const DayContext january = MakeDayContext(DayNumberOf(1970, 1, 1));
    data.BeginColumn(january, true);
    for (int day = 1; day <= 20; ++day) {
        const DayContext ctx = MakeDayContext(DayNumberOf(1970, 1, day));
        SCOPED_TRACE(day);
        const ShiftRow five = data.ShiftsOfDay(ctx, kHalfYearViewType);
        const CrewShiftResult plain = ComputeCrewShifts(kHalfYearViewType, ctx.dayNumber, nullptr);
        for (int crew = 0; crew < 5; ++crew) EXPECT_EQ(five.codes[crew], plain.table.Code(crew));
        EXPECT_FALSE(five.inVacationWindow);
        const ShiftRow own = data.ShiftsOfDay(ctx, kOwnPlanCalendarType);
        for (int crew = 0; crew < 6; ++crew) {
            EXPECT_EQ(own.ownPlanDay.Code(crew), OwnPlanShiftOf(*plan, crew, ctx.dayNumber));
        }
    }
}

TEST(HalfYearPage, GeometryFollowsTheWindow) {
    struct Case {
        int innerWidth, rowHeight;
        int cw, ch, imageWidth, imageHeight, controlX, controlY;
    };
    const Case cases[] = {
        // Wide window: the page is 1.44 times as wide as the image is high.
        {882, 15, 14, 12, 676, 484, 105, 29},
        {1260, 20, 19, 16, 916, 644, 174, 39},
        // Narrow window: the page takes the whole width.
        {630, 20, 13, 10, 628, 404, 3, 159},
    };
    for (const Case& c : cases) {
        const HalfYearGeometry g = HalfYearGeometryOf(c.innerWidth, c.rowHeight);
        SCOPED_TRACE(c.innerWidth);
        EXPECT_EQ(g.cw, c.cw);
        EXPECT_EQ(g.ch, c.ch);
        EXPECT_EQ(g.imageWidth, c.imageWidth);
        EXPECT_EQ(g.imageHeight, c.imageHeight);
        EXPECT_EQ(g.controlX, c.controlX);
        EXPECT_EQ(g.controlY, c.controlY);
        EXPECT_EQ(g.controlWidth, g.imageWidth + 4);
        EXPECT_EQ(g.controlHeight, g.imageHeight);
    }
}

TEST(HalfYearPage, ShowsTheHalfYearOfTheFirstMonth) {
    struct Case {
        int month;
        const char* first;
        const char* last;
        const char* absent;
    };
    for (const Case& c : {Case{4, "Januar", "Juni", "Juli"}, Case{8, "Juli", "Dezember", "Juni"},
                          Case{6, "Januar", "Juni", "Dezember"}, Case{7, "Juli", "Dezember", "Januar"}}) {
        PaintedPage page(c.month, 2024);
        SCOPED_TRACE(c.month);
        // The month names stand in the header row of the first and last block.
        const auto first = page.TextIn(page.BlockX(0), page.g.y0, 8 * page.g.cw, 2 * page.g.ch);
        const auto last = page.TextIn(page.BlockX(5), page.g.y0, 8 * page.g.cw, 2 * page.g.ch);
        ASSERT_TRUE(first && last);
        EXPECT_EQ(first->text, c.first);
        EXPECT_EQ(last->text, c.last);
        EXPECT_FALSE(page.HasText(c.absent));
        EXPECT_TRUE(page.HasText("Schichtplan 2024"));
    }
}

// The first day of July-December 2024 (outside the vacation window) on
// which some crew works the shift `code`, on a Sunday or not.
struct Found {
    int block, day, crew;
};
std::optional<Found> FindShift(const PaintedPage& page, int code, bool sunday) {
    const VacationBlock block = ComputeVacationBlock(page.year, 4, 25, page.tables);
    for (int b = 0; b < 6; ++b) {
        for (int day = 1; day <= MonthLength(page.year, 6 + b); ++day) {
            const DayContext ctx = MakeDayContext(DayNumberOf(page.year, 7 + b, day));
            if ((WeekdayIndex(ctx.dayNumber) == 0) != sunday || IsHighHoliday(ctx, 3)) continue;
            const CrewShiftResult r = ComputeCrewShifts(5, ctx.dayNumber, &block);
            for (int crew = 0; crew < 5; ++crew) {
                if (r.table.Code(crew) == code) return Found{b, day, crew};
            }
        }
    }
    return std::nullopt;
}

TEST(HalfYearPage, ShiftCellsCarryCrewColourAndLetter) {
    PaintedPage page(9, 2024);
    struct Case {
        int code;
        bool sunday;
        const char* letter;
    };
    for (const Case& c : {Case{1, false, "F"}, Case{2, false, "S"}, Case{3, false, "N"}, Case{1, true, "SF"},
                          Case{3, true, "SN"}}) {
        const std::optional<Found> f = FindShift(page, c.code, c.sunday);
        ASSERT_TRUE(f);
        SCOPED_TRACE(c.letter);
        const int x = page.CellX(f->block, f->crew);
        const int top = page.RowTop(f->day);
        const Rgb crewColour = static_cast<Rgb>(kCrewColours[f->crew]);
        // The whole cell is filled, one pixel inside its lines (the last
        // pixel row of a Sunday holds the line above Monday).
        EXPECT_EQ(page.Pixel(x + 1, top + 1), crewColour);
        EXPECT_EQ(page.Pixel(x + page.g.cw - 1, top + page.g.ch - 2), crewColour);
        EXPECT_EQ(page.Pixel(x, top + 1), kBlack);
        const auto text = page.TextIn(x, top, page.g.cw, page.g.ch);
        ASSERT_TRUE(text);
        EXPECT_EQ(text->text, c.letter);
        EXPECT_EQ(text->colour, f->crew < 2 ? PackRgb(238, 238, 238) : kBlack);
    }
}

TEST(HalfYearPage, ChristmasDayShowsCirclesForWorkingCrews) {
    PaintedPage page(12, 2024);
    const VacationBlock block = ComputeVacationBlock(2024, 4, 25, page.tables);
    int working = 0;
    for (int day : {23, 25}) {
        const CrewShiftResult r = ComputeCrewShifts(5, DayNumberOf(2024, 12, day), &block);
        const int top = page.RowTop(day);
        for (int crew = 0; crew < 5; ++crew) {
            const int code = r.table.Code(crew);
            if (code < 1 || code > 3) continue;
            SCOPED_TRACE(day * 10 + crew);
            const int x = page.CellX(5, crew);
            const Rgb colour = static_cast<Rgb>(kCrewColours[crew]);
            // A circle leaves the corners of the cell white; a plain working
            // day fills them.
            EXPECT_EQ(page.Pixel(x + 1, top + 1), day == 25 ? kWhite : colour);
            EXPECT_EQ(page.Pixel(x + page.g.cw / 2 + 1, top + 2), colour);
            if (day == 25) ++working;
        }
    }
    EXPECT_EQ(working, 3);
}

TEST(HalfYearPage, DayNumbersWeekNumbersAndWeekLines) {
    PaintedPage page(12, 2024);
    const int b = 5;  // December
    const int dayCells = 3 * page.g.cw;
    struct Case {
        int day;
        const char* text;
        Rgb colour;
        const char* weekNumber;  // nullptr: none
    };
    for (const Case& c : {Case{1, "1 So", kRed, nullptr}, Case{2, "2 Mo", kBlack, "49"},
                          Case{25, "25 Mi", kRed, nullptr}, Case{30, "30 Mo", kBlack, "1"},
                          Case{31, "31 Di", kBlack, nullptr}}) {
        SCOPED_TRACE(c.text);
        const int top = page.RowTop(c.day);
        const auto text = page.TextIn(page.BlockX(b), top, 2 * page.g.cw + 4, page.g.ch);
        ASSERT_TRUE(text);
        EXPECT_EQ(text->text, c.text);
        EXPECT_EQ(text->colour, c.colour);
        const auto week = page.TextIn(page.BlockX(b) + 2 * page.g.cw, top, page.g.cw, page.g.ch);
        EXPECT_EQ(week.has_value(), c.weekNumber != nullptr);
        if (week && c.weekNumber) {
            EXPECT_EQ(week->text, c.weekNumber);
        }
        // Weeks are parted by a second line above Monday, inside the month.
        const bool mondayLine = c.weekNumber && c.day >= 2;
        EXPECT_EQ(page.Pixel(page.BlockX(b) + dayCells - 2, top - 1), mondayLine ? kBlack : kWhite);
    }
    // The two digits of a number end where a centred "00" would end.
    const auto one = page.TextIn(page.BlockX(b), page.RowTop(1), dayCells, page.g.ch);
    const auto ten = page.TextIn(page.BlockX(b), page.RowTop(10), dayCells, page.g.ch);
    ASSERT_TRUE(one && ten);
    EXPECT_GT(one->x, ten->x);
}

TEST(HalfYearPage, LegendColoursAndLabels) {
    PaintedPage page(3, 2024);
    const Rgb expected[5] = {PackRgb(255, 0, 0), PackRgb(0, 0, 255), PackRgb(255, 255, 0), PackRgb(0, 255, 0),
                             PackRgb(235, 167, 11)};
    const double rows[5] = {35.8, 36.5, 37.2, 37.9, 38.6};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const int x = page.g.x0 + 26 * page.g.cw;
        const int y = page.g.y0 + RoundHalfEven(rows[i] * page.g.ch);
        EXPECT_EQ(page.Pixel(x, y), kBlack);
        EXPECT_EQ(page.Pixel(x + 2, y + 2), expected[i]);
        EXPECT_TRUE(page.HasText("Schicht       0" + std::to_string(i + 1)));
    }
    for (const char* t : {"Velmo Haldenau", "Erläuterungen:", "Sollstunden:", "U/US = Urlaub", "Frühschicht",
                          "Spätschicht", "Nachtchicht", "14.00 Uhr", "Bayerische Schulferien"}) {
        EXPECT_TRUE(page.HasText(t)) << t;
    }
}

TEST(HalfYearPage, SchoolHolidaysOfThePageYear) {
    struct Case {
        int year;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {2024, {"Weihn. 23", "23.12. - 7.1.", "Fasching", "10.2. - 18.2.", "Sommer", "29.7. - 9.9.",
                "Weihn. 24", "? - ?"}},
        {2012, {"Weihn. 11", "27.12. - 5.1.", "Ostern", "2.4. - 14.4.", "Weihn. 12", "24.12. - 5.1."}},
        // Outside the table every range is unknown.
        {2030, {"Weihn. 29", "? - ?", "Pfingsten"}},
    };
    for (const Case& c : cases) {
        PaintedPage page(1, c.year);
        for (const std::string& t : c.texts) EXPECT_TRUE(page.HasText(t)) << c.year << " " << t;
    }
    EXPECT_EQ(HalfYearHolidayRange(20111116, 20111116), "16.11. - 16.11.");
    EXPECT_EQ(HalfYearHolidayRange(0, 20240105), "? - 5.1.");
}

TEST(HalfYearPage, VacationDaysShowU) {
    PaintedPage page(4, 2024);
    const VacationBlock block = ComputeVacationBlock(2024, 4, 25, page.tables);
    int seen = 0;
    for (DayNumber d = block.start; d < block.start + 140 && seen < 6; ++d) {
        const CivilDate c = CivilOf(d);
        if (c.year != 2024 || c.month > 6) break;
        const CrewShiftResult r = ComputeCrewShifts(5, d, &block);
        for (int crew = 0; crew < 5; ++crew) {
            if (r.table.Code(crew) != kShiftStandby) continue;
            const auto text = page.TextIn(page.CellX(c.month - 1, crew), page.RowTop(c.day), page.g.cw, page.g.ch);
            ASSERT_TRUE(text);
            EXPECT_EQ(text->text, WeekdayIndex(d) == 0 ? "US" : "U");
            EXPECT_EQ(text->colour, crew == 2 ? kBlack : static_cast<Rgb>(kCrewColours[crew]));
            ++seen;
        }
    }
    EXPECT_GT(seen, 0);
}

TEST(HalfYearPage, PictureIsDrawnInTheFooter) {
    ASSERT_EQ(PaperMillPicture()->get_width(), 146);
    ASSERT_EQ(PaperMillPicture()->get_height(), 175);
    PaintedPage page(1, 2024);
    const int x = page.g.x0 + page.g.cw;
    const int y = page.g.y0 + RoundHalfEven(35.2 * page.g.ch);
    // Sky at the top, grass at the bottom of the scaled picture.
    EXPECT_NE(page.Pixel(x + 2, y + 2), kWhite);
    EXPECT_NE(page.Pixel(x + 2, y + 4 * page.g.ch - 2), kWhite);
    EXPECT_EQ(page.Pixel(x - 2, y + 2), kWhite);
}

}  // namespace
}  // namespace sk
