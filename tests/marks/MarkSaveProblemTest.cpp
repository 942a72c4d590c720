// A mark save that fails names its real cause: a folder that cannot be
// written is not a folder "in use by another program".
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "common/TempFolder.h"
#include "marks/CalendarMarks.h"
#include "marks/ShiftMarks.h"

namespace sk {
namespace {

using testing::TempFolder;

// Runs `save` in a child process that sees `folder` read-only (a read-only
// bind mount in a mount namespace of its own for root, whom modes do not
// stop; the folder's modes otherwise) and returns what it returned.
int InReadOnlyFolder(const std::string& folder, const std::function<int()>& save) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0) {
            if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
                ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
                ::_exit(100);
            }
        } else if (::chmod(folder.c_str(), 0555) != 0) {
            ::_exit(100);
        }
        ::_exit(save());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (::geteuid() != 0) ::chmod(folder.c_str(), 0755);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(MarkSaveProblem, ReadOnlyFolderIsNamedNotCalledBusy) {
    const DayNumber day = DayNumberOf(2027, 5, 3);
    const std::function<int(const std::string&)> saves[] = {
        [day](const std::string& folder) {
            ShiftMarkList marks;
            marks.Load(folder);
            marks.ApplyChoice(0, day, 1, 1);
            return marks.Save(folder) ? 0 : static_cast<int>(marks.lastProblem);
        },
        [day](const std::string& folder) {
            CalendarMarkList marks;
            marks.Load(folder);
            marks.SaveMarkEntry(day, day + 2, 0xff);
            return marks.Save(folder) ? 0 : static_cast<int>(marks.lastProblem);
        },
    };
    // Without a lock file the lock cannot be made; with one left by an
    // earlier save the lock is had and the write itself fails.
    for (const bool lockFileThere : {false, true}) {
        for (const auto& save : saves) {
            TempFolder dir;
            if (lockFileThere) dir.Put(kMarkLockFileName, "");
            const int result = InReadOnlyFolder(dir.Dir(), [&] { return save(dir.Dir()); });
            ASSERT_NE(result, 100) << "could not make the folder read-only";
            EXPECT_EQ(result, static_cast<int>(MarkSaveProblem::FolderNotWritable)) << lockFileThere;
            // Nothing to lose: the folder holds what it held.
            EXPECT_EQ(dir.Count(), lockFileThere ? 1u : 0u);
        }
    }
    const std::string text = MarkSaveMessage(MarkSaveProblem::FolderNotWritable, "/daten/SKDaten/Programm/");
    EXPECT_NE(text.find("\"/daten/SKDaten/Programm/\" kann nicht beschrieben werden"), std::string::npos) << text;
    EXPECT_EQ(text.find("anderen Programm"), std::string::npos) << text;
}

TEST(MarkSaveProblem, LockFileThatCannotBeOpenedIsNoBusyFolder) {
    // A folder planted where the lock file belongs: the folder is writable,
    // so the save fails plainly, at once, without waiting for a holder.
    TempFolder dir;
    ::mkdir(dir.File(kMarkLockFileName).c_str(), 0755);
    ShiftMarkList marks;
    marks.Load(dir.Dir());
    marks.ApplyChoice(0, DayNumberOf(2027, 5, 3), 1, 1);
    EXPECT_FALSE(marks.Save(dir.Dir()));
    EXPECT_EQ(marks.lastProblem, MarkSaveProblem::WriteFailed);
    EXPECT_TRUE(marks.changed);  // kept for the next try
}

}  // namespace
}  // namespace sk
