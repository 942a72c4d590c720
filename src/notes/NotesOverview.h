#pragma once
// The overview of the notes of all displayed months ("Übersicht").

#include <cstdint>
#include <string>
#include <string_view>

#include "notes/NoteStore.h"

namespace sk {

inline constexpr std::string_view kOverviewRuleLine =
    "\r\n________________________________________________________\r\n";
inline constexpr std::string_view kOverviewDayGap = "\r\n \r\n";
inline constexpr std::string_view kNoNotesInViewText = "Im angezeigten Zeitraum sind keine Notizen vorhanden!";

// Every day of `columns` months from (firstYear, firstMonthIndex) that has
// notes: its date text, a line break and its notes; days apart by a line
// holding one blank; a rule line before today's cell (todayCode, a
// NoteDateCode) when earlier days have notes. Empty lines are then removed.
std::string BuildNotesOverview(const NoteStore& store, int firstYear, int firstMonthIndex, int columns,
                               std::int32_t todayCode);

// Replaces "\r\n\r\n" by "\r\n" until none is left.
std::string CollapseEmptyLines(std::string_view text);

}  // namespace sk
