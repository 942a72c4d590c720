#pragma once
// The options of a shift mark per calendar type: window texts, the letter
// the calendar shows in the crew's column, the crew column names.

#include <string_view>
#include <vector>

namespace sk {

// 6 for calendar types 0-5, 8 for types 6 and 7: choosing it removes the
// day's mark; it is never stored.
int ShiftMarkDeleteCode(int calendarType);
// The option texts in code order, the delete option last.
std::vector<std::string_view> ShiftMarkOptionTexts(int calendarType);
// The letter shown for a code: types 0-4, 6 and 7 have their own columns;
// type 5 shows none (empty), as does an unknown code.
std::string_view ShiftMarkLetter(int calendarType, int code);
// The code an option key selects (X, F, U, L, K, A as upper- or lower-case
// ASCII letters; '\x7f' for the delete key); -1 when the key selects nothing.
int ShiftMarkCodeOfKey(int calendarType, char key);
// Crew column names 1-4: with a leading blank in the mark window, without
// in the column window.
std::string_view CrewColumnName(int calendarType, int crew, bool markWindow);

}  // namespace sk
