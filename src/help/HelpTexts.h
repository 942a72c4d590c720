#pragma once
// The fixed German help texts and the entries of the info menu that lead to
// them. Pure data: the windows that show them read it from here, so the
// texts and the keys they describe can be checked without a display.

#include <optional>
#include <string_view>

namespace sk {

// One help text: the window title, the window height in rows (the text
// control is two rows lower) and the text with "\r\n" line breaks and no
// break after the last line.
struct HelpText {
    const char* title;
    int heightRows;
    const char* text;
};

inline constexpr int kHelpTextCount = 8;
extern const HelpText kHelpTexts[kHelpTextCount];

// Titles, also used by the windows that open a text directly.
namespace helptitle {
inline constexpr const char* kUserAndPassword = "Benutzername und Passwort";
inline constexpr const char* kProgramMenu = "Programm";
inline constexpr const char* kCalendarMarks = "Kalendermarkierung";
inline constexpr const char* kSettings = "Programmeinstellungen";
inline constexpr const char* kProgramInfo = "Programminfo";
inline constexpr const char* kNotes = "Infos zu den Notizen und Markierungen";
inline constexpr const char* kShiftMarks = "Schichtmarkierung";
inline constexpr const char* kKeyboard = "Tastaturbelegung";
}  // namespace helptitle

// The help of the window "Eigener Schichtplan" (its button "Info").
extern const HelpText kOwnPlanHelp;

// The text of that exact title; nullptr when there is none.
const HelpText* FindHelpText(std::string_view title);

// Help window geometry in character widths: the window is 98 wide, the
// read-only text control 96, placed one width and one row in.
inline constexpr int kHelpWindowWidthUnits = 98;
inline constexpr int kHelpTextWidthUnits = 96;

// What an info-menu entry leads to: one of three lists or a help text.
enum class InfoMenuAction {
    kYearHours,       // yearly hours table
    kSchoolHolidays,  // school-holiday list of the first column's year
    kPublicHolidays,  // public-holiday list of the first column's year
    kProgramInfo,
    kKeyboard,
    kShiftMarks,
    kCalendarMarks,
    kNotes,
    kProgramMenu,
    kUserAndPassword,
    kSettings,
};

struct InfoMenuEntry {
    const char* label;
    const char* tooltip;
    char key;    // upper-case letter; the lower-case letter works as well
    int group;   // 1: the lists, 2: the help texts
    InfoMenuAction action;
};

inline constexpr int kInfoMenuEntryCount = 11;
// In their order from top to bottom, group 1 first.
extern const InfoMenuEntry kInfoMenuEntries[kInfoMenuEntryCount];

// Info menu window: title, size in character widths and rows; buttons are
// 21 widths wide and round(1.8 rows) high, the k-th of a group (from 0) at
// y = (2k + 1) r - r / 3 inside its frame.
inline constexpr const char* kInfoMenuTitle = "Info";
inline constexpr int kInfoMenuWidthUnits = 25;
inline constexpr int kInfoMenuHeightRows = 27;
inline constexpr int kInfoMenuButtonWidthUnits = 21;

// The entry a key chooses in the info menu (either case); none for any other key.
std::optional<InfoMenuAction> InfoMenuActionForKey(char key);

// The help text an action shows; nullptr for the three lists.
const HelpText* HelpTextOfAction(InfoMenuAction action);

}  // namespace sk
