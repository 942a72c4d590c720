#pragma once
// The school holidays shipped with the program, one iCalendar file per
// state, read at start for the user's state below the built-in table and the
// periods the user stored.

#include <string>
#include <vector>

#include "calendar/Regions.h"
#include "calendar/SchoolHolidays.h"

namespace sk {

// The events of the state's file in `shippedFolder`, each with the slot its
// name points to. False with a German text when the file is missing or
// damaged (no events, an event without dates, repeating or outside
// 1970-2037); `periods` is then empty.
bool ReadShippedSchoolHolidays(const std::string& shippedFolder, Region region,
                               std::vector<ShippedSchoolHoliday>& periods, std::string& problem);

// The school holidays the calendar shows for a state: the built-in table
// (Bayern), the periods stored in `dataFolder` ("" for none) and, below
// them, the state's shipped file. A missing or damaged shipped file leaves
// the rest as it is; `problem` then says so.
SchoolHolidayCalendar LoadSchoolHolidays(const std::string& dataFolder, Region region,
                                         const std::string& shippedFolder, std::string& problem);

}  // namespace sk
