#include "accounting/gtk/HomeCrewOptionsWindow.h"

#include <algorithm>

namespace sk {

namespace {
const char* const kCrewOptionLabels[5] = {"rot", "blau", "gelb", "grün", "braun"};
}

std::vector<std::string> HomeCrewOptionNames(const AppState& state) {
    if (state.settings.calendarType == kOwnPlanCalendarType && state.ownPlan) {
        std::vector<std::string> names;
        for (const OwnCrew& c : state.ownPlan->crews) names.push_back(c.name);
        return names;
    }
    return {std::begin(kCrewOptionLabels), std::end(kCrewOptionLabels)};
}

HomeCrewOptions::HomeCrewOptions(ModalWindow& window, double y, int& crew, const std::vector<std::string>& names) {
    label_.set_text("Stammschicht:");
    label_.set_xalign(0.0f);
    window.Place(label_, 1, y, 13, 1.5);
    const int count = std::clamp(static_cast<int>(names.size()), 1, kMaxOwnCrews);
    const int chosen = crew >= 0 && crew < count ? crew : 0;
    // The five colours keep their places of old; other names (the own plan's
    // crews, up to six) stand whole side by side, and the window grows to
    // hold them. Only names too long for any screen are cut (the tooltip
    // holds them whole).
    constexpr double kColourStep = 9;
    constexpr int kLongestWholeName = 16;
    bool fixedPlaces = count <= 5;
    for (int i = 0; i < count; ++i)
        if (Glib::ustring(names[static_cast<std::size_t>(i)]).size() > kColourStep - 4) fixedPlaces = false;
    row_.set_spacing(window.units().X(1));
    for (int i = 0; i < count; ++i) {
        Gtk::RadioButton& option = options_[i];
        option.set_label(names[static_cast<std::size_t>(i)]);
        option.set_tooltip_text(names[static_cast<std::size_t>(i)]);
        if (auto* label = dynamic_cast<Gtk::Label*>(option.get_child())) {
            // The colour names are short: whole, they still fit their places
            // (a cut "bra…" helps nobody).
            if (!fixedPlaces) {
                label->set_ellipsize(Pango::ELLIPSIZE_END);
                label->set_width_chars(std::min<int>(Glib::ustring(names[i]).size(), kLongestWholeName));
            }
        }
        if (i > 0) option.join_group(options_[0]);
        if (fixedPlaces) {
            window.Place(option, 15 + kColourStep * i, y, kColourStep - 1, 1.5);
        } else {
            row_.pack_start(option, false, false);
            option.show();
        }
    }
    if (!fixedPlaces) window.Place(row_, 15, y, 44, 1.5);
    options_[chosen].set_active(true);
    for (int i = 0; i < count; ++i) {
        choices_[i] = options_[i].signal_toggled().connect([this, i, &crew] {
            if (options_[i].get_active()) crew = i;
        });
    }
}

HomeCrewOptions::~HomeCrewOptions() {
    for (sigc::connection& c : choices_) c.disconnect();
}

}  // namespace sk
