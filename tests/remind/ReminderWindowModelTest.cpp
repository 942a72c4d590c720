// The window "Erinnerungen": its form checked back into settings, whose
// shifts it says are reminded, and the timer it switches.

#include <gtest/gtest.h>

#include "remind/ReminderTimer.h"
#include "remind/ReminderWindowModel.h"

namespace sk {
namespace {

TEST(ReminderWindowModel, FormBackIntoSettings) {
    ReminderSettings s;
    s.enabled = true;
    s.beforeStartMinutes = 120;
    s.yearlyMinute = 7 * 60 + 30;
    ReminderForm form = ReminderFormOf(s);
    EXPECT_EQ(form.beforeStartChoice, 3);
    EXPECT_EQ(form.yearlyTime, "07:30");
    std::string error;
    form.eveningTime = " 21:15 ";
    const auto back = ReminderSettingsOf(form, error);
    ASSERT_TRUE(back.has_value()) << error;
    s.eveningMinute = 21 * 60 + 15;
    EXPECT_EQ(*back, s);
    for (const char* bad : {"", "21", "21:60", "9.30", "21:15 Uhr"}) {
        form.eveningTime = bad;
        EXPECT_FALSE(ReminderSettingsOf(form, error).has_value()) << bad;
        EXPECT_EQ(error.rfind("„Am Vortag um“ braucht eine Uhrzeit", 0), 0u) << error;
    }
}

TEST(ReminderWindowModel, WhoseShiftsAreReminded) {
    ReminderPlan plan;
    plan.calendarType = 0;
    plan.crew = 3;
    EXPECT_EQ(ReminderWhoseShiftText(plan), "Schichten von: Grün (Stammschicht) in „Haldenau PM 1“");
    plan.calendarType = 2;  // three crews only
    EXPECT_NE(ReminderWhoseShiftText(plan).find("passt nicht"), std::string::npos);
    plan.calendarType = kOwnPlanCalendarType;
    EXPECT_NE(ReminderWhoseShiftText(plan).find("keinen eigenen Schichtplan"), std::string::npos);
}

TEST(ReminderTimer, UnitNamesAndTheLineForCron) {
    EXPECT_EQ(ReminderTimerUnit("/home/anna/SKDaten/Programm/"),
              "schichtkalender-erinnerung@home-anna-SKDaten-Programm.timer");
    // As systemd-escape --path writes it.
    EXPECT_EQ(SystemdEscapePath("//home/jo-ann/.SK Daten/ä"), "home-jo\\x2dann-.SK\\x20Daten-\\xc3\\xa4");
    EXPECT_EQ(ReminderTimerCommand("/x/", false),
              (std::vector<std::string>{"systemctl", "--user", "disable", "--now", "schichtkalender-erinnerung@x.timer"}));
    EXPECT_EQ(ReminderHelperCommandLine("/usr/bin/schichtplan", "/home/o'neil/SKDaten/Programm/"),
              "/usr/bin/schichtplan --remind --data '/home/o'\\''neil/SKDaten/Programm/'");
}

}  // namespace
}  // namespace sk
