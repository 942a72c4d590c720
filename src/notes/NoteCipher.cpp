#include "notes/NoteCipher.h"

#include "base/Latin1.h"

namespace sk {

std::string NoteKeyOf(std::string_view utf8Password) { return Utf8ToLatin1(utf8Password); }

std::string EncipherNote(std::string_view text, std::string_view key) {
    if (key.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size() * 3);
    std::size_t j = 0;
    for (const char ch : text) {
        const unsigned v = static_cast<unsigned char>(ch) ^ static_cast<unsigned char>(key[j]);
        if (++j == key.size()) j = 0;
        out += static_cast<char>('0' + v / 100);
        out += static_cast<char>('0' + v / 10 % 10);
        out += static_cast<char>('0' + v % 10);
    }
    return out;
}

std::string DecipherNote(std::string_view stored, std::string_view key) {
    if (key.empty()) return std::string(stored);
    std::string out;
    out.reserve(stored.size() / 3 + 1);
    std::size_t j = 0;
    for (std::size_t pos = 0; pos < stored.size(); pos += 3) {
        const std::string_view group = stored.substr(pos, 3);
        unsigned v = 0;
        for (const char c : group) {
            if (c < '0' || c > '9') break;
            v = v * 10 + static_cast<unsigned>(c - '0');
        }
        out += static_cast<char>((v & 0xFF) ^ static_cast<unsigned char>(key[j]));
        if (++j == key.size()) j = 0;
    }
    return out;
}

}  // namespace sk
