#pragma once
// The key table of the main window and the one place every command number
// (MenuId) is carried out. Windows are reached through CommandHost, so the
// commands themselves can be driven without a display.

#include <functional>
#include <optional>
#include <string>

#include "ui/AppState.h"
#include "ui/CommandHost.h"
#include "ui/MenuIds.h"

namespace sk {

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

namespace texts {
inline constexpr const char* kError = "Fehler";
inline constexpr const char* kInformation = "Information";
inline constexpr const char* kNoOwnPlan =
    "Es ist noch kein gültiger eigener Schichtplan festgelegt. Im Menü „Programm“ (F10) lässt er sich unter "
    "„Eigener Schichtplan“ festlegen.";
inline constexpr const char* kTooManyColumns = "Der gewählte Anzahl der Kolumnen war für den Bildschirm zu groß!";
inline constexpr const char* kFontTooLargeAtStart = "Der Zeichensatz ist für den Bildschirm zu groß!";
inline constexpr const char* kChosenFontTooLarge = "Der gewählte Zeichensatz war für den Bildschirm zu groß!";
}  // namespace texts

// The part of the screen a window may use (the monitor without panels and
// docks), and where a window of w x h goes in it: centred; `fits` when it is
// whole on screen.
struct WorkArea {
    int x = 0, y = 0, width = 0, height = 0;
};
struct WindowPlace {
    int x = 0, y = 0;
    bool fits = false;
};
WindowPlace PlaceInWorkArea(int w, int h, const WorkArea& area);

// The largest font size from `wanted` down to `smallest` for which
// `fits(size)` holds; `smallest` when none does.
int LargestFittingFontSize(int wanted, int smallest, const std::function<bool(int)>& fits);

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
