#pragma once
// The info menu "Info" (button "Info", key F12): two framed groups of
// buttons, the three lists and the eight help texts, each with its key.

#include "ui/WindowContext.h"
#include "help/HelpTexts.h"

namespace sk {

// Runs the menu; the window closes before the chosen entry opens. Returns
// false: nothing shown in the calendar changes.
bool ShowInfoMenu(WindowContext& context);

// Opens what one entry of the menu leads to.
void RunInfoMenuAction(WindowContext& context, InfoMenuAction action);

}  // namespace sk
