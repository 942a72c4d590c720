// Full repaint of 24 month columns with every display option on, against
// the floor: the same texts and boxes painted from answers prepared before.
// Paging by a month, keeping the columns still shown, against the full
// repaint.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "shift/VacationBlock.h"
#include "marks/CalendarMarks.h"
#include "marks/ShiftMarks.h"
#include "notes/NoteStore.h"
#include "view/CalendarPainter.h"
#include "view/CoreCalendarData.h"
#include "view/Layout.h"
#include "BenchFolders.h"

namespace {

using namespace sk;

struct Fixture {
    std::string folder;
    NoteStore notes;
    CalendarMarkList calendarMarks;
    ShiftMarkList shiftMarks;
    VacationOrderTables tables = MakeDefaultVacationOrderTables();
    AstroMonthCache astroMonths;  // kept across repaints, as the program keeps it
    CoreSources sources;
    PaintOptions options{true, true, true, true};

    explicit Fixture(int year) {
        folder = (std::filesystem::temp_directory_path() / ("sk_bench_" + std::to_string(year))).string() + "/";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        notes = NoteStore(folder);
        for (int i = 0; i < 40; ++i) {
            const DayContext ctx = MakeDayContext(DayNumberOf(year, 1 + i % 12, 1 + (i * 7) % 28));
            notes.WriteDayNote(ctx, "Notiz " + std::to_string(i));
            if (i % 4 == 0) notes.WriteYearlyNote(ctx, "Geburtstag");
        }
        notes.WritePeriodicNote(DayNumberOf(year, 1, 3), 14, "Alle zwei Wochen");
        notes.WritePeriodicNote(DayNumberOf(year, 1, 5), 30, "Monatlich");
        notes.WriteWeekdayNote(DayNumberOf(year, 1, 8), 1, 12, "Zweiter Montag");
        notes.ScanAll();
        std::vector<CalendarMark> marks;
        std::vector<ShiftMark> shiftMarks;
        for (int m = 0; m < 24; ++m) {
            const DayNumber first = DayNumberOf(year + m / 12, 1 + m % 12, 10);
            marks.push_back({first, first + 5, PackRgb(100, 150, 200)});
            shiftMarks.push_back({first + 2, 2, 4});
        }
        calendarMarks.Assign(marks);
        this->shiftMarks.Assign(shiftMarks);
        sources.vacationTables = &tables;
        sources.notes = &notes;
        sources.calendarMarks = &calendarMarks;
        sources.shiftMarks = &this->shiftMarks;
        sources.astroMonths = &astroMonths;
    }
    ~Fixture() { std::filesystem::remove_all(folder); }
};

// Replays answers recorded from the core: painting without any lookup.
class Replay : public CalendarData {
public:
    std::map<DayNumber, std::pair<DayFacts, ShiftRow>> days;
    void BeginColumn(const DayContext&, bool) override {}
    DayFacts FactsOfDay(const DayContext& ctx, const PaintOptions&) override { return days[ctx.dayNumber].first; }
    ShiftRow ShiftsOfDay(const DayContext& ctx, int) override { return days[ctx.dayNumber].second; }
    std::optional<SchoolHolidayBlock> SchoolHolidaysOfYear(int) override { return std::nullopt; }
};

class Recorder : public CalendarData {
public:
    CoreCalendarData& core;
    Replay& replay;
    Recorder(CoreCalendarData& c, Replay& r) : core(c), replay(r) {}
    void BeginColumn(const DayContext& ctx, bool y) override { core.BeginColumn(ctx, y); }
    DayFacts FactsOfDay(const DayContext& ctx, const PaintOptions& o) override {
        return replay.days[ctx.dayNumber].first = core.FactsOfDay(ctx, o);
    }
    ShiftRow ShiftsOfDay(const DayContext& ctx, int t) override {
        return replay.days[ctx.dayNumber].second = core.ShiftsOfDay(ctx, t);
    }
    std::optional<SchoolHolidayBlock> SchoolHolidaysOfYear(int year) override {
        return core.SchoolHolidaysOfYear(year);
    }
};

struct Scene {
    ViewState view;
    Cairo::RefPtr<Cairo::ImageSurface> surface;
    // Kept across repaints as the program keeps them.
    std::unique_ptr<TextStamps> stamps;
    std::unique_ptr<Canvas> canvas;
    explicit Scene(int year) {
        const std::string font = FontDescriptionText({"", 10, 0}, "DejaVu Sans");
        const FontMetrics m = MeasureFont(font);
        view.unitWidth = m.unitWidth;
        view.rowHeight = m.rowHeight;
        view.firstYear = year;
        view.firstMonth = 0;
        view.cursorDay = 15;
        const CalendarGrid grid = Grid();
        surface = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, grid.ImageWidth(), grid.ImageHeight());
        stamps = std::make_unique<TextStamps>(font);
        canvas = std::make_unique<Canvas>(surface, *stamps);
    }
    // Made anew on every repaint, as the program makes it.
    CalendarGrid Grid() const { return MakeCalendarGrid(view, kMostColumnsIndex); }
};

void BM_Redraw(benchmark::State& st) {
    const int year = static_cast<int>(st.range(0));
    Fixture fixture(year);
    Scene scene(year);
    for (auto _ : st) {
        CoreCalendarData data(fixture.sources);
        PaintCalendar(*scene.canvas, scene.view, scene.Grid(), data, fixture.options);
        benchmark::ClobberMemory();
    }
}

// The repaint against its floor in the same run: the same paint from answers
// recorded once, so the ratio is what the core's lookups add.
void BM_RedrawFloor(benchmark::State& st) {
    const int year = static_cast<int>(st.range(0));
    Fixture fixture(year);
    Scene scene(year);
    Replay replay;
    CoreCalendarData core(fixture.sources);
    Recorder recorder(core, replay);
    PaintCalendar(*scene.canvas, scene.view, scene.Grid(), recorder, fixture.options);
    skbench::AgainstFloor(
        st, [&] { PaintCalendar(*scene.canvas, scene.view, scene.Grid(), replay, fixture.options); },
        [&] {
            CoreCalendarData data(fixture.sources);
            PaintCalendar(*scene.canvas, scene.view, scene.Grid(), data, fixture.options);
        });
}

// F2 and F3 in turn: the repaint that keeps the months still shown,
// against the whole repaint of the same view in the same run.
void BM_PagingRedraw(benchmark::State& st) {
    const int year = static_cast<int>(st.range(0));
    Fixture fixture(year);
    Scene whole(year);
    Scene kept(year);
    CalendarRepainter repainter;
    const auto paintKept = [&](bool onlyViewMoved) {
        CoreCalendarData data(fixture.sources);
        repainter.Paint(*kept.canvas, kept.view, kept.Grid(), data, fixture.options, onlyViewMoved);
    };
    paintKept(false);
    int step = 1;
    skbench::AgainstFloor(
        st,
        [&] {
            whole.view.firstMonth = (whole.view.firstMonth + step + 12) % 12;
            CoreCalendarData data(fixture.sources);
            PaintCalendar(*whole.canvas, whole.view, whole.Grid(), data, fixture.options);
        },
        [&] {
            kept.view.firstMonth = (kept.view.firstMonth + step + 12) % 12;
            paintKept(true);
            step = -step;
        });
    st.counters["columns_painted"] = repainter.ColumnsPaintedLast();
}

}  // namespace

BENCHMARK(BM_PagingRedraw)->Arg(1985)->Arg(2020)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw)->Arg(1985)->Arg(2020)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawFloor)->Arg(1985)->Arg(2020)->Unit(benchmark::kMillisecond);
