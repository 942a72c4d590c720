#pragma once
// The read-only window that shows one help text: 98 character widths wide,
// the given height in rows, the text in the program font one width and one
// row in from the corner, on the window colour. Esc or closing ends it.

#include <string>

#include "ui/WindowContext.h"
#include "help/HelpTexts.h"

namespace sk {

void ShowHelpText(WindowContext& context, const std::string& title, const std::string& text, int heightRows);

// The fixed help text of that title; nothing happens for an unknown title.
void ShowHelpText(WindowContext& context, const char* title);

}  // namespace sk
