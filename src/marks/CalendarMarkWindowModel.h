#pragma once
// The window "Eingabe einer Kalendermarkierung" without the toolkit: what it
// shows for the selected day, how a chosen colour is kept, and what each way
// of leaving it does to the mark list.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "marks/CalendarMarks.h"

namespace sk {

namespace calendar_mark_texts {
inline constexpr const char* kTitle = "Eingabe einer Kalendermarkierung";
inline constexpr const char* kStartLabel = "Eingabe des Startdatums:";
inline constexpr const char* kEndLabel = "Eingabe des Enddatums:";
inline constexpr const char* kColourLabel = "Wahl einer neuen";
inline constexpr const char* kColourButton = "Markierungsfarbe";
inline constexpr const char* kColourTip = "Eine neue Farbe für die Kalendermarkierung wählen";
inline constexpr const char* kSave = "Speichern";
inline constexpr const char* kSaveTip = "Speichert die Kalendermarkierung";
inline constexpr const char* kDelete = "Löschen";
inline constexpr const char* kDeleteTip = "Löscht die Markierung in dessen Bereich sich das Startdatum befindet";
inline constexpr const char* kCancel = "Abbruch";
inline constexpr const char* kCancelTip = "Verlässt das Eingabefenster ohne Änderungen";
inline constexpr const char* kSaveAnywayQuestion = "Soll trotzdem gespeichert werden?";
}  // namespace calendar_mark_texts

// The date fields of the window reach from 1 January 1970 to 31 July 2037.
inline constexpr DayNumber kFirstMarkFieldDay = kFirstDay;
inline constexpr DayNumber kLastMarkFieldDay = kLastFirstMonthDay;

enum class CalendarMarkEnding { Save, Delete, Cancel };

class CalendarMarkWindowModel {
public:
    // Starts with the mark of the day, or a new mark of the day and the
    // seven days after it in the default colour; dates are kept inside the
    // range of the date fields.
    CalendarMarkWindowModel(const CalendarMarkList& list, DayNumber selectedDay);

    DayNumber Start() const { return start_; }
    DayNumber End() const { return end_; }
    std::uint32_t Colour() const { return colour_; }

    // The colour chooser confirmed with red, green and blue in 0 ... 1.
    // A cancelled chooser calls nothing, so the colour stays.
    void ChooseColour(double red, double green, double blue);
    // Red, green and blue of the current colour in 0 ... 1, for the chooser.
    void ColourComponents(double& red, double& green, double& blue) const;

    // Before "Speichern" with the days of the two date fields: when it would
    // change a mark other than the one the window opened with, or leave a
    // mark showing on no day, the question that names those marks; empty
    // when the save touches nothing else.
    std::string SaveQuestion(const CalendarMarkList& list, DayNumber startField, DayNumber endField) const;

    // Carries out the way the window was left, with the days the two date
    // fields hold then. True when the mark list changed.
    bool Finish(CalendarMarkList& list, CalendarMarkEnding ending, DayNumber startField, DayNumber endField) const;

private:
    DayNumber start_;
    DayNumber end_;
    std::uint32_t colour_;
    std::optional<CalendarMark> opened_;  // the mark of the selected day
};

}  // namespace sk
