// What the reminders take from the shared crew-event model and the notes:
// which marks suppress a shift reminder, which make one, the Sunday times,
// and the yearly notes as their window shows them.

#include <gtest/gtest.h>

#include "common/TempFolder.h"
#include "notes/NoteCipher.h"
#include "remind/LocalClock.h"
#include "remind/ReminderSources.h"

namespace sk {
namespace {

DateValue Berlin(int y, int m, int d, int h) { return BerlinInstantOf(DayNumberOf(y, m, d), h * 60); }

// Titles of the shift reminders due the evening before day y-m-d.
std::vector<std::string> EveningTitles(int type, int crew, const std::vector<ShiftMark>& marks, int y, int m, int d) {
    ReminderSettings s;
    s.enabled = true;
    ShiftMarkList list;
    list.Assign(marks);
    ReminderPlan plan;
    plan.calendarType = type;
    plan.crew = crew;
    plan.marks = &list;
    const DateValue now = BerlinInstantOf(DayNumberOf(y, m, d) - 1, 20 * 60);
    std::vector<std::string> titles;
    for (const DueReminder& r : DueReminders(ReminderInputFor(s, plan, now), now, {}))
        if (r.day == DayNumberOf(y, m, d)) titles.push_back(r.title);
    return titles;
}

TEST(ReminderSources, ShiftsAsTheCrewEventModelHasThem) {
    const DayNumber fri = DayNumberOf(2026, 12, 4);  // Blau early in type 0
    const DayNumber mon = DayNumberOf(2026, 12, 7);  // Blau in its standby week
    using V = std::vector<std::string>;
    struct Case {
        const char* what;
        int type, crew;
        std::vector<ShiftMark> marks;
        int day;  // of December 2026
        V titles;
    } cases[] = {
        {"plain early shift", 0, 1, {}, 4, V{"Morgen Frühschicht 6.00 - 14.00 Uhr (Schicht Blau)"}},
        {"Sunday times", 0, 1, {}, 6, V{"Morgen Frühschicht 6.00 - 18.00 Uhr (Schicht Blau)"}},
        {"vacation", 0, 1, {{fri, 2, 2}}, 4, V{}},
        {"sick", 0, 1, {{fri, 2, 4}}, 4, V{}},
        {"free time", 0, 1, {{fri, 2, 1}}, 4, V{}},
        {"free day", 0, 1, {}, 7, V{}},
        {"extra work in the late column on a free day", 0, 1, {{mon, 3, 0}}, 7,
         V{"Morgen Spätschicht 14.00 - 22.00 Uhr (Schicht Blau)"}},
        {"a crew the two-shift type lacks", 2, 4, {}, 4, V{}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EveningTitles(c.type, c.crew, c.marks, 2026, 12, c.day), c.titles) << c.what;

    // Types 6 and 7: a deviating shift code on the crew's free day.
    for (int type : {6, 7}) {
        DayNumber freeDay = fri;
        while (ShiftOfFourCrewType(type, 0, freeDay) != kShiftOff) ++freeDay;
        const CivilDate c = CivilOf(freeDay);
        EXPECT_EQ(EveningTitles(type, 0, {}, c.year, c.month, c.day), V{}) << type;
        EXPECT_EQ(EveningTitles(type, 0, {{freeDay, 1, 2}}, c.year, c.month, c.day),
                  V{"Morgen Nachtschicht 22.00 - 6.00 Uhr (Schicht A)"})
            << type;
    }
}

TEST(ReminderSources, YearlyNotesAsTheirWindowShowsThem) {
    const testing::TempFolder folder;
    NoteStore plain(folder.Dir());
    ASSERT_TRUE(plain.WriteYearlyNote(MakeDayContext(DayNumberOf(2026, 12, 8)), "<1984>. Geburtstag von Anna"));
    NoteStore secret(folder.Dir(), "geheim");
    ASSERT_TRUE(secret.WriteYearlyNote(MakeDayContext(DayNumberOf(2026, 12, 9)), "Hochzeitstag"));

    ReminderSettings s;
    s.enabled = true;
    struct Case {
        const char* password;
        int day;
        const char* title;
    } cases[] = {
        {"", 8, "Heute: 42. Geburtstag von Anna"},
        {"", 9, "Heute: Jährliche Notiz (verschlüsselt)"},
        {"geheim", 9, "Heute: Hochzeitstag"},
    };
    for (const Case& c : cases) {
        NoteStore notes(folder.Dir(), c.password);
        notes.ScanYearlyNotes();
        ReminderPlan plan;
        plan.crew = 9;  // no such crew: notes only
        plan.notes = &notes;
        plan.withPassword = *c.password != '\0';
        const DateValue now = Berlin(2026, 12, c.day, 9);
        const auto due = DueReminders(ReminderInputFor(s, plan, now), now, {});
        ASSERT_EQ(due.size(), 1u) << c.title;
        EXPECT_EQ(due[0].title, c.title);
    }
}

}  // namespace
}  // namespace sk
