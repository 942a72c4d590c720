#include "settings/SettingsStorage.h"

#include "base/FileIO.h"
#include "base/TrimBlanks.h"
#include "settings/SettingsFile.h"
#include "settings/Users.h"

namespace sk {

namespace {
// A settings file is a few hundred bytes; anything beyond this is not ours.
constexpr std::size_t kMaxSettingsFileBytes = 1u << 20;
}  // namespace

void ApplyVacationCycle(VacationOrderTables& tables, int year, int vacationCycle) {
    tables = MakeDefaultVacationOrderTables();
    RotateVacationOrder(tables, year, VacationRotationOf(vacationCycle));
}

void LoadSettings(Settings& settings, const std::string& baseDataDirectory, VacationOrderTables& tables,
                  int currentYear) {
    Settings defaults;
    defaults.userName = settings.userName;
    defaults.userDirectory = baseDataDirectory;
    const std::string path = SettingsFolder(baseDataDirectory, settings.userName) + kSettingsFileName;
    const std::string bytes = ReadRegularFileInItsFolder(path, kMaxSettingsFileBytes).value_or(std::string());
    Settings loaded = ParseSettingsFile(bytes, defaults);
    // The name decides where every later save goes: a name that would leave
    // the base folder is never taken from a file.
    if (!IsAcceptableUserName(loaded.userName)) loaded.userName = settings.userName;
    // The reader trims values; the folder of an older name with blanks at its
    // ends is the name it was read from.
    if (loaded.userName != settings.userName && loaded.userName == TrimBlanks(settings.userName)) {
        loaded.userName = settings.userName;
    }
    if (loaded.userDirectory.empty()) loaded.userDirectory = baseDataDirectory;
    SanitizeSettings(loaded);
    ApplyVacationCycle(tables, currentYear, loaded.vacationCycle);
    settings = std::move(loaded);
}

bool SaveSettings(const Settings& settings, const std::string& baseDataDirectory) {
    if (!IsAcceptableUserName(settings.userName)) return false;
    const std::string path = SettingsFolder(baseDataDirectory, settings.userName) + kSettingsFileName;
    return WriteFileAtomically(path, FormatSettingsFile(settings));
}

}  // namespace sk
