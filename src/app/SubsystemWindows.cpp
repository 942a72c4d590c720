#include "app/SubsystemWindows.h"

namespace sk {

bool OpenSubsystemWindow(WindowContext& context, int menuId) {
    (void)context;
    switch (menuId) {
        // Notes and marks.

        // Accounts, settings, users and lists.

        // Half-year page, clipboard, info menu and help texts.

        default:
            return false;
    }
}

}  // namespace sk
