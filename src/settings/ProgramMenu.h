#pragma once
// The program menu "Programm": its eight entries, their keys and the
// geometry of the button column. The window only shows this and reports
// which entry was chosen; the action runs after it has closed.

#include <optional>
#include <string_view>
#include <vector>

namespace sk {

enum class ProgramMenuAction {
    kCalendarType,   // chooser "Kalender"
    kOwnPlan,        // window "Eigener Schichtplan"
    kFont,           // font chooser of the main window
    kBackground,     // background colour chooser
    kHours,          // minus and plus hours entry
    kVacation,       // remaining vacation entry
    kDataDirectory,  // choose and change the data folder
    kSettings,       // "Programmeinstellungen"
    kInfo,           // help text "Programm"
    kPrint,          // print dialog for the calendar shown
    kPhoneExport,    // window "Für Kalender-App exportieren"
    kReminders,      // window "Erinnerungen"
    kCalDavSync,     // window "Kalender-Abgleich"
};

struct ProgramMenuEntry {
    const char* label;
    const char* tooltip;
    char key;  // upper-case letter; the lower-case letter works as well
    ProgramMenuAction action;
};

inline constexpr int kProgramMenuEntryCount = 13;
// From top to bottom.
extern const ProgramMenuEntry kProgramMenuEntries[kProgramMenuEntryCount];

inline constexpr const char* kProgramMenuTitle = "Programm";

// The entry a key chooses in the menu window; none for any other key.
std::optional<ProgramMenuAction> ProgramMenuActionForKey(unsigned key);

// Whether the button of an entry can be clicked: the background colour has
// no meaning on the half-year page (its key still works).
bool ProgramMenuEntryEnabled(ProgramMenuAction action, int calendarType);

// Geometry of the button-column menus ("Programm", "Kalender") in pixels for
// the units u and r: a frame around a column of buttons 21u wide, two rows
// per button.
inline constexpr int kButtonColumnUnits = 21;
struct ButtonColumnGeometry {
    int frameX, frameY, frameWidth, frameHeight;
    int buttonX, buttonWidth, buttonHeight;
    int ButtonY(int k, int r) const { return (2 * k + 1) * r - r / 3; }
};
// `extraUnits` widen the frame and the buttons (ButtonColumnExtraUnits).
ButtonColumnGeometry ButtonColumn(int u, int r, int buttons, int extraUnits = 0);
// Units a column needs beyond 21 so that its longest label is shown whole
// (as long as "Haldenau Zweischicht" fits the 21): 0 for the calendar chooser.
int ButtonColumnExtraUnits(const std::vector<std::string_view>& labels);
inline ButtonColumnGeometry EightButtonColumn(int u, int r) { return ButtonColumn(u, r, 8); }
// The window height in rows for a column of that many buttons.
inline double ButtonColumnWindowRows(int buttons) { return 2.0 * buttons + 3.5; }

}  // namespace sk
