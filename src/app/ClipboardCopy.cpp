#include "app/ClipboardCopy.h"

#include "app/MainWindow.h"
#include "ui/MessageBox.h"

namespace sk {

void CopyCalendarImage(Gtk::Window& parent, const Glib::RefPtr<Gdk::Pixbuf>& image, bool ask) {
    if (ask && !AskQuestion(&parent, clipboard_texts::kQuestion)) return;
    if (image) {
        Glib::RefPtr<Gtk::Clipboard> clipboard = Gtk::Clipboard::get();
        // The toolkit offers the picture in every format it can write (PNG,
        // BMP, TIFF, ...), encoded from these pixels when a program pastes.
        clipboard->set_image(image);
        clipboard->set_can_store();
    }
    ShowMessage(&parent, message_titles::kInformation, clipboard_texts::kCopied);
}

bool CopyCalendarImage(WindowContext& context, bool ask) {
    Glib::RefPtr<Gdk::Pixbuf> image;
    if (auto* main = dynamic_cast<MainWindow*>(&context.parent)) image = main->CalendarPixbuf();
    CopyCalendarImage(context.parent, image, ask);
    return false;
}

void KeepClipboardAfterExit() {
    if (!Gdk::Display::get_default()) return;
    Glib::RefPtr<Gtk::Clipboard> clipboard = Gtk::Clipboard::get();
    // Does nothing unless the program still owns the clipboard and a
    // clipboard manager runs.
    clipboard->store();
}

}  // namespace sk
