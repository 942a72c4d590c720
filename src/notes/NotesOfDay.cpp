#include "notes/NotesOfDay.h"

#include <utility>

#include "notes/YearMarkers.h"

namespace sk {

NoteTextCache::NoteTextCache(const NoteStore& store)
    : store_(store),
      folder_(store.Folder()),
      periodic_(store.Periodic().Entries().size()),
      yearly_(static_cast<std::size_t>(kLastYearlyNoteCode + 1)),
      weekday_(static_cast<std::size_t>(kLastWeekdayNoteCode - kFirstWeekdayNoteCode + 1)) {}

// The file name is made only when the file is read.
template <class FileName>
const std::string& NoteTextCache::Get(Texts& texts, std::size_t slot, FileName&& fileName) {
    if (!texts.read[slot]) {
        texts.text[slot] = store_.ReadNoteFile(folder_, fileName());
        texts.read[slot] = true;
    }
    return texts.text[slot];
}

std::string NoteTextCache::DayNoteText(const DayContext& ctx) const {
    return store_.ReadNoteFile(folder_, DayNoteFileName(NoteDateCode(ctx)));
}

const std::string& NoteTextCache::PeriodicText(std::uint32_t entry) {
    return Get(periodic_, entry, [&] { return store_.Periodic().Entries()[entry].FileName(); });
}
const std::string& NoteTextCache::YearlyText(int noteMonthDayCode) {
    return Get(yearly_, static_cast<std::size_t>(noteMonthDayCode), [&] { return YearlyNoteFileName(noteMonthDayCode); });
}
const std::string& NoteTextCache::WeekdayText(int weekdayNoteCode) {
    return Get(weekday_, static_cast<std::size_t>(weekdayNoteCode - kFirstWeekdayNoteCode),
               [&] { return WeekdayNoteFileName(weekdayNoteCode); });
}

namespace {

// Hands the notes of a day in their order to the sink: Add(text, entry) for
// each, entry being a periodic note's position in the index (else -1); a
// periodic note the sink no longer wants the text of (WantsText() false) is
// only counted with Skip(), its file not read. A sink that takes the
// periodic notes as the list of their entries (left in periodicEntries) is
// told where they come with PeriodicNotesHere().
template <class Sink>
void CollectNotesOfDay(const NoteStore& store, const DayContext& ctx, NoteTextCache* cache, Sink& sink,
                       std::vector<std::uint32_t>& periodicEntries, PeriodicDaySweep* sweep = nullptr) {
    constexpr std::int64_t kNotPeriodic = -1;
    if (store.HasDayNote(ctx)) sink.Add(cache ? cache->DayNoteText(ctx) : store.ReadDayNote(ctx), kNotPeriodic);
    if (sweep)
        sweep->EntriesOfDay(ctx.dayNumber, periodicEntries);
    else
        store.Periodic().EntriesOfDay(ctx.dayNumber, periodicEntries);
    if constexpr (requires { sink.PeriodicNotesHere(); }) {
        sink.PeriodicNotesHere();
    } else {
        for (const std::uint32_t entry : periodicEntries) {
            if (!sink.WantsText())
                sink.Skip();
            else if (cache)
                sink.Add(cache->PeriodicText(entry), entry);
            else
                sink.Add(store.ReadNoteFile(store.Periodic().Entries()[entry].FileName()), entry);
        }
    }
    if (store.HasYearlyNote(ctx)) {
        const int code = NoteMonthDayCodeOf(NoteDateCode(ctx));
        sink.Add(InsertYears(cache ? cache->YearlyText(code) : store.ReadYearlyNote(ctx), ctx.year), kNotPeriodic);
    }

    const auto weekdayText = [&](bool last, int monthSel) -> std::string {
        const int code = store.WeekdayNoteCodeOfDay(ctx, last, monthSel);
        if (code == 0) return {};
        return cache ? cache->WeekdayText(code) : store.ReadNoteFile(WeekdayNoteFileName(code));
    };
    const std::string t1 = weekdayText(false, ctx.month);
    const std::string t2 = weekdayText(false, kEveryMonth);
    if (!t1.empty()) sink.Add(t1, kNotPeriodic);
    if (!t2.empty() && t2 != t1) sink.Add(t2, kNotPeriodic);
    const int state = store.WeekdayNoteStateOfDay(ctx);
    if (state == 2 || state == 3) {
        const std::string t3 = weekdayText(true, ctx.month);
        const std::string t4 = weekdayText(true, kEveryMonth);
        sink.Add(t3, kNotPeriodic);
        if (!t4.empty() && t4 != t3) sink.Add(t4, kNotPeriodic);
    }
}

// A NUL byte is no character of a text field: every place that shows notes
// leaves it out, as the editor does.
void AppendWithoutNul(std::string& out, std::string_view note) {
    for (std::size_t nul; (nul = note.find('\0')) != std::string_view::npos; note.remove_prefix(nul + 1))
        out.append(note.substr(0, nul));
    out.append(note);
}

void DropTrailingSeparators(std::string& text, std::string_view sep) {
    while (text.ends_with(sep)) text.resize(text.size() - sep.size());
}

// Every note, each followed by the separator.
struct JoinedNotes {
    std::string_view sep;
    std::string out;
    bool WantsText() const { return true; }
    void Skip() {}
    void Add(std::string_view note, std::int64_t) {
        AppendWithoutNul(out, note);
        out += sep;
    }
};

std::size_t CharacterCount(std::string_view utf8) {
    std::size_t n = 0;
    for (const unsigned char c : utf8) n += (c & 0xC0) != 0x80;
    return n;
}

// The status line's notes until the text is longer than the line shows;
// the notes after that are counted.
struct StatusLineNotes {
    std::string out;
    std::size_t characters = 0;
    int notShown = 0;
    // A note is shown when it starts within the line's characters.
    bool WantsText() const { return characters < kStatusLineNoteCharacters; }
    void Skip() { ++notShown; }
    void Add(std::string_view note, std::int64_t) {
        if (!WantsText()) {
            Skip();
            return;
        }
        std::string text;
        AppendWithoutNul(text, note);
        const std::string shown = ReplaceLineBreaks(text, kStatusLineBreak);
        out += shown;
        out += kStatusNoteSeparator;
        characters += CharacterCount(shown) + CharacterCount(kStatusNoteSeparator);
    }
};

// The first `characters` characters of a UTF-8 text.
std::string_view FirstCharacters(std::string_view utf8, std::size_t characters) {
    std::size_t i = 0;
    for (std::size_t n = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
        if (n++ == characters) break;
    }
    return utf8.substr(0, i);
}

}  // namespace

std::string NotesOfDay(const NoteStore& store, const DayContext& ctx, NotesForm form, NoteTextCache* cache) {
    JoinedNotes notes{form == NotesForm::Overview ? kOverviewNoteSeparator : kStatusNoteSeparator, {}};
    std::vector<std::uint32_t> periodicEntries;
    CollectNotesOfDay(store, ctx, cache, notes, periodicEntries);
    DropTrailingSeparators(notes.out, notes.sep);
    return std::move(notes.out);
}

namespace {
bool ParseTwoDigits(std::string_view s, int& v) {
    v = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    return true;
}
}  // namespace

void NotesOfDayInOrder(const NoteStore& store, const DayContext& ctx, NoteTextCache& cache,
                       PeriodicDaySweep& sweep, NotesOfDayBuffer& buffer) {
    struct InOrder {
        NotesOfDayBuffer& buffer;
        bool WantsText() const { return true; }
        void Skip() {}
        void PeriodicNotesHere() { buffer.periodicAt = buffer.otherCount; }
        void Add(std::string_view note, std::int64_t) {
            if (buffer.otherCount == buffer.others.size()) buffer.others.emplace_back();
            std::string& text = buffer.others[buffer.otherCount++];
            text.clear();
            AppendWithoutNul(text, note);
        }
    } inOrder{buffer};
    buffer.otherCount = 0;
    buffer.periodicAt = 0;
    CollectNotesOfDay(store, ctx, &cache, inOrder, buffer.periodicEntries, &sweep);
}

std::string NotesOfDay(const NoteStore& store, std::string_view dateText, NotesForm form) {
    int day = 0, month = 0, year = 0;
    if (dateText.size() != 10 || dateText[2] != '.' || dateText[5] != '.' || !ParseTwoDigits(dateText.substr(0, 2), day) ||
        !ParseTwoDigits(dateText.substr(3, 2), month) || !ParseTwoDigits(dateText.substr(6, 4), year))
        return {};
    if (month < 1 || month > 12 || day < 1 || day > MonthLength(year, month - 1)) return {};
    return NotesOfDay(store, MakeDayContext(DayNumberOf(year, month, day)), form);
}

std::string ReplaceLineBreaks(std::string_view text, std::string_view replacement) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += replacement;
        } else if (text[i] == '\n') {
            out += replacement;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string StatusLineNotesOfDay(const NoteStore& store, const DayContext& ctx) {
    StatusLineNotes notes;
    std::vector<std::uint32_t> periodicEntries;
    CollectNotesOfDay(store, ctx, nullptr, notes, periodicEntries);
    DropTrailingSeparators(notes.out, kStatusNoteSeparator);
    if (CharacterCount(notes.out) <= kStatusLineNoteCharacters && notes.notShown == 0) return std::move(notes.out);
    std::string text(FirstCharacters(notes.out, kStatusLineNoteCharacters));
    text += kStatusLineCut;
    if (notes.notShown > 0) {
        text += kMoreNotesPrefix;
        text += std::to_string(notes.notShown);
        text += notes.notShown == 1 ? kOneMoreNote : kMoreNotes;
    }
    return text;
}

}  // namespace sk
