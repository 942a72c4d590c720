#pragma once
// A dialog owned by the main window, sized in units, closed by Esc as its
// cancel would be; run() holds the caller until it is closed.

#include <gtkmm.h>

#include "ui/Units.h"

namespace sk {

class ModalWindow : public Gtk::Dialog {
public:
    ModalWindow(Gtk::Window* parent, const std::string& title, Units units, double widthUnits, double heightRows);

    // Places a child at (x, y) units with a size in units.
    void Place(Gtk::Widget& child, double x, double y, double w, double h);
    Units units() const { return units_; }

protected:
    Gtk::Fixed fixed_;
    Units units_;
};

// A text to read in a window: the view shows it unwrapped, not editable,
// without a cursor, inside the scroller (a frame, scroll bars as needed).
void SetUpReadOnlyText(Gtk::ScrolledWindow& scroller, Gtk::TextView& view, const Glib::ustring& text);

// Return in the window presses `button` (its accept), from every text field
// of the window too; a focused other button still takes Return itself.
// Called once the window holds its fields.
void AcceptOnReturn(Gtk::Window& window, Gtk::Button& button);

}  // namespace sk
