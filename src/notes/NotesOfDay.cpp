#include "notes/NotesOfDay.h"

#include "notes/YearMarkers.h"

namespace sk {

std::string NotesOfDay(const NoteStore& store, const DayContext& ctx, NotesForm form) {
    const std::string_view sep = form == NotesForm::Overview ? kOverviewNoteSeparator : kStatusNoteSeparator;
    std::string out;
    const auto add = [&](std::string_view note) {
        // A NUL byte is no character of a text field: every place that shows
        // notes leaves it out, as the editor does.
        for (const char c : note)
            if (c != '\0') out += c;
        out += sep;
    };
    if (store.HasDayNote(ctx)) add(store.ReadDayNote(ctx));
    const int periodic = store.CountPeriodicNotesOfDay(ctx);
    for (int k = 1; k <= periodic; ++k) add(store.ReadNoteFile(store.PeriodicNoteFileOfDay(ctx, k)));
    if (store.HasYearlyNote(ctx)) add(InsertYears(store.ReadYearlyNote(ctx), ctx.year));

    const std::string t1 = store.ReadWeekdayNoteOfDay(ctx, false, ctx.month);
    const std::string t2 = store.ReadWeekdayNoteOfDay(ctx, false, kEveryMonth);
    if (!t1.empty()) add(t1);
    if (!t2.empty() && t2 != t1) add(t2);
    const int state = store.WeekdayNoteStateOfDay(ctx);
    if (state == 2 || state == 3) {
        const std::string t3 = store.ReadWeekdayNoteOfDay(ctx, true, ctx.month);
        const std::string t4 = store.ReadWeekdayNoteOfDay(ctx, true, kEveryMonth);
        add(t3);
        if (!t4.empty() && t4 != t3) add(t4);
    }
    while (out.ends_with(sep)) out.resize(out.size() - sep.size());
    return out;
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
    return ReplaceLineBreaks(NotesOfDay(store, ctx, NotesForm::StatusLine), kStatusLineBreak);
}

}  // namespace sk
