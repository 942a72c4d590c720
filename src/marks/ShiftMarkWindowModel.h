#pragma once
// The windows "Schichtmarkierung eingeben" and "Schichtspalte eingeben"
// without the toolkit: which options they offer where, what the heading
// reads and which crew columns can be chosen.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/Date.h"

namespace sk {

namespace shift_mark_texts {
inline constexpr const char* kMarkTitle = "Schichtmarkierung eingeben";
inline constexpr const char* kColumnTitle = "Schichtspalte eingeben";
inline constexpr const char* kAccept = "Übernehmen";
inline constexpr const char* kAcceptTip = "Speichert die Stunden";
inline constexpr const char* kCancel = "Abbruch";
inline constexpr const char* kCancelTip = "Verlässt das Eingabefenster ohne Änderungen";
}  // namespace shift_mark_texts

// An option of the mark window: its text and place (x, y, width in the
// units u and r; every option is 1.5 r high). Options are in code order.
struct ShiftMarkOption {
    std::string_view text;
    double x;
    double y;
    double width;
};
std::vector<ShiftMarkOption> ShiftMarkWindowOptions(int calendarType);

// The heading of the mark window: the crew column's name, " am " and the
// date DD.MM.YYYY of the day.
std::string ShiftMarkWindowHeading(int calendarType, int crew, DayNumber day);

// The option of the code a window starts with; a code the type does not
// offer selects the first option.
int ShiftMarkWindowInitialOption(int calendarType, int code);

// The four options of the column window, crews 1-4.
struct ShiftColumnOption {
    std::string_view text;
    bool enabled;
};
// The late shift cannot be marked on a Sunday with the five-crew and
// two-shift types, nor a fourth column with the two-shift type.
std::vector<ShiftColumnOption> ShiftColumnOptions(int calendarType, DayNumber day);
// The crew the column window starts with: the preselected one, or the first
// that can be chosen when that one cannot.
int ShiftColumnInitialCrew(int calendarType, DayNumber day, int preselected);

}  // namespace sk
