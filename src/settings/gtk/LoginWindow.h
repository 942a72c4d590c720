#pragma once
// Login of another user: the window "Anmeldung" and the switch of user.

#include <optional>
#include <string>

#include "ui/WindowContext.h"
#include "settings/LoginModel.h"

namespace sk {

struct LoginAnswer {
    std::string name;
    std::string password;
};

// The window; nothing when it was cancelled.
std::optional<LoginAnswer> RunLoginWindow(WindowContext& context);

// The whole login: window, saving the current user's data, the switch, the
// reload of settings, notes and marks, and the rebuilt main window. True
// when the calendar must be repainted.
bool Login(WindowContext& context);

}  // namespace sk
