#pragma once
// Keeps a window inside the work area of its screen: a window larger than
// the area (a file chooser remembering a big screen, a long dialog on a
// netbook) is made smaller where it can be and moved so that its top left
// and as much as fits are on screen.

#include <gtkmm.h>

namespace sk {

// From now on, whenever the window is placed or sized.
void KeepInWorkArea(Gtk::Window& window);

// The scrolled part of a dialog (its content added already) shows all of it
// where the screen is high enough, otherwise as much as leaves
// `reserveRows` rows of `rowHeight` for the rest of the dialog: its
// buttons, margins and title bar. `screenOf` names the screen.
void ScrollWhereTooHigh(Gtk::ScrolledWindow& scroller, Gtk::Widget& content, Gtk::Window& screenOf, int rowHeight,
                        double reserveRows);

}  // namespace sk
