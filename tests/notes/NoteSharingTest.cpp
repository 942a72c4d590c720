// A note edited in two instances on one shared folder, and the recovery
// copy of a note whose window was open when the program was told to end.
#include <gtest/gtest.h>

#include "common/TempFolder.h"
#include "notes/DayNoteModel.h"
#include "notes/NoteRecovery.h"
#include "notes/NoteStore.h"

namespace sk {
namespace {

using testing::TempFolder;

TEST(NoteSharing, SavingSeesWhatAnotherInstanceWroteMeanwhile) {
    TempFolder dir;
    NoteStore mine(dir.Path()), theirs(dir.Path());
    ASSERT_TRUE(theirs.WriteNoteFile("20260010.txt", "alt\r\nzwei"));
    DayNoteModel open(mine, 20260010);
    EXPECT_FALSE(open.Edit().ChangedElsewhere());
    // Line ends alone are no change.
    dir.Put("20260010.txt", "alt\nzwei");
    EXPECT_FALSE(open.Edit().ChangedElsewhere());
    ASSERT_TRUE(theirs.WriteNoteFile("20260010.txt", "von dort"));
    EXPECT_TRUE(open.Edit().ChangedElsewhere());
    ASSERT_TRUE(theirs.WriteNoteFile("20260010.txt", ""));  // deleted there
    EXPECT_TRUE(open.Edit().ChangedElsewhere());

    DayNoteModel fresh(mine, 20260011);  // no file yet
    EXPECT_FALSE(fresh.Edit().ChangedElsewhere());
    ASSERT_TRUE(theirs.WriteNoteFile("20260011.txt", "neu dort"));
    EXPECT_TRUE(fresh.Edit().ChangedElsewhere());
}

TEST(NoteSharing, RecoveryCopyKeepsTheStoredFormAndRestoresIt) {
    TempFolder dir;
    NoteStore store(dir.Path(), "geheim");
    ASSERT_TRUE(store.WriteNoteFile("20260010.txt", "alt"));
    DayNoteModel open(store, 20260010);
    EXPECT_FALSE(PendingNoteRecovery(open.Edit(), 1000));  // nothing unsaved
    open.Edit().SetWorking("Neuer Text\nzweite Zeile");
    const std::optional<NoteRecovery> copy = PendingNoteRecovery(open.Edit(), 1767268800);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->fileName, "20260010.txt");
    EXPECT_EQ(copy->storedBytes, store.StoredFormOf("Neuer Text\r\nzweite Zeile"));  // enciphered, as the file

    ASSERT_TRUE(WriteNoteRecovery(dir.Path(), *copy));
    const std::optional<NoteRecovery> read = ReadNoteRecovery(dir.Path());
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, *copy);
    EXPECT_NE(NoteRecoveryQuestion(*read).find("Eine nicht gespeicherte Notiz vom 01.01.2026"), std::string::npos);
    ASSERT_TRUE(RestoreNoteRecovery(dir.Path(), *read));
    EXPECT_EQ(store.ReadNoteFile("20260010.txt"), "Neuer Text\r\nzweite Zeile");
    EXPECT_FALSE(ReadNoteRecovery(dir.Path()));
}

TEST(NoteSharing, ACopyThatNamesNoNoteFileIsRefused) {
    for (const char* bad : {"Schichtkalender Notizkopie 1\n../../etc/passwd\n5\nx",
                            "Schichtkalender Notizkopie 1\nEinstellungen.dat\n5\nx",
                            "Schichtkalender Notizkopie 1\n20260010.txt\nfünf\nx",
                            "Schichtkalender Notizkopie 1\n20260010.txt", "anderes"}) {
        EXPECT_FALSE(ParseNoteRecovery(bad)) << bad;
    }
    EXPECT_TRUE(ParseNoteRecovery("Schichtkalender Notizkopie 1\n330.jnt\n5\n"));
}

}  // namespace
}  // namespace sk
