#include "shift/CalendarTypes.h"

namespace sk {

const CalendarTypeInfo kCalendarTypes[kNumberOfCalendarTypes] = {
    {"Haldenau PM 1", "Haldenau Papier Vierschichtkalender", 5, 35, 1},
    {"Haldenau Werk", "Haldenau Papier Standart Schichtkalender", 5, 35, 1},
    {"Haldenau Zweischicht", "Zweischichtsystem mit drei Schichtbesatzungen", 3, 21, 2},
    {"PM 1 mit 2er Block", "Haldenau Vierschichtkalender mit zwei statt vier Tagen Nachtschicht", 5, 35, 4},
    {"Werk mit 2er Block",
     "Haldenau Papier Standard Schichtkalender mit zwei statt vier Tagen Nachtschicht", 5, 35, 4},
    {"Haldenau Standard", "Haldenau Papier Standard Schichtkalender mit fünf Kolumnen", 5, 35, 5},
    {"Velmo Kessbach", "Das Vierschichtsystem in Kessbach", 4, 28, 6},
    {"Olmer Karton", "Das Vierschichtsystem von Olmer Karton", 4, 28, 7},
};

const char* const kCrewNames[kMaxCrews] = {"Rot", "Blau", "Gelb", "Grün", "Braun"};
const char* const kFourCrewNames[4] = {"Schicht A", "Schicht B", "Schicht C", "Schicht D"};

bool IsValidCalendarType(int type) { return type >= 0 && type < kNumberOfCalendarTypes; }

const CalendarTypeInfo& CalendarTypeInfoOf(int type) {
    return kCalendarTypes[IsValidCalendarType(type) ? type : 0];
}

int CrewCountOf(int type) { return CalendarTypeInfoOf(type).crewCount; }

const char* CrewNameOf(int type, int crew) {
    if (crew < 0 || crew >= CrewCountOf(type)) return "";
    return IsFourCrewType(type) ? kFourCrewNames[crew] : kCrewNames[crew];
}

bool IsFiveCrewColourType(int type) { return type == 0 || type == 1 || type == 3 || type == 4; }
bool HasVacationBlock(int type) { return IsFiveCrewColourType(type) || type == 5; }
bool IsFourCrewType(int type) { return type == 6 || type == 7; }

int CalendarTypeForKey(char key, int currentType) {
    switch (key) {
        case 'N': case 'n': return currentType == 0 ? 3 : 0;
        case 'M': case 'm': return currentType == 1 ? 4 : 1;
        case 'B': case 'b': return 2;
        case 'V': case 'v': return 6;
        case 'C': case 'c': return 7;
        case 'X': case 'x': return 5;
        default: return currentType;
    }
}

// Rows 0-34 of each column in turn. Rows past a column's cycle are never read.
const std::array<std::int8_t, kPatternRows * kPatternColumns> kShiftPatternBytes = {
    // 0: four crews, 28 days, four nights in a block
    1, 1, 2, 2, 3, 3, 3, 4, 4, 1, 1, 2, 2, 4, 2, 2, 4, 4, 1, 1, 1, 3, 3, 3, 3, 4, 4, 4,
    0, 0, 0, 0, 0, 0, 0,
    // 1: five crews, 35 days, four nights in a block
    1, 1, 2, 2, 3, 3, 3, 4, 4, 1, 1, 2, 2, 4, 2, 2, 4, 4, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0,
    3, 3, 3, 3, 4, 4, 4,
    // 2: two shifts, three crews, 21 days
    0, 1, 1, 1, 2, 2, 2, 2, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 3: four crews, 28 days, nights in blocks of two
    1, 1, 2, 2, 3, 3, 3, 4, 4, 1, 1, 2, 2, 4, 3, 3, 4, 4, 1, 1, 1, 2, 2, 3, 3, 4, 4, 4,
    0, 0, 0, 0, 0, 0, 0,
    // 4: five crews, 35 days, nights in blocks of two
    1, 1, 2, 2, 3, 3, 3, 4, 4, 1, 1, 2, 2, 4, 3, 3, 4, 4, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0,
    2, 2, 3, 3, 4, 4, 4,
    // 5: as column 1
    1, 1, 2, 2, 3, 3, 3, 4, 4, 1, 1, 2, 2, 4, 2, 2, 4, 4, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0,
    3, 3, 3, 3, 4, 4, 4,
    // 6: as column 3
    1, 1, 2, 2, 3, 3, 3, 4, 4, 1, 1, 2, 2, 4, 3, 3, 4, 4, 1, 1, 1, 2, 2, 3, 3, 4, 4, 4,
    0, 0, 0, 0, 0, 0, 0,
    // 7: as column 3
    1, 1, 2, 2, 3, 3, 3, 4, 4, 1, 1, 2, 2, 4, 3, 3, 4, 4, 1, 1, 1, 2, 2, 3, 3, 4, 4, 4,
    0, 0, 0, 0, 0, 0, 0,
};

namespace {

ShiftPatternTable LoadRowMajor() {
    ShiftPatternTable t{};
    for (int c = 0; c < kPatternColumns; ++c)
        for (int r = 0; r < kPatternRows; ++r) t.cells[r][c] = kShiftPatternBytes[c * kPatternRows + r];
    return t;
}

}  // namespace

const ShiftPatternTable& GetShiftPatternTable() {
    // Built once on first use and never changed afterwards.
    static const ShiftPatternTable table = LoadRowMajor();
    return table;
}

ShiftCode ShiftPatternAt(int row, int column) {
    if (row < 0 || row >= kPatternRows || column < 0 || column >= kPatternColumns) return kShiftOff;
    return GetShiftPatternTable().At(row, column);
}

}  // namespace sk
