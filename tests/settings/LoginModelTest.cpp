#include "settings/LoginModel.h"

#include <gtest/gtest.h>

#include "marks/CalendarMarks.h"
#include "marks/ShiftMarks.h"
#include "notes/NoteStore.h"
#include "settings/SettingsStorage.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

using testing::ReadFile;
using testing::TempFolder;

// Typing a text one character at a time, as the field reports it.
std::vector<FieldReaction> TypeName(LoginForm& form, const std::string& text) {
    std::vector<FieldReaction> reactions;
    std::string field;
    for (char c : text) {
        field.push_back(c);
        FieldReaction r = form.NameChanged(field);
        if (r.replace) field = r.text;
        reactions.push_back(std::move(r));
    }
    return reactions;
}

TEST(LoginModel, NameFieldFollowsTheRulesWhileTyping) {
    struct Case {
        const char* typed;
        const char* accepted;
        int messages;
    };
    const Case cases[] = {
        {"anna", "anna", 0},
        {"/", "", 1},           // a single "/" leaves the field empty
        {"an/na", "anna", 1},   // the "/" is refused, typing goes on
        {"a\tb", "ab", 1},
    };
    for (const Case& c : cases) {
        LoginForm form;
        int messages = 0;
        for (const FieldReaction& r : TypeName(form, c.typed)) messages += static_cast<int>(r.messages.size());
        EXPECT_EQ(form.AcceptedName(), c.accepted) << c.typed;
        EXPECT_EQ(messages, c.messages) << c.typed;
    }
}

TEST(LoginModel, FieldsPutBackWhatTheyKeep) {
    // The message texts themselves are checked with the name rules.
    LoginForm form;
    const FieldReaction name = form.NameChanged(std::string(33, 'x'));
    EXPECT_EQ(name.messages.size(), 1u);
    EXPECT_TRUE(name.replace);
    EXPECT_EQ(name.text, std::string(32, 'x'));
    // The text put back is itself a change and must not complain again.
    EXPECT_TRUE(form.NameChanged(name.text).messages.empty());
    EXPECT_EQ(form.AcceptedName(), std::string(32, 'x'));

    EXPECT_FALSE(form.PasswordChanged(std::string(32, 'p')).replace);
    EXPECT_EQ(form.PasswordCounter(), "32 von max. 32 Zeichen.");
    const FieldReaction pw = form.PasswordChanged(std::string(33, 'p'));
    EXPECT_EQ(pw.messages.size(), 1u);
    EXPECT_TRUE(pw.replace);
    EXPECT_EQ(pw.text, "");
    EXPECT_EQ(form.Password(), "");  // the emptied field is the password
    EXPECT_EQ(form.PasswordCounter(), "0 von max. 32 Zeichen.");
}

TEST(LoginModel, AcceptNeedsAName) {
    LoginForm form;
    TempFolder tmp;
    EXPECT_TRUE(form.Accept(tmp.Dir()).has_value());
    form.NameChanged("..");
    EXPECT_TRUE(form.Accept(tmp.Dir()).has_value());  // no folder of its own
    form.NameChanged("Jörg");
    EXPECT_FALSE(form.Accept(tmp.Dir()).has_value());
}

class SwitchUserTest : public ::testing::Test {
protected:
    void SetUp() override {
        base = *EnterBaseDataDirectory(tmp.Dir());
        session.baseDataDirectory = base;
        oldFolder = UserDataFolder(settings, base);
    }
    TempFolder tmp;
    std::string base;
    std::string oldFolder;
    Settings settings;
    UserSession session;
    CalendarMarkList calendarMarks;
    ShiftMarkList shiftMarks;
};

TEST_F(SwitchUserTest, ChangedMarksAndSettingsOfTheOldUserAreSavedFirst) {
    calendarMarks.SaveMarkEntry(19800, 19810, 255);
    settings.calendarType = 6;
    const LoginOutcome out = SwitchUser("anna", "geheim", settings, session, oldFolder, calendarMarks, shiftMarks);
    ASSERT_TRUE(out.loggedIn);
    EXPECT_NE(ReadFile(oldFolder + "Kalendermarkierung.dat"), "<missing>");
    EXPECT_NE(ReadFile(oldFolder + "Einstellungen.dat").find("Schichtart = 6"), std::string::npos);
    // The new user starts with a copy of the settings, in a folder of their own.
    EXPECT_NE(ReadFile(base + "anna/Einstellungen.dat").find("Anwendername = anna"), std::string::npos);
    EXPECT_EQ(settings.userName, "anna");
    EXPECT_EQ(session.userPassword, "geheim");
}

TEST_F(SwitchUserTest, FailedSwitchKeepsUserAndPassword) {
    session.userPassword = "alt";
    testing::WriteFile(base + "datei", "x");  // a file where the folder would go
    const LoginOutcome out = SwitchUser("datei", "neu", settings, session, oldFolder, calendarMarks, shiftMarks);
    EXPECT_FALSE(out.loggedIn);
    ASSERT_TRUE(out.error.has_value());
    EXPECT_EQ(out.error->text, "Es wurde kein neuer Anwender angemeldet!");
    EXPECT_EQ(settings.userName, "Programm");
    EXPECT_EQ(session.userPassword, "alt");
}

TEST_F(SwitchUserTest, NotesWrittenWithThePasswordReadBackAfterANewLogin) {
    ASSERT_TRUE(SwitchUser("anna", "Schlüssel", settings, session, oldFolder, calendarMarks, shiftMarks).loggedIn);
    const std::string folder = UserDataFolder(settings, base);
    const DayContext day = MakeDayContext(DayNumberOf(2024, 1, 15));
    {
        NoteStore notes(folder, session.userPassword);
        ASSERT_TRUE(notes.WriteDayNote(day, "Zahnarzt 9 Uhr"));
    }
    const std::string stored = ReadFile(folder + "20240015.txt");
    EXPECT_EQ(stored.find("Zahnarzt"), std::string::npos) << "the note is stored enciphered";

    // Another user, then back with the same password: the note reads again.
    ASSERT_TRUE(SwitchUser("bert", "", settings, session, folder, calendarMarks, shiftMarks).loggedIn);
    EXPECT_EQ(session.userPassword, "");
    ASSERT_TRUE(SwitchUser("anna", "Schlüssel", settings, session, folder, calendarMarks, shiftMarks).loggedIn);
    NoteStore again(UserDataFolder(settings, base), session.userPassword);
    again.ScanAll();
    EXPECT_TRUE(again.HasDayNote(day));
    EXPECT_EQ(again.ReadDayNote(day), "Zahnarzt 9 Uhr");
    // A wrong key reads other characters, without notice.
    NoteStore wrong(UserDataFolder(settings, base), "falsch");
    EXPECT_NE(wrong.ReadDayNote(day), "Zahnarzt 9 Uhr");
}

}  // namespace
}  // namespace sk
