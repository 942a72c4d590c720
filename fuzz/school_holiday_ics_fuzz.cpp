// The iCalendar reader of school holidays on arbitrary bytes, then the plan
// against stored periods, and the stored-file reader on the same bytes: a
// result is either an error or periods that are sorted, inside the
// calendar's years and free of overlaps; a stored list reads back equal.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calendar/SchoolHolidayStore.h"
#include "ical/SchoolHolidayIcs.h"

namespace {

void CheckPeriods(const std::vector<sk::SchoolHolidayPeriod>& periods) {
    if (sk::FirstOverlap(periods)) std::abort();
    for (const sk::SchoolHolidayPeriod& p : periods) {
        if (p.slot < 0 || p.slot >= sk::kSchoolHolidayPairsPerYear) std::abort();
        if (p.dates.first > p.dates.last) std::abort();
        if (p.dates.first / 10000 < sk::kFirstYear || p.dates.last / 10000 > sk::kLastYear) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const sk::SchoolHolidayImport import = sk::ReadSchoolHolidayIcs(bytes);
    if (!import.error.empty() && !import.periods.empty()) std::abort();
    std::vector<sk::SchoolHolidayPeriod> found;
    for (const sk::NamedPeriod& n : import.periods) found.push_back(n.period);
    CheckPeriods(found);

    const std::vector<sk::SchoolHolidayPeriod> stored = sk::ParseStoredSchoolHolidays(bytes);
    CheckPeriods(stored);
    if (sk::ParseStoredSchoolHolidays(sk::FormatStoredSchoolHolidays(stored)) != stored) std::abort();

    const sk::SchoolHolidayImportPlan plan = sk::PlanSchoolHolidayImport(import, stored);
    if (plan.error.empty()) {
        std::vector<sk::SchoolHolidayPeriod> all = sk::SchoolHolidayCalendar::BuiltIn().Periods();
        all.insert(all.end(), plan.stored.begin(), plan.stored.end());
        if (sk::FirstOverlap(all)) std::abort();
    } else if (plan.stored != stored) {
        std::abort();  // a refused file leaves the stored periods as they were
    }
    sk::SchoolHolidayCalendar calendar;
    if (!calendar.FillEmptySlots(plan.stored).empty()) std::abort();
    return 0;
}
