#include <gtest/gtest.h>

#include "accounting/HoursWindowModel.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

TEST(HoursWindowModel, OpeningShowsTheStoredBalanceInItsNotation) {
    const struct {
        float balance;
        int format;
        const char* shown;
    } cases[] = {
        {0.0f, 0, ""},         {0.0f, 1, ""},       {7.5f, 0, "7,50"},     {7.3f, 1, "7:30"},
        {-12.25f, 0, "-12,25"}, {600.0f, 1, "600:00"}, {-0.5f, 0, "-0,50"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        TempFolder folder;
        const HoursRecord stored{DayNumberOf(2024, 2, 1), c.balance, c.format, 2, false};
        WriteFile(folder.Dir() + kHoursFileName, FormatHoursRecord(stored));
        HoursRecord memory;
        const HoursForm form = OpenHoursForm(folder.Dir(), memory);
        EXPECT_EQ(form.hoursText, c.shown);
        EXPECT_EQ(form.notation, c.format);
        EXPECT_EQ(form.countStart, DayNumberOf(2024, 2, 1));
        EXPECT_EQ(memory, stored);
    }
}

TEST(HoursWindowModel, WithoutAFileTheValuesInMemoryStay) {
    TempFolder folder;
    HoursRecord memory{DayNumberOf(2024, 3, 1), 4.5f, 1, 4, true};
    const HoursForm form = OpenHoursForm(folder.Dir(), memory);
    EXPECT_EQ(memory, (HoursRecord{DayNumberOf(2024, 3, 1), 4.5f, 1, 4, true}));
    EXPECT_EQ(form.hoursText, "4:50");
}

TEST(HoursWindowModel, SwitchingTheNotationConvertsTheField) {
    const struct {
        const char* before;
        int from, to;
        const char* after;
    } cases[] = {
        {"7,5", kDecimalNotation, kMinutesNotation, "7:30"},
        {"7.25", kDecimalNotation, kMinutesNotation, "7:15"},
        {"-1,75", kDecimalNotation, kMinutesNotation, "-1:45"},
        {"12", kDecimalNotation, kMinutesNotation, "12:00"},
        {"7:30", kMinutesNotation, kDecimalNotation, "7,50"},
        {"-8:45", kMinutesNotation, kDecimalNotation, "-8,75"},
        {"0:06", kMinutesNotation, kDecimalNotation, "0,10"},
        {"", kDecimalNotation, kMinutesNotation, ""},
        {"viel", kMinutesNotation, kDecimalNotation, "viel"},
        // The notation already shown chosen again: the text is left alone.
        {"7,5", kDecimalNotation, kDecimalNotation, "7,5"},
        {"7:30", kMinutesNotation, kMinutesNotation, "7:30"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " -> " + c.after);
        HoursForm form{0, c.before, c.from};
        ChooseNotation(form, c.to);
        EXPECT_EQ(form.hoursText, c.after);
        EXPECT_EQ(form.notation, c.to);
    }
}

TEST(HoursWindowModel, SavingStoresTheFieldAsTyped) {
    const struct {
        const char* text;
        int notation;
        float stored;
    } cases[] = {
        {"7:30", kMinutesNotation, 7.30f},  // minutes are not converted: 7:30 is kept as 7.30
        {"7,5", kDecimalNotation, 7.5f},
        {"-12,25", kDecimalNotation, -12.25f},
        {"700", kDecimalNotation, 600.0f},
        {"-700:00", kMinutesNotation, -600.0f},
        {"", kDecimalNotation, 0.0f},
        {"abc", kMinutesNotation, 0.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TempFolder folder;
        HoursRecord record{0, 1.0f, 0, 3, true};
        ASSERT_TRUE(SaveHoursForm(folder.Dir(), record, HoursForm{DayNumberOf(2024, 1, 15), c.text, c.notation, 3, true}));
        const HoursRecord expected{DayNumberOf(2024, 1, 15), c.stored, c.notation, 3, true};
        EXPECT_EQ(record, expected);
        EXPECT_EQ(ReadFile(folder.Dir() + kHoursFileName), FormatHoursRecord(expected));
    }
}

TEST(HoursWindowModel, AbbruchLeavesTheRecordAsItWasAndSpeichernStoresEveryChoice) {
    // Crew and vacation-block choice live in the form; a dropped form
    // ("Abbruch", Esc) changes nothing in memory that a later save could store.
    TempFolder folder;
    const HoursRecord stored{DayNumberOf(2024, 1, 1), 2.0f, 0, 0, false};
    WriteFile(folder.Dir() + kHoursFileName, FormatHoursRecord(stored));
    HoursRecord memory;
    HoursForm form = OpenHoursForm(folder.Dir(), memory);
    form.homeCrew = 4;
    form.vacationBlockAsMinus = true;
    EXPECT_EQ(memory, stored);
    form.homeCrew = 2;
    ASSERT_TRUE(SaveHoursForm(folder.Dir(), memory, form));
    HoursRecord reread;
    OpenHoursForm(folder.Dir(), reread);
    EXPECT_TRUE(reread.vacationBlockAsMinus);
    EXPECT_EQ(reread.homeCrew, 2);
    EXPECT_EQ(reread, memory);
}

TEST(HoursWindowModel, AFailedWriteIsReported) {
    HoursRecord record;
    EXPECT_FALSE(SaveHoursForm("/nonexistent-folder-of-the-test/", record, HoursForm{0, "1", kDecimalNotation}));
}

}  // namespace
}  // namespace sk
