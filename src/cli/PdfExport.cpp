#include "cli/PdfExport.h"

#include "cli/PlanOptions.h"
#include "cli/Schichtplan.h"
#include "marks/CalendarMarks.h"
#include "marks/ShiftMarks.h"
#include "view/Layout.h"
#include "view/PaperPages.h"

namespace sk {

namespace {

// The program's own default font, as a fresh user sees the calendar.
constexpr const char* kPaperFontFamily = "Sans";
constexpr int kPaperFontSize = 10;

}  // namespace

int RunPdfExport(const PlanOptions& options, std::string& out, std::string& err) {
    const int type = options.calendarType;
    const bool halfYear = options.layout == PlanLayout::HalfYear ||
                          (options.layout == PlanLayout::Default && IsHalfYearView(type));
    if (halfYear && !IsHalfYearView(type) && type != kOwnPlanCalendarType) {
        err = "schichtplan: Die Halbjahresseite gibt es nur für die Schichtarten 5 und 8; für andere Schichtarten "
              "--layout months.\n";
        return kExitBadInput;
    }
    // Type 5 has no shift area of month columns: its pages would carry dates only.
    if (!halfYear && IsHalfYearView(type)) {
        err = "schichtplan: Die Schichtart 5 gibt es nur als Halbjahresplan (--layout halfyear).\n";
        return kExitBadInput;
    }
    const OwnShiftPlan* ownPlan = type == kOwnPlanCalendarType && options.ownPlan ? &*options.ownPlan : nullptr;

    CoreSources sources;
    sources.vacationTables = &options.vacationOrder;
    sources.vacationStartMonth = options.vacationStartMonth;
    sources.vacationStartDay = options.vacationStartDay;
    sources.observer = options.observer;
    sources.schoolHolidays = &options.schoolHolidays;
    sources.ownPlan = &options.ownPlan;
    sources.region = options.region;
    ShiftMarkList shiftMarks;
    CalendarMarkList calendarMarks;
    if (!options.dataFolder.empty()) {
        shiftMarks.Load(options.dataFolder);
        calendarMarks.Load(options.dataFolder);
        sources.shiftMarks = &shiftMarks;
        sources.calendarMarks = &calendarMarks;
    }
    const std::string typeName =
        type == kOwnPlanCalendarType && options.ownPlan ? options.ownPlan->name : CalendarTypeInfoOf(type).label;

    CoreCalendarData data(sources);
    if (halfYear) {
        const std::vector<DayNumber> halves = HalfYearsOf(options.from, options.to);
        out = PdfOfPages(
            static_cast<int>(halves.size()),
            [&](const Cairo::RefPtr<Cairo::Context>& cr, const PaperArea& area, int page) {
                const CivilDate c = CivilOf(halves[static_cast<std::size_t>(page)]);
                PaintHalfYearOnPaper(cr, area, c.month, c.year, data, ownPlan);
            },
            "Schichtplan " + typeName);
    } else {
        MonthSheet pattern;
        pattern.fontDescription = FontDescriptionText({"", kPaperFontSize, 0}, kPaperFontFamily);
        pattern.typeName = typeName;
        pattern.options.calendarType = type;
        pattern.ownPlan = ownPlan;
        const std::vector<MonthSheet> sheets = MonthSheetsOf(options.from, options.to, pattern);
        out = PdfOfPages(
            static_cast<int>(sheets.size()),
            [&](const Cairo::RefPtr<Cairo::Context>& cr, const PaperArea& area, int page) {
                PaintMonthsOnPaper(cr, area, sheets[static_cast<std::size_t>(page)], data);
            },
            "Schichtplan " + typeName);
    }
    if (out.empty()) {
        err = "schichtplan: Das PDF ließ sich nicht erzeugen.\n";
        return kExitWriteFailed;
    }
    return kExitOk;
}

}  // namespace sk
