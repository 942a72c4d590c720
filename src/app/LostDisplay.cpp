#include "app/LostDisplay.h"

#include <gdk/gdkx.h>

#include <cstdlib>
#include <iostream>

namespace sk {

namespace {
// Xlib's handler gets no data of its own.
std::function<void()>& KeepSession() {
    static std::function<void()> keep;
    return keep;
}

int OnIoError(Display*) {
    std::cerr << "Die Verbindung zur Anzeige ist abgebrochen; das Programm endet.\n";
    if (KeepSession()) KeepSession()();
    std::_Exit(1);
}
}  // namespace

void OnLostDisplay(std::function<void()> keepSession) {
    KeepSession() = std::move(keepSession);
    GdkDisplay* display = gdk_display_get_default();
    if (!display || !GDK_IS_X11_DISPLAY(display)) return;
    XSetIOErrorHandler(OnIoError);
}

}  // namespace sk
