#include <gtest/gtest.h>

#include "base/RecordBytes.h"
#include "marks/ShiftMarkCodes.h"
#include "marks/ShiftMarks.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

using testing::TempFolder;
using Marks = std::vector<ShiftMark>;

TEST(ShiftMarks, FileBytesBothWays) {
    const Marks marks = {{17000, 2, 4}, {17001, 4, 7}};
    const std::string bytes = FormatShiftMarks(marks);
    EXPECT_EQ(bytes, std::string("\x68\x42\x00\x00\x02\x04\x69\x42\x00\x00\x04\x07", 12));
    EXPECT_EQ(ParseShiftMarks(bytes), marks);
    EXPECT_EQ(ParseShiftMarks(bytes.substr(0, 9)), (Marks{{17000, 2, 4}, {0x4269, 0, 0}}));
    // Day 0 and a repeated day are not written; the first of two stays.
    EXPECT_EQ(FormatShiftMarks({{5, 1, 1}, {0, 1, 1}, {5, 2, 2}, {6, 3, 3}}),
              FormatShiftMarks({{5, 1, 1}, {6, 3, 3}}));
}

TEST(ShiftMarks, RecordWithDayOutsideTheCalendarIsLeftOut) {
    const auto record = [](DayNumber day, std::uint8_t crew) {
        std::string bytes;
        AppendU32(bytes, static_cast<std::uint32_t>(day));
        return bytes + static_cast<char>(crew) + '\x02';
    };
    for (const DayNumber bad : {kFirstDay - 1, kLastDay + 1, DayNumber{0x7fffffff}, DayNumber{-100000}}) {
        SCOPED_TRACE(bad);
        // The first and last day of the calendar around it are kept.
        EXPECT_EQ(ParseShiftMarks(record(kFirstDay, 1) + record(bad, 2) + record(kLastDay, 3)),
                  (Marks{{kFirstDay, 1, 2}, {kLastDay, 3, 2}}));
    }
}

TEST(ShiftMarks, EntryRules) {
    const DayNumber sunday = DayNumberOf(2017, 4, 30), monday = sunday + 1;
    struct Case {
        int type;
        DayNumber d;
        int crew;
        bool allowed;
    } cases[] = {
        {0, monday, 3, true},  {0, sunday, 3, false}, {4, sunday, 3, false}, {5, sunday, 3, false},
        {0, sunday, 4, true},  {2, monday, 3, true},  {2, monday, 4, false}, {6, sunday, 3, true},
        {7, monday, 4, true},  {1, monday, 0, false}, {1, monday, 5, false}, {8, monday, 1, true},
        {8, sunday, 3, true},  {8, monday, 5, false}, {9, monday, 1, false},
    };
    for (const auto& c : cases) EXPECT_EQ(ShiftMarkEntryAllowed(c.type, c.d, c.crew), c.allowed) << c.type << " " << c.crew;
}

TEST(ShiftMarks, EnterShiftMark) {
    const DayNumber day = DayNumberOf(2017, 5, 2);
    struct Case {
        const char* what;
        int type;
        Marks before;
        int crew;
        int chosen;
        int expectedCurrent;
        bool changed;
        Marks after;
    } cases[] = {
        {"vacation replaces another crew's sickness", 0, {{day, 4, 4}}, 2, 2, 4, true, {{day, 2, 2}}},
        {"delete on a day without mark adds nothing", 0, {}, 1, 6, 0, true, {}},
        {"delete removes the day's mark", 0, {{day - 1, 1, 1}, {day, 1, 3}}, 1, 6, 3, true, {{day - 1, 1, 1}}},
        {"four-crew delete code is 8", 6, {{day, 1, 6}}, 1, 8, 6, true, {}},
        {"four-crew code 6 is sickness", 7, {}, 4, 6, 0, true, {{day, 4, 6}}},
        {"cancel changes nothing", 0, {{day, 1, 3}}, 1, -1, 3, false, {{day, 1, 3}}},
        {"unknown code changes nothing", 0, {}, 1, 7, 0, false, {}},
        {"new mark sorted in", 0, {{day - 5, 1, 0}, {day + 5, 1, 0}}, 3, 0, 0, true,
         {{day - 5, 1, 0}, {day, 3, 0}, {day + 5, 1, 0}}},
        {"crew 4 in the two-shift plan", 2, {}, 4, 0, -1, false, {}},
        {"a code without option starts at 0", 0, {{day, 1, 7}}, 1, 1, 0, true, {{day, 1, 1}}},
        {"a damaged code starts at 0", 6, {{day, 1, 200}}, 1, -1, 0, false, {{day, 1, 200}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ShiftMarkList list;
        list.Assign(c.before);
        int seenCurrent = -1;
        const bool changed = EnterShiftMark(list, c.type, day, c.crew, [&](int current, int crew) {
            seenCurrent = current;
            EXPECT_EQ(crew, c.crew);
            return c.chosen;
        });
        EXPECT_EQ(changed, c.changed);
        EXPECT_EQ(list.changed, c.changed);
        EXPECT_EQ(seenCurrent, c.expectedCurrent);
        EXPECT_EQ(list.Marks(), c.after);
    }
}

TEST(ShiftMarks, LookupOfLoadedDuplicatesAndUnsortedLists) {
    ShiftMarkList list;
    list.Assign({{10, 1, 1}, {10, 2, 2}, {12, 3, 3}});
    ASSERT_NE(list.ShiftMarkOfDay(10), nullptr);
    EXPECT_EQ(list.ShiftMarkOfDay(10)->crew, 1);  // the first of two
    EXPECT_EQ(list.ShiftMarkOfDay(11), nullptr);
    // Unsorted: the walk stops at the first later day.
    list.Assign({{12, 3, 3}, {10, 1, 1}, {20, 4, 4}});
    EXPECT_NE(list.ShiftMarkOfDay(12), nullptr);
    EXPECT_EQ(list.ShiftMarkOfDay(10), nullptr);
    EXPECT_NE(list.ShiftMarkOfDay(20), nullptr);
}

TEST(ShiftMarks, LoadSaveDeleteUpTo) {
    TempFolder dir;
    dir.Put(kShiftMarkFileName, FormatShiftMarks({{100, 1, 2}}) + FormatShiftMarks({{100, 2, 4}}) +
                                    FormatShiftMarks({{200, 3, 1}, {300, 4, 0}}));
    ShiftMarkList list;
    list.Load(dir.Path());
    EXPECT_EQ(list.Marks().size(), 4u);  // both records of day 100 are listed
    ASSERT_TRUE(list.Save(dir.Path()));
    EXPECT_EQ(dir.Get(kShiftMarkFileName), FormatShiftMarks({{100, 1, 2}, {200, 3, 1}, {300, 4, 0}}));

    ASSERT_TRUE(list.DeleteShiftMarksUpTo(200, dir.Path()));  // saves at once
    EXPECT_EQ(dir.Get(kShiftMarkFileName), FormatShiftMarks({{300, 4, 0}}));
    ASSERT_TRUE(list.DeleteShiftMarksUpTo(300, dir.Path()));
    EXPECT_FALSE(dir.Exists(kShiftMarkFileName));
}

TEST(ShiftMarks, AnUnsortedFileIsReadInDayOrder) {
    TempFolder dir;
    // 15., 14., 13. January 2024, and a second record of the 14th further on.
    const DayNumber d13 = DayNumberOf(2024, 1, 13);
    dir.Put(kShiftMarkFileName,
            FormatShiftMarks({{d13 + 2, 2, 1}}) + FormatShiftMarks({{d13 + 1, 4, 4}}) +
                FormatShiftMarks({{d13, 1, 2}}) + FormatShiftMarks({{d13 + 1, 3, 0}}));
    ShiftMarkList list;
    list.Load(dir.Path());
    EXPECT_EQ(list.Marks(), (std::vector<ShiftMark>{{d13, 1, 2}, {d13 + 1, 4, 4}, {d13 + 1, 3, 0}, {d13 + 2, 2, 1}}));
    for (DayNumber d : {d13, d13 + 1, d13 + 2}) EXPECT_NE(list.ShiftMarkOfDay(d), nullptr) << d;
    EXPECT_EQ(CurrentShiftMarkCode(list, 0, d13 + 1), 4);  // "Krank", the first record of the day
    // Taking the window's answer replaces that mark instead of adding one.
    EnterShiftMark(list, 0, d13 + 1, 4, [](int current, int) { return current; });
    ASSERT_TRUE(list.Save(dir.Path()));
    EXPECT_EQ(dir.Get(kShiftMarkFileName), FormatShiftMarks({{d13, 1, 2}, {d13 + 1, 4, 4}, {d13 + 2, 2, 1}}));
}

TEST(ShiftMarkCodes, TextsLettersAndKeys) {
    EXPECT_EQ(ShiftMarkOptionTexts(0).size(), 7u);
    EXPECT_EQ(ShiftMarkOptionTexts(7).size(), 9u);
    EXPECT_EQ(ShiftMarkOptionTexts(7)[8], "Schichtmarkierung löschen (Entf)");
    struct Case {
        int type, code;
        const char* letter;
    } cases[] = {{0, 0, "X"}, {4, 2, "U"}, {6, 0, "1"}, {6, 3, "f"}, {7, 3, "-"}, {7, 1, "S"},
                 {5, 2, ""},  {0, 7, ""},  {6, 8, " "}, {0, -1, ""}};
    for (const auto& c : cases) EXPECT_EQ(ShiftMarkLetter(c.type, c.code), c.letter) << c.type << " " << c.code;
    EXPECT_EQ(ShiftMarkCodeOfKey(0, 'x'), 0);
    EXPECT_EQ(ShiftMarkCodeOfKey(6, 'X'), -1);
    EXPECT_EQ(ShiftMarkCodeOfKey(6, 'U'), 4);
    EXPECT_EQ(ShiftMarkCodeOfKey(0, 'U'), 2);
    EXPECT_EQ(ShiftMarkCodeOfKey(7, '\x7f'), 8);
    for (int t : {0, 6})
        for (char k : {'F', 'U', 'L', 'K', 'A'})
            EXPECT_EQ(ShiftMarkOptionTexts(t)[static_cast<std::size_t>(ShiftMarkCodeOfKey(t, k))].substr(0, 1),
                      std::string(1, k));
    EXPECT_EQ(CrewColumnName(0, 3, false), "Spätschicht");
    EXPECT_EQ(CrewColumnName(6, 1, true), " Schicht A");
}

}  // namespace
}  // namespace sk
