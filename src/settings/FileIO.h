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

// Writes the bytes to a temporary file in the same folder, flushes it to the
// disk and renames it over `path`, so a crash leaves either the old or the
// new file, never a half-written one. On failure the old file is untouched
// and false is returned.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Deletes a file; true when it is gone afterwards (also when it never existed).
bool RemoveFileIfExists(const std::string& path);

}  // namespace sk
