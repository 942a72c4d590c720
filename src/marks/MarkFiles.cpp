#include "marks/MarkFiles.h"

namespace sk {

std::string MarkSaveMessage(MarkSaveProblem problem, std::string_view folder) {
    switch (problem) {
        case MarkSaveProblem::FolderBusy: return mark_texts::kFolderBusy;
        case MarkSaveProblem::FolderNotWritable:
            return mark_texts::kFolderNotWritableBefore + std::string(folder) + mark_texts::kFolderNotWritableAfter;
        case MarkSaveProblem::WriteFailed: return mark_texts::kWriteFailed;
        case MarkSaveProblem::None: break;
    }
    return "";
}

MarkSaveProblem ProblemOfFailedWrite(const std::string& folder) {
    return IsFolderWritable(folder) ? MarkSaveProblem::WriteFailed : MarkSaveProblem::FolderNotWritable;
}

std::optional<std::string> MarkFileState::Read(const std::string& path) {
    stamp_ = StampInItsFolder(path);
    std::optional<std::string> bytes = ReadRegularFileInItsFolder(path, kMaxMarkFileBytes + 1);
    tooLarge = bytes && bytes->size() > kMaxMarkFileBytes;
    base_ = bytes && !tooLarge ? *bytes : std::string();
    return bytes;
}

void MarkFileState::Wrote(const std::string& path, std::string bytes) {
    stamp_ = StampOf(path);
    base_ = std::move(bytes);
}

}  // namespace sk
