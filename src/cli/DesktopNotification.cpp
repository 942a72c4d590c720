#include "cli/DesktopNotification.h"

#include <dbus/dbus.h>

#include <cstdint>
#include <string_view>

#include "base/Latin1.h"

namespace sk {

namespace {

constexpr const char* kService = "org.freedesktop.Notifications";
constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr const char* kInterface = "org.freedesktop.Notifications";
// A notification service that has not answered by then is not there.
constexpr int kReplyTimeoutMs = 5000;
// The service's own default of how long a notification stays.
constexpr std::int32_t kServerDefaultTimeout = -1;

struct MessageDeleter {
    void operator()(DBusMessage* m) const { dbus_message_unref(m); }
};
using MessagePtr = std::unique_ptr<DBusMessage, MessageDeleter>;

// libdbus ends the process on a string that is not UTF-8: a stray byte of
// a hand-edited file is shown as "?" instead.
std::string ValidUtf8(std::string_view s) {
    std::string out;
    while (!s.empty()) {
        const std::size_t n = ValidUtf8SequenceLength(s);
        out += n == 0 ? std::string_view("?") : s.substr(0, n);
        s.remove_prefix(n == 0 ? 1 : n);
    }
    return out;
}

void AppendString(DBusMessageIter& it, const std::string& text) {
    const std::string s = ValidUtf8(text);
    const char* p = s.c_str();
    dbus_message_iter_append_basic(&it, DBUS_TYPE_STRING, &p);
}

// The hint that ties the notification to the program's desktop entry (its
// name and icon in the notification list).
void AppendHints(DBusMessageIter& it) {
    DBusMessageIter hints, entry, value;
    dbus_message_iter_open_container(&it, DBUS_TYPE_ARRAY, "{sv}", &hints);
    dbus_message_iter_open_container(&hints, DBUS_TYPE_DICT_ENTRY, nullptr, &entry);
    AppendString(entry, "desktop-entry");
    dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, "s", &value);
    AppendString(value, kNotificationDesktopEntry);
    dbus_message_iter_close_container(&entry, &value);
    dbus_message_iter_close_container(&hints, &entry);
    dbus_message_iter_close_container(&it, &hints);
}

}  // namespace

struct DesktopNotifier::Connection {
    DBusConnection* bus = nullptr;
    ~Connection() {
        if (bus) {
            dbus_connection_close(bus);
            dbus_connection_unref(bus);
        }
    }
};

DesktopNotifier::DesktopNotifier() = default;
DesktopNotifier::~DesktopNotifier() = default;

bool DesktopNotifier::Send(const std::string& title, const std::string& body) {
    DBusError error;
    dbus_error_init(&error);
    if (!connection_) {
        // A private connection: closed again when the helper is done.
        DBusConnection* bus = dbus_bus_get_private(DBUS_BUS_SESSION, &error);
        if (!bus) {
            lastError_ = std::string("keine D-Bus-Sitzung (") + (error.message ? error.message : "") + ")";
            dbus_error_free(&error);
            return false;
        }
        dbus_connection_set_exit_on_disconnect(bus, FALSE);
        connection_ = std::make_unique<Connection>();
        connection_->bus = bus;
    }
    const MessagePtr call(dbus_message_new_method_call(kService, kPath, kInterface, "Notify"));
    if (!call) {
        lastError_ = "kein Speicher";
        return false;
    }
    DBusMessageIter it, actions;
    dbus_message_iter_init_append(call.get(), &it);
    AppendString(it, kNotificationAppName);
    const dbus_uint32_t replaces = 0;
    dbus_message_iter_append_basic(&it, DBUS_TYPE_UINT32, &replaces);
    AppendString(it, kNotificationDesktopEntry);  // the icon of the program
    AppendString(it, title);
    AppendString(it, body);
    dbus_message_iter_open_container(&it, DBUS_TYPE_ARRAY, "s", &actions);
    dbus_message_iter_close_container(&it, &actions);
    AppendHints(it);
    const dbus_int32_t timeout = kServerDefaultTimeout;
    dbus_message_iter_append_basic(&it, DBUS_TYPE_INT32, &timeout);

    const MessagePtr reply(
        dbus_connection_send_with_reply_and_block(connection_->bus, call.get(), kReplyTimeoutMs, &error));
    if (!reply) {
        lastError_ = std::string("kein Benachrichtigungsdienst (") + (error.message ? error.message : "") + ")";
        dbus_error_free(&error);
        return false;
    }
    lastError_.clear();
    return true;
}

}  // namespace sk
