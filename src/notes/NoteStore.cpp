#include "notes/NoteStore.h"

#include <dirent.h>

#include <algorithm>
#include <memory>

#include "base/Latin1.h"
#include "notes/NoteCipher.h"
#include "notes/NoteFiles.h"
#include "base/FileIO.h"

namespace sk {

NoteStore::NoteStore(std::string folder, std::string_view utf8Password) : folder_(std::move(folder)) {
    SetPassword(utf8Password);
}

void NoteStore::SetPassword(std::string_view utf8Password) { key_ = NoteKeyOf(utf8Password); }

std::string NoteStore::PathOf(std::string_view fileName) const { return JoinPath(folder_, fileName); }

void NoteStore::ScanKinds(bool day, bool periodic, bool yearly, bool weekday,
                          const std::function<void(std::string_view)>& otherName) {
    std::vector<std::int32_t> days, years, weekdays;
    std::vector<PeriodicNoteEntry> periodics;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder_.empty() ? "." : folder_.c_str()), ::closedir);
    if (dir) {
        while (const dirent* e = ::readdir(dir.get())) {
            if (e->d_type != DT_REG && e->d_type != DT_LNK && e->d_type != DT_UNKNOWN) continue;
            const auto parsed = ParseNoteFileName(e->d_name);
            if (!parsed) {
                if (otherName) otherName(e->d_name);
                continue;
            }
            // Pipes, folders and the like are no notes, also behind a link;
            // nor is a link that leads out of the folder.
            if (e->d_type != DT_REG && !IsRegularFileInItsFolder(PathOf(e->d_name))) continue;
            switch (parsed->kind) {
                case NoteKind::Day: days.push_back(parsed->code); break;
                case NoteKind::Periodic: periodics.push_back({parsed->code, parsed->period}); break;
                case NoteKind::Yearly: years.push_back(parsed->code); break;
                case NoteKind::Weekday: weekdays.push_back(parsed->code); break;
            }
        }
    }
    if (day) {
        std::sort(days.begin(), days.end());
        dayNotes_ = std::move(days);
    }
    if (periodic) periodic_.Assign(std::move(periodics));
    if (yearly) {
        std::sort(years.begin(), years.end());
        yearlyNotes_ = std::move(years);
        yearlyBits_.reset();
        for (const auto c : yearlyNotes_) yearlyBits_.set(static_cast<std::size_t>(c));
    }
    if (weekday) {
        std::sort(weekdays.begin(), weekdays.end());
        weekdayNotes_ = std::move(weekdays);
        weekdayBits_.reset();
        for (const auto c : weekdayNotes_) weekdayBits_.set(static_cast<std::size_t>(c - kFirstWeekdayNoteCode));
    }
}

int NoteStore::ScanDayNotes() {
    ScanKinds(true, false, false, false);
    return static_cast<int>(dayNotes_.size());
}
int NoteStore::ScanPeriodicNotes() {
    ScanKinds(false, true, false, false);
    return static_cast<int>(periodic_.Entries().size());
}
int NoteStore::ScanYearlyNotes() {
    ScanKinds(false, false, true, false);
    return static_cast<int>(yearlyNotes_.size());
}
int NoteStore::ScanWeekdayNotes() {
    ScanKinds(false, false, false, true);
    return static_cast<int>(weekdayNotes_.size());
}
void NoteStore::ScanAll(const std::function<void(std::string_view)>& otherName) {
    // Stamped before the scan, so a change made during it is seen next time.
    folderStamp_ = StampOf(folder_.empty() ? "." : folder_);
    ScanKinds(true, true, true, true, otherName);
}

bool NoteStore::RescanIfFolderChanged() {
    if (StampOf(folder_.empty() ? "." : folder_) == folderStamp_) return false;
    ScanAll();
    return true;
}

void NoteStore::Rescan(NoteKind kind) {
    ScanKinds(kind == NoteKind::Day, kind == NoteKind::Periodic, kind == NoteKind::Yearly, kind == NoteKind::Weekday);
}

std::string NoteStore::ReadNoteFile(std::string_view fileName) const {
    if (fileName.empty()) return {};
    return sk::ReadNoteFile(PathOf(fileName), key_);
}

std::string NoteStore::ReadNoteFile(const FolderReader& folder, const std::string& fileName) const {
    if (fileName.empty()) return {};
    return sk::ReadNoteFile(folder, fileName, key_);
}

std::string NoteStore::StoredFormOf(std::string_view utf8Text) const {
    return EncipherNote(Utf8ToLatin1(utf8Text), key_);
}

bool NoteStore::WriteNoteFile(std::string_view fileName, std::string_view utf8Text) {
    const bool ok = sk::WriteNoteFile(PathOf(fileName), utf8Text, key_);
    if (const auto parsed = ParseNoteFileName(fileName)) Rescan(parsed->kind);
    return ok;
}

std::string NoteStore::ReadDayNote(const DayContext& ctx) const {
    return ReadNoteFile(DayNoteFileName(NoteDateCode(ctx)));
}
bool NoteStore::WriteDayNote(const DayContext& ctx, std::string_view text) {
    return WriteNoteFile(DayNoteFileName(NoteDateCode(ctx)), text);
}
std::string NoteStore::ReadYearlyNote(const DayContext& ctx) const {
    return ReadNoteFile(YearlyNoteFileName(NoteMonthDayCodeOf(NoteDateCode(ctx))));
}
bool NoteStore::WriteYearlyNote(const DayContext& ctx, std::string_view text) {
    return WriteNoteFile(YearlyNoteFileName(NoteMonthDayCodeOf(NoteDateCode(ctx))), text);
}
bool NoteStore::WritePeriodicNote(DayNumber d, std::int32_t period, std::string_view text) {
    if (period < 1) return false;
    return WriteNoteFile(PeriodicNoteFileName(PeriodicAnchor(d, period), period), text);
}
bool NoteStore::WriteWeekdayNote(DayNumber d, int occurrence, int monthSel, std::string_view text) {
    if (occurrence < 0 || occurrence > kLastOccurrence || monthSel < 0 || monthSel > kEveryMonth) return false;
    return WriteNoteFile(WeekdayNoteFileName(WeekdayNoteCode(monthSel, WeekdayIndex(d), occurrence)), text);
}

int NoteStore::WeekdayNoteCodeOfDay(const DayContext& ctx, bool last, int monthSel) const {
    const int w = WeekdayIndex(ctx.dayNumber);
    const int occurrence = last ? kLastOccurrence : OccurrenceOfDay(ctx.day);
    int code = WeekdayNoteCode(monthSel, w, occurrence);
    if (!HasWeekdayNote(code)) code = WeekdayNoteCode(kEveryMonth, w, occurrence);
    return HasWeekdayNote(code) ? code : 0;
}

std::string NoteStore::ReadWeekdayNoteOfDay(const DayContext& ctx, bool last, int monthSel) const {
    const int code = WeekdayNoteCodeOfDay(ctx, last, monthSel);
    return code != 0 ? ReadNoteFile(WeekdayNoteFileName(code)) : std::string();
}

bool NoteStore::HasDayNote(const DayContext& ctx) const {
    return std::binary_search(dayNotes_.begin(), dayNotes_.end(), NoteDateCode(ctx));
}

std::string NoteStore::PeriodicNoteFileOfDay(const DayContext& ctx, int k) const {
    const PeriodicNoteEntry* e = periodic_.EntryOfDay(ctx.dayNumber, k);
    return e ? e->FileName() : std::string();
}

bool NoteStore::HasYearlyNote(const DayContext& ctx) const {
    const int c = NoteMonthDayCodeOf(NoteDateCode(ctx));
    return c >= 0 && static_cast<std::size_t>(c) < yearlyBits_.size() && yearlyBits_.test(static_cast<std::size_t>(c));
}

bool NoteStore::HasWeekdayNote(int code) const {
    const int bit = code - kFirstWeekdayNoteCode;
    return bit >= 0 && static_cast<std::size_t>(bit) < weekdayBits_.size() && weekdayBits_.test(static_cast<std::size_t>(bit));
}

namespace {
// Day 22-28 that is the last of its weekday in the month: it carries the
// "last" notes besides its own occurrence 3 (days 29-31 are occurrence 4).
bool InLastWeekBeforeDay29(const DayContext& ctx) {
    return ctx.day < 29 && ctx.day > ctx.CurrentMonthLength() - 7;
}
}  // namespace

int NoteStore::WeekdayNoteStateOfDay(const DayContext& ctx) const {
    if (weekdayNotes_.empty()) return 0;
    const int w = WeekdayIndex(ctx.dayNumber);
    const int o = OccurrenceOfDay(ctx.day);
    int state = 0;
    if (HasWeekdayNote(WeekdayNoteCode(ctx.month, w, o)) || HasWeekdayNote(WeekdayNoteCode(kEveryMonth, w, o))) state = 1;
    if (InLastWeekBeforeDay29(ctx) && (HasWeekdayNote(WeekdayNoteCode(ctx.month, w, kLastOccurrence)) ||
                                      HasWeekdayNote(WeekdayNoteCode(kEveryMonth, w, kLastOccurrence))))
        state += 2;
    return state;
}

std::vector<int> NoteStore::WeekdayEntriesOfDay(const DayContext& ctx) const {
    const int w = WeekdayIndex(ctx.dayNumber);
    const int o = OccurrenceOfDay(ctx.day);
    std::vector<int> candidates = {WeekdayNoteCode(ctx.month, w, o), WeekdayNoteCode(kEveryMonth, w, o)};
    if (o == 3 && InLastWeekBeforeDay29(ctx)) {
        candidates.push_back(WeekdayNoteCode(ctx.month, w, kLastOccurrence));
        candidates.push_back(WeekdayNoteCode(kEveryMonth, w, kLastOccurrence));
    }
    std::vector<int> out;
    for (const int c : candidates)
        if (HasWeekdayNote(c)) out.push_back(c);
    std::sort(out.begin(), out.end());
    return out;
}

void NoteStore::DeleteAllPeriodicNotes() {
    for (const auto& e : periodic_.Entries()) RemoveFileIfExists(PathOf(e.FileName()));
    periodic_.Clear();
}

void NoteStore::DeleteAllYearlyNotes() {
    for (const auto c : yearlyNotes_) RemoveFileIfExists(PathOf(YearlyNoteFileName(c)));
    yearlyNotes_.clear();
    yearlyBits_.reset();
}

void NoteStore::DeleteAllWeekdayNotes() {
    for (const auto c : weekdayNotes_) RemoveFileIfExists(PathOf(WeekdayNoteFileName(c)));
    weekdayNotes_.clear();
    weekdayBits_.reset();
}

void NoteStore::DeleteDayNotesUpTo(DayNumber d) {
    const std::int32_t limit = NoteDateCodeOf(d);
    for (const auto c : dayNotes_) {
        if (c > limit) break;
        RemoveFileIfExists(PathOf(DayNoteFileName(c)));
    }
    ScanDayNotes();
}

}  // namespace sk
