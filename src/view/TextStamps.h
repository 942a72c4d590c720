#pragma once
// The calendar paints the same few dozen short texts (day numbers, weekday
// abbreviations, week numbers, shift letters, month headers) hundreds of
// times per repaint. A stamp holds one text laid out and rasterised once:
// its size and its coverage mask as pango draws it. Painting a stamp is
// masking the text colour through it, which gives the very pixels pango
// gives, at a fraction of the cost of shaping and rendering the glyphs.
// The moon phases' and shifts' circles are kept the same way, as masks of
// the few radii a page draws.

#include <cairomm/cairomm.h>
#include <pangomm.h>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sk {

struct TextStamp {
    int width = 0;  // logical size in pixels, as Pango::Layout::get_pixel_size
    int height = 0;
    // Coverage of the glyphs; null for a text that inks nothing (" ").
    Cairo::RefPtr<Cairo::ImageSurface> mask;
    // Where the text's top left corner lies inside the mask.
    int originX = 0;
    int originY = 0;
    // Set when no mask could hold the text: it is then painted with pango.
    bool paintDirectly = false;
};

// A font given by family, size in pixels and weight, for pages laid out in
// pixels rather than in the program font.
struct PixelFont {
    std::string_view family;
    int pixelSize = 0;
    bool bold = false;
    bool operator==(const PixelFont&) const = default;
};
Pango::FontDescription FontDescriptionOf(const PixelFont& font);

// The circles the painters draw: a filled circle reaching half a pixel past
// its radius, a one pixel outline, and a disc of the pixels whose centres
// lie within the radius.
enum class CircleKind { kFilled, kOutline, kDisc };
// Draws one in the context's source, centred on the middle of pixel (cx, cy).
void DrawCircle(const Cairo::RefPtr<Cairo::Context>& cr, CircleKind kind, int cx, int cy, int radius);

// A circle rasterised once: its coverage, with the circle centred on the
// middle of pixel (offset, offset) of the mask (logical pixels).
struct CircleSprite {
    Cairo::RefPtr<Cairo::ImageSurface> mask;
    int offset = 0;
};

// The stamps of the program font and of any pixel fonts painted with it,
// kept across repaints.
class TextStamps {
public:
    // Stamps for an image of `scale` device pixels per logical pixel; sizes
    // and origins are logical, the masks have the device's resolution.
    explicit TextStamps(const std::string& fontDescription, int scale = 1);
    ~TextStamps();

    const std::string& FontDescription() const { return fontDescription_; }
    int Scale() const { return scale_; }

    // The stamp of a text in the program font, made on first use. The
    // reference stays valid until the next call.
    const TextStamp& Stamp(std::string_view text);
    // Width alone; does not rasterise.
    int Width(std::string_view text);
    // The same in a pixel font; each font has stamps of its own.
    const TextStamp& Stamp(const PixelFont& font, std::string_view text);
    // Size alone; does not rasterise.
    const TextStamp& Measure(const PixelFont& font, std::string_view text);

    // Stamps of the program font.
    std::size_t Size() const;

    // The circle as DrawCircle draws it without smoothing, made on first
    // use; null for radii that are not kept (the caller draws those). The
    // pointer stays valid until the next call.
    const CircleSprite* Circle(CircleKind kind, int radius);

private:
    struct Entry {
        TextStamp stamp;
        bool rasterised = false;
    };
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    // The stamps of one font and the layout that makes them.
    struct Font {
        std::string family;  // for pixel fonts
        int pixelSize = 0;
        bool bold = false;
        Glib::RefPtr<Pango::Layout> layout;
        std::unordered_map<std::string, Entry, Hash, std::equal_to<>> stamps;
    };
    Font& FontOf(const PixelFont& font);
    Entry& Find(Font& font, std::string_view text);
    void Rasterise(Font& font, std::string_view text, Entry& entry);

    std::string fontDescription_;
    int scale_ = 1;
    Cairo::RefPtr<Cairo::ImageSurface> scratch_;
    Cairo::RefPtr<Cairo::Context> scratchContext_;
    Font programFont_;
    std::vector<std::unique_ptr<Font>> pixelFonts_;
    struct KeptCircle {
        CircleKind kind;
        int radius;
        CircleSprite sprite;
    };
    std::vector<KeptCircle> circles_;
};

}  // namespace sk
