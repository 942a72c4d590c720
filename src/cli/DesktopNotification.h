#pragma once
// Notifications of the desktop (org.freedesktop.Notifications on the
// session bus), for the background helper: it runs without the toolkit.

#include <memory>
#include <string>

namespace sk {

inline constexpr const char* kNotificationAppName = "Schichtkalender";
inline constexpr const char* kNotificationDesktopEntry = "de.haldenau.Schichtkalender";

class DesktopNotifier {
public:
    DesktopNotifier();
    ~DesktopNotifier();
    DesktopNotifier(const DesktopNotifier&) = delete;
    DesktopNotifier& operator=(const DesktopNotifier&) = delete;

    // Shows one notification; false with the reason in lastError when the
    // session bus or its notification service could not be reached.
    bool Send(const std::string& title, const std::string& body);
    const std::string& LastError() const { return lastError_; }

private:
    struct Connection;
    std::unique_ptr<Connection> connection_;
    std::string lastError_;
};

}  // namespace sk
