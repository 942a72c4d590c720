#pragma once
// Puts the calendar image, exactly as last painted, on the desktop clipboard
// as a picture other programs can paste.

#include <gtkmm.h>

#include "app/SubsystemWindows.h"

namespace sk {

namespace clipboard_texts {
inline constexpr const char* kQuestion = "Soll der Kalender in die Zwischenablage kopiert werden?";
inline constexpr const char* kCopied = "Die Kalender wurde in die Zwischenablage kopiert.";
}  // namespace clipboard_texts

// With `ask` the user is asked first and "Nein" leaves the clipboard as it
// was. The information message follows every copy.
void CopyCalendarImage(Gtk::Window& parent, const Glib::RefPtr<Gdk::Pixbuf>& image, bool ask);

// The same for the main window's calendar image (key Z: without question).
// Returns false: the calendar needs no repaint.
bool CopyCalendarImage(WindowContext& context, bool ask);

// Hands the copied image to the desktop's clipboard manager, if there is
// one, so it can still be pasted after the program has ended.
void KeepClipboardAfterExit();

}  // namespace sk
