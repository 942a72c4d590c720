#include "accounting/gtk/AccountStatusWindow.h"

#include "ui/MessageBox.h"

namespace sk {

namespace {

constexpr const char* kHoursCss =
    "entry.sk-hours { color: #000000; }\n"
    "entry.sk-hours.sk-hours-minus { color: #a00000; }\n"
    "entry.sk-hours.sk-hours-plus { color: #00a000; }\n";

// The balance colour through style classes; the field gets its own style
// provider once (its style context keeps it alive).
void SetBalanceColour(Gtk::Entry& field, std::int32_t rgb) {
    static const Glib::Quark kStyled("sk-hours-styled");
    auto context = field.get_style_context();
    if (!field.get_data(kStyled)) {
        auto provider = Gtk::CssProvider::create();
        provider->load_from_data(kHoursCss);
        context->add_provider(provider, GTK_STYLE_PROVIDER_PRIORITY_APPLICATION + 1);
        context->add_class("sk-hours");
        field.set_data(kStyled, &field);
    }
    context->remove_class("sk-hours-minus");
    context->remove_class("sk-hours-plus");
    if (rgb == HoursBalanceColour(-41.0f)) context->add_class("sk-hours-minus");
    if (rgb == HoursBalanceColour(41.0f)) context->add_class("sk-hours-plus");
}

}  // namespace

void ShowAccountStatus(AppState& state, Gtk::Entry& hoursField, Gtk::Entry& vacationField) {
    const AccountStatus status =
        ComputeAccountStatus(state.userDataFolder, state.accounts.For(state.userDataFolder), state.shiftMarks.Marks(), state.settings.calendarType,
                             LocalToday().year, state.sources.vacationStartMonth, state.sources.vacationStartDay,
                             state.vacationTables, state.OwnPlan(), state.settings.region);
    hoursField.set_text(status.hoursBalance);
    SetBalanceColour(hoursField, status.hoursColour);
    vacationField.set_text(status.remainingVacation);
    if (!status.newYearText.empty()) {
        // Not from inside the repaint that found it: once the window is idle.
        Gtk::Window* window = dynamic_cast<Gtk::Window*>(vacationField.get_toplevel());
        Glib::signal_idle().connect_once([window, text = status.newYearText] {
            ShowMessage(window, message_titles::kInformation, text);
        });
    }
}

}  // namespace sk
