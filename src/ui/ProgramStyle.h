#pragma once
// The one style sheet of the program: the program font and the calendar's
// background colour for the main window and every dialog that shows them.
// Widgets take them through style classes, so a change of font or colour
// reaches all of them by replacing the sheet.

#include <gtkmm.h>

#include <string>

#include "view/Layout.h"

namespace sk {

// Installs (first call) or replaces the sheet for the default screen.
void ApplyProgramStyle(const FontChoice& font, const std::string& defaultFamily, Rgb background);

// The main window's background, and its compact buttons and fields in the
// program font; a dialog may look the same.
void StyleLikeMainWindow(Gtk::Window& window);

// The widget and everything inside it show the program font.
void UseProgramFont(Gtk::Widget& widget);
// The widget shows the calendar's background colour; a text view shows it
// behind its text.
void UseCalendarBackground(Gtk::Widget& widget);

}  // namespace sk
