#include "ui/ButtonColumnWindow.h"

#include <memory>

#include "ui/ProgramStyle.h"
#include "settings/ProgramMenu.h"
#include "ui/ModalWindow.h"

namespace sk {

std::optional<int> RunButtonColumnMenu(WindowContext& context, const std::string& title, double heightRows,
                                       const std::vector<ButtonColumnItem>& items) {
    const Units units = context.units;
    std::vector<std::string_view> labels;
    for (const ButtonColumnItem& item : items) labels.push_back(item.label);
    const int extra = ButtonColumnExtraUnits(labels);
    const double width = 25 + extra;
    ModalWindow window(&context.parent, title, units, width, heightRows);
    const ButtonColumnGeometry g = ButtonColumn(units.u, units.r, static_cast<int>(items.size()), extra);
    std::optional<int> chosen;

    Gtk::Fixed area;
    Gtk::Frame frame;
    area.put(frame, g.frameX, g.frameY);
    frame.set_size_request(g.frameWidth, g.frameHeight);
    frame.show();
    // Labels as long as "Haldenau Zweischicht" must fit the 21 widths.
    auto narrow = Gtk::CssProvider::create();
    try {
        narrow->load_from_data("button { padding-left: 2px; padding-right: 2px; }");
    } catch (const Glib::Error&) {
    }
    std::vector<std::unique_ptr<Gtk::Button>> buttons;
    for (std::size_t k = 0; k < items.size(); ++k) {
        auto button = std::make_unique<Gtk::Button>(items[k].label);
        button->set_tooltip_text(items[k].tooltip);
        button->set_sensitive(items[k].enabled);
        button->get_style_context()->add_provider(narrow, GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
        // The fixed layout gives a child its natural width: keep it to the column.
        if (auto* label = dynamic_cast<Gtk::Label*>(button->get_child())) {
            label->set_ellipsize(Pango::ELLIPSIZE_END);
            label->set_max_width_chars(1);
        }
        // Buttons lie inside the frame, counted from its corner.
        area.put(*button, g.frameX + g.buttonX, g.frameY + g.ButtonY(static_cast<int>(k), units.r));
        button->set_size_request(g.buttonWidth, g.buttonHeight);
        const int index = static_cast<int>(k);
        button->signal_clicked().connect([&window, &chosen, index] {
            chosen = index;
            window.response(Gtk::RESPONSE_OK);
        });
        button->show();
        buttons.push_back(std::move(button));
    }
    window.Place(area, 0, 0, width, heightRows);
    window.signal_key_press_event().connect(
        [&window, &chosen, &items](GdkEventKey* event) {
            if (event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) return false;
            unsigned key = event->keyval;
            if (key >= 'a' && key <= 'z') key = key - 'a' + 'A';
            for (std::size_t k = 0; k < items.size(); ++k) {
                if (items[k].key != 0 && static_cast<unsigned>(items[k].key) == key) {
                    chosen = static_cast<int>(k);
                    window.response(Gtk::RESPONSE_OK);
                    return true;
                }
            }
            return false;
        },
        false);
    UseProgramFont(area);
    if (!buttons.empty()) {
        for (auto& b : buttons) {
            if (b->get_sensitive()) {
                b->grab_focus();
                break;
            }
        }
    }
    window.run();
    window.hide();
    return chosen;
}

}  // namespace sk
