#include "ui/ProgramStyle.h"

#include <cstdio>

#include "view/Contrast.h"

namespace sk {

namespace {

constexpr const char* kMainWindowStyleName = "sk-main";
constexpr const char* kProgramFontClass = "sk-program-font";
constexpr const char* kCalendarBackgroundClass = "sk-calendar-background";

std::string CssColour(Rgb c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
    return buf;
}

std::string CssFont(const FontChoice& font, const std::string& defaultFamily) {
    const std::string& family = font.family.empty() ? defaultFamily : font.family;
    return "font-family: \"" + family + "\"; font-size: " + std::to_string(font.size) +
           "pt; font-weight: " + ((font.style & 1) ? "bold" : "normal") +
           "; font-style: " + ((font.style & 2) ? "italic" : "normal") + ";";
}

Glib::RefPtr<Gtk::CssProvider>& Sheet() {
    static Glib::RefPtr<Gtk::CssProvider> sheet;
    return sheet;
}

}  // namespace

void ApplyProgramStyle(const FontChoice& font, const std::string& defaultFamily, Rgb background) {
    Glib::RefPtr<Gtk::CssProvider>& sheet = Sheet();
    if (!sheet) {
        sheet = Gtk::CssProvider::create();
        Gtk::StyleContext::add_provider_for_screen(Gdk::Screen::get_default(), sheet,
                                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    }
    const std::string main = std::string("#") + kMainWindowStyleName;
    const std::string colour = CssColour(background);
    // Our own background gets our own text colour: the theme's (white in a
    // dark theme) would be unreadable on the calendar's light beige. Labels
    // inherit it from the window.
    const std::string text = "color: " + CssColour(TextColourOn(background)) + ";";
    const std::string fontRules = CssFont(font, defaultFamily);
    std::string css =
        main + ", " + main + " entry { background-color: " + colour + "; background-image: none; " + text + " }\n";
    css += main + " button, " + main + " entry { " + fontRules + " padding: 0; min-height: 0; }\n";
    css += std::string(".") + kProgramFontClass + ", ." + kProgramFontClass + " * { " + fontRules + " }\n";
    const std::string backgroundClass = std::string(".") + kCalendarBackgroundClass;
    css += backgroundClass + ":not(textview), textview" + backgroundClass + " text { background-color: " + colour +
           "; background-image: none; " + text + " }\n";
    try {
        sheet->load_from_data(css);
    } catch (const Glib::Error&) {
        // A font name the style parser rejects keeps the toolkit's font.
    }
}

void StyleLikeMainWindow(Gtk::Window& window) { window.set_name(kMainWindowStyleName); }

void UseProgramFont(Gtk::Widget& widget) { widget.get_style_context()->add_class(kProgramFontClass); }

void UseCalendarBackground(Gtk::Widget& widget) { widget.get_style_context()->add_class(kCalendarBackgroundClass); }

}  // namespace sk
