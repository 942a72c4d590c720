#pragma once
// The window "Kalender-Abgleich": server, user, password, crew, automatic
// sync, and the last result; "Jetzt abgleichen" starts a sync that runs
// without holding the window.

#include "sync/SyncService.h"
#include "ui/WindowContext.h"

namespace sk {

bool OpenCalDavSyncWindow(WindowContext& context);

// The program's one calendar sync, with the desktop's keyring for passwords.
CalDavSyncService& CalDavSync();
// The plan's inputs as the program holds them.
SyncPlanInputs SyncPlanInputsOf(AppState& state);
// The program's clock: collects a finished sync and starts a due automatic
// one; its first failure in a row is told in a message box.
void TickCalDavSync(AppState& state, CommandHost& host);

}  // namespace sk
