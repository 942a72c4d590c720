#include "shift/OwnPlanForm.h"

#include <algorithm>

#include "base/TrimBlanks.h"
#include "calendar/Holidays.h"
#include "shift/OwnShiftPlanFile.h"

namespace sk {

namespace {

std::string Trimmed(std::string_view s) { return std::string(TrimBlanks(s)); }

// A clock time as typed: "6:00", "06:00", "6.00" or a bare hour "6".
bool ReadClock(std::string_view typed, int& minute) {
    std::string s = Trimmed(typed);
    std::replace(s.begin(), s.end(), '.', ':');
    if (!s.empty() && s.find(':') == std::string::npos) s += ":00";
    return ParseClock(s, minute);
}

bool ReadNumber(std::string_view typed, int& value) {
    const std::string s = Trimmed(typed);
    if (s.empty() || s.size() > 3) return false;
    value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

OwnPlanCrewFields DefaultCrew(int k) {
    return OwnPlanCrewFields{kOwnCrewNames[k], kOwnCrewColours[k], "0"};
}

}  // namespace

OwnPlanForm OwnPlanFormOf(const OwnShiftPlan& plan) {
    OwnPlanForm form;
    form.name = plan.name;
    for (int k = 0; k < kShiftKindCount; ++k) {
        const ShiftKindTimes& t = plan.kindTimes[k];
        form.kinds[k] = {plan.kindUsed[k], ClockText(t.startMinute), ClockText(t.endMinute), PaidHoursText(t.paidMinutes)};
    }
    form.cycle = plan.cycle;
    form.cycleStart = plan.cycleStart;
    form.yearlyTarget = YearlyTargetText(plan.yearlyTargetHundredths);
    form.workOnHolidays = plan.workOnHolidays;
    form.countedHolidays = plan.countedHolidays;
    for (int k = 0; k < plan.CrewCount(); ++k) {
        const OwnCrew& c = plan.crews[k];
        form.crews.push_back({c.name, c.colour, std::to_string(c.offset)});
        if (c.offset != DefaultCrewOffset(k, plan.CrewCount(), plan.CycleLength())) form.offsetsEdited = true;
    }
    return form;
}

OwnPlanForm NewOwnPlanForm(DayNumber firstDay) {
    OwnPlanForm form = OwnPlanFormOf(MakeOwnShiftPlan(kNewPlanCycle, firstDay, kDefaultOwnCrews));
    form.offsetsEdited = false;
    return form;
}

void SpreadOffsets(OwnPlanForm& form) {
    const int n = static_cast<int>(form.crews.size());
    const int length = static_cast<int>(form.cycle.size());
    for (int k = 0; k < n; ++k) form.crews[k].offset = std::to_string(DefaultCrewOffset(k, n, length));
    form.offsetsEdited = false;
}

void SetCrewCount(OwnPlanForm& form, int count) {
    count = std::clamp(count, 1, kMaxOwnCrews);
    while (static_cast<int>(form.crews.size()) > count) form.crews.pop_back();
    while (static_cast<int>(form.crews.size()) < count) form.crews.push_back(DefaultCrew(static_cast<int>(form.crews.size())));
    if (!form.offsetsEdited) SpreadOffsets(form);
}

void SetCycle(OwnPlanForm& form, std::string_view text) {
    form.cycle = NormalisedCycleText(text);
    if (!form.offsetsEdited) SpreadOffsets(form);
}

void SetCrewOffset(OwnPlanForm& form, int crew, std::string_view text) {
    if (crew < 0 || crew >= static_cast<int>(form.crews.size())) return;
    if (form.crews[crew].offset == text) return;
    form.crews[crew].offset = std::string(text);
    form.offsetsEdited = true;
}

void SetKindTimes(OwnPlanForm& form, int kind, std::string_view start, std::string_view end) {
    OwnPlanKindFields& f = form.kinds[kind];
    int oldStart = 0, oldEnd = 0, paid = 0;
    const bool oldTimes = ReadClock(f.start, oldStart) && ReadClock(f.end, oldEnd);
    const bool followed = !ParsePaidHours(Trimmed(f.paid), paid) ||
                          (oldTimes && paid == ShiftLengthMinutes(oldStart, oldEnd));
    f.start = std::string(start);
    f.end = std::string(end);
    int newStart = 0, newEnd = 0;
    if (followed && ReadClock(f.start, newStart) && ReadClock(f.end, newEnd))
        f.paid = PaidHoursText(ShiftLengthMinutes(newStart, newEnd));
}

OwnPlanFormCheck CheckOwnPlanForm(const OwnPlanForm& form) {
    OwnPlanFormCheck check;
    OwnShiftPlan& plan = check.plan;
    std::vector<PlanFinding> fieldErrors;
    auto error = [&fieldErrors](std::string text) { fieldErrors.push_back({true, std::move(text)}); };

    plan.name = Trimmed(form.name);
    plan.cycle = form.cycle;
    plan.cycleStart = form.cycleStart;
    plan.workOnHolidays = form.workOnHolidays;
    plan.countedHolidays = form.countedHolidays;
    for (int k = 0; k < kShiftKindCount; ++k) {
        const OwnPlanKindFields& f = form.kinds[k];
        plan.kindUsed[k] = f.used;
        ShiftKindTimes& t = plan.kindTimes[k];
        t = DefaultShiftKindTimes(static_cast<ShiftKind>(k));
        if (!f.used) continue;
        const std::string shift = std::string("Schicht ") + kShiftKindNames[k];
        if (!ReadClock(f.start, t.startMinute)) error("Der Beginn der " + shift + " ist keine Uhrzeit (z. B. 6:00).");
        if (!ReadClock(f.end, t.endMinute)) error("Das Ende der " + shift + " ist keine Uhrzeit (z. B. 14:00).");
        if (!ParsePaidHours(Trimmed(f.paid), t.paidMinutes))
            error("Die bezahlten Stunden der " + shift + " sind keine Stunden von 0 bis 24 (z. B. 8 oder 7:30).");
    }
    if (!form.cycleStartError.empty()) error(form.cycleStartError);
    if (!ParseYearlyTarget(form.yearlyTarget, plan.yearlyTargetHundredths))
        error("Die Sollstunden im Jahr sind keine Stunden (z. B. 1982,76; leer: die Stunden aus dem Plan).");
    for (std::size_t k = 0; k < form.crews.size(); ++k) {
        const OwnPlanCrewFields& f = form.crews[k];
        OwnCrew crew{Trimmed(f.name), f.colour, 0};
        if (!ReadNumber(f.offset, crew.offset))
            error("Der Versatz von Schicht " + std::to_string(k + 1) + " ist keine Zahl von Tagen.");
        plan.crews.push_back(std::move(crew));
    }
    check.findings = std::move(fieldErrors);
    std::vector<PlanFinding> planFindings = CheckOwnShiftPlan(plan);
    check.findings.insert(check.findings.end(), planFindings.begin(), planFindings.end());
    std::stable_partition(check.findings.begin(), check.findings.end(), [](const PlanFinding& f) { return f.error; });
    return check;
}

DayNumber PreviewFirstDay(const OwnShiftPlan& plan) {
    const DayNumber monday = plan.cycleStart - MondayWeekdayIndex(plan.cycleStart);
    return std::clamp<DayNumber>(monday, kFirstDay, kLastDay - kOwnPlanPreviewDays + 1);
}

OwnPlanPreview PreviewOwnPlan(const OwnShiftPlan& plan, DayNumber first, int days) {
    OwnPlanPreview preview;
    preview.first = first;
    for (int i = 0; i < days; ++i) preview.publicHoliday.push_back(IsPublicHoliday(MakeDayContext(first + i)));
    if (plan.cycle.empty()) return preview;
    for (int k = 0; k < plan.CrewCount(); ++k) {
        std::string letters;
        for (int i = 0; i < days; ++i) letters += ShiftLetterOf(OwnPlanShiftOf(plan, k, first + i));
        preview.crewLetters.push_back(std::move(letters));
    }
    return preview;
}

std::string FindingsText(const std::vector<PlanFinding>& findings) {
    if (findings.empty()) return "Der Plan ist in Ordnung.";
    std::string text;
    for (const PlanFinding& f : findings) {
        if (!text.empty()) text += '\n';
        text += (f.error ? "Fehler: " : "Hinweis: ") + f.text;
    }
    return text;
}

}  // namespace sk
