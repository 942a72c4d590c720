#include "ical/CrewEvents.h"

#include "marks/ShiftMarkCodes.h"
#include "marks/ShiftMarks.h"
#include "shift/OwnShiftPlan.h"
#include "shift/ShiftComputation.h"

namespace sk {

namespace {

// Mark codes with a meaning here. Types 0-5 and the own plan: 0 "Arbeitseinsatz (X)",
// 1 "Freizeit", 2 "Urlaub", 4 "Krank". Types 6 and 7: 0-2 "Früh", "Spät",
// "Nacht", then 3 "Freizeit", 4 "Urlaub", 6 "Krank".
constexpr int kExtraWorkMark = 0;
constexpr int kDayOffMarks[] = {1, 2, 4};
constexpr int kFourCrewDayOffMarks[] = {3, 4, 6};
constexpr int kFourCrewShiftMarks = 3;  // codes 0-2 name a shift

bool IsDayOffMark(int type, int code) {
    for (int c : IsFourCrewType(type) ? kFourCrewDayOffMarks : kDayOffMarks)
        if (c == code) return true;
    return false;
}

int CrewSlots(int type) {
    if (type == kOwnPlanCalendarType) return 0;
    return IsFourCrewType(type) ? 4 : CrewCountOf(type);
}

// The shift kind of a mark column (1-4) of the types below 6: standby, early,
// late, night; standby has no times (-1). The own plan keeps its day shift
// in the standby column.
int KindOfColumn(int type, int column) {
    if (type == kOwnPlanCalendarType) return KindOfMarkColumn(column);
    return column >= 2 && column <= 4 ? column - 2 : -1;
}

class EventMaker {
public:
    explicit EventMaker(const CrewEventRequest& r) : r_(r), markTexts_(ShiftMarkOptionTexts(r.calendarType)) {}

    void AddDay(DayNumber d, std::vector<CrewEvent>& out) {
        bool vacationDay = false;
        int kind = PlannedKind(d, vacationDay);
        const ShiftMark* mark = MarkOf(d);
        bool markShown = mark != nullptr;
        if (mark != nullptr) {
            if (IsDayOffMark(r_.calendarType, mark->code)) {
                kind = -1;
            } else if (IsFourCrewType(r_.calendarType) && mark->code < kFourCrewShiftMarks) {
                kind = mark->code;
                markShown = false;
            } else if (!IsFourCrewType(r_.calendarType) && mark->code == kExtraWorkMark && kind < 0) {
                const int columnKind = KindOfColumn(r_.calendarType, mark->crew);
                if (columnKind >= 0) {
                    kind = columnKind;
                    markShown = false;
                }
            }
        }
        if (kind >= 0) out.push_back(ShiftEvent(d, kind));
        if (vacationDay)
            out.push_back(AllDay(d, CrewEventKind::VacationBlock, kVacationBlockEventName, "urlaubsblock"));
        if (markShown) out.push_back(AllDay(d, CrewEventKind::Mark, std::string(markTexts_[mark->code]), "markierung"));
    }

private:
    // The kind the plan gives the crew on day d, -1 when it is off.
    int PlannedKind(DayNumber d, bool& vacationDay) {
        const int type = r_.calendarType;
        if (type == kOwnPlanCalendarType) return KindOfShiftCode(OwnPlanShiftOf(*r_.ownPlan, r_.crew, d, r_.region));
        ShiftCode code = kShiftOff;
        if (IsFourCrewType(type)) {
            code = ShiftOfFourCrewType(type, r_.crew, d);
        } else {
            const int year = CivilOf(d).year;
            if (!haveBlock_ || block_.year != year) {
                block_ = ComputeVacationBlock(year, r_.vacationStartMonth, r_.vacationStartDay, r_.vacationOrder);
                haveBlock_ = true;
            }
            const CrewShiftResult s = ComputeCrewShifts(type, d, &block_);
            code = s.table.Code(r_.crew);
            vacationDay = r_.withVacationBlock && HasVacationBlock(type) && s.allFiveOnRhythm &&
                          VacationCrewOn(block_, d) == r_.crew;
        }
        return code >= kShiftEarly && code <= kShiftNight ? code - kShiftEarly : -1;
    }

    // The day's mark when it is the crew's and has an option text.
    const ShiftMark* MarkOf(DayNumber d) const {
        if (r_.marks == nullptr || !r_.marksAreOwn) return nullptr;
        const ShiftMark* mark = r_.marks->ShiftMarkOfDay(d);
        if (mark == nullptr || mark->code >= ShiftMarkDeleteCode(r_.calendarType) ||
            mark->code >= static_cast<int>(markTexts_.size()))
            return nullptr;
        if (IsFourCrewType(r_.calendarType) && mark->crew != r_.crew + 1) return nullptr;
        return mark;
    }

    CrewEvent ShiftEvent(DayNumber d, int kind) const {
        CrewEvent e;
        e.day = d;
        e.kind = CrewEventKind::Shift;
        e.shiftKind = kind;
        e.uidKind = "schicht";
        if (r_.calendarType == kOwnPlanCalendarType) {
            const ShiftKindTimes& t = r_.ownPlan->kindTimes[kind];
            e.startMinute = t.startMinute;
            e.endMinute = t.endMinute;
            e.summary = kShiftKindEventNames[kind];
        } else {
            const ShiftClock c = BuiltInShiftClock(r_.calendarType, kind + kShiftEarly, d);
            e.startMinute = c.startMinute;
            e.endMinute = c.endMinute;
            e.summary = kShiftEventNames[kind];
        }
        return e;
    }

    static CrewEvent AllDay(DayNumber d, CrewEventKind kind, std::string summary, const char* uidKind) {
        CrewEvent e;
        e.day = d;
        e.kind = kind;
        e.summary = std::move(summary);
        e.uidKind = uidKind;
        return e;
    }

    const CrewEventRequest& r_;
    std::vector<std::string_view> markTexts_;
    VacationBlock block_;
    bool haveBlock_ = false;
};

}  // namespace

bool MarksBelongToCrew(int calendarType, int crew, int homeCrew) {
    return IsFourCrewType(calendarType) || crew == homeCrew;
}

std::vector<CrewEvent> CrewEventsOf(const CrewEventRequest& request) {
    std::vector<CrewEvent> events;
    const int type = request.calendarType;
    if (type == kOwnPlanCalendarType) {
        if (request.ownPlan == nullptr || request.crew < 0 || request.crew >= request.ownPlan->CrewCount())
            return events;
    } else if (!IsValidCalendarType(type) || request.crew < 0 || request.crew >= CrewSlots(type)) {
        return events;
    }
    EventMaker maker(request);
    for (DayNumber d = request.from; d <= request.to; ++d) maker.AddDay(d, events);
    return events;
}

}  // namespace sk
