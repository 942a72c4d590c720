#include "ui/WorkArea.h"

#include <algorithm>

namespace sk {

namespace {

bool AreaOf(Gtk::Window& window, Gdk::Rectangle& area) {
    Glib::RefPtr<Gdk::Display> display = window.get_display();
    if (!display) return false;
    Glib::RefPtr<Gdk::Monitor> monitor;
    if (Glib::RefPtr<Gdk::Window> own = window.get_window()) monitor = display->get_monitor_at_window(own);
    if (!monitor) monitor = display->get_primary_monitor();
    if (!monitor && display->get_n_monitors() > 0) monitor = display->get_monitor(0);
    if (!monitor) return false;
    monitor->get_workarea(area);
    return area.get_width() > 0 && area.get_height() > 0;
}

void Fit(Gtk::Window& window) {
    Glib::RefPtr<Gdk::Window> own = window.get_window();
    Gdk::Rectangle area;
    if (!own || !AreaOf(window, area)) return;
    Gdk::Rectangle frame;
    own->get_frame_extents(frame);
    int w = 0, h = 0;
    window.get_size(w, h);
    // What the desktop adds around the window (title bar, borders).
    const int extraW = std::max(frame.get_width() - w, 0), extraH = std::max(frame.get_height() - h, 0);
    const int fitW = std::min(w, area.get_width() - extraW), fitH = std::min(h, area.get_height() - extraH);
    if (fitW > 0 && fitH > 0 && (fitW != w || fitH != h) && window.get_resizable()) window.resize(fitW, fitH);
    const int frameW = std::min(fitW, w) + extraW, frameH = std::min(fitH, h) + extraH;
    const int x = std::clamp(frame.get_x(), area.get_x(), std::max(area.get_x(), area.get_x() + area.get_width() - frameW));
    const int y =
        std::clamp(frame.get_y(), area.get_y(), std::max(area.get_y(), area.get_y() + area.get_height() - frameH));
    if (x != frame.get_x() || y != frame.get_y()) window.move(x, y);
}

}  // namespace

void KeepInWorkArea(Gtk::Window& window) {
    window.signal_configure_event().connect(
        [&window](GdkEventConfigure*) {
            Fit(window);
            return false;
        },
        false);
}

void ScrollWhereTooHigh(Gtk::ScrolledWindow& scroller, Gtk::Widget& content, Gtk::Window& screenOf, int rowHeight,
                        double reserveRows) {
    int minimum = 0, natural = 0;
    content.get_preferred_height(minimum, natural);
    int height = natural;
    Gdk::Rectangle area;
    if (AreaOf(screenOf, area)) {
        const int room = area.get_height() - static_cast<int>(reserveRows * rowHeight);
        height = std::min(natural, std::max(room, 4 * rowHeight));
    }
    scroller.set_policy(Gtk::POLICY_NEVER, Gtk::POLICY_AUTOMATIC);
    scroller.set_propagate_natural_width(true);
    scroller.set_min_content_height(height);
}

}  // namespace sk
