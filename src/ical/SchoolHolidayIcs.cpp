#include "ical/SchoolHolidayIcs.h"

#include <libical/ical.h>

#include <memory>

#include "base/FileIO.h"
#include "base/Latin1.h"

namespace sk {

namespace {

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};

// Valid UTF-8 of the name, bad bytes as "?", line breaks as blanks, cut to
// kMaxEventNameCharacters characters: the name goes into labels and messages.
std::string CleanName(std::string_view s) {
    std::string out;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < s.size() && characters < kMaxEventNameCharacters; ++characters) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t length = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        bool valid = length > 0 && i + length <= s.size();
        for (std::size_t k = 1; valid && k < length; ++k)
            valid = (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
        if (valid && length == 2 && c < 0xC2) valid = false;  // overlong
        if (!valid) {
            out += '?';
            ++i;
            continue;
        }
        if (length == 1 && c < 0x20) {
            out += ' ';
        } else {
            out.append(s.substr(i, length));
        }
        i += length;
    }
    const std::size_t begin = out.find_first_not_of(' ');
    if (begin == std::string::npos) return {};
    return out.substr(begin, out.find_last_not_of(' ') - begin + 1);
}

std::optional<CivilDate> CivilOfTime(const icaltimetype& t) {
    if (icaltime_is_null_time(t) || !icaltime_is_valid_time(t)) return std::nullopt;
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31) return std::nullopt;
    return CivilDate{t.year, t.month, t.day};
}

CalendarEvent EventOf(icalcomponent* event) {
    CalendarEvent e;
    if (const char* summary = icalcomponent_get_summary(event)) e.summary = CleanName(summary);
    e.recurring = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY) != nullptr ||
                  icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY) != nullptr;
    if (icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY) == nullptr) return e;
    const icaltimetype start = icalcomponent_get_dtstart(event);
    e.first = CivilOfTime(start);
    if (!e.first) return e;
    // DTEND (or DTSTART + DURATION) is exclusive for a whole day and for a
    // midnight end; a later time of day ends on its own day. Without either
    // a date lasts one day.
    const bool hasEnd = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY) != nullptr ||
                        icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY) != nullptr;
    if (!hasEnd) {
        e.last = e.first;
        return e;
    }
    icaltimetype end = icalcomponent_get_dtend(event);
    if (icaltime_is_null_time(end) || !icaltime_is_valid_time(end)) return e;
    const bool exclusive = end.is_date || (end.hour == 0 && end.minute == 0 && end.second == 0);
    const auto endDay = CivilOfTime(end);
    if (!endDay) return e;
    // Day arithmetic on the core's day numbers; the years are checked later.
    if (endDay->year < 0 || endDay->year > 9999) return e;
    const DayNumber lastDay = DayNumberOf(endDay->year, endDay->month, endDay->day) - (exclusive ? 1 : 0);
    // An end on the start day (a zero-length whole-day event) counts as that one day.
    const DayNumber firstDay = DayNumberOf(e.first->year, e.first->month, e.first->day);
    e.last = CivilOf(exclusive && lastDay == firstDay - 1 ? firstDay : lastDay);
    return e;
}

}  // namespace

bool ReadCalendarEvents(std::string_view bytes, std::vector<CalendarEvent>& events, std::string& error) {
    events.clear();
    static constexpr const char* kNotIcs = "Die Datei ist keine iCalendar-Datei (.ics).";
    // libical reads up to the first zero byte; text has none.
    if (bytes.find('\0') != std::string_view::npos) {
        error = kNotIcs;
        return false;
    }
    std::string_view head = bytes;
    if (head.starts_with("\xEF\xBB\xBF")) head.remove_prefix(3);
    while (!head.empty() && (head.front() == ' ' || head.front() == '\r' || head.front() == '\n' || head.front() == '\t'))
        head.remove_prefix(1);
    if (!head.starts_with("BEGIN:VCALENDAR")) {
        error = kNotIcs;
        return false;
    }
    const std::string text(head);
    std::unique_ptr<icalcomponent, ComponentFree> root(icalparser_parse_string(text.c_str()));
    icalerror_clear_errno();
    if (!root || icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT) {
        error = kNotIcs;
        return false;
    }
    for (icalcomponent* e = icalcomponent_get_first_component(root.get(), ICAL_VEVENT_COMPONENT); e != nullptr;
         e = icalcomponent_get_next_component(root.get(), ICAL_VEVENT_COMPONENT)) {
        events.push_back(EventOf(e));
    }
    return true;
}

SchoolHolidayImport ReadSchoolHolidayIcs(std::string_view bytes) {
    std::vector<CalendarEvent> events;
    std::string error;
    if (!ReadCalendarEvents(bytes, events, error)) {
        SchoolHolidayImport failed;
        failed.error = error;
        return failed;
    }
    return ClassifyCalendarEvents(events);
}

SchoolHolidayImport ReadSchoolHolidayIcsFile(const std::string& path) {
    SchoolHolidayImport failed;
    if (!IsRegularFile(path)) {
        failed.error = "Die Datei " + QuotedPathPiece(path) + " lässt sich nicht lesen.";
        return failed;
    }
    const auto bytes = ReadRegularFile(path, kMaxIcsFileBytes + 1);
    if (!bytes) {
        failed.error = "Die Datei " + QuotedPathPiece(path) + " lässt sich nicht lesen.";
        return failed;
    }
    if (bytes->size() > kMaxIcsFileBytes) {
        failed.error = "Die Datei ist größer als 1 MB und damit keine Ferienliste.";
        return failed;
    }
    return ReadSchoolHolidayIcs(*bytes);
}

}  // namespace sk
