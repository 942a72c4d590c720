#include "notes/NoteNames.h"

namespace sk {

const char* const kOccurrenceNames[5] = {"ersten", "zweiten", "dritten", "vierten", "letzten"};

std::string DayNoteFileName(std::int32_t noteDateCode) { return std::to_string(noteDateCode) + ".txt"; }
std::string PeriodicNoteFileName(std::int32_t anchor, std::int32_t period) {
    return std::to_string(anchor) + "." + std::to_string(period) + ".tnt";
}
std::string YearlyNoteFileName(int noteMonthDayCode) { return std::to_string(noteMonthDayCode) + ".jnt"; }
std::string WeekdayNoteFileName(int weekdayNoteCode) { return std::to_string(weekdayNoteCode) + ".wmt"; }

std::int32_t PeriodicAnchor(DayNumber d, std::int32_t period) {
    // Written as the recurrence rule states it; equals d mod P + P for d >= 0.
    return d - period * (d / period - 1);
}

int NoteMonthDayCodeOf(std::int32_t noteDateCode) { return noteDateCode - noteDateCode / 10000 * 10000; }

int WeekdayNoteCode(int monthSel, int weekday, int occurrence) {
    return kFirstWeekdayNoteCode + monthSel * 100 + weekday * 10 + occurrence;
}

int OccurrenceOfDay(int day) { return day * 10 / 71; }  // trunc(day / 7.1), exact for 1-31

namespace {

// A plain decimal number of at most nine digits (no sign, no leading zero).
std::optional<std::int32_t> PlainNumber(std::string_view s) {
    if (s.empty() || s.size() > 9 || (s[0] == '0' && s.size() > 1)) return std::nullopt;
    std::int32_t v = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

bool IsYearlyCode(std::int32_t c) {
    const int month = c / 100, day = c % 100;
    return c >= 1 && month <= 11 && day >= 1 && day <= MonthLength(2000, month);  // 2000: 29 February exists
}

bool IsWeekdayCode(std::int32_t c) {
    if (c < kFirstWeekdayNoteCode || c > kLastWeekdayNoteCode) return false;
    const int rest = c - kFirstWeekdayNoteCode;
    return rest / 100 <= kEveryMonth && rest / 10 % 10 <= 6 && rest % 10 <= kLastOccurrence;
}

}  // namespace

std::optional<NoteFileName> ParseNoteFileName(std::string_view name) {
    if (name.size() < 5) return std::nullopt;
    const std::string_view ext = name.substr(name.size() - 4);
    const std::string_view stem = name.substr(0, name.size() - 4);
    if (ext == ".txt") {
        const auto v = PlainNumber(stem);
        if (v && DayNumberOfNoteDateCode(*v)) return NoteFileName{NoteKind::Day, *v, 0};
    } else if (ext == ".jnt") {
        const auto v = PlainNumber(stem);
        if (v && IsYearlyCode(*v)) return NoteFileName{NoteKind::Yearly, *v, 0};
    } else if (ext == ".wmt") {
        const auto v = PlainNumber(stem);
        if (v && IsWeekdayCode(*v)) return NoteFileName{NoteKind::Weekday, *v, 0};
    } else if (ext == ".tnt") {
        const auto dot = stem.find('.');
        if (dot == std::string_view::npos) return std::nullopt;
        const auto anchor = PlainNumber(stem.substr(0, dot));
        const auto period = PlainNumber(stem.substr(dot + 1));
        if (anchor && period && *anchor > 0 && *period > 0)
            return NoteFileName{NoteKind::Periodic, *anchor, *period};
    }
    return std::nullopt;
}

}  // namespace sk
