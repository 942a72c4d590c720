#pragma once
// The program menu "Programm".

#include "ui/WindowContext.h"

namespace sk {

// Shows the menu, closes it, then runs the chosen entry with the main window
// as owner. True when the calendar must be repainted.
bool ShowProgramMenu(WindowContext& context);

}  // namespace sk
