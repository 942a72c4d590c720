// The reminder rules: when each kind is due, what it says, once only,
// missed while the machine was off, and the nights the clocks change.

#include <gtest/gtest.h>

#include "remind/LocalClock.h"
#include "remind/ReminderRules.h"

namespace sk {
namespace {

DateValue Berlin(int y, int m, int d, int h, int min) { return BerlinInstantOf(DayNumberOf(y, m, d), h * 60 + min); }

TEST(LocalClock, InstantsAroundTheChanges) {
    struct Case {
        int y, m, d, h, min;
        DateValue utc;
    } cases[] = {
        {2026, 12, 8, 20, 0, MakeDate(2026, 12, 8, 19)},   // winter: UTC+1
        {2026, 7, 1, 6, 0, MakeDate(2026, 7, 1, 4)},       // summer: UTC+2
        {2026, 3, 29, 1, 59, MakeDate(2026, 3, 29, 0, 59)},
        {2026, 3, 29, 2, 30, MakeDate(2026, 3, 29, 1, 30)},  // skipped: shown as 03:30
        {2026, 3, 29, 3, 0, MakeDate(2026, 3, 29, 1)},
        {2026, 10, 25, 2, 30, MakeDate(2026, 10, 25, 0, 30)},  // doubled: the first
        {2026, 10, 25, 3, 0, MakeDate(2026, 10, 25, 2)},
        {1995, 9, 24, 12, 0, MakeDate(1995, 9, 24, 11)},  // end of September before 1996
        {1979, 7, 1, 12, 0, MakeDate(1979, 7, 1, 11)},    // no summer time yet
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Berlin(c.y, c.m, c.d, c.h, c.min), c.utc) << c.y << "-" << c.m << "-" << c.d << " " << c.h;
        if (!(c.m == 3 && c.h == 2)) {
            const LocalMoment back = BerlinMomentOf(c.utc);
            EXPECT_EQ(back.day, DayNumberOf(c.y, c.m, c.d));
            EXPECT_EQ(back.minute, c.h * 60 + c.min);
        }
    }
}

ShiftAppointment Shift(int y, int m, int d, int startMinute, const char* name, const char* times) {
    return ShiftAppointment{DayNumberOf(y, m, d), startMinute, name, times};
}

ReminderInput EarlyShiftOn9December(ReminderSettings s) {
    s.enabled = true;
    ReminderInput in;
    in.settings = s;
    in.crewText = "Schicht Blau";
    in.shifts = {Shift(2026, 12, 9, 6 * 60, "Frühschicht", "6.00 - 14.00 Uhr")};
    return in;
}

TEST(ReminderRules, WhenTheShiftReminderIsDueAndWhatItSays) {
    ReminderSettings two;
    two.beforeStartMinutes = 120;
    ReminderSettings noEvening;
    noEvening.eveningBefore = false;
    noEvening.beforeStartMinutes = 30;
    ReminderSettings off;
    off.eveningBefore = false;
    struct Case {
        const char* what;
        ReminderSettings settings;
        DateValue now;
        const char* title;  // nullptr: nothing due
        const char* key;
    } cases[] = {
        {"before the evening time", {}, Berlin(2026, 12, 8, 19, 59), nullptr, nullptr},
        {"at the evening time", {}, Berlin(2026, 12, 8, 20, 0), "Morgen Frühschicht 6.00 - 14.00 Uhr (Schicht Blau)",
         "2026-12-09 06:00 vortag"},
        {"missed while off, after midnight", {}, Berlin(2026, 12, 9, 5, 10),
         "Heute Frühschicht 6.00 - 14.00 Uhr (Schicht Blau)", "2026-12-09 06:00 vortag"},
        {"missed while off, shift begun", {}, Berlin(2026, 12, 9, 6, 0), nullptr, nullptr},
        {"two hours before, evening also open", two, Berlin(2026, 12, 9, 4, 0),
         "Heute Frühschicht 6.00 - 14.00 Uhr (Schicht Blau)", "2026-12-09 06:00 beginn"},
        {"only before the start, too early", noEvening, Berlin(2026, 12, 9, 5, 29), nullptr, nullptr},
        {"only before the start", noEvening, Berlin(2026, 12, 9, 5, 30),
         "Heute Frühschicht 6.00 - 14.00 Uhr (Schicht Blau)", "2026-12-09 06:00 beginn"},
        {"neither kind chosen", off, Berlin(2026, 12, 9, 5, 0), nullptr, nullptr},
    };
    for (const Case& c : cases) {
        const auto due = DueReminders(EarlyShiftOn9December(c.settings), c.now, {});
        if (!c.title) {
            EXPECT_TRUE(due.empty()) << c.what;
            continue;
        }
        ASSERT_EQ(due.size(), 1u) << c.what;
        EXPECT_EQ(due[0].title, c.title) << c.what;
        EXPECT_EQ(due[0].key, c.key) << c.what;
        EXPECT_EQ(due[0].body, "Mittwoch, 9. Dezember 2026") << c.what;
        EXPECT_EQ(due[0].day, DayNumberOf(2026, 12, 9)) << c.what;
    }
}

TEST(ReminderRules, OnceOnlyAndTheLaterReminderCoversTheEarlier) {
    ReminderSettings s;
    s.beforeStartMinutes = 60;
    const ReminderInput in = EarlyShiftOn9December(s);
    SentReminders sent;
    auto evening = DueReminders(in, Berlin(2026, 12, 8, 20, 0), sent);
    ASSERT_EQ(evening.size(), 1u);
    sent.Add(evening[0].key);
    EXPECT_TRUE(DueReminders(in, Berlin(2026, 12, 8, 23, 0), sent).empty());
    auto before = DueReminders(in, Berlin(2026, 12, 9, 5, 0), sent);
    ASSERT_EQ(before.size(), 1u);
    EXPECT_EQ(before[0].key, "2026-12-09 06:00 beginn");
    EXPECT_TRUE(before[0].covers.empty());
    sent.Add(before[0].key);
    EXPECT_TRUE(DueReminders(in, Berlin(2026, 12, 9, 5, 30), sent).empty());

    // Machine off all evening: one notification, remembered under both keys.
    auto late = DueReminders(in, Berlin(2026, 12, 9, 5, 15), {});
    ASSERT_EQ(late.size(), 1u);
    EXPECT_EQ(late[0].covers, std::vector<std::string>{"2026-12-09 06:00 vortag"});
}

TEST(ReminderRules, NightsTheClocksChange) {
    ReminderSettings s;
    s.enabled = true;
    s.eveningMinute = 2 * 60 + 30;  // a time the spring night skips
    ReminderInput in;
    in.settings = s;
    // Shifts on the day after each change night, reminded in that night.
    in.shifts = {Shift(2026, 3, 30, 22 * 60, "Nachtschicht", "22.00 - 6.00 Uhr"),
                 Shift(2026, 10, 26, 22 * 60, "Nachtschicht", "22.00 - 6.00 Uhr")};
    // Spring: 02:30 does not exist; due at 03:30 summer time (01:30 UTC).
    EXPECT_TRUE(DueReminders(in, MakeDate(2026, 3, 29, 1, 29), {}).empty());
    auto spring = DueReminders(in, MakeDate(2026, 3, 29, 1, 30), {});
    ASSERT_EQ(spring.size(), 1u);
    EXPECT_EQ(spring[0].due, MakeDate(2026, 3, 29, 1, 30));
    // Autumn: 02:30 comes twice; due at the first (00:30 UTC), sent once.
    auto autumn = DueReminders(in, MakeDate(2026, 10, 25, 0, 30), {});
    ASSERT_EQ(autumn.size(), 1u);
    SentReminders sent;
    sent.Add(autumn[0].key);
    EXPECT_TRUE(DueReminders(in, MakeDate(2026, 10, 25, 1, 30), sent).empty());

    // The evening before a summer-time day, in winter time still.
    ReminderSettings evening;
    evening.enabled = true;
    in.settings = evening;
    in.shifts = {Shift(2026, 3, 29, 6 * 60, "Frühschicht", "6.00 - 18.00 Uhr")};
    EXPECT_TRUE(DueReminders(in, MakeDate(2026, 3, 28, 18, 59), {}).empty());
    EXPECT_EQ(DueReminders(in, MakeDate(2026, 3, 28, 19, 0), {}).size(), 1u);
    // Its 6.00 start is 04:00 UTC: a reminder missed until then is dropped.
    EXPECT_EQ(DueReminders(in, MakeDate(2026, 3, 29, 3, 59), {}).size(), 1u);
    EXPECT_TRUE(DueReminders(in, MakeDate(2026, 3, 29, 4, 0), {}).empty());
}

TEST(ReminderRules, YearlyNotes) {
    ReminderSettings s;
    s.enabled = true;
    ReminderInput in;
    in.settings = s;
    in.yearlyNotes = {{DayNumberOf(2026, 12, 8), "42. Geburtstag von Anna  \r\nKuchen mitbringen\n"},
                      {DayNumberOf(2026, 12, 9), " \n"}};
    struct Case {
        DateValue now;
        std::size_t count;
    } cases[] = {
        {Berlin(2026, 12, 8, 7, 59), 0},
        {Berlin(2026, 12, 8, 8, 0), 1},
        {Berlin(2026, 12, 8, 23, 59), 1},  // machine started late that day
        {Berlin(2026, 12, 9, 8, 0), 0},    // next day: dropped; an empty note says nothing
    };
    for (const Case& c : cases) EXPECT_EQ(DueReminders(in, c.now, {}).size(), c.count) << c.now;
    const auto due = DueReminders(in, Berlin(2026, 12, 8, 9, 0), {});
    ASSERT_EQ(due.size(), 1u);
    EXPECT_EQ(due[0].title, "Heute: 42. Geburtstag von Anna");
    EXPECT_EQ(due[0].body, "Kuchen mitbringen");
    EXPECT_EQ(due[0].key, "2026-12-08 jahrestag");

    in.settings.yearlyNotes = false;
    EXPECT_TRUE(DueReminders(in, Berlin(2026, 12, 8, 9, 0), {}).empty());
    in.settings.yearlyNotes = true;
    in.settings.enabled = false;
    EXPECT_TRUE(DueReminders(in, Berlin(2026, 12, 8, 9, 0), {}).empty());
}

TEST(ReminderRules, CrewText) {
    EXPECT_EQ(ReminderCrewText("Blau"), "Schicht Blau");
    EXPECT_EQ(ReminderCrewText("Schicht A"), "Schicht A");
}

}  // namespace
}  // namespace sk
