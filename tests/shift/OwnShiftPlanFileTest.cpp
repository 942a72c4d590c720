#include "shift/OwnShiftPlanFile.h"

#include <gtest/gtest.h>

#include <string>

#include "common/TempFolder.h"

namespace sk {
namespace {

using testing::TempFolder;

OwnShiftPlan SamplePlan() {
    OwnShiftPlan plan = MakeOwnShiftPlan("FFFF----NNNN----TT--", DayNumberOf(2025, 3, 3), 6);
    plan.name = "Zwölfer – Halle 2";
    plan.kindUsed = {true, false, true, true};
    plan.kindTimes[0] = {6 * 60, 18 * 60, 11 * 60 + 30};
    plan.kindTimes[2] = {18 * 60, 6 * 60, 12 * 60};
    plan.crews[5].name = "Schicht Süd";
    plan.crews[5].colour = 0x123456;
    plan.workOnHolidays = false;
    plan.countedHolidays = CountedHolidayRule::kPublicHolidays;
    return plan;
}

// Replaces the first line starting with `key` by `line` (or drops it when empty).
std::string WithLine(std::string text, const std::string& key, const std::string& line) {
    const std::size_t at = text.find("\n" + key) + 1;
    const std::size_t end = text.find('\n', at) + 1;
    text.replace(at, end - at, line.empty() ? "" : line + "\n");
    return text;
}

TEST(OwnShiftPlanFile, RoundTrip) {
    const OwnShiftPlan plan = SamplePlan();
    const std::string text = FormatOwnShiftPlan(plan);
    const OwnPlanReadResult r = ParseOwnShiftPlan(text);
    ASSERT_TRUE(r.plan) << r.error;
    EXPECT_EQ(*r.plan, plan);
    EXPECT_NE(text.find("\nZyklus = FFFF----NNNN----TT--\n"), std::string::npos);
    EXPECT_NE(text.find("\nSchicht 6 Farbe = #563412\n"), std::string::npos);
    EXPECT_NE(text.find("\nFrüh bezahlt = 11:30\n"), std::string::npos);

    // Hand edits the reader takes: a byte-order mark, CR LF, blanks, any case
    // of the keys, decimal hours, comments.
    std::string edited = "\xEF\xBB\xBF; von Hand\r\n" + WithLine(text, "Früh bezahlt", "  früh BEZAHLT=11,5\r");
    const OwnPlanReadResult e = ParseOwnShiftPlan(edited);
    ASSERT_TRUE(e.plan) << e.error;
    EXPECT_EQ(*e.plan, plan);

    TempFolder dir;
    std::string error;
    ASSERT_TRUE(SaveOwnShiftPlan(dir.Dir(), plan, error)) << error;
    const OwnPlanReadResult loaded = LoadOwnShiftPlan(dir.Dir());
    ASSERT_TRUE(loaded.plan) << loaded.error;
    EXPECT_EQ(*loaded.plan, plan);
}

// Damaged files are refused with the line that is wrong.
TEST(OwnShiftPlanFile, DamagedFilesNameTheLine) {
    const std::string good = FormatOwnShiftPlan(SamplePlan());
    const struct {
        const char* what;
        std::string text;
        const char* message;
    } cases[] = {
        {"missing key", WithLine(good, "Zyklusbeginn", ""), "Es fehlt die Angabe „Zyklusbeginn“"},
        {"missing crew", WithLine(good, "Schicht 3 Farbe", ""), "Es fehlt die Angabe „Schicht 3 Farbe“"},
        {"long cycle", WithLine(good, "Zyklus =", "Zyklus = " + std::string(10000, 'F')), "Zeile 17: Der Zyklus ist 10000 Tage lang"},
        {"letter", WithLine(good, "Zyklus =", "Zyklus = FFQ"), "Zeile 17: Der Zyklus enthält an Stelle 3 „Q“"},
        {"kind not in use", WithLine(good, "Zyklus =", "Zyklus = FS" + std::string(18, '-')), "Zeile 17: Der Zyklus enthält an Stelle 2 „S“"},
        {"offset", WithLine(good, "Schicht 2 Versatz", "Schicht 2 Versatz = 20"), "Zeile 27: Der Versatz „20“ liegt außerhalb des Zyklus (0 bis 19)"},
        {"negative offset", WithLine(good, "Schicht 2 Versatz", "Schicht 2 Versatz = -1"), "Zeile 27:"},
        {"colour", WithLine(good, "Schicht 1 Farbe", "Schicht 1 Farbe = rot"), "Zeile 23: „rot“ ist keine Farbe"},
        {"time", WithLine(good, "Nacht Beginn", "Nacht Beginn = 25:00"), "Zeile 11: „25:00“ ist keine Uhrzeit"},
        {"paid", WithLine(good, "Nacht bezahlt", "Nacht bezahlt = 25"), "Zeile 13: „25“ sind keine bezahlten Stunden"},
        {"crew count", WithLine(good, "Anzahl Schichten", "Anzahl Schichten = 7"), "Zeile 21: „7“ ist keine erlaubte Anzahl"},
        {"date", WithLine(good, "Zyklusbeginn", "Zyklusbeginn = 2025-02-30"), "Zeile 18: „2025-02-30“ ist kein Datum"},
        {"unknown key", WithLine(good, "Name", "Nmae = x\nName = y"), "Zeile 3: Unbekannte Angabe"},
        {"twice", good + "Zyklus = F\n", "Zeile 40: Die Angabe „Zyklus“ steht doppelt (zuerst in Zeile 17)"},
        {"no key", WithLine(good, "Name", "Name: x"), "Zeile 3: Erwartet wird „Schlüssel = Wert“"},
        {"bad utf-8", WithLine(good, "Name", "Name = M\xFCller"), "Zeile 3: Der Text ist kein gültiges UTF-8"},
        {"version", WithLine(good, "Version", "Version = 2"), "Zeile 2: Die Version „2“ wird nicht unterstützt"},
        {"empty", "", "Es fehlt die Angabe „Version“"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const OwnPlanReadResult r = ParseOwnShiftPlan(c.text);
        EXPECT_FALSE(r.plan);
        EXPECT_NE(r.error.find(c.message), std::string::npos) << r.error;
        // What could be read is kept for the window, with the bad line as the file has it.
        ASSERT_TRUE(r.readable);
        EXPECT_FALSE(r.readable->crews.empty());
        const std::string zeile = "Zeile " + std::to_string(r.badLine) + ":";
        if (r.badLine > 0) {
            EXPECT_EQ(r.error.find(zeile), 0u) << r.error;
            if (c.text.find("\xFC") == std::string::npos) {
                EXPECT_FALSE(r.badLineText.empty());
            }
        }
    }
}

// A damaged file keeps every other line: only the bad value is missing.
TEST(OwnShiftPlanFile, DamagedFileKeepsWhatCanBeRead) {
    const OwnShiftPlan sample = SamplePlan();
    const std::string good = FormatOwnShiftPlan(sample);
    struct Case { const char* what; std::string text; int line; const char* lineText; };
    const Case cases[] = {
        {"date", WithLine(good, "Zyklusbeginn", "Zyklusbeginn = 2037-02-30"), 18, "Zyklusbeginn = 2037-02-30"},
        {"no key", WithLine(good, "Früh Ende", "Früh Ende 18:00"), 6, "Früh Ende 18:00"},
        {"twice", good + "Zyklusbeginn = 2030-01-01\n", 40, "Zyklusbeginn = 2030-01-01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const OwnPlanReadResult r = ParseOwnShiftPlan(c.text);
        ASSERT_TRUE(r.readable);
        EXPECT_EQ(r.badLine, c.line);
        EXPECT_EQ(r.badLineText, c.lineText);
        OwnShiftPlan want = sample;
        if (std::string(c.what) == "date") want.cycleStart = 0;
        EXPECT_EQ(r.readable->name, want.name);
        EXPECT_EQ(r.readable->cycle, want.cycle);
        EXPECT_EQ(r.readable->crews, want.crews);
        EXPECT_EQ(r.readable->cycleStart, want.cycleStart);
    }
}

TEST(OwnShiftPlanFile, YearlyTargetIsWrittenOnlyWhenChosen) {
    OwnShiftPlan plan = SamplePlan();
    const std::string without = FormatOwnShiftPlan(plan);
    EXPECT_EQ(without.find("Sollstunden"), std::string::npos);  // older files keep their bytes
    plan.yearlyTargetHundredths = 198276;
    const std::string with = FormatOwnShiftPlan(plan);
    EXPECT_NE(with.find("\nSollstunden im Jahr = 1982,76\n"), std::string::npos);
    const OwnPlanReadResult r = ParseOwnShiftPlan(with);
    ASSERT_TRUE(r.plan) << r.error;
    EXPECT_EQ(*r.plan, plan);

    struct Case { const char* text; bool ok; int hundredths; };
    const Case cases[] = {
        {"", true, 0}, {"1982,76", true, 198276}, {"1982.5", true, 198250}, {" 1700 ", true, 170000},
        {"0", false, 0}, {"8785", false, 0}, {"12,345", false, 0}, {"-5", false, 0}, {"zwölf", false, 0},
    };
    for (const Case& c : cases) {
        int h = -1;
        EXPECT_EQ(ParseYearlyTarget(c.text, h), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(h, c.hundredths) << c.text;
        }
    }
    const OwnPlanReadResult bad = ParseOwnShiftPlan(without + "Sollstunden im Jahr = viele\n");
    EXPECT_FALSE(bad.plan);
    EXPECT_NE(bad.error.find("Zeile 40: „viele“ sind keine Sollstunden"), std::string::npos) << bad.error;
}

TEST(OwnShiftPlanFile, StartTypeFallsBackToZero) {
    TempFolder dir;
    StartCalendarType s = DecideStartCalendarType(3, dir.Dir());
    EXPECT_EQ(s.calendarType, 3);
    EXPECT_TRUE(s.message.empty());

    s = DecideStartCalendarType(kOwnPlanCalendarType, dir.Dir());
    EXPECT_EQ(s.calendarType, 0);
    EXPECT_FALSE(s.plan);
    EXPECT_NE(s.message.find("fehlt"), std::string::npos) << s.message;

    const std::string damaged = WithLine(FormatOwnShiftPlan(SamplePlan()), "Zyklus =", "Zyklus = F?");
    dir.Put(kOwnPlanFileName, damaged);
    s = DecideStartCalendarType(kOwnPlanCalendarType, dir.Dir());
    EXPECT_EQ(s.calendarType, 0);
    EXPECT_NE(s.message.find("Zeile 17"), std::string::npos) << s.message;
    // Nothing is overwritten until a plan is saved.
    EXPECT_EQ(dir.Get(kOwnPlanFileName), damaged);

    std::string error;
    ASSERT_TRUE(SaveOwnShiftPlan(dir.Dir(), SamplePlan(), error));
    s = DecideStartCalendarType(kOwnPlanCalendarType, dir.Dir());
    EXPECT_EQ(s.calendarType, kOwnPlanCalendarType);
    ASSERT_TRUE(s.plan);
    EXPECT_EQ(*s.plan, SamplePlan());

    // A plan with errors is not written over a good file.
    OwnShiftPlan bad = SamplePlan();
    bad.crews.clear();
    EXPECT_FALSE(SaveOwnShiftPlan(dir.Dir(), bad, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(LoadOwnShiftPlan(dir.Dir()).plan);
}

}  // namespace
}  // namespace sk
