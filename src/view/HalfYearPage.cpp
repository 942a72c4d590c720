#include "view/HalfYearPage.h"

#include <pangomm.h>
#include <pangomm/init.h>

#include <cmath>
#include <map>
#include <utility>

#include "shift/VacationBlock.h"
#include "calendar/Holidays.h"
#include "calendar/SchoolHolidays.h"
#include "shift/ShiftComputation.h"
#include "view/Layout.h"
#include "view/PaperMillPicture.h"

namespace sk {

namespace {

constexpr Rgb kWhite = PackRgb(255, 255, 255);
constexpr Rgb kBlack = PackRgb(0, 0, 0);
constexpr Rgb kRed = PackRgb(255, 0, 0);
constexpr Rgb kLightLetter = PackRgb(238, 238, 238);
constexpr Rgb kLegendColours[5] = {PackRgb(255, 0, 0), PackRgb(0, 0, 255), PackRgb(255, 255, 0),
                                   PackRgb(0, 255, 0), PackRgb(235, 167, 11)};
constexpr const char* kFontFamily = "FreeSans";
constexpr const char* kWeekdayShort[7] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
constexpr const char* kShiftLetters[4] = {"", "F", "S", "N"};

// Drawing on the page: pixel-exact shapes and FreeSans text at pixel sizes.
class PagePainter {
public:
    // On an image the shapes are pixel-exact; on a vector target (PDF,
    // print) they are smooth at any resolution.
    PagePainter(const Cairo::RefPtr<Cairo::Context>& cr, std::vector<PageText>* texts)
        : cr_(cr), texts_(texts) {
        Pango::init();
        if (cr_->get_target()->get_type() == Cairo::SURFACE_TYPE_IMAGE) cr_->set_antialias(Cairo::ANTIALIAS_NONE);
    }

    Cairo::RefPtr<Cairo::Context> Context() const { return cr_; }

    void Fill(int x, int y, int w, int h, Rgb colour) {
        if (w <= 0 || h <= 0) return;
        SetColour(colour);
        cr_->rectangle(x, y, w, h);
        cr_->fill();
    }
    void HLine(int x0, int x1, int y, Rgb colour) { Fill(x0, y, x1 - x0, 1, colour); }
    void VLine(int x, int y0, int y1, Rgb colour) { Fill(x, y0, 1, y1 - y0, colour); }
    // A one pixel outline whose outer edge is the rectangle.
    void Outline(int x, int y, int w, int h, Rgb colour) {
        HLine(x, x + w, y, colour);
        HLine(x, x + w, y + h - 1, colour);
        VLine(x, y, y + h, colour);
        VLine(x + w - 1, y, y + h, colour);
    }
    void Circle(int cx, int cy, int radius, Rgb colour) {
        SetColour(colour);
        cr_->arc(cx + 0.5, cy + 0.5, radius, 0, 2 * M_PI);
        cr_->fill();
    }

    int Width(const std::string& text, int size, bool bold = false) { return Extents(text, size, bold).first; }
    int Height(const std::string& text, int size, bool bold = false) { return Extents(text, size, bold).second; }

    void Text(int x, int y, const std::string& text, int size, Rgb colour, bool bold = false) {
        Glib::RefPtr<Pango::Layout> layout = LayoutFor(size, bold);
        layout->set_text(text);
        SetColour(colour);
        cr_->move_to(x, y);
        layout->show_in_cairo_context(cr_);
        if (texts_) {
            const Pango::Rectangle r = layout->get_pixel_logical_extents();
            texts_->push_back(PageText{text, x, y, r.get_width(), r.get_height(), size, colour});
        }
    }
    // Centred horizontally in [left, left + width), vertically in [top, top + height).
    void TextInBox(int left, int top, int width, int height, const std::string& text, int size, Rgb colour,
                   bool bold = false) {
        const auto [w, h] = Extents(text, size, bold);
        Text(left + (width - w) / 2, top + (height - h) / 2, text, size, colour, bold);
    }

private:
    void SetColour(Rgb c) { cr_->set_source_rgb(RedOf(c) / 255.0, GreenOf(c) / 255.0, BlueOf(c) / 255.0); }

    Glib::RefPtr<Pango::Layout> LayoutFor(int size, bool bold) {
        const int key = size * 2 + (bold ? 1 : 0);
        auto it = layouts_.find(key);
        if (it != layouts_.end()) return it->second;
        Pango::FontDescription font;
        font.set_family(kFontFamily);
        font.set_absolute_size(std::max(1, size) * PANGO_SCALE);
        font.set_weight(bold ? Pango::WEIGHT_BOLD : Pango::WEIGHT_NORMAL);
        Glib::RefPtr<Pango::Layout> layout = Pango::Layout::create(cr_);
        layout->set_font_description(font);
        layouts_.emplace(key, layout);
        return layout;
    }

    std::pair<int, int> Extents(const std::string& text, int size, bool bold) {
        Glib::RefPtr<Pango::Layout> layout = LayoutFor(size, bold);
        layout->set_text(text);
        const Pango::Rectangle r = layout->get_pixel_logical_extents();
        return {r.get_width(), r.get_height()};
    }

    Cairo::RefPtr<Cairo::Context> cr_;
    std::vector<PageText>* texts_;
    std::map<int, Glib::RefPtr<Pango::Layout>> layouts_;
};

// Everything the parts of the page share.
struct Page {
    PagePainter& painter;
    const HalfYearGeometry& g;
    int year;
    int firstMonth;  // 0 or 6
    const OwnShiftPlan* plan = nullptr;  // the own plan instead of the five-crew rhythm

    int CrewCount() const { return plan ? plan->CrewCount() : kMaxCrews; }
    // The crew cells share the five cells after the day: one each for five
    // crews, narrower for six.
    int CrewLeft(int block, int crew) const { return BlockX(block) + 3 * g.cw + crew * 5 * g.cw / CrewCount(); }

    int X(double cells) const { return g.x0 + RoundHalfEven(cells * g.cw); }
    int Y(double cells) const { return g.y0 + RoundHalfEven(cells * g.ch); }
    int BlockX(int block) const { return g.x0 + 8 * g.cw * block; }
    int RowTop(int day) const { return g.y0 + RoundHalfEven(2.5 * g.ch) + day * g.ch; }
};

// Top of a text whose bottom (that of the sample text) is at `bottomCells`.
int TopForBottom(Page& p, double bottomCells, const char* sample, int size, bool bold = false) {
    return RoundHalfEven(p.g.y0 + bottomCells * p.g.ch - p.painter.Height(sample, size, bold));
}

void PaintPicture(Page& p) {
    const Cairo::RefPtr<Cairo::ImageSurface> picture = PaperMillPicture();
    const int height = 4 * p.g.ch;
    const int width = RoundHalfEven(height * double(kPaperMillPictureWidth) / kPaperMillPictureHeight);
    const int x = p.g.x0 + p.g.cw;
    const int y = p.Y(35.2);
    Cairo::RefPtr<Cairo::Context> cr = p.painter.Context();
    cr->save();
    cr->rectangle(x, y, width, height);
    cr->clip();
    cr->translate(x, y);
    cr->scale(double(width) / kPaperMillPictureWidth, double(height) / kPaperMillPictureHeight);
    cr->set_source(picture, 0, 0);
    auto pattern = cr->get_source();
    Cairo::RefPtr<Cairo::SurfacePattern>::cast_dynamic(pattern)->set_filter(Cairo::FILTER_GOOD);
    cr->paint();
    cr->restore();
}

void PaintHeader(Page& p) {
    PagePainter& pp = p.painter;
    const int monthSize = p.g.ch;
    const int captionSize = p.g.ch / 2;
    const int numberSize = RoundHalfEven(p.g.ch / 1.7);
    const int monthTop = TopForBottom(p, 1.5, "Ig", monthSize, true);
    const int captionTop = TopForBottom(p, 2.4, "Ig", captionSize);
    const int numberTop = TopForBottom(p, 3.4, "Tg", numberSize);
    for (int b = 0; b < 6; ++b) {
        const int bx = p.BlockX(b);
        pp.Text(bx + p.g.cw / 2, monthTop, kMonthNames[p.firstMonth + b], monthSize, kBlack, true);
        const int crewLeft = bx + 3 * p.g.cw;
        pp.Text(crewLeft + (5 * p.g.cw - pp.Width("Schicht", captionSize)) / 2, captionTop, "Schicht", captionSize,
                kBlack);
        pp.Text(bx + p.g.cw / 6, numberTop, "Tag", numberSize, kBlack);
        for (int j = 0; j < p.CrewCount(); ++j) {
            const std::string number = "0" + std::to_string(j + 1);
            const int left = p.CrewLeft(b, j);
            const int width = p.CrewLeft(b, j + 1) - left;
            pp.Text(left + (width - pp.Width(number, numberSize)) / 2, numberTop, number, numberSize, kBlack);
        }
    }
}

// The own plan's title is its name; its legend lists its shift times and
// its crews by name.
void PaintOwnPlanTitleAndLegend(Page& p) {
    PagePainter& pp = p.painter;
    const OwnShiftPlan& plan = *p.plan;
    pp.Text(p.X(4.5), p.Y(34.8), plan.name, RoundHalfEven(p.g.ch * 1.3), kBlack, true);
    pp.Text(p.X(4.5), p.Y(37), "Schichtplan " + std::to_string(p.year), RoundHalfEven(p.g.ch / 1.2), kBlack, true);

    const int size = RoundHalfEven(p.g.ch / 1.7);
    const int left = p.g.x0 + 15 * p.g.cw;
    pp.Text(left, p.Y(34.8), "Erläuterungen:", size, kBlack, true);
    double row = 35.8;
    for (int k = 0; k < kShiftKindCount; ++k) {
        if (!plan.kindUsed[k]) continue;
        const int y = p.Y(row);
        pp.Text(left, y, std::string(1, kShiftKindLetters[k]) + " = " + kShiftKindEventNames[k], size, kBlack);
        pp.Text(p.X(21.9), y, ShiftTimesText(plan.kindTimes[k]), size, kBlack);
        row += 0.9;
    }

    const int labelSize = p.g.ch / 2;
    const int boxX = p.g.x0 + 27 * p.g.cw;
    const int boxW = RoundHalfEven(p.g.cw / 1.7);
    const int boxH = RoundHalfEven(p.g.ch / 1.7);
    for (int i = 0; i < plan.CrewCount(); ++i) {
        const int y = p.Y(34.8 + 0.7 * i);
        pp.Outline(boxX, y, boxW, boxH, kBlack);
        pp.Fill(boxX + 1, y + 1, boxW - 2, boxH - 2, static_cast<Rgb>(plan.crews[i].colour));
        const std::string label = "0" + std::to_string(i + 1) + " " + plan.crews[i].name;
        pp.Text(p.X(27.9), y + (boxH - pp.Height(label, labelSize)) / 2, label, labelSize, kBlack);
    }
}

void PaintTitleAndLegend(Page& p) {
    if (p.plan) {
        PaintOwnPlanTitleAndLegend(p);
        return;
    }
    PagePainter& pp = p.painter;
    pp.Text(p.X(4.5), p.Y(34.8), "Velmo Haldenau", RoundHalfEven(p.g.ch * 1.3), kBlack, true);
    pp.Text(p.X(4.5), p.Y(37), "Schichtplan " + std::to_string(p.year), RoundHalfEven(p.g.ch / 1.2), kBlack, true);

    const int size = RoundHalfEven(p.g.ch / 1.7);
    const int left = p.g.x0 + 15 * p.g.cw;
    pp.Text(left, p.Y(34.8), "Erläuterungen:", size, kBlack, true);
    pp.Text(p.g.x0 + 26 * p.g.cw, p.Y(34.8), "Sollstunden:", size, kBlack, true);
    pp.Text(left, p.Y(35.8), "U/US = Urlaub", size, kBlack);
    struct ShiftLine { const char* name; const char* from; const char* to; double row; };
    const ShiftLine lines[] = {
        {"Frühschicht", "6.00 -", "14.00 Uhr", 36.7},
        {"Spätschicht", "14.00 -", "22.00 Uhr", 37.6},
        {"Nachtchicht", "22.00 -", "6.00 Uhr", 38.5},
    };
    const int equalsRight = p.g.x0 + 19 * p.g.cw;
    const int fromRight = p.X(21.6);
    const int toLeft = p.X(21.9);
    for (const ShiftLine& l : lines) {
        const int y = p.Y(l.row);
        pp.Text(left, y, l.name, size, kBlack);
        pp.Text(equalsRight - pp.Width("=", size), y, "=", size, kBlack);
        pp.Text(fromRight - pp.Width(l.from, size), y, l.from, size, kBlack);
        pp.Text(toLeft, y, l.to, size, kBlack);
    }

    const int labelSize = p.g.ch / 2;
    const int boxX = p.g.x0 + 26 * p.g.cw;
    const int boxW = RoundHalfEven(p.g.cw / 1.7);
    const int boxH = RoundHalfEven(p.g.ch / 1.7);
    const double rows[5] = {35.8, 36.5, 37.2, 37.9, 38.6};
    for (int i = 0; i < 5; ++i) {
        const int y = p.Y(rows[i]);
        pp.Outline(boxX, y, boxW, boxH, kBlack);
        pp.Fill(boxX + 1, y + 1, boxW - 2, boxH - 2, kLegendColours[i]);
        const std::string label = "Schicht       0" + std::to_string(i + 1);
        pp.Text(p.X(26.9), y + (boxH - pp.Height(label, labelSize)) / 2, label, labelSize, kBlack);
    }
}

std::string RangeOfEntry(const SchoolHolidayBlock* block, int slot) {
    if (!block) return HalfYearHolidayRange(0, 0);
    const HolidayDates& d = (*block)[static_cast<std::size_t>(slot)];
    return HalfYearHolidayRange(d.first, d.last);
}

std::string TwoDigitYear(int year) {
    const int yy = ((year % 100) + 100) % 100;
    return (yy < 10 ? "0" : "") + std::to_string(yy);
}

void PaintSchoolHolidays(Page& p, const SchoolHolidayCalendar& holidays) {
    PagePainter& pp = p.painter;
    pp.Outline(RoundHalfEven(p.g.x0 + p.g.gridWidth - 14.5 * p.g.cw), p.Y(34.9), RoundHalfEven(14.1 * p.g.cw),
               RoundHalfEven(4.7 * p.g.ch), kBlack);
    const int size = p.g.ch / 2;
    const int headingTop = p.g.y0 + RoundHalfEven(0.88 * p.g.gridHeight);
    pp.Text(p.g.x0 + 34 * p.g.cw, headingTop, kSchoolHolidayHeading, size, kBlack, true);

    const SchoolHolidayBlock* block = holidays.BlockOf(p.year);
    const SchoolHolidayBlock* previous = holidays.BlockOf(p.year - 1);
    using Entry = std::pair<std::string, std::string>;
    const std::vector<Entry> left = {
        {"Weihn. " + TwoDigitYear(p.year - 1), RangeOfEntry(previous, kSlotChristmas)},
        {"Fasching", RangeOfEntry(block, kSlotWinter)},
        {"Ostern", RangeOfEntry(block, kSlotEaster)},
    };
    const std::vector<Entry> right = {
        {"Pfingsten", RangeOfEntry(block, kSlotWhitsun)},
        {"Sommer", RangeOfEntry(block, kSlotSummer)},
        {"Herbst", RangeOfEntry(block, kSlotAutumn)},
        {"Weihn. " + TwoDigitYear(p.year), RangeOfEntry(block, kSlotChristmas)},
    };
    auto column = [&](const std::vector<Entry>& entries, int x) {
        int nameWidth = 0;
        for (const Entry& e : entries) nameWidth = std::max(nameWidth, pp.Width(e.first, size));
        const int dateX = x + nameWidth + p.g.cw / 2;
        for (size_t i = 0; i < entries.size(); ++i) {
            const int y = RoundHalfEven(headingTop + (0.9 + 0.85 * i) * p.g.ch);
            pp.Text(x, y, entries[i].first, size, kBlack);
            pp.Text(dateX, y, entries[i].second, size, kBlack);
        }
    };
    column(left, p.g.x0 + 34 * p.g.cw);
    column(right, p.g.x0 + 41 * p.g.cw);
}

void PaintFiveCrewDay(Page& p, int block, const DayContext& ctx, const VacationBlock* vacation, int top, int size);
void PaintOwnPlanDay(Page& p, int block, const DayContext& ctx, int top, int size);

void PaintDay(Page& p, int block, const DayContext& ctx, const VacationBlock* vacation) {
    PagePainter& pp = p.painter;
    const int cw = p.g.cw, ch = p.g.ch;
    const int size = RoundHalfEven(ch / 1.6);
    const int bx = p.BlockX(block);
    const int top = p.RowTop(ctx.day);
    const int weekday = WeekdayIndex(ctx.dayNumber);
    const bool sunday = weekday == 0;

    const Rgb dayColour = sunday || IsPublicHoliday(ctx) ? kRed : kBlack;
    const std::string number = std::to_string(ctx.day);
    const std::string dayText = number + " " + kWeekdayShort[weekday];
    const int textTop = top + (ch - pp.Height(dayText, size)) / 2;
    // The number stands where a two-digit number centred in cell 0 would end.
    const int dayX = bx + cw - pp.Width(number, size) - (cw - pp.Width("00", size)) / 2;
    pp.Text(dayX, textTop, dayText, size, dayColour);
    if (weekday == 1 || (ctx.day == 1 && ctx.month == 0)) {
        pp.TextInBox(bx + 2 * cw, top, cw, ch, std::to_string(WeekNumber(ctx)), size, kBlack);
    }

    if (p.plan) {
        PaintOwnPlanDay(p, block, ctx, top, size);
    } else {
        PaintFiveCrewDay(p, block, ctx, vacation, top, size);
    }
    if (weekday == 1 && ctx.day >= 2) pp.HLine(bx, bx + 8 * cw, top - 1, kBlack);
}

void PaintFiveCrewDay(Page& p, int block, const DayContext& ctx, const VacationBlock* vacation, int top, int size) {
    PagePainter& pp = p.painter;
    const int cw = p.g.cw, ch = p.g.ch;
    const int bx = p.BlockX(block);
    const bool sunday = WeekdayIndex(ctx.dayNumber) == 0;
    const CrewShiftResult shifts = ComputeCrewShifts(5, ctx.dayNumber, vacation);
    const bool inVacationWindow = vacation && IsInVacationWindow(*vacation, ctx.dayNumber);
    for (int j = 0; j < 5; ++j) {
        const int code = shifts.table.Code(j);
        const Rgb colour = static_cast<Rgb>(kCrewColours[j]);
        const int cellX = bx + (3 + j) * cw;
        if (code >= 1 && code <= 3) {
            const std::string letter = std::string(sunday ? "S" : "") + kShiftLetters[code];
            if (IsHighHoliday(ctx, code)) {
                pp.Circle(bx + RoundHalfEven(3.5 * cw) + j * cw + 1, top + ch / 2, RoundHalfEven(ch / 2.3), colour);
                if (sunday && ctx.month == 11 && (ctx.day == 24 || ctx.day == 31)) {
                    pp.Fill(cellX + 1, top + 1, (cw - 1) / 2, ch - 1, colour);
                }
            } else {
                pp.Fill(cellX + 1, top + 1, cw - 1, ch - 1, colour);
            }
            pp.TextInBox(cellX, top, cw, ch, letter, size, j < 2 ? kLightLetter : kBlack);
        } else if (code == kShiftStandby && inVacationWindow) {
            pp.TextInBox(cellX, top, cw, ch, sunday ? "US" : "U", size, j == 2 ? kBlack : colour);
        } else if (code == kShiftStandby) {
            const int w = RoundHalfEven(0.7 * cw - 1);
            const int h = RoundHalfEven(0.7 * ch - 1);
            pp.Fill(cellX + 1 + (cw - 1 - w) / 2, top + 1 + (ch - 1 - h) / 2, w, h, colour);
        }
    }
}

// The own plan: each working crew's cell in its colour with the shift's
// letter, a circle on the holidays the built-in plans mark so; crews off
// stay white.
void PaintOwnPlanDay(Page& p, int block, const DayContext& ctx, int top, int size) {
    PagePainter& pp = p.painter;
    const int ch = p.g.ch;
    const bool sunday = WeekdayIndex(ctx.dayNumber) == 0;
    for (int j = 0; j < p.CrewCount(); ++j) {
        const int kind = KindOfShiftCode(OwnPlanShiftOf(*p.plan, j, ctx.dayNumber));
        if (kind < 0) continue;
        const Rgb colour = static_cast<Rgb>(p.plan->crews[j].colour);
        const int cellX = p.CrewLeft(block, j);
        const int width = p.CrewLeft(block, j + 1) - cellX;
        const int level = kind == static_cast<int>(ShiftKind::kDay) ? 1 : kind + 1;
        if (IsHighHoliday(ctx, level)) {
            pp.Circle(cellX + width / 2 + 1, top + ch / 2, std::min(RoundHalfEven(ch / 2.3), width / 2), colour);
        } else {
            pp.Fill(cellX + 1, top + 1, width - 1, ch - 1, colour);
        }
        const bool dark = RedOf(colour) * 3 + GreenOf(colour) * 6 + BlueOf(colour) < 128 * 10;
        const std::string letter = std::string(sunday ? "S" : "") + kShiftKindLetters[kind];
        pp.TextInBox(cellX, top, width, ch, letter, size, dark ? kLightLetter : kBlack);
    }
}

void PaintGrid(Page& p) {
    PagePainter& pp = p.painter;
    const HalfYearGeometry& g = p.g;
    pp.Outline(g.x0, g.y0, g.gridWidth + 1, g.gridHeight + 1, kBlack);
    pp.Outline(g.x0 - 1, g.y0 - 1, g.gridWidth + 3, g.gridHeight + 3, kBlack);
    const int tableTop = p.RowTop(0) - g.ch;
    const int tableBottom = p.RowTop(32);
    const int right = g.x0 + g.gridWidth;
    pp.HLine(g.x0, right, tableTop, kBlack);
    for (int row = 0; row <= 32; ++row) pp.HLine(g.x0, right, p.RowTop(row), kBlack);
    for (int b = 0; b < 6; ++b) {
        const int bx = p.BlockX(b);
        if (b > 0) pp.VLine(bx, tableTop, tableBottom, kBlack);
        // The caption "Schicht" spans the crew cells.
        pp.VLine(bx + 3 * g.cw, tableTop, tableBottom, kBlack);
        for (int j = 1; j < p.CrewCount(); ++j) pp.VLine(p.CrewLeft(b, j), p.RowTop(0), tableBottom, kBlack);
    }
}

}  // namespace

HalfYearGeometry HalfYearGeometryOf(int innerWidth, int rowHeight) {
    HalfYearGeometry g;
    const int wa = innerWidth;
    const int ha = 32 * rowHeight + 2;
    int pageWidth = wa;
    int pageHeight = static_cast<int>(wa / kHalfYearPageAspect);
    if (ha > 0 && double(wa) / ha > kHalfYearPageAspect) {
        pageWidth = static_cast<int>(ha * kHalfYearPageAspect);
        pageHeight = ha;
    }
    g.cw = std::max(1, pageWidth / kHalfYearGridColumns);
    g.ch = std::max(1, pageHeight / kHalfYearGridRows);
    g.gridWidth = kHalfYearGridColumns * g.cw;
    g.gridHeight = kHalfYearGridRows * g.ch;
    g.imageWidth = g.gridWidth + 4;
    g.imageHeight = g.gridHeight + 4;
    g.controlX = (wa - g.gridWidth) / 2;
    g.controlY = 2 * rowHeight + (32 * rowHeight - g.gridHeight - 2) / 2;
    g.controlWidth = g.gridWidth + 8;
    g.controlHeight = g.gridHeight + 4;
    return g;
}

HalfYearGeometry HalfYearGeometryOfCells(int cw, int ch) {
    HalfYearGeometry g;
    g.cw = std::max(1, cw);
    g.ch = std::max(1, ch);
    g.gridWidth = kHalfYearGridColumns * g.cw;
    g.gridHeight = kHalfYearGridRows * g.ch;
    g.imageWidth = g.gridWidth + 4;
    g.imageHeight = g.gridHeight + 4;
    g.controlWidth = g.gridWidth + 8;
    g.controlHeight = g.gridHeight + 4;
    return g;
}

std::string HalfYearHolidayRange(int first, int last) {
    auto text = [](int code) -> std::string {
        if (code < 1) return "?";
        return std::to_string(code % 100) + "." + std::to_string(code / 100 % 100) + ".";
    };
    return text(first) + " - " + text(last);
}

void PaintHalfYearPlan(const Cairo::RefPtr<Cairo::ImageSurface>& surface, const HalfYearGeometry& geometry,
                       int monthNumber, int year, const CoreSources& sources, std::vector<PageText>* texts,
                       const OwnShiftPlan* ownPlan) {
    const auto cr = Cairo::Context::create(surface);
    // The whole image is white, also beyond the page.
    cr->set_source_rgb(1, 1, 1);
    cr->paint();
    PaintHalfYearPlan(cr, geometry, monthNumber, year, sources, texts, ownPlan);
    surface->mark_dirty();
}

void PaintHalfYearPlan(const Cairo::RefPtr<Cairo::Context>& cr, const HalfYearGeometry& geometry, int monthNumber,
                       int year, const CoreSources& sources, std::vector<PageText>* texts,
                       const OwnShiftPlan* ownPlan) {
    cr->save();
    PagePainter painter(cr, texts);
    Page page{painter, geometry, year, HalfYearFirstMonth(monthNumber), ownPlan};
    painter.Fill(0, 0, geometry.imageWidth, geometry.imageHeight, kWhite);
    PaintPicture(page);
    PaintHeader(page);
    PaintTitleAndLegend(page);
    PaintSchoolHolidays(page, sources.schoolHolidays ? *sources.schoolHolidays : SchoolHolidayCalendar::BuiltIn());

    VacationBlock block;
    const VacationBlock* vacation = nullptr;
    if (sources.vacationTables && !ownPlan) {
        block = ComputeVacationBlock(year, sources.vacationStartMonth, sources.vacationStartDay,
                                     *sources.vacationTables);
        vacation = &block;
    }
    for (int b = 0; b < 6; ++b) {
        const int month = page.firstMonth + b;
        const int length = MonthLength(year, month);
        for (int day = 1; day <= length; ++day) {
            PaintDay(page, b, MakeDayContext(DayNumberOf(year, month + 1, day)), vacation);
        }
    }
    PaintGrid(page);
    cr->restore();
}

}  // namespace sk
