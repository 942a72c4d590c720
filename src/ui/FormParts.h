#pragma once
// Building blocks of the program's form windows: labels, fields named for
// screen readers, framed groups in the units of the program font.

#include <gtkmm.h>

namespace sk {

// A left-aligned label.
Gtk::Label* NewLabel(const char* text);
// The label of a field, named like it for screen readers.
Gtk::Label* LabelFor(const char* text, Gtk::Widget& field);
// A titled frame holding a grid spaced in the units u and r; the grid in `grid`.
Gtk::Frame* NewGroup(const char* title, Gtk::Grid*& grid, int u, int r);

}  // namespace sk
