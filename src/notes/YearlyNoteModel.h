#pragma once
// The yearly-note window without a display: the note of a month and day,
// the start year of the counting and the marker line "Einsetzen" adds.

#include <cstdint>
#include <string>

#include "notes/DayNoteModel.h"

namespace sk {

namespace yearly_texts {
inline constexpr const char* kCountFrom = "Beginn der Zählung mit dem Jahr";
inline constexpr const char* kStartYearTip = "Eingabe des Jahres mit dem die Zählung beginnt";
inline constexpr const char* kInsert = "Einsetzen";
inline constexpr const char* kInsertTip = "Jahr in den Text einfügen";
}  // namespace yearly_texts

inline constexpr int kFirstStartYear = 1900;
inline constexpr int kLastStartYear = 2100;
inline constexpr int kDefaultStartYear = 1970;

class YearlyNoteModel : public SingleNoteModel {
public:
    // For the calendar cell with this NoteDateCode; the start year is 1970
    // whenever the window opens.
    YearlyNoteModel(const NoteStore& store, std::int32_t noteDateCode);

    std::string Title() const { return title_; }
    int StartYear() const { return startYear_; }
    void SetStartYear(int year);
    // "Einsetzen": the marker line is added to the working text, which the
    // editor then shows.
    const std::string& InsertYearMarker();

private:
    std::string title_;
    int startYear_ = kDefaultStartYear;
};

}  // namespace sk
