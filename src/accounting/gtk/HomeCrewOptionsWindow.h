#pragma once
// The row "Stammschicht:" with one option button per crew, shared by the
// vacation and hours windows. Choosing a crew sets it at once.

#include <gtkmm.h>

#include <array>

#include "ui/ModalWindow.h"

namespace sk {

class HomeCrewOptions {
public:
    // Label at (u, y), options at 15u, 24u, 33u, 42u and 51u; `crew` is
    // changed whenever another option is chosen.
    HomeCrewOptions(ModalWindow& window, double y, int& crew);
    // Options torn down choose nothing.
    ~HomeCrewOptions();

private:
    Gtk::Label label_;
    std::array<Gtk::RadioButton, 5> options_;
    std::array<sigc::connection, 5> choices_;
};

}  // namespace sk
