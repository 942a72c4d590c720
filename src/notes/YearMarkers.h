#pragma once
// Year markers in yearly notes: "<1980>" shown on a day of 2017 reads "37".

#include <string>
#include <string_view>

namespace sk {

// Replaces the markers of a yearly note for a day of `year`. Only the first
// "<" of the text is examined in each pass: it must be followed by one to
// four characters and a ">", the leading digits giving y (not 0); then every
// "<y>" (y in plain decimal) becomes year - y, and the next pass starts.
// Processing stops at the first "<" that does not start such a marker, and
// also when the marker's digits are not in plain form (as "<0980>"), since no
// "<980>" is there to replace.
std::string InsertYears(std::string_view text, int year);

// The line "Einsetzen" adds: "<" year ">. Geburtstag ", as the whole text
// when it is empty, else as a new last line.
std::string AppendYearMarkerLine(std::string_view text, int startYear);

}  // namespace sk
