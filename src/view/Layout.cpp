#include "view/Layout.h"

#include <pangomm.h>
#include <pangomm/init.h>

#include <cmath>

#include "calendar/Date.h"

namespace sk {

int RoundHalfEven(double x) { return static_cast<int>(std::nearbyint(x)); }

int RoundHalfAway(double x) { return static_cast<int>(std::lround(x)); }

std::string FontDescriptionText(const FontChoice& font, const std::string& defaultFamily) {
    std::string text = font.family.empty() ? defaultFamily : font.family;
    // A trailing comma keeps a family whose last word looks like a style
    // ("Noto Sans Mono Bold") from being read as one.
    text += ",";
    if (font.style & 1) text += " Bold";
    if (font.style & 2) text += " Italic";
    text += " " + std::to_string(font.size);
    return text;
}

FontMetrics MeasureFont(const std::string& fontDescription) {
    Pango::init();
    auto surface = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, 1, 1);
    auto cr = Cairo::Context::create(surface);
    auto layout = Pango::Layout::create(cr);
    layout->set_font_description(Pango::FontDescription(fontDescription));
    long sumWidth = 0;
    long sumHeight = 0;
    for (char ch = '0'; ch <= 'z'; ++ch) {
        layout->set_text(std::string(1, ch));
        int w = 0;
        int h = 0;
        layout->get_pixel_size(w, h);
        sumWidth += w;
        sumHeight += h;
    }
    FontMetrics m;
    m.unitWidth = static_cast<int>(sumWidth / 75);
    m.rowHeight = static_cast<int>(sumHeight / 75);
    if (m.unitWidth < 1 || m.rowHeight < 1) return FontMetrics{};
    return m;
}

int WidthUnitsOf(int lastColumn) { return (lastColumn + 1) * 18; }

void PageByDays(ViewState& v, int days) {
    DayNumber d = DayNumberOf(v.firstYear, v.firstMonth + 1, 1) + days;
    if (d > kLastFirstMonthDay) d = kLastFirstMonthDay;
    // Paging never leaves the calendar's range at its start either.
    if (d < kFirstDay) d = kFirstDay;
    DayContext ctx = MakeDayContext(d);
    v.firstMonth = ctx.month;
    v.firstYear = ctx.year;
    if (v.cursorDay > 28) v.cursorDay = 28;
}

namespace {

// Pulls the cursor back to the last day its month has, and out of columns
// that hold no dates (months after the calendar's last year).
void PullBackToPaintedDay(ViewState& v, const CellDates& cells, bool& wrapped) {
    while (v.cursorColumn > 0 && cells.At(v.cursorColumn, 1) == 0) {
        --v.cursorColumn;
    }
    while (v.cursorDay >= 29 && cells.At(v.cursorColumn, v.cursorDay) == 0) {
        --v.cursorDay;
        wrapped = true;
    }
}

int ClampColumn(const ViewState& v, int column) {
    if (column > v.lastColumn) return v.lastColumn;
    if (column < 0) return 0;
    return column;
}

}  // namespace

void MoveCursor(ViewState& v, const CellDates& cells, int dx, int dy) {
    if (dx == -1 && dy == -1) return;
    v.cursorColumn = ClampColumn(v, v.cursorColumn + dx);
    v.cursorDay += dy;
    bool wrapped = false;
    if (v.cursorDay >= 32) {
        v.cursorDay = 31;
        wrapped = true;
    }
    if (v.cursorDay <= 0) {
        if (v.cursorColumn <= 0) {
            v.cursorDay = 1;
        } else {
            v.cursorColumn -= 1;
            v.cursorDay = 31;
        }
    }
    const int columnBefore = v.cursorColumn;
    PullBackToPaintedDay(v, cells, wrapped);
    if (dy > 0 && wrapped && v.cursorColumn < v.lastColumn && v.cursorColumn == columnBefore &&
        cells.At(v.cursorColumn + 1, 1) != 0) {
        v.cursorColumn += 1;
        v.cursorDay = 1;
    }
}

int HitTest(ViewState& v, const CellDates& cells, int mx, int my) {
    const int u = v.unitWidth;
    const int r = v.rowHeight;
    if (mx < 0 || my < 0) return 0;
    const int column = mx / (18 * u);
    if (column == v.cursorColumn && my / r - 2 == v.cursorDay) {
        const int k = mx / u - 18 * v.cursorColumn;
        const int s = (k + 1) / 2 - 4;  // ceiling(k / 2) - 4 for k >= 0
        return (s >= 1 && s <= 4) ? s : 0;
    }
    v.cursorColumn = ClampColumn(v, column);
    int day = my < 3 * r ? 1 : my / r - 2;
    if (day > 31) day = 31;
    v.cursorDay = day;
    bool wrapped = false;
    PullBackToPaintedDay(v, cells, wrapped);
    return 0;
}

}  // namespace sk
