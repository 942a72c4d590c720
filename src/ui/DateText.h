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

// Reads "D.M.YYYY" / "DD.MM.YYYY" / "DDMMYYYY" and a two-digit year "D.M.YY"
// (or "D.M." without the year, which then comes from `yearOfShortForm`). A day
// past the month's end is pulled back to its last day; anything unreadable
// gives nothing.
std::optional<CivilDate> ParseDateField(std::string_view text, bool withYear, int yearOfShortForm);

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

// Typing into a date field. The text always keeps the field's shape
// ("DD.MM.YYYY" or "DD.MM."): a digit overwrites the digit under the cursor
// and the dots are stepped over. A finished part is kept inside its own
// limits (day 1-31, month 1-12); the whole date is made real and kept inside
// the range only when it has been typed to its end (the year, or the month of
// the short form) or is taken, so a day typed before its month is not cut to
// the month that is still in the field.
struct DateEdit {
    std::string text;
    int cursor = 0;
    // The cursor stepped over a dot by itself because a part was full: a dot
    // typed next only confirms that step.
    bool advanced = false;
    // Year digits typed in a row from the year's first place; two of them
    // and nothing more stand for a two-digit year.
    int yearDigits = 0;
};

class DateTyping {
public:
    // Short-form fields (no year) check days against a leap year, so that
    // 29 February can be entered.
    DateTyping(bool withYear, DateFieldRange range) : withYear_(withYear), range_(range) {}

    int Length() const { return withYear_ ? 10 : 6; }
    // Whether a text has the field's shape: digits and the two dots.
    bool InShape(std::string_view text) const;
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
    // Backspace: the cursor steps back over one digit; the shape stays.
    DateEdit StepBack(const DateEdit& edit) const;
    // The date a person means when the field is taken (Return, leaving it):
    // a two-digit year typed last reads as that year, then the date is made
    // real and kept in the range.
    CivilDate Taken(const DateEdit& edit, const CivilDate& fallback) const;
    // Keeps a part of a text in the shape inside its own limits (part 0 the
    // day 1-31, part 1 the month 1-12).
    static void KeepPartInLimits(std::string& text, int part);

private:
    DateEdit Normalised(DateEdit edit, const CivilDate& fallback) const;

    CivilDate Real(CivilDate date) const;

    bool withYear_;
    DateFieldRange range_;
};

}  // namespace sk
