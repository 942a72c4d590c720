#include "view/PaperPages.h"

#include <cairo-pdf.h>
#include <pangomm.h>
#include <pangomm/init.h>

#include <algorithm>

#include "calendar/CalendarGrid.h"
#include "shift/CalendarTypes.h"
#include "shift/OwnShiftPlan.h"
#include "shift/ShiftTimes.h"
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

constexpr int kPaperFineness = 3;
// Spacing of the legend, in character units and rows of the sheet's font.
constexpr double kLegendItemGapUnits = 2.0;
constexpr double kLegendLineRows = 1.3;

struct PlacedItem {
    const LegendItem* item;
    int x;
};

// The legend's items placed on lines no wider than `width`: a line too long
// for the sheet continues below.
std::vector<std::vector<PlacedItem>> PlaceLegend(const std::vector<LegendLine>& legend,
                                                 const Glib::RefPtr<Pango::Layout>& layout, int width,
                                                 const FontMetrics& m) {
    const int square = m.rowHeight * 2 / 3;
    const int gap = static_cast<int>(kLegendItemGapUnits * m.unitWidth);
    std::vector<std::vector<PlacedItem>> lines;
    for (const LegendLine& line : legend) {
        lines.emplace_back();
        int x = 0;
        for (const LegendItem& item : line) {
            layout->set_text(item.text);
            int w = 0, h = 0;
            layout->get_pixel_size(w, h);
            if (item.hasColour) w += square + m.unitWidth / 2;
            if (x > 0 && x + w > width) {
                lines.emplace_back();
                x = 0;
            }
            lines.back().push_back(PlacedItem{&item, x});
            x += w + gap;
        }
    }
    return lines;
}

void PaintLegend(const Cairo::RefPtr<Cairo::Context>& cr, const std::vector<std::vector<PlacedItem>>& lines,
                 const Glib::RefPtr<Pango::Layout>& layout, int left, int top, const FontMetrics& m) {
    const int square = m.rowHeight * 2 / 3;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const int y = top + static_cast<int>(n * kLegendLineRows * m.rowHeight);
        for (const PlacedItem& placed : lines[n]) {
            int x = left + placed.x;
            if (placed.item->hasColour) {
                const Rgb c = placed.item->colour;
                cr->set_source_rgb(RedOf(c) / 255.0, GreenOf(c) / 255.0, BlueOf(c) / 255.0);
                cr->rectangle(x, y + (m.rowHeight - square) / 2.0, square, square);
                cr->fill_preserve();
                cr->set_source_rgb(0, 0, 0);
                cr->set_line_width(0.5);
                cr->stroke();
                x += square + m.unitWidth / 2;
            }
            cr->set_source_rgb(0, 0, 0);
            cr->move_to(x, y);
            layout->set_text(placed.item->text);
            layout->show_in_cairo_context(cr);
            cr->begin_new_path();
        }
    }
}

std::string ShiftLegendText(const char* name, ShiftClock clock) {
    return std::string(name) + " " + ShiftTimesText(clock.startMinute, clock.endMinute);
}

}  // namespace

std::string PaperHeaderText(const std::string& typeName, DayNumber firstMonth, DayNumber lastMonth) {
    return "Schichtplan " + typeName + " " + MonthAndYear(firstMonth) + " - " + MonthAndYear(lastMonth);
}

std::vector<LegendLine> PaperLegendOf(int calendarType, const OwnShiftPlan* ownPlan) {
    std::vector<LegendLine> legend;
    LegendLine crews, shifts;
    if (calendarType == kOwnPlanCalendarType) {
        if (ownPlan == nullptr) return legend;
        for (const OwnCrew& crew : ownPlan->crews)
            crews.push_back(LegendItem{crew.name, true, static_cast<Rgb>(crew.colour)});
        shifts.push_back(LegendItem{"Spalten von links:"});
        for (const OwnPlanSubColumn& column : OwnPlanSubColumns(*ownPlan)) {
            const int k = static_cast<int>(column.kind);
            shifts.push_back(LegendItem{std::string(1, kShiftKindLetters[static_cast<std::size_t>(k)]) + " = " +
                                        kShiftKindEventNames[static_cast<std::size_t>(k)] + " " +
                                        ShiftTimesText(ownPlan->kindTimes[static_cast<std::size_t>(k)])});
        }
        legend.push_back(crews);
        legend.push_back(shifts);
        return legend;
    }
    if (!IsValidCalendarType(calendarType)) return legend;
    const auto& names = kShiftKindEventNames;  // early, late, night first
    if (IsFourCrewType(calendarType)) {
        crews.push_back(LegendItem{"Spalten von links:"});
        for (int crew = 0; crew < 4; ++crew) crews.push_back(LegendItem{CrewNameOf(calendarType, crew)});
        const char* const letters6[3] = {"1", "2", "3"};
        const char* const letters7[3] = {"F", "S", "N"};
        for (int s = 0; s < 3; ++s)
            shifts.push_back(LegendItem{std::string(calendarType == 6 ? letters6[s] : letters7[s]) + " = " +
                                        ShiftLegendText(names[s], kWeekdayShiftClocks[s])});
        shifts.push_back(LegendItem{calendarType == 6 ? "f = frei" : "leer = frei"});
    } else {
        for (int crew = 0; crew < CrewCountOf(calendarType); ++crew)
            crews.push_back(LegendItem{CrewNameOf(calendarType, crew), true,
                                       static_cast<Rgb>(kCrewColours[static_cast<std::size_t>(crew)])});
        shifts.push_back(LegendItem{"Spalten von links:"});
        shifts.push_back(LegendItem{calendarType == 2 ? "frei" : "Verfügung"});
        const int shiftCount = calendarType == 2 ? 2 : 3;
        for (int s = 0; s < shiftCount; ++s)
            shifts.push_back(LegendItem{ShiftLegendText(names[s], kWeekdayShiftClocks[s])});
    }
    legend.push_back(crews);
    legend.push_back(shifts);
    if (HasLongSundayShifts(calendarType))
        legend.push_back({LegendItem{"Sonntags (ohne Spätschicht):"},
                          LegendItem{ShiftLegendText(names[0], kSundayEarlyClock)},
                          LegendItem{ShiftLegendText(names[2], kSundayNightClock)}});
    return legend;
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
    // The sheet is scaled to the paper anyway: drawn in a font three times
    // the size, the whole character units of the columns can follow the
    // paper's width closely.
    Pango::FontDescription fine(sheet.fontDescription);
    if (fine.get_size_is_absolute())
        fine.set_absolute_size(static_cast<double>(fine.get_size()) * kPaperFineness);
    else
        fine.set_size(fine.get_size() * kPaperFineness);
    const std::string fontDescription = fine.to_string();
    const FontMetrics m = MeasureFont(fontDescription);
    const int columns = std::clamp(sheet.columns, 1, kMonthColumnsPerPage);
    // As wide as a full sheet also when it holds fewer months: every sheet
    // of a plan at the same size, the title and legend in the same places.
    const int narrowWidth = m.unitWidth * kColumnUnits * kMonthColumnsPerPage;
    const int gridTop = kHeaderRows * m.rowHeight;
    const int gridHeight = m.rowHeight * kGridRows + 2;
    const int legendTop = gridTop + gridHeight + m.rowHeight / 2;
    const int legendLeft = m.unitWidth;

    const Pango::FontDescription plainFont(fontDescription);
    Pango::FontDescription boldFont(fontDescription);
    boldFont.set_weight(Pango::WEIGHT_BOLD);
    auto measure = Pango::Layout::create(cr);
    measure->set_font_description(plainFont);
    const std::vector<LegendLine> legend = PaperLegendOf(sheet.options.calendarType, sheet.ownPlan);
    // Some room to spare: the text is measured before the sheet is scaled.
    auto heightOf = [&](std::size_t lineCount) {
        return legendTop + static_cast<int>((lineCount + 0.3) * kLegendLineRows * m.rowHeight);
    };
    // Landscape paper is wider than six months are tall: the columns spread
    // out to the paper's width, the text keeps its size. The legend, laid
    // out on the wider sheet, may need fewer lines, which leaves the sheet
    // wider still.
    auto lines = PlaceLegend(legend, measure, narrowWidth - 4 * m.unitWidth, m);
    int height = 0, unitWidth = m.unitWidth;
    for (int pass = 0; pass < 2; ++pass) {
        height = heightOf(lines.size());
        unitWidth = std::max(unitWidth, static_cast<int>(area.width * height /
                                                         (area.height * kColumnUnits * kMonthColumnsPerPage)));
        lines = PlaceLegend(legend, measure, unitWidth * kColumnUnits * kMonthColumnsPerPage - 3 * m.unitWidth, m);
    }
    height = std::max(height, heightOf(lines.size()));
    const int width = unitWidth * kColumnUnits * kMonthColumnsPerPage;

    ViewState view;
    view.cursorDay = 0;  // no cursor on paper
    view.unitWidth = unitWidth;
    view.rowHeight = m.rowHeight;
    view.backgroundColour = PackRgb(255, 255, 255);
    const int firstIndex = MonthIndexOf(sheet.firstMonth);

    cr->save();
    FitInto(cr, area, width, height);
    DayNumber lastShown = FirstOfMonthIndex(firstIndex);
    for (int k = 0; k < columns; ++k) {
        const DayNumber d = FirstOfMonthIndex(firstIndex + k);
        if (CivilOf(d).year <= kLastYear) lastShown = d;
    }
    auto layout = Pango::Layout::create(cr);
    layout->set_font_description(boldFont);
    layout->set_text(PaperHeaderText(sheet.typeName, FirstOfMonthIndex(firstIndex), lastShown));
    layout->set_width(static_cast<int>((width - 2 * m.unitWidth) * PANGO_SCALE));
    layout->set_ellipsize(Pango::ELLIPSIZE_END);
    cr->set_source_rgb(0, 0, 0);
    cr->move_to(m.unitWidth, m.rowHeight / 2);
    layout->show_in_cairo_context(cr);
    cr->begin_new_path();

    const CivilDate first = CivilOf(FirstOfMonthIndex(firstIndex));
    view.firstMonth = first.month - 1;
    view.firstYear = first.year;
    const CalendarGrid grid = MakeCalendarGrid(view, columns - 1);
    cr->save();
    cr->translate(0, gridTop);
    {
        Canvas canvas(cr, grid.ImageWidth(), grid.ImageHeight(), fontDescription);
        PaintCalendar(canvas, view, grid, data, sheet.options);
    }
    cr->restore();

    auto legendLayout = Pango::Layout::create(cr);
    legendLayout->set_font_description(plainFont);
    PaintLegend(cr, lines, legendLayout, legendLeft, legendTop, m);
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
