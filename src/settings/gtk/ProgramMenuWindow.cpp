#include "settings/gtk/ProgramMenuWindow.h"

#include "accounting/gtk/HoursWindow.h"
#include "accounting/gtk/VacationWindow.h"
#include "help/gtk/HelpTextWindow.h"
#include "settings/gtk/ButtonColumnWindow.h"
#include "settings/gtk/DataDirectoryWindow.h"
#include "settings/ProgramMenu.h"
#include "settings/gtk/SettingsWindow.h"
#include "shift/gtk/CalendarChooserWindow.h"

namespace sk {

bool ShowProgramMenu(WindowContext& context) {
    std::vector<ButtonColumnItem> items;
    for (const ProgramMenuEntry& e : kProgramMenuEntries) {
        items.push_back(ButtonColumnItem{e.label, e.tooltip, e.key,
                                         ProgramMenuEntryEnabled(e.action, context.state.settings.calendarType)});
    }
    const std::optional<int> chosen = RunButtonColumnMenu(context, kProgramMenuTitle, 19, items);
    // The key of the main window repaints afterwards in every case.
    if (!chosen) return true;
    switch (kProgramMenuEntries[*chosen].action) {
        case ProgramMenuAction::kCalendarType: ChooseCalendarType(context); break;
        case ProgramMenuAction::kFont: context.host.ChangeFont(); break;
        case ProgramMenuAction::kBackground: context.host.ChangeBackground(); break;
        case ProgramMenuAction::kHours: OpenHoursWindow(context); break;
        case ProgramMenuAction::kVacation: OpenVacationWindow(context); break;
        case ProgramMenuAction::kDataDirectory: ChooseAndChangeDataDirectory(context); break;
        case ProgramMenuAction::kSettings: EditSettings(context); break;
        case ProgramMenuAction::kInfo: ShowHelpText(context, helptitle::kProgramMenu); break;
    }
    return true;
}

}  // namespace sk
