#include "ui/SessionSave.h"

#include "settings/LoginModel.h"
#include "settings/SettingsStorage.h"

namespace sk {

std::vector<std::string> SaveSessionData(AppState& state) {
    std::vector<std::string> failed = SaveChangedMarks(state.userDataFolder, state.calendarMarks, state.shiftMarks);
    const Settings& s = state.settings;
    if (!SaveSettings(s, state.session.baseDataDirectory)) {
        failed.push_back(SettingsFolder(state.session.baseDataDirectory, s.userName) + kSettingsFileName);
    }
    return failed;
}

}  // namespace sk
