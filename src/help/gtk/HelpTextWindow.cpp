#include "help/gtk/HelpTextWindow.h"

#include "ui/ModalWindow.h"

namespace sk {

void ShowHelpText(WindowContext& context, const std::string& title, const std::string& text, int heightRows) {
    ModalWindow window(&context.parent, title, context.units, kHelpWindowWidthUnits, heightRows);
    const Rgb background = context.state.view.backgroundColour;
    Gdk::RGBA colour;
    colour.set_rgba_u(RedOf(background) * 257, GreenOf(background) * 257, BlueOf(background) * 257);
    window.override_background_color(colour);
    Gtk::ScrolledWindow scroller;
    Gtk::TextView view;
    view.override_font(Pango::FontDescription(context.state.FontDescription()));
    // The text keeps its own line breaks ("\r\n"); the buffer takes them as such.
    SetUpReadOnlyText(scroller, view, text);
    window.Place(scroller, 1, 1, kHelpTextWidthUnits, heightRows - 2);
    window.run();
}

void ShowHelpText(WindowContext& context, const char* title) {
    const HelpText* help = FindHelpText(title);
    if (help == nullptr) return;
    ShowHelpText(context, help->title, help->text, help->heightRows);
}

}  // namespace sk
