#include "view/Canvas.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace sk {

int DeviceScaleOf(const Cairo::RefPtr<Cairo::ImageSurface>& surface) {
    double sx = 1, sy = 1;
    cairo_surface_get_device_scale(surface->cobj(), &sx, &sy);
    return std::max(1, static_cast<int>(std::lround(sx)));
}

Canvas::Canvas(Cairo::RefPtr<Cairo::ImageSurface> surface, const std::string& fontDescription)
    : surface_(std::move(surface)), cr_(Cairo::Context::create(surface_)), fontDescription_(fontDescription) {
    Pango::init();
    scale_ = DeviceScaleOf(surface_);
    width_ = surface_->get_width() / scale_;
    height_ = surface_->get_height() / scale_;
    // Boxes and circles are painted without smoothing, so every pixel has
    // exactly the colour of its element.
    cr_->set_antialias(Cairo::ANTIALIAS_NONE);
}

Canvas::Canvas(Cairo::RefPtr<Cairo::ImageSurface> surface, TextStamps& stamps)
    : Canvas(std::move(surface), stamps.FontDescription()) {
    if (stamps.Scale() == scale_) stamps_ = &stamps;
}

Canvas::Canvas(Cairo::RefPtr<Cairo::Context> context, int width, int height, const std::string& fontDescription,
               PixelReads reads)
    : cr_(std::move(context)), width_(width), height_(height), fontDescription_(fontDescription) {
    Pango::init();
    if (reads == PixelReads::kNone) return;
    shadow_ = std::make_unique<Canvas>(Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, std::max(1, width),
                                                                   std::max(1, height)),
                                       fontDescription);
}

Canvas::~Canvas() = default;
Canvas::Canvas(Canvas&&) noexcept = default;
Canvas& Canvas::operator=(Canvas&&) noexcept = default;

void Canvas::SetColour(Rgb colour) {
    cr_->set_source_rgb(RedOf(colour) / 255.0, GreenOf(colour) / 255.0, BlueOf(colour) / 255.0);
}

void Canvas::SetLayoutText(std::string_view text) {
    if (!layout_) {
        layout_ = Pango::Layout::create(cr_);
        layout_->set_font_description(Pango::FontDescription(fontDescription_));
    }
    if (text != layoutText_) {
        layout_->set_text(Glib::ustring(text.data(), text.data() + text.size()));
        layoutText_ = text;
    }
}

void Canvas::FillRect(int x, int y, int w, int h, Rgb colour) {
    if (w <= 0 || h <= 0) return;
    if (shadow_) shadow_->FillRect(x, y, w, h, colour);
    SetColour(colour);
    cr_->rectangle(x, y, w, h);
    cr_->fill();
}

void Canvas::FillCircle(int cx, int cy, int radius, Rgb colour) {
    if (shadow_) shadow_->FillCircle(cx, cy, radius, colour);
    SetColour(colour);
    // Without antialiasing a pixel counts when its centre is inside. With the
    // radius alone the four pixels exactly `radius` away on the axes stick out
    // as single-pixel nubs; half a pixel more gives the same extent, round.
    cr_->arc(cx + 0.5, cy + 0.5, radius + 0.5, 0, 2 * M_PI);
    cr_->fill();
}

void Canvas::CircleOutline(int cx, int cy, int radius, Rgb colour) {
    if (shadow_) shadow_->CircleOutline(cx, cy, radius, colour);
    SetColour(colour);
    cr_->set_line_width(1);
    cr_->arc(cx + 0.5, cy + 0.5, radius, 0, 2 * M_PI);
    cr_->stroke();
}

void Canvas::VerticalLine(int x, int y0, int y1, Rgb colour) {
    FillRect(x, y0, 1, y1 - y0, colour);
}

void Canvas::HorizontalLine(int x0, int x1, int y, Rgb colour) {
    FillRect(x0, y, x1 - x0, 1, colour);
}

void Canvas::RoundedRectOutline(int x, int y, int w, int h, int radius, Rgb colour) {
    if (shadow_) shadow_->RoundedRectOutline(x, y, w, h, radius, colour);
    SetColour(colour);
    cr_->set_line_width(1);
    const double l = x + 0.5, t = y + 0.5, r = x + w - 0.5, b = y + h - 0.5;
    const double rad = radius;
    cr_->begin_new_sub_path();
    cr_->arc(r - rad, t + rad, rad, -M_PI / 2, 0);
    cr_->arc(r - rad, b - rad, rad, 0, M_PI / 2);
    cr_->arc(l + rad, b - rad, rad, M_PI / 2, M_PI);
    cr_->arc(l + rad, t + rad, rad, M_PI, 3 * M_PI / 2);
    cr_->close_path();
    cr_->stroke();
}

void Canvas::TextDirectly(int x, int y, std::string_view text, Rgb colour) {
    SetLayoutText(text);
    SetColour(colour);
    cr_->move_to(x, y);
    layout_->show_in_cairo_context(cr_);
    // The text leaves its position as the current point; a circle painted
    // next would otherwise be joined to it by a stray line.
    cr_->begin_new_path();
}

void Canvas::Text(int x, int y, std::string_view text, Rgb colour) {
    if (text.empty()) return;
    if (shadow_) shadow_->Text(x, y, text, colour);
    if (!stamps_) {
        TextDirectly(x, y, text, colour);
        return;
    }
    const TextStamp& stamp = stamps_->Stamp(text);
    if (stamp.paintDirectly) {
        TextDirectly(x, y, text, colour);
    } else if (stamp.mask) {
        // The glyphs are masked onto the picture exactly as pango's own
        // drawing composites them: the colour through their coverage.
        SetColour(colour);
        cr_->mask(stamp.mask, x - stamp.originX, y - stamp.originY);
    }
}

int Canvas::TextWidth(std::string_view text) {
    if (text.empty()) return 0;
    if (stamps_) return stamps_->Width(text);
    SetLayoutText(text);
    int w = 0;
    int h = 0;
    layout_->get_pixel_size(w, h);
    return w;
}

void Canvas::TextCentred(int left, int width, int y, std::string_view text, Rgb colour) {
    Text(left + (width - TextWidth(text)) / 2, y, text, colour);
}

void Canvas::RectOutline(int x, int y, int w, int h, Rgb colour) {
    HorizontalLine(x, x + w, y, colour);
    HorizontalLine(x, x + w, y + h - 1, colour);
    VerticalLine(x, y, y + h, colour);
    VerticalLine(x + w - 1, y, y + h, colour);
}

void Canvas::FillDisc(int cx, int cy, int radius, Rgb colour) {
    if (shadow_) shadow_->FillDisc(cx, cy, radius, colour);
    SetColour(colour);
    cr_->arc(cx + 0.5, cy + 0.5, radius, 0, 2 * M_PI);
    cr_->fill();
}

void Canvas::Picture(const Cairo::RefPtr<Cairo::ImageSurface>& picture, int x, int y, int w, int h) {
    if (w <= 0 || h <= 0) return;
    if (shadow_) shadow_->Picture(picture, x, y, w, h);
    cr_->save();
    cr_->rectangle(x, y, w, h);
    cr_->clip();
    cr_->translate(x, y);
    cr_->scale(double(w) / picture->get_width(), double(h) / picture->get_height());
    auto pattern = Cairo::SurfacePattern::create(picture);
    pattern->set_filter(Cairo::FILTER_GOOD);
    cr_->set_source(pattern);
    cr_->paint();
    cr_->restore();
}

const Glib::RefPtr<Pango::Layout>& Canvas::LayoutOf(const PixelFont& font, std::string_view text) {
    auto it = std::find_if(fontLayouts_.begin(), fontLayouts_.end(), [&](const FontLayout& l) {
        return l.pixelSize == font.pixelSize && l.bold == font.bold && l.family == font.family;
    });
    if (it == fontLayouts_.end()) {
        FontLayout made;
        made.family = font.family;
        made.pixelSize = font.pixelSize;
        made.bold = font.bold;
        made.layout = Pango::Layout::create(cr_);
        made.layout->set_font_description(FontDescriptionOf(font));
        fontLayouts_.push_back(std::move(made));
        it = fontLayouts_.end() - 1;
    } else if (it->text == text) {
        return it->layout;
    }
    it->layout->set_text(Glib::ustring(text.data(), text.data() + text.size()));
    it->text = text;
    return it->layout;
}

void Canvas::PaintLayout(int x, int y, const Glib::RefPtr<Pango::Layout>& layout, Rgb colour) {
    SetColour(colour);
    cr_->move_to(x, y);
    layout->show_in_cairo_context(cr_);
    // As in TextDirectly: no current point may stay behind.
    cr_->begin_new_path();
}

void Canvas::MaskStamp(int x, int y, const TextStamp& stamp, Rgb colour) {
    if (!stamp.mask) return;
    SetColour(colour);
    cr_->mask(stamp.mask, x - stamp.originX, y - stamp.originY);
}

void Canvas::Text(int x, int y, std::string_view text, Rgb colour, const PixelFont& font) {
    if (text.empty()) return;
    if (shadow_) shadow_->Text(x, y, text, colour, font);
    if (stamps_) {
        const TextStamp& stamp = stamps_->Stamp(font, text);
        if (!stamp.paintDirectly) {
            MaskStamp(x, y, stamp, colour);
            return;
        }
    }
    PaintLayout(x, y, LayoutOf(font, text), colour);
}

Canvas::TextSize Canvas::SizeOfText(std::string_view text, const PixelFont& font) {
    if (stamps_) {
        const TextStamp& stamp = stamps_->Measure(font, text);
        return {stamp.width, stamp.height};
    }
    TextSize size;
    LayoutOf(font, text)->get_pixel_size(size.width, size.height);
    return size;
}

namespace {

// RGB24 pixels are 32-bit words 0x00RRGGBB.
Rgb FromPixel(std::uint32_t p) { return PackRgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }
std::uint32_t ToPixel(Rgb c) {
    return (static_cast<std::uint32_t>(RedOf(c)) << 16) | (static_cast<std::uint32_t>(GreenOf(c)) << 8) |
           static_cast<std::uint32_t>(BlueOf(c));
}

}  // namespace

Rgb Canvas::PixelAt(int x, int y) {
    if (shadow_) return shadow_->PixelAt(x, y);
    if (!surface_) return 0;
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    surface_->flush();
    const unsigned char* row =
        surface_->get_data() + static_cast<std::ptrdiff_t>(y * scale_) * surface_->get_stride();
    return FromPixel(reinterpret_cast<const std::uint32_t*>(row)[x * scale_] & 0xFFFFFF);
}

void Canvas::FloodFill(int x, int y, Rgb border, Rgb colour, int clipX, int clipY, int clipW, int clipH) {
    if (!surface_ && !shadow_) return;
    if (!shadow_) {
        FloodFillPixels(x, y, border, colour, clipX, clipY, clipW, clipH);
        return;
    }
    // The shadow finds the pixels; the vector target gets them as runs of
    // one-pixel-high rectangles, which look the same at any resolution.
    std::vector<std::pair<int, int>> pixels = shadow_->FloodFillPixels(x, y, border, colour, clipX, clipY, clipW, clipH);
    std::sort(pixels.begin(), pixels.end(), [](auto a, auto b) { return std::pair(a.second, a.first) < std::pair(b.second, b.first); });
    SetColour(colour);
    for (std::size_t i = 0; i < pixels.size();) {
        std::size_t j = i + 1;
        while (j < pixels.size() && pixels[j].second == pixels[i].second && pixels[j].first == pixels[j - 1].first + 1) ++j;
        cr_->rectangle(pixels[i].first, pixels[i].second, static_cast<double>(j - i), 1);
        i = j;
    }
    cr_->fill();
}

std::vector<std::pair<int, int>> Canvas::FloodFillPixels(int x, int y, Rgb border, Rgb colour, int clipX, int clipY,
                                                         int clipW, int clipH) {
    std::vector<std::pair<int, int>> filled;
    const int deviceW = surface_->get_width(), deviceH = surface_->get_height();
    const int s = scale_;
    int x0 = std::max(clipX * s, 0), y0 = std::max(clipY * s, 0);
    int x1 = std::min((clipX + clipW) * s, deviceW), y1 = std::min((clipY + clipH) * s, deviceH);
    x *= s;
    y *= s;
    if (x < x0 || y < y0 || x >= x1 || y >= y1) return filled;
    surface_->flush();
    unsigned char* data = surface_->get_data();
    const int stride = surface_->get_stride();
    auto px = [&](int px, int py) -> std::uint32_t& {
        return reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(py) * stride)[px];
    };
    const std::uint32_t borderPx = ToPixel(border);
    const std::uint32_t fillPx = ToPixel(colour);
    const int w = x1 - x0;
    std::vector<char> seen(static_cast<std::size_t>(w) * (y1 - y0), 0);
    std::vector<std::pair<int, int>> stack{{x, y}};
    while (!stack.empty()) {
        auto [cx, cy] = stack.back();
        stack.pop_back();
        if (cx < x0 || cy < y0 || cx >= x1 || cy >= y1) continue;
        char& seenHere = seen[static_cast<std::size_t>(cy - y0) * w + (cx - x0)];
        if (seenHere) continue;
        seenHere = 1;
        std::uint32_t& p = px(cx, cy);
        if ((p & 0xFFFFFF) == borderPx) continue;
        p = fillPx;
        filled.push_back({cx, cy});
        stack.push_back({cx + 1, cy});
        stack.push_back({cx - 1, cy});
        stack.push_back({cx, cy + 1});
        stack.push_back({cx, cy - 1});
    }
    surface_->mark_dirty();
    return filled;
}

}  // namespace sk
