#pragma once
// The text of a date field: "DD.MM.YYYY" or "DD.MM.", parsing, stepping the
// part under the cursor and keeping the date real and inside its range.

#include <optional>
#include <string>
#include <string_view>

#include "calendar/Date.h"

namespace sk {

struct DateFieldRange {
    DayNumber first = kFirstDay;
    DayNumber last = kLastDay;
};

std::string FormatDateField(const CivilDate& date, bool withYear);

// Reads "D.M.YYYY" / "DD.MM.YYYY" / "DDMMYYYY", a two-digit year "D.M.YY",
// the ISO form "YYYY-MM-DD" (or "D.M." without the year, which then comes
// from `yearOfShortForm`). A date that does not exist (31.02.) or anything
// unreadable gives nothing: no other date is put in its place.
std::optional<CivilDate> ParseDateField(std::string_view text, bool withYear, int yearOfShortForm);

// "01.01.1970 bis 31.12.2037": the range for messages.
std::string DateFieldRangeText(const DateFieldRange& range);
// Why a field refuses its text, naming the field and the dates it takes.
std::string DateRefusalText(std::string_view fieldName, std::string_view text, bool withYear,
                            const DateFieldRange& range);

// The date inside the range: earlier dates become the first, later the last.
// A two-digit year as a person means it in this calendar: 70-99 are 1970-1999,
// 00-69 are 2000-2069.
int FullYearOf(int twoDigitYear);

CivilDate ClampDate(const CivilDate& date, const DateFieldRange& range);

// Part of the text at a cursor position: 0 day, 1 month, 2 year.
int DatePartAt(int cursorPosition);

// Steps one part by delta; day and month wrap inside their cycle, the
// result is a real date inside the range.
CivilDate StepDatePart(const CivilDate& date, int part, int delta, const DateFieldRange& range);

// Typing into a date field. The text keeps the field's shape ("DD.MM.YYYY"
// or "DD.MM."): a digit overwrites the digit under the cursor and the dots
// are stepped over. A year typed first and followed by "-" turns the text to
// the ISO form, typed freely up to "YYYY-MM-DD". What is typed stays as
// typed: a date that does not exist or lies outside the range is refused
// when it is taken, never replaced by another one.
struct DateEdit {
    std::string text;
    int cursor = 0;
    // The cursor stepped over a dot by itself because a part was full: a dot
    // typed next only confirms that step.
    bool advanced = false;
    // Year digits typed in a row from the year's first place; two of them
    // and nothing more stand for a two-digit year.
    int yearDigits = 0;
    // The keys typed in a row from the field's first place: a "-" after a
    // year typed there turns the field to the form "YYYY-MM-DD".
    std::string run;
};

class DateTyping {
public:
    // Short-form fields (no year) check days against a leap year, so that
    // 29 February can be entered.
    DateTyping(bool withYear, DateFieldRange range) : withYear_(withYear), range_(range) {}

    int Length() const { return withYear_ ? 10 : 6; }
    // Whether a text has the field's shape: digits and the two dots, or
    // (with a year) the ISO form being typed: up to four digits, "-", ...
    bool InShape(std::string_view text) const;
    static bool IsIsoText(std::string_view text);
    // Typing over a selection: in the ISO form the selected characters go
    // (the usual shape comes back when nothing is left); the shape
    // "DD.MM.YYYY" is overwritten from the selection's start.
    DateEdit OverSelection(const DateEdit& edit, int selectionEnd, const CivilDate& fallback) const;
    // The date a text in the field's shape stands for exactly: a real date
    // inside the range, or nothing. The short form takes `shortFormYear`.
    std::optional<CivilDate> Exact(std::string_view text, int shortFormYear) const;
    // Whether the text is typed to its end (so a refusal can be shown while typing).
    bool Complete(std::string_view text) const;
    // The date a text in the field's shape stands for, made real and kept in
    // the range; `fallback` gives the year of the short form and the answer
    // for a text that is not in the shape at all.
    CivilDate DateOf(std::string_view text, const CivilDate& fallback) const;
    // The text of a date, made real and kept in the range first.
    std::string TextOf(const CivilDate& date) const;

    // A digit typed at the cursor. The first digit of a day above 3 or of a
    // month above 1 stands for the whole part ("4" is the 4th) and moves on.
    DateEdit TypeDigit(const DateEdit& edit, char digit, const CivilDate& fallback) const;
    // The separator typed: a part holding one typed digit becomes that
    // number ("1." is the 1st), and the cursor moves to the next part.
    DateEdit TypeSeparator(const DateEdit& edit, const CivilDate& fallback) const;
    // "-": after a year typed from the first place, the ISO form begins;
    // inside the ISO form it is a character like the digits.
    DateEdit TypeDash(const DateEdit& edit) const;
    // Backspace: the cursor steps back over one digit; the shape stays. In
    // the ISO form it removes the character; with nothing left the field
    // shows `fallback` in its usual shape.
    DateEdit StepBack(const DateEdit& edit, const CivilDate& fallback = CivilDate{2000, 1, 1}) const;
    // The date a person means when the field is taken (Return, leaving it):
    // a two-digit year typed last reads as that year; nothing when the text
    // is no real date inside the range.
    std::optional<CivilDate> Taken(const DateEdit& edit, const CivilDate& fallback) const;

private:
    CivilDate Real(CivilDate date) const;

    bool withYear_;
    DateFieldRange range_;
};

}  // namespace sk
