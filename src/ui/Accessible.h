#pragma once
// Names of controls for screen readers and test drivers (ATK): the German
// text a sighted user reads beside the control.

#include <gtkmm.h>

#include <string>

namespace sk {

// A label's closing ":" is not part of the name ("Länge:" names "Länge").
std::string ScreenReaderName(const std::string& shownText);

void NameForScreenReaders(Gtk::Widget& widget, const std::string& shownText);

}  // namespace sk
