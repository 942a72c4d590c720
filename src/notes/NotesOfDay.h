#pragma once
// All notes of one day joined into one text, for the status line and the
// notes window of a day, and the overview of the displayed months.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// The status line is one line: past this many characters its notes text is
// cut, ending in "…" and, when whole notes are left out, in how many there are.
inline constexpr std::size_t kStatusLineNoteCharacters = 300;
inline constexpr std::string_view kStatusLineCut = "\u2026";  // "…"
inline constexpr std::string_view kMoreNotesPrefix = " und ";
inline constexpr std::string_view kOneMoreNote = " weitere Notiz";
inline constexpr std::string_view kMoreNotes = " weitere Notizen";

// Keeps the texts of periodic, yearly and weekday notes once they are read,
// for exports over many days on which the same notes come back, and reads
// every note through one handle of the folder. Valid while the store's
// indexes are not rescanned.
class NoteTextCache {
public:
    explicit NoteTextCache(const NoteStore& store);
    // Day notes come once: read, not kept.
    std::string DayNoteText(const DayContext& ctx) const;
    // By position in the store's periodic index.
    const std::string& PeriodicText(std::uint32_t entry);
    const std::string& YearlyText(int noteMonthDayCode);
    const std::string& WeekdayText(int weekdayNoteCode);

private:
    struct Texts {
        std::vector<std::string> text;
        std::vector<bool> read;
        explicit Texts(std::size_t n) : text(n), read(n, false) {}
    };
    template <class FileName>
    const std::string& Get(Texts& texts, std::size_t slot, FileName&& fileName);

    const NoteStore& store_;
    FolderReader folder_;
    Texts periodic_;
    Texts yearly_;   // by month-day code
    Texts weekday_;  // by code - kFirstWeekdayNoteCode
};

// Day note, periodic notes (index order), yearly note with its year markers
// replaced, weekday-in-month notes (identical texts once); no separator at
// the end. NUL characters of the notes are left out. With a cache, the files
// of repeating notes are read once.
std::string NotesOfDay(const NoteStore& store, const DayContext& ctx, NotesForm form, NoteTextCache* cache = nullptr);
// The same for a date text "DD.MM.YYYY"; empty when the text names no day.
std::string NotesOfDay(const NoteStore& store, std::string_view dateText, NotesForm form);
// The notes NotesOfDay joins, for exports over many days, where a day can
// carry hundreds of periodic notes that come back again and again: those
// as their positions in the store's periodic index (their texts are the
// cache's), the others as texts. Kept between days, so a day costs no
// allocation. The periodic notes come from the sweep of the store's index,
// so days are best asked in ascending order.
struct NotesOfDayBuffer {
    std::vector<std::string> others;  // the first otherCount are the day's; NULs left out
    std::size_t otherCount = 0;
    std::size_t periodicAt = 0;       // the periodic notes come before others[periodicAt]
    std::vector<std::uint32_t> periodicEntries;  // index order
};
void NotesOfDayInOrder(const NoteStore& store, const DayContext& ctx, NoteTextCache& cache,
                       PeriodicDaySweep& sweep, NotesOfDayBuffer& buffer);

// The notes field of the status line: the status-line form with every line
// break ("\r\n", a lone "\n" or a lone "\r") shown as no-break space, "»",
// no-break space, at most kStatusLineNoteCharacters characters of it: a
// longer text is cut and ends with "…" and, for the notes not shown at all,
// " und 497 weitere Notizen". The files of notes past the cut are not read.
std::string StatusLineNotesOfDay(const NoteStore& store, const DayContext& ctx);
std::string ReplaceLineBreaks(std::string_view text, std::string_view replacement);

}  // namespace sk
