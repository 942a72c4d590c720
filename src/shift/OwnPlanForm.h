#pragma once
// What the window "Eigener Schichtplan" edits: the plan as the user types it
// (times, hours and offsets as text), read into a plan and checked after
// every change, and the preview of its first four weeks.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/Date.h"
#include "shift/OwnShiftPlan.h"

namespace sk {

inline constexpr const char* kOwnPlanWindowTitle = "Eigener Schichtplan";
inline constexpr int kOwnPlanPreviewDays = 28;
// The cycle a new plan starts with: two early, two late, two night shifts,
// four days off, for five crews.
inline constexpr const char* kNewPlanCycle = "FFSSNN----";

struct OwnPlanKindFields {
    bool used = false;
    std::string start;  // "6:00"
    std::string end;    // "14:00"
    std::string paid;   // "8:00", also "7,5" or "8"
};

struct OwnPlanCrewFields {
    std::string name;
    std::int32_t colour = 0;  // red + green*256 + blue*65536
    std::string offset;       // days into the cycle
};

struct OwnPlanForm {
    std::string name;
    std::array<OwnPlanKindFields, kShiftKindCount> kinds;
    std::vector<OwnPlanCrewFields> crews;
    std::string cycle;
    DayNumber cycleStart = 0;
    // Why the date field of the cycle start holds no date; empty when it does.
    std::string cycleStartError;
    // Yearly target hours as typed; empty: the plan's own.
    std::string yearlyTarget;
    bool workOnHolidays = true;
    CountedHolidayRule countedHolidays = CountedHolidayRule::kBuiltInRule;
    // Until the user types an offset, the offsets follow the default spread
    // when the cycle or the number of crews changes.
    bool offsetsEdited = false;
};

// The form of a stored plan; its offsets count as edited unless they are
// the default spread.
OwnPlanForm OwnPlanFormOf(const OwnShiftPlan& plan);
// A new plan: kNewPlanCycle for five crews, the cycle starting on `firstDay`.
OwnPlanForm NewOwnPlanForm(DayNumber firstDay);

// Changes that keep the offsets' default spread while the user has not set
// one. The count is held to 1-6; added crews get the default name and colour.
void SetCrewCount(OwnPlanForm& form, int count);
// The cycle as typed (letters taken in upper case, blanks dropped).
void SetCycle(OwnPlanForm& form, std::string_view text);
void SetCrewOffset(OwnPlanForm& form, int crew, std::string_view text);
// Offsets back to the default spread.
void SpreadOffsets(OwnPlanForm& form);
// New times of a kind; the paid hours follow the shift's length while they
// are the length of the old times (or unreadable).
void SetKindTimes(OwnPlanForm& form, int kind, std::string_view start, std::string_view end);

// The form read into a plan, with every finding: fields that are no time,
// hours or number are errors naming the field; then the plan's own check.
struct OwnPlanFormCheck {
    OwnShiftPlan plan;
    std::vector<PlanFinding> findings;
    bool Usable() const { return !HasPlanErrors(findings); }
};
OwnPlanFormCheck CheckOwnPlanForm(const OwnPlanForm& form);

// The preview: per crew the letters of `days` days from `first` (holidays
// the plan does not work on as '-').
struct OwnPlanPreview {
    DayNumber first = 0;
    std::vector<std::string> crewLetters;
    std::vector<bool> publicHoliday;  // per day: marked, so a day off for all has its reason
};
OwnPlanPreview PreviewOwnPlan(const OwnShiftPlan& plan, DayNumber first, int days = kOwnPlanPreviewDays);
// The first day of the preview: the Monday of the week of the cycle start.
DayNumber PreviewFirstDay(const OwnShiftPlan& plan);

// "Findings" as one text for the window: errors first, each on its line with
// "Fehler: " or "Hinweis: "; "Der Plan ist in Ordnung." when there is none.
std::string FindingsText(const std::vector<PlanFinding>& findings);

}  // namespace sk
