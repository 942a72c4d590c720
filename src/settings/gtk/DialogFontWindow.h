#pragma once
// Dialog controls show the program font, as the main window's do.

#include <gtkmm.h>

#include <string>

namespace sk {

inline void UseProgramFont(Gtk::Widget& widget, const Pango::FontDescription& font) {
    widget.override_font(font);
    if (auto* container = dynamic_cast<Gtk::Container*>(&widget)) {
        for (Gtk::Widget* child : container->get_children()) UseProgramFont(*child, font);
    }
}

inline void UseProgramFont(Gtk::Widget& widget, const std::string& fontDescription) {
    UseProgramFont(widget, Pango::FontDescription(fontDescription));
}

}  // namespace sk
