#include "notes/NotesOverview.h"

#include "notes/DayNoteModel.h"
#include "notes/NotesOfDay.h"

namespace sk {

std::string CollapseEmptyLines(std::string_view text) {
    // "\r\n" cannot overlap itself, so the fixed point of the replacement is
    // every run of consecutive "\r\n" reduced to one: a single pass.
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "\r\n") == 0) {
            out += "\r\n";
            i += 2;
            while (text.compare(i, 2, "\r\n") == 0) i += 2;
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string BuildNotesOverview(const NoteStore& store, int firstYear, int firstMonthIndex, int columns,
                               std::int32_t todayCode) {
    std::string text;
    for (int column = 0; column < columns; ++column) {
        const int monthCount = firstMonthIndex + column;
        const int year = firstYear + monthCount / 12;
        const int monthIndex = monthCount % 12;
        const int length = MonthLength(year, monthIndex);
        for (int day = 1; day <= length; ++day) {
            const DayContext ctx = MakeDayContext(DayNumberOf(year, monthIndex + 1, day));
            const std::int32_t code = NoteDateCode(ctx);
            if (code == todayCode && !text.empty()) text += kOverviewRuleLine;
            const std::string notes = NotesOfDay(store, ctx, NotesForm::Overview);
            if (notes.empty()) continue;
            if (!text.empty()) text += kOverviewDayGap;
            text += DateTextOfNoteDateCode(code);
            text += "\r\n";
            text += notes;
        }
    }
    return CollapseEmptyLines(text);
}

}  // namespace sk
