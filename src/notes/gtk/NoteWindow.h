#pragma once
// The windows of the notes: the note menu, the four note editors, the
// overview and the deletion of notes and marks. Each works on the selected
// day (the cursor cell) and returns true when the calendar must be repainted.

#include <cstdint>
#include <optional>

#include "ui/WindowContext.h"

namespace sk {

bool OpenNoteMenu(WindowContext& context);
bool OpenDayNoteWindow(WindowContext& context);
bool OpenPeriodicNoteWindow(WindowContext& context);
bool OpenYearlyNoteWindow(WindowContext& context);
bool OpenWeekdayNoteWindow(WindowContext& context);
bool OpenNotesOverview(WindowContext& context);
bool OpenDeleteNotesWindow(WindowContext& context);

// The day under the cursor, the cursor first pulled into the displayed grid:
// its context and the NoteDateCode its cell holds. Nothing when the cell
// holds no date.
struct SelectedDay {
    DayContext day;
    std::int32_t cellCode;
};
std::optional<SelectedDay> SelectedNoteDay(AppState& state);

}  // namespace sk
