#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "ui/DateText.h"

namespace sk {
namespace {

const DateFieldRange kMarkRange{0, 24683};  // 1 January 1970 ... 31 July 2037

// Keys: digits, '.' the separator, '<' backspace.
DateEdit Type(const DateTyping& typing, DateEdit edit, const std::string& keys, const CivilDate& fallback) {
    for (char k : keys) {
        if (k == '.') edit = typing.TypeSeparator(edit, fallback);
        else if (k == '-') edit = typing.TypeDash(edit);
        else if (k == '<') edit = typing.StepBack(edit);
        else edit = typing.TypeDigit(edit, k, fallback);
    }
    return edit;
}

TEST(DateTyping, DigitsOverwriteTheShapeAndStayAsTyped) {
    struct Case { const char* text; int cursor; const char* keys; const char* want; int wantCursor; };
    const Case cases[] = {
        {"15.03.2024", 0, "01022025", "01.02.2025", 10},
        {"15.03.2024", 0, "3", "35.03.2024", 1},            // a part being typed may read as no date yet
        {"15.03.2024", 0, "31", "31.03.2024", 3},
        {"15.02.2023", 0, "31", "31.02.2023", 3},           // a day waits for its month and year
        {"15.03.2024", 0, "39", "39.03.2024", 3},           // no day: refused when taken, not changed
        {"15.03.2024", 0, "00", "00.03.2024", 3},
        {"15.03.2024", 0, "4", "04.03.2024", 3},            // no day starts with 4: it is the 4th
        {"15.03.2024", 3, "2", "15.02.2024", 6},            // no month starts with 2
        {"15.03.2024", 3, "00", "15.00.2024", 6},
        {"31.01.2024", 3, "02", "31.02.2024", 6},           // new month shorter than the day: checked when taken
        {"31.01.2024", 2, "04", "31.04.2024", 6},           // typed on a dot: the next digit place
        {"15.03.2024", 3, "13", "15.13.2024", 6},
        {"15.03.2024", 0, "1.5.2024", "01.05.2024", 10},    // short parts ended by the separator
        {"15.03.2024", 0, "01.05.2024", "01.05.2024", 10},  // a dot after a full part does not skip a part
        {"15.03.2024", 0, "4.6.", "04.06.2024", 6},
        {"15.03.2024", 6, "2050", "15.03.2050", 10},        // years past the range stay as typed
        {"15.03.2024", 6, "1969", "15.03.1969", 10},
        {"15.03.2024", 6, "19", "15.03.1924", 8},           // unfinished year
        {"15.03.2024", 10, "7", "15.03.2024", 10},          // no digit place at the end
        {"15.03.2024", 6, ".", "15.03.2024", 6},            // the year is the last part
        {"15.03.2024", 3, "<", "15.03.2024", 1},            // backspace steps over the dot, text stays
        {"15.03.2024", 0, "<", "15.03.2024", 0},
        {"garbage", 0, "1", "11.03.2024", 1},               // a damaged text starts from the last date
    };
    const DateTyping typing(true, kMarkRange);
    const CivilDate fallback{2024, 3, 11};
    for (const Case& c : cases) {
        const DateEdit got = Type(typing, DateEdit{c.text, c.cursor}, c.keys, fallback);
        EXPECT_EQ(got.text, c.want) << c.text << " @" << c.cursor << " + " << c.keys;
        EXPECT_EQ(got.cursor, c.wantCursor) << c.text << " @" << c.cursor << " + " << c.keys;
    }
}

TEST(DateTyping, ShortFormAllowsTheLeapDayAndKeepsTheYearOfTheField) {
    struct Case { const char* text; int cursor; const char* keys; const char* want; int wantCursor; };
    const Case cases[] = {
        {"10.02.", 0, "31", "31.02.", 3},
        {"10.02.", 0, "31.02", "31.02.", 6},           // no date: refused when taken
        {"10.02.", 0, "29", "29.02.", 3},
        {"31.01.", 3, "04", "31.04.", 6},
        {"10.02.", 3, "1.", "10.01.", 6},
        {"10.02.", 6, "5", "10.02.", 6},
    };
    const DateTyping typing(false, DateFieldRange{});
    const CivilDate fallback{2023, 2, 10};  // not a leap year, yet 29 February can be entered
    for (const Case& c : cases) {
        const DateEdit got = Type(typing, DateEdit{c.text, c.cursor}, c.keys, fallback);
        EXPECT_EQ(got.text, c.want) << c.text << " + " << c.keys;
        EXPECT_EQ(got.cursor, c.wantCursor) << c.text << " + " << c.keys;
    }
    const CivilDate d = typing.DateOf("29.02.", fallback);
    EXPECT_EQ(d.year, 2023);
    EXPECT_EQ(d.month, 2);
    EXPECT_EQ(d.day, 29);
}

// Every way a person types a whole date, over what the field showed, and the
// date the field gives when it is taken (Return, leaving the field); {0,0,0}
// where it refuses the text. Keys: '-' the dash, as in the ISO form.
TEST(DateTyping, EveryTypingWayGivesTheTypedDateOrNone) {
    struct Case { const char* shown; const char* keys; CivilDate want; };
    const Case cases[] = {
        {"01.01.1970", "01.09.2024", {2024, 9, 1}},
        {"01.01.1970", "1.9.2024", {2024, 9, 1}},
        {"01.01.1970", "01092024", {2024, 9, 1}},
        {"01.01.1970", "1.9.24", {2024, 9, 1}},     // two-digit year
        {"01.01.2024", "1.9.99", {1999, 9, 1}},
        {"01.01.1970", "15.12.2030", {2030, 12, 15}},
        {"01.01.1970", "31.12.2037", {2037, 12, 31}},
        {"01.01.1970", "4.7.1999", {1999, 7, 4}},
        {"01.01.1970", "01.09.2025<4", {2024, 9, 1}},  // backspace over the last digit
        {"01.06.2026", "31032026", {2026, 3, 31}},  // the day is not cut to the month still shown
        {"01.02.2026", "29022024", {2024, 2, 29}},
        {"28.02.2024", "31012026", {2026, 1, 31}},
        {"01.01.2024", "31.4.2024", {0, 0, 0}},      // no real date: refused, never the month's last day
        {"01.01.2024", "29022023", {0, 0, 0}},
        {"01.01.2024", "31.4", {0, 0, 0}},           // taken before the year: 31.04.2024
        {"01.01.2027", "31022027", {0, 0, 0}},
        {"01.01.2027", "31122040", {0, 0, 0}},       // past the range: refused, not its last year
        {"01.01.2027", "01011969", {0, 0, 0}},
        {"01.01.2024", "2027-01-04", {2027, 1, 4}},  // the ISO form, typed over the shape
        {"15.06.2030", "2027-03-01", {2027, 3, 1}},
        {"01.01.2024", "1999-12-31", {1999, 12, 31}},
        {"01.01.2024", "2027-1-4", {0, 0, 0}},       // the ISO form is whole or nothing
        {"01.01.2024", "2027-02-31", {0, 0, 0}},
        {"01.01.2024", "2040-01-01", {0, 0, 0}},
        {"01.01.2024", "27-01-04", {0, 0, 0}},
        {"01.01.2024", "2027-01-05<4", {2027, 1, 4}},  // backspace in the ISO form
        {"01.01.2024", "2027-<-01-04", {2027, 1, 4}},  // the dash taken back and typed again
        {"01.01.2024", "2027-01-04-5", {2027, 1, 4}},  // no third dash, no eleventh place
        {"01.01.2024", "15.6-2027", {2027, 6, 15}},    // a dash after dots starts nothing
        {"01.01.2024", "2027-<<<<<1.2.2024", {2024, 2, 1}},  // all taken back: the usual shape
    };
    const DateTyping typing(true, DateFieldRange{0, DayNumberOf(2037, 12, 31)});
    for (const Case& c : cases) {
        const DateEdit edit = Type(typing, DateEdit{c.shown, 0}, c.keys, CivilDate{1970, 1, 1});
        EXPECT_TRUE(typing.InShape(edit.text)) << c.keys << " -> " << edit.text;
        const std::optional<CivilDate> d = typing.Taken(edit, CivilDate{1970, 1, 1});
        if (c.want.year == 0) {
            EXPECT_FALSE(d) << c.shown << " + " << c.keys << " -> " << edit.text;
            continue;
        }
        ASSERT_TRUE(d) << c.shown << " + " << c.keys << " -> " << edit.text;
        EXPECT_TRUE(d->year == c.want.year && d->month == c.want.month && d->day == c.want.day)
            << c.shown << " + " << c.keys << " -> " << d->day << "." << d->month << "." << d->year;
    }
}

TEST(DateTyping, TheDateOfAnyTextIsRealAndInRange) {
    struct Case { const char* text; CivilDate want; };
    const Case cases[] = {
        {"31.04.2024", {2024, 4, 30}},
        {"29.02.2023", {2023, 2, 28}},
        {"00.13.2024", {2024, 12, 1}},
        {"01.08.2037", {2037, 7, 31}},
        {"31.12.9999", {2037, 7, 31}},
        {"01.01.0000", {1970, 1, 1}},
        {"1.1.2024", {2001, 5, 6}},     // not in the shape: the fallback
        {"01.01.20x4", {2001, 5, 6}},
        {"", {2001, 5, 6}},
    };
    const DateTyping typing(true, kMarkRange);
    for (const Case& c : cases) {
        const CivilDate d = typing.DateOf(c.text, CivilDate{2001, 5, 6});
        EXPECT_TRUE(d.year == c.want.year && d.month == c.want.month && d.day == c.want.day)
            << c.text << " -> " << d.day << "." << d.month << "." << d.year;
    }
}

}  // namespace
}  // namespace sk
