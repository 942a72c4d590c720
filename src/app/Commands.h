#pragma once
// The key table of the main window and the one place every command number
// (MenuId) is carried out. Windows are reached through CommandHost, so the
// commands themselves can be driven without a display.

#include <optional>
#include <string>

#include "app/AppState.h"

namespace sk {

namespace menu {
inline constexpr int kQuit = 99;
inline constexpr int kToday = 101;
inline constexpr int kRight = 102;
inline constexpr int kLeft = 103;
inline constexpr int kUp = 104;
inline constexpr int kDown = 105;
inline constexpr int kYearBack = 106;
inline constexpr int kYearForward = 107;
inline constexpr int kMonthForward = 110;
inline constexpr int kMonthBack = 111;
inline constexpr int kPageBack = 112;
inline constexpr int kPageForward = 113;
inline constexpr int kNotesMenu = 114;
inline constexpr int kEnterDate = 115;
inline constexpr int kTodayF6 = 116;
inline constexpr int kBackground = 117;
inline constexpr int kLoginF11 = 118;
inline constexpr int kInfoMenu = 119;
inline constexpr int kMoreColumns = 120;
inline constexpr int kFewerColumns = 121;
inline constexpr int kProgramMenu = 123;
inline constexpr int kDayNote = 124;
inline constexpr int kPeriodicNote = 125;
inline constexpr int kYearlyNote = 126;
inline constexpr int kWeekdayNote = 127;
inline constexpr int kNotesOverview = 128;
inline constexpr int kCalendarMark = 130;
inline constexpr int kDeleteUpTo = 131;
inline constexpr int kProgramInfo = 132;
inline constexpr int kLogin = 133;
inline constexpr int kEnterDateD = 134;
inline constexpr int kFont = 135;
inline constexpr int kSettingsDialog = 136;
inline constexpr int kTypeN = 137;
inline constexpr int kTypeB = 138;
inline constexpr int kTypeM = 139;
inline constexpr int kTypeV = 140;
inline constexpr int kTypeC = 141;
inline constexpr int kCopyImage = 142;
inline constexpr int kTypeX = 143;
inline constexpr int kRotateVacation = 144;
inline constexpr int kEarliestVacation = 145;
// Shift-mark entry for sub-columns 1-4 (keys 4, 1, 2, 3); a double click
// on a sub-column of the cursor cell gives the same ids.
inline constexpr int kShiftMark1 = 1;
inline constexpr int kShiftMark2 = 2;
inline constexpr int kShiftMark3 = 3;
inline constexpr int kShiftMark4 = 4;
}  // namespace menu

// Key without modifiers (a GDK key value) -> MenuId.
std::optional<int> MenuIdForKey(unsigned keyval);

// Commands that do nothing while the half-year page is shown.
bool IgnoredInHalfYearView(int menuId);
// Paging on the half-year page: from the first of a January or July month
// these land in the half year before or after.
inline constexpr int kHalfYearPageBackDays = -155;
inline constexpr int kHalfYearPageForwardDays = 186;

// The calendar type a type key selects from the current one.
int CalendarTypeForMenu(int menuId, int currentType);

// "UB" is offered for the five-crew colour types only.
bool ShowsVacationToggle(int calendarType);

namespace texts {
inline constexpr const char* kError = "Fehler";
inline constexpr const char* kTooManyColumns = "Der gewählte Anzahl der Kolumnen war für den Bildschirm zu groß!";
inline constexpr const char* kFontTooLargeAtStart = "Der Zeichensatz ist für den Bildschirm zu groß!";
inline constexpr const char* kChosenFontTooLarge = "Der gewählte Zeichensatz war für den Bildschirm zu groß!";
}  // namespace texts

class CommandHost {
public:
    virtual ~CommandHost() = default;
    // Repaints the calendar and the status line as the state stands; the
    // commands have moved the cursor before.
    virtual void Redraw() = 0;
    // Resizes and centres the window for the current column count and font
    // units when the screen is large enough; false (and nothing changed)
    // otherwise.
    virtual bool FitWindow() = 0;
    virtual void RelayoutControls() = 0;
    virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
    virtual void SetVacationToggleVisible(bool visible) = 0;
    // The toolkit windows of the frame.
    virtual void EnterDate() = 0;
    virtual void ChangeFont() = 0;
    virtual void ChangeBackground() = 0;
    virtual void EditEarliestVacationStart() = 0;
    // Windows of the other subsystems (notes, marks, menus, login, info,
    // clipboard copy); false when the program has no such window yet.
    virtual bool OpenSubsystemWindow(int menuId) = 0;
    // After a login has loaded another user: the user's font on the controls
    // and the notes of today, as at start.
    virtual void AfterUserChange() {}
};

// Carries out one MenuId.
void DispatchMenu(AppState& state, CommandHost& host, int menuId);

// Frame commands, also used by the buttons.
void GoToToday(AppState& state, CommandHost& host, const DayContext& today);
void MoveCursorBy(AppState& state, CommandHost& host, int dx, int dy);
void ChangeColumns(AppState& state, CommandHost& host, int delta);
void SelectCalendarType(AppState& state, CommandHost& host, int type);

// The cursor's date as "Datum eingeben" starts with: the first of the
// cursor column's month (capped at 1 July 2037) plus cursorDay - 1 days.
DayNumber EnterDateInitialDay(const ViewState& view);
// Takes a date chosen in "Datum eingeben": that month first, cursor on the day.
void TakeEnteredDate(AppState& state, CommandHost& host, DayNumber d);

}  // namespace sk
