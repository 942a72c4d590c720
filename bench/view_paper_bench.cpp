// Painting for paper and for sharp screens, each against its own floor:
// the half-year page printed (a PDF page) against its screen paint, the
// month columns repainted at scale 2 against scale 1, and the PDF of a year
// as half-year pages and as sheets of month columns.

#include <benchmark/benchmark.h>

#include <cairo-pdf.h>

#include "shift/VacationBlock.h"
#include "view/CalendarPainter.h"
#include "view/CoreCalendarData.h"
#include "view/HalfYearPage.h"
#include "view/Layout.h"
#include "view/PaperPages.h"

namespace {

using namespace sk;

const VacationOrderTables kTables = MakeDefaultVacationOrderTables();

CoreSources Sources() {
    CoreSources s;
    s.vacationTables = &kTables;
    return s;
}

// The page as the main window shows it with the default font on a wide
// screen, text stamps kept as the program keeps them.
void BM_HalfYearScreen(benchmark::State& st) {
    const CoreSources sources = Sources();
    const HalfYearGeometry g = HalfYearGeometryOf(1890, 16);
    auto surface = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, g.imageWidth, g.imageHeight);
    TextStamps stamps(FontDescriptionText({"", 10, 0}, "DejaVu Sans"));
    for (auto _ : st) {
        Canvas canvas(surface, stamps);
        CoreCalendarData data(sources);
        PaintHalfYearPlan(canvas, g, 7, 2026, data);
        benchmark::ClobberMemory();
    }
}

// The same page for the printer: what the print operation's page callback
// does, painting onto a PDF page (the bytes are dropped; writing the whole
// document is measured below).
void BM_HalfYearPrint(benchmark::State& st) {
    const CoreSources sources = Sources();
    auto drop = [](const unsigned char*, unsigned int) { return CAIRO_STATUS_SUCCESS; };
    auto surface = Cairo::PdfSurface::create_for_stream(drop, kA4LandscapeWidth, kA4LandscapeHeight);
    auto cr = Cairo::Context::create(surface);
    const PaperArea area{kPdfMargin, kPdfMargin, kA4LandscapeWidth - 2 * kPdfMargin,
                         kA4LandscapeHeight - 2 * kPdfMargin};
    for (auto _ : st) {
        CoreCalendarData data(sources);
        PaintHalfYearOnPaper(cr, area, 7, 2026, data);
        cr->show_page();
    }
}

// What schichtplan --format pdf --type 5 does for one year: two pages.
void BM_PdfOfOneYear(benchmark::State& st) {
    const CoreSources sources = Sources();
    for (auto _ : st) {
        CoreCalendarData data(sources);
        const std::string pdf = PdfOfPages(
            2, [&](const Cairo::RefPtr<Cairo::Context>& cr, const PaperArea& area, int page) {
                PaintHalfYearOnPaper(cr, area, page == 0 ? 1 : 7, 2026, data);
            },
            "Schichtplan");
        benchmark::DoNotOptimize(pdf.data());
    }
}

// What schichtplan --format pdf --type 0 does for one year: two sheets of
// six month columns with their legend.
void BM_MonthSheetsOfOneYear(benchmark::State& st) {
    const CoreSources sources = Sources();
    MonthSheet pattern;
    pattern.fontDescription = FontDescriptionText({"", 10, 0}, "Sans");
    pattern.typeName = "Haldenau PM 1";
    const std::vector<MonthSheet> sheets = MonthSheetsOf(DayNumberOf(2026, 1, 1), DayNumberOf(2026, 12, 31), pattern);
    for (auto _ : st) {
        CoreCalendarData data(sources);
        const std::string pdf = PdfOfPages(
            static_cast<int>(sheets.size()),
            [&](const Cairo::RefPtr<Cairo::Context>& cr, const PaperArea& area, int page) {
                PaintMonthsOnPaper(cr, area, sheets[static_cast<std::size_t>(page)], data);
            },
            "Schichtplan");
        benchmark::DoNotOptimize(pdf.data());
    }
}

// 24 month columns at the screen's scale factor (argument), stamps kept as the program keeps them.
void BM_RepaintAtScale(benchmark::State& st) {
    const int scale = static_cast<int>(st.range(0));
    const CoreSources sources = Sources();
    const std::string font = FontDescriptionText({"", 10, 0}, "DejaVu Sans");
    const FontMetrics m = MeasureFont(font);
    ViewState view;
    view.unitWidth = m.unitWidth;
    view.rowHeight = m.rowHeight;
    view.firstYear = 2026;
    view.cursorDay = 15;
    const CalendarGrid grid = MakeCalendarGrid(view, kMostColumnsIndex);
    auto surface =
        Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, grid.ImageWidth() * scale, grid.ImageHeight() * scale);
    cairo_surface_set_device_scale(surface->cobj(), scale, scale);
    TextStamps stamps(font, scale);
    Canvas canvas(surface, stamps);
    PaintOptions options{true, true, true, true};
    options.calendarType = 1;
    for (auto _ : st) {
        CoreCalendarData data(sources);
        PaintCalendar(canvas, view, grid, data, options);
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_HalfYearScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HalfYearPrint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PdfOfOneYear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MonthSheetsOfOneYear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintAtScale)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
