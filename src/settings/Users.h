#pragma once
// Users and their folders. Settings live in the base data directory
// ("SKDaten" of the working directory) + user name; notes, marks and the
// account files in the user data folder, the same place unless a shared data
// folder is chosen. Every path here ends in "/". No function changes the
// process's current directory: callers pass the folders on.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/Settings.h"

namespace sk {

inline constexpr const char* kDataFolderName = "SKDaten";
// Limit of the name and of the password, in characters.
inline constexpr int kMaxUserNameLength = 32;
inline constexpr int kMaxPasswordLength = 32;

// Texts of the login and of the data folder change.
namespace user_texts {
inline constexpr const char* kInfoTitle = "Info";
inline constexpr const char* kErrorTitle = "Fehler";
inline constexpr const char* kQuestionTitle = "Frage";
inline constexpr const char* kNameTruncated = "Die Länge des Benutzenamens wurde auf 32 Zeichen gekürzt!";
inline constexpr const char* kCharacterNotAllowed = "Das eingebene Zeichen ist nicht erlaubt!";
inline constexpr const char* kPasswordTooLong =
    "Das eingegeben Passwort hat die erlaubte Maximallänge von 32 überschritten und wurde gelöscht!";
inline constexpr const char* kNameMissing = "Benutzername fehlt!";
inline constexpr const char* kNoNewUser = "Es wurde kein neuer Anwender angemeldet!";
inline constexpr const char* kFolderExists =
    "Das Verzeichnis existiert bereits! Sollen bereits vorhandene Dateien gelöscht und überschrieben werden?";
inline constexpr const char* kFolderNotOpened = "Das neue Verzeichnis konnte nicht eröffnet werden!";
inline constexpr const char* kCopyTakenBack =
    "\r\nDie Kopie brach ab; was davon schon im neuen Verzeichnis stand, wurde wieder entfernt.";
inline constexpr const char* kTitlePrefix = "Velmo Schichtkalender  - Benutzername: ";
}  // namespace user_texts

// What lives only in memory for the logged-in user.
struct UserSession {
    std::string baseDataDirectory;  // full path of "SKDaten" with a trailing "/"
    std::string userPassword;       // key of the note cipher; empty = plain notes
};

// Creates "SKDaten" in the working directory and the folder of the default
// user in it (existing folders are used as they are) and returns the full
// path of "SKDaten" with "/"; nothing when a folder cannot be made.
std::optional<std::string> EnterBaseDataDirectory(const std::string& workingDirectory);

// base + name + "/": the folder of the user's settings file.
std::string SettingsFolder(const std::string& baseDataDirectory, const std::string& userName);
// userDirectory + name + "/" (base when userDirectory is empty): notes, marks, accounts.
std::string UserDataFolder(const Settings& settings, const std::string& baseDataDirectory);

// Start-up check of a stored shared folder: "\" become "/", a missing final
// "/" is added. When the folder exists, the user's folder in it is created
// if needed and nothing is returned. Otherwise userDirectory is reset to the
// base and the message text is returned (the caller shows it under "Fehler"
// and saves the settings).
std::optional<std::string> CheckUserDirectory(Settings& settings, const std::string& baseDataDirectory);

// A name that can be a user: 1-32 characters of valid UTF-8, no character
// below code 32, no "/", not "." or "..": a single plain folder name below
// the base folder.
bool IsAcceptableUserName(std::string_view name);

// A message the login window shows: title and text.
struct UserMessage {
    std::string title;
    std::string text;
};

// One change of the name field. `text` is what the field must show
// afterwards, `acceptedName` the name accepted so far.
struct NameEdit {
    std::string text;
    std::string acceptedName;
    std::vector<UserMessage> messages;
};
// A text longer than 32 characters is cut (message "Info"); a text holding a
// character below 32 or "/" is refused (message "Fehler") and the field goes
// back to the last accepted name, or to empty when the text was a single
// character. Otherwise the text becomes the accepted name.
NameEdit CheckUserNameEdit(std::string_view newText, std::string_view lastAccepted);

// One change of the password field: nothing when it is acceptable, else the
// message; the field is then emptied.
std::optional<UserMessage> CheckPasswordEdit(std::string_view text);
// "5 von max. 32 Zeichen." for the length counter.
std::string PasswordCounterText(std::string_view password);

// "Anmelden": nothing when the name may be taken, else the message
// (an empty name, or a name such as "." or ".." that is no folder of its own).
std::optional<UserMessage> CheckLoginAcceptance(std::string_view acceptedName);

// The main-window title for a user.
std::string MainWindowTitle(std::string_view userName);

struct LoginOutcome {
    bool loggedIn = false;
    std::optional<UserMessage> error;
};
// The steps after the login window returned a non-empty name. The caller has
// already saved changed marks of the current user. Saves the current
// settings; creates the new user's folder when it is missing (then the new
// user starts with a copy of the current settings, apart from name and
// shared folder); switches `settings.userName` and sets the password.
// On failure nothing changes (the password neither). Afterwards the caller
// reloads settings (LoadSettings), note indexes and marks from the new
// folders and sets MainWindowTitle.
LoginOutcome LoginUser(std::string_view name, std::string_view password, Settings& settings,
                       UserSession& session);

// The parent of a folder path ending in "/": "/a/b/c/" gives "/a/b/".
// "/" stays "/"; a path without a parent gives "".
std::string ParentFolder(std::string_view path);

// Where the folder chooser starts: the folder that holds "SKDaten".
std::string DataDirectoryChooserStart(const UserSession& session);

struct ChangeDirectoryOutcome {
    bool changed = false;
    std::string userDataFolder;       // the new one on success
    std::optional<UserMessage> error;  // "Fehler" text on failure
};
// Moves the user's data to "SKDaten/<user>/" inside `folder`.
// `askOverwrite` is asked when that user folder exists already (true = copy
// the current data over it); `saveMarks` saves changed marks into the
// current data folder before copying. On success settings.userDirectory is
// the new "SKDaten/" folder; the caller reloads notes and marks.
//
// Safety: only the target user folder is written to or deleted in; choosing
// the folder in use copies nothing and deletes nothing; the target is never
// copied into itself; stale note files of the target are deleted only after
// the copy succeeded; the settings file is never copied (settings stay with
// the machine) and a settings file in the target is left alone.
ChangeDirectoryOutcome ChangeDataDirectory(std::string_view folder, Settings& settings,
                                           const UserSession& session,
                                           const std::function<bool()>& askOverwrite,
                                           const std::function<void()>& saveMarks);

}  // namespace sk
