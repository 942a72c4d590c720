#pragma once
// Reading and writing one note file. Texts are UTF-8 in memory; the file
// holds one ISO 8859-1 byte per character, enciphered when a key is in force.

#include <string>
#include <string_view>

#include "base/FileIO.h"

namespace sk {

// The longest note a reader returns, in characters. The limit applies to the
// deciphered text, so enciphered notes (three bytes per character) come back
// whole, like plain ones.
inline constexpr std::size_t kNoteReadLimit = 8192;

// The note of a file, deciphered with the key (NoteKeyOf); empty when the
// file cannot be opened.
std::string ReadNoteFile(const std::string& path, std::string_view key);
// The same for a note `name` of the reader's folder.
std::string ReadNoteFile(const FolderReader& folder, const std::string& name, std::string_view key);

// Stores a note: an empty text deletes the file (a missing file is no error),
// any other text replaces the file atomically. False when the file could not
// be written or deleted; the old file is then untouched.
bool WriteNoteFile(const std::string& path, std::string_view utf8Text, std::string_view key);

}  // namespace sk
