#pragma once
// The school-holiday periods the user took from calendar files, kept in a
// small text file of the data folder: one period a line, first and last day
// as ISO dates and the slot name, e.g. "2026-08-03 2026-09-14 Sommer".

#include <string>
#include <string_view>
#include <vector>

#include "calendar/SchoolHolidays.h"

namespace sk {

inline constexpr const char* kSchoolHolidayFileName = "Schulferien.dat";
// A file of every slot of every year is about 17 kB; anything far larger is not ours.
inline constexpr std::size_t kMaxSchoolHolidayFileBytes = 256u << 10;

// The periods of the file's text. Lines that are damaged, name no slot,
// leave 1970-2037, repeat a slot or overlap an earlier line or the built-in
// table of the state are skipped.
std::vector<SchoolHolidayPeriod> ParseStoredSchoolHolidays(std::string_view text, Region region = kDefaultRegion);
std::string FormatStoredSchoolHolidays(const std::vector<SchoolHolidayPeriod>& periods);

std::vector<SchoolHolidayPeriod> LoadStoredSchoolHolidays(const std::string& folder,
                                                          Region region = kDefaultRegion);
// Atomic; an empty list removes the file. False when it could not be written.
bool SaveStoredSchoolHolidays(const std::string& folder, const std::vector<SchoolHolidayPeriod>& periods);

// The state's built-in table plus the periods stored in the folder.
SchoolHolidayCalendar SchoolHolidaysOfFolder(const std::string& folder, Region region = kDefaultRegion);

// Where the known school holidays are shipped, relative to the folder of the
// program: installed under share/, and the same below the build folder.
inline constexpr const char* kInstalledSchoolHolidayFolder = "../share/schichtkalender/school-holidays";
inline constexpr const char* kBuildTreeSchoolHolidayFolder = "share/schichtkalender/school-holidays";

// The first of those folders that exists for a program at `programPath`;
// "" when there is none.
std::string ShippedSchoolHolidayFolder(const std::string& programPath);
// The same for the running program.
std::string ShippedSchoolHolidayFolder();

}  // namespace sk
