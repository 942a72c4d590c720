#pragma once
// The calendar paints the same few dozen short texts (day numbers, weekday
// abbreviations, week numbers, shift letters, month headers) hundreds of
// times per repaint. A stamp holds one text laid out and rasterised once:
// its width and its coverage mask as pango draws it. Painting a stamp is
// masking the text colour through it, which gives the very pixels pango
// gives, at a fraction of the cost of shaping and rendering the glyphs.

#include <cairomm/cairomm.h>
#include <pangomm.h>

#include <string>
#include <string_view>
#include <unordered_map>

namespace sk {

struct TextStamp {
    int width = 0;  // logical width in pixels, as Pango::Layout::get_pixel_size
    // Coverage of the glyphs; null for a text that inks nothing (" ").
    Cairo::RefPtr<Cairo::ImageSurface> mask;
    // Where the text's top left corner lies inside the mask.
    int originX = 0;
    int originY = 0;
    // Set when no mask could hold the text: it is then painted with pango.
    bool paintDirectly = false;
};

// The stamps of one font, kept across repaints.
class TextStamps {
public:
    // Stamps for an image of `scale` device pixels per logical pixel; widths
    // and origins are logical, the masks have the device's resolution.
    explicit TextStamps(const std::string& fontDescription, int scale = 1);

    const std::string& FontDescription() const { return fontDescription_; }
    int Scale() const { return scale_; }

    // The stamp of a text, made on first use. The reference stays valid
    // until the next call.
    const TextStamp& Stamp(std::string_view text);
    // Width alone; does not rasterise.
    int Width(std::string_view text);

    std::size_t Size() const { return stamps_.size(); }

private:
    struct Entry {
        TextStamp stamp;
        bool rasterised = false;
    };
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    Entry& Find(std::string_view text);
    void Rasterise(std::string_view text, Entry& entry);

    std::string fontDescription_;
    int scale_ = 1;
    Cairo::RefPtr<Cairo::ImageSurface> scratch_;
    Cairo::RefPtr<Cairo::Context> scratchContext_;
    Glib::RefPtr<Pango::Layout> layout_;
    std::unordered_map<std::string, Entry, Hash, std::equal_to<>> stamps_;
};

}  // namespace sk
