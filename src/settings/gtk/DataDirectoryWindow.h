#pragma once
// The change of the data folder: the folder chooser "Wähle das neue
// Programmverzeichnis" and the move of the user's data into the chosen folder.

#include <string>

#include "ui/WindowContext.h"

namespace sk {

// The chosen folder (ending in "/"), empty when cancelled.
std::string ChooseDataDirectory(WindowContext& context);

// Moves the user's data to "SKDaten/<user>/" in `folder` (asking before it
// overwrites an existing one) and reloads notes and marks from there. On
// failure the message is shown and the old folder stays in use. True on success.
bool ChangeDataDirectory(WindowContext& context, const std::string& folder);

// The program-menu entry: chooser, then the change when a folder was chosen.
bool ChooseAndChangeDataDirectory(WindowContext& context);

}  // namespace sk
