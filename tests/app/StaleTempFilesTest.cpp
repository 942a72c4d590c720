// Temporary files that interrupted saves left behind are swept from every
// folder the program writes, the settings folder of a shared-folder user too.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <filesystem>

#include "app/StartUp.h"
#include "common/TempFolder.h"

namespace sk {
namespace {

using testing::TempFolder;

void PutOld(const std::string& path) {
    testing::WriteFile(path, "halb");
    const utimbuf old{1000000000, 1000000000};
    ::utime(path.c_str(), &old);
}

TEST(StaleTempFiles, SweptFromTheSettingsAndTheDataFolder) {
    for (const bool shared : {false, true}) {
        TempFolder work, share;
        AppState state;
        ASSERT_TRUE(EnterDataDirectory(state, work.Path()));
        const std::string settingsFolder = state.session.baseDataDirectory + "Programm/";
        std::string dataFolder = settingsFolder;
        if (shared) {
            std::filesystem::create_directories(share.Dir() + "SKDaten/Programm");
            dataFolder = share.Dir() + "SKDaten/Programm/";
            state.settings.userDirectory = share.Dir() + "SKDaten/";
        } else {
            state.settings.userDirectory = state.session.baseDataDirectory;
        }
        state.userDataFolder = UserDataFolder(state.settings, state.session.baseDataDirectory);
        ASSERT_EQ(state.userDataFolder, dataFolder);
        PutOld(settingsFolder + "Einstellungen.dat.tmp-abcdefghij");
        PutOld(dataFolder + "Schichtmarkierung.dat.tmp-klmnopqrst");
        testing::WriteFile(settingsFolder + "Einstellungen.dat.tmp-jetzt12345", "im Gange");  // a save going on
        LoadUserData(state);
        EXPECT_FALSE(std::filesystem::exists(settingsFolder + "Einstellungen.dat.tmp-abcdefghij")) << shared;
        EXPECT_FALSE(std::filesystem::exists(dataFolder + "Schichtmarkierung.dat.tmp-klmnopqrst")) << shared;
        EXPECT_TRUE(std::filesystem::exists(settingsFolder + "Einstellungen.dat.tmp-jetzt12345")) << shared;
    }
}

}  // namespace
}  // namespace sk
