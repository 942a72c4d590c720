#include "notes/NoteFiles.h"

#include <sys/stat.h>

#include <cerrno>

#include "base/Latin1.h"
#include "notes/NoteCipher.h"
#include "base/FileIO.h"

namespace sk {

namespace {
// Deletes the note file of a path: a regular file or a symbolic link (its
// target stays). A folder or a pipe under a note's name is no note: there is
// nothing to delete, and it is not ours to remove.
bool DeleteNoteFile(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT;
    if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) return true;
    return RemoveFileIfExists(path);
}
}  // namespace

namespace {
std::size_t NoteByteLimit(std::string_view key) {
    const std::size_t bytesPerCharacter = key.empty() ? 1 : 3;
    return kNoteReadLimit * bytesPerCharacter;
}
std::string NoteText(const std::optional<std::string>& bytes, std::string_view key) {
    if (!bytes) return {};
    return Latin1ToUtf8(DecipherNote(*bytes, key));
}
}  // namespace

std::string ReadNoteFile(const std::string& path, std::string_view key) {
    return NoteText(ReadRegularFileInItsFolder(path, NoteByteLimit(key)), key);
}

std::string ReadNoteFile(const FolderReader& folder, const std::string& name, std::string_view key) {
    return NoteText(folder.Read(name, NoteByteLimit(key)), key);
}

bool WriteNoteFile(const std::string& path, std::string_view utf8Text, std::string_view key) {
    if (utf8Text.empty()) return DeleteNoteFile(path);
    return WriteFileAtomically(path, EncipherNote(Utf8ToLatin1(utf8Text), key));
}

}  // namespace sk
