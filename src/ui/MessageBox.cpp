#include "ui/MessageBox.h"

#include <gtkmm.h>

#include "ui/Accessible.h"

namespace sk {

bool QuestionDefaultsToNo(std::string_view text) {
    // Overwriting, deleting, and going on although something is lost or hidden.
    for (const std::string_view phrase : {"überschrieben werden?", "gelöscht werden?", "trotzdem"}) {
        if (text.find(phrase) != std::string_view::npos) return true;
    }
    return false;
}

namespace {

Gtk::MessageType TypeOfTitle(const std::string& title) {
    if (title == message_titles::kError) return Gtk::MESSAGE_ERROR;
    if (title == message_titles::kQuestion) return Gtk::MESSAGE_QUESTION;
    return Gtk::MESSAGE_INFO;
}

enum class Buttons { Ok, YesNo, YesNoCancel };

int RunBox(Gtk::Window* parent, const std::string& title, const std::string& text, Buttons buttons) {
    Gtk::MessageDialog box(text, false, TypeOfTitle(title), Gtk::BUTTONS_NONE, true);
    if (parent) box.set_transient_for(*parent);
    box.set_title(title);
    // The toolkit names a message box by its kind, in its own words.
    NameForScreenReaders(box, title);
    box.set_position(Gtk::WIN_POS_CENTER_ON_PARENT);
    if (buttons != Buttons::Ok) {
        box.add_button("Ja", Gtk::RESPONSE_YES);
        box.add_button("Nein", Gtk::RESPONSE_NO);
        if (buttons == Buttons::YesNoCancel) box.add_button("Abbrechen", Gtk::RESPONSE_CANCEL);
        const int def = QuestionDefaultsToNo(text) ? Gtk::RESPONSE_NO : Gtk::RESPONSE_YES;
        box.set_default_response(def);
        if (Gtk::Widget* w = box.get_widget_for_response(def)) w->grab_focus();
    } else {
        box.add_button("OK", Gtk::RESPONSE_OK);
        box.set_default_response(Gtk::RESPONSE_OK);
    }
    return box.run();
}

}  // namespace

void ShowMessage(Gtk::Window* parent, const std::string& title, const std::string& text) {
    RunBox(parent, title, text, Buttons::Ok);
}

bool AskQuestion(Gtk::Window* parent, const std::string& text) {
    return RunBox(parent, message_titles::kQuestion, text, Buttons::YesNo) == Gtk::RESPONSE_YES;
}

Answer AskYesNoCancel(Gtk::Window* parent, const std::string& text) {
    switch (RunBox(parent, message_titles::kQuestion, text, Buttons::YesNoCancel)) {
        case Gtk::RESPONSE_YES: return Answer::Yes;
        case Gtk::RESPONSE_NO: return Answer::No;
        default: return Answer::Cancel;
    }
}

void ReportFailedSave(Gtk::Window* parent, std::string_view path) {
    ShowMessage(parent, message_titles::kError, FailedSaveText(path));
}

FailedSaveChoice AskAfterFailedSave(Gtk::Window* parent, const std::vector<std::string>& paths,
                                    FailedSavePlace place) {
    const bool atShutdown = place == FailedSavePlace::Shutdown;
    const std::string text =
        FailedSavesText(paths) +
        (atShutdown ? "\n\nNochmals speichern, das Programm geöffnet lassen oder ohne diese Daten beenden?"
                    : "\n\nNochmals speichern, beim bisherigen Benutzer bleiben oder ohne diese Daten wechseln?");
    Gtk::MessageDialog box(text, false, Gtk::MESSAGE_ERROR, Gtk::BUTTONS_NONE, true);
    if (parent) box.set_transient_for(*parent);
    box.set_title(message_titles::kError);
    NameForScreenReaders(box, message_titles::kError);
    box.set_position(Gtk::WIN_POS_CENTER_ON_PARENT);
    enum { kRetry = 1, kStay = 2, kGoOn = 3 };
    box.add_button("_Nochmals speichern", kRetry);
    box.add_button(atShutdown ? "Programm _offen lassen" : "Benutzer _behalten", kStay);
    box.add_button(atShutdown ? "Ohne Speichern _beenden" : "Ohne Speichern _wechseln", kGoOn);
    box.set_default_response(kRetry);
    switch (box.run()) {
        case kRetry: return FailedSaveChoice::Retry;
        case kGoOn: return FailedSaveChoice::GoOnWithout;
        default: return FailedSaveChoice::Stay;
    }
}

}  // namespace sk
