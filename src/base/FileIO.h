#pragma once
// Whole-file reads and crash-safe writes shared by every file format.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>
#include <string_view>

namespace sk {

// The path of a file in a folder; an empty folder means the working folder.
std::string JoinPath(std::string_view folder, std::string_view name);

// Bounded reads that never block: a data file name may be taken by a pipe,
// a device or a folder (a shared folder is writable by others); only regular
// files are read. At most maxBytes bytes; nothing when the file cannot be
// opened or is no regular file.
std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t maxBytes);
// The same for a file of a data folder: another user of a shared folder may
// plant links there, so a symbolic link is followed only when it resolves to
// a file in that same folder tree, never out of it. Every file the program
// keeps in a data folder is read this way.
std::optional<std::string> ReadRegularFileInItsFolder(const std::string& path, std::size_t maxBytes);
bool IsRegularFileInItsFolder(const std::string& path);
// The names in a folder, among those `wanted` accepts, that are symbolic
// links which the rule above refuses (leading out of the folder, or looping),
// sorted; so the person can be told which files were not read.
bool IsLinkLeavingItsFolder(const std::string& path);
std::vector<std::string> LinksLeavingFolder(const std::string& folder,
                                            const std::function<bool(std::string_view)>& wanted);

// Reads files of one folder as ReadRegularFileInItsFolder does, through one
// handle of the folder opened once: an export reads tens of thousands of
// notes, and opening the folder for each costs as much as reading the note.
class FolderReader {
public:
    explicit FolderReader(std::string folder);
    ~FolderReader();
    FolderReader(const FolderReader&) = delete;
    FolderReader& operator=(const FolderReader&) = delete;
    std::optional<std::string> Read(const std::string& name, std::size_t maxBytes) const;

private:
    std::string folder_;
    int folderFd_ = -1;
};
// The same with a limit far above any data file of the program.
std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes = 64u << 20);
// Whether the path names a regular file (symbolic links followed).
bool IsRegularFile(const std::string& path);

// Writes the bytes to a new temporary file of a random name in the same
// folder (created exclusively, so a planted link or file is never written
// through), flushes it to the disk, renames it over `path` and flushes the
// folder, so a crash or power cut leaves either the old or the new file.
// A replaced file keeps its permission bits (and its group where the user
// may set it); a new file gets the usual mode less the umask. On failure the
// old file is untouched and false is returned.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Whether this process may create files in the folder (false on a
// read-only file system or without the right to write there).
bool IsFolderWritable(const std::string& folder);

// Deletes a file and flushes its folder; true when it is gone afterwards
// (also when it never existed).
bool RemoveFileIfExists(const std::string& path);

// Deletes the temporary files of interrupted writes in a folder: files of
// this user named "<name>.tmp-<suffix>" last changed at least minAge ago.
// The number removed.
inline constexpr std::chrono::seconds kStaleTempFileAge{60};
int RemoveStaleTempFiles(const std::string& folder, std::chrono::seconds minAge = kStaleTempFileAge);

// The same for a reader that lists the folder anyway: it hands each name to
// Consider, then Remove deletes the stale ones among them.
class StaleTempFileSweep {
public:
    explicit StaleTempFileSweep(std::string folder) : folder_(std::move(folder)) {}
    void Consider(std::string_view name);
    int Remove(std::chrono::seconds minAge = kStaleTempFileAge);

private:
    std::string folder_;
    std::vector<std::string> candidates_;
};

// What one stat tells about a file, to notice that another program changed it.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const std::string& path);
// The stamp of the file a data-folder read would open; "missing" for a link
// that read refuses.
FileStamp StampInItsFolder(const std::string& path);

// An exclusive advisory lock on a lock file in a folder, so instances
// sharing the folder (also on other machines) take turns at
// read-merge-write. Released when the object goes.
class FolderLock {
public:
    // Waits at most `timeout`; nothing when the lock could not be had in
    // time or the lock file cannot be opened. `openError` then gets the
    // error of the open (EROFS, EACCES ...), 0 when another holder kept the lock.
    static std::optional<FolderLock> Acquire(const std::string& folder, std::string_view lockName,
                                             std::chrono::milliseconds timeout, int* openError = nullptr);
    FolderLock(FolderLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FolderLock& operator=(FolderLock&&) = delete;
    FolderLock(const FolderLock&) = delete;
    ~FolderLock();

private:
    explicit FolderLock(int fd) : fd_(fd) {}
    int fd_;
};

}  // namespace sk
