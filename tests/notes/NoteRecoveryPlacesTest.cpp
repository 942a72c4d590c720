// A note recovery copy that the data folder refuses goes to the user's own
// state folder, is found there at the next start, and is named when lost.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/TempFolder.h"
#include "notes/NoteRecovery.h"

namespace sk {
namespace {

using testing::TempFolder;

TEST(NoteRecoveryPlaces, StateFolderDependsOnTheDataFolderAndTheEnvironment) {
    const std::string a = NoteRecoveryStateFolder("/d/SKDaten/Anna/", "/st", "/home/x");
    EXPECT_EQ(a.rfind("/st/schichtkalender/Notizkopien/", 0), 0u) << a;
    EXPECT_EQ(a.back(), '/');
    EXPECT_EQ(NoteRecoveryStateFolder("/d/SKDaten/Anna/", "/st", nullptr), a);
    EXPECT_NE(NoteRecoveryStateFolder("/d/SKDaten/Bert/", "/st", "/home/x"), a);  // copies never mix
    // A relative XDG_STATE_HOME is ignored, as the desktop's rules say.
    EXPECT_EQ(NoteRecoveryStateFolder("/d/", "rel", "/home/x").rfind("/home/x/.local/state/schichtkalender/", 0), 0u);
    EXPECT_EQ(NoteRecoveryStateFolder("/d/", nullptr, nullptr), "");
}

TEST(NoteRecoveryPlaces, CopyGoesWhereItCanAndIsFoundThere) {
    const NoteRecovery copy{"20270214.txt", 1800000000, "Text der Notiz"};
    struct Case {
        const char* what;
        bool dataFolderTakesIt;
        bool stateFolderTakesIt;
    } cases[] = {
        {"data folder writable", true, true},
        {"data folder refuses", false, true},
        {"nobody takes it", false, false},
    };
    for (const Case& c : cases) {
        TempFolder root;
        const std::string data = root.Dir() + "daten/";
        if (c.dataFolderTakesIt) std::filesystem::create_directory(data);  // a missing folder refuses every write
        // A file in the way of the state folder refuses it as well.
        if (!c.stateFolderTakesIt) root.Put("zustand", "");
        const std::string state = NoteRecoveryStateFolder(data, (root.Dir() + "zustand").c_str(), nullptr);

        const std::optional<std::string> kept = KeepNoteRecovery(data, state, copy);
        const std::optional<KeptNoteRecovery> found = FindNoteRecovery(data, state);
        if (!c.stateFolderTakesIt) {
            EXPECT_FALSE(kept) << c.what;
            EXPECT_FALSE(found) << c.what;
            EXPECT_EQ(LostNoteText(data, copy),
                      "Die nicht gespeicherte Notiz \"" + data + "20270214.txt\" ging verloren: Keine Kopie konnte "
                      "angelegt werden.");
            continue;
        }
        const std::string expected = c.dataFolderTakesIt ? data : state;
        EXPECT_EQ(kept, expected) << c.what;
        ASSERT_TRUE(found) << c.what;
        EXPECT_EQ(found->folder, expected) << c.what;
        EXPECT_EQ(found->copy, copy) << c.what;

        // Restored into the data folder once it can be written; the copy goes.
        std::filesystem::create_directories(data);
        ASSERT_TRUE(RestoreNoteRecovery(data, found->copy, found->folder)) << c.what;
        EXPECT_EQ(testing::ReadFile(data + "20270214.txt"), "Text der Notiz") << c.what;
        EXPECT_FALSE(FindNoteRecovery(data, state)) << c.what;
    }
}

}  // namespace
}  // namespace sk
