#include "ui/ModalWindow.h"

#include "ui/WorkArea.h"

namespace sk {

ModalWindow::ModalWindow(Gtk::Window* parent, const std::string& title, Units units, double widthUnits,
                         double heightRows)
    : Gtk::Dialog(title, true), units_(units) {
    if (parent) set_transient_for(*parent);
    set_position(Gtk::WIN_POS_CENTER_ON_PARENT);
    set_resizable(false);
    set_default_size(units.X(widthUnits), units.Y(heightRows));
    KeepInWorkArea(*this);
    get_content_area()->pack_start(fixed_, true, true);
    fixed_.show();
}

void ModalWindow::Place(Gtk::Widget& child, double x, double y, double w, double h) {
    fixed_.put(child, units_.X(x), units_.Y(y));
    child.set_size_request(units_.X(w), units_.Y(h));
    child.show();
}

void SetUpReadOnlyText(Gtk::ScrolledWindow& scroller, Gtk::TextView& view, const Glib::ustring& text) {
    scroller.set_policy(Gtk::POLICY_AUTOMATIC, Gtk::POLICY_AUTOMATIC);
    scroller.set_shadow_type(Gtk::SHADOW_IN);
    view.set_editable(false);
    view.set_cursor_visible(false);
    view.set_wrap_mode(Gtk::WRAP_NONE);
    view.get_buffer()->set_text(text);
    scroller.add(view);
    view.show();
}

namespace {

void FieldsActivateDefault(Gtk::Widget& widget) {
    if (auto* entry = dynamic_cast<Gtk::Entry*>(&widget)) entry->set_activates_default(true);
    if (auto* container = dynamic_cast<Gtk::Container*>(&widget))
        for (Gtk::Widget* child : container->get_children()) FieldsActivateDefault(*child);
}

}  // namespace

void AcceptOnReturn(Gtk::Window& window, Gtk::Button& button) {
    button.set_can_default(true);
    window.set_default(button);
    FieldsActivateDefault(window);
}

}  // namespace sk
