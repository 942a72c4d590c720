#pragma once
// What the window "Ferientermine" shows for the year of its spin field.

#include <optional>
#include <string>
#include <vector>

#include "calendar/SchoolHolidayImport.h"
#include "calendar/SchoolHolidays.h"

namespace sk {

struct SchoolHolidayListContent {
    std::vector<SchoolHolidayRow> rows;  // the six periods and further days, or none
    std::string note;                    // one line shown instead of an empty list
};

// The rows of `year` from the built-in and stored periods; for a year
// without any, no rows and a note that says so and points to the button that
// reads a file, so dates of another year never stand under the year shown.
SchoolHolidayListContent SchoolHolidayListFor(const SchoolHolidayCalendar& calendar, int year);

// The button of the window and the question before periods are taken.
inline constexpr const char* kLoadSchoolHolidaysButton = "Aus Datei laden...";
inline constexpr const char* kLoadSchoolHolidaysChooserTitle = "Schulferien aus iCalendar-Datei laden";

// The years the spin field offers: two before to ten after the current
// year, widened so that the year the window opens on is always one of them.
YearRange SchoolHolidaySpinRange(int currentYear, int openingYear);

// What the window shows after a file was read: a heading, the list of what
// was found, and whether to ask before taking it (otherwise one message
// with the title "Fehler" or "Info").
struct SchoolHolidayImportMessage {
    std::string title;             // "Frage", "Fehler" or "Info"
    std::string heading;
    std::vector<std::string> lines;
    bool ask = false;
};
SchoolHolidayImportMessage DescribeSchoolHolidayImport(const SchoolHolidayImport& import,
                                                       const SchoolHolidayImportPlan& plan);

// Stores the planned periods in the folder and gives the calendar that
// follows from them (the state and shipped periods of `current`). Nothing
// when they could not be written: the old file and periods stay.
std::optional<SchoolHolidayCalendar> TakeSchoolHolidayImport(
    const std::string& folder, const SchoolHolidayImportPlan& plan,
    const SchoolHolidayCalendar& current = SchoolHolidayCalendar::BuiltIn());
inline constexpr const char* kSchoolHolidaysNotSaved =
    "Die Ferientermine konnten nicht gespeichert werden. Die bisherigen Termine bleiben.";

}  // namespace sk
