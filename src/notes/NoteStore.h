#pragma once
// The notes of one user: the folder they live in, the key they are
// enciphered with, and the four indexes that say which notes exist. The
// per-day lookups answer from memory only; they are called for every painted
// day. Every writer rescans the index of its kind afterwards, so the indexes
// follow the folder (which another machine may share).

#include <bitset>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/Date.h"
#include "notes/NoteNames.h"
#include "notes/PeriodicNoteIndex.h"
#include "base/FileIO.h"

namespace sk {

class NoteStore {
public:
    NoteStore() = default;
    // Does not scan; call ScanAll.
    explicit NoteStore(std::string folder, std::string_view utf8Password = {});

    const std::string& Folder() const { return folder_; }
    // The password as typed (UTF-8); empty stores notes in plain text.
    void SetPassword(std::string_view utf8Password);

    // Scans: each rebuilds its index from the folder and returns its size.
    int ScanDayNotes();
    int ScanPeriodicNotes();
    int ScanYearlyNotes();
    int ScanWeekdayNotes();
    // All four in one pass over the folder; the names that are no notes are
    // handed to otherName, so one listing of a large folder serves both.
    void ScanAll(const std::function<void(std::string_view)>& otherName = {});
    // Scans all again when the folder changed since the last ScanAll (one
    // stat): another instance on a shared folder added or removed notes.
    bool RescanIfFolderChanged();

    // Indexes, ascending (periodic: ascending by file name).
    const std::vector<std::int32_t>& DayNoteIndex() const { return dayNotes_; }
    const PeriodicNoteIndex& Periodic() const { return periodic_; }
    const std::vector<std::int32_t>& YearlyNoteIndex() const { return yearlyNotes_; }
    const std::vector<std::int32_t>& WeekdayNoteIndex() const { return weekdayNotes_; }

    // Files by name (a name from the lookups or the name rules).
    std::string PathOf(std::string_view fileName) const;
    std::string ReadNoteFile(std::string_view fileName) const;
    // The same through a reader of this store's folder.
    std::string ReadNoteFile(const FolderReader& folder, const std::string& fileName) const;
    // The bytes a note file of this text gets (enciphered with the key).
    std::string StoredFormOf(std::string_view utf8Text) const;
    // Writes or (empty text) deletes, then rescans the index of the file's kind.
    bool WriteNoteFile(std::string_view fileName, std::string_view utf8Text);

    // The notes of a day (the context's NoteDateCode, month-day or weekday).
    std::string ReadDayNote(const DayContext& ctx) const;
    bool WriteDayNote(const DayContext& ctx, std::string_view text);
    std::string ReadYearlyNote(const DayContext& ctx) const;
    bool WriteYearlyNote(const DayContext& ctx, std::string_view text);
    // period >= 1; the note is addressed by the anchor of day d.
    bool WritePeriodicNote(DayNumber d, std::int32_t period, std::string_view text);
    // For the weekday of day d.
    bool WriteWeekdayNote(DayNumber d, int occurrence, int monthSel, std::string_view text);
    // The note for the day's weekday and occurrence (4 when `last`) in month
    // monthSel, or else the every-month note; empty when neither exists.
    std::string ReadWeekdayNoteOfDay(const DayContext& ctx, bool last, int monthSel) const;
    // The code of the note ReadWeekdayNoteOfDay reads; 0 when there is none.
    int WeekdayNoteCodeOfDay(const DayContext& ctx, bool last, int monthSel) const;

    // Per-day lookups.
    bool HasDayNote(const DayContext& ctx) const;
    int CountPeriodicNotesOfDay(const DayContext& ctx) const { return periodic_.CountOfDay(ctx.dayNumber); }
    // File name of the k-th periodic note of the day (k from 1); empty when fewer.
    std::string PeriodicNoteFileOfDay(const DayContext& ctx, int k) const;
    bool HasYearlyNote(const DayContext& ctx) const;
    // 0 none, 1 regular match, 2 last-week match only, 3 both.
    int WeekdayNoteStateOfDay(const DayContext& ctx) const;
    bool HasWeekdayNote(int code) const;
    bool HasPeriodicNote(std::int32_t anchor, std::int32_t period) const { return periodic_.Contains(anchor, period); }
    // The weekday codes the day carries, ascending.
    std::vector<int> WeekdayEntriesOfDay(const DayContext& ctx) const;

    // Deleting. Only files the index names are deleted.
    void DeleteAllPeriodicNotes();
    void DeleteAllYearlyNotes();
    void DeleteAllWeekdayNotes();
    // Every day note up to and including day d.
    void DeleteDayNotesUpTo(DayNumber d);

private:
    void Rescan(NoteKind kind);
    void ScanKinds(bool day, bool periodic, bool yearly, bool weekday,
                   const std::function<void(std::string_view)>& otherName = {});

    std::string folder_;
    std::string key_;
    FileStamp folderStamp_;
    std::vector<std::int32_t> dayNotes_;
    PeriodicNoteIndex periodic_;
    std::vector<std::int32_t> yearlyNotes_;
    std::vector<std::int32_t> weekdayNotes_;
    std::bitset<kLastYearlyNoteCode + 1> yearlyBits_;                                   // by month-day code
    std::bitset<kLastWeekdayNoteCode - kFirstWeekdayNoteCode + 1> weekdayBits_;     // by code - 10000
};

}  // namespace sk
