#pragma once
// The line reader of the program's small text files of "Schlüssel = Wert"
// lines: line ends LF or CRLF, blank lines and lines starting with '#' or
// ';' left out, key and value without the blanks around them.

#include <string_view>

#include "base/TrimBlanks.h"

namespace sk {

struct KeyValueLine {
    int number = 0;           // from 1, counting every line of the text
    bool hasEquals = false;   // false: the whole line is in `key`
    std::string_view key;
    std::string_view value;
};

// Hands each line to `take` in order; stops early when it returns false.
template <typename Take>
void ForEachKeyValueLine(std::string_view text, Take&& take) {
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = TrimBlanks(line);
        if (line.empty() || line.front() == '#' || line.front() == ';') continue;
        KeyValueLine kv;
        kv.number = number;
        const std::size_t eq = line.find('=');
        kv.hasEquals = eq != std::string_view::npos;
        kv.key = TrimBlanks(line.substr(0, eq));
        if (kv.hasEquals) kv.value = TrimBlanks(line.substr(eq + 1));
        if (!take(kv)) return;
    }
}

}  // namespace sk
