// Any text in a note editor: line ends survive the way to the file and back,
// the length cut fits the note limit and is a beginning of the text, and a
// text both checks call storable is stored without change.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/Latin1.h"
#include "notes/NoteEditModel.h"
#include "notes/NoteNames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string editor = sk::EditorTextOfNote(text);
    if (editor.find('\r') != std::string::npos || editor.find('\0') != std::string::npos) std::abort();
    if (sk::EditorTextOfNote(sk::NoteTextOfEditor(editor)) != editor) std::abort();
    if (const auto cut = sk::CutToNoteLimit(editor)) {
        if (cut->storedLength > static_cast<std::size_t>(sk::kMaxNoteCharacters)) std::abort();
        if (editor.compare(0, cut->text.size(), cut->text) != 0) std::abort();
        if (sk::StoredLength(cut->text) != cut->storedLength) std::abort();
    }
    const std::string trimmed = sk::TrimTrailingBlanks(text);
    if (!trimmed.empty() && trimmed.back() == ' ') std::abort();
    if (!sk::FirstUnstorableCharacter(editor) && sk::IsStorableNoteText(editor) &&
        sk::Latin1ToUtf8(sk::Utf8ToLatin1(editor)) != editor) {
        std::abort();
    }

    sk::NoteEditModel model;
    model.Load(text);
    model.SetWorking(editor + "x");
    if (!model.NeedsSaveQuestion()) std::abort();
    return 0;
}
