#pragma once
// The two account fields of the main window's status line: the minus and
// plus hours (text and colour) and the remaining vacation.

#include <gtkmm.h>

#include "ui/AppState.h"

namespace sk {

// Reads the account files of the user and fills both fields; empty for the
// four-crew plans.
void ShowAccountStatus(AppState& state, Gtk::Entry& hoursField, Gtk::Entry& vacationField);

}  // namespace sk
