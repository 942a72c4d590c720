#pragma once
// The login window "Anmeldung" without the window: the state of its two
// fields and the switch to the new user once a name is accepted.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/Settings.h"
#include "settings/Users.h"

namespace sk {

class CalendarMarkList;
class ShiftMarkList;

inline constexpr const char* kLoginWindowTitle = "Anmeldung";

// What the window must do after one change of a field: show the messages in
// order, then put `text` back into the field when `replace` is set.
struct FieldReaction {
    std::vector<UserMessage> messages;
    bool replace = false;
    std::string text;
};

class LoginForm {
public:
    // The name field changed to `text`.
    FieldReaction NameChanged(std::string_view text);
    // The password field changed to `text`.
    FieldReaction PasswordChanged(std::string_view text);
    // "Anmelden" or Return: the message to show (the name field then gets
    // the focus again), or nothing when the login may go on.
    std::optional<UserMessage> Accept(const std::string& baseDataDirectory) const;

    const std::string& AcceptedName() const { return acceptedName_; }
    const std::string& Password() const { return password_; }
    // Counter of the password length, "3 von max. 32 Zeichen.".
    std::string PasswordCounter() const { return PasswordCounterText(password_); }

private:
    std::string acceptedName_;
    std::string password_;
};

// The login after the window returned a name: changed marks are saved into
// the current data folder, then the settings, then the user is switched
// (LoginUser). On failure nothing else changes. The caller then reloads the
// new user's settings, notes and marks and sets the window title.
LoginOutcome SwitchUser(std::string_view name, std::string_view password, Settings& settings,
                        UserSession& session, const std::string& currentDataFolder,
                        CalendarMarkList& calendarMarks, ShiftMarkList& shiftMarks);

// Saves the marks that changed into `folder` (before a switch of user or
// folder); the paths of the files that could not be written.
std::vector<std::string> SaveChangedMarks(const std::string& folder, CalendarMarkList& calendarMarks, ShiftMarkList& shiftMarks);

}  // namespace sk
