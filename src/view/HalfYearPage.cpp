#include "view/HalfYearPage.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "calendar/SchoolHolidays.h"
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
constexpr const char* kWeekdayShort[7] = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
constexpr const char* kShiftLetters[4] = {"", "F", "S", "N"};
constexpr const char* kHalfYearSundayLegend = "Sonntags: Früh 6.00 - 18.00, Nacht 18.00 - 6.00 Uhr";

// Everything the parts of the page share.
struct Page {
    Canvas& canvas;
    std::vector<PageText>* texts;
    const HalfYearGeometry& g;
    int year;
    int firstMonth;  // 0 or 6
    const OwnShiftPlan* plan = nullptr;  // the own plan instead of the five-crew rhythm

    // The page's texts are FreeSans at pixel sizes that follow the cells.
    static PixelFont Font(int size, bool bold) { return PixelFont{kHalfYearFontFamily, size, bold}; }
    int Width(std::string_view text, int size, bool bold = false) {
        return canvas.SizeOfText(text, Font(size, bold)).width;
    }
    int Height(std::string_view text, int size, bool bold = false) {
        return canvas.SizeOfText(text, Font(size, bold)).height;
    }
    void Text(int x, int y, const std::string& text, int size, Rgb colour, bool bold = false) {
        canvas.Text(x, y, text, colour, Font(size, bold));
        if (texts) {
            const Canvas::TextSize extent = canvas.SizeOfText(text, Font(size, bold));
            texts->push_back(PageText{text, x, y, extent.width, extent.height, size, colour});
        }
    }
    // Centred horizontally in [left, left + width), vertically in [top, top + height).
    void TextInBox(int left, int top, int width, int height, const std::string& text, int size, Rgb colour) {
        const Canvas::TextSize extent = canvas.SizeOfText(text, Font(size, false));
        Text(left + (width - extent.width) / 2, top + (height - extent.height) / 2, text, size, colour);
    }

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
    return RoundHalfEven(p.g.y0 + bottomCells * p.g.ch - p.Height(sample, size, bold));
}

void PaintPicture(Page& p) {
    // Drawing the picture costs a fifth of the page; it never changes.
    static const Cairo::RefPtr<Cairo::ImageSurface> picture = PaperMillPicture();
    const int height = 4 * p.g.ch;
    const int width = RoundHalfEven(height * double(kPaperMillPictureWidth) / kPaperMillPictureHeight);
    p.canvas.Picture(picture, p.g.x0 + p.g.cw, p.Y(35.2), width, height);
}

void PaintHeader(Page& p) {
    const int monthSize = p.g.ch;
    const int captionSize = p.g.ch / 2;
    const int numberSize = RoundHalfEven(p.g.ch / 1.7);
    const int monthTop = TopForBottom(p, 1.5, "Ig", monthSize, true);
    const int captionTop = TopForBottom(p, 2.4, "Ig", captionSize);
    const int numberTop = TopForBottom(p, 3.4, "Tg", numberSize);
    for (int b = 0; b < 6; ++b) {
        const int bx = p.BlockX(b);
        p.Text(bx + p.g.cw / 2, monthTop, kMonthNames[p.firstMonth + b], monthSize, kBlack, true);
        const int crewLeft = bx + 3 * p.g.cw;
        p.Text(crewLeft + (5 * p.g.cw - p.Width("Schicht", captionSize)) / 2, captionTop, "Schicht", captionSize,
               kBlack);
        p.Text(bx + p.g.cw / 6, numberTop, "Tag", numberSize, kBlack);
        for (int j = 0; j < p.CrewCount(); ++j) {
            const std::string number = "0" + std::to_string(j + 1);
            const int left = p.CrewLeft(b, j);
            const int width = p.CrewLeft(b, j + 1) - left;
            p.Text(left + (width - p.Width(number, numberSize)) / 2, numberTop, number, numberSize, kBlack);
        }
    }
}

// Byte positions where a UTF-8 text may be cut: before each character.
std::vector<std::size_t> CharacterStarts(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 1; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    return starts;
}

std::string TrimmedBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    while (!text.empty() && text.front() == ' ') text.erase(0, 1);
    return text;
}

// The plan's name in the room left of the legend: as large as the title of
// the built-in page when it fits, else smaller, then on two lines broken at
// a blank, and at the smallest size cut with "…" when even that is too long.
void PaintPlanName(Page& p, const std::string& name, int left, int top, int right, int bottom) {
    const int width = right - left;
    const int maxSize = RoundHalfEven(p.g.ch * 1.3);
    const int minSize = std::max(1, p.g.ch / 2);
    auto fits = [&](const std::string& text, int size) { return p.Width(text, size, true) <= width; };
    for (int size = maxSize; size >= minSize; --size) {
        const int lineHeight = p.Height("Ig", size, true);
        if (lineHeight > bottom - top) continue;
        if (fits(name, size)) {
            p.Text(left, top, name, size, kBlack, true);
            return;
        }
        if (2 * lineHeight > bottom - top) continue;
        for (std::size_t blank = name.rfind(' '); blank != std::string::npos && blank > 0;
             blank = name.rfind(' ', blank - 1)) {
            const std::string first = TrimmedBlanks(name.substr(0, blank));
            const std::string second = TrimmedBlanks(name.substr(blank + 1));
            if (!fits(first, size)) continue;
            if (!fits(second, size)) break;
            p.Text(left, top, first, size, kBlack, true);
            p.Text(left, top + lineHeight, second, size, kBlack, true);
            return;
        }
    }
    // Two lines cut anywhere, the second ending in "…".
    const int size = minSize;
    const int lineHeight = p.Height("Ig", size, true);
    const std::vector<std::size_t> starts = CharacterStarts(name);
    std::size_t cut = 0;
    for (std::size_t at : starts) {
        if (!fits(name.substr(0, at), size)) break;
        cut = at;
    }
    std::string rest = name.substr(cut);
    if (!fits(rest, size)) {
        std::size_t keep = 0;
        for (std::size_t at : CharacterStarts(rest)) {
            if (!fits(rest.substr(0, at) + "…", size)) break;
            keep = at;
        }
        rest = rest.substr(0, keep) + "…";
    }
    p.Text(left, top, name.substr(0, cut), size, kBlack, true);
    p.Text(left, top + lineHeight, rest, size, kBlack, true);
}

// The own plan's title is its name; its legend lists its shift times and
// its crews by name.
void PaintOwnPlanTitleAndLegend(Page& p) {
    const OwnShiftPlan& plan = *p.plan;
    // Between the picture and "Erläuterungen:", above the year line.
    PaintPlanName(p, plan.name, p.X(4.5), p.Y(34.8), p.g.x0 + 15 * p.g.cw - p.g.cw / 2, p.Y(37));
    p.Text(p.X(4.5), p.Y(37), "Schichtplan " + std::to_string(p.year), RoundHalfEven(p.g.ch / 1.2), kBlack, true);

    const int size = RoundHalfEven(p.g.ch / 1.7);
    const int left = p.g.x0 + 15 * p.g.cw;
    p.Text(left, p.Y(34.8), "Erläuterungen:", size, kBlack, true);
    double row = 35.8;
    for (int k = 0; k < kShiftKindCount; ++k) {
        if (!plan.kindUsed[k]) continue;
        const int y = p.Y(row);
        p.Text(left, y, std::string(1, kShiftKindLetters[k]) + " = " + kShiftKindEventNames[k], size, kBlack);
        p.Text(p.X(21.9), y, ShiftTimesText(plan.kindTimes[k]), size, kBlack);
        row += 0.9;
    }

    const int labelSize = p.g.ch / 2;
    const int boxX = p.g.x0 + 27 * p.g.cw;
    const int boxW = RoundHalfEven(p.g.cw / 1.7);
    const int boxH = RoundHalfEven(p.g.ch / 1.7);
    for (int i = 0; i < plan.CrewCount(); ++i) {
        const int y = p.Y(34.8 + 0.7 * i);
        p.canvas.RectOutline(boxX, y, boxW, boxH, kBlack);
        p.canvas.FillRect(boxX + 1, y + 1, boxW - 2, boxH - 2, static_cast<Rgb>(plan.crews[i].colour));
        const std::string label = "0" + std::to_string(i + 1) + " " + plan.crews[i].name;
        p.Text(p.X(27.9), y + (boxH - p.Height(label, labelSize)) / 2, label, labelSize, kBlack);
    }
}

void PaintTitleAndLegend(Page& p) {
    if (p.plan) {
        PaintOwnPlanTitleAndLegend(p);
        return;
    }
    p.Text(p.X(4.5), p.Y(34.8), "Velmo Haldenau", RoundHalfEven(p.g.ch * 1.3), kBlack, true);
    p.Text(p.X(4.5), p.Y(37), "Schichtplan " + std::to_string(p.year), RoundHalfEven(p.g.ch / 1.2), kBlack, true);

    const int size = RoundHalfEven(p.g.ch / 1.7);
    const int left = p.g.x0 + 15 * p.g.cw;
    p.Text(left, p.Y(34.8), "Erläuterungen:", size, kBlack, true);
    p.Text(p.g.x0 + 26 * p.g.cw, p.Y(34.8), "Sollstunden:", size, kBlack, true);
    p.Text(left, p.Y(35.8), "U/US = Urlaub", size, kBlack);
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
        p.Text(left, y, l.name, size, kBlack);
        p.Text(equalsRight - p.Width("=", size), y, "=", size, kBlack);
        p.Text(fromRight - p.Width(l.from, size), y, l.from, size, kBlack);
        p.Text(toLeft, y, l.to, size, kBlack);
    }
    // Sundays have no late crew: two long shifts.
    p.Text(left, p.Y(39.3), kHalfYearSundayLegend, RoundHalfEven(p.g.ch / 2.0), kBlack);

    const int labelSize = p.g.ch / 2;
    const int boxX = p.g.x0 + 26 * p.g.cw;
    const int boxW = RoundHalfEven(p.g.cw / 1.7);
    const int boxH = RoundHalfEven(p.g.ch / 1.7);
    const double rows[5] = {35.8, 36.5, 37.2, 37.9, 38.6};
    for (int i = 0; i < 5; ++i) {
        const int y = p.Y(rows[i]);
        p.canvas.RectOutline(boxX, y, boxW, boxH, kBlack);
        p.canvas.FillRect(boxX + 1, y + 1, boxW - 2, boxH - 2, kLegendColours[i]);
        const std::string label = "Schicht       0" + std::to_string(i + 1);
        p.Text(p.X(26.9), y + (boxH - p.Height(label, labelSize)) / 2, label, labelSize, kBlack);
    }
}

std::string RangeOfEntry(const std::optional<SchoolHolidayBlock>& block, int slot) {
    if (!block) return HalfYearHolidayRange(0, 0);
    const HolidayDates& d = (*block)[static_cast<std::size_t>(slot)];
    return HalfYearHolidayRange(d.first, d.last);
}

std::string TwoDigitYear(int year) {
    const int yy = ((year % 100) + 100) % 100;
    return (yy < 10 ? "0" : "") + std::to_string(yy);
}

void PaintSchoolHolidays(Page& p, CalendarData& data) {
    p.canvas.RectOutline(RoundHalfEven(p.g.x0 + p.g.gridWidth - 14.5 * p.g.cw), p.Y(34.9), RoundHalfEven(14.1 * p.g.cw),
                         RoundHalfEven(4.7 * p.g.ch), kBlack);
    const int size = p.g.ch / 2;
    const int headingTop = p.g.y0 + RoundHalfEven(0.88 * p.g.gridHeight);
    p.Text(p.g.x0 + 34 * p.g.cw, headingTop, data.SchoolHolidayHeading(), size, kBlack, true);

    const std::optional<SchoolHolidayBlock> block = data.SchoolHolidaysOfYear(p.year);
    const std::optional<SchoolHolidayBlock> previous = data.SchoolHolidaysOfYear(p.year - 1);
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
        for (const Entry& e : entries) nameWidth = std::max(nameWidth, p.Width(e.first, size));
        const int dateX = x + nameWidth + p.g.cw / 2;
        for (size_t i = 0; i < entries.size(); ++i) {
            const int y = RoundHalfEven(headingTop + (0.9 + 0.85 * i) * p.g.ch);
            p.Text(x, y, entries[i].first, size, kBlack);
            p.Text(dateX, y, entries[i].second, size, kBlack);
        }
    };
    column(left, p.g.x0 + 34 * p.g.cw);
    column(right, p.g.x0 + 41 * p.g.cw);
}

void PaintFiveCrewDay(Page& p, int block, const DayContext& ctx, const ShiftRow& row, int top, int size);
void PaintOwnPlanDay(Page& p, int block, const DayContext& ctx, const ShiftRow& row, int top, int size);

void PaintDay(Page& p, int block, const DayContext& ctx, const DayFacts& facts, const ShiftRow& row) {
    const int cw = p.g.cw, ch = p.g.ch;
    const int size = RoundHalfEven(ch / 1.6);
    const int bx = p.BlockX(block);
    const int top = p.RowTop(ctx.day);
    const int weekday = WeekdayIndex(ctx.dayNumber);
    const bool sunday = weekday == 0;

    const Rgb dayColour = sunday || facts.publicHoliday ? kRed : kBlack;
    const std::string number = std::to_string(ctx.day);
    const std::string dayText = number + " " + kWeekdayShort[weekday];
    const int textTop = top + (ch - p.Height(dayText, size)) / 2;
    // The number stands where a two-digit number centred in cell 0 would end.
    const int dayX = bx + cw - p.Width(number, size) - (cw - p.Width("00", size)) / 2;
    p.Text(dayX, textTop, dayText, size, dayColour);
    if (weekday == 1 || (ctx.day == 1 && ctx.month == 0)) {
        p.TextInBox(bx + 2 * cw, top, cw, ch, std::to_string(WeekNumber(ctx)), size, kBlack);
    }

    if (p.plan) {
        PaintOwnPlanDay(p, block, ctx, row, top, size);
    } else {
        PaintFiveCrewDay(p, block, ctx, row, top, size);
    }
    if (weekday == 1 && ctx.day >= 2) p.canvas.HorizontalLine(bx, bx + 8 * cw, top - 1, kBlack);
}

void PaintFiveCrewDay(Page& p, int block, const DayContext& ctx, const ShiftRow& row, int top, int size) {
    const int cw = p.g.cw, ch = p.g.ch;
    const int bx = p.BlockX(block);
    const bool sunday = WeekdayIndex(ctx.dayNumber) == 0;
    for (int j = 0; j < 5; ++j) {
        const int code = row.codes[j];
        const Rgb colour = row.colours[j];
        const int cellX = bx + (3 + j) * cw;
        if (code >= 1 && code <= 3) {
            const std::string letter = std::string(sunday ? "S" : "") + kShiftLetters[code];
            if (row.highHoliday[code]) {
                p.canvas.FillDisc(bx + RoundHalfEven(3.5 * cw) + j * cw + 1, top + ch / 2, RoundHalfEven(ch / 2.3),
                                  colour);
                if (sunday && ctx.month == 11 && (ctx.day == 24 || ctx.day == 31)) {
                    p.canvas.FillRect(cellX + 1, top + 1, (cw - 1) / 2, ch - 1, colour);
                }
            } else {
                p.canvas.FillRect(cellX + 1, top + 1, cw - 1, ch - 1, colour);
            }
            p.TextInBox(cellX, top, cw, ch, letter, size, j < 2 ? kLightLetter : kBlack);
        } else if (code == kShiftStandby && row.inVacationWindow) {
            p.TextInBox(cellX, top, cw, ch, sunday ? "US" : "U", size, j == 2 ? kBlack : colour);
        } else if (code == kShiftStandby) {
            const int w = RoundHalfEven(0.7 * cw - 1);
            const int h = RoundHalfEven(0.7 * ch - 1);
            p.canvas.FillRect(cellX + 1 + (cw - 1 - w) / 2, top + 1 + (ch - 1 - h) / 2, w, h, colour);
        }
    }
}

// The own plan: each working crew's cell in its colour with the shift's
// letter, a circle on the holidays the built-in plans mark so; crews off
// stay white.
void PaintOwnPlanDay(Page& p, int block, const DayContext& ctx, const ShiftRow& row, int top, int size) {
    const int ch = p.g.ch;
    const bool sunday = WeekdayIndex(ctx.dayNumber) == 0;
    for (int j = 0; j < p.CrewCount(); ++j) {
        const int kind = KindOfShiftCode(row.ownPlanDay.Code(j));
        if (kind < 0) continue;
        const Rgb colour = static_cast<Rgb>(p.plan->crews[j].colour);
        const int cellX = p.CrewLeft(block, j);
        const int width = p.CrewLeft(block, j + 1) - cellX;
        const int level = kind == static_cast<int>(ShiftKind::kDay) ? 1 : kind + 1;
        if (row.highHoliday[level]) {
            p.canvas.FillDisc(cellX + width / 2 + 1, top + ch / 2, std::min(RoundHalfEven(ch / 2.3), width / 2),
                              colour);
        } else {
            p.canvas.FillRect(cellX + 1, top + 1, width - 1, ch - 1, colour);
        }
        const bool dark = RedOf(colour) * 3 + GreenOf(colour) * 6 + BlueOf(colour) < 128 * 10;
        const std::string letter = std::string(sunday ? "S" : "") + kShiftKindLetters[kind];
        p.TextInBox(cellX, top, width, ch, letter, size, dark ? kLightLetter : kBlack);
    }
}

void PaintGrid(Page& p) {
    const HalfYearGeometry& g = p.g;
    p.canvas.RectOutline(g.x0, g.y0, g.gridWidth + 1, g.gridHeight + 1, kBlack);
    p.canvas.RectOutline(g.x0 - 1, g.y0 - 1, g.gridWidth + 3, g.gridHeight + 3, kBlack);
    const int tableTop = p.RowTop(0) - g.ch;
    const int tableBottom = p.RowTop(32);
    const int right = g.x0 + g.gridWidth;
    p.canvas.HorizontalLine(g.x0, right, tableTop, kBlack);
    for (int row = 0; row <= 32; ++row) p.canvas.HorizontalLine(g.x0, right, p.RowTop(row), kBlack);
    for (int b = 0; b < 6; ++b) {
        const int bx = p.BlockX(b);
        if (b > 0) p.canvas.VerticalLine(bx, tableTop, tableBottom, kBlack);
        // The caption "Schicht" spans the crew cells.
        p.canvas.VerticalLine(bx + 3 * g.cw, tableTop, tableBottom, kBlack);
        for (int j = 1; j < p.CrewCount(); ++j)
            p.canvas.VerticalLine(p.CrewLeft(b, j), p.RowTop(0), tableBottom, kBlack);
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

void PaintHalfYearPlan(Canvas& canvas, const HalfYearGeometry& geometry, int monthNumber, int year,
                       CalendarData& data, std::vector<PageText>* texts, const OwnShiftPlan* ownPlan) {
    Page page{canvas, texts, geometry, year, HalfYearFirstMonth(monthNumber), ownPlan};
    // An image is white all over, also beyond the page.
    const int width = canvas.IsVector() ? geometry.imageWidth : std::max(geometry.imageWidth, canvas.Width());
    const int height = canvas.IsVector() ? geometry.imageHeight : std::max(geometry.imageHeight, canvas.Height());
    canvas.FillRect(0, 0, width, height, kWhite);
    PaintPicture(page);
    PaintHeader(page);
    PaintTitleAndLegend(page);
    PaintSchoolHolidays(page, data);

    const int type = ownPlan ? kOwnPlanCalendarType : kHalfYearViewType;
    PaintOptions options;  // the page asks for holidays and shifts alone
    options.showSchoolHolidays = false;
    options.showWeekNumbers = false;
    options.calendarType = type;
    for (int b = 0; b < 6; ++b) {
        const int month = page.firstMonth + b;
        DayContext ctx = MakeDayContext(DayNumberOf(year, month + 1, 1));
        // The year's vacation block is settled with its first month.
        data.BeginColumn(ctx, b == 0);
        const int length = ctx.CurrentMonthLength();
        for (int day = 1; day <= length; ++day) {
            if (day > 1) SetDayContext(ctx, ctx.dayNumber + 1);
            PaintDay(page, b, ctx, data.FactsOfDay(ctx, options), data.ShiftsOfDay(ctx, type));
        }
    }
    PaintGrid(page);
}

}  // namespace sk
