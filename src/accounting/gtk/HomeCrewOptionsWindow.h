#pragma once
// The row "Stammschicht:" with one option button per crew, shared by the
// vacation and hours windows. Choosing a crew sets it at once.

#include <gtkmm.h>

#include <array>
#include <string>
#include <vector>

#include "ui/AppState.h"
#include "ui/ModalWindow.h"

namespace sk {

// The names the options show: the five crew colours, or the crews of the
// own plan when it is shown.
std::vector<std::string> HomeCrewOptionNames(const AppState& state);

class HomeCrewOptions {
public:
    // Label at (u, y), one option per name from 15u on; `crew` is changed
    // whenever another option is chosen.
    HomeCrewOptions(ModalWindow& window, double y, int& crew, const std::vector<std::string>& names);
    // Options torn down choose nothing.
    ~HomeCrewOptions();

private:
    Gtk::Label label_;
    Gtk::Box row_{Gtk::ORIENTATION_HORIZONTAL};
    std::array<Gtk::RadioButton, kMaxOwnCrews> options_;
    std::array<sigc::connection, kMaxOwnCrews> choices_;
};

}  // namespace sk
