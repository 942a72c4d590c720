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
    if (!IsBaseDataDirectory(settings.userDirectory, baseDataDirectory)) {
        return WriteFileAtomically(path, FormatSettingsFile(settings));
    }
    // The default folder is written empty, which every reader takes as "the
    // base folder of this run": a copy of "SKDaten" then uses itself, not
    // the folder it was copied from.
    Settings stored = settings;
    stored.userDirectory.clear();
    return WriteFileAtomically(path, FormatSettingsFile(stored));
}

bool IsBaseDataDirectory(std::string_view userDirectory, std::string_view baseDataDirectory) {
    const auto withoutSlash = [](std::string_view p) {
        while (p.size() > 1 && p.back() == '/') p.remove_suffix(1);
        return p;
    };
    return userDirectory.empty() || withoutSlash(userDirectory) == withoutSlash(baseDataDirectory);
}

}  // namespace sk
