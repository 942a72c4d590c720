#pragma once
// The calendar on paper: the half-year page and the month columns painted
// by the screen's painters on any cairo context (a print context, a PDF
// page), scaled to the paper, on white; and whole PDF documents of a range.

#include <cairomm/cairomm.h>

#include <functional>
#include <string>
#include <vector>

#include "calendar/CalendarGrid.h"
#include "calendar/Date.h"
#include "view/CalendarData.h"
#include "view/CoreCalendarData.h"
#include "view/HalfYearPage.h"

namespace sk {

// A4 landscape in PostScript points, and the margin a PDF page leaves.
inline constexpr double kA4LandscapeWidth = 841.89;
inline constexpr double kA4LandscapeHeight = 595.28;
inline constexpr double kPdfMargin = 28.35;  // 1 cm
// Month columns of one sheet: half a year, large enough to read on the wall.
// A sheet with fewer keeps the columns as wide as a full one.
inline constexpr int kMonthColumnsPerPage = 6;

// The printable area of one sheet, in the context's user units.
struct PaperArea {
    double x = 0, y = 0;
    double width = kA4LandscapeWidth, height = kA4LandscapeHeight;
};

// "Schichtplan Haldenau PM 1 Januar 2026 - Dezember 2026": the header line
// of a printed page of month columns.
std::string PaperHeaderText(const std::string& typeName, DayNumber firstMonth, DayNumber lastMonth);

// The cells of the half-year page on paper, before it is scaled to the sheet.
HalfYearGeometry HalfYearPaperGeometry();

// The half-year page of `monthNumber` (1-12) of `year`, as large as fits the area, centred;
// the own plan's page when `ownPlan` is given (`data` answering for it).
void PaintHalfYearOnPaper(const Cairo::RefPtr<Cairo::Context>& cr, const PaperArea& area, int monthNumber, int year,
                          CalendarData& data, const OwnShiftPlan* ownPlan = nullptr);

// What the colours, columns and letters of a sheet of month columns mean:
// lines of items, each a text, after a colour square when it names a crew.
struct LegendItem {
    std::string text;
    bool hasColour = false;
    Rgb colour = 0;
};
using LegendLine = std::vector<LegendItem>;
// The crews and shifts of a plan type, with each shift's times and, where
// Sundays run long shifts, those; the own plan's (type 8) come from `ownPlan`.
std::vector<LegendLine> PaperLegendOf(int calendarType, const OwnShiftPlan* ownPlan);

// One sheet of month columns: the header line, then `columns` months from
// the month of `firstMonth`, painted in `fontDescription`, then the legend,
// scaled to the area's width (or height). The options' calendar type decides
// the shift area.
struct MonthSheet {
    DayNumber firstMonth = 0;  // any day of the first month
    int columns = kMonthColumnsPerPage;
    std::string fontDescription;
    std::string typeName;
    PaintOptions options;
    const OwnShiftPlan* ownPlan = nullptr;  // type 8: the legend's crews and shifts
};
void PaintMonthsOnPaper(const Cairo::RefPtr<Cairo::Context>& cr, const PaperArea& area, const MonthSheet& sheet,
                        CalendarData& data);

// The sheets of months first ... last (any days of them): six months a sheet.
std::vector<MonthSheet> MonthSheetsOf(DayNumber first, DayNumber last, const MonthSheet& pattern);

// The first days of the half years (1 January, 1 July) that meet first ... last.
std::vector<DayNumber> HalfYearsOf(DayNumber first, DayNumber last);

// What printing the main window's view puts on paper: its half-year page,
// or its month columns on sheets of six.
struct PrintJob {
    std::string name;      // the job name, also the header of the first sheet
    std::string fileName;  // the PDF "print to file" writes
    bool halfYear = false;
    int halfYearMonth = 1;  // 1-12, with the year below
    int halfYearYear = kFirstYear;
    std::vector<MonthSheet> sheets;  // month view: one per sheet
    int PageCount() const { return halfYear ? 1 : static_cast<int>(sheets.size()); }
};
// `halfYearPage`: the half-year page is shown (type 5, or the own plan's page).
PrintJob PrintJobOf(const ViewState& view, const CalendarGrid& grid, int calendarType, bool halfYearPage,
                    const std::string& typeName);

// A PDF of A4 landscape pages, made by painting each page on the context
// given to `paintPage(cr, area, pageIndex)`. Empty when cairo fails.
using PaperPagePainter = std::function<void(const Cairo::RefPtr<Cairo::Context>&, const PaperArea&, int)>;
std::string PdfOfPages(int pageCount, const PaperPagePainter& paintPage, const std::string& title);

}  // namespace sk
