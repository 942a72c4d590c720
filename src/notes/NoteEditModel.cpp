#include "notes/NoteEditModel.h"

#include "notes/NoteStore.h"

#include <cstdint>
#include <cstdio>

#include "notes/NoteNames.h"

namespace sk {

namespace {

// One UTF-8 sequence at the start of s: its code and length. A byte that
// starts no valid sequence counts as one character of its own value.
struct Utf8Step {
    char32_t code;
    std::size_t length;
};

Utf8Step NextCharacter(std::string_view s) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80) return {b0, 1};
    std::size_t n = 0;
    char32_t code = 0;
    if ((b0 & 0xE0) == 0xC0) {
        n = 2;
        code = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3;
        code = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4;
        code = b0 & 0x07;
    } else {
        return {b0, 1};
    }
    if (s.size() < n) return {b0, 1};
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return {b0, 1};
        code = (code << 6) | (b & 0x3F);
    }
    return {code, n};
}

}  // namespace

std::string EditorTextOfNote(std::string_view note) {
    std::string out;
    out.reserve(note.size());
    for (std::size_t i = 0; i < note.size(); ++i) {
        const char c = note[i];
        if (c == '\r') {
            out += '\n';
            if (i + 1 < note.size() && note[i + 1] == '\n') ++i;
        } else if (c != '\0') {
            out += c;
        }
    }
    return out;
}

std::string NoteTextOfEditor(std::string_view editorText) {
    std::string out;
    out.reserve(editorText.size() + editorText.size() / 16);
    for (const char c : editorText) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::size_t StoredLength(std::string_view editorText) {
    std::size_t n = 0;
    while (!editorText.empty()) {
        const Utf8Step step = NextCharacter(editorText);
        n += step.code == U'\n' ? 2 : 1;
        editorText.remove_prefix(step.length);
    }
    return n;
}

std::optional<LengthCut> CutToNoteLimit(std::string_view editorText) {
    const std::size_t limit = static_cast<std::size_t>(kMaxNoteCharacters);
    std::size_t stored = 0;
    std::size_t bytes = 0;
    std::string_view rest = editorText;
    while (!rest.empty()) {
        const Utf8Step step = NextCharacter(rest);
        const std::size_t width = step.code == U'\n' ? 2 : 1;
        if (stored + width > limit) return LengthCut{std::string(editorText.substr(0, bytes)), stored};
        stored += width;
        bytes += step.length;
        rest.remove_prefix(step.length);
    }
    return std::nullopt;
}

std::string LengthCutMessage(std::size_t storedLength) {
    return "Die Länge der Notiz wurde auf " + std::to_string(storedLength) + " Zeichen gekürzt!";
}

std::string TrimTrailingBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

std::optional<char32_t> FirstUnstorableCharacter(std::string_view utf8) {
    while (!utf8.empty()) {
        const Utf8Step step = NextCharacter(utf8);
        if (step.code > 0xFF) return step.code;
        utf8.remove_prefix(step.length);
    }
    return std::nullopt;
}

std::string UnstorableCharacterMessage(char32_t character) {
    std::string shown;
    const auto c = static_cast<std::uint32_t>(character);
    if (c < 0x800) {
        shown += static_cast<char>(0xC0 | (c >> 6));
        shown += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        shown += static_cast<char>(0xE0 | (c >> 12));
        shown += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        shown += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        shown += static_cast<char>(0xF0 | (c >> 18));
        shown += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        shown += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        shown += static_cast<char>(0x80 | (c & 0x3F));
    }
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    return "Das Zeichen \u201E" + shown + "\u201C (" + code +
           ") kann in einer Notiz nicht gespeichert werden. Bitte entfernen oder ersetzen Sie es.";
}

void NoteEditModel::Load(std::string_view noteText) {
    loaded_ = EditorTextOfNote(noteText);
    working_ = loaded_;
    store_ = nullptr;
    fileName_.clear();
}

void NoteEditModel::LoadFile(const NoteStore& store, std::string fileName) {
    Load(store.ReadNoteFile(fileName));
    store_ = &store;
    fileName_ = std::move(fileName);
}

void NoteEditModel::LoadNew(const NoteStore& store, std::string fileName) {
    Load({});
    store_ = &store;
    fileName_ = std::move(fileName);
}

bool NoteEditModel::ChangedElsewhere() const {
    if (!store_ || fileName_.empty()) return false;
    return EditorTextOfNote(store_->ReadNoteFile(fileName_)) != loaded_;
}

bool NoteEditModel::RevertAll() {
    if (loaded_.empty()) return false;
    working_ = loaded_;
    return true;
}

}  // namespace sk
