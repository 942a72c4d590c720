#pragma once
// The yearly vacation block of the five-crew plans: five 28-day blocks, one
// crew after the other, in a 140-day window that starts on a Monday on or
// after the earliest chosen day. The crew in its standby week covers the
// shifts of the crew on vacation.

#include <array>
#include <cstdint>

#include "calendar/Date.h"
#include "shift/ShiftComputation.h"

namespace sk {

inline constexpr int kVacationBlockDays = 28;
inline constexpr int kVacationWindowDays = 5 * kVacationBlockDays;
inline constexpr int kVacationEraCount = 3;

// Crew on vacation per row (year mod 5) and block 0-4.
using VacationOrderTable = std::array<std::array<std::int32_t, 5>, 5>;

// The constant order tables, 25 bytes each, row after row; era 0 for years up
// to 2016, era 1 for 2017-2027, era 2 from 2028 on.
extern const std::uint8_t kVacationOrderBytes[kVacationEraCount][25];

// The working tables (one per era) that rotation changes. Owned by the
// application state and passed to whoever computes a block.
struct VacationOrderTables {
    std::array<VacationOrderTable, kVacationEraCount> eras;
    bool operator==(const VacationOrderTables&) const = default;
};

VacationOrderTables MakeDefaultVacationOrderTables();

// 0 for 1970-2016, 1 for 2017-2027, 2 for every other year (also before 1970).
int VacationEra(int year);

// The block of one year: where its window starts and who is on vacation in
// which of the five blocks.
struct VacationBlock {
    int year = kFirstYear;
    DayNumber start = 0;               // a Monday: first day of the 140-day window
    std::array<std::int32_t, 5> order{};  // crew per block 0-4
    bool operator==(const VacationBlock&) const = default;
};

// The block of `year` for the earliest start (startMonth 1-12, startDay 1-31).
// A year outside 1-9999 is clamped to it; a month or day that does not exist
// is clamped to the nearest real day of that year.
VacationBlock ComputeVacationBlock(int year, int startMonth, int startDay, const VacationOrderTables& tables);

bool IsInVacationWindow(const VacationBlock& block, DayNumber d);
// The crew on vacation on day d, or -1 outside the window.
int VacationCrewOn(const VacationBlock& block, DayNumber d);

// Changes a plain five-crew table for day d: the vacation crew shows 0 on
// days it would have worked and 5 on days it would have been off, and the
// standby crew takes over its shift. Outside the window nothing changes.
void ApplyVacationOverlay(const VacationBlock& block, DayNumber d, CrewDayTable& table);

// Rotates every row of the era table of `year` left by one place, n times.
// Only n mod 5 matters, so a huge count costs nothing and a negative one
// rotates the other way.
void RotateVacationOrder(VacationOrderTables& tables, int year, int n);
// Reloads the era table of `year` from its constant.
void ResetVacationOrder(VacationOrderTables& tables, int year);

}  // namespace sk
