#pragma once
// Saving what a session changed: used at the end of the program, before a
// user change, and by the windows that switch users.

#include <string>
#include <vector>

#include "ui/AppState.h"

namespace sk {

// Saves the marks that changed and the settings (with what the view changed
// in them). The paths of the files that could not be written; a file that
// failed keeps its data in memory, so the save can be tried again.
std::vector<std::string> SaveSessionData(AppState& state);

}  // namespace sk
