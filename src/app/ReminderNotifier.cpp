#include "app/ReminderNotifier.h"

#include <ctime>

#include "app/Commands.h"
#include "app/MainWindow.h"
#include "remind/RemindRun.h"
#include "remind/ReminderSources.h"
#include "remind/gtk/ReminderWindow.h"
#include "settings/Users.h"

namespace sk {

namespace {

constexpr const char* kShowDayAction = "reminder-day";
constexpr const char* kShowDayDetailedAction = "app.reminder-day";
constexpr unsigned kFirstRoundSeconds = 2;
constexpr unsigned kRoundSeconds = 60;

// The services GLib's notifications reach: GNOME's own, or the
// freedesktop one every other desktop (and dunst) offers.
constexpr const char* kNotificationServices[] = {"org.gtk.Notifications", "org.freedesktop.Notifications"};

}  // namespace

ReminderNotifier::ReminderNotifier(AppState& state, Gtk::Application& app, MainWindow& window)
    : state_(state), app_(app), window_(window) {}

void ReminderNotifier::Start() {
    app_.add_action_with_parameter(kShowDayAction, Glib::VARIANT_TYPE_INT32, [this](const Glib::VariantBase& value) {
        const int day = Glib::VariantBase::cast_dynamic<Glib::Variant<int>>(value).get();
        TakeEnteredDate(state_, window_, day);
        window_.present();
    });
    Glib::signal_timeout().connect_seconds_once([this] { Round(); }, kFirstRoundSeconds);
    timer_ = Glib::signal_timeout().connect_seconds(
        [this] {
            Round();
            return true;
        },
        kRoundSeconds);
}

bool ReminderNotifier::NotificationServiceAnswers() {
    const Glib::RefPtr<Gio::DBus::Connection> bus = app_.get_dbus_connection();
    if (!bus) return false;
    for (const char* name : kNotificationServices) {
        try {
            const auto reply = bus->call_sync("/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner",
                                              Glib::VariantContainerBase::create_tuple(
                                                  Glib::Variant<Glib::ustring>::create(name)),
                                              "org.freedesktop.DBus");
            Glib::Variant<bool> owned;
            reply.get_child(owned, 0);
            if (owned.get()) return true;
        } catch (const Glib::Error&) {
        }
    }
    return false;
}

void ReminderNotifier::Round() {
    const std::string folder = SettingsFolder(state_.session.baseDataDirectory, state_.settings.userName);
    const ReminderSettingsRead read = LoadReminderSettings(folder);
    // Off, or a file the window will complain about: nothing is sent. A
    // desktop without a notification service leaves the reminders to the
    // helper, unsent and so not lost.
    if (!read.error.empty() || !read.settings.enabled || !NotificationServiceAnswers()) return;
    const DateValue now = static_cast<DateValue>(std::time(nullptr));
    const ReminderInput input = ReminderInputFor(read.settings, ReminderPlanOfProgram(state_), now);
    SendDueReminders(
        folder, input, now,
        [this](const DueReminder& r) {
            const Glib::RefPtr<Gio::Notification> note = Gio::Notification::create(r.title);
            if (!r.body.empty()) note->set_body(r.body);
            note->set_default_action_variant(kShowDayDetailedAction,
                                            Glib::Variant<int>::create(static_cast<int>(r.day)));
            app_.send_notification(r.key, note);
            return true;
        },
        kReminderLockTimeoutInWindow);
}

}  // namespace sk
