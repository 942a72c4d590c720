#pragma once
// All notes of one day joined into one text, for the status line and the
// notes window of a day, and the overview of the displayed months.

#include <string>
#include <string_view>

#include "calendar/Date.h"
#include "notes/NoteStore.h"

namespace sk {

enum class NotesForm {
    StatusLine,  // notes separated by no-break space, "|", no-break space
    Overview,    // notes separated by an empty line ("\r\n\r\n")
};

inline constexpr std::string_view kStatusNoteSeparator = "\u00A0|\u00A0";
inline constexpr std::string_view kOverviewNoteSeparator = "\r\n\r\n";
inline constexpr std::string_view kStatusLineBreak = "\u00A0\u00BB\u00A0";  // no-break space, "»", no-break space

// Day note, periodic notes (index order), yearly note with its year markers
// replaced, weekday-in-month notes (identical texts once); no separator at
// the end. NUL characters of the notes are left out.
std::string NotesOfDay(const NoteStore& store, const DayContext& ctx, NotesForm form);
// The same for a date text "DD.MM.YYYY"; empty when the text names no day.
std::string NotesOfDay(const NoteStore& store, std::string_view dateText, NotesForm form);

// The notes field of the status line: the status-line form with every line
// break ("\r\n", a lone "\n" or a lone "\r") shown as no-break space, "»",
// no-break space.
std::string StatusLineNotesOfDay(const NoteStore& store, const DayContext& ctx);
std::string ReplaceLineBreaks(std::string_view text, std::string_view replacement);

}  // namespace sk
