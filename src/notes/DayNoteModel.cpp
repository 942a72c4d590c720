#include "notes/DayNoteModel.h"

namespace sk {

namespace {
std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
}  // namespace

std::string DateTextOfNoteDateCode(std::int32_t noteDateCode) {
    const int year = noteDateCode / 10000;
    const int monthIndex = (noteDateCode / 100) % 100;
    const int day = noteDateCode % 100;
    return TwoDigits(day) + "." + TwoDigits(monthIndex + 1) + "." + std::to_string(year);
}

SingleNoteModel::SingleNoteModel(const NoteStore& store, std::string fileName) : fileName_(std::move(fileName)) {
    edit_.LoadFile(store, fileName_);
}

bool SingleNoteModel::Save(NoteStore& store) const { return store.WriteNoteFile(fileName_, edit_.NoteToStore()); }

DayNoteModel::DayNoteModel(const NoteStore& store, std::int32_t noteDateCode)
    : SingleNoteModel(store, DayNoteFileName(noteDateCode)),
      title_("Notizen für den " + DateTextOfNoteDateCode(noteDateCode)) {}

}  // namespace sk
