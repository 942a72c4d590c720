#include "ical/PlanIcs.h"

#include <libical/ical.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "ical/IcsTimeZone.h"
#include "shift/OwnShiftPlan.h"
#include "shift/CalendarTypes.h"

namespace sk {

namespace {

constexpr const char* kProductId = "-//Haldenau//Schichtkalender//DE";

std::string AsciiLower(std::string_view text) {
    std::string s(text);
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

int CrewSlots(int calendarType) { return IsFourCrewType(calendarType) ? 4 : CrewCountOf(calendarType); }

struct ComponentDeleter {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentDeleter>;

struct ZoneDeleter {
    void operator()(icaltimezone* z) const { icaltimezone_free(z, 1); }
};
using ZonePtr = std::unique_ptr<icaltimezone, ZoneDeleter>;

icaltimetype DateOf(DayNumber d) {
    const CivilDate c = CivilOf(d);
    icaltimetype t = icaltime_null_date();
    t.year = c.year;
    t.month = c.month;
    t.day = c.day;
    return t;
}

icaltimetype LocalTimeOf(DayNumber d, int minuteOfDay, icaltimezone* zone) {
    icaltimetype t = DateOf(d);
    t.is_date = 0;
    t.hour = minuteOfDay / 60;
    t.minute = minuteOfDay % 60;
    t.second = 0;
    return icaltime_set_timezone(&t, zone);
}

class CalendarBuilder {
public:
    // `crewName` and `planName` name the crew and the plan in the calendar's
    // name and in every shift's description ("Rot, Haldenau PM 1").
    // The calendar's head goes out at once, each event as it is added.
    CalendarBuilder(const PlanIcsRequest& options, DateValue stamp, std::string crewName, std::string planName,
                    const OutputSink& sink)
        : type_(options.calendarType),
          crew_(options.crew),
          alarmMinutes_(std::clamp(options.alarmMinutes, 0, kMaxAlarmMinutes)),
          planText_(crewName + ", " + planName),
          calendar_(icalcomponent_new(ICAL_VCALENDAR_COMPONENT)),
          zone_(icaltimezone_new()),
          output_(sink) {
        icalcomponent* vtimezone = NewBerlinTimeZoneComponent();
        icalcomponent_add_component(calendar_.get(), icalcomponent_new_clone(vtimezone));
        icaltimezone_set_component(zone_.get(), vtimezone);  // the zone owns it from here
        stamp_ = icaltime_from_timet_with_zone(static_cast<time_t>(stamp), 0, icaltimezone_get_utc_timezone());

        icalcomponent* cal = calendar_.get();
        icalcomponent_add_property(cal, icalproperty_new_prodid(kProductId));
        icalcomponent_add_property(cal, icalproperty_new_version("2.0"));
        icalcomponent_add_property(cal, icalproperty_new_calscale("GREGORIAN"));
        // Phone calendars name an imported or subscribed calendar after this.
        const std::string name = "Schichtplan " + crewName + " (" + planName + ")";
        icalproperty* calName = icalproperty_new_x(name.c_str());
        icalproperty_set_x_name(calName, "X-WR-CALNAME");
        icalcomponent_add_property(cal, calName);
        icalproperty* calZone = icalproperty_new_x(kIcsTimeZoneId);
        icalproperty_set_x_name(calZone, "X-WR-TIMEZONE");
        icalcomponent_add_property(cal, calZone);
        // A calendar is written as its properties, then its components: the
        // text up to the end line is the head, whatever follows it.
        std::string head = TextOf(cal);
        if (head.size() >= kCalendarEnd.size()) head.resize(head.size() - kCalendarEnd.size());
        output_.Buffer() = std::move(head);
    }

    // A shift from startMinute on day d; an end at or before the start is on the next day.
    void AddShift(DayNumber d, const char* kind, const char* summary, int startMinute, int endMinute) {
        icalcomponent* event = NewEvent(d, kind, summary);
        const DayNumber endDay = endMinute <= startMinute ? d + 1 : d;
        icalcomponent_set_dtstart(event, LocalTimeOf(d, startMinute, zone_.get()));
        icalcomponent_set_dtend(event, LocalTimeOf(endDay, endMinute, zone_.get()));
        icalcomponent_add_property(event, icalproperty_new_description(planText_.c_str()));
        if (alarmMinutes_ > 0) icalcomponent_add_component(event, NewAlarm(summary));
        Write(event);
    }

    // A whole day; DTEND is the following day (exclusive end).
    // Shown as free time: the day is labelled, the shift events carry the working time.
    void AddAllDay(DayNumber d, const char* kind, const std::string& summary) { AddDays(d, d, kind, summary); }

    // Several whole days, first to last inclusive; DTEND exclusive.
    void AddDays(DayNumber first, DayNumber last, const char* kind, const std::string& summary) {
        icalcomponent* event = NewEvent(first, kind, summary.c_str());
        icalcomponent_set_dtstart(event, DateOf(first));
        icalcomponent_set_dtend(event, DateOf(last + 1));
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        Write(event);
    }

    // Ends the calendar; false when any part could not be written.
    bool Finish() {
        output_.Buffer() += kCalendarEnd;
        return output_.Flush();
    }
    bool Ok() const { return output_.Ok(); }

private:
    static constexpr std::string_view kCalendarEnd = "END:VCALENDAR\r\n";

    static std::string TextOf(icalcomponent* c) {
        char* text = icalcomponent_as_ical_string_r(c);
        std::string result = text != nullptr ? text : "";
        icalmemory_free_buffer(text);
        return result;
    }

    // One event goes out and is freed: a long range is never held whole.
    void Write(icalcomponent* event) {
        const ComponentPtr owned(event);
        output_.Buffer() += TextOf(event);
        output_.EndOfLine();
    }

    icalcomponent* NewEvent(DayNumber d, const char* kind, const char* summary) {
        const CivilDate c = CivilOf(d);
        char uid[96];
        std::snprintf(uid, sizeof uid, "%04d%02d%02d-%s-t%d-c%d@%s", c.year, c.month, c.day, kind, type_, crew_ + 1,
                      kPlanUidDomain);
        icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_set_uid(event, uid);
        icalcomponent_set_dtstamp(event, stamp_);
        icalcomponent_set_summary(event, summary);
        return event;
    }

    icalcomponent* NewAlarm(const char* text) const {
        icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icalcomponent_add_property(alarm, icalproperty_new_description(text));
        icaltriggertype trigger{};
        trigger.time = icaltime_null_time();
        trigger.duration = icaldurationtype_from_int(-alarmMinutes_ * 60);
        icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
        return alarm;
    }

    int type_;
    int crew_;
    int alarmMinutes_;
    std::string planText_;
    ComponentPtr calendar_;
    ZonePtr zone_;
    icaltimetype stamp_{};
    ChunkedOutput output_;
};

}  // namespace

int ParseCrewArgument(int calendarType, std::string_view text) {
    if (!IsValidCalendarType(calendarType) || text.empty() || text.size() > 16) return -1;
    const int slots = CrewSlots(calendarType);
    if (text.size() <= 2 && text.find_first_not_of("0123456789") == std::string_view::npos) {
        const int n = std::atoi(std::string(text).c_str());
        return n >= 1 && n <= slots ? n - 1 : -1;
    }
    const std::string lower = AsciiLower(text);
    for (int k = 0; k < slots; ++k) {
        const std::string name = AsciiLower(CrewNameOf(calendarType, k));
        if (lower == name) return k;
        if (IsFourCrewType(calendarType) && lower.size() == 1 && lower[0] == 'a' + k) return k;
    }
    // "Grün" without the umlaut.
    if (!IsFourCrewType(calendarType) && lower == "gruen" && slots > 3) return 3;
    return -1;
}

std::string CrewChoicesText(int calendarType) {
    const int slots = CrewSlots(calendarType);
    std::string text = "1 bis " + std::to_string(slots) + ":";
    for (int k = 0; k < slots; ++k) {
        text += k == 0 ? " " : ", ";
        text += std::to_string(k + 1) + " " + CrewNameOf(calendarType, k);
    }
    return text;
}

bool PlanIcs(const PlanIcsRequest& options, DateValue stamp, const OutputSink& sink) {
    const int type = options.calendarType;
    const int crew = options.crew;
    std::string crewName, planName;
    if (type == kOwnPlanCalendarType) {
        if (options.ownPlan == nullptr || crew < 0 || crew >= options.ownPlan->CrewCount()) return true;
        crewName = options.ownPlan->crews[crew].name;
        planName = options.ownPlan->name;
    } else {
        if (ParseCrewArgument(type, std::to_string(crew + 1)) != crew) return true;
        crewName = CrewNameOf(type, crew);
        planName = CalendarTypeInfoOf(type).label;
    }
    CalendarBuilder calendar(options, stamp, crewName, planName, sink);
    // A year at a time, so a long range is never held whole.
    for (DayNumber first = options.from; first <= options.to && calendar.Ok();) {
        CrewEventRequest part = options;
        part.from = first;
        part.to = std::min(options.to, DayNumberOf(CivilOf(first).year, 12, 31));
        for (const CrewEvent& e : CrewEventsOf(part)) {
            if (!calendar.Ok()) break;  // a sink that failed takes nothing more
            if (e.kind == CrewEventKind::Shift)
                calendar.AddShift(e.day, e.uidKind.c_str(), e.summary.c_str(), e.startMinute, e.endMinute);
            else
                calendar.AddAllDay(e.day, e.uidKind.c_str(), e.summary);
        }
        first = part.to + 1;
    }
    // Asked for with a file of school holidays: every period reaching into the range, whole.
    if (options.schoolHolidays) {
        auto dayOf = [](std::int32_t code) { return DayNumberOf(code / 10000, code / 100 % 100, code % 100); };
        for (const SchoolHolidayPeriod& p : options.schoolHolidays->Periods()) {
            const DayNumber first = dayOf(p.dates.first);
            const DayNumber last = dayOf(p.dates.last);
            if (last < options.from || first > options.to) continue;
            calendar.AddDays(first, last, "schulferien", "Schulferien " + SchoolHolidayPeriodLabel(p));
        }
        for (const FurtherSchoolHoliday& f : options.schoolHolidays->Further()) {
            const DayNumber first = dayOf(f.dates.first);
            const DayNumber last = dayOf(f.dates.last);
            if (last < options.from || first > options.to) continue;
            calendar.AddDays(first, last, "schulferien", "Schulferien: " + f.name);
        }
    }
    return calendar.Finish();
}

std::string PlanIcs(const PlanIcsRequest& request, DateValue stamp) {
    std::string out;
    PlanIcs(request, stamp, AppendTo(out));
    return out;
}

}  // namespace sk
