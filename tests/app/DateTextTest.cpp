#include <gtest/gtest.h>

#include "ui/DateText.h"
#include "ui/MessageBox.h"

namespace sk {
namespace {

const DateFieldRange kRange{0, 24683};  // 1 January 1970 ... 31 July 2037

bool Same(const CivilDate& a, const CivilDate& b) { return a.year == b.year && a.month == b.month && a.day == b.day; }

TEST(DateText, ParsesBothFormsAndRejectsNonsense) {
    struct Case { const char* text; bool withYear; bool ok; CivilDate want; };
    const Case cases[] = {
        {"10.02.2025", true, true, {2025, 2, 10}},
        {"1.2.2025", true, true, {2025, 2, 1}},
        {" 31.02.2023 ", true, false, {}},            // no such day: nothing, not the month's end
        {"2027-01-04", true, true, {2027, 1, 4}},     // the ISO form of the README and the files
        {"2027-1-4", true, true, {2027, 1, 4}},      // pasted: short parts are fine
        {"2027-02-29", true, false, {}},
        {"27-01-04", true, false, {}},
        {"2027-01-04", false, false, {}},
        {"29.02.", false, true, {2000, 2, 29}},
        {"30.02.", false, false, {}},
        {"29.02.2024", true, true, {2024, 2, 29}},
        {"24.12.", false, true, {2000, 12, 24}},
        {"24.12", false, true, {2000, 12, 24}},
        {"00.05.2020", true, false, {}},
        {"10.13.2020", true, false, {}},
        {"10.05.", true, false, {}},
        {"10.05.2020x", true, false, {}},
        {"", true, false, {}},
        {"123.05.2020", true, false, {}},
        {"10.05.20201", true, false, {}},
        {"01092024", true, true, {2024, 9, 1}},      // pasted without dots
        {"1.9.24", true, true, {2024, 9, 1}},        // two-digit years
        {"1.9.85", true, true, {1985, 9, 1}},
        {"1.9.245", true, false, {}},
        {"0109202", true, false, {}},
    };
    for (const Case& c : cases) {
        const auto d = ParseDateField(c.text, c.withYear, 2000);
        EXPECT_EQ(d.has_value(), c.ok) << c.text;
        if (d && c.ok) {
            EXPECT_TRUE(Same(*d, c.want)) << c.text;
        }
    }
    EXPECT_EQ(FormatDateField({2025, 2, 3}, true), "03.02.2025");
    EXPECT_EQ(DateRefusalText("Zyklusbeginn", "31.02.2027", true, DateFieldRange{}),
              "„Zyklusbeginn“: „31.02.2027“ ist kein gültiges Datum vom 01.01.1970 bis 31.12.2037 "
              "(TT.MM.JJJJ oder JJJJ-MM-TT).");
    EXPECT_EQ(FormatDateField({2025, 12, 24}, false), "24.12.");
}

TEST(DateText, StepsThePartUnderTheCursorAndStaysInRange) {
    struct Case { CivilDate from; int position; int delta; CivilDate want; };
    const Case cases[] = {
        {{2025, 2, 10}, 0, 1, {2025, 2, 11}},
        {{2025, 2, 28}, 1, 1, {2025, 2, 1}},     // day wraps in its month
        {{2025, 1, 31}, 4, 1, {2025, 2, 28}},    // month step keeps a real date
        {{2025, 12, 5}, 3, 1, {2025, 1, 5}},
        {{2024, 2, 29}, 8, 1, {2025, 2, 28}},
        {{2037, 7, 20}, 9, 1, {2037, 7, 31}},    // past the range: its last day
        {{1970, 1, 5}, 6, -1, {1970, 1, 1}},     // before it: its first day
    };
    for (const Case& c : cases) {
        const CivilDate d = StepDatePart(c.from, DatePartAt(c.position), c.delta, kRange);
        EXPECT_TRUE(Same(d, c.want)) << c.from.day << "." << c.from.month << "." << c.from.year << " pos "
                                     << c.position << " -> " << d.day << "." << d.month << "." << d.year;
    }
}

TEST(MessageBox, QuestionsThatDestroyDataDefaultToNo) {
    struct Case { const char* text; bool no; };
    const Case cases[] = {
        {"Sollen die Notizen wirklich alle gelöscht werden?", true},
        {"Eine Datei mit der gewählten Periode existiert bereits!\r\nSoll sie überschrieben werden?", true},
        {"Eine Datei mit der gewählten Wiederholung existiert bereits!\r\nSoll sie überschrieben werden?", true},
        {"Das Verzeichnis existiert bereits! Sollen bereits vorhandene Dateien gelöscht und überschrieben werden?", true},
        {"Eine Datei mit der gewählten Periode existiert bereits!\r\nSoll sie gelöscht werden?", true},
        {"Die Notiz konnte nicht gespeichert werden!\r\nSoll das Fenster trotzdem geschlossen werden?", true},
        {"Die Kalendermarkierung vom 15.01.2027 bis 25.01.2027 ...\r\nSoll trotzdem gespeichert werden?", true},
        {"Soll der Kalender in die Zwischenablage kopiert werden?", false},
        {"Sollen die Änderungen gespeichert werden?", false},
    };
    for (const Case& c : cases) EXPECT_EQ(QuestionDefaultsToNo(c.text), c.no) << c.text;
}

}  // namespace
}  // namespace sk
