#include "notes/NoteFiles.h"

#include "base/Latin1.h"
#include "notes/NoteCipher.h"
#include "base/FileIO.h"

namespace sk {

std::string ReadNoteFile(const std::string& path, std::string_view key) {
    const std::size_t bytesPerCharacter = key.empty() ? 1 : 3;
    const auto bytes = ReadRegularFile(path, kNoteReadLimit * bytesPerCharacter);
    if (!bytes) return {};
    return Latin1ToUtf8(DecipherNote(*bytes, key));
}

bool WriteNoteFile(const std::string& path, std::string_view utf8Text, std::string_view key) {
    if (utf8Text.empty()) return RemoveFileIfExists(path);
    return WriteFileAtomically(path, EncipherNote(Utf8ToLatin1(utf8Text), key));
}

}  // namespace sk
