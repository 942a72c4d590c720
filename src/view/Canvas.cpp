#include "view/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace sk {

namespace {

// RGB24 pixels are 32-bit words 0x00RRGGBB; cairo's own fills set the top
// byte as well.
Rgb FromPixel(std::uint32_t p) { return PackRgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }
std::uint32_t ToPixel(Rgb c) {
    return (static_cast<std::uint32_t>(RedOf(c)) << 16) | (static_cast<std::uint32_t>(GreenOf(c)) << 8) |
           static_cast<std::uint32_t>(BlueOf(c));
}
constexpr std::uint32_t kOpaque = 0xFF000000u;

}  // namespace

int DeviceScaleOf(const Cairo::RefPtr<Cairo::ImageSurface>& surface) {
    double sx = 1, sy = 1;
    cairo_surface_get_device_scale(surface->cobj(), &sx, &sy);
    return std::max(1, static_cast<int>(std::lround(sx)));
}

Canvas::Canvas(Cairo::RefPtr<Cairo::ImageSurface> surface, const std::string& fontDescription)
    : surface_(std::move(surface)), cr_(Cairo::Context::create(surface_)), fontDescription_(fontDescription) {
    Pango::init();
    scale_ = DeviceScaleOf(surface_);
    const Cairo::Format format = surface_->get_format();
    ownPixels_ = format == Cairo::FORMAT_RGB24 || format == Cairo::FORMAT_ARGB32;
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
    Touch(x, x + w);
    if (shadow_) shadow_->FillRect(x, y, w, h, colour);
    if (ownPixels_) {
        FillPixels(x, y, w, h, colour);
        return;
    }
    SetColour(colour);
    cr_->rectangle(x, y, w, h);
    cr_->fill();
}

// Boxes are most of what a repaint draws: on an image they are written
// straight into its pixels, the same pixels an unsmoothed fill gives
// (opaque, the unused byte of a pixel set as cairo sets it).
void Canvas::FillPixels(int x, int y, int w, int h, Rgb colour) {
    const int x0 = std::max(x * scale_, 0), y0 = std::max(y * scale_, 0);
    const int x1 = std::min((x + w) * scale_, surface_->get_width());
    const int y1 = std::min((y + h) * scale_, surface_->get_height());
    if (x0 >= x1 || y0 >= y1) return;
    surface_->flush();
    unsigned char* data = surface_->get_data();
    const int stride = surface_->get_stride();
    const std::uint32_t pixel = kOpaque | ToPixel(colour);
    // Four pixels per store: a plain loop of single pixels is what a
    // background or a column costs most of its time in.
    const std::uint32_t four[4] = {pixel, pixel, pixel, pixel};
    const std::size_t width = static_cast<std::size_t>(x1 - x0);
    for (int row = y0; row < y1; ++row) {
        std::uint32_t* p = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(row) * stride) + x0;
        std::size_t i = 0;
        for (; i + 4 <= width; i += 4) std::memcpy(p + i, four, sizeof four);
        for (; i < width; ++i) p[i] = pixel;
    }
    surface_->mark_dirty(x0, y0, x1 - x0, y1 - y0);
}

namespace {
// Each byte of a pixel times a / 255, two bytes per multiplication, rounded
// as the compositing library rounds.
inline std::uint32_t MultiplyBytes(std::uint32_t x, std::uint32_t a) {
    constexpr std::uint32_t kLanes = 0x00FF00FF, kHalf = 0x00800080;
    std::uint32_t rb = (x & kLanes) * a + kHalf;
    rb = ((rb + ((rb >> 8) & kLanes)) >> 8) & kLanes;
    std::uint32_t ag = ((x >> 8) & kLanes) * a + kHalf;
    ag = (ag + ((ag >> 8) & kLanes)) & ~kLanes;
    return rb | ag;
}
// Bytewise sum, each byte saturating at 255.
inline std::uint32_t AddBytes(std::uint32_t x, std::uint32_t y) {
    constexpr std::uint32_t kLanes = 0x00FF00FF, kCarry = 0x01000100;
    std::uint32_t rb = (x & kLanes) + (y & kLanes);
    rb = (rb | (kCarry - ((rb >> 8) & kLanes))) & kLanes;
    std::uint32_t ag = ((x >> 8) & kLanes) + ((y >> 8) & kLanes);
    ag = (ag | (kCarry - ((ag >> 8) & kLanes))) & kLanes;
    return rb | (ag << 8);
}
}  // namespace

// The colour through an 8-bit coverage mask, composited into the pixels
// with the arithmetic the library's own masking uses (each byte: colour
// times coverage plus pixel times the rest), so the result is the same to
// the bit, at a fraction of its cost per call.
void Canvas::MaskPixels(int x, int y, const Cairo::RefPtr<Cairo::ImageSurface>& mask, Rgb colour) {
    Touch(x, x + (mask->get_width() + scale_ - 1) / scale_);
    if (!ownPixels_ || mask->get_format() != Cairo::FORMAT_A8) {
        SetColour(colour);
        cr_->mask(mask, x, y);
        return;
    }
    mask->flush();
    surface_->flush();
    const int left = x * scale_, top = y * scale_;
    const int x0 = std::max(left, 0), y0 = std::max(top, 0);
    const int x1 = std::min(left + mask->get_width(), surface_->get_width());
    const int y1 = std::min(top + mask->get_height(), surface_->get_height());
    if (x0 >= x1 || y0 >= y1) return;
    const std::uint32_t source = kOpaque | ToPixel(colour);
    const unsigned char* coverage = mask->get_data();
    const int maskStride = mask->get_stride();
    unsigned char* data = surface_->get_data();
    const int stride = surface_->get_stride();
    for (int row = y0; row < y1; ++row) {
        const unsigned char* m = coverage + static_cast<std::ptrdiff_t>(row - top) * maskStride + (x0 - left);
        auto* p = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(row) * stride) + x0;
        const int n = x1 - x0;
        for (int i = 0; i < n; ++i) {
            // Most of a mask is empty: skip it eight bytes at a time.
            std::uint64_t eight = 0;
            if (i + 8 <= n && (std::memcpy(&eight, m + i, sizeof eight), eight == 0)) {
                i += 7;
                continue;
            }
            const std::uint32_t a = m[i];
            if (a == 0) continue;
            p[i] = a == 255 ? source : AddBytes(MultiplyBytes(source, a), MultiplyBytes(p[i], 255 - a));
        }
    }
    surface_->mark_dirty(x0, y0, x1 - x0, y1 - y0);
}

void Canvas::FillCircle(int cx, int cy, int radius, Rgb colour) {
    Circle(CircleKind::kFilled, cx, cy, radius, colour);
}

void Canvas::CircleOutline(int cx, int cy, int radius, Rgb colour) {
    Circle(CircleKind::kOutline, cx, cy, radius, colour);
}

void Canvas::FillDisc(int cx, int cy, int radius, Rgb colour) {
    Circle(CircleKind::kDisc, cx, cy, radius, colour);
}

// Moon phases and shift circles come by the hundred per repaint: on an
// image with kept stamps each is masked from a circle rasterised once,
// the very pixels the library's path gives at a fraction of its cost.
// The library strokes an outline whose centre lies outside the image a
// little differently at the edge, so a circle that is not wholly inside
// is left to it.
void Canvas::Circle(CircleKind kind, int cx, int cy, int radius, Rgb colour) {
    if (shadow_) shadow_->Circle(kind, cx, cy, radius, colour);
    if (stamps_) {
        if (const CircleSprite* sprite = stamps_->Circle(kind, radius)) {
            const int left = cx - sprite->offset, top = cy - sprite->offset, side = 2 * sprite->offset + 1;
            if (left >= 0 && top >= 0 && left + side <= width_ && top + side <= height_) {
                MaskPixels(left, top, sprite->mask, colour);
                return;
            }
        }
    }
    // The columns a circle may reach: those of its mask above.
    Touch(cx - radius - 1, cx + radius + 2);
    SetColour(colour);
    DrawCircle(cr_, kind, cx, cy, radius);
}

void Canvas::VerticalLine(int x, int y0, int y1, Rgb colour) {
    FillRect(x, y0, 1, y1 - y0, colour);
}

void Canvas::HorizontalLine(int x0, int x1, int y, Rgb colour) {
    FillRect(x0, y, x1 - x0, 1, colour);
}

void Canvas::RoundedRectOutline(int x, int y, int w, int h, int radius, Rgb colour) {
    if (shadow_) shadow_->RoundedRectOutline(x, y, w, h, radius, colour);
    Touch(x, x + w);
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
    PaintLayout(x, y, layout_, colour);
}

void Canvas::Text(int x, int y, std::string_view text, Rgb colour) {
    if (text.empty()) return;
    if (shadow_) shadow_->Text(x, y, text, colour);
    if (!stamps_) {
        TextDirectly(x, y, text, colour);
        return;
    }
    const TextStamp& stamp = stamps_->Stamp(text);
    if (stamp.paintDirectly)
        TextDirectly(x, y, text, colour);
    else
        MaskStamp(x, y, stamp, colour);
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

void Canvas::Picture(const Cairo::RefPtr<Cairo::ImageSurface>& picture, int x, int y, int w, int h) {
    if (w <= 0 || h <= 0) return;
    if (shadow_) shadow_->Picture(picture, x, y, w, h);
    Touch(x, x + w);
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
    TouchLayout(x, layout);
    SetColour(colour);
    cr_->move_to(x, y);
    layout->show_in_cairo_context(cr_);
    // The text leaves its position as the current point; a circle painted
    // next would otherwise be joined to it by a stray line.
    cr_->begin_new_path();
}

// The glyphs are masked onto the picture exactly as pango's own drawing
// composites them: the colour through their coverage.
void Canvas::MaskStamp(int x, int y, const TextStamp& stamp, Rgb colour) {
    if (!stamp.mask) return;
    MaskPixels(x - stamp.originX, y - stamp.originY, stamp.mask, colour);
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

Rgb Canvas::PixelAt(int x, int y) {
    Touch(x, x + 1);
    if (shadow_) return shadow_->PixelAt(x, y);
    if (!surface_) return 0;
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    surface_->flush();
    const unsigned char* row =
        surface_->get_data() + static_cast<std::ptrdiff_t>(y * scale_) * surface_->get_stride();
    return FromPixel(reinterpret_cast<const std::uint32_t*>(row)[x * scale_] & 0xFFFFFF);
}

void Canvas::FloodFill(int x, int y, Rgb border, Rgb colour, int clipX, int clipY, int clipW, int clipH) {
    Touch(clipX, clipX + clipW);
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

bool Canvas::MoveImage(int dx) {
    if (!ownPixels_) return false;
    const int width = surface_->get_width();
    const int d = dx * scale_;
    if (d == 0) return true;
    surface_->flush();
    if (std::abs(d) < width) {
        unsigned char* data = surface_->get_data();
        const int stride = surface_->get_stride();
        const std::size_t bytes = static_cast<std::size_t>(width - std::abs(d)) * sizeof(std::uint32_t);
        const int from = d < 0 ? -d : 0;
        const int to = d > 0 ? d : 0;
        for (int row = 0; row < surface_->get_height(); ++row) {
            auto* p = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(row) * stride);
            std::memmove(p + to, p + from, bytes);
        }
    }
    surface_->mark_dirty();
    return true;
}

void Canvas::StartSpan() {
    spanning_ = true;
    span_ = {std::numeric_limits<int>::max(), std::numeric_limits<int>::min()};
}

Canvas::Span Canvas::EndSpan() {
    spanning_ = false;
    return span_;
}

// Glyphs may ink outside their logical box (italics, accents): the span
// covers both boxes and a pixel of smoothing either side.
void Canvas::TouchLayout(int x, const Glib::RefPtr<Pango::Layout>& layout) {
    if (!spanning_) return;
    Pango::Rectangle ink, logical;
    layout->get_pixel_extents(ink, logical);
    Touch(x + std::min(ink.get_x(), logical.get_x()) - 1,
          x + std::max(ink.get_x() + ink.get_width(), logical.get_x() + logical.get_width()) + 1);
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
