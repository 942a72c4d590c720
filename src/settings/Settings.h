#pragma once
// The user's persisted preferences: one record, its defaults and the keys
// under which "Einstellungen.dat" stores each value.

#include <cstdint>
#include <string>

#include "calendar/Regions.h"
#include "calendar/ViewState.h"
#include "shift/CalendarTypes.h"

namespace sk {

inline constexpr const char* kSettingsFileName = "Einstellungen.dat";
inline constexpr const char* kDefaultUserName = "Programm";

struct Settings {
    // Group "Programmeinstellungen".
    std::string fontName;             // "Fontname"
    std::int32_t fontSize = 10;       // "Fontgröße"
    std::int32_t fontStyle = 0;       // "Fontstil": 1 bold, 2 italic, added
    int lastColumn = 6;               // "Schichtspalten": month columns - 1
    bool showSchoolHolidays = true;   // "Schulferien anzeigen"
    bool showWeekNumbers = true;      // "Wochennummer anzeigen"
    std::string userDirectory;        // "Anwenderverzeichnis", shared data folder with trailing "/"
    std::string userName = kDefaultUserName;  // "Anwendername"
    int calendarType = 0;             // "Schichtart", 0-7, 8 the own plan
    bool vacationBlockShown = true;   // "UrlaubBlockAnzeige"
    float targetHours38 = 1982.76f;   // "Sollstunden_38"
    float targetHours40 = 2088.0f;    // "Sollstunden_40"
    std::int32_t vacationStartMonth = kDefaultVacationStartMonth;  // "UrlaubStartMonat", 1-12
    std::int32_t vacationStartDay = kDefaultVacationStartDay;   // "UrlaubStartTag"
    std::int32_t vacationCycle = 0;       // "UrlaubZyklus"
    // "Bundesland": the state whose public and school holidays the calendar
    // shows; written only when it is not Bayern, so older files keep their bytes.
    Region region = kDefaultRegion;

    // Group "Astronomie".
    double latitude = 48.47;          // "Breite", DD.MM, north positive
    double longitude = -12.52;        // "Länge", DD.MM, east negative
    double timeZone = 1.0;            // "Zeitzone", hours east of Greenwich
    bool autoSummerTime = true;       // "Sommerzeit automatisch"
    std::string placeName = "Haldenau";  // "Ortsname"
    int twilightKind = 0;             // "Dämmerung", 0-2
    bool showMoonPhases = false;      // "Mondphasen anzeigen"
    bool showPerihelionAphelion = false;  // "Perihel und Aphel anzeigen"
};

// Ranges the rest of the program relies on; the column count's are
// kFewestColumnsIndex and kMostColumnsIndex of the view.
// The own plan (8) is kept as stored; whether it can be shown is decided at
// start from its file (DecideStartCalendarType).
inline constexpr int kCalendarTypeCount = kOwnPlanCalendarType + 1;
inline constexpr int kTwilightKindCount = 3;
// Target hours of a year cannot exceed the hours of a leap year.
inline constexpr double kMaxTargetHours = 366 * 24;
// The vacation order has five rotations. The stored count ("UrlaubZyklus")
// is kept as read; the rotation it stands for is this, for the calendar and
// the settings dialog alike (a negative count rotates nothing).
inline constexpr int kVacationCycleCount = 5;
inline int VacationRotationOf(int vacationCycle) {
    return vacationCycle < 0 ? 0 : vacationCycle % kVacationCycleCount;
}

inline constexpr int kSmallestFontSize = 6;
inline constexpr int kLargestFontSize = 72;

// Brings the values a damaged or hand-edited settings file may hold into the
// range the program can show: 7-24 columns, a known calendar type and
// twilight kind, a readable font size (else the default), a real earliest
// vacation start (29 February allowed), finite coordinates and targets.
void SanitizeSettings(Settings& s);

}  // namespace sk
