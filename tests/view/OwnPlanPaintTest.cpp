#include <gtest/gtest.h>

#include <optional>

#include "calendar/Date.h"
#include "marks/ShiftMarks.h"
#include "shift/OwnShiftPlan.h"
#include "view/CalendarPainter.h"
#include "view/CoreCalendarData.h"
#include "view/Layout.h"

namespace sk {
namespace {

// The two-shift plan as an own plan: its 21-day table column as letters
// (days off as '-'), three crews a week apart as the defaults spread them.
OwnShiftPlan TwoShiftPlan() { return MakeOwnShiftPlan("-FFFSSSS---FFFFSSS---", kFirstDay, 3); }

struct Painted {
    ViewState view;
    CalendarGrid grid;
    Cairo::RefPtr<Cairo::ImageSurface> surface;

    Painted(int type, const CoreSources& sources, int year, int month) {
        const std::string font = FontDescriptionText({"", 10, 0}, "DejaVu Sans");
        const FontMetrics m = MeasureFont(font);
        view.unitWidth = m.unitWidth;
        view.rowHeight = m.rowHeight;
        view.firstYear = year;
        view.firstMonth = month;
        grid = MakeCalendarGrid(view, kMostColumnsIndex);
        surface = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, grid.ImageWidth(), grid.ImageHeight());
        Canvas canvas(surface, font);
        CoreCalendarData data(sources);
        PaintOptions options;
        options.calendarType = type;
        PaintCalendar(canvas, view, grid, data, options);
        surface->flush();
    }
    std::uint32_t At(int x, int y) const {
        const unsigned char* row = surface->get_data() + static_cast<std::ptrdiff_t>(y) * surface->get_stride();
        return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xFFFFFFu;
    }
};

// The own plan that reproduces the two-shift plan paints its early and late
// sub-columns pixel for pixel as that plan does, over two years of columns
// with Christmas circles and a shift mark; its crews off are not drawn
// (the built-in plan marks them in the standby column).
TEST(OwnPlanPainting, ReproducedPlanPaintsTheShiftCellsOfTheBuiltInType) {
    const std::optional<OwnShiftPlan> plan = TwoShiftPlan();
    ShiftMarkList marks;
    const DayNumber marked = DayNumberOf(2024, 12, 11);
    marks.ApplyChoice(2, marked, 2, 4);  // "K" in the early column
    CoreSources sources;
    sources.ownPlan = &plan;
    sources.shiftMarks = &marks;
    for (int month : {0, 11}) {
        SCOPED_TRACE(month);
        const Painted builtIn(2, sources, 2024, month);
        const Painted own(kOwnPlanCalendarType, sources, 2024, month);
        const int u = builtIn.view.unitWidth, r = builtIn.view.rowHeight;
        int differing = 0, standbyPixels = 0;
        for (const GridColumn& column : builtIn.grid.columns) {
            const int a = column.x + 8 * u;
            for (int y = 0; y < builtIn.grid.ImageHeight(); ++y) {
                for (int x = a + 2 * u; x < a + 6 * u; ++x)
                    if (builtIn.At(x, y) != own.At(x, y)) ++differing;
                for (int x = a; x < a + 2 * u; ++x)
                    if (y >= r && own.At(x, y) != own.At(a + 8 * u, y)) ++standbyPixels;  // below the header
            }
        }
        EXPECT_EQ(differing, 0);
        EXPECT_EQ(standbyPixels, 0);
    }
}

// Without a plan the own type paints no shifts (and does not fail).
TEST(OwnPlanPainting, NoPlanPaintsNoShifts) {
    CoreSources sources;
    const Painted none(kOwnPlanCalendarType, sources, 2025, 0);
    const std::optional<OwnShiftPlan> plan = TwoShiftPlan();
    sources.ownPlan = &plan;
    const Painted some(kOwnPlanCalendarType, sources, 2025, 0);
    const int u = none.view.unitWidth;
    const int a = none.grid.columns[1].x + 8 * u;  // away from the cursor in column 0
    auto painted = [&](const Painted& p) {
        int n = 0;
        for (int y = 0; y < p.grid.ImageHeight(); ++y)
            for (int x = a; x < a + 8 * u; ++x) n += p.At(x, y) != p.At(a + 9 * u, y);
        return n;
    };
    EXPECT_EQ(painted(none), 0);
    EXPECT_GT(painted(some), 0);
}

}  // namespace
}  // namespace sk
