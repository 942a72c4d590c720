#pragma once
// What both mark files share: several instances may keep their marks in one
// shared data folder, so every save reads the file again under a lock,
// merges it with this instance's changes and writes the result; and a
// repaint picks up what another instance wrote.

#include <chrono>
#include <optional>
#include <string>

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
}  // namespace mark_texts

enum class MarkSaveProblem { None, FolderBusy, WriteFailed };
const char* MarkSaveMessage(MarkSaveProblem problem);

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
    bool ChangedOnDisk(const std::string& path) const { return StampOf(path) != stamp_; }
    // The bytes last read or written: the base of a three-way merge.
    const std::string& Base() const { return base_; }
    // The file was larger than could be loaded; such a file is never replaced.
    bool tooLarge = false;

private:
    FileStamp stamp_;
    std::string base_;
};

}  // namespace sk
