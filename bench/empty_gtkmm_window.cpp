// The floor for start-up cost: an empty gtkmm window of the main window's
// size that ends on Esc or SIGTERM, like the program.

#include <glib-unix.h>
#include <gtkmm.h>

#include <csignal>

int main(int argc, char** argv) {
    int toolkitArgc = 1;
    char** toolkitArgv = argv;
    (void)argc;
    auto app = Gtk::Application::create(toolkitArgc, toolkitArgv, "de.velmo.leer", Gio::APPLICATION_NON_UNIQUE);
    Gtk::Window window;
    window.set_title("Leeres Fenster");
    window.set_default_size(1008, 640);
    window.signal_key_press_event().connect([&](GdkEventKey* e) {
        if (e->keyval == GDK_KEY_Escape) window.hide();
        return true;
    }, false);
    g_unix_signal_add(SIGTERM, [](gpointer w) -> gboolean {
        static_cast<Gtk::Window*>(w)->hide();
        return G_SOURCE_CONTINUE;
    }, &window);
    return app->run(window);
}
