#include "sync/gtk/Keyring.h"

#include <libsecret/secret.h>

namespace sk {

namespace {

const SecretSchema* Schema() {
    static const SecretSchema schema = {
        "de.haldenau.Schichtkalender.Kalenderabgleich",
        SECRET_SCHEMA_NONE,
        {{"server", SECRET_SCHEMA_ATTRIBUTE_STRING}, {"user", SECRET_SCHEMA_ATTRIBUTE_STRING}, {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
        0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
    return &schema;
}

}  // namespace

std::optional<std::string> LookUpSyncPassword(const std::string& serverUrl, const std::string& user) {
    GError* error = nullptr;
    gchar* password = secret_password_lookup_sync(Schema(), nullptr, &error, "server", serverUrl.c_str(), "user",
                                                  user.c_str(), nullptr);
    if (error != nullptr) g_error_free(error);
    if (password == nullptr) return std::nullopt;
    std::string kept = password;
    secret_password_free(password);
    return kept;
}

bool StoreSyncPassword(const std::string& serverUrl, const std::string& user, const std::string& password) {
    GError* error = nullptr;
    const std::string label = "Schichtkalender: Kalender-Abgleich " + user + " @ " + serverUrl;
    const gboolean ok = secret_password_store_sync(Schema(), SECRET_COLLECTION_DEFAULT, label.c_str(), password.c_str(),
                                                   nullptr, &error, "server", serverUrl.c_str(), "user", user.c_str(),
                                                   nullptr);
    if (error != nullptr) g_error_free(error);
    return ok != FALSE;
}

}  // namespace sk
