#pragma once
// Whole-file reads and crash-safe writes shared by every file format.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sk {

// The path of a file in a folder; an empty folder means the working folder.
std::string JoinPath(std::string_view folder, std::string_view name);

// Reads at most maxBytes bytes of a file; nothing when it cannot be opened.
std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes = 64u << 20);

// Bounded reads of data files that never block: a note or mark file name in
// the data folder may be taken by a pipe, a device or a folder (a shared
// folder is writable by others); only regular files are read.
// At most maxBytes bytes of a regular file (symbolic links followed);
// nothing when it cannot be opened or is no regular file.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes);
// Whether the path names a regular file (symbolic links followed).
bool IsRegularFile(const std::string& path);

// Writes the bytes to a temporary file in the same folder, flushes it to the
// disk and renames it over `path`, so a crash leaves either the old or the
// new file, never a half-written one. On failure the old file is untouched
// and false is returned.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Deletes a file; true when it is gone afterwards (also when it never existed).
bool RemoveFileIfExists(const std::string& path);

}  // namespace sk
