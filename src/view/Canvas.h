#pragma once
// Drawing primitives on the calendar image: pixel-exact boxes and circles,
// pango text in the program font, pixel reads for the flood fill.

#include <cairomm/cairomm.h>
#include <pangomm.h>
#include <pangomm/init.h>

#include <string>
#include <string_view>

#include "view/TextStamps.h"
#include "calendar/ViewState.h"

namespace sk {

class Canvas {
public:
    // Lays out and renders every text anew with pango.
    Canvas(Cairo::RefPtr<Cairo::ImageSurface> surface, const std::string& fontDescription);
    // Paints texts from stamps of the stamps' font, kept by the caller
    // across repaints; the pixels are those of the canvas above.
    Canvas(Cairo::RefPtr<Cairo::ImageSurface> surface, TextStamps& stamps);

    Cairo::RefPtr<Cairo::ImageSurface> Surface() const { return surface_; }
    int Width() const { return surface_->get_width(); }
    int Height() const { return surface_->get_height(); }

    void FillRect(int x, int y, int w, int h, Rgb colour);
    void FillCircle(int cx, int cy, int radius, Rgb colour);
    void CircleOutline(int cx, int cy, int radius, Rgb colour);
    // One pixel wide lines along pixel rows or columns.
    void VerticalLine(int x, int y0, int y1, Rgb colour);
    void HorizontalLine(int x0, int x1, int y, Rgb colour);
    void RoundedRectOutline(int x, int y, int w, int h, int radius, Rgb colour);

    // Text with its top left corner at (x, y), without background.
    void Text(int x, int y, std::string_view text, Rgb colour);
    int TextWidth(std::string_view text);
    // Text horizontally centred in [left, left + width).
    void TextCentred(int left, int width, int y, std::string_view text, Rgb colour);

    Rgb PixelAt(int x, int y);
    // Fills every pixel connected to (x, y) that is not `border`, within
    // the clip rectangle, with `colour`.
    void FloodFill(int x, int y, Rgb border, Rgb colour, int clipX, int clipY, int clipW, int clipH);

private:
    void SetColour(Rgb colour);
    void SetLayoutText(std::string_view text);
    void TextDirectly(int x, int y, std::string_view text, Rgb colour);

    Cairo::RefPtr<Cairo::ImageSurface> surface_;
    Cairo::RefPtr<Cairo::Context> cr_;
    TextStamps* stamps_ = nullptr;
    std::string fontDescription_;
    Glib::RefPtr<Pango::Layout> layout_;  // made on first direct text
    std::string layoutText_;
};

}  // namespace sk
