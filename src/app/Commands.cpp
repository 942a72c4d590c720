#include "app/Commands.h"

#include <gdk/gdkkeysyms.h>

#include "shift/CalendarTypes.h"

namespace sk {

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
        case GDK_KEY_1: return kShiftMark2;
        case GDK_KEY_2: return kShiftMark3;
        case GDK_KEY_3: return kShiftMark4;
        case GDK_KEY_4: return kShiftMark1;
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
        case GDK_KEY_G: return kTypeOwn;
        default: return std::nullopt;
    }
}

bool IgnoredInHalfYearView(int menuId) {
    using namespace menu;
    switch (menuId) {
        case kRight: case kLeft: case kUp: case kDown: case kMonthBack: case kMonthForward:
        case kMoreColumns: case kFewerColumns: case kBackground:
            return true;
        // The page shows no cursor: a key that acts on the selected day
        // would act on a day the user cannot see.
        case kDayNote: case kPeriodicNote: case kYearlyNote: case kWeekdayNote: case kCalendarMark:
        case kShiftMark1: case kShiftMark2: case kShiftMark3: case kShiftMark4:
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
        case kTypeX: return kHalfYearViewType;
        case kTypeV: return 6;
        case kTypeC: return 7;
        case kTypeOwn: return kOwnPlanCalendarType;
        default: return currentType;
    }
}

WindowPlace PlaceInWorkArea(int w, int h, const WorkArea& area) {
    WindowPlace place;
    place.fits = w > 0 && h > 0 && w <= area.width && h <= area.height;
    place.x = area.x + std::max(0, (area.width - w) / 2);
    place.y = area.y + std::max(0, (area.height - h) / 2);
    return place;
}

int LargestFittingFontSize(int wanted, int smallest, const std::function<bool(int)>& fits) {
    for (int size = wanted; size > smallest; --size)
        if (fits(size)) return size;
    return smallest;
}

void GoToToday(AppState& state, CommandHost& host, const DayContext& today) {
    PlaceCursorOn(state.view, today.dayNumber);
    host.RedrawMoved();
}

void ChangeColumns(AppState& state, CommandHost& host, int delta) {
    int& lastColumn = state.settings.lastColumn;
    const int wanted = lastColumn + delta;
    // At the limits the key is simply ignored.
    if (wanted < kFewestColumnsIndex || wanted > kMostColumnsIndex) return;
    lastColumn = wanted;
    if (host.FitWindow()) {
        KeepCursorOnShownDay(state.view, state.Grid());
        host.RelayoutControls();
        host.Redraw();
        return;
    }
    lastColumn -= delta;
    host.ShowMessage(texts::kError, texts::kTooManyColumns);
}

void SelectCalendarType(AppState& state, CommandHost& host, int type) {
    state.settings.calendarType = type;
    host.SetVacationToggleVisible(ShowsVacationToggle(type));
    host.Redraw();
}

DayNumber EnterDateInitialDay(const ViewState& view) {
    int month = view.firstMonth + view.cursorColumn;
    const int year = view.firstYear + month / 12;
    month %= 12;
    DayNumber first = DayNumberOf(year, month + 1, 1);
    if (first > kLastFirstOfMonthShown) first = kLastFirstOfMonthShown;
    DayNumber d = first + view.cursorDay - 1;
    return std::clamp<DayNumber>(d, kFirstDay, kLastFirstMonthDay);
}

void TakeEnteredDate(AppState& state, CommandHost& host, DayNumber d) {
    PlaceCursorOn(state.view, std::clamp<DayNumber>(d, kFirstDay, kLastFirstMonthDay));
    host.RedrawMoved();
}

void MoveCursorBy(AppState& state, CommandHost& host, int dx, int dy) {
    MoveCursor(state.view, state.Grid(), dx, dy);
    host.RedrawMoved();
}

namespace {

// Reset: the month and year the commands start from are the displayed ones.
void Page(AppState& state, CommandHost& host, int days) {
    PageByDays(state.view, days);
    KeepCursorOnShownDay(state.view, state.Grid());
    host.RedrawMoved();
}

}  // namespace

void DispatchMenu(AppState& state, CommandHost& host, int menuId) {
    using namespace menu;
    ViewState& v = state.view;
    const int lastColumn = state.settings.lastColumn;
    const bool halfYear = state.HalfYearView();
    if (halfYear && IgnoredInHalfYearView(menuId)) return;
    switch (menuId) {
        case kQuit: v.quitRequested = true; return;
        case kToday: case kTodayF6: GoToToday(state, host, LocalToday()); return;
        case kRight: MoveCursorBy(state, host, 1, 0); return;
        case kLeft: MoveCursorBy(state, host, -1, 0); return;
        case kUp: MoveCursorBy(state, host, 0, -1); return;
        case kDown: MoveCursorBy(state, host, 0, 1); return;
        case kYearBack: Page(state, host, -365); return;
        case kYearForward: Page(state, host, 366); return;
        case kMonthBack: Page(state, host, -1); return;
        case kMonthForward: Page(state, host, 31); return;
        case kPageBack: Page(state, host, halfYear ? kHalfYearPageBackDays : -31 * lastColumn); return;
        case kPageForward: Page(state, host, halfYear ? kHalfYearPageForwardDays : 31 * (lastColumn + 1)); return;
        case kEnterDate: case kEnterDateD: host.EnterDate(); return;
        case kMoreColumns: ChangeColumns(state, host, +1); return;
        case kFewerColumns: ChangeColumns(state, host, -1); return;
        case kFont: host.ChangeFont(); host.Redraw(); return;
        case kBackground: host.ChangeBackground(); return;
        case kTypeN: case kTypeM: case kTypeB: case kTypeX: case kTypeV: case kTypeC:
            SelectCalendarType(state, host, CalendarTypeForMenu(menuId, state.settings.calendarType));
            return;
        case kTypeOwn:
            if (!state.ownPlan) {
                host.ShowMessage(texts::kInformation, texts::kNoOwnPlan);
                return;
            }
            // Pressed again it switches between month columns and the half-year page.
            state.ownPlanPage = state.settings.calendarType == kOwnPlanCalendarType && !state.ownPlanPage;
            SelectCalendarType(state, host, kOwnPlanCalendarType);
            return;
        case kRotateVacation:
            RotateVacationOrder(state.vacationTables, state.ShownVacationYear(), 1);
            host.Redraw();
            return;
        case kEarliestVacation: host.EditEarliestVacationStart(); return;
        default:
            if (host.OpenSubsystemWindow(menuId)) host.Redraw();
            return;
    }
}

}  // namespace sk
