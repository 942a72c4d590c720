#include "shift/gtk/CalendarChooserWindow.h"

#include "ui/ButtonColumnWindow.h"
#include "shift/CalendarChooser.h"
#include "shift/CalendarTypes.h"
#include "shift/OwnShiftPlan.h"

namespace sk {

bool ChooseCalendarType(WindowContext& context) {
    std::vector<ButtonColumnItem> items;
    for (int type : kCalendarChooserTypes) {
        const CalendarTypeInfo& info = CalendarTypeInfoOf(type);
        items.push_back(ButtonColumnItem{info.label, info.description, 0, true});
    }
    AppState& state = context.state;
    const std::string ownTooltip =
        state.ownPlan ? std::string(kOwnPlanChooserTooltip) + " „" + state.ownPlan->name + "“" : kNoOwnPlanTooltip;
    const OwnShiftPlan* plan = state.ownPlan ? &*state.ownPlan : nullptr;
    items.push_back(ButtonColumnItem{OwnPlanChooserLabel(plan), ownTooltip, 0, state.ownPlan.has_value()});
    const std::optional<int> chosen = RunButtonColumnMenu(context, kCalendarChooserTitle, 21.5, items);
    if (chosen) {
        const std::size_t k = static_cast<std::size_t>(*chosen);
        const int type = k < kCalendarChooserTypes.size() ? kCalendarChooserTypes[k] : kOwnPlanCalendarType;
        if (type != kOwnPlanCalendarType || state.ownPlan) state.settings.calendarType = type;
        state.ownPlanPage = false;
    }
    context.host.SetVacationToggleVisible(ShowsVacationToggle(state.settings.calendarType));
    return true;
}

}  // namespace sk
