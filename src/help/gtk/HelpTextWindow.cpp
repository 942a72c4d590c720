#include "help/gtk/HelpTextWindow.h"

#include "ui/ModalWindow.h"
#include "ui/ProgramStyle.h"
#include "ui/Accessible.h"

namespace sk {

void ShowHelpText(WindowContext& context, const std::string& title, const std::string& text, int heightRows) {
    ModalWindow window(&context.parent, title, context.units, kHelpWindowWidthUnits, heightRows);
    UseCalendarBackground(window);
    Gtk::ScrolledWindow scroller;
    Gtk::TextView view;
    UseProgramFont(view);
    // The text keeps its own line breaks ("\r\n"); the buffer takes them as such.
    SetUpReadOnlyText(scroller, view, text);
    NameForScreenReaders(view, title);
    window.Place(scroller, 1, 1, kHelpTextWidthUnits, heightRows - 2);
    window.run();
}

void ShowHelpText(WindowContext& context, const char* title) {
    const HelpText* help = FindHelpText(title);
    if (help == nullptr) return;
    ShowHelpText(context, help->title, help->text, help->heightRows);
}

}  // namespace sk
