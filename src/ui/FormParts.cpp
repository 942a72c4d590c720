#include "ui/FormParts.h"

#include "ui/Accessible.h"

namespace sk {

Gtk::Label* NewLabel(const char* text) {
    auto* label = Gtk::make_managed<Gtk::Label>(text);
    label->set_xalign(0);
    return label;
}

Gtk::Label* LabelFor(const char* text, Gtk::Widget& field) {
    Gtk::Label* label = NewLabel(text);
    label->set_mnemonic_widget(field);
    NameForScreenReaders(field, text);
    return label;
}

Gtk::Frame* NewGroup(const char* title, Gtk::Grid*& grid, int u, int r) {
    auto* frame = Gtk::make_managed<Gtk::Frame>(title);
    grid = Gtk::make_managed<Gtk::Grid>();
    grid->set_column_spacing(u);
    grid->set_row_spacing(r / 4);
    grid->set_margin_start(u);
    grid->set_margin_end(u);
    grid->set_margin_top(r / 3);
    grid->set_margin_bottom(r / 2);
    frame->add(*grid);
    return frame;
}

}  // namespace sk
