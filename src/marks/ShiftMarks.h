#pragma once
// Shift marks: a code on one day for one crew column, kept in
// "Schichtmarkierung.dat" as 6-byte records (day: 32-bit little-endian,
// crew: 1 byte, code: 1 byte), no header. At most one mark counts per day.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/Date.h"
#include "marks/MarkFiles.h"

namespace sk {

inline constexpr const char* kShiftMarkFileName = "Schichtmarkierung.dat";

struct ShiftMark {
    DayNumber day;
    std::uint8_t crew;  // crew column 1-4
    std::uint8_t code;  // option index, see ShiftMarkCodes.h
    bool operator==(const ShiftMark&) const = default;
};

// A trailing partial record is read from the bytes it has, the rest as 0. A
// record whose day lies outside 1970-2037 is damaged and left out.
std::vector<ShiftMark> ParseShiftMarks(std::string_view bytes);
// Skips marks of day 0 and a mark whose day equals that of the mark written
// just before it.
std::string FormatShiftMarks(const std::vector<ShiftMark>& marks);

// Three-way merge by day: the days where `mine` differs from `base` (a mark
// added, changed or removed) take mine's state, every other day keeps
// theirs. The first mark of a day in list order is the one that counts.
// Sorted by day.
std::vector<ShiftMark> MergeShiftMarks(const std::vector<ShiftMark>& base, const std::vector<ShiftMark>& mine,
                                       const std::vector<ShiftMark>& theirs);

class ShiftMarkList {
public:
    // Empties the list and reads the folder's file, sorted by day; records of
    // one day stay in file order (duplicates kept). A missing file gives no
    // marks. Clears the changed flag.
    void Load(const std::string& folder);
    // Under the folder's mark lock: reads the file again, merges in what
    // another instance changed since (MergeShiftMarks), and writes the result
    // atomically, or deletes the file when nothing is left to write. False
    // when the lock could not be had, the write failed, or the file was larger
    // than could be loaded (it is then kept); lastProblem says which. Clears
    // the changed flag on success.
    bool Save(const std::string& folder);
    MarkSaveProblem lastProblem = MarkSaveProblem::None;
    // When another program changed the file since this list last read or
    // wrote it (one stat): reads it again, keeping changes not yet saved.
    // True when the list was read again.
    bool ReloadIfChanged(const std::string& folder);

    const std::vector<ShiftMark>& Marks() const { return marks_; }
    void Assign(std::vector<ShiftMark> marks);
    bool changed = false;

    // The mark of day d: the first in list order with that day (the walk
    // stops at the first later day); nullptr when none.
    const ShiftMark* ShiftMarkOfDay(DayNumber d) const;

    // Removes every mark with day <= d and saves at once.
    bool DeleteShiftMarksUpTo(DayNumber d, const std::string& folder);

    // Sets the mark of day d to (crew, code), adding one when the day has
    // none (a mark of another crew that day is taken over); the delete code
    // removes it. Sorted by day; sets the changed flag.
    void ApplyChoice(int calendarType, DayNumber d, int crew, int code);

private:
    std::vector<ShiftMark> marks_;
    bool sorted_ = true;
    MarkFileState file_;
};

// Whether a mark may be entered for this crew column on day d: type 2 has
// columns 1-3; types 6 and 7 have 1-4; the others 1-4 but not column 3
// (the late shift) on a Sunday.
bool ShiftMarkEntryAllowed(int calendarType, DayNumber d, int crew);
// The code the mark window starts with: the day's mark code (whatever its
// crew), else 0. A code the type has no option for (a file from another
// plan type or a damaged one) starts at 0 as well.
int CurrentShiftMarkCode(const ShiftMarkList& list, int calendarType, DayNumber d);

// The whole entry of a shift mark for day d and a crew column. `chooseCode`
// is the mark window: (current code, crew) -> chosen code, or -1 when
// cancelled. True when the list was changed.
using ShiftMarkChooser = std::function<int(int currentCode, int crew)>;
bool EnterShiftMark(ShiftMarkList& list, int calendarType, DayNumber d, int crew, const ShiftMarkChooser& chooseCode);

}  // namespace sk
