#include "ical/PlanIcs.h"

#include <libical/ical.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "ical/IcsTimeZone.h"
#include "marks/ShiftMarkCodes.h"
#include "marks/ShiftMarks.h"
#include "shift/OwnShiftPlan.h"
#include "shift/CalendarTypes.h"
#include "shift/ShiftComputation.h"

namespace sk {

namespace {

constexpr const char* kProductId = "-//Haldenau//Schichtkalender//DE";

// Shift start and end by code 1-3, in minutes of the day; the night shift
// ends the next morning.
constexpr int kShiftStartMinute[3] = {6 * 60, 14 * 60, 22 * 60};
constexpr int kShiftEndMinute[3] = {14 * 60, 22 * 60, 6 * 60};

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
    void AddShift(DayNumber d, const char* summary, int startMinute, int endMinute) {
        icalcomponent* event = NewEvent(d, "schicht", summary);
        const DayNumber endDay = endMinute <= startMinute ? d + 1 : d;
        icalcomponent_set_dtstart(event, LocalTimeOf(d, startMinute, zone_.get()));
        icalcomponent_set_dtend(event, LocalTimeOf(endDay, endMinute, zone_.get()));
        icalcomponent_add_property(event, icalproperty_new_description(planText_.c_str()));
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

    int type_;
    int crew_;
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

namespace {

// The marks of day d that go into the calendar of `crew` as all-day events.
// `markTexts` are the option texts of the type.
void AddMarkOfDay(CalendarBuilder& calendar, const ShiftMarkList* marks, const std::vector<std::string_view>& markTexts,
                  int type, int crew, DayNumber d) {
    if (marks == nullptr) return;
    const ShiftMark* mark = marks->ShiftMarkOfDay(d);
    if (mark == nullptr || mark->code >= ShiftMarkDeleteCode(type) || mark->code >= static_cast<int>(markTexts.size()))
        return;
    if (IsFourCrewType(type) && mark->crew != crew + 1) return;
    calendar.AddAllDay(d, "markierung", std::string(markTexts[mark->code]));
}

bool ExportOwnPlanIcs(const PlanIcsRequest& options, const ShiftMarkList* marks, DateValue stamp,
                      const OutputSink& sink) {
    const OwnShiftPlan& plan = *options.ownPlan;
    const int crew = options.crew;
    if (crew < 0 || crew >= plan.CrewCount()) return true;
    CalendarBuilder calendar(options, stamp, plan.crews[crew].name, plan.name, sink);
    const auto markTexts = ShiftMarkOptionTexts(options.calendarType);
    for (DayNumber d = options.from; d <= options.to && calendar.Ok(); ++d) {
        const int kind = KindOfShiftCode(OwnPlanShiftOf(plan, crew, d));
        if (kind >= 0) {
            const ShiftKindTimes& t = plan.kindTimes[kind];
            calendar.AddShift(d, kShiftKindEventNames[kind], t.startMinute, t.endMinute);
        }
        // The user's marks are on the own crew's shift columns: every mark counts.
        AddMarkOfDay(calendar, marks, markTexts, options.calendarType, crew, d);
    }
    return calendar.Finish();
}

}  // namespace

bool PlanIcs(const PlanIcsRequest& options, DateValue stamp, const OutputSink& sink) {
    const ShiftMarkList* marks = options.marks;
    const int type = options.calendarType;
    const int crew = options.crew;
    if (type == kOwnPlanCalendarType) return !options.ownPlan || ExportOwnPlanIcs(options, marks, stamp, sink);
    if (ParseCrewArgument(type, std::to_string(crew + 1)) != crew) return true;

    CalendarBuilder calendar(options, stamp, CrewNameOf(type, crew), CalendarTypeInfoOf(type).label, sink);
    const auto markTexts = ShiftMarkOptionTexts(type);
    const bool fourCrews = IsFourCrewType(type);
    VacationBlock block;
    bool haveBlock = false;

    for (DayNumber d = options.from; d <= options.to && calendar.Ok(); ++d) {
        ShiftCode code = kShiftOff;
        bool vacationDay = false;
        if (fourCrews) {
            code = ShiftOfFourCrewType(type, crew, d);
        } else {
            const int year = CivilOf(d).year;
            if (!haveBlock || block.year != year) {
                block = ComputeVacationBlock(year, options.vacationStartMonth, options.vacationStartDay,
                                             options.vacationOrder);
                haveBlock = true;
            }
            const CrewShiftResult r = ComputeCrewShifts(type, d, &block);
            code = r.table.Code(crew);
            vacationDay = options.withVacationBlock && HasVacationBlock(type) && r.allFiveOnRhythm && VacationCrewOn(block, d) == crew;
        }
        if (code >= kShiftEarly && code <= kShiftNight) {
            const int s = code - 1;
            calendar.AddShift(d, kShiftEventNames[s], kShiftStartMinute[s], kShiftEndMinute[s]);
        }
        if (vacationDay) calendar.AddAllDay(d, "urlaubsblock", kVacationBlockEventName);
        AddMarkOfDay(calendar, marks, markTexts, type, crew, d);
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
    }
    return calendar.Finish();
}

std::string PlanIcs(const PlanIcsRequest& request, DateValue stamp) {
    std::string out;
    PlanIcs(request, stamp, AppendTo(out));
    return out;
}

}  // namespace sk
