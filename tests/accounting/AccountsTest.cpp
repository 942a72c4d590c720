#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "accounting/AccountCommon.h"
#include "accounting/HoursAccount.h"
#include "accounting/RemainingVacation.h"
#include "base/FileIO.h"
#include "common/TempFolder.h"
#include "shift/ShiftComputation.h"

namespace sk {
namespace {

namespace fs = std::filesystem;

using TempDir = testing::TempFolder;

void Write(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

DayNumber Day(int y, int m, int d) { return DayNumberOf(y, m, d); }

// Defaults: earliest start 25 April, no rotation.
VacationBlock Block2024() { return ComputeVacationBlock(2024, 4, 25, MakeDefaultVacationOrderTables()); }

TEST(Accounts, CountedHolidaysByShiftColumn) {
    const struct {
        int y, m, d;
        bool level1, level2, level3, level4;
    } cases[] = {
        {2024, 1, 6, true, true, true, true},      {2024, 8, 15, true, true, true, true},
        {2024, 10, 3, true, true, true, true},     {2024, 12, 24, false, false, true, true},
        {2024, 12, 31, false, false, true, true},  {2024, 4, 30, false, false, false, true},
        {2024, 11, 1, false, false, false, false},  // All Saints is not counted
        {2024, 3, 29, true, true, true, true},     // Good Friday
        {2024, 3, 30, false, false, true, true},   // Holy Saturday
        {2024, 3, 31, true, true, true, true},     // Easter Sunday
        {2024, 4, 1, true, true, true, true},      // Easter Monday
        {2024, 5, 9, true, true, true, true},      // Ascension
        {2024, 5, 18, false, false, false, true},  // Whit Saturday
        {2024, 5, 19, true, true, true, true},     // Whit Sunday
        {2024, 5, 20, true, true, true, true},     // Whit Monday
        {2024, 5, 30, true, true, true, true},     // Corpus Christi
        {2024, 5, 31, false, false, false, false},
        {2037, 4, 5, true, true, true, true},      // Easter Sunday 2037
        {1970, 3, 27, true, true, true, true},     // Good Friday 1970
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.y * 10000 + c.m * 100 + c.d);
        const DayNumber d = Day(c.y, c.m, c.d);
        EXPECT_FALSE(IsCountedHoliday(d, 0));
        EXPECT_EQ(IsCountedHoliday(d, 1), c.level1);
        EXPECT_EQ(IsCountedHoliday(d, 2), c.level2);
        EXPECT_EQ(IsCountedHoliday(d, 3), c.level3);
        EXPECT_EQ(IsCountedHoliday(d, 4), c.level4);
    }
    // Any day number is safe.
    IsCountedHoliday(INT32_MIN, 4);
    IsCountedHoliday(INT32_MAX, 4);
}

TEST(Accounts, VacationDaysFile) {
    VacationDays days{Day(2026, 3, 1), -7};
    EXPECT_EQ(FormatVacationDays(days), std::string("\x21\x50\x00\x00\xf9\xff\xff\xff", 8));
    const struct {
        const char* name;
        std::string bytes;
        bool found;
        VacationDays result;
    } cases[] = {
        {"one record", FormatVacationDays({20000, 12}), true, {20000, 12}},
        {"last complete record wins",
         FormatVacationDays({1, 2}) + FormatVacationDays({3, 4}) + std::string("\x09\x09\x09", 3), true, {3, 4}},
        {"short file changes nothing", std::string("\x01\x02\x03", 3), false, {5, 6}},
        {"empty file changes nothing", "", false, {5, 6}},
        {"damaged days held to the window's range", FormatVacationDays({7, 1000}), true, {7, 60}},
        {"... also below", FormatVacationDays({7, INT32_MIN}), true, {7, -60}},
        {"a day outside the calendar leaves the record before in force",
         FormatVacationDays({3, 4}) + FormatVacationDays({kLastDay + 1, 9}), true, {3, 4}},
        {"... and without one changes nothing", FormatVacationDays({-1, 9}), false, {5, 6}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        VacationDays v{5, 6};
        EXPECT_EQ(ParseVacationDays(c.bytes, v), c.found);
        EXPECT_EQ(v, c.result);
    }
}

TEST(Accounts, NewYearRuleResetsAndSavesAtOnce) {
    TempDir dir;
    VacationDays days{0, 0};
    // No file: starts at 1 January with 0, nothing to tell.
    EXPECT_FALSE(LoadVacationDays(dir.Dir(), days, 2026));
    EXPECT_EQ(days, (VacationDays{Day(2026, 1, 1), 0}));
    EXPECT_EQ(ReadFileBytes(dir.Dir() + kVacationDaysFileName).value_or(""), FormatVacationDays(days));

    // Last year's record: reset, and what it held is handed on once.
    Write(dir.Dir() + kVacationDaysFileName, FormatVacationDays({Day(2025, 12, 31), 14}));
    EXPECT_EQ(LoadVacationDays(dir.Dir(), days, 2026), (VacationDays{Day(2025, 12, 31), 14}));
    EXPECT_EQ(days, (VacationDays{Day(2026, 1, 1), 0}));
    EXPECT_FALSE(LoadVacationDays(dir.Dir(), days, 2026));

    Write(dir.Dir() + kVacationDaysFileName, FormatVacationDays({Day(2026, 1, 1), 14}));
    EXPECT_FALSE(LoadVacationDays(dir.Dir(), days, 2026));
    EXPECT_EQ(days, (VacationDays{Day(2026, 1, 1), 14}));
    EXPECT_TRUE(SaveVacationDays(dir.Dir(), {Day(2026, 6, 1), 3}));
    LoadVacationDays(dir.Dir(), days, 2026);
    EXPECT_EQ(days, (VacationDays{Day(2026, 6, 1), 3}));
    // A folder that cannot take the file leaves the values and reports it.
    EXPECT_FALSE(SaveVacationDays(dir.Dir() + "fehlt/", {1, 1}));
}

// 2 January 2024, plan type 1: Rot night, Blau early, Gelb off, Grün late,
// Braun standby; 2024-05-02 lies in Rot's vacation block.
TEST(Accounts, VacationMarksThatCount) {
    const VacationBlock block = Block2024();
    const DayNumber jan2 = Day(2024, 1, 2);
    const auto t = ComputeCrewShifts(1, jan2, &block).table;
    ASSERT_EQ(t.Code(0), 3);
    ASSERT_EQ(t.Code(2), 4);
    ASSERT_EQ(t.Code(4), 0);
    const auto may1 = ComputeCrewShifts(1, Day(2024, 5, 1), &block).table;
    ASSERT_EQ(may1.Code(2), 1);  // Gelb takes over Rot's early shift
    ASSERT_EQ(ComputeCrewShifts(1, Day(2024, 12, 24), &block).table.Code(0), 1);

    const VacationDays fromNewYear{Day(2024, 1, 1), 30};
    const struct {
        const char* name;
        ShiftMark mark;
        int homeCrew;
        VacationDays days;
        int counted;
    } cases[] = {
        {"working day", {jan2, 4, 2}, 0, fromNewYear, 1},
        {"other codes do not count", {jan2, 4, 4}, 0, fromNewYear, 0},
        {"home crew off", {jan2, 4, 2}, 2, fromNewYear, 0},
        {"home crew on standby", {jan2, 4, 2}, 4, fromNewYear, 0},
        {"before the count start", {jan2, 4, 2}, 0, {Day(2024, 1, 3), 30}, 0},
        {"on the count start", {jan2, 4, 2}, 0, {jan2, 30}, 1},
        {"previous year", {Day(2023, 12, 29), 2, 2}, 0, {Day(2023, 1, 1), 30}, 0},
        {"home crew in its vacation block", {Day(2024, 5, 2), 2, 2}, 0, fromNewYear, 0},
        {"1 May on an early shift", {Day(2024, 5, 1), 2, 2}, 2, fromNewYear, 0},
        {"24 December early column", {Day(2024, 12, 24), 2, 2}, 0, fromNewYear, 1},
        {"24 December late column", {Day(2024, 12, 24), 3, 2}, 0, fromNewYear, 0},
        {"home crew number out of range reads crew 0", {jan2, 4, 2}, 9, fromNewYear, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CountVacationMarks({c.mark}, 1, c.days, c.homeCrew, 2024, block), c.counted);
    }
    EXPECT_EQ(RemainingVacationText({0, 30}, 2), " 28");
    EXPECT_EQ(RemainingVacationText({0, 3}, 5), " -2");
    EXPECT_EQ(RemainingVacationText({0, 0}, 0), "  0");
    EXPECT_EQ(RemainingVacationText({0, -60}, 45), "-105");
    EXPECT_EQ(RemainingVacationText({0, INT32_MIN}, 1), "-2147483649");
}

TEST(Accounts, VacationDaysField) {
    const struct {
        const char* typed;
        const char* shown;
        std::int32_t stored;
    } cases[] = {{"75", "60", 60}, {"60", "60", 60}, {"-61", "-60", -60}, {"-", "-", 0},
                 {"12", "12", 12}, {"", "", 0},      {"x1", "x1", 0},     {"99999999999999999999", "60", 60}};
    for (const auto& c : cases) {
        EXPECT_EQ(LimitVacationDaysField(c.typed), c.shown) << c.typed;
        EXPECT_EQ(ParseVacationDaysField(c.typed), c.stored) << c.typed;
    }
    EXPECT_EQ(VacationDaysFieldText(0), "");
    EXPECT_EQ(VacationDaysFieldText(-4), "-4");
    EXPECT_EQ(LimitToYear(Day(2025, 12, 31), 2026), Day(2026, 1, 1));
    EXPECT_EQ(LimitToYear(Day(2027, 1, 1), 2026), Day(2026, 12, 31));
    EXPECT_EQ(LimitToYear(Day(2026, 7, 7), 2026), Day(2026, 7, 7));
}

TEST(Accounts, HoursFile) {
    HoursRecord r{Day(2024, 1, 1), 7.30f, 1, 3, true};
    const std::string bytes = FormatHoursRecord(r);
    ASSERT_EQ(bytes.size(), 11u);
    float f = 0;
    std::memcpy(&f, bytes.data() + 4, 4);
    EXPECT_EQ(f, 7.30f);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x0b\x4d\x00\x00", 4));
    EXPECT_EQ(bytes.substr(8), std::string("\x01\x03\x01", 3));
    const struct {
        const char* name;
        std::string bytes;
        bool found;
        HoursRecord result;
    } cases[] = {
        {"round trip", bytes, true, r},
        {"last complete record wins, partial ignored",
         FormatHoursRecord({1, 2.0f, 0, 1, false}) + bytes + "\x01\x02", true, r},
        {"short file changes nothing", "1234567890", false, HoursRecord{}},
        {"out-of-range bytes are brought back",
         FormatHoursRecord({5, 1e9f, 7, 200, false}).replace(10, 1, "\x05"), true, {5, 600.0f, 0, 0, true}},
        {"a day outside the calendar leaves the record before in force",
         bytes + FormatHoursRecord({INT32_MAX, 1.0f, 0, 1, false}), true, r},
        {"... and without one changes nothing", FormatHoursRecord({kFirstDay - 1, 1.0f, 0, 1, false}), false,
         HoursRecord{}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HoursRecord out;
        EXPECT_EQ(ParseHoursRecord(c.bytes, out), c.found);
        EXPECT_EQ(out, c.result);
    }
    std::string nan = bytes;
    nan.replace(4, 4, std::string("\x00\x00\xc0\x7f", 4));
    HoursRecord out;
    ASSERT_TRUE(ParseHoursRecord(nan, out));
    EXPECT_EQ(out.hoursAtStart, 0.0f);

    TempDir dir;
    HoursRecord loaded{9, 9.0f, 0, 4, false};
    LoadHours(dir.Dir(), loaded);  // missing file: unchanged
    EXPECT_EQ(loaded, (HoursRecord{9, 9.0f, 0, 4, false}));
    ASSERT_TRUE(SaveHours(dir.Dir(), r));
    LoadHours(dir.Dir(), loaded);
    EXPECT_EQ(loaded, r);
}

// 7 January 2024 is a Sunday: Rot off, Blau night. 2 January: Gelb off.
TEST(Accounts, HoursOfMarks) {
    const VacationBlock block = Block2024();
    const DayNumber sun = Day(2024, 1, 7);
    const DayNumber easter = Day(2024, 3, 31);
    ASSERT_EQ(ComputeCrewShifts(1, sun, &block).table.Code(0), 4);
    ASSERT_EQ(ComputeCrewShifts(1, sun, &block).table.Code(1), 3);
    ASSERT_EQ(ComputeCrewShifts(1, easter, &block).table.Code(1), 1);
    const struct {
        const char* name;
        ShiftMark mark;
        int homeCrew;
        DayNumber hoursStart;
        int plus, timeOff;
    } cases[] = {
        {"X on an off Sunday", {sun, 1, 0}, 0, 0, 12, 0},
        {"training on an off weekday", {Day(2024, 1, 2), 1, 3}, 2, 0, 8, 0},
        {"X on a working day", {sun, 1, 0}, 1, 0, 0, 0},
        {"X before the hours start", {sun, 1, 0}, 0, sun + 1, 0, 0},
        {"X on the hours start", {sun, 1, 0}, 0, sun, 12, 0},
        {"F on a working Sunday", {sun, 4, 1}, 1, 0, 0, 12},
        {"F on an off day", {sun, 4, 1}, 0, 0, 0, 0},
        {"F on Easter Sunday", {easter, 2, 1}, 1, 0, 0, 0},
        {"F on the hours start", {sun, 4, 1}, 1, sun, 0, 12},
        {"F before the hours start", {sun, 4, 1}, 1, sun + 1, 0, 0},
        {"sickness counts nothing", {sun, 4, 4}, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HoursCountInput in;
        in.calendarType = 1;
        in.block = &block;
        in.hours.hoursCountStart = c.hoursStart;
        in.hours.homeCrew = c.homeCrew;
        EXPECT_EQ(HoursOfExtraWork({c.mark}, in), c.plus);
        EXPECT_EQ(HoursOfTimeOff({c.mark}, in), c.timeOff);
        EXPECT_EQ(HoursBalance({c.mark}, in), static_cast<float>(c.plus - c.timeOff));
    }
}

// Rot's block 0 runs 29 April to 26 May 2024: 13 days it would have worked
// and 4 standby days Tuesday to Friday show code 0; 1 May and Whit Monday
// are holidays; 12 May is a Sunday: 14 x 8 + 12 hours.
TEST(Accounts, HoursOfTheVacationBlock) {
    const VacationBlock block = Block2024();
    HoursCountInput in;
    in.calendarType = 1;
    in.block = &block;
    in.hours.homeCrew = 0;
    EXPECT_EQ(HoursOfVacationBlock(in), 0);
    in.hours.vacationBlockAsMinus = true;
    EXPECT_EQ(HoursOfVacationBlock(in), 124);
    in.hours.hoursAtStart = 100.5f;
    EXPECT_EQ(HoursBalance({}, in), 100.5f - 124.0f);
}

// An "X" on a day of Rot's 2026 vacation block counts as the calendar paints
// that day, whether the balance is shown in 2026 or after New Year.
TEST(Accounts, HoursMarksKeepTheirValueAcrossNewYear) {
    const VacationOrderTables tables = MakeDefaultVacationOrderTables();
    const std::vector<ShiftMark> marks{{Day(2026, 8, 20), 1, kMarkExtraWork}};
    for (int calendarType : {0, 1}) {
        std::vector<float> balances;
        for (int currentYear : {2026, 2027}) {
            const VacationBlock block = ComputeVacationBlock(currentYear, 4, 25, tables);
            HoursCountInput in;
            in.calendarType = calendarType;
            in.block = &block;
            in.blockOfYear = [&](int year) { return ComputeVacationBlock(year, 4, 25, tables); };
            in.hours.homeCrew = 0;  // Rot
            balances.push_back(HoursBalance(marks, in));
        }
        EXPECT_EQ(balances[0], 8.0f) << "type " << calendarType;
        EXPECT_EQ(balances[1], balances[0]) << "type " << calendarType;
    }
}

TEST(Accounts, HoursTexts) {
    const struct {
        float value;
        int format;
        const char* text;
        std::int32_t colour;
    } cases[] = {
        {15.30f, 1, "  15:30", 0},      {-40.0f, 0, " -40,00", 0},     {-40.01f, 0, " -40,01", 160},
        {40.01f, 0, "  40,01", 40960},  {0.0f, 0, "   0,00", 0},       {-600.0f, 1, "-600:00", 160},
        {1234.5f, 0, "1234,50", 40960}, {7.004f, 2, "   7.00", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HoursBalanceText(c.value, c.format), c.text) << c.value;
        EXPECT_EQ(HoursBalanceColour(c.value), c.colour) << c.value;
    }
    // 7:30 at the start and one X on a weekday off: "  15:30".
    const VacationBlock block = Block2024();
    HoursCountInput in;
    in.calendarType = 1;
    in.block = &block;
    in.hours = {0, 7.30f, 1, 2, false};
    EXPECT_EQ(HoursBalanceText(HoursBalance({{Day(2024, 1, 2), 1, 0}}, in), 1), "  15:30");
    // Across zero the minutes stay minutes: -0:15 + 8 h is 7:45, and
    // 7:30 - 124 h (Rot's vacation block counted as minus) is -116:30.
    in.hours = {0, -0.15f, 1, 2, false};
    EXPECT_EQ(HoursBalanceText(HoursBalance({{Day(2024, 1, 2), 1, 0}}, in), 1), "   7:45");
    in.hours = {0, 7.30f, 1, 0, true};
    EXPECT_EQ(HoursBalanceText(HoursBalance({}, in), 1), "-116:30");
    in.hours.hoursFormat = 0;
    in.hours.hoursAtStart = 7.5f;
    EXPECT_EQ(HoursBalanceText(HoursBalance({}, in), 0), "-116,50");
}

TEST(Accounts, HoursFieldConversions) {
    const struct {
        const char* field;
        const char* minutes;
        const char* decimal;
        float stored;
    } cases[] = {
        {"7,5", "7:30", "7,83", 7.5f},     {"7.5", "7:30", "7,83", 7.5f},   {"7:30", "7:18", "7,50", 7.30f},
        {"-7,5", "-7:30", "-7,83", -7.5f}, {"0:45", "0:27", "0,75", 0.45f}, {"12", "12:00", "12,00", 12.0f},
        {"700", "700:00", "700,00", 600.0f}, {"-1000", "-1000:00", "-1000,00", -600.0f},
        {"", "", "", 0.0f},                {"abc", "abc", "abc", 0.0f},     {"1,2,3", "1,2,3", "1,2,3", 0.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(ConvertToMinutesNotation(c.field), c.minutes);
        EXPECT_EQ(ConvertToDecimalNotation(c.field), c.decimal);
        EXPECT_EQ(ParseBalanceField(c.field), c.stored);
    }
    EXPECT_EQ(HoursFieldText(0.0f, 1), "");
    EXPECT_EQ(HoursFieldText(7.3f, 1), "7:30");
    EXPECT_EQ(HoursFieldText(-2.25f, 0), "-2,25");
}

TEST(Accounts, StatusFieldsFromTheFiles) {
    TempDir dir;
    Write(dir.Dir() + kVacationDaysFileName, FormatVacationDays({Day(2024, 1, 1), 30}));
    Write(dir.Dir() + kHoursFileName, FormatHoursRecord({Day(2024, 1, 1), -45.0f, 0, 0, false}));
    const std::vector<ShiftMark> marks = {{Day(2024, 1, 2), 4, 2}, {Day(2024, 1, 7), 1, 0}};
    AccountFiles files;
    const auto tables = MakeDefaultVacationOrderTables();
    AccountStatus s = ComputeAccountStatus(dir.Dir(), files, marks, 1, 2024, 4, 25, tables);
    EXPECT_EQ(s.remainingVacation, " 29");
    EXPECT_EQ(s.hoursBalance, " -33,00");
    EXPECT_EQ(s.hoursColour, 0);
    // The four-crew plans show nothing.
    s = ComputeAccountStatus(dir.Dir(), files, marks, 6, 2024, 4, 25, tables);
    EXPECT_EQ(s.remainingVacation, "");
    EXPECT_EQ(s.hoursBalance, "");
    EXPECT_EQ(s.newYearText, "");
    // A year later the count starts again at 0, and the person is told once,
    // with last year's remaining days (30 less the mark on 2 January).
    s = ComputeAccountStatus(dir.Dir(), files, marks, 1, 2025, 4, 25, tables);
    EXPECT_EQ(s.remainingVacation, "  0");
    EXPECT_EQ(s.newYearText, NewYearVacationText(2025, 2024, 29));
    EXPECT_NE(s.newYearText.find("Ende 2024 waren es noch 29 Tage Resturlaub."), std::string::npos) << s.newYearText;
    EXPECT_NE(s.newYearText.find("„Urlaub eingeben“"), std::string::npos);
    s = ComputeAccountStatus(dir.Dir(), files, marks, 1, 2025, 4, 25, tables);
    EXPECT_EQ(s.newYearText, "");
}

}  // namespace
}  // namespace sk
