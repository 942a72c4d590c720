#pragma once
// The user's own shift plan (calendar type 8): any rotation of up to four
// shift kinds over a cycle of days, 1 to 6 crews, each crew starting the
// cycle at its own offset. The plan is a value; everything here is pure
// arithmetic on it and the day number.
//
// The rotation rule: crew k works on day d the letter at position
// ((d - cycleStart) - offset_k) mod L of the cycle (non-negative remainder,
// also for days before the cycle start).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/Date.h"
#include "calendar/Regions.h"
#include "shift/CalendarTypes.h"

namespace sk {

inline constexpr const char* kOwnPlanLabel = "Eigener Plan";  // chooser button
inline constexpr const char* kOwnPlanDefaultName = "Eigener Schichtplan";

// The day shift ("Tag") of the own plan; the other kinds use the codes of
// the built-in plans (1 early, 2 late, 3 night, 4 off).
inline constexpr ShiftCode kShiftDay = 6;

// Shift kinds in their fixed order: Früh, Spät, Nacht, Tag.
enum class ShiftKind : int { kEarly = 0, kLate = 1, kNight = 2, kDay = 3 };
inline constexpr int kShiftKindCount = 4;
inline constexpr std::array<char, kShiftKindCount> kShiftKindLetters = {'F', 'S', 'N', 'T'};
inline constexpr std::array<const char*, kShiftKindCount> kShiftKindNames = {"Früh", "Spät", "Nacht", "Tag"};
inline constexpr std::array<const char*, kShiftKindCount> kShiftKindEventNames = {"Frühschicht", "Spätschicht",
                                                                                   "Nachtschicht", "Tagschicht"};
inline constexpr char kOffLetter = '-';

inline constexpr int kMinutesPerDay = 24 * 60;
inline constexpr int kMaxCycleDays = 84;
inline constexpr int kMaxOwnCrews = 6;
inline constexpr int kDefaultOwnCrews = 5;
inline constexpr int kMaxPlanNameCharacters = 60;
inline constexpr int kMaxCrewNameCharacters = 30;
// A yearly target above the hours of a leap year is no target.
inline constexpr int kMaxYearlyTargetHundredths = 366 * 24 * 100;

// Colours of crews 0-5 (red + green*256 + blue*65536): the five crew colours
// of the program, then violet; and their names.
inline constexpr std::array<std::int32_t, kMaxOwnCrews> kOwnCrewColours = {255, 16711680, 65535, 65280, 763883,
                                                                           8388736};
inline constexpr std::array<const char*, kMaxOwnCrews> kOwnCrewNames = {"Rot", "Blau", "Gelb", "Grün", "Braun",
                                                                        "Violett"};

struct ShiftKindTimes {
    int startMinute = 0;  // 0-1439 after midnight
    int endMinute = 0;    // 0-1439; at or before the start the shift ends the next day
    int paidMinutes = 0;  // 0-1440
    bool operator==(const ShiftKindTimes&) const = default;
};

// Minutes from start to end; an end at or before the start is on the next day.
int ShiftLengthMinutes(int startMinute, int endMinute);
// The defaults: 6-14, 14-22, 22-6, 8-16, paid the length of the shift.
ShiftKindTimes DefaultShiftKindTimes(ShiftKind kind);

struct OwnCrew {
    std::string name;
    std::int32_t colour = 0;
    int offset = 0;  // days into the cycle, 0 to length - 1
    bool operator==(const OwnCrew&) const = default;
};

// Which holidays count for the vacation and hours accounts (a vacation or
// time-off mark on such a day counts nothing).
enum class CountedHolidayRule : int {
    kBuiltInRule = 0,     // the rule of the built-in plans, graded by the mark's shift column
    kPublicHolidays = 1,  // the calendar's public holidays, for every shift
    kNone = 2,            // none
};

struct OwnShiftPlan {
    std::string name = kOwnPlanDefaultName;
    // Kinds offered by the plan; the cycle uses only these.
    std::array<bool, kShiftKindCount> kindUsed = {true, true, true, false};
    std::array<ShiftKindTimes, kShiftKindCount> kindTimes = {
        DefaultShiftKindTimes(ShiftKind::kEarly), DefaultShiftKindTimes(ShiftKind::kLate),
        DefaultShiftKindTimes(ShiftKind::kNight), DefaultShiftKindTimes(ShiftKind::kDay)};
    std::string cycle;            // letters F S N T and '-', 1-84 of them
    DayNumber cycleStart = 0;     // day of cycle position 0 (for offset 0)
    std::vector<OwnCrew> crews;   // 1-6
    bool workOnHolidays = true;   // false: every crew is off on public holidays
    CountedHolidayRule countedHolidays = CountedHolidayRule::kBuiltInRule;
    // The yearly target hours in hundredths; 0: the plan's own, the crews'
    // paid hours of the year on average.
    int yearlyTargetHundredths = 0;

    const ShiftKindTimes& Times(ShiftKind k) const { return kindTimes[static_cast<int>(k)]; }
    bool Uses(ShiftKind k) const { return kindUsed[static_cast<int>(k)]; }
    int CycleLength() const { return static_cast<int>(cycle.size()); }
    int CrewCount() const { return static_cast<int>(crews.size()); }
    bool operator==(const OwnShiftPlan&) const = default;
};

// Default offset of crew k of n in a cycle of length L: k * L / n.
int DefaultCrewOffset(int crew, int crewCount, int cycleLength);
// A plan with the given cycle and start, `crewCount` crews with the default
// names, colours and evenly spread offsets, and exactly the kinds the cycle
// uses (Früh, Spät, Nacht when it uses none).
OwnShiftPlan MakeOwnShiftPlan(std::string_view cycle, DayNumber cycleStart, int crewCount);

// Letter and code conversions. A letter that is no kind gives kOffLetter's
// code (kShiftOff); -1 kind for off and unknown letters.
ShiftCode ShiftCodeOfLetter(char letter);
int KindOfLetter(char letter);  // 0-3, or -1
int KindOfShiftCode(ShiftCode code);  // 0-3, or -1 for off and other codes
ShiftCode ShiftCodeOfKind(ShiftKind kind);

// Position of crew k on day d in the cycle (0 to L-1). The plan must have a
// cycle and the crew must exist.
int CyclePositionOf(const OwnShiftPlan& plan, int crew, DayNumber d);
// The letter the rotation gives crew k on day d, holidays not considered.
char CycleLetterOf(const OwnShiftPlan& plan, int crew, DayNumber d);

// Whether nobody works on day d because it is a public holiday of `region`
// and the plan does not work on holidays. The functions below that apply the
// holiday rule take the state the same way.
bool IsOwnPlanHolidayOff(const OwnShiftPlan& plan, DayNumber d, Region region = kDefaultRegion);

// One day of the own plan: per crew its code (1 F, 2 S, 3 N, 6 T, 4 off).
struct OwnPlanDay {
    int crewCount = 0;
    std::array<ShiftCode, kMaxOwnCrews> codes{kShiftOff, kShiftOff, kShiftOff, kShiftOff, kShiftOff, kShiftOff};
    bool holidayOff = false;  // a public holiday the plan does not work on

    ShiftCode Code(int crew) const { return codes[crew]; }
    bool Works(int crew) const { return codes[crew] != kShiftOff; }
    // Crews on a shift kind, in crew order.
    std::vector<int> CrewsOn(ShiftKind kind) const;
    // The first crew on the kind, -1 when nobody works it.
    int FirstCrewOn(ShiftKind kind) const;
};
OwnPlanDay OwnPlanDayOf(const OwnShiftPlan& plan, DayNumber d, Region region = kDefaultRegion);

// Shift of one crew on day d with the holiday rule applied; kShiftOff for a
// crew the plan lacks.
ShiftCode OwnPlanShiftOf(const OwnShiftPlan& plan, int crew, DayNumber d, Region region = kDefaultRegion);
// Paid minutes of crew k on day d: the paid time of its shift, 0 when off.
int OwnPlanPaidMinutes(const OwnShiftPlan& plan, int crew, DayNumber d, Region region = kDefaultRegion);

// The calendar's shift sub-columns of the plan: the kinds in use, in the
// order Früh, Spät, Nacht, Tag. Each has the shift-mark column (1-4) under
// which a mark in it is stored: Tag 1, Früh 2, Spät 3, Nacht 4, so the
// holiday test of the accounts reads the mark column as for the built-in
// plans (a day shift counts like an early one).
struct OwnPlanSubColumn {
    ShiftKind kind;
    int markColumn;
};
std::vector<OwnPlanSubColumn> OwnPlanSubColumns(const OwnShiftPlan& plan);
int MarkColumnOfKind(ShiftKind kind);
int KindOfMarkColumn(int markColumn);  // 0-3, or -1 outside 1-4

// What the calendar paints in one row of the own plan: per sub-column (the
// kinds in use, in OwnPlanSubColumns order) the crew on that shift and its
// colour. Off crews are not shown. Two crews on one shift (a plan may mean
// it) report the first and the count; no crew leaves the cell empty.
struct OwnPlanCell {
    ShiftKind kind = ShiftKind::kEarly;
    int markColumn = 0;       // the shift-mark column of the sub-column (1-4)
    int crew = -1;            // first crew on the shift, -1 when nobody works it
    int crewCount = 0;        // crews on the shift
    std::int32_t colour = 0;  // colour of `crew`, 0 when none
};
struct OwnPlanRow {
    int columnCount = 0;
    std::array<OwnPlanCell, kShiftKindCount> cells{};
    bool holidayOff = false;  // a public holiday the plan does not work on
};
OwnPlanRow OwnPlanRowOf(const OwnShiftPlan& plan, DayNumber d, Region region = kDefaultRegion);

// The letter of a code for texts and the half-year page: F, S, N, T, or '-'.
char ShiftLetterOf(ShiftCode code);

// Legend text of a kind's times: "6.00 - 14.00 Uhr", "7.30 - 19.30 Uhr".
std::string ShiftTimesText(const ShiftKindTimes& times);
// "HH:MM" of minutes after midnight.
std::string ClockText(int minute);

// Findings of the plan check: errors make the plan unusable; warnings
// describe plans that may be meant that way (a gap, a double shift).
struct PlanFinding {
    bool error = true;
    std::string text;  // German, one sentence
};
std::vector<PlanFinding> CheckOwnShiftPlan(const OwnShiftPlan& plan);
bool HasPlanErrors(const std::vector<PlanFinding>& findings);
// The first error's text, empty when there is none.
std::string FirstPlanError(const std::vector<PlanFinding>& findings);

// The chooser's button of the own plan: the plan's name, cut with "…" to
// fit the button; kOwnPlanLabel while there is no plan.
inline constexpr int kChooserLabelCharacters = 20;
std::string OwnPlanChooserLabel(const OwnShiftPlan* plan);

// A cycle as a person types it: letters in upper case, blanks dropped
// ("ffss nn--" is "FFSSNN--").
std::string NormalisedCycleText(std::string_view text);

// Whether a text is a usable cycle: 1-84 letters of F S N T and '-'. On
// failure `error` says why in German.
bool IsValidCycleText(std::string_view cycle, std::string& error);

}  // namespace sk
