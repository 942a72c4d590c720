// Files in a folder others can write to: planted links, modes, leftovers of
// interrupted saves, pipes in place of data files, the shared-folder lock.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <filesystem>

#include "accounting/HoursAccount.h"
#include "accounting/RemainingVacation.h"
#include "common/TempFolder.h"
#include "notes/NoteStore.h"
#include "base/FileIO.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStorage.h"

namespace sk {
namespace {

using testing::TempFolder;
namespace fs = std::filesystem;

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode & 07777;
}

void AgeFile(const std::string& path, int seconds) {
    const timeval old[2] = {{::time(nullptr) - seconds, 0}, {::time(nullptr) - seconds, 0}};
    ::lutimes(path.c_str(), old);
}

TEST(FileSafety, PlantedLinksAtTheOldTempNamesAreNeverWrittenThrough) {
    TempFolder dir, outside;
    for (const char* name : {"Schichtmarkierung.dat", "Einstellungen.dat", "20260101.txt"}) {
        SCOPED_TRACE(name);
        const std::string victim = outside.File(name);
        testing::WriteFile(victim, "fremd");
        fs::create_symlink(victim, dir.File(std::string(name) + ".tmp-" + std::to_string(::getpid())));
        ASSERT_TRUE(WriteFileAtomically(dir.File(name), "neu"));
        EXPECT_EQ(outside.Get(name), "fremd");
        EXPECT_EQ(dir.Get(name), "neu");
    }
    EXPECT_EQ(dir.Count(), 6u);  // three files, three planted links, no temp file left
}

TEST(FileSafety, ASavedFileKeepsItsModeANewOneFollowsTheUmask) {
    TempFolder dir;
    const mode_t oldMask = ::umask(022);
    for (const mode_t mode : {0600, 0660, 0640, 0644}) {
        const std::string path = dir.File("note-" + std::to_string(mode));
        testing::WriteFile(path, "alt");
        ::chmod(path.c_str(), mode);
        ASSERT_TRUE(WriteFileAtomically(path, "neu"));
        EXPECT_EQ(ModeOf(path), mode);
    }
    ASSERT_TRUE(WriteFileAtomically(dir.File("new-022"), "x"));
    EXPECT_EQ(ModeOf(dir.File("new-022")), 0644u);
    ::umask(077);
    ASSERT_TRUE(WriteFileAtomically(dir.File("new-077"), "x"));
    EXPECT_EQ(ModeOf(dir.File("new-077")), 0600u);
    ::umask(oldMask);
}

TEST(FileSafety, StaleTempFilesOfInterruptedSavesGoAtStart) {
    TempFolder dir, outside;
    struct Entry {
        std::string name;
        int ageSeconds;
        bool removed;
    } entries[] = {
        {"Schichtmarkierung.dat.tmp-4711", 120, true},   // older writer: pid suffix
        {"20260101.txt.tmp-aZ09bY18cX", 120, true},      // random suffix
        {"Einstellungen.dat.tmp-4712", 10, false},       // perhaps a save in progress
        {"Kalendermarkierung.dat", 120, false},
        {"notiz.tmp-", 120, false},
        {"a.tmp-b-c", 120, false},
    };
    for (const auto& e : entries) {
        dir.Put(e.name, "x");
        AgeFile(dir.File(e.name), e.ageSeconds);
    }
    testing::WriteFile(outside.File("target"), "x");
    fs::create_symlink(outside.File("target"), dir.File("link.dat.tmp-42"));
    AgeFile(dir.File("link.dat.tmp-42"), 120);
    fs::create_directory(dir.File("folder.tmp-43"));
    AgeFile(dir.File("folder.tmp-43"), 120);

    EXPECT_EQ(RemoveStaleTempFiles(dir.Path()), 2);
    for (const auto& e : entries) EXPECT_EQ(dir.Exists(e.name), !e.removed) << e.name;
    EXPECT_TRUE(fs::is_symlink(dir.File("link.dat.tmp-42")));
    EXPECT_TRUE(outside.Exists("target"));
    EXPECT_TRUE(dir.Exists("folder.tmp-43"));
}

TEST(FileSafety, PipesInPlaceOfDataFilesReadAsMissing) {
    // Each read would wait for a writer forever if it opened the pipe blocking.
    TempFolder dir;
    for (const char* name : {kSettingsFileName, kVacationDaysFileName, kHoursFileName})
        ASSERT_EQ(::mkfifo(dir.File(name).c_str(), 0600), 0);
    Settings settings;
    VacationOrderTables tables = MakeDefaultVacationOrderTables();
    LoadSettings(settings, dir.Dir(), tables, 2026);
    EXPECT_EQ(settings.placeName, Settings().placeName);
    HoursRecord hours;
    LoadHours(dir.Dir(), hours);
    EXPECT_EQ(hours.hoursCountStart, HoursRecord().hoursCountStart);
    VacationDays days;
    LoadVacationDays(dir.Dir(), days, 2026);
    EXPECT_EQ(days.vacationDaysLeft, 0);
    EXPECT_FALSE(ReadFileBytes(dir.File(kSettingsFileName)));
}

TEST(FileSafety, NoteReadsFollowNoLinkOutOfTheFolder) {
    TempFolder dir, outside;
    testing::WriteFile(outside.File("secret"), "geheim");
    dir.Put("20260101.txt", "eigene Notiz");
    fs::create_symlink(outside.File("secret"), dir.File("20260102.txt"));
    fs::create_symlink("../" + fs::path(outside.Path()).filename().string() + "/secret", dir.File("20260103.txt"));
    fs::create_symlink(dir.File("20260101.txt"), dir.File("20260104.txt"));  // inside: still a note

    NoteStore store(dir.Path());
    store.ScanAll();
    EXPECT_EQ(store.DayNoteIndex(), (std::vector<std::int32_t>{20260101, 20260104}));
    EXPECT_EQ(store.ReadNoteFile("20260102.txt"), "");
    EXPECT_EQ(store.ReadNoteFile("20260103.txt"), "");
    EXPECT_EQ(store.ReadNoteFile("20260104.txt"), "eigene Notiz");
}

TEST(FileSafety, LongFontAndPlaceNamesAreCutWhenWrittenAndRead) {
    Settings s;
    s.fontName = std::string(5000, 'F');
    s.placeName = std::string(3000, 'O');
    const Settings back = ParseSettingsFile(FormatSettingsFile(s), Settings());
    EXPECT_EQ(back.fontName, std::string(kMaxSettingsNameCharacters, 'F'));
    EXPECT_EQ(back.placeName, std::string(kMaxSettingsNameCharacters, 'O'));
    // A cut that ends on a blank must not leave a name that reads back shorter.
    s.fontName = std::string(kMaxSettingsNameCharacters - 1, 'F') + "  Bold";
    const std::string once = FormatSettingsFile(s);
    EXPECT_EQ(FormatSettingsFile(ParseSettingsFile(once, Settings())), once);
    // A hand-made file with a giant name loses nothing after it.
    const std::string file = "[Programmeinstellungen]\nFontname = " + std::string(900000, '\xC3') + "\nFontgr\xF6\xDF" +
                             "e = 14\n";
    const Settings read = ParseSettingsFile(file, Settings());
    EXPECT_LE(read.fontName.size(), 2 * kMaxSettingsNameCharacters);
    EXPECT_EQ(read.fontSize, 14);
}

TEST(FileSafety, TheFolderLockIsExclusiveAndTimesOut) {
    TempFolder dir;
    std::optional<FolderLock> first = FolderLock::Acquire(dir.Path(), ".lock", std::chrono::milliseconds(0));
    ASSERT_TRUE(first);
    EXPECT_FALSE(FolderLock::Acquire(dir.Path(), ".lock", std::chrono::milliseconds(30)));
    first.reset();
    EXPECT_TRUE(FolderLock::Acquire(dir.Path(), ".lock", std::chrono::milliseconds(0)));
    ASSERT_EQ(::mkfifo(dir.File(".pipe").c_str(), 0600), 0);
    EXPECT_FALSE(FolderLock::Acquire(dir.Path(), ".pipe", std::chrono::milliseconds(0)));
}

// The three readers stop at the size the file has, also around the size of
// one read, and at the limit they are given.
TEST(FileSafety, ReadersReturnWholeFilesOfEverySizeUpToTheLimit) {
    TempFolder dir;
    const FolderReader folder(dir.Path());
    for (const std::size_t size : {0, 1, 4095, 65535, 65536, 65537, 200000}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>('a' + i % 23);
        dir.Put("f.txt", bytes);
        EXPECT_EQ(folder.Read("f.txt", 1 << 20), bytes) << size;
        EXPECT_EQ(ReadRegularFileInItsFolder(dir.File("f.txt"), 1 << 20), bytes) << size;
        EXPECT_EQ(ReadFileBytes(dir.File("f.txt")), bytes) << size;
        EXPECT_EQ(folder.Read("f.txt", 65536), bytes.substr(0, 65536)) << size;
    }
}

}  // namespace
}  // namespace sk
