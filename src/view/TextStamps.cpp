#include "view/TextStamps.h"

#include <pangomm/init.h>

#include <algorithm>
#include <cmath>

namespace sk {

namespace {

// Headers carry the year, so paging through the decades keeps adding
// texts; beyond this many a font's stamps are made afresh.
constexpr std::size_t kMostStamps = 1024;
// A page's pixel fonts follow its cell size, so resizing the window keeps
// adding fonts; beyond this many they are made afresh.
constexpr std::size_t kMostPixelFonts = 32;
// A page draws circles of one or two radii per kind; the half-year page's
// follow its cell size, so resizing keeps adding them.
constexpr std::size_t kMostCircles = 16;
// Larger circles are drawn by the library: they are rare and their masks
// would be mostly empty.
constexpr int kLargestCircleSprite = 64;

bool BorderIsEmpty(const Cairo::RefPtr<Cairo::ImageSurface>& mask) {
    mask->flush();
    const unsigned char* data = mask->get_data();
    const int stride = mask->get_stride();
    const int w = mask->get_width();
    const int h = mask->get_height();
    for (int x = 0; x < w; ++x) {
        if (data[x] != 0 || data[static_cast<std::ptrdiff_t>(h - 1) * stride + x] != 0) return false;
    }
    for (int y = 0; y < h; ++y) {
        const unsigned char* row = data + static_cast<std::ptrdiff_t>(y) * stride;
        if (row[0] != 0 || row[w - 1] != 0) return false;
    }
    return true;
}

}  // namespace

Pango::FontDescription FontDescriptionOf(const PixelFont& font) {
    Pango::FontDescription description;
    description.set_family(Glib::ustring(font.family.data(), font.family.data() + font.family.size()));
    description.set_absolute_size(std::max(1, font.pixelSize) * PANGO_SCALE);
    description.set_weight(font.bold ? Pango::WEIGHT_BOLD : Pango::WEIGHT_NORMAL);
    return description;
}

void DrawCircle(const Cairo::RefPtr<Cairo::Context>& cr, CircleKind kind, int cx, int cy, int radius) {
    switch (kind) {
        case CircleKind::kFilled:
            // Without antialiasing a pixel counts when its centre is inside.
            // With the radius alone the four pixels exactly `radius` away on
            // the axes stick out as single-pixel nubs; half a pixel more gives
            // the same extent, round.
            cr->arc(cx + 0.5, cy + 0.5, radius + 0.5, 0, 2 * M_PI);
            cr->fill();
            break;
        case CircleKind::kOutline:
            cr->set_line_width(1);
            cr->arc(cx + 0.5, cy + 0.5, radius, 0, 2 * M_PI);
            cr->stroke();
            break;
        case CircleKind::kDisc:
            cr->arc(cx + 0.5, cy + 0.5, radius, 0, 2 * M_PI);
            cr->fill();
            break;
    }
}

TextStamps::TextStamps(const std::string& fontDescription, int scale)
    : fontDescription_(fontDescription), scale_(std::max(1, scale)) {
    Pango::init();
    // The layouts are made exactly as the canvas makes its own (on an RGB
    // image surface of the same scale), so both get the same font options
    // and glyphs.
    scratch_ = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, scale_, scale_);
    if (scale_ != 1) cairo_surface_set_device_scale(scratch_->cobj(), scale_, scale_);
    scratchContext_ = Cairo::Context::create(scratch_);
    scratchContext_->set_antialias(Cairo::ANTIALIAS_NONE);
    programFont_.layout = Pango::Layout::create(scratchContext_);
    programFont_.layout->set_font_description(Pango::FontDescription(fontDescription));
}

TextStamps::~TextStamps() = default;

std::size_t TextStamps::Size() const { return programFont_.stamps.size(); }

const CircleSprite* TextStamps::Circle(CircleKind kind, int radius) {
    if (radius < 0 || radius > kLargestCircleSprite) return nullptr;
    for (const KeptCircle& c : circles_) {
        if (c.kind == kind && c.radius == radius) return &c.sprite;
    }
    if (circles_.size() >= kMostCircles) circles_.clear();
    // Drawn as on the image, shifted by whole device pixels only, so the
    // rasteriser meets the same edges at the same fractions of a pixel.
    // The outline's outer edge lies half a pixel past the radius; one more
    // pixel all round keeps the mask's border empty.
    CircleSprite sprite;
    sprite.offset = radius + 1;
    const int side = (2 * sprite.offset + 1) * scale_;
    sprite.mask = Cairo::ImageSurface::create(Cairo::FORMAT_A8, side, side);
    if (scale_ != 1) cairo_surface_set_device_scale(sprite.mask->cobj(), scale_, scale_);
    auto cr = Cairo::Context::create(sprite.mask);
    cr->set_antialias(Cairo::ANTIALIAS_NONE);
    cr->set_source_rgb(0, 0, 0);
    DrawCircle(cr, kind, sprite.offset, sprite.offset, radius);
    sprite.mask->flush();
    circles_.push_back({kind, radius, std::move(sprite)});
    return &circles_.back().sprite;
}

TextStamps::Font& TextStamps::FontOf(const PixelFont& font) {
    for (const std::unique_ptr<Font>& f : pixelFonts_) {
        if (f->pixelSize == font.pixelSize && f->bold == font.bold && f->family == font.family) return *f;
    }
    if (pixelFonts_.size() >= kMostPixelFonts) pixelFonts_.clear();
    auto f = std::make_unique<Font>();
    f->family = font.family;
    f->pixelSize = font.pixelSize;
    f->bold = font.bold;
    f->layout = Pango::Layout::create(scratchContext_);
    f->layout->set_font_description(FontDescriptionOf(font));
    pixelFonts_.push_back(std::move(f));
    return *pixelFonts_.back();
}

TextStamps::Entry& TextStamps::Find(Font& font, std::string_view text) {
    auto it = font.stamps.find(text);
    if (it != font.stamps.end()) return it->second;
    if (font.stamps.size() >= kMostStamps) font.stamps.clear();
    Entry& entry = font.stamps.emplace(std::string(text), Entry{}).first->second;
    font.layout->set_text(Glib::ustring(text.data(), text.data() + text.size()));
    font.layout->get_pixel_size(entry.stamp.width, entry.stamp.height);
    return entry;
}

int TextStamps::Width(std::string_view text) {
    if (text.empty()) return 0;
    return Find(programFont_, text).stamp.width;
}

const TextStamp& TextStamps::Stamp(std::string_view text) {
    Entry& entry = Find(programFont_, text);
    if (!entry.rasterised) Rasterise(programFont_, text, entry);
    return entry.stamp;
}

const TextStamp& TextStamps::Measure(const PixelFont& font, std::string_view text) {
    return Find(FontOf(font), text).stamp;
}

const TextStamp& TextStamps::Stamp(const PixelFont& pixelFont, std::string_view text) {
    Font& font = FontOf(pixelFont);
    Entry& entry = Find(font, text);
    if (!entry.rasterised) Rasterise(font, text, entry);
    return entry.stamp;
}

void TextStamps::Rasterise(Font& font, std::string_view text, Entry& entry) {
    entry.rasterised = true;
    const Glib::RefPtr<Pango::Layout>& layout = font.layout;
    layout->set_text(Glib::ustring(text.data(), text.data() + text.size()));
    Pango::Rectangle ink;
    Pango::Rectangle logical;
    layout->get_pixel_extents(ink, logical);
    if (ink.get_width() <= 0 || ink.get_height() <= 0) return;
    // Antialiased glyph edges may reach a little past the ink box the font
    // reports; the margin grows until the mask's outer ring stays empty.
    for (int pad = 3; pad <= 48; pad *= 2) {
        auto mask = Cairo::ImageSurface::create(Cairo::FORMAT_A8, (ink.get_width() + 2 * pad) * scale_,
                                                (ink.get_height() + 2 * pad) * scale_);
        if (scale_ != 1) cairo_surface_set_device_scale(mask->cobj(), scale_, scale_);
        auto cr = Cairo::Context::create(mask);
        cr->set_antialias(Cairo::ANTIALIAS_NONE);
        const int ox = pad - ink.get_x();
        const int oy = pad - ink.get_y();
        cr->set_source_rgb(0, 0, 0);
        cr->move_to(ox, oy);
        layout->show_in_cairo_context(cr);
        if (BorderIsEmpty(mask)) {
            entry.stamp.mask = mask;
            entry.stamp.originX = ox;
            entry.stamp.originY = oy;
            return;
        }
    }
    entry.stamp.paintDirectly = true;
}

}  // namespace sk
