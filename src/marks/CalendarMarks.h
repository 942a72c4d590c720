#pragma once
// Calendar marks: coloured bars from a start day to an end day, kept in
// "Kalendermarkierung.dat" as 12-byte records (start, end, colour; 32-bit
// little-endian each), no header.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/Date.h"
#include "marks/MarkFiles.h"

namespace sk {

inline constexpr const char* kCalendarMarkFileName = "Kalendermarkierung.dat";
inline constexpr std::uint32_t kDefaultCalendarMarkColour = 239 + 194 * 256 + 161 * 65536;
// Black is the lookup's answer for "no mark"; a mark chosen black is kept in
// the nearest colour that still paints.
inline constexpr std::uint32_t kNearBlack = 0x010101;

struct CalendarMark {
    DayNumber start;
    DayNumber end;
    std::uint32_t colour;  // red + green * 256 + blue * 65536
    bool operator==(const CalendarMark&) const = default;
};

// File contents. A trailing partial record is read from the bytes it has,
// the missing bytes as 0. A record with a start or end outside 1970-2037 is
// damaged and left out.
std::vector<CalendarMark> ParseCalendarMarks(std::string_view bytes);
std::string FormatCalendarMarks(const std::vector<CalendarMark>& marks);

// Three-way merge: the marks `mine` removed since `base` leave theirs, the
// marks mine added join it; an added mark replaces the marks of theirs it
// overlaps that were new there as well (the later change of the same days
// wins). Sorted by start, theirs' order kept among equal starts.
std::vector<CalendarMark> MergeCalendarMarks(const std::vector<CalendarMark>& base,
                                             const std::vector<CalendarMark>& mine,
                                             const std::vector<CalendarMark>& theirs);

// What the window's "Speichern" would do to the marks already there.
struct MarkEntryEffect {
    // The mark that would be moved and recoloured, as it is now.
    std::optional<CalendarMark> changed;
    // Marks that show on some day now and on none afterwards (another mark
    // covers each of their days first).
    std::vector<CalendarMark> hidden;
};

class CalendarMarkList {
public:
    // Empties the list and reads the file of the folder in file order; a
    // missing file gives no marks. Clears the changed flag.
    void Load(const std::string& folder);
    // Under the folder's mark lock: reads the file again, merges in what
    // another instance changed since (MergeCalendarMarks), and writes the
    // list atomically or deletes the file when the list is empty. False when
    // the lock could not be had, the write failed, or the file was larger
    // than could be loaded (it is then kept, so no mark in it is lost);
    // lastProblem says which. Clears the changed flag on success.
    bool Save(const std::string& folder);
    MarkSaveProblem lastProblem = MarkSaveProblem::None;
    // When another program changed the file since this list last read or
    // wrote it (one stat): reads it again, keeping changes not yet saved.
    // True when the list was read again.
    bool ReloadIfChanged(const std::string& folder);

    const std::vector<CalendarMark>& Marks() const { return marks_; }
    void Assign(std::vector<CalendarMark> marks);
    bool changed = false;

    // The first mark in list order with start <= d <= end.
    std::optional<std::size_t> FindMarkOfDay(DayNumber d) const;
    // Its colour, 0 when no mark covers the day.
    std::uint32_t MarkColourOfDay(DayNumber d) const;

    // What the mark window shows for day d: the mark of the day, or a new
    // mark of d ... d + 7 in the default colour.
    CalendarMark InitialMarkOfDay(DayNumber d) const;
    // The window's "Speichern" with start l and end m (swapped when m < l):
    // the mark containing l, else the one containing m, is moved there and
    // recoloured; when neither exists a new mark is added. Sorted by start.
    void SaveMarkEntry(DayNumber l, DayNumber m, std::uint32_t colour);
    // The effect of SaveMarkEntry (l, m, colour), the list left as it is.
    MarkEntryEffect EffectOfMarkEntry(DayNumber l, DayNumber m, std::uint32_t colour) const;
    // Removes the first mark containing d.
    void DeleteCalendarMarkAt(DayNumber d);
    // Removes every mark that starts on or before d, whatever its end.
    void DeleteCalendarMarksUpTo(DayNumber d);

private:
    void Reindex();

    std::vector<CalendarMark> marks_;
    bool sorted_ = true;
    std::vector<DayNumber> endPrefixMax_;  // max end of marks 0..i, when sorted
    MarkFileState file_;
};

}  // namespace sk
