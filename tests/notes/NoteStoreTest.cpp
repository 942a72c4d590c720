#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <random>

#include "base/RadixSort.h"
#include "notes/NoteNames.h"
#include "notes/NoteStore.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

using testing::TempFolder;

DayContext Day(int y, int m, int d) { return MakeDayContext(DayNumberOf(y, m, d)); }

TEST(NoteNames, RecognisesOnlyPlainNamesOfRealCodes) {
    struct Case {
        const char* name;
        bool note;
        NoteKind kind;
        int code, period;
    } cases[] = {
        {"20170330.txt", true, NoteKind::Day, 20170330, 0},
        {"19700001.txt", true, NoteKind::Day, 19700001, 0},
        {"20381131.txt", true, NoteKind::Day, 20381131, 0},
        {"20400101.txt", false, {}, 0, 0},
        {"abc.txt", false, {}, 0, 0},
        {"20170099.txt", false, {}, 0, 0},    // no day 99
        {"020170330.txt", false, {}, 0, 0},   // leading zero names another file
        {"20170330.TXT", false, {}, 0, 0},
        {"11.7.tnt", true, NoteKind::Periodic, 11, 7},
        {"0.3.tnt", false, {}, 0, 0},         // anchor must be above 0
        {"5.0.tnt", false, {}, 0, 0},
        {"07.7.tnt", false, {}, 0, 0},
        {"7.7.7.tnt", false, {}, 0, 0},
        {"9999999999.7.tnt", false, {}, 0, 0},
        {"1.jnt", true, NoteKind::Yearly, 1, 0},
        {"129.jnt", true, NoteKind::Yearly, 129, 0},  // 29 February
        {"1124.jnt", true, NoteKind::Yearly, 1124, 0},
        {"130.jnt", false, {}, 0, 0},
        {"1131.jnt", true, NoteKind::Yearly, 1131, 0},
        {"1200.jnt", false, {}, 0, 0},
        {"10011.wmt", true, NoteKind::Weekday, 10011, 0},
        {"11264.wmt", true, NoteKind::Weekday, 11264, 0},
        {"11265.wmt", false, {}, 0, 0},   // occurrence 5
        {"10070.wmt", false, {}, 0, 0},   // weekday 7
        {"11300.wmt", false, {}, 0, 0},   // month 13
        {".txt", false, {}, 0, 0},
        {"20170330.txt.tmp-12", false, {}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto p = ParseNoteFileName(c.name);
        ASSERT_EQ(p.has_value(), c.note);
        if (!p) continue;
        EXPECT_EQ(p->kind, c.kind);
        EXPECT_EQ(p->code, c.code);
        EXPECT_EQ(p->period, c.period);
    }
}

TEST(NoteNames, CodesOfDays) {
    EXPECT_EQ(PeriodicAnchor(17000, 7), 11);
    EXPECT_EQ(PeriodicAnchor(17007, 7), 11);
    EXPECT_EQ(PeriodicAnchor(16993, 7), 11);
    EXPECT_EQ(PeriodicAnchor(5, 365), 370);
    EXPECT_EQ(NoteMonthDayCodeOf(20170330), 330);
    EXPECT_EQ(WeekdayNoteCode(0, 1, 1), 10011);
    const int occurrences[32] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 2,
                                 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4};
    for (int t = 1; t <= 31; ++t) EXPECT_EQ(OccurrenceOfDay(t), occurrences[t]) << t;
}

TEST(NoteStore, ScansIndexesAndIgnoresForeignNames) {
    TempFolder dir;
    for (const char* name : {"20170330.txt", "20170002.txt", "abc.txt", "20400101.txt", "11.7.tnt", "10.3.tnt",
                             "0.3.tnt", "330.jnt", "1.jnt", "1300.jnt", "10424.wmt", "11264.wmt", "x.wmt"})
        dir.Put(name, "n");
    std::filesystem::create_directory(dir.File("19991010.txt"));  // a folder is no note
    ASSERT_EQ(::mkfifo(dir.File("20000101.txt").c_str(), 0600), 0);  // a pipe would block a reader
    std::filesystem::create_symlink(dir.File("330.jnt"), dir.File("401.jnt"));  // a link to a note is a note
    std::filesystem::create_symlink(dir.File("20000101.txt"), dir.File("20000102.txt"));

    dir.Put("Einstellungen.dat.tmp-a1b2", "x");

    NoteStore store(dir.Path());
    std::vector<std::string> others;
    store.ScanAll([&](std::string_view name) { others.emplace_back(name); });
    std::sort(others.begin(), others.end());
    // The files that are no notes go on; folders, pipes and links to them do not.
    EXPECT_EQ(others, (std::vector<std::string>{"0.3.tnt", "1300.jnt", "20400101.txt", "Einstellungen.dat.tmp-a1b2",
                                                "abc.txt", "x.wmt"}));
    EXPECT_EQ(store.DayNoteIndex(), (std::vector<std::int32_t>{20170002, 20170330}));
    ASSERT_EQ(store.Periodic().Entries().size(), 2u);
    EXPECT_EQ(store.Periodic().Entries()[0].FileName(), "10.3.tnt");  // byte order of the names
    EXPECT_EQ(store.Periodic().Entries()[1].FileName(), "11.7.tnt");
    EXPECT_EQ(store.YearlyNoteIndex(), (std::vector<std::int32_t>{1, 330, 401}));
    EXPECT_EQ(store.ReadNoteFile("20000101.txt"), "");  // returns at once
    EXPECT_EQ(store.ReadNoteFile("401.jnt"), "n");
    EXPECT_EQ(store.WeekdayNoteIndex(), (std::vector<std::int32_t>{10424, 11264}));
    EXPECT_EQ(store.ScanDayNotes(), 2);
    EXPECT_EQ(store.ScanPeriodicNotes(), 2);
    EXPECT_EQ(store.ScanYearlyNotes(), 3);
    EXPECT_EQ(store.ScanWeekdayNotes(), 2);

    NoteStore missing(dir.File("nowhere"));
    missing.ScanAll();
    EXPECT_TRUE(missing.DayNoteIndex().empty());
}

TEST(NoteStore, WritersNameFilesAndRescan) {
    TempFolder dir;
    NoteStore store(dir.Path());
    store.ScanAll();
    const DayContext apr30 = Day(2017, 4, 30);

    ASSERT_TRUE(store.WriteDayNote(apr30, "Tag"));
    EXPECT_TRUE(dir.Exists("20170330.txt"));
    EXPECT_TRUE(store.HasDayNote(apr30));
    ASSERT_TRUE(store.WriteYearlyNote(apr30, "Jahr"));
    EXPECT_TRUE(dir.Exists("330.jnt"));
    ASSERT_TRUE(store.WritePeriodicNote(17000, 7, "Woche"));
    EXPECT_TRUE(dir.Exists("11.7.tnt"));
    ASSERT_TRUE(store.WriteWeekdayNote(DayNumberOf(2015, 5, 26), 4, 4, "Dienstag"));
    EXPECT_TRUE(dir.Exists("10424.wmt"));
    EXPECT_FALSE(store.WritePeriodicNote(17000, 0, "x"));
    EXPECT_FALSE(store.WriteWeekdayNote(17000, 5, 0, "x"));

    // A second store on the same folder sees the same notes.
    NoteStore other(dir.Path());
    other.ScanAll();
    EXPECT_EQ(other.ReadDayNote(apr30), "Tag");
    EXPECT_EQ(other.ReadYearlyNote(Day(2030, 4, 30)), "Jahr");
    EXPECT_EQ(other.ReadNoteFile(other.PeriodicNoteFileOfDay(MakeDayContext(16993), 1)), "Woche");

    ASSERT_TRUE(store.WriteDayNote(apr30, ""));
    EXPECT_FALSE(dir.Exists("20170330.txt"));
    EXPECT_FALSE(store.HasDayNote(apr30));
}

TEST(NoteStore, PasswordEnciphersEveryKind) {
    TempFolder dir;
    NoteStore store(dir.Path(), "k\xC3\xA4");
    ASSERT_TRUE(store.WriteYearlyNote(Day(2017, 1, 1), "\xC3\xA4"));
    EXPECT_EQ(dir.Get("1.jnt"), "143");  // 228 XOR 107 ('k')
    NoteStore plain(dir.Path());
    EXPECT_EQ(plain.ReadNoteFile("1.jnt"), "143");
    EXPECT_EQ(store.ReadNoteFile("1.jnt"), "\xC3\xA4");
}

TEST(NoteStore, PerDayLookups) {
    TempFolder dir;
    for (const char* name : {"20160129.txt", "11.7.tnt", "2.1.tnt", "129.jnt", "11264.wmt", "10123.wmt", "11213.wmt"})
        dir.Put(name, "n");
    NoteStore store(dir.Path());
    store.ScanAll();

    struct Case {
        int y, m, d;
        bool day;
        int periodic;
        bool yearly;
        int weekdayState;
    } cases[] = {
        // 29 Feb 2016 is a Monday: day note, yearly note of 29 February.
        {2016, 2, 29, true, 2, true, 0},
        {2017, 3, 1, false, 1, false, 0},
        // Day number 17000 (18 July 2016) and every 7th day share the anchor 11.
        {2016, 7, 18, false, 2, false, 0},
        {2016, 7, 11, false, 2, false, 0},
        // Last Saturday of every month (11264): 30 Jan 2016 regular, 26 Nov 2016 (22-28) last-week,
        // 24 Dec 2016 is the fourth Saturday only (31 Dec is the last).
        {2016, 1, 30, false, 1, false, 1},
        {2016, 11, 26, false, 1, false, 2},
        {2016, 12, 24, false, 1, false, 0},
        // 28 Feb 2017 (Tuesday, non-leap): fourth Tuesday of February (10123).
        {2017, 2, 28, false, 1, false, 1},
        // Fourth Monday of every month 11213: 22 Feb 2016 is the 4th Monday but not the last.
        {2016, 2, 22, false, 2, false, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.y * 10000 + c.m * 100 + c.d);
        const DayContext ctx = Day(c.y, c.m, c.d);
        EXPECT_EQ(store.HasDayNote(ctx), c.day);
        EXPECT_EQ(store.CountPeriodicNotesOfDay(ctx), c.periodic);
        EXPECT_EQ(store.HasYearlyNote(ctx), c.yearly);
        EXPECT_EQ(store.WeekdayNoteStateOfDay(ctx), c.weekdayState);
    }
    // Days beyond the table are counted from the entries, with the same rule.
    EXPECT_EQ(store.Periodic().CountOfDay(17000 + 7 * 10000), 2);
    EXPECT_EQ(store.Periodic().CountOfDay(-3), 1 + (-3 % 7 == 11 % 7));
    EXPECT_EQ(store.PeriodicNoteFileOfDay(MakeDayContext(17000), 1), "11.7.tnt");
    EXPECT_EQ(store.PeriodicNoteFileOfDay(MakeDayContext(17000), 2), "2.1.tnt");
    EXPECT_EQ(store.PeriodicNoteFileOfDay(MakeDayContext(17000), 3), "");
}

// The index against the plain reading of its rules: sorted as the file names
// sort byte by byte, and a note on every day where D mod P = anchor mod P.
TEST(PeriodicNoteIndex, AgreesWithNamesAndRuleOnManyNotes) {
    std::mt19937 rng(5);
    std::vector<PeriodicNoteEntry> entries;
    for (const std::int32_t period : {1, 2, 7, 9, 10, 11, 99, 100, 101, 365, 1000, 123456789})
        for (int i = 0; i < 6; ++i) entries.push_back({PeriodicAnchor(static_cast<DayNumber>(rng() % 30000), period), period});
    entries.push_back({999999999, 1});
    entries.push_back(entries[3]);  // the same file twice counts once
    PeriodicNoteIndex index;
    index.Assign(entries);

    std::vector<std::string> names;
    for (const auto& e : entries) names.push_back(e.FileName());
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    ASSERT_EQ(index.Entries().size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(index.Entries()[i].FileName(), names[i]) << i;

    for (const DayNumber d : {-30000, -3, -1, 0, 1, 6, 17000, 25201, 25202, 90000, 123456789}) {
        std::vector<std::uint32_t> expected;
        for (std::uint32_t i = 0; i < index.Entries().size(); ++i) {
            const auto& e = index.Entries()[i];
            if (d % e.period == e.anchor % e.period) expected.push_back(i);
        }
        EXPECT_EQ(index.EntriesOfDay(d), expected) << d;
        EXPECT_EQ(index.CountOfDay(d), static_cast<int>(expected.size())) << d;
        for (std::size_t k = 0; k <= expected.size(); ++k) {
            const PeriodicNoteEntry* e = index.EntryOfDay(d, static_cast<int>(k + 1));
            EXPECT_EQ(e, k < expected.size() ? &index.Entries()[expected[k]] : nullptr);
        }
    }
    // Days asked in ascending order, across block ends, and jumping back.
    PeriodicDaySweep sweep(index);
    std::vector<DayNumber> days;
    for (DayNumber d = -3; d < 2100; ++d) days.push_back(d);
    for (const DayNumber d : {5000, 4999, 17000, 1023, 1024, 0, 90000, 123456789}) days.push_back(d);
    std::vector<std::uint32_t> swept;
    for (const DayNumber d : days) {
        sweep.EntriesOfDay(d, swept);
        ASSERT_EQ(swept, index.EntriesOfDay(d)) << d;
    }
    for (const auto& e : entries) EXPECT_TRUE(index.Contains(e.anchor, e.period));
    EXPECT_FALSE(index.Contains(entries[0].anchor + entries[0].period, entries[0].period));
    EXPECT_FALSE(index.Contains(1, 999999999));
}

// Sorting by one key and then stably by another orders by both, for keys of
// any width, also ones the passes do not divide.
TEST(StableRadixSort, SortsStablyByKeysOfAnyWidth) {
    std::mt19937_64 rng(3);
    for (const int bits : {1, 11, 12, 22, 38, 64}) {
        struct Item {
            std::uint64_t major, minor;
        };
        std::vector<Item> items(3000);
        const std::uint64_t mask = bits == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1;
        for (Item& it : items) it = {rng() & mask & (rng() % 4 == 0 ? 0xFF : mask), rng() % 50};
        std::vector<Item> expected = items;
        std::stable_sort(expected.begin(), expected.end(), [](const Item& a, const Item& b) {
            return a.major != b.major ? a.major < b.major : a.minor < b.minor;
        });
        StableRadixSort(items, 6, [](const Item& it) { return it.minor; });
        StableRadixSort(items, bits, [](const Item& it) { return it.major; });
        for (std::size_t i = 0; i < items.size(); ++i) {
            ASSERT_EQ(items[i].major, expected[i].major) << bits << " " << i;
            ASSERT_EQ(items[i].minor, expected[i].minor) << bits << " " << i;
        }
    }
}

TEST(NoteStore, WeekdayEntriesAndFallbackToEveryMonth) {
    TempFolder dir;
    // 28 Feb 2017, Tuesday: Feb-only 4th (10123+... computed below) and every-month last.
    const int feb4th = WeekdayNoteCode(1, 2, 3), everyLast = WeekdayNoteCode(12, 2, 4), febLast = WeekdayNoteCode(1, 2, 4);
    dir.Put(WeekdayNoteFileName(feb4th), "vierter Dienstag Februar");
    dir.Put(WeekdayNoteFileName(everyLast), "letzter Dienstag");
    NoteStore store(dir.Path());
    store.ScanAll();
    const DayContext feb28 = Day(2017, 2, 28);
    EXPECT_EQ(store.WeekdayEntriesOfDay(feb28), (std::vector<int>{feb4th, everyLast}));
    EXPECT_EQ(store.WeekdayNoteStateOfDay(feb28), 3);
    EXPECT_EQ(store.ReadWeekdayNoteOfDay(feb28, true, 1), "letzter Dienstag");  // no Feb-only "last": every month
    dir.Put(WeekdayNoteFileName(febLast), "letzter Dienstag Februar");
    store.ScanWeekdayNotes();
    EXPECT_EQ(store.ReadWeekdayNoteOfDay(feb28, true, 1), "letzter Dienstag Februar");
    EXPECT_EQ(store.WeekdayEntriesOfDay(feb28), (std::vector<int>{feb4th, febLast, everyLast}));
    // 21 Feb 2017 is the third Tuesday: none of these.
    EXPECT_TRUE(store.WeekdayEntriesOfDay(Day(2017, 2, 21)).empty());
    EXPECT_EQ(store.ReadWeekdayNoteOfDay(Day(2017, 2, 21), false, 1), "");
}

TEST(NoteStore, DeletesOnlyIndexedFiles) {
    TempFolder dir;
    for (const char* name : {"20170214.txt", "20170215.txt", "20170216.txt", "11.7.tnt", "07.7.tnt", "330.jnt",
                             "1300.jnt", "10424.wmt", "x.wmt", "notes.txt"})
        dir.Put(name, "n");
    NoteStore store(dir.Path());
    store.ScanAll();

    store.DeleteDayNotesUpTo(DayNumberOf(2017, 3, 15));  // 15 March 2017 is code 20170215
    EXPECT_FALSE(dir.Exists("20170214.txt"));
    EXPECT_FALSE(dir.Exists("20170215.txt"));
    EXPECT_TRUE(dir.Exists("20170216.txt"));
    EXPECT_EQ(store.DayNoteIndex(), (std::vector<std::int32_t>{20170216}));

    store.DeleteAllPeriodicNotes();
    store.DeleteAllYearlyNotes();
    store.DeleteAllWeekdayNotes();
    EXPECT_TRUE(store.Periodic().Entries().empty());
    EXPECT_TRUE(store.YearlyNoteIndex().empty());
    EXPECT_TRUE(store.WeekdayNoteIndex().empty());
    EXPECT_FALSE(store.HasWeekdayNote(10424));
    EXPECT_FALSE(store.HasYearlyNote(Day(2017, 4, 30)));
    for (const char* kept : {"07.7.tnt", "1300.jnt", "x.wmt", "notes.txt", "20170216.txt"}) EXPECT_TRUE(dir.Exists(kept)) << kept;
    EXPECT_EQ(dir.Count(), 5u);
}

}  // namespace
}  // namespace sk

#include "notes/NoteDeletion.h"

namespace sk {
namespace {

TEST(NoteDeletion, AppliesEveryChosenKindAndSavesMarks) {
    testing::TempFolder dir;
    for (const char* name : {"20170215.txt", "20170216.txt", "11.7.tnt", "330.jnt", "10424.wmt"}) dir.Put(name, "n");
    NoteStore store(dir.Path());
    store.ScanAll();
    CalendarMarkList calendar;
    calendar.Assign({{100, 20000, 1}, {17300, 17400, 2}});
    ShiftMarkList shifts;
    shifts.Assign({{17240, 1, 2}, {17241, 1, 2}});
    const DayNumber upTo = DayNumberOf(2017, 3, 15);  // 17240

    DeleteNotesAndMarks({}, upTo, store, calendar, shifts, dir.Path());  // nothing chosen
    EXPECT_EQ(dir.Count(), 5u);

    NoteDeletionChoice choice;
    choice.dayNotes = choice.calendarMarks = choice.shiftMarks = choice.yearlyNotes = true;
    EXPECT_TRUE(choice.Any());
    DeleteNotesAndMarks(choice, upTo, store, calendar, shifts, dir.Path());
    EXPECT_FALSE(dir.Exists("20170215.txt"));
    EXPECT_TRUE(dir.Exists("20170216.txt"));
    EXPECT_FALSE(dir.Exists("330.jnt"));
    EXPECT_TRUE(dir.Exists("11.7.tnt"));
    EXPECT_TRUE(dir.Exists("10424.wmt"));
    EXPECT_EQ(calendar.Marks(), (std::vector<CalendarMark>{{17300, 17400, 2}}));
    EXPECT_EQ(ParseCalendarMarks(dir.Get(kCalendarMarkFileName)), calendar.Marks());
    EXPECT_EQ(ParseShiftMarks(dir.Get(kShiftMarkFileName)), (std::vector<ShiftMark>{{17241, 1, 2}}));
    EXPECT_FALSE(calendar.changed);
}

}  // namespace
}  // namespace sk
