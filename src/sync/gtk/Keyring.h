#pragma once
// The password of the calendar server in the desktop's keyring (the Secret
// Service, through libsecret), under the server address and user name.

#include <optional>
#include <string>

namespace sk {

// Nothing when no keyring answers or it holds no password for them.
std::optional<std::string> LookUpSyncPassword(const std::string& serverUrl, const std::string& user);
// False when no keyring took it.
bool StoreSyncPassword(const std::string& serverUrl, const std::string& user, const std::string& password);

}  // namespace sk
