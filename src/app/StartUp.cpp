#include "app/StartUp.h"

#include <cmath>

#include "calendar/SchoolHolidayStore.h"
#include "settings/SettingsStorage.h"

namespace sk {

namespace {

constexpr int kSmallestFontSize = 6;
constexpr int kLargestFontSize = 72;

void FiniteOr(double& value, double fallback, double limit) {
    if (!std::isfinite(value) || std::fabs(value) > limit) value = fallback;
}

}  // namespace

void SanitizeSettings(Settings& s) {
    const Settings defaults;
    ClampSettingsToRanges(s);
    if (s.lastColumn < kFewestColumnsIndex) s.lastColumn = kFewestColumnsIndex;
    if (s.lastColumn > kMostColumnsIndex) s.lastColumn = kMostColumnsIndex;
    if (s.calendarType < 0 || s.calendarType > 7) s.calendarType = defaults.calendarType;
    // A size no one can read or no screen can hold is a damaged value.
    if (s.fontSize < kSmallestFontSize || s.fontSize > kLargestFontSize) s.fontSize = defaults.fontSize;
    s.fontStyle &= 3;
    FiniteOr(s.latitude, defaults.latitude, 90.0);
    FiniteOr(s.longitude, defaults.longitude, 180.0);
    FiniteOr(s.timeZone, defaults.timeZone, 24.0);
    if (!std::isfinite(s.targetHours38) || s.targetHours38 < 0) s.targetHours38 = defaults.targetHours38;
    if (!std::isfinite(s.targetHours40) || s.targetHours40 < 0) s.targetHours40 = defaults.targetHours40;
}

bool EnterDataDirectory(AppState& state, const std::string& workingDirectory) {
    const std::optional<std::string> base = EnterBaseDataDirectory(workingDirectory);
    if (!base) return false;
    state.session.baseDataDirectory = *base;
    state.settings.userName = kDefaultUserName;
    return true;
}

std::optional<std::string> LoadUserSettings(AppState& state, int currentYear) {
    LoadSettings(state.settings, state.session.baseDataDirectory, state.vacationTables, currentYear);
    SanitizeSettings(state.settings);
    std::optional<std::string> message = CheckUserDirectory(state.settings, state.session.baseDataDirectory);
    if (message) SaveSettings(state.settings, state.session.baseDataDirectory);
    state.userDataFolder = UserDataFolder(state.settings, state.session.baseDataDirectory);

    ViewState& v = state.view;
    v.lastColumn = state.settings.lastColumn;
    v.widthUnits = WidthUnitsOf(v.lastColumn);
    v.calendarType = state.settings.calendarType;
    v.vacationBlockShown = state.settings.vacationBlockShown;
    return message;
}

void LoadUserData(AppState& state) {
    state.notes = NoteStore(state.userDataFolder, state.session.userPassword);
    state.notes.ScanAll();
    state.shiftMarks.Load(state.userDataFolder);
    state.calendarMarks.Load(state.userDataFolder);
    state.schoolHolidays = SchoolHolidaysOfFolder(state.userDataFolder);
    CoreSources& src = state.sources;
    src.schoolHolidays = &state.schoolHolidays;
    src.notes = &state.notes;
    src.calendarMarks = &state.calendarMarks;
    src.shiftMarks = &state.shiftMarks;
    src.vacationTables = &state.vacationTables;
    src.vacationStartMonth = state.settings.vacationStartMonth;
    src.vacationStartDay = state.settings.vacationStartDay;
    src.observer.latitude = state.settings.latitude;
    src.observer.longitude = state.settings.longitude;
    src.observer.zone = state.settings.timeZone;
    src.observer.autoSummerTime = state.settings.autoSummerTime;
    src.observer.twilightKind = state.settings.twilightKind;
}

void PlaceCursorOnToday(AppState& state, const DayContext& today) {
    ViewState& v = state.view;
    v.firstMonth = today.month;
    v.firstYear = today.year;
    v.cursorDay = today.day;
    v.cursorColumn = 0;
    state.vacationYear = today.year;
    state.cells.Set(0, 29, 1);
    state.cells.Set(0, 30, 1);
    state.cells.Set(0, 31, 1);
}

void SaveAtShutdown(AppState& state) {
    if (state.shiftMarks.changed) state.shiftMarks.Save(state.userDataFolder);
    if (state.calendarMarks.changed) state.calendarMarks.Save(state.userDataFolder);
    Settings& s = state.settings;
    s.lastColumn = state.view.lastColumn;
    s.calendarType = state.view.calendarType;
    s.vacationBlockShown = state.view.vacationBlockShown;
    SaveSettings(s, state.session.baseDataDirectory);
}

}  // namespace sk
