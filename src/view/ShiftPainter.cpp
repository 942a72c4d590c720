#include "view/ShiftPainter.h"

#include <string>

#include "marks/ShiftMarkCodes.h"
#include "view/Layout.h"

namespace sk {

namespace {

constexpr Rgb kBlack = PackRgb(0, 0, 0);
constexpr Rgb kWhite = PackRgb(255, 255, 255);
constexpr Rgb kPureBlue = PackRgb(0, 0, 255);
constexpr Rgb kPureRed = PackRgb(255, 0, 0);
constexpr Rgb kFourCrewGrey = PackRgb(31, 31, 31);

Rgb CrewTextColour(Rgb crewColour) {
    return (crewColour == kPureBlue || crewColour == kPureRed) ? kWhite : kBlack;
}

struct RowPainter {
    Canvas& canvas;
    const ViewState& view;
    const PaintOptions& options;
    const ShiftRow& row;
    int a;
    int y;
    int u = view.unitWidth;
    int r = view.rowHeight;

    int CircleRadius() const { return (u + r) / 4; }

    void Box(int x, int w, Rgb colour) { canvas.FillRect(x, y, w, r, colour); }

    void Circle(int cx, Rgb colour) { canvas.FillCircle(cx, y + r / 2, CircleRadius(), colour); }

    void StandbyMarker(Rgb colour) {
        const int w0 = RoundHalfAway(1.2 * u);
        const int h0 = RoundHalfAway(0.6 * r);
        canvas.FillRect(a, y + RoundHalfAway((r - h0) / 2.0), w0, h0, colour);
    }

    // Letter centred in the 2u wide sub-column starting at `left`.
    void Letter(int left, const std::string& text, Rgb colour) { canvas.TextCentred(left, 2 * u, y, text, colour); }

    std::string MarkText() const { return std::string(ShiftMarkLetter(options.calendarType, row.markCode)); }
};

void PaintFiveCrew(RowPainter& p, const DayContext& ctx) {
    const ShiftRow& row = p.row;
    const int u = p.u;
    const int a = p.a;
    const bool sunday = WeekdayIndex(ctx.dayNumber) == 0;
    const bool widen = sunday && !row.highHoliday[2];
    const int w = widen ? 3 * u : 2 * u;
    const int b = widen ? a - u : a;
    const int k = row.markColumn;
    const std::string mark = k != 0 ? p.MarkText() : std::string();
    const Rgb bg = p.view.backgroundColour;

    auto highHolidayMark = [&](int px, Rgb col) {
        if (!(sunday && row.highHoliday[1])) return;
        const int cy = p.y + p.r / 2;
        if (p.canvas.PixelAt(px, cy) != bg) {
            // Bounded by the row's shift area so the fill cannot run into
            // the boxes of the neighbouring rows.
            p.canvas.FloodFill(px, cy, bg, col, a - u, p.y, 10 * u, p.r);
        } else {
            p.canvas.FillCircle(b + 5 * u, cy, p.CircleRadius(), col);
            p.canvas.VerticalLine(b + 5 * u, p.y, p.y + p.r, bg);
        }
    };

    for (int i = 0; i < 5; ++i) {
        const int c = row.codes[i];
        const Rgb col = row.colours[i];
        const Rgb text = CrewTextColour(col);
        if (!row.onRhythm && i == 0) {
            if (!p.options.vacationBlockShown) continue;
            if (c >= 1 && c <= 3) {
                p.Box(a, 2 * u, col);
                p.Letter(a, std::to_string(c), text);
            } else if (c == 0) {
                p.StandbyMarker(col);
            }
            if (k == 1) {
                p.Box(a, 2 * u, col);
                p.Letter(a, mark, text);
            }
            continue;
        }
        switch (c) {
            case 1:
                if (row.highHoliday[1]) p.Circle(a + 3 * u, col);
                else p.Box(a + 2 * u, w, col);
                if (k == 2) p.Letter(a + 2 * u, mark, text);
                highHolidayMark(b + 5 * u - 2, col);
                break;
            case 2:
                if (row.highHoliday[2]) p.Circle(b + 5 * u, col);
                else p.Box(b + 4 * u, w, col);
                if (k == 3) p.Letter(a + 4 * u, mark, text);
                break;
            case 3:
                if (row.highHoliday[3]) p.Circle(b + 7 * u, col);
                else p.Box(b + 6 * u, w, col);
                if (k == 4) p.Letter(a + 6 * u, mark, text);
                highHolidayMark(b + 5 * u + 2, col);
                break;
            case 0:
                if (!row.onRhythm) break;
                if (row.inVacationWindow) {
                    if (p.options.vacationBlockShown) {
                        p.Box(a, 2 * u, col);
                        p.Letter(a, "U", text);
                    }
                } else {
                    p.StandbyMarker(col);
                }
                if (k == 1) {
                    p.Box(a, 2 * u, col);
                    p.Letter(a, mark, text);
                }
                break;
            case 5:
                if (k == 1 && row.inVacationWindow) p.Letter(a, mark, kBlack);
                break;
            default:
                break;
        }
    }
}

void PaintTwoShift(RowPainter& p) {
    const ShiftRow& row = p.row;
    const int u = p.u;
    const int a = p.a;
    const int k = row.markColumn;
    const std::string mark = k != 0 ? p.MarkText() : std::string();
    for (int i = 0; i < 3; ++i) {
        const Rgb col = row.colours[i];
        const Rgb text = CrewTextColour(col);
        switch (row.codes[i]) {
            case 1:
                if (row.highHoliday[1]) p.Circle(a + 3 * u, col);
                else p.Box(a + 2 * u, 2 * u, col);
                if (k == 2) p.Letter(a + 2 * u, mark, text);
                break;
            case 2:
                if (row.highHoliday[2]) p.Circle(a + 5 * u, col);
                else p.Box(a + 4 * u, 2 * u, col);
                if (k == 3) p.Letter(a + 4 * u, mark, text);
                break;
            case 0:
                p.StandbyMarker(col);
                if (k == 1) {
                    p.Box(a, 2 * u, col);
                    p.Letter(a, mark, text);
                }
                break;
            default:
                break;
        }
    }
}

void PaintFourCrew(RowPainter& p, const DayContext& ctx) {
    const ShiftRow& row = p.row;
    const int u = p.u;
    const bool type6 = p.options.calendarType == 6;
    for (int crew = 0; crew < 4; ++crew) {
        const int s = row.fourCrewCodes[crew];
        const int j = 2 * crew + 1;
        std::string text;
        Rgb colour = kBlack;
        if (type6) {
            if (s >= 1 && s <= 3) text = std::to_string(s);
            else if (s == 4) { text = "f"; colour = kPureBlue; }
        } else {
            switch (s) {
                case 1: text = "F"; colour = kFourCrewGrey; break;
                case 2: text = "S"; colour = kFourCrewGrey; break;
                case 3: text = "N"; colour = kBlack; break;
                case 4: text = " "; colour = kFourCrewGrey; break;
                default: break;
            }
        }
        if (row.markColumn == crew + 1) {
            text = p.MarkText();
            colour = kPureRed;
        }
        if (!text.empty()) p.canvas.Text(p.a + (2 * j * u - p.canvas.TextWidth(text)) / 2, p.y, text, colour);
    }
    if (WeekdayIndex(ctx.dayNumber) == 0) {
        p.canvas.HorizontalLine(p.a - 8 * u, p.a + 8 * u, p.y + p.r - 1, kBlack);
    }
}

// One sub-column per shift kind the plan uses, at the place the built-in
// plans give that shift (the day shift in the standby column); each in the
// colour of the crew on it, as a circle on the holidays the built-in plans
// mark so. Crews off are not shown.
void PaintOwnPlan(RowPainter& p) {
    const ShiftRow& row = p.row;
    const int u = p.u;
    const std::string mark = row.markColumn != 0 ? p.MarkText() : std::string();
    for (int i = 0; i < row.ownPlan.columnCount; ++i) {
        const OwnPlanCell& cell = row.ownPlan.cells[static_cast<std::size_t>(i)];
        const int left = p.a + 2 * u * (cell.markColumn - 1);
        const Rgb col = static_cast<Rgb>(cell.colour);
        const int level = cell.kind == ShiftKind::kDay ? 1 : cell.markColumn - 1;
        if (cell.crew >= 0) {
            if (row.highHoliday[static_cast<std::size_t>(level)]) p.Circle(left + u, col);
            else p.Box(left, 2 * u, col);
        }
        if (row.markColumn == cell.markColumn) p.Letter(left, mark, cell.crew >= 0 ? CrewTextColour(col) : kBlack);
    }
}

}  // namespace

void PaintShiftArea(Canvas& canvas, const ViewState& view, const PaintOptions& options, const DayContext& ctx,
                    const ShiftRow& row, int a, int y) {
    RowPainter p{canvas, view, options, row, a, y};
    switch (options.calendarType) {
        case 0: case 1: case 3: case 4: PaintFiveCrew(p, ctx); break;
        case 2: PaintTwoShift(p); break;
        case 6: case 7: PaintFourCrew(p, ctx); break;
        case kOwnPlanCalendarType: PaintOwnPlan(p); break;
        default: break;  // the half-year page is painted as a whole
    }
}

}  // namespace sk
