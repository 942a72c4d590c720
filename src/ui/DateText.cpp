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

int FullYearOf(int twoDigitYear) {
    constexpr int kFirstCenturyYear = 70;  // the calendar starts in 1970
    return twoDigitYear >= kFirstCenturyYear ? 1900 + twoDigitYear : 2000 + twoDigitYear;
}

std::optional<CivilDate> ParseDateField(std::string_view text, bool withYear, int yearOfShortForm) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    std::optional<int> day, month;
    int year = yearOfShortForm;
    std::size_t pos = 0;
    const bool compact = withYear && text.size() == 8 &&
                         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (withYear && text.find('-') != std::string_view::npos) {  // "YYYY-MM-DD"
        const auto y = ReadNumber(text, pos, 4);
        if (!y || pos != 4 || pos >= text.size() || text[pos++] != '-') return std::nullopt;
        year = *y;
        month = ReadNumber(text, pos, 2);
        if (!month || pos >= text.size() || text[pos++] != '-') return std::nullopt;
        day = ReadNumber(text, pos, 2);
    } else if (compact) {  // "DDMMYYYY"
        std::size_t at = 0;
        day = ReadNumber(text.substr(0, 2), at, 2);
        at = 0;
        month = ReadNumber(text.substr(2, 2), at, 2);
        at = 0;
        year = ReadNumber(text.substr(4), at, 4).value_or(0);
        pos = text.size();
    } else {
        day = ReadNumber(text, pos, 2);
        if (!day || pos >= text.size() || text[pos++] != '.') return std::nullopt;
        month = ReadNumber(text, pos, 2);
        if (!month) return std::nullopt;
        if (withYear) {
            if (pos >= text.size() || text[pos++] != '.') return std::nullopt;
            const std::size_t yearStart = pos;
            const auto y = ReadNumber(text, pos, 4);
            if (!y) return std::nullopt;
            const std::size_t digits = pos - yearStart;
            if (digits != 2 && digits != 4) return std::nullopt;
            year = digits == 2 ? FullYearOf(*y) : *y;
        } else if (pos < text.size() && text[pos] == '.') {
            ++pos;
        }
    }
    if (!day || !month || pos != text.size()) return std::nullopt;
    // A year-less date is checked against a leap year, so 29 February can be meant.
    const int checkYear = withYear ? year : 2000;
    if (*month < 1 || *month > 12 || *day < 1 || year < 1 || *day > DaysIn(checkYear, *month)) return std::nullopt;
    return CivilDate{year, *month, *day};
}

std::string DateFieldRangeText(const DateFieldRange& range) {
    return FormatDateField(CivilOf(range.first), true) + " bis " + FormatDateField(CivilOf(range.last), true);
}

std::string DateRefusalText(std::string_view fieldName, std::string_view text, bool withYear,
                            const DateFieldRange& range) {
    std::string out = "„" + std::string(fieldName) + "“: „" + std::string(text) + "“ ist kein gültiges Datum";
    if (withYear) return out + " vom " + DateFieldRangeText(range) + " (TT.MM.JJJJ oder JJJJ-MM-TT).";
    return out + " (TT.MM.).";
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

namespace sk {

namespace {

// Digit places of the shape "DD.MM.YYYY": day 0-1, month 3-4, year 6-9.
constexpr int kDayEnd = 2;
constexpr int kMonthStart = 3;
constexpr int kMonthEnd = 5;
constexpr int kYearStart = 6;

int PartOfPosition(int position) { return position < kMonthStart ? 0 : position < kYearStart ? 1 : 2; }

bool IsDot(int position) { return position == kDayEnd || position == kMonthEnd; }

// The number of the digits text[from, from + n), or nothing when one is not a digit.
std::optional<int> DigitsAt(std::string_view text, int from, int n) {
    int value = 0;
    for (int i = from; i < from + n; ++i) {
        const char c = text[static_cast<std::size_t>(i)];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

// The ISO form as it is typed: up to four year digits, "-", up to two month
// digits, "-", up to two day digits; also the year alone, when the dash
// after it was taken back.
bool DateTyping::IsIsoText(std::string_view text) {
    if (text.empty() || text.size() > 10) return false;
    int part = 0, digits = 0;
    for (char c : text) {
        if (c == '-') {
            if (++part > 2) return false;
            digits = 0;
        } else if (c >= '0' && c <= '9') {
            if (++digits > (part == 0 ? 4 : 2)) return false;
        } else {
            return false;
        }
    }
    return true;
}

CivilDate DateTyping::Real(CivilDate date) const {
    date.month = std::clamp(date.month, 1, 12);
    if (!withYear_) {
        date.day = std::clamp(date.day, 1, MonthLength(2000, date.month - 1));
        return date;
    }
    // A year outside the range keeps day and month where that is possible.
    date.year = std::clamp(date.year, CivilOf(range_.first).year, CivilOf(range_.last).year);
    return ClampDate(date, range_);
}

bool DateTyping::InShape(std::string_view text) const {
    if (withYear_ && IsIsoText(text)) return true;
    if (static_cast<int>(text.size()) != Length()) return false;
    for (int i = 0; i < Length(); ++i) {
        const char c = text[static_cast<std::size_t>(i)];
        if (IsDot(i) ? c != '.' : (c < '0' || c > '9')) return false;
    }
    return true;
}

CivilDate DateTyping::DateOf(std::string_view text, const CivilDate& fallback) const {
    if (withYear_ && IsIsoText(text)) return Exact(text, fallback.year).value_or(Real(fallback));
    if (!InShape(text)) return Real(fallback);
    const auto day = DigitsAt(text, 0, 2);
    const auto month = DigitsAt(text, kMonthStart, 2);
    const auto year = withYear_ ? DigitsAt(text, kYearStart, 4) : std::optional<int>(fallback.year);
    if (!day || !month || !year) return Real(fallback);
    return Real(CivilDate{*year, *month, *day});
}

std::string DateTyping::TextOf(const CivilDate& date) const { return FormatDateField(Real(date), withYear_); }

std::optional<CivilDate> DateTyping::Exact(std::string_view text, int shortFormYear) const {
    if (!InShape(text) || !Complete(text)) return std::nullopt;
    auto date = ParseDateField(text, withYear_, shortFormYear);
    if (!date) return std::nullopt;
    if (!withYear_) {
        date->year = shortFormYear;  // a leap day stays as typed; the year's owner decides
        return date;
    }
    const DayNumber d = DayNumberOf(date->year, date->month, date->day);
    if (d < range_.first || d > range_.last) return std::nullopt;
    return date;
}

DateEdit DateTyping::OverSelection(const DateEdit& edit, int selectionEnd, const CivilDate& fallback) const {
    if (!withYear_ || !IsIsoText(edit.text)) return DateEdit{edit.text, edit.cursor};
    const int size = static_cast<int>(edit.text.size());
    const int from = std::clamp(edit.cursor, 0, size);
    const int to = std::clamp(selectionEnd, from, size);
    std::string text = edit.text;
    text.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
    if (text.empty() || !IsIsoText(text)) return DateEdit{TextOf(fallback), 0};
    return DateEdit{text, from};
}

bool DateTyping::Complete(std::string_view text) const {
    if (IsIsoText(text)) return text.size() == 10 && text[4] == '-' && text[7] == '-';
    return static_cast<int>(text.size()) == Length();
}

namespace {

// A character typed into the ISO form at the cursor; refused when the text
// would leave the form.
DateEdit TypeIntoIso(const DateEdit& edit, char c) {
    DateEdit out = edit;
    const std::size_t at = static_cast<std::size_t>(std::clamp(edit.cursor, 0, static_cast<int>(edit.text.size())));
    std::string text = edit.text;
    text.insert(at, 1, c);
    if (!DateTyping::IsIsoText(text)) return out;
    out.text = text;
    out.cursor = static_cast<int>(at) + 1;
    out.advanced = false;
    return out;
}

// Keys typed in a row from the first place, as long as the row lasts.
std::string RunAfter(const DateEdit& edit, char key) {
    constexpr std::size_t kLongestRun = 10;
    if (edit.cursor == 0) return std::string(1, key);
    if (edit.run.empty() || edit.run.size() >= kLongestRun) return {};
    return edit.run + key;
}

}  // namespace

DateEdit DateTyping::TypeDash(const DateEdit& edit) const {
    if (withYear_ && IsIsoText(edit.text)) return TypeIntoIso(edit, '-');
    const bool yearTyped = !edit.run.empty() && edit.run.size() <= 4 &&
                           std::all_of(edit.run.begin(), edit.run.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!withYear_ || !yearTyped) return edit;
    DateEdit out{edit.run + "-", static_cast<int>(edit.run.size()) + 1};
    return out;
}

DateEdit DateTyping::TypeDigit(const DateEdit& edit, char digit, const CivilDate& fallback) const {
    if (digit < '0' || digit > '9') return DateEdit{edit.text, edit.cursor};
    if (withYear_ && IsIsoText(edit.text)) return TypeIntoIso(edit, digit);
    DateEdit out{InShape(edit.text) ? edit.text : TextOf(fallback), edit.cursor};
    out.run = RunAfter(edit, digit);
    int pos = std::clamp(edit.cursor, 0, Length());
    if (IsDot(pos)) ++pos;
    if (pos >= Length()) return out;  // no digit place left of the end
    const int partBefore = PartOfPosition(pos);
    if (partBefore == 2) {
        out.yearDigits = pos == kYearStart ? 1 : edit.yearDigits == pos - kYearStart ? edit.yearDigits + 1 : 0;
    }
    auto& t = out.text;
    if ((pos == 0 && digit > '3') || (pos == kMonthStart && digit > '1')) {
        t[static_cast<std::size_t>(pos)] = '0';
        t[static_cast<std::size_t>(pos) + 1] = digit;
        pos += 2;
    } else {
        t[static_cast<std::size_t>(pos)] = digit;
        ++pos;
    }
    if (IsDot(pos)) {
        ++pos;  // over the dot
        out.advanced = true;
    }
    out.cursor = std::min(pos, Length());
    return out;
}

DateEdit DateTyping::TypeSeparator(const DateEdit& edit, const CivilDate& fallback) const {
    const int pos = std::clamp(edit.cursor, 0, Length());
    if (edit.advanced && (pos == kMonthStart || pos == kYearStart)) {
        // The part was full and the cursor already moved on: this dot is the
        // one the person types after every part, not a wish to skip a part.
        return DateEdit{edit.text, edit.cursor};
    }
    if (withYear_ && IsIsoText(edit.text)) return edit;  // the ISO form has no dots
    DateEdit out{InShape(edit.text) ? edit.text : TextOf(fallback), edit.cursor};
    out.run = RunAfter(edit, '.');
    if (pos == 1 || pos == kMonthStart + 1) {
        // One digit typed into a two-digit part: that digit is the number.
        out.text[static_cast<std::size_t>(pos)] = out.text[static_cast<std::size_t>(pos) - 1];
        out.text[static_cast<std::size_t>(pos) - 1] = '0';
    }
    if (pos < kMonthStart) {
        out.cursor = kMonthStart;
    } else if (pos < kYearStart) {
        out.cursor = std::min(kYearStart, Length());
    } else {
        return DateEdit{edit.text, edit.cursor, false, edit.yearDigits};  // the year is the last part
    }
    return out;
}

DateEdit DateTyping::StepBack(const DateEdit& edit, const CivilDate& fallback) const {
    if (withYear_ && IsIsoText(edit.text)) {
        // The ISO form is free text: backspace removes; without its first "-"
        // the text is the year typed so far, typed again in the usual shape.
        const int at = std::clamp(edit.cursor, 0, static_cast<int>(edit.text.size()));
        if (at == 0) return edit;
        std::string text = edit.text;
        text.erase(static_cast<std::size_t>(at) - 1, 1);
        if (text.empty()) return DateEdit{TextOf(fallback), 0};  // all taken back: the usual shape again
        if (IsIsoText(text)) return DateEdit{text, at - 1};
        return edit;  // a dash between two parts stays
    }
    DateEdit out{edit.text, edit.cursor};
    int pos = std::clamp(edit.cursor, 0, Length()) - 1;
    if (IsDot(pos)) --pos;
    out.cursor = std::max(pos, 0);
    if (out.cursor >= kYearStart && edit.yearDigits > 0) out.yearDigits = edit.yearDigits - 1;
    return out;
}

std::optional<CivilDate> DateTyping::Taken(const DateEdit& edit, const CivilDate& fallback) const {
    if (withYear_ && edit.yearDigits == 2 && edit.cursor == kYearStart + 2 && InShape(edit.text) &&
        !IsIsoText(edit.text)) {
        std::string text = edit.text;
        const std::string year = std::to_string(FullYearOf(*DigitsAt(text, kYearStart, 2)));
        text.replace(static_cast<std::size_t>(kYearStart), 4, year);
        return Exact(text, fallback.year);
    }
    return Exact(edit.text, fallback.year);
}

}  // namespace sk
