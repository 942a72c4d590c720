// "SKDaten" copied or moved elsewhere keeps using itself: the default data
// folder is not kept as an absolute path, a chosen shared folder is.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/TempFolder.h"
#include "marks/ShiftMarks.h"
#include "settings/SettingsStorage.h"
#include "settings/Users.h"

namespace sk {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::string StoredFolder(const std::string& settingsFile) {
    const std::string bytes = testing::ReadFile(settingsFile);
    const std::string key = "\nAnwenderverzeichnis = ";
    const std::size_t at = bytes.find(key);
    if (at == std::string::npos) return "<none>";
    const std::size_t begin = at + key.size();
    return bytes.substr(begin, bytes.find('\n', begin) - begin);
}

// The settings of `base` as a start reads them, with the folder check.
Settings StartWith(const std::string& base) {
    Settings s;
    s.userName = "Programm";
    VacationOrderTables tables = MakeDefaultVacationOrderTables();
    LoadSettings(s, base, tables, 2027);
    CheckUserDirectory(s, base);
    return s;
}

TEST(MovedDataFolder, ACopyWritesIntoItselfAndASharedFolderStays) {
    struct Case {
        const char* what;
        bool shared;
    } cases[] = {{"default folder", false}, {"shared folder", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder root;
        fs::create_directories(root.Dir() + "alt");
        fs::create_directories(root.Dir() + "geteilt/SKDaten/Programm");
        const std::string oldBase = EnterBaseDataDirectory(root.Dir() + "alt").value();
        const std::string shared = root.Dir() + "geteilt/SKDaten/";
        Settings s = StartWith(oldBase);
        if (c.shared) s.userDirectory = shared;
        ASSERT_TRUE(SaveSettings(s, oldBase));
        EXPECT_EQ(StoredFolder(oldBase + "Programm/Einstellungen.dat"), c.shared ? shared : "");

        // cp -a SKDaten to a new place, then a start there adds a mark.
        fs::create_directories(root.Dir() + "neu");
        fs::copy(root.Dir() + "alt/SKDaten", root.Dir() + "neu/SKDaten", fs::copy_options::recursive);
        const std::string newBase = root.Dir() + "neu/SKDaten/";
        const Settings moved = StartWith(newBase);
        const std::string folder = UserDataFolder(moved, newBase);
        EXPECT_EQ(folder, (c.shared ? shared : newBase) + "Programm/");
        ShiftMarkList marks;
        marks.Load(folder);
        marks.ApplyChoice(0, DayNumberOf(2027, 3, 1), 1, 1);
        ASSERT_TRUE(marks.Save(folder));
        EXPECT_EQ(fs::exists(newBase + "Programm/Schichtmarkierung.dat"), !c.shared);
        EXPECT_FALSE(fs::exists(oldBase + "Programm/Schichtmarkierung.dat"));  // the old folder is left alone
        EXPECT_EQ(fs::exists(shared + "Programm/Schichtmarkierung.dat"), c.shared);
    }
}

TEST(MovedDataFolder, OlderFilesWithAnAbsolutePathLoadAsBefore) {
    TempFolder root;
    fs::create_directories(root.Dir() + "w");
    const std::string base = EnterBaseDataDirectory(root.Dir() + "w").value();
    const std::string file = base + "Programm/Einstellungen.dat";
    // As older versions wrote it: the base folder itself, with or without "/".
    for (const std::string& stored : {base, base.substr(0, base.size() - 1)}) {
        testing::WriteFile(file, "\xEF\xBB\xBF\n[Programmeinstellungen]\nAnwenderverzeichnis = " + stored + "\n");
        Settings s = StartWith(base);
        EXPECT_EQ(UserDataFolder(s, base), base + "Programm/") << stored;
        ASSERT_TRUE(SaveSettings(s, base));
        EXPECT_EQ(StoredFolder(file), "") << stored;  // from now on it moves with its folder
    }
    // A folder that merely lies beside or below the base is the user's choice.
    const std::string below = base + "SKDaten/";
    fs::create_directories(below + "Programm");
    testing::WriteFile(file, "\xEF\xBB\xBF\n[Programmeinstellungen]\nAnwenderverzeichnis = " + below + "\n");
    Settings s = StartWith(base);
    EXPECT_EQ(UserDataFolder(s, base), below + "Programm/");
    ASSERT_TRUE(SaveSettings(s, base));
    EXPECT_EQ(StoredFolder(file), below);
}

}  // namespace
}  // namespace sk
