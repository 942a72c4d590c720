// The reminder settings file and the store of sent reminders.

#include <gtest/gtest.h>

#include "common/TempFolder.h"
#include "remind/ReminderSettings.h"
#include "remind/SentReminders.h"

namespace sk {
namespace {

TEST(ReminderSettingsFile, ReadsWhatTheReadmeShowsAndWritesItBack) {
    const char* text =
        "\xEF\xBB\xBF# Erinnerungen\r\n"
        "Erinnerungen = ja\r\n"
        "am vortag um=19:30\n"
        "  Vor Schichtbeginn = 1 h\n"
        "\n"
        "; Geburtstage\n"
        "Jahrestage = nein\n"
        "Jahrestage um = 7:05\n";
    const ReminderSettingsRead read = ParseReminderSettings(text);
    EXPECT_EQ(read.error, "");
    ReminderSettings want;
    want.enabled = true;
    want.eveningMinute = 19 * 60 + 30;
    want.beforeStartMinutes = 60;
    want.yearlyNotes = false;
    want.yearlyMinute = 7 * 60 + 5;
    EXPECT_EQ(read.settings, want);
    EXPECT_EQ(ParseReminderSettings(FormatReminderSettings(want)).settings, want);
    for (int minutes : kBeforeStartChoices) {
        want.beforeStartMinutes = minutes;
        EXPECT_EQ(ParseReminderSettings(FormatReminderSettings(want)).settings, want);
    }
    // One line is enough to switch them on.
    const ReminderSettingsRead one = ParseReminderSettings("Erinnerungen = ja\n");
    EXPECT_TRUE(one.settings.enabled);
    EXPECT_EQ(one.settings.eveningMinute, 20 * 60);
    EXPECT_EQ(one.settings.yearlyMinute, 8 * 60);
}

TEST(ReminderSettingsFile, RefusesWhatItCannotMeanNamingTheLine) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {"Erinnerungen = vielleicht\n", "Zeile 1: Der Wert „vielleicht“ passt nicht zu „Erinnerungen“"},
        {"# x\nAm Vortag um = 24:00\n", "Zeile 2: Der Wert „24:00“ passt nicht zu „Am Vortag um“"},
        {"Vor Schichtbeginn = 45 min\n", "erlaubt: aus, 30 min, 1 h oder 2 h"},
        {"Weckzeit = 5:00\n", "Zeile 1: Unbekannter Schlüssel „Weckzeit“."},
        {"Jahrestage = ja\nJahrestage = nein\n", "Zeile 2: Der Schlüssel „Jahrestage“ steht zweimal"},
        {"Erinnerungen\n", "Zeile 1: Es fehlt das „=“"},
    };
    for (const Case& c : cases) {
        const std::string error = ParseReminderSettings(c.text).error;
        EXPECT_NE(error.find(c.error), std::string::npos) << c.text << " -> " << error;
        EXPECT_EQ(error.rfind("Die Datei „Erinnerungen.txt“", 0), 0u) << error;
    }
}

TEST(SentReminderStore, KeepsKeysOfTheLastDaysAcrossSaves) {
    const testing::TempFolder folder;
    const std::string dir = folder.Path();
    EXPECT_EQ(LoadSentReminders(dir).Size(), 0u);  // missing file

    SentReminders sent = SentReminders::Parse(
        "2026-12-01 jahrestag\ngarbage\n2026-12-09 06:00 vortag\r\n2026-13-01 x\n2026-12-09\r\r\n");
    EXPECT_EQ(sent.Size(), 2u);
    sent.DropBefore(DayNumberOf(2026, 12, 2));
    EXPECT_FALSE(sent.Contains("2026-12-01 jahrestag"));
    EXPECT_TRUE(sent.Contains("2026-12-09 06:00 vortag"));
    ASSERT_TRUE(SaveSentReminders(dir, sent));
    EXPECT_TRUE(LoadSentReminders(dir).Contains("2026-12-09 06:00 vortag"));

    // The lock is exclusive: a second round waits and gives up.
    auto first = LockSentReminders(dir, std::chrono::milliseconds(100));
    ASSERT_TRUE(first.has_value());
    EXPECT_FALSE(LockSentReminders(dir, std::chrono::milliseconds(50)).has_value());
    first.reset();
    EXPECT_TRUE(LockSentReminders(dir, std::chrono::milliseconds(100)).has_value());
}

}  // namespace
}  // namespace sk
