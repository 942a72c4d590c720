// Painting texts from stamps must give the very pixels of painting them
// with pango directly: whole calendars and single texts are painted both
// ways and compared byte for byte.

#include <gtest/gtest.h>

#include <cstring>

#include "calendar/Date.h"
#include "view/CalendarPainter.h"
#include "view/Layout.h"
#include "view/TextStamps.h"
#include "SpreadDayData.h"

namespace sk {
namespace {

const std::string kFont = FontDescriptionText({"", 10, 0}, "DejaVu Sans");

struct Calendar {
    ViewState view;
    int calendarType;
    Cairo::RefPtr<Cairo::ImageSurface> surface;

    Calendar(int year, int month, int calendarType_, Rgb background) : calendarType(calendarType_) {
        const FontMetrics m = MeasureFont(kFont);
        view.unitWidth = m.unitWidth;
        view.rowHeight = m.rowHeight;
        view.firstYear = year;
        view.firstMonth = month;
        view.cursorDay = 15;
        view.cursorColumn = 3;
        view.backgroundColour = background;
        const CalendarGrid grid = MakeCalendarGrid(view, kMostColumnsIndex);
        surface = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, grid.ImageWidth(), grid.ImageHeight());
    }
    void Paint(Canvas& canvas) {
        SpreadDayData data;
        PaintOptions options{true, true, true, true};
        options.calendarType = calendarType;
        PaintCalendar(canvas, view, MakeCalendarGrid(view, kMostColumnsIndex), data, options);
    }
};

// Index of the first differing pixel, or -1.
long FirstDifference(const Cairo::RefPtr<Cairo::ImageSurface>& a, const Cairo::RefPtr<Cairo::ImageSurface>& b) {
    a->flush();
    b->flush();
    if (a->get_width() != b->get_width() || a->get_height() != b->get_height()) return 0;
    const int w = a->get_width();
    for (int y = 0; y < a->get_height(); ++y) {
        const auto* ra = reinterpret_cast<const std::uint32_t*>(a->get_data() + static_cast<long>(y) * a->get_stride());
        const auto* rb = reinterpret_cast<const std::uint32_t*>(b->get_data() + static_cast<long>(y) * b->get_stride());
        for (int x = 0; x < w; ++x) {
            // RGB24 leaves the top byte unused: only the colour counts.
            if ((ra[x] ^ rb[x]) & 0xFFFFFF) return static_cast<long>(y) * w + x;
        }
    }
    return -1;
}

TEST(TextStamps, CalendarsAreThePixelsOfDirectText) {
    struct Case {
        int year;
        int month;
        int calendarType;
        Rgb background;
    };
    const Case cases[] = {
        {1985, 0, 0, kDefaultBackground},
        {2020, 0, 0, kDefaultBackground},
        {2020, 0, 3, PackRgb(255, 255, 255)},
        {1985, 0, 1, kDefaultBackground},
        {2019, 5, 2, PackRgb(40, 40, 60)},
        {2020, 0, 6, kDefaultBackground},
        {1985, 0, 7, kDefaultBackground},
    };
    // One set of stamps for all calendars, as the program keeps it.
    TextStamps stamps(kFont);
    for (const Case& c : cases) {
        Calendar direct(c.year, c.month, c.calendarType, c.background);
        Canvas directCanvas(direct.surface, kFont);
        direct.Paint(directCanvas);

        Calendar stamped(c.year, c.month, c.calendarType, c.background);
        for (int pass = 0; pass < 2; ++pass) {  // fresh and reused stamps
            Canvas stampCanvas(stamped.surface, stamps);
            stamped.Paint(stampCanvas);
            const long at = FirstDifference(direct.surface, stamped.surface);
            EXPECT_EQ(at, -1) << c.year << "/" << c.month << " type " << c.calendarType << " pass " << pass
                              << " pixel " << at % direct.surface->get_width() << ","
                              << at / direct.surface->get_width();
        }
    }
    EXPECT_GT(stamps.Size(), 60u);
}

// The other targets of the one drawing seam: a vector canvas (as for PDF
// and print, its flood fills answered by its shadow) drawn onto an image
// gives the raster canvas's pixels; stamps at scale 2 give pango's own
// pixels at scale 2, as on a HiDPI screen.
TEST(Canvas, VectorAndScaledCanvasesPaintTheSamePixels) {
    for (const int type : {0, 1, 2}) {
        for (const int year : {1985, 2020}) {
            Calendar raster(year, 0, type, kDefaultBackground);
            Canvas rasterCanvas(raster.surface, kFont);
            raster.Paint(rasterCanvas);

            Calendar vector(year, 0, type, kDefaultBackground);
            auto cr = Cairo::Context::create(vector.surface);
            cr->set_antialias(Cairo::ANTIALIAS_NONE);
            Canvas vectorCanvas(cr, vector.surface->get_width(), vector.surface->get_height(), kFont);
            vector.Paint(vectorCanvas);
            const long at = FirstDifference(raster.surface, vector.surface);
            EXPECT_EQ(at, -1) << year << " type " << type << " pixel " << at % raster.surface->get_width() << ","
                              << at / raster.surface->get_width();

            const int w = raster.surface->get_width() * 2, h = raster.surface->get_height() * 2;
            auto direct2 = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, w, h);
            auto stamped2 = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, w, h);
            cairo_surface_set_device_scale(direct2->cobj(), 2, 2);
            cairo_surface_set_device_scale(stamped2->cobj(), 2, 2);
            TextStamps stamps2(kFont, 2);
            Canvas directCanvas2(direct2, kFont);
            Canvas stampCanvas2(stamped2, stamps2);
            EXPECT_EQ(directCanvas2.Width(), raster.surface->get_width());
            raster.Paint(directCanvas2);
            raster.Paint(stampCanvas2);
            EXPECT_EQ(FirstDifference(direct2, stamped2), -1) << year << " type " << type << " at scale 2";
        }
    }
}

// Boxes are written into an image's pixels by hand: they must be the boxes
// the library fills on any target, also where they reach past the edges.
TEST(Canvas, BoxesOnAnImageAreTheLibrarysBoxes) {
    struct Box {
        int x, y, w, h;
    };
    const Box boxes[] = {{3, 4, 20, 9}, {-5, -2, 12, 8}, {50, 30, 30, 30}, {-10, 10, 200, 1}, {60, -9, 1, 80},
                         {70, 35, 0, 5}, {100, 0, 5, 5}};
    for (const int scale : {1, 2}) {
        auto raster = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, 80 * scale, 40 * scale);
        auto vector = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, 80 * scale, 40 * scale);
        cairo_surface_set_device_scale(raster->cobj(), scale, scale);
        cairo_surface_set_device_scale(vector->cobj(), scale, scale);
        Canvas rasterCanvas(raster, kFont);
        auto cr = Cairo::Context::create(vector);
        cr->set_antialias(Cairo::ANTIALIAS_NONE);
        Canvas vectorCanvas(cr, 80, 40, kFont);
        for (Canvas* canvas : {&rasterCanvas, &vectorCanvas}) {
            int i = 0;
            for (const Box& b : boxes) {
                canvas->FillRect(b.x, b.y, b.w, b.h, PackRgb(40 * i, 255 - 30 * i, 7 * (i + 1)));
                ++i;
            }
        }
        EXPECT_EQ(FirstDifference(raster, vector), -1) << "scale " << scale;
    }
}

// Circles on an image with stamps are masked from circles rasterised once:
// they must be the circles the library draws, at any radius the stamps keep
// or not, anywhere, also cut at the edges, over what lies beneath.
TEST(Canvas, CirclesFromStampsAreTheLibrarysCircles) {
    using Draw = void (Canvas::*)(int, int, int, Rgb);
    const Draw kinds[] = {&Canvas::FillCircle, &Canvas::CircleOutline, &Canvas::FillDisc};
    const int radii[] = {0, 1, 2, 3, 5, 6, 9, 14, 70};
    const std::pair<int, int> centres[] = {{20, 20}, {57, 13}, {0, 0}, {-3, 38}, {79, 1}, {78, 39}, {40, 44}};
    for (const int scale : {1, 2}) {
        TextStamps stamps(kFont, scale);
        auto raster = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, 80 * scale, 40 * scale);
        auto vector = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, 80 * scale, 40 * scale);
        cairo_surface_set_device_scale(raster->cobj(), scale, scale);
        cairo_surface_set_device_scale(vector->cobj(), scale, scale);
        for (int round = 0; round < 2; ++round) {  // fresh and kept circles
            Canvas rasterCanvas(raster, stamps);
            auto cr = Cairo::Context::create(vector);
            cr->set_antialias(Cairo::ANTIALIAS_NONE);
            Canvas vectorCanvas(cr, 80, 40, kFont, Canvas::PixelReads::kNone);
            for (const Draw kind : kinds) {
                for (const int radius : radii) {
                    for (Canvas* canvas : {&rasterCanvas, &vectorCanvas}) {
                        canvas->FillRect(0, 0, 80, 40, PackRgb(219, 214, 181));
                        int i = 0;
                        for (const auto& [x, y] : centres) {
                            (canvas->*kind)(x, y, radius, PackRgb(30 * i, 200, 9 * i));
                            ++i;
                        }
                    }
                    EXPECT_EQ(FirstDifference(raster, vector), -1) << "scale " << scale << " radius " << radius;
                }
            }
        }
    }
}

TEST(TextStamps, SingleTextsMatchDirectTextAndWidth) {
    struct Case {
        const char* text;
        int x;
        int y;
        Rgb colour;
    };
    const Case cases[] = {
        {"17", 10, 5, PackRgb(0, 0, 0)},
        {"Mi", 0, 0, PackRgb(255, 0, 0)},
        {"März 2024", 30, 12, PackRgb(112, 104, 54)},
        {"Fj", -4, -3, PackRgb(0, 0, 255)},     // cut at the top left
        {"WWWWWW", 70, 30, PackRgb(20, 200, 20)},  // cut at the bottom right
        {"Ωß→", 20, 20, PackRgb(0, 0, 0)},         // characters from other fonts may join in
        {" ", 5, 5, PackRgb(0, 0, 0)},
        {"", 5, 5, PackRgb(0, 0, 0)},
    };
    TextStamps stamps(kFont);
    for (const Case& c : cases) {
        auto a = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, 100, 40);
        auto b = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, 100, 40);
        Canvas direct(a, kFont);
        Canvas stamped(b, stamps);
        for (Canvas* canvas : {&direct, &stamped}) {
            canvas->FillRect(0, 0, 100, 40, PackRgb(219, 214, 181));
            canvas->FillRect(0, 20, 100, 20, PackRgb(10, 100, 200));
            canvas->Text(c.x, c.y, c.text, c.colour);
            canvas->Text(c.x + 3, c.y + 9, c.text, PackRgb(255, 255, 255));  // over the first
        }
        EXPECT_EQ(FirstDifference(a, b), -1) << c.text;
        EXPECT_EQ(stamped.TextWidth(c.text), direct.TextWidth(c.text)) << c.text;
    }
}

TEST(TextStamps, EachFontHasItsOwnStamps) {
    // One text in several fonts, asked in turn twice (the second time from
    // kept stamps): each answer is the size pango gives it in that font.
    const PixelFont fonts[] = {{"FreeSans", 10, false}, {"FreeSans", 20, false}, {"FreeSans", 10, true},
                               {"DejaVu Serif", 10, false}};
    const std::string text = "Schicht 01";
    auto scratch = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, 1, 1);
    auto cr = Cairo::Context::create(scratch);
    auto sizeIn = [&](const Pango::FontDescription& font) {
        auto layout = Pango::Layout::create(cr);
        layout->set_font_description(font);
        layout->set_text(text);
        int w = 0, h = 0;
        layout->get_pixel_size(w, h);
        return std::pair(w, h);
    };
    TextStamps stamps(kFont);
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(stamps.Width(text), sizeIn(Pango::FontDescription(kFont)).first);
        for (const PixelFont& f : fonts) {
            const TextStamp& stamp = stamps.Stamp(f, text);
            EXPECT_EQ(std::pair(stamp.width, stamp.height), sizeIn(FontDescriptionOf(f)))
                << f.family << " " << f.pixelSize << (f.bold ? " bold" : "");
        }
    }
}

TEST(Canvas, ACircleAfterATextIsNotJoinedToIt) {
    // The text's position must not stay behind as the start of the
    // circle's outline: nothing may be drawn between text and circle.
    TextStamps stamps(kFont);
    for (bool useStamps : {false, true}) {
        auto surface = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, 120, 40);
        Canvas canvas = useStamps ? Canvas(surface, stamps) : Canvas(surface, kFont);
        const Rgb bg = PackRgb(255, 255, 255);
        canvas.FillRect(0, 0, 120, 40, bg);
        canvas.Text(2, 2, "Mo", PackRgb(0, 0, 0));
        canvas.CircleOutline(100, 30, 5, PackRgb(128, 128, 128));
        canvas.Text(2, 2, "Di", PackRgb(0, 0, 0));
        canvas.FillCircle(100, 30, 5, PackRgb(250, 250, 0));
        int stray = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 120; ++x) {
                const bool nearText = x < 2 + canvas.TextWidth("Mo") + 2 && y < 22;
                const bool nearCircle = x >= 94 && y >= 24;
                if (!nearText && !nearCircle && canvas.PixelAt(x, y) != bg) ++stray;
            }
        }
        EXPECT_EQ(stray, 0) << (useStamps ? "stamps" : "direct");
    }
}

}  // namespace
}  // namespace sk
