#pragma once
// While the program runs it sends the due reminders itself, as the
// desktop's notifications; a click on one shows its day in the calendar.

#include <gtkmm.h>

#include "ui/AppState.h"
#include "ui/CommandHost.h"

namespace sk {

class MainWindow;

class ReminderNotifier {
public:
    ReminderNotifier(AppState& state, Gtk::Application& app, MainWindow& window);
    // Registers the click action and starts the rounds (one soon after
    // start, then every minute).
    void Start();

private:
    void Round();
    bool NotificationServiceAnswers();

    AppState& state_;
    Gtk::Application& app_;
    MainWindow& window_;
    sigc::connection timer_;
};

}  // namespace sk
