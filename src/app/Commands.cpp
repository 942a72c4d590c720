#include "app/Commands.h"

#include <gdk/gdkkeysyms.h>

#include <ctime>

#include "shift/CalendarTypes.h"

namespace sk {

DayContext LocalToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    DayNumber d = DayNumberOf(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    // The calendar ends with 2037; a clock beyond it shows its last day.
    if (d > kLastDay) d = kLastDay;
    if (d < kFirstDay) d = kFirstDay;
    return MakeDayContext(d);
}

std::optional<int> MenuIdForKey(unsigned keyval) {
    using namespace menu;
    switch (keyval) {
        case GDK_KEY_Escape: return kQuit;
        case GDK_KEY_Home: return kToday;
        case GDK_KEY_Right: return kRight;
        case GDK_KEY_Left: return kLeft;
        case GDK_KEY_Up: return kUp;
        case GDK_KEY_Down: return kDown;
        case GDK_KEY_F1: return kYearBack;
        case GDK_KEY_F2: return kMonthBack;
        case GDK_KEY_F3: return kMonthForward;
        case GDK_KEY_F4: return kYearForward;
        case GDK_KEY_F5: case GDK_KEY_Page_Up: return kPageBack;
        case GDK_KEY_F6: return kTodayF6;
        case GDK_KEY_F7: case GDK_KEY_Page_Down: return kPageForward;
        case GDK_KEY_F8: return kEnterDate;
        case GDK_KEY_F9: return kNotesMenu;
        case GDK_KEY_F10: return kProgramMenu;
        case GDK_KEY_F11: return kLoginF11;
        case GDK_KEY_F12: return kInfoMenu;
        case GDK_KEY_KP_Add: return kMoreColumns;
        case GDK_KEY_KP_Subtract: return kFewerColumns;
        case GDK_KEY_1: return 2;
        case GDK_KEY_2: return 3;
        case GDK_KEY_3: return 4;
        case GDK_KEY_4: return 1;
        default: break;
    }
    unsigned upper = keyval;
    if (keyval >= GDK_KEY_a && keyval <= GDK_KEY_z) upper = keyval - GDK_KEY_a + GDK_KEY_A;
    switch (upper) {
        case GDK_KEY_T: return kDayNote;
        case GDK_KEY_P: return kPeriodicNote;
        case GDK_KEY_J: return kYearlyNote;
        case GDK_KEY_W: return kWeekdayNote;
        case GDK_KEY_U: return kNotesOverview;
        case GDK_KEY_K: return kCalendarMark;
        case GDK_KEY_L: return kDeleteUpTo;
        case GDK_KEY_I: return kProgramInfo;
        case GDK_KEY_A: return kLogin;
        case GDK_KEY_D: return kEnterDateD;
        case GDK_KEY_S: return kFont;
        case GDK_KEY_E: return kSettingsDialog;
        case GDK_KEY_H: return kBackground;
        case GDK_KEY_N: return kTypeN;
        case GDK_KEY_M: return kTypeM;
        case GDK_KEY_B: return kTypeB;
        case GDK_KEY_X: return kTypeX;
        case GDK_KEY_V: return kTypeV;
        case GDK_KEY_C: return kTypeC;
        case GDK_KEY_Z: return kCopyImage;
        case GDK_KEY_Y: return kRotateVacation;
        case GDK_KEY_F: return kEarliestVacation;
        default: return std::nullopt;
    }
}

bool IgnoredInHalfYearView(int menuId) {
    using namespace menu;
    switch (menuId) {
        case kRight: case kLeft: case kUp: case kDown: case kMonthBack: case kMonthForward:
        case kMoreColumns: case kFewerColumns: case kBackground:
            return true;
        default:
            return false;
    }
}

int CalendarTypeForMenu(int menuId, int currentType) {
    using namespace menu;
    switch (menuId) {
        case kTypeN: return currentType != 0 ? 0 : 3;
        case kTypeM: return currentType != 1 ? 1 : 4;
        case kTypeB: return 2;
        case kTypeX: return 5;
        case kTypeV: return 6;
        case kTypeC: return 7;
        default: return currentType;
    }
}

void GoToToday(AppState& state, CommandHost& host, const DayContext& today) {
    ViewState& v = state.view;
    v.firstMonth = today.month;
    v.firstYear = today.year;
    v.cursorColumn = 0;
    v.cursorDay = 0;
    host.Redraw(0, today.day);
}

void ChangeColumns(AppState& state, CommandHost& host, int delta) {
    ViewState& v = state.view;
    const int wanted = v.lastColumn + delta;
    // At the limits the key is simply ignored.
    if (wanted < kFewestColumnsIndex || wanted > kMostColumnsIndex) return;
    v.lastColumn = wanted;
    v.widthUnits = WidthUnitsOf(v.lastColumn);
    if (host.FitWindow()) {
        state.settings.lastColumn = v.lastColumn;
        host.RelayoutControls();
        host.Redraw(-1, -1);
        return;
    }
    v.lastColumn -= delta;
    v.widthUnits = WidthUnitsOf(v.lastColumn);
    host.ShowMessage(texts::kError, texts::kTooManyColumns);
}

void SelectCalendarType(AppState& state, CommandHost& host, int type) {
    state.view.calendarType = type;
    state.settings.calendarType = type;
    state.vacationYear = state.view.firstYear;
    host.SetVacationToggleVisible(ShowsVacationToggle(type));
    host.Redraw(-1, -1);
}

DayNumber EnterDateInitialDay(const ViewState& view) {
    int month = view.firstMonth + view.cursorColumn;
    const int year = view.firstYear + month / 12;
    month %= 12;
    DayNumber first = DayNumberOf(year, month + 1, 1);
    if (first > 24653) first = 24653;
    DayNumber d = first + view.cursorDay - 1;
    return std::clamp<DayNumber>(d, kFirstDay, kLastFirstMonthDay);  // 31 July 2037 at most
}

void TakeEnteredDate(AppState& state, CommandHost& host, DayNumber d) {
    const DayContext ctx = MakeDayContext(std::clamp<DayNumber>(d, kFirstDay, kLastFirstMonthDay));
    ViewState& v = state.view;
    v.cursorDay = ctx.day;
    v.cursorColumn = 0;
    v.firstMonth = ctx.month;
    v.firstYear = ctx.year;
    host.Redraw(-1, -1);
}

namespace {

// Reset: the month and year the commands start from are the displayed ones.
void Page(AppState& state, CommandHost& host, int days) {
    PageByDays(state.view, days);
    host.Redraw(-1, -1);
}

}  // namespace

void DispatchMenu(AppState& state, CommandHost& host, int menuId) {
    using namespace menu;
    ViewState& v = state.view;
    const bool halfYear = v.calendarType == 5;
    if (halfYear && IgnoredInHalfYearView(menuId)) return;
    switch (menuId) {
        case kQuit: v.quitRequested = true; return;
        case kToday: case kTodayF6: GoToToday(state, host, LocalToday()); return;
        case kRight: host.Redraw(1, 0); return;
        case kLeft: host.Redraw(-1, 0); return;
        case kUp: host.Redraw(0, -1); return;
        case kDown: host.Redraw(0, 1); return;
        case kYearBack: Page(state, host, -365); return;
        case kYearForward: Page(state, host, 366); return;
        case kMonthBack: Page(state, host, -1); return;
        case kMonthForward: Page(state, host, 31); return;
        case kPageBack: Page(state, host, halfYear ? -155 : -31 * v.lastColumn); return;
        case kPageForward: Page(state, host, halfYear ? 186 : 31 * (v.lastColumn + 1)); return;
        case kEnterDate: case kEnterDateD: host.EnterDate(); return;
        case kMoreColumns: ChangeColumns(state, host, +1); return;
        case kFewerColumns: ChangeColumns(state, host, -1); return;
        case kFont: host.ChangeFont(); host.Redraw(-1, -1); return;
        case kBackground: host.ChangeBackground(); return;
        case kTypeN: case kTypeM: case kTypeB: case kTypeX: case kTypeV: case kTypeC:
            SelectCalendarType(state, host, CalendarTypeForMenu(menuId, v.calendarType));
            return;
        case kRotateVacation:
            RotateVacationOrder(state.vacationTables, state.vacationYear, 1);
            state.vacationYear = v.firstYear;
            host.Redraw(-1, -1);
            return;
        case kEarliestVacation: host.EditEarliestVacationStart(); return;
        default:
            if (host.OpenSubsystemWindow(menuId)) host.Redraw(-1, -1);
            return;
    }
}

}  // namespace sk
