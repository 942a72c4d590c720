// Schichtkalender: the shift calendar of the mills, one window.

#include <glib-unix.h>
#include <gtkmm.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <future>
#include <iostream>
#include <string>
#include <vector>

#include "ui/AppState.h"
#include "app/ClipboardCopy.h"
#include "app/IdleAnswer.h"
#include "app/LostDisplay.h"
#include "app/MainWindow.h"
#include "app/ReminderNotifier.h"
#include "app/StartUp.h"
#include "settings/SaveFailures.h"
#include "notes/NoteRecovery.h"
#include "sync/gtk/CalDavSyncWindow.h"
#include "ui/MessageBox.h"

namespace {

std::string WorkingDirectory() {
    std::string path(4096, '\0');
    if (!getcwd(path.data(), path.size())) return ".";
    path.resize(std::char_traits<char>::length(path.c_str()));
    return path;
}

// The desktop's default sans family (from its interface font).
std::string DesktopSansFamily() {
    auto settings = Gtk::Settings::get_default();
    if (settings) {
        const Pango::FontDescription desc(settings->property_gtk_font_name().get_value());
        const std::string family = desc.get_family();
        if (!family.empty()) return family;
    }
    return "Sans";
}

// Whether the program's icon is installed in the hicolor theme of a data
// folder the desktop searches. Asking GTK for a missing icon loads whole
// icon themes for nothing (about 1.7 MB and 30 M instructions).
bool IconIsInstalled(const std::string& iconName) {
    std::vector<std::string> folders{Glib::get_user_data_dir()};
    for (const std::string& dir : Glib::get_system_data_dirs()) folders.push_back(dir);
    for (const std::string& dir : folders) {
        if (Glib::file_test(dir + "/icons/hicolor/scalable/apps/" + iconName + ".svg", Glib::FILE_TEST_EXISTS)) {
            return true;
        }
    }
    return false;
}

// A termination signal (logout, shutdown, a closed terminal) must end the
// program at once and lose nothing, whatever window is open: a SIGKILL
// follows soon.
constexpr unsigned kForcedExitMilliseconds = 500;
constexpr unsigned kCalDavSyncTickSeconds = 2;

struct Termination {
    sk::AppState& state;
    sk::MainWindow& window;
};

// Nobody may be there to answer: what could not be saved goes to stderr.
[[noreturn]] void SaveAndExit(sk::AppState& state, int status = 0) {
    for (const std::string& path : sk::SaveSessionData(state)) {
        std::cerr << sk::FailedSaveText(path) << '\n';
        status = 1;
    }
    std::_Exit(status);
}

// The open note editor would ask before leaving; nobody may be there to
// answer, so its unsaved text goes to the recovery copy. The exit status:
// 1 when no folder took the copy (the lost note is named on stderr).
int KeepOpenNote(const sk::AppState& state) {
    const sk::NoteEditModel* note = state.openNoteEditor;
    if (!note) return 0;
    const auto copy = sk::PendingNoteRecovery(*note, std::time(nullptr));
    if (!copy || sk::KeepNoteRecovery(state.userDataFolder, sk::NoteRecoveryStateFolderOf(state), *copy)) return 0;
    std::cerr << sk::LostNoteText(state.userDataFolder, *copy) << '\n';
    return 1;
}

gboolean OnTerminate(gpointer data) {
    Termination& t = *static_cast<Termination*>(data);
    if (t.state.openNoteEditor) SaveAndExit(t.state, KeepOpenNote(t.state));
    t.window.Terminate();
    // Should a window still hold the loop, do not wait for it.
    Glib::signal_timeout().connect_once([&state = t.state] { SaveAndExit(state); }, kForcedExitMilliseconds);
    return G_SOURCE_CONTINUE;
}

constexpr const char* kApplicationId = "de.haldenau.Schichtkalender";

}  // namespace

int main(int argc, char** argv) {
    // The program takes no arguments; the toolkit is not given any either.
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argc > 0 ? argv[0] : const_cast<char*>("schichtkalender"), nullptr};
    char** toolkitArgvPtr = toolkitArgv;
    sk::AppState state;
    const sk::DayContext today = sk::LocalToday();
    const bool haveDataFolder = sk::EnterDataDirectory(state, WorkingDirectory());
    std::optional<std::string> folderMessage, planMessage;
    std::future<std::optional<std::string>> userData;
    if (haveDataFolder) {
        folderMessage = sk::LoadUserSettings(state, today.year);
        planMessage = sk::LoadOwnPlan(state);
        userData = sk::StartLoadingUserData(state);
    }
    auto app = Gtk::Application::create(toolkitArgc, toolkitArgvPtr, kApplicationId, Gio::APPLICATION_NON_UNIQUE);
    if (!haveDataFolder) {
        // Without a data folder nothing can be kept; say so and end.
        sk::ShowMessage(nullptr, "Fehler", "Der Datenordner \"SKDaten\" konnte nicht angelegt werden!");
        return 1;
    }
    state.defaultFontFamily = DesktopSansFamily();
    sk::MainWindow window(state);
    window.BuildControls();
    const std::optional<std::string> linkMessage = userData.get();
    window.ShowUser();
    sk::ReminderNotifier reminders(state, *app.get(), window);
    app->signal_activate().connect([&] {
        // A logout may take the X server away without any signal.
        sk::OnLostDisplay([&state] { SaveAndExit(state, KeepOpenNote(state)); });
        app->add_window(window);
        window.show();
        Glib::signal_idle().connect_once([&] {
            // The desktop matches the windows to the menu entry and icon by
            // this name. Looking it up loads the icon theme, which need not
            // hold up the first picture.
            if (IconIsInstalled(kApplicationId)) {
                Gtk::Window::set_default_icon_name(kApplicationId);
                window.set_icon_name(kApplicationId);
            }
            if (folderMessage) window.ShowMessage("Fehler", *folderMessage);
            if (planMessage) window.ShowMessage("Fehler", *planMessage);
            if (linkMessage) window.ShowMessage("Fehler", *linkMessage);
            if (const auto holidays = sk::TakeSchoolHolidayProblem(state)) window.ShowMessage("Fehler", *holidays);
            window.AfterFirstShow();
            reminders.Start();
            // The automatic calendar sync looks every few seconds whether it is due.
            Glib::signal_timeout().connect_seconds(
                [&] {
                    sk::TickCalDavSync(state, window);
                    return true;
                },
                kCalDavSyncTickSeconds);
            if (state.view.quitRequested) window.RequestQuit();
        });
    });
    Termination termination{state, window};
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) g_unix_signal_add(sig, OnTerminate, &termination);
    sk::AnswerIdleQueries();

    app->run(toolkitArgc, toolkitArgvPtr);
    sk::KeepClipboardAfterExit();
    int status = window.ExitStatus();
    if (!window.SavedBeforeQuit()) {
        // Ended without a way to ask (the window was gone): say what was not saved.
        for (const std::string& path : sk::SaveSessionData(state)) {
            std::cerr << sk::FailedSaveText(path) << '\n';
            status = 1;
        }
    }
    return status;
}
