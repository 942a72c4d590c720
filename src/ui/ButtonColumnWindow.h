#pragma once
// A small menu window: a frame around a column of push buttons, one per
// entry, each also chosen by its letter key. The window closes before the
// caller runs the chosen entry.

#include <optional>
#include <string>
#include <vector>

#include "ui/WindowContext.h"

namespace sk {

struct ButtonColumnItem {
    std::string label;
    std::string tooltip;
    char key = 0;          // upper-case letter, 0 for none
    bool enabled = true;   // a disabled button still answers to its key
};

// Shows the menu; the index of the chosen entry, nothing for Esc or closing.
std::optional<int> RunButtonColumnMenu(WindowContext& context, const std::string& title, double heightRows,
                                       const std::vector<ButtonColumnItem>& items);

}  // namespace sk
