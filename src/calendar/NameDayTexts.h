#pragma once
// The name-day text of every day of a leap year, index 0 = 1 January,
// index 59 = 29 February, index 365 = 31 December.

namespace sk {
extern const char* const kNameDayTexts[366];
}
