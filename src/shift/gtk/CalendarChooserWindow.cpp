#include "shift/gtk/CalendarChooserWindow.h"

#include "ui/ButtonColumnWindow.h"
#include "shift/CalendarChooser.h"
#include "shift/CalendarTypes.h"

namespace sk {

bool ChooseCalendarType(WindowContext& context) {
    std::vector<ButtonColumnItem> items;
    for (int type : kCalendarChooserTypes) {
        const CalendarTypeInfo& info = CalendarTypeInfoOf(type);
        items.push_back(ButtonColumnItem{info.label, info.description, 0, true});
    }
    const std::optional<int> chosen = RunButtonColumnMenu(context, kCalendarChooserTitle, 19.5, items);
    AppState& state = context.state;
    if (chosen) {
        const int type = kCalendarChooserTypes[static_cast<std::size_t>(*chosen)];
        state.settings.calendarType = type;
    }
    context.host.SetVacationToggleVisible(ShowsVacationToggle(state.settings.calendarType));
    return true;
}

}  // namespace sk
