#include "accounting/gtk/HomeCrewOptionsWindow.h"

namespace sk {

namespace {
const char* const kCrewOptionLabels[5] = {"rot", "blau", "gelb", "grün", "braun"};
}

HomeCrewOptions::HomeCrewOptions(ModalWindow& window, double y, int& crew) {
    label_.set_text("Stammschicht:");
    label_.set_xalign(0.0f);
    window.Place(label_, 1, y, 13, 1.5);
    const int chosen = crew >= 0 && crew < 5 ? crew : 0;
    for (int i = 0; i < 5; ++i) {
        Gtk::RadioButton& option = options_[i];
        option.set_label(kCrewOptionLabels[i]);
        if (i > 0) option.join_group(options_[0]);
        window.Place(option, 15 + 9 * i, y, 8, 1.5);
    }
    options_[chosen].set_active(true);
    for (int i = 0; i < 5; ++i) {
        choices_[i] = options_[i].signal_toggled().connect([this, i, &crew] {
            if (options_[i].get_active()) crew = i;
        });
    }
}

HomeCrewOptions::~HomeCrewOptions() {
    for (sigc::connection& c : choices_) c.disconnect();
}

}  // namespace sk
