#include "cli/IcsExport.h"

#include <libical/ical.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

#include "cli/IcsTimeZone.h"
#include "cli/PlanOptions.h"
#include "cli/Schichtplan.h"
#include "marks/ShiftMarkCodes.h"
#include "marks/ShiftMarks.h"
#include "shift/CalendarTypes.h"
#include "shift/ShiftComputation.h"

namespace sk {

namespace {

constexpr const char* kProductId = "-//Haldenau//Schichtkalender//DE";
constexpr const char* kUidDomain = "de.haldenau.Schichtkalender";

// Shift start and end hours by code 1-3; the night shift ends the next morning.
constexpr int kShiftStartHour[3] = {6, 14, 22};
constexpr int kShiftEndHour[3] = {14, 22, 6};

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

icaltimetype LocalTimeOf(DayNumber d, int hour, icaltimezone* zone) {
    icaltimetype t = DateOf(d);
    t.is_date = 0;
    t.hour = hour;
    t.minute = 0;
    t.second = 0;
    return icaltime_set_timezone(&t, zone);
}

// "Rot, Haldenau PM 1" / "Schicht A, Velmo Kessbach"
std::string PlanText(int type, int crew) {
    return std::string(CrewNameOf(type, crew)) + ", " + CalendarTypeInfoOf(type).label;
}

// Writes the calendar as it goes: its head (properties and time zone) first,
// then each event as soon as it is made, so no more than one event is held.
class CalendarWriter {
public:
    CalendarWriter(const PlanOptions& options, DateValue stamp, ChunkedOutput& out)
        : type_(options.calendarType),
          crew_(options.crew),
          out_(out),
          calendar_(icalcomponent_new(ICAL_VCALENDAR_COMPONENT)),
          zone_(icaltimezone_new()) {
        icalcomponent* vtimezone = NewBerlinTimeZoneComponent();
        icalcomponent_add_component(calendar_.get(), icalcomponent_new_clone(vtimezone));
        icaltimezone_set_component(zone_.get(), vtimezone);  // the zone owns it from here
        stamp_ = icaltime_from_timet_with_zone(static_cast<time_t>(stamp), 0, icaltimezone_get_utc_timezone());

        icalcomponent* cal = calendar_.get();
        icalcomponent_add_property(cal, icalproperty_new_prodid(kProductId));
        icalcomponent_add_property(cal, icalproperty_new_version("2.0"));
        icalcomponent_add_property(cal, icalproperty_new_calscale("GREGORIAN"));
        // Phone calendars name an imported or subscribed calendar after this.
        const std::string name = "Schichtplan " + std::string(CrewNameOf(type_, crew_)) + " (" +
                                 CalendarTypeInfoOf(type_).label + ")";
        icalproperty* calName = icalproperty_new_x(name.c_str());
        icalproperty_set_x_name(calName, "X-WR-CALNAME");
        icalcomponent_add_property(cal, calName);
        icalproperty* calZone = icalproperty_new_x(kIcsTimeZoneId);
        icalproperty_set_x_name(calZone, "X-WR-TIMEZONE");
        icalcomponent_add_property(cal, calZone);

        // The calendar's text ends with its END line; the events go before it.
        std::string head = TextOf(cal);
        const std::size_t end = head.rfind(kCalendarEnd);
        if (end != std::string::npos) head.resize(end);
        out_.Buffer() += head;
    }

    void Finish() { out_.Buffer() += kCalendarEnd; }

    void AddShift(DayNumber d, int code) {
        const int s = code - 1;
        icalcomponent* event = NewEvent(d, "schicht", kShiftEventNames[s]);
        const DayNumber endDay = kShiftEndHour[s] < kShiftStartHour[s] ? d + 1 : d;
        icalcomponent_set_dtstart(event, LocalTimeOf(d, kShiftStartHour[s], zone_.get()));
        icalcomponent_set_dtend(event, LocalTimeOf(endDay, kShiftEndHour[s], zone_.get()));
        icalcomponent_add_property(event, icalproperty_new_description(PlanText(type_, crew_).c_str()));
        Write(event);
    }

    // A whole day; DTEND is the following day (exclusive end).
    // Shown as free time: the day is labelled, the shift events carry the working time.
    void AddAllDay(DayNumber d, const char* kind, const std::string& summary) {
        icalcomponent* event = NewEvent(d, kind, summary.c_str());
        icalcomponent_set_dtstart(event, DateOf(d));
        icalcomponent_set_dtend(event, DateOf(d + 1));
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        Write(event);
    }

private:
    static constexpr std::string_view kCalendarEnd = "END:VCALENDAR\r\n";

    static std::string TextOf(icalcomponent* component) {
        char* text = icalcomponent_as_ical_string_r(component);
        std::string result = text != nullptr ? text : "";
        icalmemory_free_buffer(text);
        return result;
    }

    void Write(icalcomponent* event) {
        const ComponentPtr owned(event);
        char* text = icalcomponent_as_ical_string_r(event);
        if (text != nullptr) out_.Buffer() += text;
        icalmemory_free_buffer(text);
        out_.EndOfLine();
    }

    icalcomponent* NewEvent(DayNumber d, const char* kind, const char* summary) {
        const CivilDate c = CivilOf(d);
        char uid[96];
        std::snprintf(uid, sizeof uid, "%04d%02d%02d-%s-t%d-c%d@%s", c.year, c.month, c.day, kind, type_, crew_ + 1,
                      kUidDomain);
        icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_set_uid(event, uid);
        icalcomponent_set_dtstamp(event, stamp_);
        icalcomponent_set_summary(event, summary);
        return event;
    }

    int type_;
    int crew_;
    ChunkedOutput& out_;
    ComponentPtr calendar_;
    ZonePtr zone_;
    icaltimetype stamp_{};
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

bool ExportPlanIcs(const PlanOptions& options, const ShiftMarkList* marks, DateValue stamp, const OutputSink& sink) {
    const int type = options.calendarType;
    const int crew = options.crew;
    if (ParseCrewArgument(type, std::to_string(crew + 1)) != crew) return true;

    ChunkedOutput output(sink);
    CalendarWriter calendar(options, stamp, output);
    const auto markTexts = ShiftMarkOptionTexts(type);
    const int deleteCode = ShiftMarkDeleteCode(type);
    const bool fourCrews = IsFourCrewType(type);
    VacationBlockOfYear blocks(options);

    for (DayNumber d = options.from; d <= options.to && output.Ok(); ++d) {
        ShiftCode code = kShiftOff;
        bool vacationDay = false;
        if (fourCrews) {
            code = ShiftOfFourCrewType(type, crew, d);
        } else {
            const VacationBlock& block = blocks.For(CivilOf(d).year);
            const CrewShiftResult r = ComputeCrewShifts(type, d, &block);
            code = r.table.Code(crew);
            vacationDay = HasVacationBlock(type) && r.allFiveOnRhythm && VacationCrewOn(block, d) == crew;
        }
        if (code >= kShiftEarly && code <= kShiftNight) calendar.AddShift(d, code);
        if (vacationDay) calendar.AddAllDay(d, "urlaubsblock", kVacationBlockEventName);

        if (marks == nullptr) continue;
        const ShiftMark* mark = marks->ShiftMarkOfDay(d);
        if (mark == nullptr || mark->code >= deleteCode || mark->code >= static_cast<int>(markTexts.size())) continue;
        if (fourCrews && mark->crew != crew + 1) continue;
        calendar.AddAllDay(d, "markierung", std::string(markTexts[mark->code]));
    }
    calendar.Finish();
    return output.Flush();
}

std::string ExportPlanIcs(const PlanOptions& options, const ShiftMarkList* marks, DateValue stamp) {
    std::string out;
    ExportPlanIcs(options, marks, stamp, AppendTo(out));
    return out;
}

int RunIcsExport(const PlanOptions& options, DateValue stamp, const OutputSink& out, std::string& err) {
    if (options.dataFolder.empty()) return ExportPlanIcs(options, nullptr, stamp, out) ? kExitOk : kExitWriteFailed;
    std::error_code ec;
    if (!std::filesystem::is_directory(options.dataFolder, ec)) {
        err = "schichtplan: Der Datenordner „" + options.dataFolder + "“ existiert nicht oder ist kein Ordner.\n";
        return kExitBadInput;
    }
    ShiftMarkList marks;
    marks.Load(options.dataFolder);
    return ExportPlanIcs(options, &marks, stamp, out) ? kExitOk : kExitWriteFailed;
}

}  // namespace sk
