#include <gtest/gtest.h>

#include "notes/NotesOfDay.h"
#include "notes/NotesOverview.h"
#include "common/TempFolder.h"
#include "notes/YearMarkers.h"

namespace sk {
namespace {

using testing::TempFolder;

DayContext Day(int y, int m, int d) { return MakeDayContext(DayNumberOf(y, m, d)); }

TEST(YearMarkers, InsertYears) {
    struct Case {
        const char* text;
        int year;
        const char* shown;
    } cases[] = {
        {"<1980>. Geburtstag ", 2017, "37. Geburtstag "},
        {"Anna <1980>, Ben <1990>", 2017, "Anna 37, Ben 27"},
        {"<1980> und <1980>", 2017, "37 und 37"},
        {"<abc> dann <1980>", 2017, "<abc> dann <1980>"},   // a "<" that is no marker ends the processing
        {"<19800>", 2017, "<19800>"},                      // five characters
        {"<>", 2017, "<>"},
        {"<2020>", 2017, "-3"},
        {"<1980", 2017, "<1980"},
        {"<12a> <12>", 2017, "<12a> 2005"},               // y from leading digits, then nothing left to replace
        {"<0980> <980>", 2017, "<0980> 1037"},            // not the plain form: stops after the plain one
        {"<0980>", 2017, "<0980>"},
        {"x <1\xC3\xA4\xC3\xB6\xC3\xBC> <1>", 2017, "x <1\xC3\xA4\xC3\xB6\xC3\xBC> 2016"},  // four characters, six bytes
        {"ohne Marke", 2017, "ohne Marke"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(InsertYears(c.text, c.year), c.shown);
    }
    EXPECT_EQ(AppendYearMarkerLine("", 1970), "<1970>. Geburtstag ");
    EXPECT_EQ(AppendYearMarkerLine("Oma", 1950), "Oma\n<1950>. Geburtstag ");
}

class NotesOfDayTest : public ::testing::Test {
protected:
    TempFolder dir;
    NoteStore store{dir.Path()};
    void Put(const std::string& name, const std::string& latin1) { dir.Put(name, latin1); }
};

TEST_F(NotesOfDayTest, JoinsAllKindsInOrder) {
    // Tuesday 28 Feb 2017 (day number 17225, 17225 mod 7 = 5): every kind.
    Put("20170128.txt", "Tag\r\nzweite Zeile");
    Put("12.7.tnt", "sieben");         // 12 mod 7 = 5
    Put("1.1.tnt", "jeden Tag");
    Put("128.jnt", "Max <1980>");
    Put("10123.wmt", "vierter Dienstag Februar");
    Put("11223.wmt", "vierter Dienstag Februar");  // same text every month: shown once
    Put("11224.wmt", "letzter Dienstag");
    store.ScanAll();
    const DayContext ctx = Day(2017, 2, 28);
    EXPECT_EQ(NotesOfDay(store, ctx, NotesForm::Overview),
              "Tag\r\nzweite Zeile\r\n\r\njeden Tag\r\n\r\nsieben\r\n\r\nMax 37\r\n\r\n"
              "vierter Dienstag Februar\r\n\r\nletzter Dienstag");
    EXPECT_EQ(StatusLineNotesOfDay(store, ctx),
              "Tag\u00A0\u00BB\u00A0zweite Zeile\u00A0|\u00A0jeden Tag\u00A0|\u00A0sieben\u00A0|\u00A0Max 37\u00A0|\u00A0"
              "vierter Dienstag Februar\u00A0|\u00A0letzter Dienstag");
    EXPECT_EQ(NotesOfDay(store, "28.02.2017", NotesForm::Overview), NotesOfDay(store, ctx, NotesForm::Overview));
    for (const char* bad : {"", "31.02.2017", "28-02-2017", "28.13.2017", "aa.bb.cccc"})
        EXPECT_EQ(NotesOfDay(store, bad, NotesForm::Overview), "") << bad;
}

TEST_F(NotesOfDayTest, StatusLineLineBreaksAndTrailingSeparators) {
    Put("20170001.txt", "a\nb\rc\r\n\r\nd\n\r");   // 1 Jan 2017
    Put("1.1.tnt", "\xA0|\xA0");                    // a note that is only the separator
    store.ScanAll();
    EXPECT_EQ(StatusLineNotesOfDay(store, Day(2017, 1, 1)),
              "a\u00A0\u00BB\u00A0b\u00A0\u00BB\u00A0c\u00A0\u00BB\u00A0\u00A0\u00BB\u00A0d\u00A0\u00BB\u00A0\u00A0\u00BB\u00A0");
    EXPECT_EQ(NotesOfDay(store, Day(2017, 1, 2), NotesForm::StatusLine), "");
    EXPECT_EQ(ReplaceLineBreaks("\r\r\n\n", "|"), "|||");
}

TEST_F(NotesOfDayTest, StatusLineShowsTheStartOfManyNotes) {
    // 1 Jan 2017: a day note of 26 characters as shown ("Tag » " and 20 x),
    // then 40 periodic notes of 8 characters, each after a 3-character
    // separator: periodic note j starts at character 29 + 11 j, so notes
    // 0-24 start within the first 300 characters and 15 are left out.
    static_assert(kStatusLineNoteCharacters == 300);
    Put("20170001.txt", "Tag\r\n" + std::string(20, 'x'));
    for (int p = 1; p <= 40; ++p)
        Put(PeriodicNoteFileName(PeriodicAnchor(DayNumberOf(2017, 1, 1), p), p), "Notiz " + std::to_string(p + 10));
    store.ScanAll();
    const DayContext day = Day(2017, 1, 1);
    const std::string whole = ReplaceLineBreaks(NotesOfDay(store, day, NotesForm::StatusLine), kStatusLineBreak);
    std::size_t bytes = 0;
    for (std::size_t characters = 0; characters < 300; ++bytes) characters += (whole[bytes] & 0xC0) != 0x80;
    while ((whole[bytes] & 0xC0) == 0x80) ++bytes;
    EXPECT_EQ(StatusLineNotesOfDay(store, day), whole.substr(0, bytes) + "\u2026 und 15 weitere Notizen");

    // One long note: cut, nothing left out; one note left out: singular.
    TempFolder other;
    other.Put("20170001.txt", std::string(1000, 'a'));
    NoteStore single(other.Path());
    single.ScanAll();
    EXPECT_EQ(StatusLineNotesOfDay(single, day), std::string(kStatusLineNoteCharacters, 'a') + "\u2026");
    other.Put("1.1.tnt", "b");
    single.ScanAll();
    EXPECT_EQ(StatusLineNotesOfDay(single, day),
              std::string(kStatusLineNoteCharacters, 'a') + "\u2026 und 1 weitere Notiz");
}

TEST_F(NotesOfDayTest, CachedTextsGiveTheSameNotes) {
    Put("20170128.txt", "Tag");
    Put("12.7.tnt", "sieben");
    Put("1.1.tnt", "");
    Put("128.jnt", "Max <1980>");
    Put("10123.wmt", "vierter Dienstag");
    Put("11224.wmt", "letzter Dienstag");
    store.ScanAll();
    NoteTextCache cache(store);
    for (DayNumber d = DayNumberOf(2017, 1, 1); d <= DayNumberOf(2019, 3, 31); ++d) {
        const DayContext ctx = MakeDayContext(d);
        ASSERT_EQ(NotesOfDay(store, ctx, NotesForm::StatusLine, &cache), NotesOfDay(store, ctx, NotesForm::StatusLine))
            << d;
    }
}

TEST_F(NotesOfDayTest, NulBytesAreLeftOutInEveryForm) {
    Put("20170001.txt", std::string("vor\0nach", 8));
    Put("1.1.tnt", std::string("\0\0Rest\0", 7));
    store.ScanAll();
    const DayContext ctx = Day(2017, 1, 1);
    EXPECT_EQ(NotesOfDay(store, ctx, NotesForm::Overview), "vornach\r\n\r\nRest");
    EXPECT_EQ(StatusLineNotesOfDay(store, ctx), "vornach\u00A0|\u00A0Rest");
    EXPECT_TRUE(BuildNotesOverview(store, 2017, 0, 1, 0).starts_with("01.01.2017\r\nvornach\r\nRest\r\n \r\n"));
}

TEST_F(NotesOfDayTest, EncipheredNotesShowDeciphered) {
    store.SetPassword("geheim");
    ASSERT_TRUE(store.WriteDayNote(Day(2017, 5, 1), "Mai\xC3\xBC"));
    EXPECT_EQ(NotesOfDay(store, Day(2017, 5, 1), NotesForm::StatusLine), "Mai\xC3\xBC");
}

TEST_F(NotesOfDayTest, OverviewOfDisplayedMonths) {
    Put("20170102.txt", "Feb 2");          // 2 Feb 2017
    Put("20170105.txt", "Feb 5\r\n\r\n\r\nEnde");
    Put("20170205.txt", "Mar 5");
    store.ScanAll();
    const std::string text = BuildNotesOverview(store, 2017, 1, 2, 20170103);  // Feb, Mar 2017; today 3 Feb
    EXPECT_EQ(text,
              "02.02.2017\r\nFeb 2"
              "\r\n________________________________________________________\r\n \r\n"
              "05.02.2017\r\nFeb 5\r\nEnde\r\n \r\n05.03.2017\r\nMar 5");
    // Today first: no rule line; today outside: none either.
    EXPECT_EQ(BuildNotesOverview(store, 2017, 1, 1, 20170102).find("____"), std::string::npos);
    EXPECT_EQ(BuildNotesOverview(store, 2016, 0, 1, 20170002), "");
    // Columns running into the next year.
    EXPECT_NE(BuildNotesOverview(store, 2016, 11, 4, 0).find("05.03.2017"), std::string::npos);
}

TEST(NotesOverview, CollapseEmptyLinesIsTheFixedPoint) {
    const auto naive = [](std::string s) {
        for (std::size_t p; (p = s.find("\r\n\r\n")) != std::string::npos;) s.replace(p, 4, "\r\n");
        return s;
    };
    for (const std::string s : {"", "\r\n", "a\r\n\r\n\r\nb", "\r\r\n\n", "\r\n \r\n", "\r\n\r\r\n\n\r\n\r\n", "x\n\r\n\r"}) {
        SCOPED_TRACE(s);
        EXPECT_EQ(CollapseEmptyLines(s), naive(s));
    }
}

}  // namespace
}  // namespace sk
