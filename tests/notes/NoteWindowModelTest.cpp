#include <gtest/gtest.h>

#include "notes/DayNoteModel.h"
#include "notes/NoteMenu.h"
#include "notes/PeriodicNoteModel.h"
#include "notes/WeekdayNoteModel.h"
#include "notes/YearlyNoteModel.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

using testing::TempFolder;

// Monday, 15 January 2024.
const DayNumber kMonday = DayNumberOf(2024, 1, 15);
const std::int32_t kMondayCode = 20240015;

NoteStore StoreIn(const TempFolder& folder, std::string_view password = {}) {
    NoteStore store(folder.Path(), password);
    store.ScanAll();
    return store;
}

TEST(DayNoteModel, EditsTheFileOfTheCell) {
    TempFolder folder;
    NoteStore store = StoreIn(folder);
    {
        DayNoteModel m(store, kMondayCode);
        EXPECT_EQ(m.Title(), "Notizen für den 15.01.2024");
        EXPECT_EQ(m.Edit().Working(), "");
        m.Edit().SetWorking("Früh\ntauschen ");
        m.Edit().TrimForClosing();
        ASSERT_TRUE(m.WouldSave());
        ASSERT_TRUE(m.Save(store));
    }
    EXPECT_EQ(folder.Get("20240015.txt"), "Fr\xFCh\r\ntauschen");
    EXPECT_TRUE(store.HasDayNote(MakeDayContext(kMonday)));
    {
        DayNoteModel m(store, kMondayCode);
        EXPECT_EQ(m.Edit().Working(), "Früh\ntauschen");
        EXPECT_FALSE(m.WouldSave());
        m.Edit().ClearText();  // "Lösche Notiz"
        ASSERT_TRUE(m.WouldSave());
        m.Save(store);
    }
    EXPECT_FALSE(folder.Exists("20240015.txt"));
    EXPECT_FALSE(store.HasDayNote(MakeDayContext(kMonday)));

    // A cell of 2038 keeps its own year in the name.
    DayNoteModel late(store, 20380015);
    EXPECT_EQ(late.FileName(), "20380015.txt");
    EXPECT_EQ(late.Title(), "Notizen für den 15.01.2038");
}

TEST(DayNoteModel, PasswordEnciphersAndReadsBack) {
    TempFolder folder;
    NoteStore store = StoreIn(folder, "abc");
    DayNoteModel m(store, kMondayCode);
    m.Edit().SetWorking("ä\n");
    m.Save(store);
    // "ä" 228 ^ 'a' 97 = 133, CR 13 ^ 'b' 98 = 111, LF 10 ^ 'c' 99 = 105.
    EXPECT_EQ(folder.Get("20240015.txt"), "133111105");
    DayNoteModel again(store, kMondayCode);
    EXPECT_EQ(again.Edit().Working(), "ä\n");
    EXPECT_FALSE(again.WouldSave());
}

TEST(YearlyNoteModel, MarkerLineAndMonthDayFile) {
    TempFolder folder;
    NoteStore store = StoreIn(folder);
    YearlyNoteModel m(store, 20241124);  // 24 December 2024
    EXPECT_EQ(m.Title(), "Jährliche Notizen für den 24.12.2024");
    EXPECT_EQ(m.StartYear(), 1970);
    m.SetStartYear(1980);
    EXPECT_EQ(m.InsertYearMarker(), "<1980>. Geburtstag ");
    m.SetStartYear(1800);
    EXPECT_EQ(m.StartYear(), 1900);
    m.SetStartYear(2300);
    EXPECT_EQ(m.StartYear(), 2100);
    m.Edit().SetWorking("Anna");
    m.SetStartYear(1990);
    EXPECT_EQ(m.InsertYearMarker(), "Anna\n<1990>. Geburtstag ");
    m.Edit().TrimForClosing();
    m.Save(store);
    EXPECT_EQ(folder.Get("1124.jnt"), "Anna\r\n<1990>. Geburtstag");
    YearlyNoteModel again(store, 20301124);
    EXPECT_EQ(again.Edit().Working(), "Anna\n<1990>. Geburtstag");
    EXPECT_EQ(again.StartYear(), 1970);
}

TEST(PeriodicNoteModel, OpensStepsAndKeepsOtherPeriods) {
    TempFolder folder;
    // 19737 mod 7 = 4 and mod 14 = 11: anchors 11 and 25.
    folder.Put("11.7.tnt", "sieben");
    folder.Put("25.14.tnt", "vierzehn");
    NoteStore store = StoreIn(folder);
    const DayContext day = MakeDayContext(kMonday);
    PeriodicNoteModel m(store, day, kMondayCode);
    EXPECT_EQ(m.Title(), "Periodische Notizen am 15.01.2024");
    EXPECT_EQ(m.EntryLabel(), "Eintrag 1 von insgesamt 2");
    EXPECT_EQ(m.Edit().Working(), "sieben");
    EXPECT_EQ(m.Period(), 7);
    EXPECT_FALSE(m.Step(store, -1));
    ASSERT_TRUE(m.Step(store, +1));
    EXPECT_EQ(m.EntryLabel(), "Eintrag 2 von insgesamt 2");
    EXPECT_EQ(m.Edit().Working(), "vierzehn");
    EXPECT_EQ(m.Period(), 14);
    EXPECT_FALSE(m.Step(store, +1));
    // "Alles zurück" on the second note keeps its own text.
    m.Edit().SetWorking("geändert");
    m.Edit().RevertAll();
    EXPECT_EQ(m.Edit().Working(), "vierzehn");
    EXPECT_FALSE(m.WouldSave());
    ASSERT_TRUE(m.Step(store, -1));

    // The first note moved to period 14, where this day already has one.
    m.SetPeriod(14);
    EXPECT_TRUE(m.WouldSave());
    EXPECT_FALSE(m.TargetQuestion(store).empty());
    // To period 30 nothing is in the way: a copy, the old note stays.
    m.SetPeriod(30);
    EXPECT_EQ(m.TargetQuestion(store), "");
    m.Save(store);
    EXPECT_EQ(folder.Get("57.30.tnt"), "sieben");  // 19737 mod 30 = 27
    EXPECT_EQ(folder.Get("11.7.tnt"), "sieben");
    EXPECT_EQ(store.CountPeriodicNotesOfDay(day), 3);
    // Every seventh day before and after carries the note of period 7.
    EXPECT_EQ(store.CountPeriodicNotesOfDay(MakeDayContext(kMonday - 700)), 1 + (700 % 14 == 0));
}

TEST(PeriodicNoteModel, EmptyDayAndDeleting) {
    TempFolder folder;
    NoteStore store = StoreIn(folder);
    const DayContext day = MakeDayContext(kMonday);
    PeriodicNoteModel m(store, day, kMondayCode);
    EXPECT_EQ(m.Period(), 7);
    EXPECT_EQ(m.EntryLabel(), "Eintrag 1 von insgesamt 0");
    EXPECT_FALSE(m.Step(store, +1));
    EXPECT_FALSE(m.Step(store, -1));
    m.SetPeriod(0);
    EXPECT_EQ(m.Period(), 1);
    m.SetPeriod(400);
    EXPECT_EQ(m.Period(), 365);
    m.SetPeriod(14);
    m.Edit().SetWorking("Zahltag");
    m.Save(store);
    EXPECT_EQ(folder.Get("25.14.tnt"), "Zahltag");

    PeriodicNoteModel again(store, MakeDayContext(kMonday + 14), 20240029);
    EXPECT_EQ(again.Period(), 14);
    again.Edit().ClearText();  // "Lösche Notiz" deletes the note of the period shown
    ASSERT_TRUE(again.WouldSave());
    again.Save(store);
    EXPECT_FALSE(folder.Exists("25.14.tnt"));
}

TEST(WeekdayNoteModel, OpensWithTheDaysOccurrenceAndMonth) {
    TempFolder folder;
    NoteStore store = StoreIn(folder);
    struct Case {
        int year, month, day;
        int occurrence;
        const char* weekdayLabel;
        const char* monthName;
    } cases[] = {
        {2015, 5, 26, 4, "Dienstag im", "Mai"},    // 26 > 31 - 7: the last Tuesday
        {2015, 5, 19, 2, "Dienstag im", "Mai"},
        {2015, 3, 29, 4, "Sonntag im", "März"},
        {2015, 2, 28, 4, "Samstag im", "Februar"},  // last week of a 28-day February
        {2016, 2, 22, 3, "Montag im", "Februar"},   // 22 = 29 - 7: not the last week
        {2015, 1, 7, 0, "Mittwoch im", "Januar"},
    };
    for (const auto& c : cases) {
        WeekdayNoteModel m(store, MakeDayContext(DayNumberOf(c.year, c.month, c.day)));
        EXPECT_EQ(m.Occurrence(), c.occurrence) << c.day;
        EXPECT_EQ(m.MonthSel(), c.month - 1);
        EXPECT_EQ(m.MonthItem(), 0);
        EXPECT_EQ(m.WeekdayLabel(), c.weekdayLabel);
        EXPECT_EQ(m.MonthItems(), (std::vector<std::string>{c.monthName, "Monat"}));
        EXPECT_EQ(m.EntryLabel(), "Eintrag 1 von insgesamt 0");
    }
}

TEST(WeekdayNoteModel, SavesStepsAndAsksBeforeOverwriting) {
    TempFolder folder;
    NoteStore store = StoreIn(folder);
    const DayContext tuesday = MakeDayContext(DayNumberOf(2015, 5, 26));
    {
        WeekdayNoteModel m(store, tuesday);
        m.Edit().SetWorking("Versammlung");
        ASSERT_TRUE(m.WouldSave());
        m.Save(store);
    }
    EXPECT_EQ(folder.Get("10424.wmt"), "Versammlung");
    EXPECT_EQ(store.WeekdayNoteStateOfDay(MakeDayContext(DayNumberOf(2016, 5, 31))), 1);

    {  // The same note for every month, as a copy.
        WeekdayNoteModel m(store, tuesday);
        EXPECT_EQ(m.Edit().Working(), "Versammlung");
        m.ChooseMonthItem(1);
        EXPECT_EQ(m.MonthSel(), kEveryMonth);
        EXPECT_EQ(m.TargetQuestion(store), "");
        ASSERT_TRUE(m.WouldSave());
        m.Edit().SetWorking("Monatlich");
        m.Save(store);
    }
    EXPECT_EQ(folder.Get("11224.wmt"), "Monatlich");
    EXPECT_EQ(folder.Get("10424.wmt"), "Versammlung");

    WeekdayNoteModel m(store, tuesday);
    EXPECT_EQ(m.EntryLabel(), "Eintrag 1 von insgesamt 2");
    ASSERT_TRUE(m.Step(store, +1));
    EXPECT_EQ(m.Edit().Working(), "Monatlich");
    EXPECT_EQ(m.MonthItem(), 1);
    EXPECT_EQ(m.Occurrence(), 4);
    EXPECT_FALSE(m.WouldSave());
    EXPECT_FALSE(m.Step(store, +1));
    ASSERT_TRUE(m.Step(store, -1));
    m.ChooseMonthItem(1);  // onto the every-month note that exists
    EXPECT_FALSE(m.TargetQuestion(store).empty());
    m.ChooseMonthItem(0);
    m.ChooseOccurrence(3);  // "vierten" Tuesday of May
    EXPECT_EQ(m.TargetQuestion(store), "");
    m.Save(store);
    EXPECT_EQ(folder.Get("10423.wmt"), "Versammlung");
}

TEST(NoteMenu, KeysChooseTheirEntries) {
    const std::pair<char32_t, std::optional<NoteMenuChoice>> cases[] = {
        {U'T', NoteMenuChoice::DayNote},    {U't', NoteMenuChoice::DayNote},
        {U'p', NoteMenuChoice::PeriodicNote}, {U'J', NoteMenuChoice::YearlyNote},
        {U'w', NoteMenuChoice::WeekdayNote}, {U'K', NoteMenuChoice::CalendarMark},
        {U's', NoteMenuChoice::ShiftMark},  {U'L', NoteMenuChoice::Delete},
        {U'u', NoteMenuChoice::Overview},   {U'I', NoteMenuChoice::Info},
        {U'x', std::nullopt},               {U'1', std::nullopt},
    };
    for (const auto& [key, choice] : cases) EXPECT_EQ(NoteMenuChoiceForKey(key), choice) << char(key);
    // The window answers with the entry's index, so the entries stand in choice order.
    for (int i = 0; i < kNoteMenuEntryCount; ++i) EXPECT_EQ(static_cast<int>(kNoteMenuEntries[i].choice), i);
    EXPECT_FALSE(NoteMenuOpens(5));
    EXPECT_TRUE(NoteMenuOpens(0));
}

}  // namespace
}  // namespace sk
