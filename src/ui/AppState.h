#pragma once
// The process-wide records of the program, owned by main and passed on to
// the commands and every window.

#include <optional>
#include <string>

#include "accounting/AccountMemory.h"
#include "calendar/CalendarGrid.h"
#include "calendar/Date.h"
#include "calendar/Today.h"
#include "calendar/ViewState.h"
#include "calendar/SchoolHolidays.h"
#include "marks/CalendarMarks.h"
#include "marks/ShiftMarks.h"
#include "notes/NoteEditModel.h"
#include "notes/NoteStore.h"
#include "settings/Settings.h"
#include "settings/Users.h"
#include "shift/CalendarTypes.h"
#include "shift/OwnShiftPlan.h"
#include "shift/VacationBlock.h"
#include "view/CoreCalendarData.h"
#include "view/Layout.h"

namespace sk {

struct AppState {
    ViewState view;
    Settings settings;  // also the owner of the column count, calendar type and "UB"
    VacationOrderTables vacationTables = MakeDefaultVacationOrderTables();
    UserSession session;
    std::string userDataFolder;   // notes, marks and accounts, ending in "/"
    NoteStore notes;
    CalendarMarkList calendarMarks;
    ShiftMarkList shiftMarks;
    // The state's: built-in (Bayern), the data folder's stored periods and
    // the shipped file of the state.
    SchoolHolidayCalendar schoolHolidays;
    // A missing or damaged shipped school-holiday file, said once a run:
    // the text until it was shown.
    std::string schoolHolidayProblem;
    bool schoolHolidayProblemShown = false;
    // The own shift plan of the user data folder when its file is valid;
    // calendar type 8 is only chosen while there is one.
    std::optional<OwnShiftPlan> ownPlan;
    // Type 8 shown as the half-year page instead of month columns (key G
    // toggles it; not kept).
    bool ownPlanPage = false;
    AccountMemory accounts;       // vacation and hours records as last read or chosen
    AstroMonthCache astroMonths;  // the moon marks of months painted before
    CoreSources sources;          // what painting reads; pointers into this record
    // The note editor on screen, so a termination signal can keep its
    // unsaved text (the window sets and clears it).
    const NoteEditModel* openNoteEditor = nullptr;
    bool fontTooLarge = false;
    std::string defaultFontFamily = "Sans";  // the desktop's sans font
    // The desktop's text scale (screen resolution / 96: GDK_DPI_SCALE,
    // Xft.dpi); the controls' text grows by it, so the calendar does too.
    double textScale = 1.0;

    // The program font as the settings hold it.
    FontChoice Font() const { return FontChoice{settings.fontName, settings.fontSize, settings.fontStyle}; }
    std::string FontDescription() const { return FontDescriptionText(Font(), defaultFontFamily); }
    // The same at the desktop's text scale: what the screen shows.
    std::string ScreenFontDescription() const { return FontDescriptionText(Font(), defaultFontFamily, textScale); }
    PaintOptions Options() const { return PaintOptionsOf(settings); }

    // The month columns shown now; computed, never stored, so it cannot
    // fall behind the view or the settings.
    CalendarGrid Grid() const { return MakeCalendarGrid(view, settings.lastColumn); }
    const OwnShiftPlan* OwnPlan() const { return ownPlan ? &*ownPlan : nullptr; }
    bool HalfYearView() const {
        return IsHalfYearView(settings.calendarType) ||
               (settings.calendarType == kOwnPlanCalendarType && ownPlanPage && ownPlan);
    }
    // The year whose vacation block the view shows last: the rightmost
    // month column's, or the half-year page's.
    int ShownVacationYear() const { return HalfYearView() ? view.firstYear : Grid().LastShownYear(); }
};

}  // namespace sk
