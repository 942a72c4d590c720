#pragma once
// The one place where the commands of the subsystems (notes, marks, accounts,
// settings, users, lists, info) reach their windows. Each subsystem keeps its
// windows in its own folder; this file only routes a MenuId to them.

#include <gtkmm.h>

#include "app/AppState.h"
#include "app/Commands.h"
#include "ui/Units.h"

namespace sk {

struct WindowContext {
    AppState& state;
    Gtk::Window& parent;  // the main window, owner of every dialog
    CommandHost& host;    // repaint, relayout, messages of the frame
    Units units;          // u and r of the program font
};

// Opens the window of a command; false when the command has no window.
// The caller repaints afterwards when true is returned.
bool OpenSubsystemWindow(WindowContext& context, int menuId);

}  // namespace sk
