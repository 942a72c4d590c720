#pragma once
// The half-year plan page of calendar type 5: the five-crew rhythm of half a
// year laid out like the printed shift plan of the mills, on a white page of
// 48 x 40 cells with title block, legend, school holidays and a picture.

#include <cairomm/cairomm.h>

#include <string>
#include <vector>

#include "calendar/ViewState.h"
#include "view/CalendarData.h"
#include "view/Canvas.h"

namespace sk {

inline constexpr int kHalfYearGridColumns = 48;
inline constexpr int kHalfYearGridRows = 40;
inline constexpr double kHalfYearPageAspect = 1.44;
// The page's texts are in this family at pixel sizes that follow its cells.
inline constexpr const char* kHalfYearFontFamily = "FreeSans";

// Where the page sits in the main window and how large its cells are.
struct HalfYearGeometry {
    int cw = 0, ch = 0;                   // cell width and height
    int gridWidth = 0, gridHeight = 0;    // 48 cw, 40 ch
    int x0 = 2, y0 = 2;                   // grid origin inside the image
    int imageWidth = 0, imageHeight = 0;  // the calendar image: grid + 4 pixels
    int controlX = 0, controlY = 0;       // image control in the main window
    int controlWidth = 0, controlHeight = 0;
};

// The page for a window of innerWidth pixels and the program font's row height.
HalfYearGeometry HalfYearGeometryOf(int innerWidth, int rowHeight);

// First month index (0 or 6) of the half year that shows month 1-12.
inline int HalfYearFirstMonth(int monthNumber) { return monthNumber < 7 ? 0 : 6; }

// One text as painted, for whoever wants to know what the page says where.
struct PageText {
    std::string text;
    int x = 0, y = 0;           // top left
    int width = 0, height = 0;  // logical extents
    int pixelSize = 0;
    Rgb colour = 0;
};

// Paints the half year of `monthNumber` (1-12) of `year` on the canvas,
// whose area from (0, 0) to (imageWidth, imageHeight) is the page; an image
// canvas is white also beyond it. Holidays, school holidays and shifts are
// asked of `data`: the five-crew rhythm with its vacation block, or the own
// plan when `ownPlan` is given (its crews in the crew cells, its name as the
// title, its shift times in the legend); `data` must answer for that plan.
// When `texts` is given, every painted text is appended to it.
void PaintHalfYearPlan(Canvas& canvas, const HalfYearGeometry& geometry, int monthNumber, int year,
                       CalendarData& data, std::vector<PageText>* texts = nullptr,
                       const OwnShiftPlan* ownPlan = nullptr);

// A page of cells cw x ch, for paper: no window around it.
HalfYearGeometry HalfYearGeometryOfCells(int cw, int ch);

// "27.12. - 5.1." for a pair of DateCodes (yyyymmdd); "?" stands for an
// empty entry.
std::string HalfYearHolidayRange(int first, int last);

}  // namespace sk
