#include "app/IdleAnswer.h"

#include <glib-unix.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <string>

#include "base/FileIO.h"

namespace sk {
namespace {

// A window that is shown but never ticks (an unusual compositor) must not
// hold the answer back for ever.
constexpr unsigned kLongestWaitMilliseconds = 2000;

struct IdleQueries {
    std::string path;
    unsigned answered = 0;
    int windowsToPaint = 0;
    bool waiting = false;
    guint fallback = 0;
};

IdleQueries& Queries() {
    static IdleQueries queries;
    return queries;
}

// The X window of the toplevel that has the keyboard focus in the toolkit's
// own view (0 for none). The X server may already have moved the focus while
// the toolkit still draws the window in its backdrop (dimmed) state.
unsigned long FocusedWindow() {
    unsigned long focused = 0;
    GList* windows = gtk_window_list_toplevels();
    for (GList* w = windows; w; w = w->next) {
        GtkWindow* window = GTK_WINDOW(w->data);
        if (!gtk_window_has_toplevel_focus(window) || !gtk_widget_get_realized(GTK_WIDGET(window))) continue;
        GdkWindow* gdkWindow = gtk_widget_get_window(GTK_WIDGET(window));
        if (gdkWindow && GDK_IS_X11_WINDOW(gdkWindow)) focused = GDK_WINDOW_XID(gdkWindow);
    }
    g_list_free(windows);
    return focused;
}

void WriteAnswer() {
    IdleQueries& q = Queries();
    WriteFileAtomically(q.path, std::to_string(getpid()) + " " + std::to_string(q.answered) + " " +
                                    std::to_string(FocusedWindow()) + "\n");
}

void Answer() {
    IdleQueries& q = Queries();
    if (!q.waiting) return;
    q.waiting = false;
    if (q.fallback) g_source_remove(q.fallback);
    q.fallback = 0;
    ++q.answered;
    // A frame's drawing may still sit in the connection's output buffer; a
    // script that takes a screenshot on the answer must find it on the server.
    if (GdkDisplay* display = gdk_display_get_default()) gdk_display_sync(display);
    WriteAnswer();
}

// The handler carries the number of the query it was connected for: one left
// over from a query the fallback answered must not count for the next one.
void OnAfterPaint(GdkFrameClock* clock, gpointer query) {
    g_signal_handlers_disconnect_by_func(clock, reinterpret_cast<gpointer>(OnAfterPaint), query);
    IdleQueries& q = Queries();
    if (!q.waiting || GPOINTER_TO_UINT(query) != q.answered) return;
    if (--q.windowsToPaint <= 0) Answer();
}

// Idle at low priority: the events before the query are handled. Each
// shown window now runs one frame, which paints what is still invalid.
gboolean OnIdle(gpointer) {
    IdleQueries& q = Queries();
    q.windowsToPaint = 0;
    GList* windows = gtk_window_list_toplevels();
    for (GList* w = windows; w; w = w->next) {
        GtkWidget* widget = GTK_WIDGET(w->data);
        if (!gtk_widget_get_mapped(widget)) continue;
        GdkFrameClock* clock = gtk_widget_get_frame_clock(widget);
        if (!clock) continue;
        g_signal_connect(clock, "after-paint", G_CALLBACK(OnAfterPaint), GUINT_TO_POINTER(q.answered));
        gdk_frame_clock_request_phase(clock, GDK_FRAME_CLOCK_PHASE_AFTER_PAINT);
        ++q.windowsToPaint;
    }
    g_list_free(windows);
    if (q.windowsToPaint == 0) Answer();
    return G_SOURCE_REMOVE;
}

gboolean OnFallback(gpointer) {
    Queries().fallback = 0;
    Answer();
    return G_SOURCE_REMOVE;
}

gboolean OnQuery(gpointer) {
    IdleQueries& q = Queries();
    if (q.waiting) return G_SOURCE_CONTINUE;  // the pending answer covers this query too
    q.waiting = true;
    g_idle_add_full(G_PRIORITY_LOW, OnIdle, nullptr, nullptr);
    q.fallback = g_timeout_add(kLongestWaitMilliseconds, OnFallback, nullptr);
    return G_SOURCE_CONTINUE;
}

}  // namespace

void AnswerIdleQueries() {
    const char* path = std::getenv("SK_IDLE_FILE");
    if (!path || !*path) return;
    Queries().path = path;
    g_unix_signal_add(SIGUSR1, OnQuery, nullptr);
    WriteAnswer();  // the file says the program takes queries now
}

}  // namespace sk
