#include "cli/IcsExport.h"

#include <gtest/gtest.h>
#include <libical/ical.h>
#include <stdlib.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "shift/VacationBlock.h"
#include "accounting/HoursAccount.h"
#include "ical/IcsTimeZone.h"
#include "cli/PlanOptions.h"
#include "cli/Schichtplan.h"
#include "common/TempFolder.h"
#include "marks/ShiftMarks.h"
#include "shift/ShiftComputation.h"

namespace sk {
namespace {

const DateValue kStamp = MakeDate(2026, 12, 7, 8, 30);

struct Event {
    std::string uid;
    std::string summary;
    std::string tzid;
    bool allDay = false;
    icaltimetype start{};  // as written: local clock time or date
    icaltimetype end{};
    time_t startUtc = 0;
    time_t endUtc = 0;
};

// Reads the file back with libical, resolving TZID through the file's own VTIMEZONE.
std::vector<Event> ParseEvents(const std::string& ics) {
    std::vector<Event> events;
    icalcomponent* cal = icalparser_parse_string(ics.c_str());
    EXPECT_NE(cal, nullptr);
    if (cal == nullptr) return events;
    EXPECT_EQ(icalcomponent_isa(cal), ICAL_VCALENDAR_COMPONENT);
    for (icalcomponent* c = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); c != nullptr;
         c = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT)) {
        Event e;
        e.uid = icalcomponent_get_uid(c);
        e.summary = icalcomponent_get_summary(c);
        icalproperty* dtstart = icalcomponent_get_first_property(c, ICAL_DTSTART_PROPERTY);
        if (icalparameter* p = icalproperty_get_first_parameter(dtstart, ICAL_TZID_PARAMETER))
            e.tzid = icalparameter_get_tzid(p);
        e.start = icalcomponent_get_dtstart(c);
        e.end = icalcomponent_get_dtend(c);
        e.allDay = e.start.is_date != 0;
        if (!e.allDay) {
            EXPECT_NE(e.start.zone, nullptr) << e.uid;
            e.startUtc = icaltime_as_timet_with_zone(e.start, e.start.zone);
            e.endUtc = icaltime_as_timet_with_zone(e.end, e.end.zone);
        }
        events.push_back(e);
    }
    icalcomponent_free(cal);
    return events;
}

DayNumber DayOf(const icaltimetype& t) { return DayNumberOf(t.year, t.month, t.day); }

PlanOptions MonthOptions(int type, int crew) {
    PlanOptions o;
    o.calendarType = type;
    o.crew = crew;
    o.format = PlanFormat::Ics;
    o.from = DayNumberOf(2027, 3, 1);
    o.to = DayNumberOf(2027, 3, 31);
    // An early earliest start puts vacation-block days into this March.
    o.vacationStartMonth = 3;
    o.vacationStartDay = 1;
    return o;
}

TEST(IcsExport, MonthOfEveryCrewAtTheRightLocalTimes) {
    const DayNumber summerTimeDay = DayNumberOf(2027, 3, 28);  // clocks go 02:00 -> 03:00
    int vacationDays = 0, sundayShifts = 0, shortNights = 0;
    for (int crew = 0; crew < 5; ++crew) {
        const PlanOptions o = MonthOptions(0, crew);
        const VacationBlock block = ComputeVacationBlock(2027, 3, 1, o.vacationOrder);
        std::vector<std::pair<DayNumber, std::string>> expected;
        for (DayNumber d = o.from; d <= o.to; ++d) {
            const ShiftCode code = ComputeCrewShifts(0, d, &block).table.Code(crew);
            if (code >= 1 && code <= 3) expected.emplace_back(d, kShiftEventNames[code - 1]);
            if (VacationCrewOn(block, d) == crew) expected.emplace_back(d, kVacationBlockEventName);
        }
        const std::vector<Event> events = ParseEvents(ExportPlanIcs(o, nullptr, 0, kStamp));
        ASSERT_EQ(events.size(), expected.size()) << "crew " << crew;
        for (std::size_t i = 0; i < events.size(); ++i) {
            const Event& e = events[i];
            const DayNumber d = DayOf(e.start);
            SCOPED_TRACE(e.uid);
            EXPECT_EQ(d, expected[i].first);
            EXPECT_EQ(e.summary, expected[i].second);
            if (e.allDay) {
                EXPECT_EQ(e.summary, kVacationBlockEventName);
                EXPECT_EQ(DayOf(e.end), d + 1);  // exclusive end
                EXPECT_TRUE(e.end.is_date);
                ++vacationDays;
                continue;
            }
            EXPECT_EQ(e.tzid, kIcsTimeZoneId);
            const int s = e.summary == kShiftEventNames[0] ? 0 : e.summary == kShiftEventNames[1] ? 1 : 2;
            // Sundays have no late shift: two shifts of 12 hours.
            const bool sunday = WeekdayIndex(d) == 0;
            const int startHour[3] = {6, 14, sunday ? 18 : 22}, endHour[3] = {sunday ? 18 : 14, 22, 6};
            const int hours = sunday ? 12 : 8;
            EXPECT_EQ(e.start.hour, startHour[s]);
            EXPECT_EQ(e.end.hour, endHour[s]);
            EXPECT_EQ(e.start.minute + e.end.minute + e.start.second + e.end.second, 0);
            EXPECT_EQ(DayOf(e.end), s == 2 ? d + 1 : d);
            // Local time is UTC+1 before the change and UTC+2 from its night on.
            const int offset = d < summerTimeDay ? 3600 : 7200;
            EXPECT_EQ(e.startUtc, static_cast<time_t>(MakeDate(2027, 3, CivilOf(d).day, startHour[s])) - offset);
            const bool crossesChange = s == 2 && d + 1 == summerTimeDay;
            EXPECT_EQ(e.endUtc - e.startUtc, (crossesChange ? hours - 1 : hours) * 3600);
            shortNights += crossesChange;
            sundayShifts += sunday;
        }
    }
    // The month really holds what the checks above are about.
    EXPECT_GT(vacationDays, 0);
    EXPECT_GT(sundayShifts, 0);
    EXPECT_EQ(shortNights, 1);
}

TEST(IcsExport, FourCrewAndTwoShiftTypes) {
    struct Case {
        int type, crew;
    } cases[] = {{6, 0}, {7, 3}, {2, 2}};
    for (const Case& c : cases) {
        PlanOptions o = MonthOptions(c.type, c.crew);
        std::multiset<std::string> expected;
        for (DayNumber d = o.from; d <= o.to; ++d) {
            const ShiftCode code = c.type == 2 ? ComputeCrewShifts(2, d, nullptr).table.Code(c.crew)
                                               : ShiftOfFourCrewType(c.type, c.crew, d);
            if (code >= 1 && code <= 3) expected.insert(kShiftEventNames[code - 1]);
        }
        std::multiset<std::string> got;
        for (const Event& e : ParseEvents(ExportPlanIcs(o, nullptr, 0, kStamp))) got.insert(e.summary);
        EXPECT_EQ(got, expected) << "type " << c.type;
        if (c.type == 2) {
            EXPECT_EQ(got.count(kShiftEventNames[2]), 0u);
        }
    }
}

TEST(IcsExport, ShiftMarksAsAllDayEvents) {
    const testing::TempFolder dir;
    const std::string& folder = dir.Path();
    const DayNumber d3 = DayNumberOf(2027, 3, 3), d4 = d3 + 1, d5 = d3 + 2;
    ShiftMarkList written;
    // Column 2 with "Urlaub" (types 0-5) / "Nacht" (6, 7), column 3 "Krank" / "Urlaub",
    // and a code no option has.
    written.Assign({{d3, 2, 2}, {d4, 3, 4}, {d5, 1, 40}});
    ASSERT_TRUE(written.Save(folder));

    struct Case {
        int type, crew, homeCrew;
        std::vector<std::string> marks;  // summaries of all-day events, in day order
    } cases[] = {
        {1, 0, 0, {"Urlaub", "Krank"}},  // the user's own marks, whatever the column
        {1, 4, 0, {}},                   // not the home crew: not the user's marks
        {1, 4, 4, {"Urlaub", "Krank"}},  // the home crew as the hours file names it
        {6, 1, 0, {}},                   // only the crew's own column; "Nacht" is its shift that day
        {7, 2, 0, {"Urlaub"}},
        {6, 3, 0, {}},
    };
    for (const Case& c : cases) {
        HoursRecord hours;
        hours.homeCrew = c.homeCrew;
        ASSERT_TRUE(SaveHours(folder + "/", hours));
        PlanOptions o = MonthOptions(c.type, c.crew);
        o.vacationStartMonth = 12;  // no vacation block in March
        o.dataFolder = folder;
        std::string out, err;
        ASSERT_EQ(RunIcsExport(o, kStamp, out, err), kExitOk) << err;
        std::vector<std::string> got;
        for (const Event& e : ParseEvents(out)) {
            if (!e.allDay) continue;
            EXPECT_EQ(DayOf(e.end), DayOf(e.start) + 1);
            EXPECT_NE(e.uid.find("markierung"), std::string::npos);
            got.push_back(e.summary);
        }
        EXPECT_EQ(got, c.marks) << "type " << c.type << " crew " << c.crew;
    }
}

TEST(IcsExport, UidsAreStableAndUnique) {
    PlanOptions o = MonthOptions(0, 2);
    o.to = DayNumberOf(2027, 12, 31);
    const std::string first = ExportPlanIcs(o, nullptr, 0, kStamp);
    const std::string again = ExportPlanIcs(o, nullptr, 0, kStamp + 86400);
    EXPECT_NE(first, again);  // a later export carries a later DTSTAMP
    std::vector<std::string> a, b;
    for (const Event& e : ParseEvents(first)) a.push_back(e.uid);
    for (const Event& e : ParseEvents(again)) b.push_back(e.uid);
    EXPECT_EQ(a, b);
    EXPECT_EQ(std::set<std::string>(a.begin(), a.end()).size(), a.size());
    // Another crew or plan type never reuses a UID.
    for (const auto& [type, crew] : {std::pair{0, 3}, std::pair{3, 2}}) {
        PlanOptions other = o;
        other.calendarType = type;
        other.crew = crew;
        for (const Event& e : ParseEvents(ExportPlanIcs(other, nullptr, 0, kStamp)))
            EXPECT_EQ(std::find(a.begin(), a.end(), e.uid), a.end()) << e.uid;
    }
}

// Our VTIMEZONE against the system's time zone data, every day from 1970 to
// 2037 at noon UTC and every hour of the days around each change.
TEST(IcsExport, TimeZoneAgreesWithSystemData) {
    icaltimezone* reference = icaltimezone_get_builtin_timezone(kIcsTimeZoneId);
    if (reference == nullptr) GTEST_SKIP() << "no system time zone data";
    icaltimezone* ours = icaltimezone_new();
    icaltimezone_set_component(ours, NewBerlinTimeZoneComponent());
    icaltimezone* utc = icaltimezone_get_utc_timezone();
    auto offsets = [&](DateValue t) {
        icaltimetype u = icaltime_from_timet_with_zone(static_cast<time_t>(t), 0, utc);
        int dstA = 0, dstB = 0;
        return std::pair{icaltimezone_get_utc_offset_of_utc_time(ours, &u, &dstA),
                         icaltimezone_get_utc_offset_of_utc_time(reference, &u, &dstB)};
    };
    int changes = 0;
    int previous = 3600;
    for (DayNumber d = kFirstDay; d <= kLastDay; ++d) {
        const auto [mine, theirs] = offsets(static_cast<DateValue>(d) * 86400 + 12 * 3600);
        ASSERT_EQ(mine, theirs) << "day " << d;
        if (mine == previous) continue;
        ++changes;
        previous = mine;
        for (DateValue t = static_cast<DateValue>(d - 1) * 86400; t < static_cast<DateValue>(d + 1) * 86400; t += 1800) {
            const auto [a, b] = offsets(t);
            ASSERT_EQ(a, b) << "at " << t;
        }
    }
    EXPECT_EQ(changes, 2 * (2037 - 1980 + 1));
    icaltimezone_free(ours, 1);
}

TEST(IcsExport, CrewArguments) {
    struct Case {
        int type;
        const char* text;
        int crew;
    } cases[] = {
        {0, "5", 4},     {0, "05", 4},  {0, "0", -1},  {0, "6", -1},        {0, "gruen", 3}, {5, "BRAUN", 4},
        {2, "4", -1},    {2, "grün", -1}, {6, "b", 1},  {7, "Schicht D", 3}, {7, "E", -1},    {6, "rot", -1},
        {1, "A", -1},    {0, "1x", -1}, {8, "1", -1},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseCrewArgument(c.type, c.text), c.crew) << c.type << " " << c.text;
    EXPECT_EQ(CrewChoicesText(2), "1 bis 3: 1 Rot, 2 Blau, 3 Gelb");
    EXPECT_EQ(CrewChoicesText(7), "1 bis 4: 1 Schicht A, 2 Schicht B, 3 Schicht C, 4 Schicht D");
}

TEST(IcsExport, CommandLine) {
    const DayNumber today = DayNumberOf(2026, 12, 7);
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* text;  // part of the error, or of the output
    } cases[] = {
        {{"--format", "ics"}, 2, "Zum Format ics fehlt die Schicht (--crew N)."},
        {{"--crew", "1"}, 2, "Die Option --crew gilt nur zusammen mit --format ics."},
        {{"--format", "ics", "--crew", "6"}, 2, "Ungültige Schicht „6“ für die Schichtart 0 (erlaubt sind 1 bis 5:"},
        {{"--format", "ics", "--crew", "4", "--type", "2"}, 2, "(erlaubt sind 1 bis 3: 1 Rot, 2 Blau, 3 Gelb)."},
        {{"--format", "ics", "--crew="}, 2, "Ungültige Schicht „“"},
        {{"--format", "ical", "--crew", "1"}, 2, "Unbekanntes Format „ical“"},
        {{"--format", "ics", "--crew", "1", "--data", "/nonexistent/sk"}, 2, "Der Datenordner „/nonexistent/sk“"},
        {{"--type", "6", "--crew", "C", "--format", "ics", "--from", "2027-01-01", "--to", "2027-01-01"},
         0,
         "X-WR-CALNAME:Schichtplan Schicht C (Velmo Kessbach)"},
    };
    for (const Case& c : cases) {
        std::string out, err;
        const int status = RunSchichtplan(c.args, today, out, err);
        EXPECT_EQ(status, c.status) << c.args[0] << " " << err;
        const std::string& text = c.status == 0 ? out : err;
        EXPECT_NE(text.find(c.text), std::string::npos) << text;
        if (c.status != 0) {
            EXPECT_TRUE(out.empty());
        }
    }
}

}  // namespace
}  // namespace sk
