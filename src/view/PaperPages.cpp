#include "view/PaperPages.h"

#include <cairo-pdf.h>
#include <pangomm.h>
#include <pangomm/init.h>

#include <algorithm>

#include "calendar/CalendarGrid.h"
#include "shift/CalendarTypes.h"
#include "view/CalendarPainter.h"
#include "view/Canvas.h"
#include "view/HalfYearPage.h"
#include "view/Layout.h"

namespace sk {

namespace {

// Cells of the half-year page on paper: the page's own proportions, fine
// enough that the rounding of cell positions does not show once scaled.
constexpr int kPaperCellWidth = 24;
constexpr int kPaperCellHeight = 20;
// The header line stands in the first of these rows above the month columns.
constexpr int kHeaderRows = 2;

std::string MonthAndYear(DayNumber d) {
    const CivilDate c = CivilOf(d);
    return std::string(kMonthNames[c.month - 1]) + " " + std::to_string(c.year);
}

int MonthIndexOf(DayNumber d) {
    const CivilDate c = CivilOf(d);
    return c.year * 12 + c.month - 1;
}

DayNumber FirstOfMonthIndex(int index) { return DayNumberOf(index / 12, index % 12 + 1, 1); }

// Scales the context so that a picture of w x h lies centred at the top of the area.
void FitInto(const Cairo::RefPtr<Cairo::Context>& cr, const PaperArea& area, double w, double h) {
    const double s = std::min(area.width / w, area.height / h);
    cr->translate(area.x + (area.width - w * s) / 2, area.y);
    cr->scale(s, s);
}

// On paper the colours need their names: a square and the name of each
// crew, right-aligned in the header row, for the plans whose crews are colours.
void PaintCrewLegend(const Cairo::RefPtr<Cairo::Context>& cr, const MonthSheet& sheet,
                     const Pango::FontDescription& font, int width, const FontMetrics& m) {
    const int type = sheet.options.calendarType;
    if (IsFourCrewType(type) || !IsValidCalendarType(type)) return;
    auto layout = Pango::Layout::create(cr);
    layout->set_font_description(font);
    const int square = m.rowHeight * 2 / 3;
    std::vector<std::pair<std::string, int>> items;
    int total = 0;
    for (int crew = 0; crew < CrewCountOf(type); ++crew) {
        layout->set_text(CrewNameOf(type, crew));
        int w = 0, h = 0;
        layout->get_pixel_size(w, h);
        items.emplace_back(CrewNameOf(type, crew), w);
        total += square + m.unitWidth / 2 + w + 2 * m.unitWidth;
    }
    double x = width - m.unitWidth - total;
    const double y = m.rowHeight / 2;
    for (int crew = 0; crew < static_cast<int>(items.size()); ++crew) {
        const Rgb c = static_cast<Rgb>(kCrewColours[static_cast<std::size_t>(crew)]);
        cr->set_source_rgb(RedOf(c) / 255.0, GreenOf(c) / 255.0, BlueOf(c) / 255.0);
        cr->rectangle(x, y + (m.rowHeight - square) / 2.0, square, square);
        cr->fill();
        x += square + m.unitWidth / 2;
        cr->set_source_rgb(0, 0, 0);
        cr->move_to(x, y);
        layout->set_text(items[static_cast<std::size_t>(crew)].first);
        layout->show_in_cairo_context(cr);
        cr->begin_new_path();
        x += items[static_cast<std::size_t>(crew)].second + 2 * m.unitWidth;
    }
}

}  // namespace

std::string PaperHeaderText(const std::string& typeName, DayNumber firstMonth, DayNumber lastMonth) {
    return "Schichtplan " + typeName + " " + MonthAndYear(firstMonth) + " - " + MonthAndYear(lastMonth);
}

HalfYearGeometry HalfYearPaperGeometry() { return HalfYearGeometryOfCells(kPaperCellWidth, kPaperCellHeight); }

void PaintHalfYearOnPaper(const Cairo::RefPtr<Cairo::Context>& cr, const PaperArea& area, int monthNumber, int year,
                          CalendarData& data, const OwnShiftPlan* ownPlan) {
    const HalfYearGeometry g = HalfYearPaperGeometry();
    cr->save();
    FitInto(cr, area, g.imageWidth, g.imageHeight);
    {
        // The page never reads its pixels.
        Canvas canvas(cr, g.imageWidth, g.imageHeight, kHalfYearFontFamily, Canvas::PixelReads::kNone);
        PaintHalfYearPlan(canvas, g, monthNumber, year, data, nullptr, ownPlan);
    }
    cr->restore();
}

void PaintMonthsOnPaper(const Cairo::RefPtr<Cairo::Context>& cr, const PaperArea& area, const MonthSheet& sheet,
                        CalendarData& data) {
    const FontMetrics m = MeasureFont(sheet.fontDescription);
    const int columns = std::max(1, sheet.columns);
    const int headerHeight = kHeaderRows * m.rowHeight;
    const int bandHeight = m.rowHeight * kGridRows + 2;
    // One band of columns, or two above each other when that gives the
    // larger print (twelve months on landscape paper).
    auto scaleFor = [&](int bands) {
        const int perBand = (columns + bands - 1) / bands;
        const double w = double(m.unitWidth) * kColumnUnits * perBand;
        const double h = headerHeight + double(bands) * (bandHeight + headerHeight / 2);
        return std::min(area.width / w, area.height / h);
    };
    const int bands = columns > 1 && scaleFor(2) > scaleFor(1) ? 2 : 1;
    const int perBand = (columns + bands - 1) / bands;

    ViewState view;
    view.cursorDay = 0;  // no cursor on paper
    view.unitWidth = m.unitWidth;
    view.rowHeight = m.rowHeight;
    view.backgroundColour = PackRgb(255, 255, 255);
    const int firstIndex = MonthIndexOf(sheet.firstMonth);
    const int width = m.unitWidth * kColumnUnits * perBand;
    const int height = headerHeight + bands * (bandHeight + headerHeight / 2);

    cr->save();
    FitInto(cr, area, width, height);
    DayNumber lastShown = FirstOfMonthIndex(firstIndex);
    for (int k = 0; k < columns; ++k) {
        const DayNumber d = FirstOfMonthIndex(firstIndex + k);
        if (CivilOf(d).year <= kLastYear) lastShown = d;
    }
    Pango::FontDescription font(sheet.fontDescription);
    font.set_weight(Pango::WEIGHT_BOLD);
    auto layout = Pango::Layout::create(cr);
    layout->set_font_description(font);
    layout->set_text(PaperHeaderText(sheet.typeName, FirstOfMonthIndex(firstIndex), lastShown));
    cr->set_source_rgb(0, 0, 0);
    cr->move_to(m.unitWidth, m.rowHeight / 2);
    layout->show_in_cairo_context(cr);
    cr->begin_new_path();
    PaintCrewLegend(cr, sheet, font, width, m);

    for (int band = 0; band < bands; ++band) {
        const int bandFirst = firstIndex + band * perBand;
        const int bandColumns = std::min(perBand, columns - band * perBand);
        if (bandColumns <= 0) break;
        const CivilDate first = CivilOf(FirstOfMonthIndex(bandFirst));
        view.firstMonth = first.month - 1;
        view.firstYear = first.year;
        const CalendarGrid grid = MakeCalendarGrid(view, bandColumns - 1);
        cr->save();
        cr->translate(0, headerHeight + band * (bandHeight + headerHeight / 2));
        Canvas canvas(cr, grid.ImageWidth(), grid.ImageHeight(), sheet.fontDescription);
        PaintCalendar(canvas, view, grid, data, sheet.options);
        cr->restore();
    }
    cr->restore();
}

std::vector<MonthSheet> MonthSheetsOf(DayNumber first, DayNumber last, const MonthSheet& pattern) {
    std::vector<MonthSheet> sheets;
    const int from = MonthIndexOf(first);
    const int to = MonthIndexOf(std::max(first, last));
    for (int index = from; index <= to; index += kMonthColumnsPerPage) {
        MonthSheet sheet = pattern;
        sheet.firstMonth = FirstOfMonthIndex(index);
        sheet.columns = std::min(kMonthColumnsPerPage, to - index + 1);
        sheets.push_back(sheet);
    }
    return sheets;
}

std::vector<DayNumber> HalfYearsOf(DayNumber first, DayNumber last) {
    std::vector<DayNumber> halves;
    const CivilDate a = CivilOf(first);
    const CivilDate b = CivilOf(std::max(first, last));
    for (int half = a.year * 2 + (a.month > 6 ? 1 : 0); half <= b.year * 2 + (b.month > 6 ? 1 : 0); ++half) {
        halves.push_back(DayNumberOf(half / 2, half % 2 ? 7 : 1, 1));
    }
    return halves;
}

PrintJob PrintJobOf(const ViewState& view, const CalendarGrid& grid, int calendarType, bool halfYearPage,
                    const std::string& typeName) {
    PrintJob job;
    DayNumber first = DayNumberOf(view.firstYear, view.firstMonth + 1, 1);
    DayNumber last = first;
    if (halfYearPage) {
        job.halfYear = true;
        job.halfYearMonth = view.firstMonth + 1;
        job.halfYearYear = view.firstYear;
        first = DayNumberOf(view.firstYear, HalfYearFirstMonth(view.firstMonth + 1) + 1, 1);
        last = DayNumberOf(view.firstYear, HalfYearFirstMonth(view.firstMonth + 1) + 6, 1);
    } else {
        for (const GridColumn& c : grid.columns)
            if (c.days > 0) last = c.first;
        if (!grid.columns.empty()) first = grid.columns.front().first;
        MonthSheet pattern;
        pattern.typeName = typeName;
        pattern.options.calendarType = calendarType;
        job.sheets = MonthSheetsOf(first, last, pattern);
    }
    job.name = PaperHeaderText(typeName, first, last);
    job.fileName = job.name + ".pdf";
    return job;
}

std::string PdfOfPages(int pageCount, const PaperPagePainter& paintPage, const std::string& title) {
    Pango::init();
    std::string pdf;
    auto write = [&pdf](const unsigned char* data, unsigned int length) {
        pdf.append(reinterpret_cast<const char*>(data), length);
        return CAIRO_STATUS_SUCCESS;
    };
    auto surface = Cairo::PdfSurface::create_for_stream(write, kA4LandscapeWidth, kA4LandscapeHeight);
    cairo_pdf_surface_set_metadata(surface->cobj(), CAIRO_PDF_METADATA_TITLE, title.c_str());
    cairo_pdf_surface_set_metadata(surface->cobj(), CAIRO_PDF_METADATA_CREATOR, "schichtplan");
    const PaperArea area{kPdfMargin, kPdfMargin, kA4LandscapeWidth - 2 * kPdfMargin,
                         kA4LandscapeHeight - 2 * kPdfMargin};
    {
        auto cr = Cairo::Context::create(surface);
        for (int page = 0; page < pageCount; ++page) {
            paintPage(cr, area, page);
            cr->show_page();
        }
    }
    surface->finish();
    if (cairo_surface_status(surface->cobj()) != CAIRO_STATUS_SUCCESS) return {};
    return pdf;
}

}  // namespace sk
