// Typing into a date field, key by key (digits, ".", "-", backspace, cursor
// moves): the text keeps the field's shape (or the ISO form), and the date
// it stands for is a real day inside the field's range. A date the field
// takes is exactly the one its text says, never another one put in its
// place. Free text read as a date is real too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ui/DateText.h"

namespace {
// A short-form field (no year) takes 29 February: it checks days against a leap year.
bool IsReal(const sk::CivilDate& d, bool withYear) {
    const int year = withYear ? d.year : 2000;
    return d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= sk::MonthLength(year, d.month - 1);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const bool withYear = data[0] & 1;
    const sk::DateFieldRange range{sk::DayNumberOf(1970 + data[1] % 20, 1, 1), sk::DayNumberOf(2037, 12, 31)};
    const sk::DateTyping typing(withYear, range);
    const sk::CivilDate fallback{2026, 12, 7};
    sk::DateEdit edit{typing.TextOf(fallback), 0};
    for (std::size_t i = 2; i < size; ++i) {
        const char key = static_cast<char>(data[i]);
        if (key >= '0' && key <= '9') {
            edit = typing.TypeDigit(edit, key, fallback);
        } else if (key == '.' || key == ',') {
            edit = typing.TypeSeparator(edit, fallback);
        } else if (key == '-') {
            edit = typing.TypeDash(edit);
        } else if (key == '\b') {
            edit = typing.StepBack(edit, fallback);
        } else {
            edit.cursor = static_cast<unsigned char>(key) % (typing.Length() + 1);
        }
        if (!typing.InShape(edit.text) || edit.cursor < 0 || edit.cursor > typing.Length()) std::abort();
        const sk::CivilDate d = typing.DateOf(edit.text, fallback);
        const sk::DayNumber n = sk::DayNumberOf(d.year, d.month, d.day);
        if (!IsReal(d, withYear) || (withYear && (n < range.first || n > range.last))) std::abort();
        if (const auto taken = typing.Taken(edit, fallback)) {
            const sk::DayNumber t = sk::DayNumberOf(taken->year, taken->month, taken->day);
            if (!IsReal(*taken, withYear) || (withYear && (t < range.first || t > range.last))) std::abort();
            // Two year digits typed last stand for the century's year; otherwise the text is the date.
            const auto said = sk::ParseDateField(edit.text, withYear, taken->year);
            if (edit.yearDigits != 2 &&
                (!said || said->year != taken->year || said->month != taken->month || said->day != taken->day))
                std::abort();
        }
    }
    const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);
    if (const auto parsed = sk::ParseDateField(text, withYear, 2026)) {
        if (!IsReal(*parsed, withYear)) std::abort();
    }
    return 0;
}
