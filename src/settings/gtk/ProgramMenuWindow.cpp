#include "settings/gtk/ProgramMenuWindow.h"

#include "help/gtk/HelpTextWindow.h"
#include "settings/ProgramMenu.h"
#include "ui/ButtonColumnWindow.h"

namespace sk {

bool ShowProgramMenu(WindowContext& context) {
    std::vector<ButtonColumnItem> items;
    // The own plan's half-year page counts as the half-year page here.
    const int shownType = context.state.HalfYearView() ? kHalfYearViewType : context.state.settings.calendarType;
    for (const ProgramMenuEntry& e : kProgramMenuEntries) {
        items.push_back(ButtonColumnItem{e.label, e.tooltip, e.key, ProgramMenuEntryEnabled(e.action, shownType)});
    }
    const std::optional<int> chosen = RunButtonColumnMenu(context, kProgramMenuTitle, 19 + 2 * (kProgramMenuEntryCount - 8), items);
    // The key of the main window repaints afterwards in every case.
    if (!chosen) return true;
    switch (kProgramMenuEntries[*chosen].action) {
        case ProgramMenuAction::kCalendarType: OpenWindow(context, menu::kCalendarChooser); break;
        case ProgramMenuAction::kOwnPlan: OpenWindow(context, menu::kOwnPlanWindow); break;
        case ProgramMenuAction::kFont: context.host.ChangeFont(); break;
        case ProgramMenuAction::kBackground: context.host.ChangeBackground(); break;
        case ProgramMenuAction::kHours: OpenWindow(context, menu::kHoursWindow); break;
        case ProgramMenuAction::kVacation: OpenWindow(context, menu::kVacationWindow); break;
        case ProgramMenuAction::kDataDirectory: OpenWindow(context, menu::kDataDirectory); break;
        case ProgramMenuAction::kSettings: OpenWindow(context, menu::kSettingsDialog); break;
        case ProgramMenuAction::kInfo: ShowHelpText(context, helptitle::kProgramMenu); break;
        case ProgramMenuAction::kPrint: OpenWindow(context, menu::kPrint); break;
        case ProgramMenuAction::kPhoneExport: OpenWindow(context, menu::kPhoneExport); break;
        case ProgramMenuAction::kReminders: OpenWindow(context, menu::kReminders); break;
        case ProgramMenuAction::kCalDavSync: OpenWindow(context, menu::kCalDavSync); break;
    }
    return true;
}

}  // namespace sk
