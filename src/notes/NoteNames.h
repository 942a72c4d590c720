#pragma once
// The four note kinds and their file names. Every note is one file in the
// user's data folder; the name carries the note's recurrence:
//   day note            NoteDateCode ".txt"            20170330.txt (30 April 2017)
//   periodic note       anchor "." period ".tnt"       11.7.tnt
//   yearly note         NoteMonthDayCode ".jnt"        330.jnt (30 April)
//   weekday-in-month    WeekdayNoteCode ".wmt"         10011.wmt (second Monday of January)
// Numbers are plain decimal: no sign, no leading zeros.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/Date.h"

namespace sk {

enum class NoteKind { Day, Periodic, Yearly, Weekday };

inline constexpr int kEveryMonth = 12;       // monthSel of a weekday note for every month
inline constexpr int kLastOccurrence = 4;    // "letzten"
inline constexpr int kLastYearlyNoteCode = 1131;  // 31 December (months count from 0)
inline constexpr int kFirstWeekdayNoteCode = 10000;
inline constexpr int kLastWeekdayNoteCode = 11264;
inline constexpr int kMaxNoteCharacters = 8191;  // what the editors accept

extern const char* const kOccurrenceNames[5];  // "ersten" ... "letzten"

std::string DayNoteFileName(std::int32_t noteDateCode);
std::string PeriodicNoteFileName(std::int32_t anchor, std::int32_t period);
std::string YearlyNoteFileName(int noteMonthDayCode);
std::string WeekdayNoteFileName(int weekdayNoteCode);

// Anchor of a periodic note entered on day d: (d mod period) + period for the
// calendar's non-negative day numbers. period >= 1.
std::int32_t PeriodicAnchor(DayNumber d, std::int32_t period);
int NoteMonthDayCodeOf(std::int32_t noteDateCode);
int WeekdayNoteCode(int monthSel, int weekday, int occurrence);
// 0 = first ... 3 = fourth, 4 for days 29-31 (trunc(day / 7.1)).
int OccurrenceOfDay(int day);

// A file name recognised as a note. Only names in the plain decimal form of a
// real code are notes: "07.7.tnt", "20170099.txt" or "abc.wmt" are not, so
// they are neither shown nor ever deleted.
struct NoteFileName {
    NoteKind kind;
    std::int32_t code;    // date, month-day or weekday code; the anchor of a periodic note
    std::int32_t period;  // periodic notes only
};
std::optional<NoteFileName> ParseNoteFileName(std::string_view name);

}  // namespace sk
