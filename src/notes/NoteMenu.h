#pragma once
// The note menu "Notiz": its nine buttons, their tooltips and keys, and what
// each one opens. Every note and mark window is reached from here.

#include <optional>

#include "shift/CalendarTypes.h"

namespace sk {

inline constexpr const char* kNoteMenuTitle = "Notiz";

// The command number under which the note menu asks the shift marks for
// their crew-column choice (crew 1 preselected) and then the mark entry.
// The key table has no key for it; only the menu sends it.
inline constexpr int kShiftMarkFromNoteMenu = 146;

enum class NoteMenuChoice {
    DayNote,
    PeriodicNote,
    YearlyNote,
    WeekdayNote,
    CalendarMark,
    ShiftMark,
    Delete,
    Overview,
    Info,
};

struct NoteMenuEntry {
    const char* label;
    const char* tooltip;
    char key;  // upper-case letter, answered without modifiers
    NoteMenuChoice choice;
};

inline constexpr int kNoteMenuEntryCount = 9;
extern const NoteMenuEntry kNoteMenuEntries[kNoteMenuEntryCount];

// The entry of a typed letter (either case); nothing for other keys.
std::optional<NoteMenuChoice> NoteMenuChoiceForKey(char32_t letter);

// The half-year page (calendar type 5) has no days to attach notes to.
inline bool NoteMenuOpens(int calendarType) { return !IsHalfYearView(calendarType); }

}  // namespace sk
