#pragma once
// Drawing primitives on the calendar image: pixel-exact boxes and circles,
// pango text in the program font, pixel reads for the flood fill.

#include <cairomm/cairomm.h>
#include <pangomm.h>
#include <pangomm/init.h>

#include <string>

#include "view/ViewState.h"

namespace sk {

class Canvas {
public:
    Canvas(Cairo::RefPtr<Cairo::ImageSurface> surface, const std::string& fontDescription);

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
    void Text(int x, int y, const std::string& text, Rgb colour);
    int TextWidth(const std::string& text);
    // Text horizontally centred in [left, left + width).
    void TextCentred(int left, int width, int y, const std::string& text, Rgb colour);

    Rgb PixelAt(int x, int y);
    // Fills every pixel connected to (x, y) that is not `border`, within
    // the clip rectangle, with `colour`.
    void FloodFill(int x, int y, Rgb border, Rgb colour, int clipX, int clipY, int clipW, int clipH);

private:
    void SetColour(Rgb colour);
    void SetLayoutText(const std::string& text);

    Cairo::RefPtr<Cairo::ImageSurface> surface_;
    Cairo::RefPtr<Cairo::Context> cr_;
    Glib::RefPtr<Pango::Layout> layout_;
    std::string layoutText_;
};

}  // namespace sk
