#pragma once
// Drawing primitives of the calendar painters: pixel-exact boxes and
// circles, pango text in the program font or in pixel fonts, pictures,
// pixel reads for the flood fill.
//
// The one drawing seam: a canvas draws in logical pixels on any cairo
// target. An image surface is painted pixel-exact at its device scale (1 on
// a plain screen, 2 on a HiDPI one); any other target (PDF, print) is
// vector, and its pixel questions are answered by a scale-1 shadow image
// painted alongside, so the painters need not know where they paint.

#include <cairomm/cairomm.h>
#include <pangomm.h>
#include <pangomm/init.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "view/TextStamps.h"
#include "calendar/ViewState.h"

namespace sk {

class Canvas {
public:
    // Whether a vector canvas answers pixel questions (PixelAt, FloodFill)
    // from a shadow image painted alongside, at the cost of painting twice.
    enum class PixelReads { kAnswered, kNone };

    // Lays out and renders every text anew with pango.
    Canvas(Cairo::RefPtr<Cairo::ImageSurface> surface, const std::string& fontDescription);
    // Paints texts from stamps of the stamps' font, kept by the caller
    // across repaints; the pixels are those of the canvas above. Stamps of
    // another scale than the surface's are not used.
    Canvas(Cairo::RefPtr<Cairo::ImageSurface> surface, TextStamps& stamps);
    // Vector drawing on any context, in a logical area of width x height.
    // Without pixel reads every pixel reads as black and a flood fill
    // does nothing: for painters that never ask.
    Canvas(Cairo::RefPtr<Cairo::Context> context, int width, int height, const std::string& fontDescription,
           PixelReads reads = PixelReads::kAnswered);
    ~Canvas();
    Canvas(Canvas&&) noexcept;
    Canvas& operator=(Canvas&&) noexcept;

    // Logical size.
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsVector() const { return !surface_; }

    void FillRect(int x, int y, int w, int h, Rgb colour);
    void FillCircle(int cx, int cy, int radius, Rgb colour);
    void CircleOutline(int cx, int cy, int radius, Rgb colour);
    // One pixel wide lines along pixel rows or columns.
    void VerticalLine(int x, int y0, int y1, Rgb colour);
    void HorizontalLine(int x0, int x1, int y, Rgb colour);
    void RoundedRectOutline(int x, int y, int w, int h, int radius, Rgb colour);
    // A one pixel outline whose outer edge is the rectangle.
    void RectOutline(int x, int y, int w, int h, Rgb colour);
    // The pixels whose centres lie within `radius` of the centre of pixel
    // (cx, cy). FillCircle reaches half a pixel further.
    void FillDisc(int cx, int cy, int radius, Rgb colour);
    // The picture scaled into the rectangle, smoothly.
    void Picture(const Cairo::RefPtr<Cairo::ImageSurface>& picture, int x, int y, int w, int h);

    // Text with its top left corner at (x, y), without background.
    void Text(int x, int y, std::string_view text, Rgb colour);
    int TextWidth(std::string_view text);
    // Text horizontally centred in [left, left + width).
    void TextCentred(int left, int width, int y, std::string_view text, Rgb colour);
    // The same in a pixel font, from the stamps' fonts when the canvas has stamps.
    void Text(int x, int y, std::string_view text, Rgb colour, const PixelFont& font);
    struct TextSize {
        int width = 0;
        int height = 0;
    };
    // Logical extents.
    TextSize SizeOfText(std::string_view text, const PixelFont& font);

    // The colour at a logical pixel.
    Rgb PixelAt(int x, int y);

    // Moves every row of an image canvas dx logical pixels right (left when
    // negative); the pixels it uncovers keep what they had. False (and
    // nothing moved) on a vector canvas or an image of other than 32-bit pixels.
    bool MoveImage(int dx);
    // The logical columns [left, right) drawn on or read since StartSpan:
    // a superset of the pixels touched, for a painter that has to know
    // whether its drawing stayed inside an area. Spans are not nested.
    struct Span {
        int left = 0;
        int right = 0;
        bool Within(int l, int r) const { return left >= right || (left >= l && right <= r); }
    };
    void StartSpan();
    Span EndSpan();
    const std::string& FontDescription() const { return fontDescription_; }
    // The image painted on; null for a vector canvas.
    const Cairo::RefPtr<Cairo::ImageSurface>& Image() const { return surface_; }
    // Fills every pixel connected to (x, y) that is not `border`, within
    // the clip rectangle, with `colour`.
    void FloodFill(int x, int y, Rgb border, Rgb colour, int clipX, int clipY, int clipW, int clipH);

private:
    void SetColour(Rgb colour);
    void Touch(int left, int right) {
        if (!spanning_) return;
        span_.left = std::min(span_.left, left);
        span_.right = std::max(span_.right, right);
    }
    void TouchLayout(int x, const Glib::RefPtr<Pango::Layout>& layout);
    void FillPixels(int x, int y, int w, int h, Rgb colour);
    void MaskPixels(int x, int y, const Cairo::RefPtr<Cairo::ImageSurface>& mask, Rgb colour);
    void SetLayoutText(std::string_view text);
    void TextDirectly(int x, int y, std::string_view text, Rgb colour);
    void PaintLayout(int x, int y, const Glib::RefPtr<Pango::Layout>& layout, Rgb colour);
    void MaskStamp(int x, int y, const TextStamp& stamp, Rgb colour);
    void Circle(CircleKind kind, int cx, int cy, int radius, Rgb colour);
    // The layout of a pixel font, holding the text.
    const Glib::RefPtr<Pango::Layout>& LayoutOf(const PixelFont& font, std::string_view text);
    // Device pixels changed by a fill on the image surface.
    std::vector<std::pair<int, int>> FloodFillPixels(int x, int y, Rgb border, Rgb colour, int clipX, int clipY,
                                                     int clipW, int clipH);

    Cairo::RefPtr<Cairo::ImageSurface> surface_;  // null for a vector target
    Cairo::RefPtr<Cairo::Context> cr_;
    int scale_ = 1;  // device pixels per logical pixel of the image surface
    // An image of 32-bit pixels: boxes, stamps and moves are written into
    // its memory; any other target is drawn on by the library.
    bool ownPixels_ = false;
    int width_ = 0;
    int height_ = 0;
    TextStamps* stamps_ = nullptr;
    std::string fontDescription_;
    Glib::RefPtr<Pango::Layout> layout_;  // made on first direct text
    std::string layoutText_;
    struct FontLayout {
        std::string family;
        int pixelSize = 0;
        bool bold = false;
        Glib::RefPtr<Pango::Layout> layout;
        std::string text;
    };
    std::vector<FontLayout> fontLayouts_;  // made on first direct text in each pixel font
    std::unique_ptr<Canvas> shadow_;  // the pixels of a vector canvas
    bool spanning_ = false;
    Span span_;
};

// Device scale of an image surface, as a whole number (1 when none is set).
int DeviceScaleOf(const Cairo::RefPtr<Cairo::ImageSurface>& surface);

}  // namespace sk
