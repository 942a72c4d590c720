#include "ical/CrewEvents.h"

#include <gtest/gtest.h>

#include <functional>

#include "marks/ShiftMarks.h"
#include "shift/OwnShiftPlan.h"
#include "shift/ShiftComputation.h"

namespace sk {
namespace {

constexpr int kH = 60;

// Plan code of a crew without vacation block, for finding days to test on.
ShiftCode PlanCode(int type, int crew, DayNumber d, const OwnShiftPlan* own) {
    if (type == kOwnPlanCalendarType) return OwnPlanShiftOf(*own, crew, d);
    if (IsFourCrewType(type)) return ShiftOfFourCrewType(type, crew, d);
    return ComputeCrewShifts(type, d, nullptr).table.Code(crew);
}

CrewEventRequest Request(int type, int crew, DayNumber from, DayNumber to) {
    CrewEventRequest r;
    r.calendarType = type;
    r.crew = crew;
    r.from = from;
    r.to = to;
    r.withVacationBlock = false;
    return r;
}

// Every Sunday and weekday of 2027 in the five-crew plans: the crews' shifts
// starting that day cover 6.00 to 6.00 next morning without gap or overlap,
// with no late shift on Sundays, long shifts only on Sundays.
TEST(CrewEvents, ShiftsCoverEveryDayOnceAndSundaysHaveTwoLongShifts) {
    const DayNumber first = DayNumberOf(2027, 1, 1), last = DayNumberOf(2027, 12, 31);
    for (int type : {0, 1, 3, 4, 5}) {
        std::vector<std::vector<CrewEvent>> byDay(last - first + 1);
        for (int crew = 0; crew < 5; ++crew)
            for (const CrewEvent& e : CrewEventsOf(Request(type, crew, first, last))) byDay[e.day - first].push_back(e);
        for (DayNumber d = first; d <= last; ++d) {
            SCOPED_TRACE(testing::Message() << "type " << type << " day " << d);
            auto shifts = byDay[d - first];
            std::sort(shifts.begin(), shifts.end(),
                      [](const CrewEvent& a, const CrewEvent& b) { return a.startMinute < b.startMinute; });
            int covered = 6 * kH;
            for (const CrewEvent& e : shifts) {
                EXPECT_EQ(e.startMinute, covered);
                covered = e.endMinute <= e.startMinute ? e.endMinute + 24 * kH : e.endMinute;
            }
            EXPECT_EQ(covered, 30 * kH);
            const bool sunday = WeekdayIndex(d) == 0;
            EXPECT_EQ(shifts.size(), sunday ? 2u : 3u);
            if (sunday && shifts.size() == 2) {
                EXPECT_EQ(shifts[0].summary, "Frühschicht");
                EXPECT_EQ(shifts[0].endMinute, 18 * kH);
                EXPECT_EQ(shifts[1].summary, "Nachtschicht");
                EXPECT_EQ(shifts[1].startMinute, 18 * kH);
            }
        }
    }
}

TEST(CrewEvents, PlansWithoutLongSundaysKeepTheirTimes) {
    const DayNumber sunday = DayNumberOf(2027, 1, 3);
    ASSERT_EQ(WeekdayIndex(sunday), 0);
    OwnShiftPlan own = MakeOwnShiftPlan("FFSSNN--", sunday, 4);
    own.kindTimes[0] = {5 * kH + 30, 13 * kH + 30, 8 * kH};
    struct Case { int type; int crews; };
    for (const Case c : {Case{2, 3}, Case{6, 4}, Case{7, 4}, Case{kOwnPlanCalendarType, 4}}) {
        for (int crew = 0; crew < c.crews; ++crew) {
            CrewEventRequest r = Request(c.type, crew, sunday, sunday);
            r.ownPlan = &own;
            for (const CrewEvent& e : CrewEventsOf(r)) {
                SCOPED_TRACE(testing::Message() << "type " << c.type << " " << e.summary);
                if (c.type == kOwnPlanCalendarType) {
                    EXPECT_EQ(e.startMinute, own.kindTimes[e.shiftKind].startMinute);
                    EXPECT_EQ(e.endMinute, own.kindTimes[e.shiftKind].endMinute);
                } else {
                    EXPECT_EQ(e.startMinute, kWeekdayShiftClocks[e.shiftKind].startMinute);
                    EXPECT_EQ(e.endMinute, kWeekdayShiftClocks[e.shiftKind].endMinute);
                }
            }
        }
    }
    EXPECT_EQ(ShiftTimesText(kSundayNightClock.startMinute, kSundayNightClock.endMinute), "18.00 - 6.00 Uhr");
}

struct MarkCase {
    const char* what;
    int type;
    int crew;
    std::function<bool(ShiftCode, DayNumber)> day;  // which day to mark
    int column;
    int code;
    bool own;
    const char* shift;   // the day's shift appointment, "" for none
    int start, end;      // its clock, when there is one
    const char* allDay;  // the day's all-day entry, "" for none
};

bool Working(ShiftCode c) { return (c >= 1 && c <= 3) || c == kShiftDay; }
bool WeekdayWorking(ShiftCode c, DayNumber d) { return Working(c) && WeekdayIndex(d) != 0; }
bool WeekdayNight(ShiftCode c, DayNumber d) { return c == kShiftNight && WeekdayIndex(d) != 0; }
bool WeekdayFree(ShiftCode c, DayNumber d) { return !Working(c) && WeekdayIndex(d) != 0; }
bool SundayFree(ShiftCode c, DayNumber d) { return !Working(c) && WeekdayIndex(d) == 0; }
bool WeekdayLate(ShiftCode c, DayNumber d) { return c == kShiftLate && WeekdayIndex(d) != 0; }

TEST(CrewEvents, MarksOfTheDay) {
    const DayNumber from = DayNumberOf(2027, 10, 4);  // after the vacation block
    OwnShiftPlan own = MakeOwnShiftPlan("TTTT---", from, 1);
    own.kindUsed[3] = true;
    own.kindTimes[3] = {7 * kH, 15 * kH + 30, 8 * kH};
    const MarkCase cases[] = {
        {"vacation removes the night", 1, 0, WeekdayNight, 4, 2, true, "", 0, 0, "Urlaub"},
        {"sick removes the shift", 1, 0, WeekdayWorking, 2, 4, true, "", 0, 0, "Krank"},
        {"time off removes the shift", 3, 2, WeekdayWorking, 3, 1, true, "", 0, 0, "Freizeit"},
        {"training keeps it", 1, 0, WeekdayNight, 4, 3, true, "Nachtschicht", 22 * kH, 6 * kH, "Lehrgang"},
        {"X on a free day is a night", 1, 0, WeekdayFree, 4, 0, true, "Nachtschicht", 22 * kH, 6 * kH, ""},
        {"X on a free Sunday is a long early", 0, 3, SundayFree, 2, 0, true, "Frühschicht", 6 * kH, 18 * kH, ""},
        {"X on a free Sunday night", 4, 1, SundayFree, 4, 0, true, "Nachtschicht", 18 * kH, 6 * kH, ""},
        {"X in the standby column has no times", 1, 0, WeekdayFree, 1, 0, true, "", 0, 0, "Arbeitseinsatz (X)"},
        {"X on a working day", 1, 0, WeekdayNight, 2, 0, true, "Nachtschicht", 22 * kH, 6 * kH, "Arbeitseinsatz (X)"},
        {"another crew's file has no marks", 1, 0, WeekdayNight, 4, 2, false, "Nachtschicht", 22 * kH, 6 * kH, ""},
        {"two-shift late", 2, 1, WeekdayFree, 3, 0, true, "Spätschicht", 14 * kH, 22 * kH, ""},
        {"four crews: time off", 7, 1, WeekdayWorking, 2, 3, true, "", 0, 0, "Freizeit"},
        {"four crews: vacation", 6, 0, WeekdayWorking, 1, 4, true, "", 0, 0, "Urlaub"},
        {"four crews: a night on a free day", 7, 1, WeekdayFree, 2, 2, true, "Nachtschicht", 22 * kH, 6 * kH, ""},
        {"four crews: early instead of late", 6, 2, WeekdayLate, 3, 0, true, "Frühschicht", 6 * kH, 14 * kH, ""},
        {"four crews: another column", 7, 1, WeekdayLate, 3, 4, true, "Spätschicht", 14 * kH, 22 * kH, ""},
        {"own plan: X in the day column", kOwnPlanCalendarType, 0, WeekdayFree, 1, 0, true, "Tagschicht", 7 * kH,
         15 * kH + 30, ""},
        {"own plan: vacation", kOwnPlanCalendarType, 0, WeekdayWorking, 1, 2, true, "", 0, 0, "Urlaub"},
    };
    for (const MarkCase& c : cases) {
        SCOPED_TRACE(c.what);
        DayNumber d = from;
        while (!c.day(PlanCode(c.type, c.crew, d, &own), d) && d < from + 70) ++d;
        ASSERT_LT(d, from + 70);
        ShiftMarkList marks;
        marks.Assign({ShiftMark{d, static_cast<std::uint8_t>(c.column), static_cast<std::uint8_t>(c.code)}});
        CrewEventRequest r = Request(c.type, c.crew, d, d);
        r.ownPlan = &own;
        r.marks = &marks;
        r.marksAreOwn = c.own;
        std::string shift, allDay;
        for (const CrewEvent& e : CrewEventsOf(r)) {
            EXPECT_EQ(e.day, d);
            if (e.kind == CrewEventKind::Shift) {
                shift = e.summary;
                EXPECT_EQ(e.uidKind, "schicht");
                EXPECT_EQ(e.startMinute, c.start);
                EXPECT_EQ(e.endMinute, c.end);
            } else {
                allDay = e.summary;
                EXPECT_EQ(e.uidKind, "markierung");
            }
        }
        EXPECT_EQ(shift, c.shift);
        EXPECT_EQ(allDay, c.allDay);
    }
}

TEST(CrewEvents, WhoseMarksAndWhichCrews) {
    EXPECT_TRUE(MarksBelongToCrew(1, 2, 2));
    EXPECT_FALSE(MarksBelongToCrew(1, 3, 0));
    EXPECT_FALSE(MarksBelongToCrew(kOwnPlanCalendarType, 1, 0));
    EXPECT_TRUE(MarksBelongToCrew(7, 3, 0));  // the column of a four-crew mark is its crew
    const DayNumber d = DayNumberOf(2027, 1, 1);
    EXPECT_TRUE(CrewEventsOf(Request(2, 3, d, d + 30)).empty());
    EXPECT_TRUE(CrewEventsOf(Request(6, 4, d, d + 30)).empty());
    EXPECT_TRUE(CrewEventsOf(Request(kOwnPlanCalendarType, 0, d, d + 30)).empty());  // no plan
    EXPECT_TRUE(CrewEventsOf(Request(9, 0, d, d + 30)).empty());
    EXPECT_TRUE(CrewEventsOf(Request(1, 0, d + 1, d)).empty());
}

}  // namespace
}  // namespace sk
