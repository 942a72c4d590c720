#include "accounting/gtk/YearHoursWindow.h"

#include "accounting/YearHoursWindowModel.h"
#include "ui/TextListWindow.h"
#include "ui/ModalWindow.h"

namespace sk {

bool OpenYearHoursWindow(WindowContext& context) {
    AppState& state = context.state;
    const YearHoursVariant variant = YearHoursVariantOf(state.settings.calendarType);
    if (variant == YearHoursVariant::kNone) return false;
    YearHoursSettings settings;
    settings.calendarType = state.settings.calendarType;
    settings.vacationStartMonth = state.sources.vacationStartMonth;
    settings.vacationStartDay = state.sources.vacationStartDay;
    settings.tables = &state.vacationTables;
    settings.targetHours38 = state.settings.targetHours38;
    settings.targetHours40 = state.settings.targetHours40;
    settings.ownPlan = state.OwnPlan();
    settings.region = state.settings.region;
    const int year = YearHoursStartYear(state.view);

    ModalWindow window(&context.parent, kYearHoursTitle, context.units, 61, 27);
    window.set_name("sk-main");  // the program font and the window colour of the main window

    auto adjustment = Gtk::Adjustment::create(year, kFirstYear, kLastYear, 1, 1, 0);
    Gtk::SpinButton yearSpin(adjustment);
    yearSpin.set_numeric(true);
    yearSpin.set_width_chars(1);
    window.Place(yearSpin, 25, 0.5, 11, 1.5);

    const YearHoursList first = YearHoursListFor(year, settings);
    std::vector<TextListColumn> columns;
    for (std::size_t i = 0; i < first.titles.size(); ++i) {
        columns.push_back(TextListColumn{first.titles[i], i == 0 ? 12.0 : 9.0, i > 0});
    }
    columns.push_back(TextListColumn{"", 0, false});  // the narrow empty column at the end
    TextList list(context.units, columns);
    list.SetRows(first.rows);
    window.Place(list, 1, 2.5, 59, 24);

    // Disconnected before the list goes: the spin still reports while it is torn down.
    sigc::connection refill = yearSpin.signal_value_changed().connect(
        [&] { list.SetRows(YearHoursListFor(yearSpin.get_value_as_int(), settings).rows); });

    yearSpin.grab_focus();
    window.run();
    refill.disconnect();
    return false;
}

}  // namespace sk
