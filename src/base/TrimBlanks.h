#pragma once
// Blanks around values: the settings file, the account files and the input
// fields all drop the same characters.

#include <string_view>

namespace sk {

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The text without the blanks and tabs around it.
constexpr std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace sk
