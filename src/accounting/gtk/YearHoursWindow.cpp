#include "accounting/gtk/YearHoursWindow.h"

#include <algorithm>

#include "accounting/YearHoursWindowModel.h"
#include "ui/TextListWindow.h"
#include "ui/ModalWindow.h"
#include "ui/Accessible.h"

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

    // Every crew's column whole, whatever the number of crews and their names:
    // the window is as wide as its columns need.
    const YearHoursList first = YearHoursListFor(year, settings);
    constexpr double kMonthColumn = 12, kCrewColumn = 9, kLongestTitle = 16, kEndColumn = 2;
    std::vector<TextListColumn> columns;
    double listWidth = kEndColumn;
    for (std::size_t i = 0; i < first.titles.size(); ++i) {
        const double titleWidth = std::min<double>(Glib::ustring(first.titles[i]).size(), kLongestTitle) + 2;
        const double width = i == 0 ? kMonthColumn : std::max(kCrewColumn, titleWidth);
        columns.push_back(TextListColumn{first.titles[i], width, i > 0});
        listWidth += width;
    }
    columns.push_back(TextListColumn{"", 0, false});  // the narrow empty column at the end
    listWidth = std::max(listWidth, 59.0);

    ModalWindow window(&context.parent, kYearHoursTitle, context.units, listWidth + 2, 27);
    window.set_name("sk-main");  // the program font and the window colour of the main window

    auto adjustment = Gtk::Adjustment::create(year, kFirstYear, kLastYear, 1, 1, 0);
    Gtk::SpinButton yearSpin(adjustment);
    yearSpin.set_numeric(true);
    yearSpin.set_width_chars(1);
    NameForScreenReaders(yearSpin, "Jahr");
    window.Place(yearSpin, 25, 0.5, 11, 1.5);

    TextList list(context.units, columns);
    list.SetName(kYearHoursTitle);
    list.SetRows(first.rows);
    window.Place(list, 1, 2.5, listWidth, 24);

    // Disconnected before the list goes: the spin still reports while it is torn down.
    sigc::connection refill = yearSpin.signal_value_changed().connect(
        [&] { list.SetRows(YearHoursListFor(yearSpin.get_value_as_int(), settings).rows); });

    yearSpin.grab_focus();
    window.run();
    refill.disconnect();
    return false;
}

}  // namespace sk
