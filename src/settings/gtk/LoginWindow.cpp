#include "settings/gtk/LoginWindow.h"

#include "help/gtk/HelpTextWindow.h"
#include "ui/Accessible.h"
#include "ui/MessageBox.h"
#include "ui/ModalWindow.h"
#include "ui/ProgramStyle.h"
#include "ui/SessionSave.h"

namespace sk {

namespace {

void Show(Gtk::Window& owner, const std::vector<UserMessage>& messages) {
    for (const UserMessage& m : messages) ShowMessage(&owner, m.title, m.text);
}

}  // namespace

std::optional<LoginAnswer> RunLoginWindow(WindowContext& context) {
    const Units units = context.units;
    ModalWindow window(&context.parent, kLoginWindowTitle, units, 44, 9.5);
    LoginForm form;
    bool answered = false;

    Gtk::Label nameLabel("Benutzername:");
    nameLabel.set_xalign(0);
    Gtk::Entry nameField;
    nameField.set_tooltip_text("Eingabe des Benutzernamens");
    Gtk::Label passwordLabel("Passwort:");
    passwordLabel.set_xalign(0);
    Gtk::Label counter(form.PasswordCounter());
    counter.set_xalign(1);
    Gtk::Entry passwordField;
    passwordField.set_visibility(false);
    passwordField.set_tooltip_text("Passworteingabe nur zum Verschlüsseln der Notizen notwendig");
    NameForScreenReaders(nameField, "Benutzername:");
    NameForScreenReaders(passwordField, "Passwort:");
    Gtk::Button loginButton("Anmelden");
    loginButton.set_tooltip_text("Übernimmt den neuen Benutzernamen");
    Gtk::Button infoButton("Info");
    infoButton.set_tooltip_text("Informationen zum Anmelden");
    Gtk::Button cancelButton("Abbruch");
    cancelButton.set_tooltip_text("Eingabe ohne Änderung verlassen");

    window.Place(nameLabel, 1, 1, 42, 1);
    window.Place(nameField, 1, 2, 42, 1.3);
    window.Place(passwordLabel, 1, 4, 20, 1);
    window.Place(counter, 22, 4, 21, 1);
    window.Place(passwordField, 1, 5, 42, 1.3);
    window.Place(loginButton, 1, 7, 10, 1.8);
    window.Place(infoButton, 17, 7, 10, 1.8);
    window.Place(cancelButton, 33, 7, 10, 1.8);

    bool settingText = false;  // a text put back is not a new edit
    nameField.signal_changed().connect([&] {
        if (settingText) return;
        const FieldReaction reaction = form.NameChanged(nameField.get_text().raw());
        if (reaction.replace) {
            settingText = true;
            nameField.set_text(reaction.text);
            nameField.set_position(-1);
            settingText = false;
        }
        Show(window, reaction.messages);
    });
    passwordField.signal_changed().connect([&] {
        if (settingText) return;
        const FieldReaction reaction = form.PasswordChanged(passwordField.get_text().raw());
        if (reaction.replace) {
            settingText = true;
            passwordField.set_text(reaction.text);
            settingText = false;
        }
        counter.set_text(form.PasswordCounter());
        Show(window, reaction.messages);
    });
    auto accept = [&] {
        if (const std::optional<UserMessage> m = form.Accept(context.state.session.baseDataDirectory)) {
            ShowMessage(&window, m->title, m->text);
            nameField.grab_focus();
            return;
        }
        answered = true;
        window.response(Gtk::RESPONSE_OK);
    };
    loginButton.signal_clicked().connect(accept);
    nameField.signal_activate().connect(accept);
    passwordField.signal_activate().connect(accept);
    infoButton.signal_clicked().connect([&] {
        WindowContext over = context.Over(window);
        ShowHelpText(over, helptitle::kUserAndPassword);
    });
    cancelButton.signal_clicked().connect([&] { window.response(Gtk::RESPONSE_CANCEL); });

    UseProgramFont(*window.get_content_area());
    nameField.grab_focus();
    window.run();
    window.hide();
    if (!answered) return std::nullopt;
    return LoginAnswer{form.AcceptedName(), form.Password()};
}

bool Login(WindowContext& context) {
    const std::optional<LoginAnswer> answer = RunLoginWindow(context);
    if (!answer || answer->name.empty()) return false;
    AppState& state = context.state;
    // The old user's marks and settings are saved before anything switches;
    // when that fails the person decides, nothing is dropped silently.
    const bool saved = SaveOrAsk([&state] { return SaveSessionData(state); },
                                 [&context](const std::vector<std::string>& failed) {
                                     return AskAfterFailedSave(&context.parent, failed, FailedSavePlace::UserChange);
                                 });
    if (!saved) return false;
    const LoginOutcome outcome = SwitchUser(answer->name, answer->password, state.settings, state.session,
                                            state.userDataFolder, state.calendarMarks, state.shiftMarks);
    if (!outcome.loggedIn) {
        if (outcome.error) context.host.ShowMessage(outcome.error->title, outcome.error->text);
        return false;
    }
    context.host.TakeNewUser();
    return true;
}

}  // namespace sk
