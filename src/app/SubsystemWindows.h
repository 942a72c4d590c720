#pragma once
// The one place where the commands of the subsystems (notes, marks, accounts,
// settings, users, lists, info) reach their windows. Each subsystem keeps its
// windows in its gtk/ folder; this file only routes a MenuId to them.

#include "ui/WindowContext.h"

namespace sk {

// Opens the window of a command; false when the command has no window.
// The caller repaints afterwards when true is returned.
bool OpenSubsystemWindow(WindowContext& context, int menuId);

// A context for windows owned by the main window, routed here.
inline WindowContext MainWindowContext(AppState& state, Gtk::Window& mainWindow, CommandHost& host) {
    return WindowContext{state, mainWindow, host, Units{state.view.unitWidth, state.view.rowHeight},
                         &OpenSubsystemWindow};
}

}  // namespace sk
