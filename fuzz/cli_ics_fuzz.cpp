// The iCalendar export with any plan, crew, short range and shift-mark file:
// what it writes is read back by the iCalendar library as one calendar whose
// every event has a summary and a start, so no text breaks the escaping.
#include <libical/ical.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/IcsExport.h"
#include "cli/PlanOptions.h"
#include "marks/ShiftMarks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    sk::PlanOptions options;
    options.calendarType = data[0] % 8;
    options.crew = data[1] % 5;
    options.format = sk::PlanFormat::Ics;
    options.withAstronomy = false;
    options.from = sk::DayNumberOf(1970, 1, 1) + (data[2] | data[3] << 8) % 24800;
    options.to = options.from + data[2] % 20;
    const std::string_view markBytes(reinterpret_cast<const char*>(data) + 4, size - 4);
    sk::ShiftMarkList marks;
    std::vector<sk::ShiftMark> list = sk::ParseShiftMarks(markBytes);
    for (auto& m : list) m.day = options.from + static_cast<sk::DayNumber>(static_cast<std::uint32_t>(m.day) % 21);
    marks.Assign(std::move(list));
    const std::string ics = sk::ExportPlanIcs(options, &marks, options.crew, 1765000000);  // its own marks
    if (ics.empty()) return 0;
    icalcomponent* cal = icalparser_parse_string(ics.c_str());
    if (!cal) std::abort();
    for (icalcomponent* e = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
        const char* summary = icalcomponent_get_summary(e);
        if (!summary || !*summary) std::abort();
        if (icaltime_is_null_time(icalcomponent_get_dtstart(e))) std::abort();
    }
    icalcomponent_free(cal);
    return 0;
}
