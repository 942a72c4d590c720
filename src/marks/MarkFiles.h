#pragma once
// What both mark files share: several instances may keep their marks in one
// shared data folder, so every save reads the file again under a lock,
// merges it with this instance's changes and writes the result; and a
// repaint picks up what another instance wrote.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/FileIO.h"

namespace sk {

inline constexpr const char* kMarkLockFileName = ".Markierungen.lock";
// Another instance holds the lock only for one read and one write.
inline constexpr std::chrono::milliseconds kMarkLockTimeout{5000};
inline constexpr std::size_t kMaxMarkFileBytes = 16u << 20;  // far beyond any real list

namespace mark_texts {
inline constexpr const char* kFolderBusy =
    "Die Markierungen konnten nicht gespeichert werden: Der Datenordner wird gerade von einem anderen "
    "Programm benutzt. Bitte später noch einmal versuchen.";
inline constexpr const char* kWriteFailed = "Die Markierungen konnten nicht gespeichert werden!";
// Around the folder's path.
inline constexpr const char* kFolderNotWritableBefore =
    "Die Markierungen konnten nicht gespeichert werden: Der Datenordner \"";
inline constexpr const char* kFolderNotWritableAfter =
    "\" kann nicht beschrieben werden (schreibgeschützt oder ohne Schreibrecht).";
}  // namespace mark_texts

enum class MarkSaveProblem { None, FolderBusy, FolderNotWritable, WriteFailed };
// The text for the person; `folder` is the data folder the marks belong in.
std::string MarkSaveMessage(MarkSaveProblem problem, std::string_view folder);

// The file of one mark list as this instance last saw it.
class MarkFileState {
public:
    // A fresh read; nothing (and remembered as such) when the file is missing
    // or no regular file. The stamp is taken before reading, so a change
    // made during the read is noticed again later.
    std::optional<std::string> Read(const std::string& path);
    // After this instance wrote (or deleted) the file; call under the lock.
    void Wrote(const std::string& path, std::string bytes);
    // Whether the file differs from what was last read or written (one stat).
    bool ChangedOnDisk(const std::string& path) const { return StampInItsFolder(path) != stamp_; }
    // The bytes last read or written: the base of a three-way merge.
    const std::string& Base() const { return base_; }
    // The file was larger than could be loaded; such a file is never replaced.
    bool tooLarge = false;

private:
    FileStamp stamp_;
    std::string base_;
};

// How one kind of mark is read, merged and written.
template <class Mark>
struct MarkFormat {
    const char* fileName;
    std::size_t recordSize;
    std::vector<Mark> (*parse)(std::string_view bytes);
    std::string (*format)(const std::vector<Mark>& marks);
    // Three-way: what another instance changed since `base` and what this one did.
    std::vector<Mark> (*merge)(const std::vector<Mark>& base, const std::vector<Mark>& mine,
                               const std::vector<Mark>& theirs);
};

// The list in the file; empty when it is missing. Of a file beyond the
// limit the whole records up to it are read (and it is never replaced).
template <class Mark>
std::vector<Mark> ReadMarkFile(MarkFileState& file, const std::string& path, const MarkFormat<Mark>& f) {
    const std::optional<std::string> bytes = file.Read(path);
    if (!bytes) return {};
    return f.parse(std::string_view(*bytes).substr(0, kMaxMarkFileBytes / f.recordSize * f.recordSize));
}

// What another instance wrote since this one last read or wrote the file,
// with this instance's unsaved changes (when `mineChanged`) on top; nothing
// when the file is as last seen.
template <class Mark>
std::optional<std::vector<Mark>> ReadOthersChanges(MarkFileState& file, const std::string& path,
                                                   const std::vector<Mark>& mine, bool mineChanged,
                                                   const MarkFormat<Mark>& f) {
    if (!file.ChangedOnDisk(path)) return std::nullopt;
    const std::vector<Mark> base = f.parse(file.Base());
    std::vector<Mark> theirs = ReadMarkFile(file, path, f);
    if (!mineChanged) return theirs;
    return f.merge(base, mine, theirs);
}

// A folder that refuses new files says so; anything else (a full disk) is a plain failure.
MarkSaveProblem ProblemOfFailedWrite(const std::string& folder);

// Saves `marks` under the folder's lock. When another instance wrote
// meanwhile, its changes stay and ours go on top: `marks` then holds the
// merged list. An empty list removes the file.
template <class Mark>
MarkSaveProblem SaveMarkFile(MarkFileState& file, const std::string& folder, std::vector<Mark>& marks,
                             const MarkFormat<Mark>& f) {
    if (file.tooLarge) return MarkSaveProblem::WriteFailed;
    int lockError = 0;
    const std::optional<FolderLock> lock =
        FolderLock::Acquire(folder, kMarkLockFileName, kMarkLockTimeout, &lockError);
    if (!lock) return lockError == 0 ? MarkSaveProblem::FolderBusy : ProblemOfFailedWrite(folder);
    const std::string path = JoinPath(folder, f.fileName);
    if (std::optional<std::vector<Mark>> merged = ReadOthersChanges(file, path, marks, true, f)) {
        if (file.tooLarge) return MarkSaveProblem::WriteFailed;
        marks = std::move(*merged);
    }
    std::string bytes = f.format(marks);
    if (!(bytes.empty() ? RemoveFileIfExists(path) : WriteFileAtomically(path, bytes)))
        return ProblemOfFailedWrite(folder);
    file.Wrote(path, std::move(bytes));
    return MarkSaveProblem::None;
}

}  // namespace sk
