#pragma once
// What every window of a subsystem is given: the program's state, its owner
// window, the main window's services and the units of the program font, and
// the one route by which a window opens the window of another subsystem.

#include <gtkmm.h>

#include "ui/AppState.h"
#include "ui/CommandHost.h"
#include "ui/MenuIds.h"
#include "ui/Units.h"

namespace sk {

struct WindowContext;

// Opens the window of a command number over context.parent; false when the
// command has no window. The program supplies it.
using WindowRoute = bool (*)(WindowContext& context, int menuId);

struct WindowContext {
    AppState& state;
    Gtk::Window& parent;  // owner of the dialogs opened with this context
    CommandHost& host;    // repaint, relayout, messages of the main window
    Units units;          // u and r of the program font
    WindowRoute route;

    // The same context for windows owned by another (dialog) window.
    WindowContext Over(Gtk::Window& owner) { return WindowContext{state, owner, host, units, route}; }
};

inline bool OpenWindow(WindowContext& context, int menuId) { return context.route(context, menuId); }

}  // namespace sk
