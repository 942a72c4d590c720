#pragma once
// The day-note window without a display: which file it edits, its title,
// and whether leaving it writes that file.

#include <cstdint>
#include <string>

#include "notes/NoteClosing.h"
#include "notes/NoteEditModel.h"
#include "notes/NoteStore.h"

namespace sk {

// "DD.MM.YYYY" of a NoteDateCode (the year as the calendar cell holds it).
std::string DateTextOfNoteDateCode(std::int32_t noteDateCode);

// One note in one file: the day note of a cell, and the yearly note of its
// month and day.
class SingleNoteModel : public NoteWindowModel {
public:
    SingleNoteModel(const NoteStore& store, std::string fileName);

    NoteEditModel& Edit() override { return edit_; }
    const NoteEditModel& Edit() const { return edit_; }
    const std::string& FileName() const { return fileName_; }

    bool HasChanges() const override { return edit_.NeedsSaveQuestion(); }
    // After trimming: whether leaving writes (or deletes) the file.
    bool WouldSave() const override { return edit_.TextChangedOrEmpty(); }
    // Writes the working text (an empty one deletes the file) and rescans;
    // false when the file could not be written.
    bool Save(NoteStore& store) const override;

private:
    std::string fileName_;
    NoteEditModel edit_;
};

// The note of the calendar cell with this NoteDateCode.
class DayNoteModel : public SingleNoteModel {
public:
    DayNoteModel(const NoteStore& store, std::int32_t noteDateCode);
    std::string Title() const { return title_; }

private:
    std::string title_;
};

}  // namespace sk
