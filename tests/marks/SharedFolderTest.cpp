// Several instances on one shared data folder: every save merges with what
// the others wrote, so no mark entered anywhere is lost.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/TempFolder.h"
#include "marks/CalendarMarks.h"
#include "marks/ShiftMarks.h"

namespace sk {
namespace {

using testing::TempFolder;
using Shift = std::vector<ShiftMark>;
using Cal = std::vector<CalendarMark>;

TEST(SharedMarks, ShiftMergeKeepsTheOtherInstancesChanges) {
    const Shift base = {{10, 1, 1}, {20, 2, 2}, {30, 3, 3}};
    struct Case {
        const char* what;
        Shift mine, theirs, merged;
    } cases[] = {
        {"both add", {{10, 1, 1}, {20, 2, 2}, {30, 3, 3}, {40, 1, 4}}, {{5, 4, 4}, {10, 1, 1}, {20, 2, 2}, {30, 3, 3}},
         {{5, 4, 4}, {10, 1, 1}, {20, 2, 2}, {30, 3, 3}, {40, 1, 4}}},
        {"I remove, they add", {{10, 1, 1}, {30, 3, 3}}, {{10, 1, 1}, {20, 2, 2}, {30, 3, 3}, {50, 1, 1}},
         {{10, 1, 1}, {30, 3, 3}, {50, 1, 1}}},
        {"they remove, I change another", {{10, 1, 5}, {20, 2, 2}, {30, 3, 3}}, {{20, 2, 2}, {30, 3, 3}},
         {{10, 1, 5}, {20, 2, 2}, {30, 3, 3}}},
        {"same day: mine is later", {{10, 1, 1}, {20, 4, 7}, {30, 3, 3}}, {{10, 1, 1}, {20, 1, 1}, {30, 3, 3}},
         {{10, 1, 1}, {20, 4, 7}, {30, 3, 3}}},
        {"I did nothing", base, {{30, 3, 3}}, {{30, 3, 3}}},
    };
    for (const auto& c : cases) EXPECT_EQ(MergeShiftMarks(base, c.mine, c.theirs), c.merged) << c.what;
}

TEST(SharedMarks, CalendarMergeKeepsTheOtherInstancesChanges) {
    const CalendarMark a{10, 15, 1}, b{30, 35, 2};
    const Cal base = {a, b};
    struct Case {
        const char* what;
        Cal mine, theirs, merged;
    } cases[] = {
        {"both add", {a, b, {50, 51, 3}}, {{1, 2, 4}, a, b}, {{1, 2, 4}, a, b, {50, 51, 3}}},
        {"I remove, they add", {b}, {a, b, {40, 41, 5}}, {b, {40, 41, 5}}},
        {"both move the same mark: mine is later", {{11, 16, 1}, b}, {{12, 18, 1}, b}, {{11, 16, 1}, b}},
        {"they remove", base, {b}, {b}},
    };
    for (const auto& c : cases) EXPECT_EQ(MergeCalendarMarks(base, c.mine, c.theirs), c.merged) << c.what;
}

// One instance: loads once, then saves after each entered mark, as the
// mark windows do.
void EnterMarksAsAnInstance(const std::string& folder, DayNumber firstDay, int count) {
    ShiftMarkList shift;
    CalendarMarkList calendar;
    shift.Load(folder);
    calendar.Load(folder);
    for (int i = 0; i < count; ++i) {
        const DayNumber d = firstDay + 2 * i;
        shift.ApplyChoice(6, d, 1 + i % 4, 1 + i % 7);
        if (!shift.Save(folder)) _exit(2);
        calendar.SaveMarkEntry(d, d, static_cast<std::uint32_t>(0x100 + i));
        if (!calendar.Save(folder)) _exit(3);
    }
}

TEST(SharedMarks, TwoProcessesOnOneFolderLoseNoMark) {
    TempFolder dir;
    constexpr int kPerInstance = 60;
    const DayNumber start = DayNumberOf(2026, 1, 1);
    std::vector<pid_t> children;
    for (int instance = 0; instance < 2; ++instance) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            EnterMarksAsAnInstance(dir.Path(), start + instance, kPerInstance);  // even and odd days
            _exit(0);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    ShiftMarkList shift;
    CalendarMarkList calendar;
    shift.Load(dir.Path());
    calendar.Load(dir.Path());
    EXPECT_EQ(shift.Marks().size(), 2u * kPerInstance);
    EXPECT_EQ(calendar.Marks().size(), 2u * kPerInstance);
    for (int i = 0; i < 2 * kPerInstance; ++i) {
        EXPECT_NE(shift.ShiftMarkOfDay(start + i), nullptr) << i;
        EXPECT_NE(calendar.MarkColourOfDay(start + i), 0u) << i;
    }
}

TEST(SharedMarks, AnotherInstancesSaveShowsAtTheNextCheck) {
    TempFolder dir;
    ShiftMarkList mine, theirs;
    mine.Load(dir.Path());
    theirs.Load(dir.Path());
    EXPECT_FALSE(mine.ReloadIfChanged(dir.Path()));
    theirs.ApplyChoice(6, 100, 2, 3);
    ASSERT_TRUE(theirs.Save(dir.Path()));
    EXPECT_FALSE(theirs.ReloadIfChanged(dir.Path()));  // its own write is known
    // An unsaved change of mine survives the re-read.
    mine.ApplyChoice(6, 200, 1, 1);
    ASSERT_TRUE(mine.ReloadIfChanged(dir.Path()));
    ASSERT_NE(mine.ShiftMarkOfDay(100), nullptr);
    ASSERT_NE(mine.ShiftMarkOfDay(200), nullptr);
    EXPECT_TRUE(mine.changed);
    // Removing everything deletes the file; the other instance follows.
    ASSERT_TRUE(mine.DeleteShiftMarksUpTo(300, dir.Path()));
    EXPECT_FALSE(dir.Exists(kShiftMarkFileName));
    ASSERT_TRUE(theirs.ReloadIfChanged(dir.Path()));
    EXPECT_TRUE(theirs.Marks().empty());
}

}  // namespace
}  // namespace sk
