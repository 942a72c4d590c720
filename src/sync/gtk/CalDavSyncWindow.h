#pragma once
// The window "Kalender-Abgleich": server, user, password, crew, automatic
// sync, and the last result; "Jetzt abgleichen" starts a sync that runs
// without holding the window.

#include "ui/WindowContext.h"

namespace sk {

bool OpenCalDavSyncWindow(WindowContext& context);

}  // namespace sk
