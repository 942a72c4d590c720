// A repaint that moves the pixels of the months still shown must give the
// very pixels of painting the moved view whole: paged and cursor-moved
// views are repainted both ways and compared byte for byte.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "view/CalendarPainter.h"
#include "view/Layout.h"
#include "view/TextStamps.h"
#include "SpreadDayData.h"

namespace sk {
namespace {

const std::string kFont = FontDescriptionText({"", 10, 0}, "DejaVu Sans");

Cairo::RefPtr<Cairo::ImageSurface> ImageFor(const CalendarGrid& grid, int scale) {
    auto image = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, grid.ImageWidth() * scale,
                                             grid.ImageHeight() * scale);
    cairo_surface_set_device_scale(image->cobj(), scale, scale);
    return image;
}

bool SamePixels(const Cairo::RefPtr<Cairo::ImageSurface>& a, const Cairo::RefPtr<Cairo::ImageSurface>& b) {
    a->flush();
    b->flush();
    return a->get_stride() == b->get_stride() && a->get_height() == b->get_height() &&
           std::memcmp(a->get_data(), b->get_data(), static_cast<std::size_t>(a->get_stride()) * a->get_height()) ==
               0;
}

struct Step {
    int months;  // the first month moves by this many
    int cursorColumn;
    int cursorDay;
    bool reuses;            // fewer columns than all are painted
    bool moonsOff = false;  // a setting changes as well
};

struct Case {
    const char* name;
    int scale;
    int lastColumn;
    int year;
    int month;  // 0-11
    int calendarType;
    int unitWidth;  // 0: the font's
    std::vector<Step> steps;
};

TEST(CalendarRepainter, GivesThePixelsOfAWholePaint) {
    const Case cases[] = {
        {"24 columns over a year's end", 1, 23, 2025, 10, 0, 0,
         {{1, 3, 15, true}, {-1, 3, 15, true}, {12, 5, 31, true}, {3, 0, 1, true}, {0, 7, 20, true},
          {0, 7, 20, true}, {-2, 23, 28, true}, {-1, 2, 3, false, true}, {24, 0, 1, false}, {-22, 0, 9, true}}},
        {"HiDPI, 7 columns past the calendar's end", 2, 6, 2036, 11, 0, 0,
         {{1, 6, 10, true}, {4, 0, 29, true}, {2, 6, 1, true}, {-1, 4, 2, true}, {-6, 6, 30, false},
          {7, 3, 3, false}}},
        {"four crews at HiDPI", 2, 11, 1999, 9, 7, 0, {{1, 11, 31, true}, {-3, 0, 1, true}, {3, 5, 5, true}}},
        {"two shifts", 1, 11, 1970, 0, 2, 0, {{5, 2, 2, true}, {-5, 0, 1, true}}},
        // Headers wider than a column: the columns cannot be repainted alone.
        {"columns too narrow for their text", 1, 8, 2024, 0, 0, 3, {{1, 0, 1, false}, {-1, 2, 2, false}}},
    };
    for (const Case& c : cases) {
        ViewState view;
        const FontMetrics m = MeasureFont(kFont);
        view.unitWidth = c.unitWidth ? c.unitWidth : m.unitWidth;
        view.rowHeight = m.rowHeight;
        view.firstYear = c.year;
        view.firstMonth = c.month;
        view.cursorColumn = 2;
        view.cursorDay = 7;
        PaintOptions options{true, true, true, true};
        options.calendarType = c.calendarType;
        TextStamps stamps(kFont, c.scale);
        CalendarRepainter repainter;
        const auto image = ImageFor(MakeCalendarGrid(view, c.lastColumn), c.scale);
        const auto paint = [&](bool onlyViewMoved) {
            Canvas canvas(image, stamps);
            SpreadDayData data;
            repainter.Paint(canvas, view, MakeCalendarGrid(view, c.lastColumn), data, options, onlyViewMoved);
        };
        paint(false);
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& s = c.steps[i];
            const int month = view.firstYear * 12 + view.firstMonth + s.months;
            view.firstYear = month / 12;
            view.firstMonth = month % 12;
            view.cursorColumn = s.cursorColumn;
            view.cursorDay = s.cursorDay;
            if (s.moonsOff) options.showMoonPhases = false;
            paint(true);

            const CalendarGrid grid = MakeCalendarGrid(view, c.lastColumn);
            const auto whole = ImageFor(grid, c.scale);
            Canvas canvas(whole, stamps);
            SpreadDayData data;
            PaintCalendar(canvas, view, grid, data, options);
            EXPECT_TRUE(SamePixels(image, whole)) << c.name << ", step " << i;
            EXPECT_EQ(repainter.ColumnsPaintedLast() < grid.ColumnCount(), s.reuses) << c.name << ", step " << i;
        }
    }
}

}  // namespace
}  // namespace sk
