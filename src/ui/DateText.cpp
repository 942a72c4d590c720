#include "ui/DateText.h"

#include <algorithm>
#include <cctype>

namespace sk {

namespace {

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

int DaysIn(int year, int month) { return MonthLength(std::clamp(year, 1, 9999), month - 1); }

// Reads an unsigned number of at most maxDigits digits from text at pos.
std::optional<int> ReadNumber(std::string_view text, std::size_t& pos, int maxDigits) {
    int value = 0;
    int digits = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
        if (++digits > maxDigits) return std::nullopt;
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    if (digits == 0) return std::nullopt;
    return value;
}

}  // namespace

std::string FormatDateField(const CivilDate& date, bool withYear) {
    std::string text = TwoDigits(date.day) + "." + TwoDigits(date.month) + ".";
    if (withYear) text += std::to_string(date.year);
    return text;
}

std::optional<CivilDate> ParseDateField(std::string_view text, bool withYear, int yearOfShortForm) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    std::size_t pos = 0;
    const auto day = ReadNumber(text, pos, 2);
    if (!day || pos >= text.size() || text[pos++] != '.') return std::nullopt;
    const auto month = ReadNumber(text, pos, 2);
    if (!month) return std::nullopt;
    int year = yearOfShortForm;
    if (withYear) {
        if (pos >= text.size() || text[pos++] != '.') return std::nullopt;
        const auto y = ReadNumber(text, pos, 4);
        if (!y) return std::nullopt;
        year = *y;
    } else if (pos < text.size() && text[pos] == '.') {
        ++pos;
    }
    if (pos != text.size()) return std::nullopt;
    if (*month < 1 || *month > 12 || *day < 1 || year < 1) return std::nullopt;
    return CivilDate{year, *month, std::min(*day, DaysIn(year, *month))};
}

CivilDate ClampDate(const CivilDate& date, const DateFieldRange& range) {
    const int year = std::clamp(date.year, 1, 9999);
    const int month = std::clamp(date.month, 1, 12);
    const int day = std::clamp(date.day, 1, DaysIn(year, month));
    const DayNumber d = std::clamp(DayNumberOf(year, month, day), range.first, range.last);
    return CivilOf(d);
}

int DatePartAt(int cursorPosition) {
    if (cursorPosition <= 2) return 0;
    if (cursorPosition <= 5) return 1;
    return 2;
}

CivilDate StepDatePart(const CivilDate& date, int part, int delta, const DateFieldRange& range) {
    CivilDate d = date;
    if (part == 0) {
        const int n = DaysIn(d.year, d.month);
        d.day = ((d.day - 1 + delta) % n + n) % n + 1;
    } else if (part == 1) {
        d.month = ((d.month - 1 + delta) % 12 + 12) % 12 + 1;
    } else {
        d.year += delta;
    }
    return ClampDate(d, range);
}

}  // namespace sk
