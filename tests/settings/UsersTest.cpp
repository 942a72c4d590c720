#include "settings/Users.h"

#include <gtest/gtest.h>

#include <set>

#include <filesystem>
#include <sys/stat.h>

#include "settings/SettingsFile.h"
#include "settings/SettingsStorage.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;
namespace fs = std::filesystem;

TEST(Users, ParentFolder) {
    const struct {
        const char* path;
        const char* parent;
    } cases[] = {{"/a/b/c/", "/a/b/"}, {"/a/b/c", "/a/b/"}, {"/a/", "/"}, {"/", "/"}, {"a/", ""}, {"", ""},
                 {"/home/x/SKDaten/Programm/", "/home/x/SKDaten/"}};
    for (const auto& c : cases) EXPECT_EQ(ParentFolder(c.path), c.parent) << c.path;
}

TEST(Users, AcceptableNames) {
    const struct {
        std::string name;
        bool ok;
    } cases[] = {{"Anna", true},
                 {"Jürgen Öz", true},
                 {std::string(32, 'x'), true},
                 {"ä" + std::string(31, 'x'), true},  // 33 bytes, 32 characters
                 {std::string(33, 'x'), false},
                 {"", false},
                 {".", false},
                 {"..", false},
                 {"...", true},
                 {"a/b", false},
                 {"/", false},
                 {"a\tb", false},
                 {"a\x7f", true},
                 {"\xC3", false}};  // broken UTF-8
    for (const auto& c : cases) EXPECT_EQ(IsAcceptableUserName(c.name), c.ok) << c.name;
}

TEST(Users, NameFieldEdits) {
    const struct {
        std::string typed;
        std::string lastAccepted;
        std::string shown;
        std::string accepted;
        std::vector<std::string> titles;
    } cases[] = {
        {"Anna", "Ann", "Anna", "Anna", {}},
        {std::string(33, 'b'), std::string(32, 'b'), std::string(32, 'b'), std::string(32, 'b'), {"Info"}},
        {std::string(40, 'c') + "ü", "", std::string(32, 'c'), std::string(32, 'c'), {"Info"}},
        {"An/na", "Anna", "Anna", "Anna", {"Fehler"}},
        {"/", "Anna", "", "", {"Fehler"}},
        {"Ann\x01", "Ann", "Ann", "Ann", {"Fehler"}},
        {std::string(31, 'd') + "/xx", "dd", "dd", "dd", {"Info", "Fehler"}},
        {"", "Anna", "", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const NameEdit e = CheckUserNameEdit(c.typed, c.lastAccepted);
        EXPECT_EQ(e.text, c.shown);
        EXPECT_EQ(e.acceptedName, c.accepted);
        ASSERT_EQ(e.messages.size(), c.titles.size());
        for (std::size_t i = 0; i < c.titles.size(); ++i) EXPECT_EQ(e.messages[i].title, c.titles[i]);
    }
    EXPECT_EQ(CheckUserNameEdit(std::string(33, 'b'), "").messages[0].text,
              "Die Länge des Benutzenamens wurde auf 32 Zeichen gekürzt!");
    EXPECT_EQ(CheckUserNameEdit("/", "").messages[0].text, "Das eingebene Zeichen ist nicht erlaubt!");
}

TEST(Users, PasswordAndAcceptanceMessages) {
    EXPECT_FALSE(CheckPasswordEdit(std::string(32, 'p')));
    EXPECT_FALSE(CheckPasswordEdit(std::string(32, 'p').replace(0, 1, "ß")));
    const auto tooLong = CheckPasswordEdit(std::string(33, 'p'));
    ASSERT_TRUE(tooLong);
    EXPECT_EQ(tooLong->title, "Fehler");
    EXPECT_EQ(tooLong->text,
              "Das eingegeben Passwort hat die erlaubte Maximallänge von 32 überschritten und wurde gelöscht!");
    EXPECT_EQ(PasswordCounterText("äb"), "2 von max. 32 Zeichen.");
    EXPECT_EQ(MainWindowTitle("Anna"), "Velmo Schichtkalender  - Benutzername: Anna");
}

// One rule for a name at login: what would break the user's folder or the
// settings file is refused with a message saying what is wrong; a folder that
// exists already under such a name keeps working.
TEST(Users, LoginAcceptsOnlyNamesThatKeepTheirFolder) {
    TempFolder tmp;
    const std::string base = tmp.Dir();
    fs::create_directory(base + " Alt ");
    struct Case { const char* name; const char* message; };
    const Case cases[] = {
        {"Anna", nullptr},
        {"Anna Maria", nullptr},
        {"", "Benutzername fehlt!"},
        {".", "Dieser Benutzername ist nicht erlaubt!"},
        {"..", "Dieser Benutzername ist nicht erlaubt!"},
        {"a/b", "Das eingebene Zeichen ist nicht erlaubt!"},
        {" ", "Der Benutzername darf nicht nur aus Leerzeichen bestehen!"},
        {"   ", "Der Benutzername darf nicht nur aus Leerzeichen bestehen!"},
        {"Anna ", "Der Benutzername darf nicht mit einem Leerzeichen beginnen oder enden!"},
        {" Anna", "Der Benutzername darf nicht mit einem Leerzeichen beginnen oder enden!"},
        {" Alt ", nullptr},  // an existing folder of an older release
    };
    for (const Case& c : cases) {
        const auto m = CheckLoginAcceptance(c.name, base);
        EXPECT_EQ(m.has_value(), c.message != nullptr) << '"' << c.name << '"';
        if (m && c.message) {
            EXPECT_EQ(m->text, c.message) << '"' << c.name << '"';
        }
    }
    // The settings file of such a folder reads back to the folder's name,
    // though the reader trims values.
    Settings old;
    old.userName = " Alt ";
    ASSERT_TRUE(SaveSettings(old, base));
    Settings loaded;
    loaded.userName = " Alt ";
    VacationOrderTables tables = MakeDefaultVacationOrderTables();
    LoadSettings(loaded, base, tables, 2026);
    EXPECT_EQ(loaded.userName, " Alt ");
}

class UserFolders : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(tmp.Dir() + "work");
        base = EnterBaseDataDirectory(tmp.Dir() + "work").value_or("/nonexistent/");
        session.baseDataDirectory = base;
        settings.userDirectory = base;
    }
    TempFolder tmp;
    std::string base;
    UserSession session;
    Settings settings;
    VacationOrderTables tables = MakeDefaultVacationOrderTables();
};

TEST_F(UserFolders, BaseFolderAndDefaultUserAreCreated) {
    EXPECT_EQ(base, tmp.Dir() + "work/SKDaten/");
    EXPECT_TRUE(fs::is_directory(base + "Programm"));
    EXPECT_EQ(*EnterBaseDataDirectory(tmp.Dir() + "work/"), base);  // existing folders are fine
    EXPECT_EQ(UserDataFolder(settings, base), base + "Programm/");
}

TEST_F(UserFolders, SaveThenLoadRoundTrip) {
    settings.calendarType = 4;
    settings.placeName = "Köln";
    ASSERT_TRUE(SaveSettings(settings, base));
    Settings stored = settings;
    stored.userDirectory.clear();  // the base folder is written empty, so a copied folder uses itself
    EXPECT_EQ(ReadFile(base + "Programm/Einstellungen.dat"), FormatSettingsFile(stored));
    Settings loaded;
    LoadSettings(loaded, base, tables, 2026);
    EXPECT_EQ(FormatSettingsFile(loaded), FormatSettingsFile(settings));
}

TEST_F(UserFolders, LoadFallsBackSafely) {
    const struct {
        const char* name;
        std::string file;  // empty: no file
        std::function<void(const Settings&)> check;
    } cases[] = {
        {"missing file keeps the folder's user and uses the base folder", "",
         [this](const Settings& s) {
             EXPECT_EQ(s.userName, "Programm");
             EXPECT_EQ(s.userDirectory, base);
             EXPECT_EQ(s.lastColumn, 6);
         }},
        {"a name that leaves the base folder is not taken",
         "\xEF\xBB\xBF[Programmeinstellungen]\nAnwendername = ../../etc\n",
         [](const Settings& s) { EXPECT_EQ(s.userName, "Programm"); }},
        {"an empty shared folder means the base folder",
         "\xEF\xBB\xBF[Programmeinstellungen]\nAnwenderverzeichnis = \n",
         [this](const Settings& s) { EXPECT_EQ(s.userDirectory, base); }},
        {"values that would index outside tables are brought into range",
         "\xEF\xBB\xBF[Programmeinstellungen]\nSchichtspalten = 300\nSchichtart = 9\nUrlaubStartMonat = 2\n"
         "UrlaubStartTag = 31\n[Astronomie]\nDämmerung = -1\n",
         [](const Settings& s) {
             EXPECT_EQ(s.lastColumn, 23);
             EXPECT_EQ(s.calendarType, 0);
             EXPECT_EQ(s.vacationStartMonth, 2);
             EXPECT_EQ(s.vacationStartDay, 29);
             EXPECT_EQ(s.twilightKind, 0);
         }},
        {"an impossible month takes the default start",
         "\xEF\xBB\xBF[Programmeinstellungen]\nUrlaubStartMonat = 13\nUrlaubStartTag = 3\n",
         [](const Settings& s) {
             EXPECT_EQ(s.vacationStartMonth, 4);
             EXPECT_EQ(s.vacationStartDay, 25);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = base + "Programm/Einstellungen.dat";
        RemoveFileIfExists(path);
        if (!c.file.empty()) WriteFile(path, c.file);
        Settings s;
        s.fontSize = 99;  // must be replaced by the file's value or the default
        LoadSettings(s, base, tables, 2026);
        EXPECT_EQ(s.fontSize, 10);
        c.check(s);
    }
}

TEST_F(UserFolders, VacationCycleRotatesCurrentEraOnlyAndDoesNotAccumulate) {
    WriteFile(base + "Programm/Einstellungen.dat", "\xEF\xBB\xBF[Programmeinstellungen]\nUrlaubZyklus = 7\n");
    VacationOrderTables expected = MakeDefaultVacationOrderTables();
    RotateVacationOrder(expected, 2026, 2);
    RotateVacationOrder(tables, 1990, 1);  // a key-Y rotation of an earlier session
    for (int load = 0; load < 2; ++load) {
        Settings s;
        LoadSettings(s, base, tables, 2026);
        EXPECT_EQ(s.vacationCycle, 7);
        EXPECT_EQ(tables, expected) << "load " << load;
    }
    WriteFile(base + "Programm/Einstellungen.dat", "\xEF\xBB\xBF[Programmeinstellungen]\nUrlaubZyklus = -3\n");
    Settings s;
    LoadSettings(s, base, tables, 2026);
    EXPECT_EQ(tables, MakeDefaultVacationOrderTables());
}

TEST_F(UserFolders, FailedSaveLeavesOldFile) {
    settings.userName = "Fehlt";  // its folder does not exist
    EXPECT_FALSE(SaveSettings(settings, base));
    settings.userName = "..";
    EXPECT_FALSE(SaveSettings(settings, base));
    EXPECT_FALSE(fs::exists(tmp.Dir() + "work/Einstellungen.dat"));
    settings.userName = "Programm";
    ASSERT_TRUE(SaveSettings(settings, base));
    const std::string before = ReadFile(base + "Programm/Einstellungen.dat");
    fs::rename(base + "Programm", base + "Weg");
    EXPECT_FALSE(SaveSettings(settings, base));
    EXPECT_EQ(ReadFile(base + "Weg/Einstellungen.dat"), before);
}

TEST_F(UserFolders, LoginAsNewUserCopiesSettings) {
    settings.calendarType = 2;
    settings.userDirectory = "/somewhere/shared/SKDaten/";
    const LoginOutcome out = LoginUser("Anna", "geheim", settings, session);
    ASSERT_TRUE(out.loggedIn);
    EXPECT_EQ(settings.userName, "Anna");
    EXPECT_EQ(session.userPassword, "geheim");
    // The old user's settings were saved before the switch.
    EXPECT_NE(ReadFile(base + "Programm/Einstellungen.dat").find("Schichtart = 2\n"), std::string::npos);
    Settings anna;
    anna.userName = "Anna";
    LoadSettings(anna, base, tables, 2026);
    EXPECT_EQ(anna.calendarType, 2);
    EXPECT_EQ(anna.userName, "Anna");
    EXPECT_EQ(anna.userDirectory, base);  // not the previous user's shared folder
}

TEST_F(UserFolders, LoginAsExistingUserKeepsTheirSettings) {
    fs::create_directory(base + "Bert");
    WriteFile(base + "Bert/Einstellungen.dat", "\xEF\xBB\xBF[Programmeinstellungen]\nAnwendername = Bert\nSchichtart = 6\n");
    session.userPassword = "alt";
    ASSERT_TRUE(LoginUser("Bert", "", settings, session).loggedIn);
    EXPECT_EQ(session.userPassword, "");  // a login without password clears it
    Settings bert = settings;
    LoadSettings(bert, base, tables, 2026);
    EXPECT_EQ(bert.calendarType, 6);
}

TEST_F(UserFolders, LoginFailuresChangeNothing) {
    WriteFile(base + "Datei", "x");
    session.userPassword = "alt";
    for (const char* name : {"Datei", "..", "a/b", ""}) {
        SCOPED_TRACE(name);
        const LoginOutcome out = LoginUser(name, "neu", settings, session);
        EXPECT_FALSE(out.loggedIn);
        ASSERT_TRUE(out.error);
        EXPECT_EQ(out.error->text, "Es wurde kein neuer Anwender angemeldet!");
        EXPECT_EQ(settings.userName, "Programm");
        EXPECT_EQ(session.userPassword, "alt");
    }
    EXPECT_FALSE(fs::exists(tmp.Dir() + "work/b"));
}

TEST_F(UserFolders, StoredSharedFolderIsChecked) {
    fs::create_directories(tmp.Dir() + "shared");
    settings.userDirectory = tmp.Dir() + "shared";
    EXPECT_FALSE(CheckUserDirectory(settings, base));
    EXPECT_EQ(settings.userDirectory, tmp.Dir() + "shared/");
    EXPECT_TRUE(fs::is_directory(tmp.Dir() + "shared/Programm"));

    settings.userDirectory = tmp.Dir() + "fehlt\\unter";
    const auto message = CheckUserDirectory(settings, base);
    ASSERT_TRUE(message);
    EXPECT_EQ(*message, "Das externe Programmverzeichnis '" + tmp.Dir() + "fehlt/unter/' wurde nicht gefunden!");
    EXPECT_EQ(settings.userDirectory, base);
}

std::set<std::string> Entries(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

class ChangeFolder : public UserFolders {
protected:
    void SetUp() override {
        UserFolders::SetUp();
        source = base + "Programm/";
        WriteFile(source + "20240301.txt", "Tagesnotiz");
        WriteFile(source + "11.7.tnt", "Periodisch");
        WriteFile(source + "Schichtmarkierung.dat", std::string("\x01\x02\x03\x04\x01\x02", 6));
        WriteFile(source + "Einstellungen.dat", FormatSettingsFile(settings));
        fs::create_directories(source + "Archiv/alt");
        WriteFile(source + "Archiv/alt/notiz.txt", "tief");
        fs::create_directories(tmp.Dir() + "ziel");
    }
    ChangeDirectoryOutcome Change(const std::string& folder, bool answer, int* asked = nullptr,
                                  int* saved = nullptr) {
        return ChangeDataDirectory(
            folder, settings, session,
            [answer, asked] {
                if (asked) ++*asked;
                return answer;
            },
            [saved] {
                if (saved) ++*saved;
            });
    }
    std::string source;
};

TEST_F(ChangeFolder, NewTargetGetsACopyWithoutSettings) {
    int asked = 0, saved = 0;
    const auto out = Change(tmp.Dir() + "ziel", true, &asked, &saved);
    ASSERT_TRUE(out.changed);
    const std::string userTarget = tmp.Dir() + "ziel/SKDaten/Programm/";
    EXPECT_EQ(out.userDataFolder, userTarget);
    EXPECT_EQ(settings.userDirectory, tmp.Dir() + "ziel/SKDaten/");
    EXPECT_EQ(UserDataFolder(settings, base), userTarget);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(ReadFile(userTarget + "20240301.txt"), "Tagesnotiz");
    EXPECT_EQ(ReadFile(userTarget + "Schichtmarkierung.dat"), ReadFile(source + "Schichtmarkierung.dat"));
    EXPECT_EQ(ReadFile(userTarget + "Archiv/alt/notiz.txt"), "tief");
    EXPECT_FALSE(fs::exists(userTarget + "Einstellungen.dat"));
    EXPECT_EQ(ReadFile(source + "20240301.txt"), "Tagesnotiz");  // the source stays
}

TEST_F(ChangeFolder, ExistingTargetAnswers) {
    const std::string userTarget = tmp.Dir() + "ziel/SKDaten/Programm/";
    fs::create_directories(userTarget);
    WriteFile(userTarget + "1.jnt", "alt");
    WriteFile(userTarget + "20240301.txt", "alte Fassung");
    WriteFile(userTarget + "Einstellungen.dat", "fremde Einstellungen");
    WriteFile(userTarget + "notiz.doc", "bleibt");

    int asked = 0;
    ASSERT_TRUE(Change(tmp.Dir() + "ziel/", false, &asked).changed);  // No: use what is there
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(ReadFile(userTarget + "1.jnt"), "alt");
    EXPECT_EQ(ReadFile(userTarget + "20240301.txt"), "alte Fassung");

    settings.userDirectory = base;
    ASSERT_TRUE(Change(tmp.Dir() + "ziel/", true, &asked).changed);  // Yes: replace the notes
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(fs::exists(userTarget + "1.jnt"));
    EXPECT_EQ(ReadFile(userTarget + "20240301.txt"), "Tagesnotiz");
    EXPECT_EQ(ReadFile(userTarget + "11.7.tnt"), "Periodisch");
    EXPECT_EQ(ReadFile(userTarget + "Einstellungen.dat"), "fremde Einstellungen");
    EXPECT_EQ(ReadFile(userTarget + "notiz.doc"), "bleibt");
}

TEST_F(ChangeFolder, ChoosingTheFolderInUseLosesNothing) {
    // The working folder holds SKDaten: choosing it again and answering Yes
    // must not delete the notes it would copy.
    const auto out = Change(tmp.Dir() + "work", true);
    ASSERT_TRUE(out.changed);
    EXPECT_EQ(out.userDataFolder, source);
    EXPECT_EQ(ReadFile(source + "20240301.txt"), "Tagesnotiz");
    EXPECT_EQ(ReadFile(source + "11.7.tnt"), "Periodisch");
    EXPECT_EQ(ReadFile(source + "Einstellungen.dat"), FormatSettingsFile(Settings{settings}));
}

TEST_F(ChangeFolder, TargetInsideTheSourceIsNotCopiedIntoItself) {
    const auto out = Change(source, true);  // target becomes source/SKDaten/Programm/
    ASSERT_TRUE(out.changed);
    EXPECT_EQ(out.userDataFolder, source + "SKDaten/Programm/");
    EXPECT_EQ(ReadFile(out.userDataFolder + "20240301.txt"), "Tagesnotiz");
    EXPECT_FALSE(fs::exists(out.userDataFolder + "SKDaten"));
}

TEST_F(ChangeFolder, LinksInTheTargetAreReplacedNotWrittenThrough) {
    const std::string outside = tmp.Dir() + "draussen.txt";
    WriteFile(outside, "fremd");
    const std::string userTarget = tmp.Dir() + "ziel/SKDaten/Programm/";
    fs::create_directories(userTarget);
    fs::create_symlink(outside, userTarget + "Schichtmarkierung.dat");
    fs::create_symlink(outside, userTarget + "99.jnt");
    ASSERT_TRUE(Change(tmp.Dir() + "ziel", true).changed);
    EXPECT_EQ(ReadFile(outside), "fremd");
    EXPECT_FALSE(fs::is_symlink(userTarget + "Schichtmarkierung.dat"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(userTarget + "99.jnt")));
}

TEST_F(ChangeFolder, ACopyThatBreaksOffTakesBackWhatItAdded) {
    // A folder where the source has a note makes the copy fail part way
    // (as a full disk would); the order of the copy is the folder's.
    for (int i = 1; i <= 20; ++i) WriteFile(source + "2025" + std::to_string(1000 + i) + ".txt", "n");
    WriteFile(source + "20240302.txt", "neu");
    for (const bool hadNote : {false, true}) {
        SCOPED_TRACE(hadNote);
        const std::string userTarget = tmp.Dir() + "ziel/SKDaten/Programm/";
        fs::remove_all(tmp.Dir() + "ziel/SKDaten");
        fs::create_directories(userTarget + "20240302.txt/innen");
        if (hadNote) WriteFile(userTarget + "20240301.txt", "alt");
        const std::set<std::string> before = Entries(userTarget);
        const auto out = Change(tmp.Dir() + "ziel", true);
        EXPECT_FALSE(out.changed);
        ASSERT_TRUE(out.error);
        EXPECT_EQ(Entries(userTarget), before);
        const bool replaced = hadNote && ReadFile(userTarget + "20240301.txt") == "Tagesnotiz";
        EXPECT_NE(out.error->text.find(replaced ? "1 Datei in" : "wurde wieder entfernt"), std::string::npos)
            << out.error->text;
        EXPECT_EQ(settings.userDirectory, base);
    }
}

TEST_F(ChangeFolder, FailuresKeepTheOldFolder) {
    WriteFile(tmp.Dir() + "datei", "x");
    fs::create_directories(tmp.Dir() + "kaputt/SKDaten");
    WriteFile(tmp.Dir() + "kaputt/SKDaten/Programm", "eine Datei, kein Ordner");
    for (const std::string& folder :
         {tmp.Dir() + "fehlt", tmp.Dir() + "datei", tmp.Dir() + "kaputt", std::string()}) {
        SCOPED_TRACE(folder);
        const auto out = Change(folder, true);
        EXPECT_FALSE(out.changed);
        ASSERT_TRUE(out.error);
        EXPECT_EQ(out.error->text, "Das neue Verzeichnis konnte nicht eröffnet werden!");
        EXPECT_EQ(settings.userDirectory, base);
    }
    EXPECT_EQ(DataDirectoryChooserStart(session), tmp.Dir() + "work/");
}

}  // namespace
}  // namespace sk
