#pragma once
// The process-wide records of the program, owned by main and passed on to
// the commands and every window.

#include <string>

#include "accounting/AccountMemory.h"
#include "shift/VacationBlock.h"
#include "calendar/Date.h"
#include "marks/CalendarMarks.h"
#include "marks/ShiftMarks.h"
#include "notes/NoteStore.h"
#include "settings/Settings.h"
#include "settings/Users.h"
#include "view/CoreCalendarData.h"
#include "view/Layout.h"
#include "view/ViewState.h"

namespace sk {

struct AppState {
    ViewState view;
    CellDates cells;
    Settings settings;
    VacationOrderTables vacationTables = MakeDefaultVacationOrderTables();
    UserSession session;
    std::string userDataFolder;   // notes, marks and accounts, ending in "/"
    NoteStore notes;
    CalendarMarkList calendarMarks;
    ShiftMarkList shiftMarks;
    AccountMemory accounts;       // vacation and hours records as last read or chosen
    CoreSources sources;          // what painting reads; pointers into this record
    int vacationYear = kFirstYear;  // year of the vacation block last painted
    bool fontTooLarge = false;
    std::string defaultFontFamily = "Sans";  // the desktop's sans font

    // The program font as the settings hold it.
    FontChoice Font() const { return FontChoice{settings.fontName, settings.fontSize, settings.fontStyle}; }
    std::string FontDescription() const { return FontDescriptionText(Font(), defaultFontFamily); }
    PaintOptions Options() const {
        PaintOptions o;
        o.showSchoolHolidays = settings.showSchoolHolidays;
        o.showMoonPhases = settings.showMoonPhases;
        o.showWeekNumbers = settings.showWeekNumbers;
        o.showDistanceLetters = settings.showPerihelionAphelion;
        return o;
    }
};

// Today's date on the local clock.
DayContext LocalToday();

}  // namespace sk
