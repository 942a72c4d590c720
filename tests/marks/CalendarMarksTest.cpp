#include <gtest/gtest.h>
#include <sys/stat.h>

#include "marks/CalendarMarks.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

using testing::TempFolder;
using Marks = std::vector<CalendarMark>;

TEST(CalendarMarks, FileBytesBothWays) {
    const Marks marks = {{17000, 17007, kDefaultCalendarMarkColour}, {kLastDay - 1, kLastDay, 0x00123456}};
    const std::string bytes = FormatCalendarMarks(marks);
    const std::string expected("\x68\x42\x00\x00\x6F\x42\x00\x00\xEF\xC2\xA1\x00"
                               "\x03\x61\x00\x00\x04\x61\x00\x00\x56\x34\x12\x00",
                               24);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(ParseCalendarMarks(bytes), marks);
    // A trailing partial record reads the bytes it has, the rest as 0.
    EXPECT_EQ(ParseCalendarMarks(expected.substr(0, 17)),
              (Marks{marks[0], {kLastDay - 1, 0x04, 0}}));
    EXPECT_TRUE(ParseCalendarMarks("").empty());
}

TEST(CalendarMarks, RecordWithDayOutsideTheCalendarIsLeftOut) {
    const CalendarMark first{kFirstDay, kFirstDay + 3, 1}, last{kLastDay - 3, kLastDay, 3};
    for (const DayNumber bad : {kFirstDay - 1, kLastDay + 1, DayNumber{0x7fffffff}, DayNumber{-100000}}) {
        SCOPED_TRACE(bad);
        for (const CalendarMark damaged : {CalendarMark{bad, 17000, 2}, CalendarMark{17000, bad, 2}})
            EXPECT_EQ(ParseCalendarMarks(FormatCalendarMarks({first, damaged, last})), (Marks{first, last}));
    }
}

TEST(CalendarMarks, LookupFirstMarkInListOrder) {
    CalendarMarkList list;
    // Sorted by start, overlapping: the first covering mark wins.
    list.Assign({{10, 20, 1}, {12, 14, 2}, {15, 40, 3}, {30, 31, 4}, {50, 50, 5}});
    struct Case {
        DayNumber d;
        std::uint32_t colour;
    } cases[] = {{9, 0}, {10, 1}, {13, 1}, {20, 1}, {21, 3}, {30, 3}, {40, 3}, {41, 0}, {50, 5}, {51, 0}};
    for (const auto& c : cases) EXPECT_EQ(list.MarkColourOfDay(c.d), c.colour) << c.d;
    // The same answers from an unsorted list (a file written in another order).
    list.Assign({{50, 50, 5}, {15, 40, 3}, {10, 20, 1}});
    EXPECT_EQ(list.MarkColourOfDay(16), 3u);
    EXPECT_EQ(list.MarkColourOfDay(50), 5u);
    EXPECT_EQ(list.MarkColourOfDay(11), 1u);
    EXPECT_EQ(list.MarkColourOfDay(41), 0u);
}

TEST(CalendarMarks, WindowSaveRule) {
    struct Case {
        const char* what;
        Marks before;
        DayNumber l, m;
        Marks after;
    } cases[] = {
        {"new mark", {}, 100, 107, {{100, 107, 7}}},
        {"end before start is swapped", {}, 107, 100, {{100, 107, 7}}},
        {"moves the mark containing the start", {{100, 107, 1}}, 105, 120, {{105, 120, 7}}},
        {"else the one containing the end", {{200, 210, 1}}, 150, 205, {{150, 205, 7}}},
        {"start's mark before end's", {{100, 107, 1}, {200, 210, 2}}, 105, 205, {{105, 205, 7}, {200, 210, 2}}},
        {"a mark wholly inside stays", {{120, 130, 1}}, 100, 140, {{100, 140, 7}, {120, 130, 1}}},
        {"kept sorted by start", {{100, 107, 1}, {200, 210, 2}}, 300, 301, {{100, 107, 1}, {200, 210, 2}, {300, 301, 7}}},
        {"moved mark resorted", {{100, 107, 1}, {200, 210, 2}}, 205, 90, {{90, 205, 7}, {100, 107, 1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CalendarMarkList list;
        list.Assign(c.before);
        list.SaveMarkEntry(c.l, c.m, 7);
        EXPECT_EQ(list.Marks(), c.after);
        EXPECT_TRUE(list.changed);
    }
    CalendarMarkList list;
    list.SaveMarkEntry(1, 2, 0);  // black would never paint
    EXPECT_EQ(list.MarkColourOfDay(1), kNearBlack);
}

TEST(CalendarMarks, InitialValuesAndDeletes) {
    CalendarMarkList list;
    EXPECT_EQ(list.InitialMarkOfDay(500), (CalendarMark{500, 507, kDefaultCalendarMarkColour}));
    list.Assign({{100, 110, 1}, {105, 200, 2}, {300, 310, 3}});
    EXPECT_EQ(list.InitialMarkOfDay(150), (CalendarMark{105, 200, 2}));

    list.DeleteCalendarMarkAt(107);  // the first containing mark only
    EXPECT_EQ(list.Marks(), (Marks{{105, 200, 2}, {300, 310, 3}}));
    EXPECT_TRUE(list.changed);
    list.changed = false;
    list.DeleteCalendarMarkAt(250);
    EXPECT_FALSE(list.changed);
    list.DeleteCalendarMarksUpTo(105);  // starts on or before, whatever its end
    EXPECT_EQ(list.Marks(), (Marks{{300, 310, 3}}));
    EXPECT_EQ(list.MarkColourOfDay(150), 0u);
}

TEST(CalendarMarks, LoadSaveAndEmptyListRemovesTheFile) {
    TempFolder dir;
    CalendarMarkList list;
    list.Load(dir.Path());  // missing file: no marks
    EXPECT_TRUE(list.Marks().empty());
    list.SaveMarkEntry(17000, 17007, kDefaultCalendarMarkColour);
    ASSERT_TRUE(list.Save(dir.Path()));
    EXPECT_FALSE(list.changed);
    EXPECT_EQ(dir.Get(kCalendarMarkFileName).size(), 12u);

    CalendarMarkList again;
    again.Load(dir.Path());
    EXPECT_EQ(again.Marks(), list.Marks());

    again.DeleteCalendarMarkAt(17003);
    ASSERT_TRUE(again.Save(dir.Path()));
    EXPECT_FALSE(dir.Exists(kCalendarMarkFileName));
    EXPECT_TRUE(again.Save(dir.Path()));  // nothing to delete is no error

    list.changed = true;
    EXPECT_FALSE(list.Save(dir.File("missing")));
    EXPECT_TRUE(list.changed);  // still to be saved
}

TEST(CalendarMarks, APipeInPlaceOfTheFileLoadsNothing) {
    TempFolder dir;
    ASSERT_EQ(::mkfifo(dir.File(kCalendarMarkFileName).c_str(), 0600), 0);
    CalendarMarkList list;
    list.Load(dir.Path());  // must not wait for a writer
    EXPECT_TRUE(list.Marks().empty());
}

TEST(CalendarMarks, GiantFileIsNeverOverwrittenByAPartialList) {
    TempFolder dir;
    std::string giant;
    for (std::size_t i = 0; i <= (16u << 20) / 12; ++i) giant += FormatCalendarMarks({{17000, 17007, 1}});
    dir.Put(kCalendarMarkFileName, giant);
    CalendarMarkList list;
    list.Load(dir.Path());
    EXPECT_EQ(list.Marks().size(), (16u << 20) / 12);
    list.SaveMarkEntry(1, 2, 3);
    EXPECT_FALSE(list.Save(dir.Path()));
    EXPECT_EQ(dir.Get(kCalendarMarkFileName).size(), giant.size());
}

}  // namespace
}  // namespace sk
