#include "app/SubsystemWindows.h"

#include "settings/LoginWindow.h"
#include "settings/ProgramMenuWindow.h"
#include "settings/SettingsWindow.h"

namespace sk {

bool OpenSubsystemWindow(WindowContext& context, int menuId) {
    (void)context;
    switch (menuId) {
        // Notes and marks.

        // Accounts, settings, users and lists.
        case menu::kProgramMenu: return ShowProgramMenu(context);
        case menu::kSettingsDialog: return EditSettings(context);
        case menu::kLogin: case menu::kLoginF11: return Login(context);

        // Half-year page, clipboard, info menu and help texts.

        default:
            return false;
    }
}

}  // namespace sk
