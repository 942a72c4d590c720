#include "base/Latin1.h"

namespace sk {
namespace {

struct Decoded {
    char32_t code;
    std::size_t length;  // bytes used
    bool valid;
};

// Decodes one character at the start of a non-empty text. A malformed
// sequence yields its first byte as a character of its own.
Decoded DecodeOne(std::string_view s) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80) return {b0, 1, true};
    std::size_t len = 0;
    char32_t code = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2, code = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, code = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, code = b0 & 0x07, min = 0x10000;
    } else {
        return {b0, 1, false};
    }
    if (s.size() < len) return {b0, 1, false};
    for (std::size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return {b0, 1, false};
        code = (code << 6) | (b & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {b0, 1, false};
    return {code, len, true};
}

}  // namespace

std::string Latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size() + latin1.size() / 8);
    for (const char ch : latin1) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

std::string Utf8ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const Decoded d = DecodeOne(utf8);
        out += static_cast<char>(d.code & 0xFF);
        utf8.remove_prefix(d.length);
    }
    return out;
}

bool IsStorableNoteText(std::string_view utf8) {
    while (!utf8.empty()) {
        const Decoded d = DecodeOne(utf8);
        if (!d.valid || d.code > 0xFF) return false;
        utf8.remove_prefix(d.length);
    }
    return true;
}

std::size_t ValidUtf8SequenceLength(std::string_view s) {
    const Decoded d = DecodeOne(s);
    return d.valid ? d.length : 0;
}

std::size_t Utf8CharacterCount(std::string_view utf8) {
    std::size_t n = 0;
    while (!utf8.empty()) {
        utf8.remove_prefix(DecodeOne(utf8).length);
        ++n;
    }
    return n;
}

namespace {
// The characters of `text` from the `skip`th on, at most `count` of them, cleaned.
std::string CleanCharacters(std::string_view text, std::size_t skip, std::size_t count) {
    std::string out;
    for (std::size_t n = 0; !text.empty() && n < skip + count; ++n) {
        const Decoded d = DecodeOne(text);
        if (n >= skip) {
            const bool shown = d.valid && d.code >= 0x20 && !(d.code >= 0x7F && d.code <= 0x9F);
            out.append(shown ? text.substr(0, d.length) : std::string_view("?"));
        }
        text.remove_prefix(d.length);
    }
    return out;
}
}  // namespace

std::string QuotedPiece(std::string_view text) {
    const std::size_t characters = Utf8CharacterCount(text);
    if (characters <= kQuotedPieceCharacters) return "„" + CleanCharacters(text, 0, characters) + "“";
    return "„" + CleanCharacters(text, 0, kQuotedPieceCharacters - 1) + "…“";
}

std::string QuotedPathPiece(std::string_view path) {
    const std::size_t characters = Utf8CharacterCount(path);
    if (characters <= kQuotedPieceCharacters) return "„" + CleanCharacters(path, 0, characters) + "“";
    const std::size_t skip = characters - (kQuotedPieceCharacters - 1);
    return "„…" + CleanCharacters(path, skip, kQuotedPieceCharacters - 1) + "“";
}

std::string_view Utf8Prefix(std::string_view utf8, std::size_t maxCharacters) {
    std::size_t pos = 0;
    for (std::size_t n = 0; n < maxCharacters && pos < utf8.size(); ++n)
        pos += DecodeOne(utf8.substr(pos)).length;
    return utf8.substr(0, pos);
}

}  // namespace sk
