#pragma once
// Paints the month columns of the calendar image and the cursor.

#include <optional>
#include <string>
#include <utility>

#include "calendar/CalendarGrid.h"
#include "calendar/Date.h"
#include "calendar/ViewState.h"
#include "view/CalendarData.h"
#include "view/Canvas.h"

namespace sk {

namespace colours {
inline constexpr Rgb kBlack = PackRgb(0, 0, 0);
inline constexpr Rgb kHolidayRed = PackRgb(255, 0, 0);
inline constexpr Rgb kSchoolHolidayStripe = PackRgb(219, 214, 181);
inline constexpr Rgb kDayNote = PackRgb(199, 194, 201);
inline constexpr Rgb kPeriodicNote = PackRgb(219, 214, 181);
inline constexpr Rgb kYearlyNote = PackRgb(239, 194, 161);
inline constexpr Rgb kWeekdayNote = PackRgb(179, 214, 141);
inline constexpr Rgb kMoonDisc = PackRgb(250, 250, 0);
inline constexpr Rgb kMoonOutline = PackRgb(128, 128, 128);
inline constexpr Rgb kSolarEclipse = PackRgb(136, 136, 136);
inline constexpr Rgb kLunarEclipse = PackRgb(187, 136, 136);
inline constexpr Rgb kWeekNumber = PackRgb(112, 104, 54);
}  // namespace colours

// A calendar mark over a school-holiday stripe is darkened: each channel
// by 20, stopping at 0.
Rgb DarkenedMarkColour(Rgb mark);

// Paints the calendar image of the grid: background, every month column
// and the cursor frame around the selected day. The painter only paints:
// the cursor and the grid are the caller's, settled before.
void PaintCalendar(Canvas& canvas, const ViewState& view, const CalendarGrid& grid, CalendarData& data,
                   const PaintOptions& options);

// Paints a window's calendar image again and again. When only the first
// month or the cursor moved since its last paint of the same image, the
// strips of the months still shown are moved to their new columns and only
// the rest is painted, giving the very pixels PaintCalendar gives. A paint
// that cannot be shown to give them (another image, font, unit, background,
// column count or options; drawing that reaches out of its column's strip;
// a move as wide as the image) is whole.
class CalendarRepainter {
public:
    // `onlyViewMoved`: nothing but the first month and the cursor changed
    // since the last Paint (no data, no settings); the caller's promise, as
    // only the caller knows what happened in between.
    void Paint(Canvas& canvas, const ViewState& view, const CalendarGrid& grid, CalendarData& data,
               const PaintOptions& options, bool onlyViewMoved);
    // Something else was painted into the image: the next paint is whole.
    void Forget() { last_.reset(); }
    // Month columns the last Paint painted.
    int ColumnsPaintedLast() const { return columnsPainted_; }

private:
    // What the image shows.
    struct Shown {
        Cairo::RefPtr<Cairo::ImageSurface> image;  // held, so no other image can take its address
        std::string font;
        int unitWidth = 0;
        int rowHeight = 0;
        Rgb background = 0;
        int columns = 0;
        PaintOptions options;
        int firstMonth = 0;                        // year * 12 + month
        std::optional<std::pair<int, int>> frame;  // cursor column and day
        bool inStrips = false;                     // every column kept to its strip
        bool SameBut(const Shown& other) const;    // equal apart from month and frame
    };
    static Shown ShownBy(const Canvas& canvas, const ViewState& view, const CalendarGrid& grid,
                         const PaintOptions& options);
    void PaintWhole(Canvas& canvas, const ViewState& view, const CalendarGrid& grid, CalendarData& data,
                    const PaintOptions& options, Shown& now);
    bool PaintChanged(Canvas& canvas, const ViewState& view, const CalendarGrid& grid, CalendarData& data,
                      const PaintOptions& options, Shown& now);

    std::optional<Shown> last_;
    int columnsPainted_ = 0;
};

}  // namespace sk
