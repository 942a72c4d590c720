#pragma once
// Command numbers (MenuId): the keys and buttons of the main window send
// them, and windows open other windows by them through the one route.

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
inline constexpr int kTypeOwn = 146;  // key G: the own shift plan
// Shift-mark entry for sub-columns 1-4 (keys 4, 1, 2, 3); a double click
// on a sub-column of the cursor cell gives the same ids.
inline constexpr int kShiftMark1 = 1;
inline constexpr int kShiftMark2 = 2;
inline constexpr int kShiftMark3 = 3;
inline constexpr int kShiftMark4 = 4;
// Windows that only menus and status fields open; no key sends these.
inline constexpr int kHoursWindow = 150;
inline constexpr int kVacationWindow = 151;
inline constexpr int kCalendarChooser = 152;
inline constexpr int kDataDirectory = 153;
inline constexpr int kYearHours = 154;
inline constexpr int kSchoolHolidayList = 155;
inline constexpr int kHolidayList = 156;
inline constexpr int kOwnPlanWindow = 157;
inline constexpr int kPrint = 158;        // also Ctrl+P in the main window
inline constexpr int kPhoneExport = 159;
inline constexpr int kReminders = 160;
inline constexpr int kCalDavSync = 161;
}  // namespace menu

}  // namespace sk
