#pragma once
// Small helpers shared by the astronomy tests.

#include <string>

#include "calendar/Date.h"

namespace sk::test {

inline DayContext Day(int year, int month, int day) { return MakeDayContext(DayNumberOf(year, month, day)); }

// JD of a UT instant.
inline double JdOf(int year, int month, int day, int hour, int minute, int second = 0) {
    return DayNumberOf(year, month, day) + 2440587.5 + (hour * 3600 + minute * 60 + second) / 86400.0;
}

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace sk::test
