#include <gtest/gtest.h>

#include "accounting/AccountMemory.h"
#include "accounting/VacationWindowModel.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

std::string VacationBytes(DayNumber start, std::int32_t days) { return FormatVacationDays({start, days}); }

TEST(VacationWindowModel, OpeningShowsTheCountOfTheCurrentYear) {
    const struct {
        const char* what;
        bool withFile;
        DayNumber fileStart;
        std::int32_t fileDays;
        DayNumber shownStart;
        const char* shownDays;
    } cases[] = {
        {"no file: the count starts on 1 January with nothing", false, 0, 0, DayNumberOf(2024, 1, 1), ""},
        {"last year's count starts again", true, DayNumberOf(2023, 6, 1), 12, DayNumberOf(2024, 1, 1), ""},
        {"this year's count as stored", true, DayNumberOf(2024, 3, 4), 12, DayNumberOf(2024, 3, 4), "12"},
        {"negative days", true, DayNumberOf(2024, 3, 4), -3, DayNumberOf(2024, 3, 4), "-3"},
        {"a start beyond the year is shown on its last day", true, DayNumberOf(2025, 2, 1), 5,
         DayNumberOf(2024, 12, 31), "5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        if (c.withFile) WriteFile(folder.Dir() + kVacationDaysFileName, VacationBytes(c.fileStart, c.fileDays));
        AccountFiles files;
        const VacationForm form = OpenVacationForm(folder.Dir(), files, 2024);
        EXPECT_EQ(form.countStart, c.shownStart);
        EXPECT_EQ(form.daysText, c.shownDays);
    }
}

TEST(VacationWindowModel, OpeningAfterTheYearChangeRewritesTheFileAtOnce) {
    TempFolder folder;
    WriteFile(folder.Dir() + kVacationDaysFileName, VacationBytes(DayNumberOf(2023, 6, 1), 12));
    AccountFiles files;
    OpenVacationForm(folder.Dir(), files, 2024);
    EXPECT_EQ(ReadFile(folder.Dir() + kVacationDaysFileName), VacationBytes(DayNumberOf(2024, 1, 1), 0));
}

TEST(VacationWindowModel, SavingLimitsAndWritesBothFiles) {
    const struct {
        const char* text;
        DayNumber start;
        std::int32_t storedDays;
        DayNumber storedStart;
    } cases[] = {
        {"25", DayNumberOf(2024, 5, 2), 25, DayNumberOf(2024, 5, 2)},
        {"75", DayNumberOf(2024, 5, 2), 60, DayNumberOf(2024, 5, 2)},
        {"-75", DayNumberOf(2024, 5, 2), -60, DayNumberOf(2024, 5, 2)},
        {"", DayNumberOf(2024, 1, 1), 0, DayNumberOf(2024, 1, 1)},
        {"-", DayNumberOf(2024, 1, 1), 0, DayNumberOf(2024, 1, 1)},
        {"12", DayNumberOf(2023, 12, 31), 12, DayNumberOf(2024, 1, 1)},
        {"12", DayNumberOf(2025, 1, 1), 12, DayNumberOf(2024, 12, 31)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TempFolder folder;
        AccountFiles files;
        files.hours = HoursRecord{DayNumberOf(2024, 2, 1), 7.5f, 0, 3, true};
        ASSERT_TRUE(SaveVacationForm(folder.Dir(), files, VacationForm{c.start, c.text, 3}, 2024));
        EXPECT_EQ(ReadFile(folder.Dir() + kVacationDaysFileName), VacationBytes(c.storedStart, c.storedDays));
        // The home crew chosen in the window is stored with the hours record.
        EXPECT_EQ(ReadFile(folder.Dir() + kHoursFileName), FormatHoursRecord(files.hours));
        AccountFiles reread;
        OpenVacationForm(folder.Dir(), reread, 2024);
        EXPECT_EQ(reread.vacation, (VacationDays{c.storedStart, c.storedDays}));
        EXPECT_EQ(reread.hours.homeCrew, 3);
    }
}

TEST(VacationWindowModel, OnlySpeichernChangesTheHomeCrewInMemory) {
    TempFolder folder;
    AccountFiles files;
    files.hours.homeCrew = 1;
    VacationForm form = OpenVacationForm(folder.Dir(), files, 2024);
    form.homeCrew = 4;  // chosen, then "Abbruch": the form is dropped
    EXPECT_EQ(files.hours.homeCrew, 1);
    ASSERT_TRUE(SaveVacationForm(folder.Dir(), files, form, 2024));
    EXPECT_EQ(files.hours.homeCrew, 4);
}

TEST(VacationWindowModel, AFailedWriteIsReported) {
    AccountFiles files;
    EXPECT_FALSE(SaveVacationForm("/nonexistent-folder-of-the-test/", files, VacationForm{DayNumberOf(2024, 1, 1), "3"},
                                  2024));
}

TEST(VacationWindowModel, AnotherUserStartsWithoutThePreviousUsersRecords) {
    TempFolder anna, bernd;
    const HoursRecord annasHours{DayNumberOf(2024, 1, 1), 35.5f, 1, 3, true};
    WriteFile(anna.Dir() + kHoursFileName, FormatHoursRecord(annasHours));
    WriteFile(anna.Dir() + kVacationDaysFileName, VacationBytes(DayNumberOf(2024, 2, 1), 20));
    AccountMemory memory;
    OpenVacationForm(anna.Dir(), memory.For(anna.Dir()), 2024);
    EXPECT_EQ(memory.For(anna.Dir()).hours, annasHours);

    // Bernd has no files yet: nothing of Anna's shows or is saved for him.
    AccountFiles& bernds = memory.For(bernd.Dir());
    const VacationForm form = OpenVacationForm(bernd.Dir(), bernds, 2024);
    EXPECT_EQ(form.daysText, "");
    EXPECT_EQ(bernds.hours, HoursRecord{});
    ASSERT_TRUE(SaveVacationForm(bernd.Dir(), bernds, form, 2024));
    EXPECT_EQ(ReadFile(bernd.Dir() + kHoursFileName), FormatHoursRecord(HoursRecord{}));
    // Anna's files are untouched and read again when she comes back.
    OpenVacationForm(anna.Dir(), memory.For(anna.Dir()), 2024);
    EXPECT_EQ(memory.For(anna.Dir()).hours, annasHours);
}

}  // namespace
}  // namespace sk
