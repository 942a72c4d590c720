#include "marks/MarkFiles.h"

namespace sk {

const char* MarkSaveMessage(MarkSaveProblem problem) {
    switch (problem) {
        case MarkSaveProblem::FolderBusy: return mark_texts::kFolderBusy;
        case MarkSaveProblem::WriteFailed: return mark_texts::kWriteFailed;
        case MarkSaveProblem::None: break;
    }
    return "";
}

std::optional<std::string> MarkFileState::Read(const std::string& path) {
    stamp_ = StampInItsFolder(path);
    std::optional<std::string> bytes = ReadRegularFileInItsFolder(path, kMaxMarkFileBytes + 1);
    tooLarge = bytes && bytes->size() > kMaxMarkFileBytes;
    base_ = bytes && !tooLarge ? *bytes : std::string();
    return bytes;
}

void MarkFileState::Wrote(const std::string& path, std::string bytes) {
    stamp_ = StampInItsFolder(path);
    base_ = std::move(bytes);
}

}  // namespace sk
