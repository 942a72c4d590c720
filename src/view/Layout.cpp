#include "view/Layout.h"

#include <pangomm.h>
#include <pangomm/init.h>

#include <cmath>
#include <cstdio>


namespace sk {

int RoundHalfEven(double x) { return static_cast<int>(std::nearbyint(x)); }

int RoundHalfAway(double x) { return static_cast<int>(std::lround(x)); }

std::string FontDescriptionText(const FontChoice& font, const std::string& defaultFamily, double textScale) {
    std::string text = font.family.empty() ? defaultFamily : font.family;
    // A trailing comma keeps a family whose last word looks like a style
    // ("Noto Sans Mono Bold") from being read as one.
    text += ",";
    if (font.style & 1) text += " Bold";
    if (font.style & 2) text += " Italic";
    if (textScale == 1.0) {
        text += " " + std::to_string(font.size);
    } else {
        char size[32];
        std::snprintf(size, sizeof size, " %.4g", font.size * textScale);
        text += size;
    }
    return text;
}

FontMetrics MeasureFont(const std::string& fontDescription) {
    Pango::init();
    auto surface = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, 1, 1);
    auto cr = Cairo::Context::create(surface);
    auto layout = Pango::Layout::create(cr);
    layout->set_font_description(Pango::FontDescription(fontDescription));
    long sumWidth = 0;
    long sumHeight = 0;
    for (char ch = '0'; ch <= 'z'; ++ch) {
        layout->set_text(std::string(1, ch));
        int w = 0;
        int h = 0;
        layout->get_pixel_size(w, h);
        sumWidth += w;
        sumHeight += h;
    }
    FontMetrics m;
    m.unitWidth = static_cast<int>(sumWidth / 75);
    m.rowHeight = static_cast<int>(sumHeight / 75);
    if (m.unitWidth < 1 || m.rowHeight < 1) return FontMetrics{};
    return m;
}

}  // namespace sk
