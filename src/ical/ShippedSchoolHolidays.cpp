#include "ical/ShippedSchoolHolidays.h"

#include "base/FileIO.h"
#include "base/Latin1.h"
#include "calendar/SchoolHolidayImport.h"
#include "calendar/SchoolHolidayStore.h"
#include "ical/SchoolHolidayIcs.h"

namespace sk {

namespace {

std::int32_t CodeOf(const CivilDate& c) { return c.year * 10000 + c.month * 100 + c.day; }

bool InCalendar(const CivilDate& c) { return c.year >= kFirstYear && c.year <= kLastYear; }

}  // namespace

bool ReadShippedSchoolHolidays(const std::string& shippedFolder, Region region,
                               std::vector<ShippedSchoolHoliday>& periods, std::string& problem) {
    periods.clear();
    const std::string state(InfoOf(region).name);
    const std::string path = shippedFolder.empty() ? std::string(InfoOf(region).schoolHolidayFile)
                                                   : JoinPath(shippedFolder, std::string(InfoOf(region).schoolHolidayFile));
    const auto damaged = [&](const std::string& why) {
        periods.clear();
        problem = "Die mitgelieferten Schulferien für " + state + " (" + QuotedPathPiece(path) + ") " + why +
                  " Der Kalender zeigt nur die eingebauten und die selbst geladenen Ferientermine.";
        return false;
    };
    if (shippedFolder.empty() || !IsRegularFile(path)) return damaged("fehlen.");
    const auto bytes = ReadRegularFile(path, kMaxIcsFileBytes + 1);
    if (!bytes || bytes->size() > kMaxIcsFileBytes) return damaged("lassen sich nicht lesen.");
    std::vector<CalendarEvent> events;
    std::string error;
    if (!ReadCalendarEvents(*bytes, events, error)) return damaged("sind beschädigt: " + error);
    if (events.empty()) return damaged("sind beschädigt: Die Datei enthält keine Termine.");
    for (const CalendarEvent& e : events) {
        if (e.recurring || !e.first || !e.last || !InCalendar(*e.first) || !InCalendar(*e.last) ||
            CodeOf(*e.last) < CodeOf(*e.first)) {
            return damaged("sind beschädigt: Der Termin „" + e.summary + "“ hat kein brauchbares Datum.");
        }
        periods.push_back({e.summary, ClassifySchoolHolidayName(e.summary), {CodeOf(*e.first), CodeOf(*e.last)}});
    }
    return true;
}

SchoolHolidayCalendar LoadSchoolHolidays(const std::string& dataFolder, Region region,
                                         const std::string& shippedFolder, std::string& problem) {
    problem.clear();
    SchoolHolidayCalendar calendar(region);
    if (!dataFolder.empty()) calendar.FillEmptySlots(LoadStoredSchoolHolidays(dataFolder, region));
    std::vector<ShippedSchoolHoliday> shipped;
    if (ReadShippedSchoolHolidays(shippedFolder, region, shipped, problem)) calendar.AddShipped(shipped);
    return calendar;
}

}  // namespace sk
