#pragma once
// Reads the events of an iCalendar file (.ics) with libical and hands them
// to the core's school-holiday import. The one place besides the command
// line's export that knows libical; the core stays free of it.

#include <string>
#include <string_view>
#include <vector>

#include "calendar/SchoolHolidayImport.h"

namespace sk {

// Published school-holiday files are a few kilobytes; a larger file is refused unread.
inline constexpr std::size_t kMaxIcsFileBytes = 1u << 20;
// Event names are cut to this many characters for the lists and messages.
inline constexpr std::size_t kMaxEventNameCharacters = 80;

// The events of an iCalendar text; false with a German message when the
// text is no iCalendar data.
bool ReadCalendarEvents(std::string_view bytes, std::vector<CalendarEvent>& events, std::string& error);

// Reads and classifies an .ics text or file. The result's error is set for
// a file that cannot be read, is too large, is no iCalendar data or fails
// the import's checks.
SchoolHolidayImport ReadSchoolHolidayIcs(std::string_view bytes);
SchoolHolidayImport ReadSchoolHolidayIcsFile(const std::string& path);

}  // namespace sk
