// schichtplan --remind: what the helper sends from a user's folder, once,
// and how it answers a command line it cannot take.

#include "cli/RemindCommand.h"

#include <gtest/gtest.h>

#include "cli/Schichtplan.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

struct RemindRun {
    int status = 0;
    std::string out, err;
    std::vector<std::string> shown;
};

class RemindCommandTest : public ::testing::Test {
protected:
    RemindCommandTest() {
        // Type 0 without a settings file; home crew Blau in the hours record.
        std::filesystem::create_directories(user_);
        testing::WriteFile(user_ + "Minusstunden.dat", std::string("\0\0\0\0\0\0\0\0\0\1\0", 11));
        testing::WriteFile(user_ + "Erinnerungen.txt", "Erinnerungen = ja\n");
    }
    RemindRun Run(std::vector<std::string> args, bool desktopAnswers = true) {
        RemindRun r;
        r.status = RunRemindCommand(
            args, MakeDate(2000, 1, 1),
            [&](const DueReminder& d) {
                if (desktopAnswers) r.shown.push_back(d.title);
                return desktopAnswers;
            },
            AppendTo(r.out), r.err);
        return r;
    }
    testing::TempFolder base_;
    std::string user_ = base_.Dir() + "SKDaten/Programm/";
};

TEST_F(RemindCommandTest, SendsOnceAndTriesAgainWhatTheDesktopDidNotTake) {
    const std::vector<std::string> at20 = {"--remind", "--data", user_, "--now", "2026-12-03 20:00"};
    const RemindRun notTaken = Run(at20, false);
    EXPECT_EQ(notTaken.status, kExitWriteFailed);
    EXPECT_NE(notTaken.err.find("1 Erinnerung konnte nicht angezeigt werden"), std::string::npos) << notTaken.err;

    const RemindRun first = Run(at20);
    EXPECT_EQ(first.status, kExitOk) << first.err;
    EXPECT_EQ(first.shown, std::vector<std::string>{"Morgen Frühschicht 6.00 - 14.00 Uhr (Schicht Blau)"});
    EXPECT_EQ(first.out, "Gesendet: 2026-12-03 20:00  Morgen Frühschicht 6.00 - 14.00 Uhr (Schicht Blau) – "
                         "Freitag, 4. Dezember 2026\n");
    EXPECT_TRUE(Run(at20).shown.empty());
    EXPECT_TRUE(Run({"--remind", "--data=" + user_, "--now=2026-12-04 05:00"}).shown.empty());

    // A dry run prints and sends nothing, and keeps nothing either.
    const RemindRun dry = Run({"--remind", "--dry-run", "--data", user_, "--now", "2026-12-04 20:00"});
    EXPECT_TRUE(dry.shown.empty());
    EXPECT_EQ(dry.out.rfind("2026-12-04 20:00  Morgen Frühschicht 6.00 - 14.00 Uhr (Schicht Blau)", 0), 0u) << dry.out;
    EXPECT_EQ(Run({"--remind", "--data", user_, "--now", "2026-12-04 20:00"}).shown.size(), 1u);
}

TEST_F(RemindCommandTest, SwitchedOffSendsNothing) {
    testing::WriteFile(user_ + "Erinnerungen.txt", "Erinnerungen = nein\n");
    const RemindRun off = Run({"--remind", "--data", user_, "--now", "2026-12-03 20:00"});
    EXPECT_EQ(off.status, kExitOk);
    EXPECT_TRUE(off.shown.empty());
    EXPECT_EQ(off.out, "");
    EXPECT_FALSE(std::filesystem::exists(user_ + "Erinnerungen-gesendet.txt"));
    const RemindRun dry = Run({"--remind", "--dry-run", "--data", user_, "--now", "2026-12-03 20:00"});
    EXPECT_NE(dry.out.find("ausgeschaltet"), std::string::npos);
}

TEST_F(RemindCommandTest, RefusesWhatItCannotTake) {
    testing::WriteFile(base_.Dir() + "Erinnerungen.txt", "Erinnerungen = ja\nAm Vortag um = 25:00\n");
    struct Case {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{"--remind"}, "--remind braucht --data ORDNER"},
        {{"--remind", "--data", user_, "--now", "2026-12-03"}, "ist keine gültige Zeit"},
        {{"--remind", "--data", user_, "--now", "2038-01-01 10:00"}, "ist keine gültige Zeit"},
        {{"--remind", "--data", user_, "--format", "ics"}, "Die Option „--format“ gibt es zu --remind nicht."},
        {{"--remind", "--data", user_, "--data", user_}, "Die Option --data ist zweimal angegeben."},
        {{"--remind", "--data", base_.Dir() + "fehlt"}, "existiert nicht oder ist kein Ordner"},
        {{"--remind", "--data", base_.Path()}, "Zeile 2: Der Wert „25:00“ passt nicht zu „Am Vortag um“"},
    };
    for (const Case& c : cases) {
        const RemindRun r = Run(c.args);
        EXPECT_EQ(r.status, kExitBadInput) << c.error;
        EXPECT_NE(r.err.find(c.error), std::string::npos) << r.err;
        EXPECT_EQ(r.err.rfind("schichtplan: ", 0), 0u) << r.err;
    }
}

}  // namespace
}  // namespace sk
