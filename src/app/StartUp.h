#pragma once
// The parts of start-up and shutdown that need no window: data folders,
// settings, the user's data, and saving what changed at the end.

#include <future>
#include <optional>
#include <string>
#include <vector>

#include "ui/AppState.h"
#include "ui/SessionSave.h"

namespace sk {

// Creates "SKDaten" and the default user's folder in the working folder.
bool EnterDataDirectory(AppState& state, const std::string& workingDirectory);

// Reads the settings of the current user (brought into range).
// Returns the message to show when the stored shared data folder is
// missing (the settings are then already saved with the base folder).
std::optional<std::string> LoadUserSettings(AppState& state, int currentYear);

// Reads the own shift plan of the user data folder. A stored own plan type
// without a valid plan file falls back to type 0; the message says why
// (the file is left as it is).
std::optional<std::string> LoadOwnPlan(AppState& state);

// Loads notes and marks of the user data folder and points the painting
// sources at them.
void LoadUserData(AppState& state);
// The school holidays of the user's state and data folder; a problem with
// the shipped file is kept for TakeSchoolHolidayProblem unless one was shown.
void LoadStateSchoolHolidays(AppState& state);
// That problem's text, once a run.
std::optional<std::string> TakeSchoolHolidayProblem(AppState& state);
// The same on a second thread, so listing a folder of many thousand notes
// (tens of milliseconds in the kernel) overlaps the toolkit's start; the
// result is RefusedLinksMessage, found there too. Until get() returned,
// nothing may touch the user data or the sources, nor change the settings.
std::future<std::optional<std::string>> StartLoadingUserData(AppState& state);

// The files of the settings folder and the user data folder that were not
// read because they are links leading out of their folder (another user of
// a shared folder may plant them): the text to show once, or nothing.
std::optional<std::string> RefusedLinksMessage(const AppState& state);
// Whether the program keeps a file of this name in a user's folders.
bool IsDataFileName(std::string_view name);

// The folder of the user's own that keeps a note recovery copy when the
// user data folder refuses it.
std::string NoteRecoveryStateFolderOf(const AppState& state);

// Before a repaint: reads again what another instance on the same data
// folder changed (mark files, the note folder), one stat each. True when
// anything was read again.
bool RereadChangedData(AppState& state);

// First displayed month and the cursor on today.
void PlaceCursorOnToday(AppState& state, const DayContext& today);

}  // namespace sk
