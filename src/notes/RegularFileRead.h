#pragma once
// Bounded reads of data files that never block: a note or mark file name in
// the data folder may be taken by a pipe, a device or a folder (a shared
// folder is writable by others); only regular files are read.

#include <cstddef>
#include <optional>
#include <string>

namespace sk {

// At most maxBytes bytes of a regular file (symbolic links followed);
// nothing when it cannot be opened or is no regular file.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes);
// Whether the path names a regular file (symbolic links followed).
bool IsRegularFile(const std::string& path);

}  // namespace sk
