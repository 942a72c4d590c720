#include "notes/YearMarkers.h"

namespace sk {

std::string InsertYears(std::string_view text, int year) {
    std::string out(text);
    for (;;) {
        const std::size_t open = out.find('<');
        if (open == std::string::npos) break;
        const std::size_t s = open + 1;
        const std::size_t close = out.find('>', s);
        if (close == std::string::npos) break;
        // The distance counts characters, not bytes (UTF-8 continuation bytes skipped).
        std::size_t characters = 0;
        for (std::size_t i = s; i < close && characters <= 4; ++i)
            if ((static_cast<unsigned char>(out[i]) & 0xC0) != 0x80) ++characters;
        if (characters < 1 || characters > 4) break;
        int y = 0;
        for (std::size_t i = s; i < close && out[i] >= '0' && out[i] <= '9'; ++i) y = y * 10 + (out[i] - '0');
        if (y == 0) break;
        const std::string marker = "<" + std::to_string(y) + ">";
        const std::string value = std::to_string(year - y);
        std::string replaced;
        bool any = false;
        std::size_t pos = 0;
        for (std::size_t hit; (hit = out.find(marker, pos)) != std::string::npos; pos = hit + marker.size()) {
            replaced.append(out, pos, hit - pos);
            replaced += value;
            any = true;
        }
        if (!any) break;  // marker digits not in plain form: nothing would ever change
        replaced.append(out, pos, std::string::npos);
        out = std::move(replaced);
    }
    return out;
}

std::string AppendYearMarkerLine(std::string_view text, int startYear) {
    std::string line = "<" + std::to_string(startYear) + ">. Geburtstag ";
    if (text.empty()) return line;
    std::string out(text);
    out += '\n';
    out += line;
    return out;
}

}  // namespace sk
