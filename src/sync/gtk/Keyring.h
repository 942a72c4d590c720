#pragma once
// The password of the calendar server in the desktop's keyring (the Secret
// Service, through libsecret), under the server address and user name.

#include <optional>
#include <string>

namespace sk {

struct KeyringAnswer {
    bool available = false;           // a keyring answered
    std::optional<std::string> password;
};

KeyringAnswer LookUpSyncPassword(const std::string& serverUrl, const std::string& user);
// False when no keyring took it.
bool StoreSyncPassword(const std::string& serverUrl, const std::string& user, const std::string& password);

}  // namespace sk
