#include "ui/Accessible.h"

namespace sk {

std::string ScreenReaderName(const std::string& shownText) {
    std::string name = shownText;
    while (!name.empty() && (name.back() == ':' || name.back() == ' ')) name.pop_back();
    return name;
}

void NameForScreenReaders(Gtk::Widget& widget, const std::string& shownText) {
    if (auto accessible = widget.get_accessible()) accessible->set_name(ScreenReaderName(shownText));
}

}  // namespace sk
