#include "shift/VacationBlock.h"

#include <algorithm>

namespace sk {

const std::uint8_t kVacationOrderBytes[kVacationEraCount][25] = {
    // up to 2016
    {0, 1, 2, 3, 4, 3, 4, 0, 1, 2, 1, 2, 3, 4, 0, 4, 0, 1, 2, 3, 2, 3, 4, 0, 1},
    // 2017-2027
    {3, 4, 0, 1, 2, 1, 2, 3, 4, 0, 4, 0, 1, 2, 3, 2, 3, 4, 0, 1, 0, 1, 2, 3, 4},
    // from 2028
    {1, 2, 3, 4, 0, 4, 0, 1, 2, 3, 2, 3, 4, 0, 1, 0, 1, 2, 3, 4, 3, 4, 0, 1, 2},
};

namespace {

VacationOrderTable ConstantTable(int era) {
    VacationOrderTable t{};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) t[r][c] = kVacationOrderBytes[era][r * 5 + c];
    return t;
}

// A working table may have been filled from anywhere; never hand out a crew
// index that would read outside a crew table.
std::int32_t SafeCrew(std::int32_t crew) { return crew >= 0 && crew < kMaxCrews ? crew : 0; }

}  // namespace

VacationOrderTables MakeDefaultVacationOrderTables() {
    VacationOrderTables tables;
    for (int e = 0; e < kVacationEraCount; ++e) tables.eras[e] = ConstantTable(e);
    return tables;
}

int VacationEra(int year) {
    if (year >= 1970 && year <= 2016) return 0;
    if (year >= 2017 && year <= 2027) return 1;
    return 2;
}

VacationBlock ComputeVacationBlock(int year, int startMonth, int startDay, const VacationOrderTables& tables) {
    year = std::clamp(year, 1, 9999);
    startMonth = std::clamp(startMonth, 1, 12);
    startDay = std::clamp(startDay, 1, MonthLength(year, startMonth - 1));

    VacationBlock block;
    block.year = year;
    const VacationOrderTable& table = tables.eras[VacationEra(year)];
    const auto& row = table[PositiveMod(year, 5)];
    for (int j = 0; j < 5; ++j) block.order[j] = SafeCrew(row[j]);

    const int c = kCrewOffsets[block.order[0]];
    const DayNumber e = DayNumberOf(year, startMonth, startDay);
    DayNumber s = e - PositiveMod(static_cast<std::int64_t>(e) - 4, 7);  // Monday on or before e
    // The day the first crew stands at row 7 of its rhythm: the end of its
    // standby week, so its block starts with the rhythm.
    s = s - PositiveMod(static_cast<std::int64_t>(s) + c, 35) + 7;
    if (s < e) s += 35;
    block.start = s;
    return block;
}

bool IsInVacationWindow(const VacationBlock& block, DayNumber d) {
    return d >= block.start && static_cast<std::int64_t>(d) < static_cast<std::int64_t>(block.start) + kVacationWindowDays;
}

int VacationCrewOn(const VacationBlock& block, DayNumber d) {
    if (!IsInVacationWindow(block, d)) return -1;
    return SafeCrew(block.order[(d - block.start) / kVacationBlockDays]);
}

void ApplyVacationOverlay(const VacationBlock& block, DayNumber d, CrewDayTable& table) {
    const int g = VacationCrewOn(block, d);
    if (g < 0) return;
    int i = 0;
    while (i < kMaxCrews && table.rows[i].code != kShiftStandby) ++i;
    if (i == kMaxCrews) return;  // no standby crew to take over

    std::swap(table.rows[i].code, table.rows[g].code);
    if (table.rows[i].code == kShiftOff) {
        table.rows[g].code = kShiftVacationOff;
    } else if (table.rows[g].code == table.rows[i].code) {
        // Only when the vacation crew is itself the standby crew: working days
        // of that week (Tuesday to Friday) count as vacation, the rest as off.
        const int w = MondayWeekdayIndex(d);
        table.rows[g].code = (w >= 1 && w <= 4) ? kShiftStandby : kShiftVacationOff;
    }
}

void RotateVacationOrder(VacationOrderTables& tables, int year, int n) {
    const int steps = PositiveMod(n, 5);
    VacationOrderTable& table = tables.eras[VacationEra(year)];
    for (auto& row : table) std::rotate(row.begin(), row.begin() + steps, row.end());
}

void ResetVacationOrder(VacationOrderTables& tables, int year) {
    const int era = VacationEra(year);
    tables.eras[era] = ConstantTable(era);
}

}  // namespace sk
