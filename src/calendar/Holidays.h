#pragma once
// Public holidays, movable feasts and name days of the calendar: the constant
// tables, the per-day lookups and the rows of the holiday list window.
// The named days are the same everywhere; the days off are those of the
// user's state (Bayern: the built-in tables below).

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/Date.h"
#include "calendar/Regions.h"

namespace sk {

struct FixedDay {
    std::int16_t monthDayCode;  // month (1-12) * 100 + day
    const char* name;
};

struct RelativeDay {
    std::int8_t offset;  // days after the reference Sunday
    const char* name;
};

// Days off, painted as holidays.
inline constexpr std::array<FixedDay, 8> kFixedHolidays = {{
    {101, "Neujahr"},
    {106, "Erscheinung des Herrn"},
    {501, "Maifeiertag"},
    {815, "Mariä Himmelfahrt"},
    {1003, "Tag der Deutschen Einheit"},
    {1101, "Allerheiligen"},
    {1225, "Weihnachten"},
    {1226, "Märtyrer Stephanus"},
}};

// Shown by name only.
inline constexpr std::array<FixedDay, 9> kFixedNamedDays = {{
    {202, "Lichtmeß"},
    {430, "Walpurgisnacht"},
    {627, "Siebenschläfer"},
    {629, "Peter und Paul"},
    {1031, "Reformationstag"},
    {1102, "Allerseelen"},
    {1208, "Mariä Empfängnis"},
    {1224, "Heiliger Abend"},
    {1231, "Silvester"},
}};

// Offsets from Easter Sunday; days off.
inline constexpr std::array<RelativeDay, 7> kEasterHolidays = {{
    {-2, "Karfreitag"},
    {0, "Ostersonntag"},
    {1, "Ostermontag"},
    {39, "Christi Himmelfahrt"},
    {49, "Pfingstsonntag"},
    {50, "Pfingstmontag"},
    {60, "Fronleichnam"},
}};

// Offsets from Easter Sunday; shown by name only.
inline constexpr std::array<RelativeDay, 10> kEasterNamedDays = {{
    {-48, "Rosenmontag"},
    {-47, "Faschingsdienstag"},
    {-46, "Aschermittwoch"},
    {-7, "Palmsonntag"},
    {-3, "Gründonnerstag"},
    {-1, "Karsamstag"},
    {7, "Weißer Sonntag"},
    {48, "Pfingstabend"},
    {56, "Dreifaltigkeitssonntag"},
    {68, "Heiligstes Herz Jesu"},
}};

// Offsets from the first Sunday of Advent; shown by name only.
inline constexpr std::array<RelativeDay, 7> kAdventNamedDays = {{
    {-14, "Volkstrauertag"},
    {-11, "Buß- und Bettag"},
    {-7, "Christkönigsfest"},
    {0, "1. Advent"},
    {7, "2. Advent"},
    {14, "3. Advent"},
    {21, "4. Advent"},
}};

// Years for which Easter and Advent are computed: the Gregorian rule holds
// from 1583; four-digit years keep every day number well inside 32 bits.
// Contexts of other years get no Easter- or Advent-relative days.
inline constexpr int kFirstFeastYear = 1583;
inline constexpr int kLastFeastYear = 9999;

// A day off of a state's holiday law: a fixed date, or a day counted from
// Easter Sunday or from the first Sunday of Advent, in force from `firstYear`
// to `lastYear`.
enum class HolidayAnchor : std::uint8_t { kFixed, kEaster, kAdvent };
struct HolidayRule {
    HolidayAnchor anchor;
    std::int16_t day;  // MonthDayCode (kFixed) or offset in days
    std::int16_t firstYear;
    std::int16_t lastYear;
    const char* name;
    // Whether the accounts' counted-holiday test takes the day (level 1 and
    // up): the mills count every day off but All Saints' Day in Bayern.
    bool counted = true;
};
// The state tables start here; a year before it uses this year's rules.
inline constexpr int kFirstHolidayRuleYear = 1991;
// A rule still in force.
inline constexpr int kOpenEnd = kLastFeastYear;

// The rules of a state, in the order the lookups search them. Bayern's are
// exactly kFixedHolidays and kEasterHolidays, in force in every year.
std::span<const HolidayRule> HolidayRulesOf(Region region);

// 0-based day of year of Easter Sunday (Gauss's rule, Lichtenberg's form).
// Valid for every Gregorian year; 2011 gives 113 (24 April).
int EasterDayOfYear(int year);

// Day number of the first Sunday of Advent: the last Sunday on or before
// 3 December. A year outside kFirstFeastYear-kLastFeastYear is clamped.
DayNumber FirstAdventSunday(int year);

// The one lookup of the state tables: the name of the state's day off of
// that anchor on the context's day, or an empty text.
std::string_view PublicHolidayName(const DayContext& ctx, Region region, HolidayAnchor anchor);
// Of any anchor.
std::string_view PublicHolidayName(const DayContext& ctx, Region region);
bool IsPublicHoliday(const DayContext& ctx, Region region);
// A day off the accounts count as a holiday (HolidayRule::counted).
bool IsCountedPublicHoliday(const DayContext& ctx, Region region);

// Names of the day from one table each, or an empty text; the days off are
// Bayern's.
std::string_view FixedHolidayName(const DayContext& ctx);
std::string_view EasterHolidayName(const DayContext& ctx);
std::string_view EasterNamedDayName(const DayContext& ctx);
std::string_view AdventNamedDayName(const DayContext& ctx);

// A fixed or Easter-relative day off in Bayern.
bool IsPublicHoliday(const DayContext& ctx);

// The one name shown for the day. Movable feasts win over fixed days, named
// days over days off, Advent comes last: a 24 December that is the fourth
// Sunday of Advent reads "Heiliger Abend". A state's day off counted from
// Advent (Buß- und Bettag) comes before the named days of Advent.
std::string DayName(const DayContext& ctx, Region region);
inline std::string DayName(const DayContext& ctx) { return DayName(ctx, kDefaultRegion); }

// The name-day text of the day (saints and first names), empty for a context
// that names no real day. 1 March reads the same text in every year.
std::string_view NameDays(const DayContext& ctx);

// Graded holiday test of the shift painters; `level` is the shift code of
// the crew (1 early, 2 late, 3 night). Later shifts lose more evenings:
// level 1 counts the great feasts, level 2 also their eves, level 3 also
// Walpurgis night and Whit Saturday. Level 0 or less is never a holiday.
bool IsHighHoliday(const DayContext& ctx, int level);
// The lowest level at which the day is a high holiday (1-3), or 0: one
// answer for all three levels, read with IsHighHolidayAtLevel.
int HighHolidayLevel(const DayContext& ctx);
inline bool IsHighHolidayAtLevel(int lowestLevel, int level) { return lowestLevel != 0 && level >= lowestLevel; }

// Content of the holiday list window of one year.
inline constexpr const char* kHolidayListTitle = "Feiertage";
inline constexpr const char* kHolidayListNameHeading = "Feiertag";

struct HolidayListRow {
    std::string dateText;  // "6. Januar"; empty in a separator row
    std::string name;
};

struct HolidayList {
    std::string yearHeading;  // the year as text, heading of the date column
    std::vector<HolidayListRow> rows;
};

// The state's fixed days off (with those counted from Advent) in date
// order, an empty row, the Easter-relative named days, an empty row, the
// state's Easter-relative days off in table order; only the days in force in
// the year. A year without Easter (outside kFirstFeastYear-kLastFeastYear)
// lists the fixed days off only.
HolidayList BuildHolidayList(int year, Region region);
inline HolidayList BuildHolidayList(int year) { return BuildHolidayList(year, kDefaultRegion); }

}  // namespace sk
