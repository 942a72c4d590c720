#include "view/TextStamps.h"

#include <pangomm/init.h>

#include <algorithm>

namespace sk {

namespace {

// Headers carry the year, so paging through the decades keeps adding
// texts; beyond this many the stamps are made afresh.
constexpr std::size_t kMostStamps = 1024;

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

TextStamps::TextStamps(const std::string& fontDescription, int scale)
    : fontDescription_(fontDescription), scale_(std::max(1, scale)) {
    Pango::init();
    // The layout is made exactly as the canvas makes its own (on an RGB
    // image surface of the same scale), so both get the same font options
    // and glyphs.
    scratch_ = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, scale_, scale_);
    if (scale_ != 1) cairo_surface_set_device_scale(scratch_->cobj(), scale_, scale_);
    scratchContext_ = Cairo::Context::create(scratch_);
    scratchContext_->set_antialias(Cairo::ANTIALIAS_NONE);
    layout_ = Pango::Layout::create(scratchContext_);
    layout_->set_font_description(Pango::FontDescription(fontDescription));
}

TextStamps::Entry& TextStamps::Find(std::string_view text) {
    auto it = stamps_.find(text);
    if (it != stamps_.end()) return it->second;
    if (stamps_.size() >= kMostStamps) stamps_.clear();
    Entry& entry = stamps_.emplace(std::string(text), Entry{}).first->second;
    layout_->set_text(Glib::ustring(text.data(), text.data() + text.size()));
    int w = 0;
    int h = 0;
    layout_->get_pixel_size(w, h);
    entry.stamp.width = w;
    return entry;
}

int TextStamps::Width(std::string_view text) {
    if (text.empty()) return 0;
    return Find(text).stamp.width;
}

const TextStamp& TextStamps::Stamp(std::string_view text) {
    Entry& entry = Find(text);
    if (!entry.rasterised) Rasterise(text, entry);
    return entry.stamp;
}

void TextStamps::Rasterise(std::string_view text, Entry& entry) {
    entry.rasterised = true;
    layout_->set_text(Glib::ustring(text.data(), text.data() + text.size()));
    Pango::Rectangle ink;
    Pango::Rectangle logical;
    layout_->get_pixel_extents(ink, logical);
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
        layout_->show_in_cairo_context(cr);
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
