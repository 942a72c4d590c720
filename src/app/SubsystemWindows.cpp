#include "app/SubsystemWindows.h"

#include "accounting/gtk/HoursWindow.h"
#include "accounting/gtk/VacationWindow.h"
#include "accounting/gtk/YearHoursWindow.h"
#include "app/ClipboardCopy.h"
#include "app/PrintCalendar.h"
#include "app/StartUp.h"
#include "calendar/gtk/HolidayListWindow.h"
#include "calendar/gtk/SchoolHolidayListWindow.h"
#include "help/gtk/HelpTextWindow.h"
#include "help/gtk/InfoMenuWindow.h"
#include "marks/gtk/CalendarMarkWindow.h"
#include "marks/gtk/ShiftMarkWindow.h"
#include "notes/NoteMenu.h"
#include "notes/gtk/NoteWindow.h"
#include "remind/gtk/ReminderWindow.h"
#include "settings/gtk/DataDirectoryWindow.h"
#include "settings/gtk/LoginWindow.h"
#include "settings/gtk/PhoneExportWindow.h"
#include "settings/gtk/ProgramMenuWindow.h"
#include "settings/gtk/SettingsWindow.h"
#include "shift/gtk/CalendarChooserWindow.h"
#include "shift/gtk/OwnPlanWindow.h"
#include "sync/gtk/CalDavSyncWindow.h"

namespace sk {

bool OpenSubsystemWindow(WindowContext& context, int menuId) {
    switch (menuId) {
        // Notes and marks.
        case menu::kNotesMenu: return OpenNoteMenu(context);
        case menu::kDayNote: return OpenDayNoteWindow(context);
        case menu::kPeriodicNote: return OpenPeriodicNoteWindow(context);
        case menu::kYearlyNote: return OpenYearlyNoteWindow(context);
        case menu::kWeekdayNote: return OpenWeekdayNoteWindow(context);
        case menu::kNotesOverview: return OpenNotesOverview(context);
        case menu::kDeleteUpTo: return OpenDeleteNotesWindow(context);
        case menu::kCalendarMark: return OpenCalendarMarkWindow(context);
        case menu::kShiftMark1: case menu::kShiftMark2: case menu::kShiftMark3: case menu::kShiftMark4:
            return OpenShiftMarkEntry(context, menuId);  // the sub-column is the crew column
        case kShiftMarkFromNoteMenu: return OpenShiftColumnChoice(context);

        // Accounts, settings, users and lists.
        case menu::kProgramMenu: return ShowProgramMenu(context);
        case menu::kSettingsDialog: {
            const Region before = context.state.settings.region;
            const bool changed = EditSettings(context);
            // Another state: other public holidays (read per day) and other school holidays.
            if (context.state.settings.region != before) {
                LoadStateSchoolHolidays(context.state);
                if (const auto problem = TakeSchoolHolidayProblem(context.state))
                    context.host.ShowMessage("Fehler", *problem);
            }
            return changed;
        }
        case menu::kLogin: case menu::kLoginF11: return Login(context);
        case menu::kHoursWindow: return OpenHoursWindow(context);
        case menu::kVacationWindow: return OpenVacationWindow(context);
        case menu::kCalendarChooser: return ChooseCalendarType(context);
        case menu::kOwnPlanWindow: return EditOwnShiftPlan(context);
        case menu::kDataDirectory: return ChooseAndChangeDataDirectory(context);
        case menu::kYearHours: return OpenYearHoursWindow(context);
        case menu::kSchoolHolidayList: return OpenSchoolHolidayWindow(context);
        case menu::kHolidayList: return OpenHolidayListWindow(context);

        // Half-year page, clipboard, info menu and help texts.
        case menu::kCopyImage: return CopyCalendarImage(context, false);
        case menu::kPrint: return PrintCalendar(context);
        case menu::kPhoneExport: return OpenPhoneExportWindow(context);
        case menu::kReminders: return OpenReminderWindow(context);
        case menu::kCalDavSync: return OpenCalDavSyncWindow(context);
        case menu::kInfoMenu: return ShowInfoMenu(context);
        case menu::kProgramInfo: ShowHelpText(context, helptitle::kProgramInfo); return false;

        default:
            return false;
    }
}

}  // namespace sk
