#pragma once
// School holidays: Bavaria's constant table of date ranges for the calendar
// years 2011 to 2024, and the calendar every per-day test and list reads:
// for the user's state, that table (Bayern only), the periods the user took
// from an iCalendar file and, below them, the periods shipped for the state.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/Date.h"
#include "calendar/Regions.h"

namespace sk {

// 98 pairs (first day, last day), both inclusive, as DateCode values
// (yyyymmdd). Blocks of 7 pairs per calendar year: winter break, Easter,
// Whitsun, summer, autumn, Buß- und Bettag (one day), Christmas. A pair of
// zeros has no dates.
inline constexpr int kSchoolHolidayPairsPerYear = 7;
inline constexpr int kSchoolHolidayYears = 14;
inline constexpr int kSchoolHolidayEntries = kSchoolHolidayYears * kSchoolHolidayPairsPerYear * 2;
inline constexpr int kFirstSchoolHolidayTableYear = 2011;
extern const std::array<std::int32_t, kSchoolHolidayEntries> SchoolHolidayTable;

// The seven periods of a school year's block, in table order.
enum SchoolHolidaySlot : int {
    kSlotWinter,
    kSlotEaster,
    kSlotWhitsun,
    kSlotSummer,
    kSlotAutumn,
    kSlotRepentanceDay,
    kSlotChristmas,
};
// Names of the slots in the list window and in the stored file.
inline constexpr std::array<std::string_view, kSchoolHolidayPairsPerYear> kSchoolHolidaySlotNames = {
    "Frühjahr", "Ostern", "Pfingsten", "Sommer", "Herbst", "Buß- und Bettag", "Weihnachten"};
// The slot of a name from kSchoolHolidaySlotNames, or -1.
int SchoolHolidaySlotOfName(std::string_view name);

// One period as DateCodes; zeros for a period without dates.
struct HolidayDates {
    std::int32_t first = 0;
    std::int32_t last = 0;
    bool Empty() const { return first == 0 && last == 0; }
    bool operator==(const HolidayDates&) const = default;
};
using SchoolHolidayBlock = std::array<HolidayDates, kSchoolHolidayPairsPerYear>;

// A period with the block it belongs to.
struct SchoolHolidayPeriod {
    int year = 0;  // the block's year
    int slot = 0;  // SchoolHolidaySlot
    HolidayDates dates;
    bool operator==(const SchoolHolidayPeriod&) const = default;
};

// The block a period starting on `first` belongs to: the year of its first
// day, except Christmas starting in January or February, which is the end of
// the previous year's Christmas.
int SchoolHolidayBlockYear(int slot, std::int32_t first);

// Text of one date: "7. März", or "?" for an empty one.
std::string SchoolHolidayDateText(std::int32_t code);

// The list window, named like the info menu's button that opens it.
inline constexpr const char* kSchoolHolidayWindowTitle = "Schulferien";
inline constexpr const char* kSchoolHolidayHeading = "Bayerische Schulferien";
// "Bayerische Schulferien", or "Schulferien Sachsen".
std::string SchoolHolidayHeading(Region region);
// The built-in table holds Bavaria's dates only.
inline bool HasBuiltInSchoolHolidays(Region region) { return region == Region::kBY; }

struct SchoolHolidayRow {
    std::string period;  // "Frühjahr", "Ostern", ..., or a further day's name
    std::string dates;   // "7. März - 11. März"
};

// A period of the shipped calendar of a state with its published name and
// the slot its name points to (-1: none, such as "Unterrichtsfreier Tag").
struct ShippedSchoolHoliday {
    std::string name;
    int slot = -1;
    HolidayDates dates;
};
// A shipped period that fills no slot: a single school-free day, or a second
// break of one kind in a year. Striped and listed by its name.
struct FurtherSchoolHoliday {
    std::string name;  // without the year and the state: "Unterrichtsfreier Tag"
    HolidayDates dates;
    bool operator==(const FurtherSchoolHoliday&) const = default;
};

// The built-in table plus stored periods: the one source every "is this a
// school-holiday day" and every list of periods reads. Built by value and
// handed to whoever paints or exports; no process-wide copy.
class SchoolHolidayCalendar {
public:
    // The built-in table alone.
    SchoolHolidayCalendar();
    // The calendar of a state before anything is added: the built-in table
    // for Bayern, nothing for the other states.
    explicit SchoolHolidayCalendar(Region region);
    // One shared constant copy of it, for readers given no calendar.
    static const SchoolHolidayCalendar& BuiltIn();

    // Puts periods into their blocks' empty or missing slots; a slot with
    // dates keeps them (the built-in table is never overwritten). Returns
    // the periods that found their slot taken.
    std::vector<SchoolHolidayPeriod> FillEmptySlots(const std::vector<SchoolHolidayPeriod>& periods);

    // Adds the state's shipped periods below everything the calendar holds:
    // one that overlaps a held period, or whose slot of its year holds
    // dates, is left out (the user's and the built-in dates win); one that
    // fits no slot, or whose slot an earlier shipped period took, becomes a
    // further period. Kept, so WithStored can build on them again.
    void AddShipped(const std::vector<ShippedSchoolHoliday>& shipped);
    // The same state and shipped periods with other stored periods.
    SchoolHolidayCalendar WithStored(const std::vector<SchoolHolidayPeriod>& stored) const;

    Region StateRegion() const { return region_; }
    // The further periods, in date order.
    const std::vector<FurtherSchoolHoliday>& Further() const { return further_; }

    // True when the context's day lies in any period.
    bool Contains(const DayContext& ctx) const;
    // The block of a year, or null when no period belongs to it.
    const SchoolHolidayBlock* BlockOf(int year) const;
    // Whether the built-in table holds dates for the slot.
    static bool IsBuiltIn(int year, int slot);
    // Every period with dates, in date order.
    std::vector<SchoolHolidayPeriod> Periods() const;

    // The six rows (the single day of Buß- und Bettag is not listed) of the
    // year's block, or nothing when there is none.
    std::optional<std::array<SchoolHolidayRow, 6>> Rows(int year) const;
    // One row for each further period that begins in the year.
    std::vector<SchoolHolidayRow> FurtherRows(int year) const;

private:
    void Index();

    Region region_ = kDefaultRegion;
    std::map<int, SchoolHolidayBlock> blocks_;
    std::vector<FurtherSchoolHoliday> further_;
    std::vector<ShippedSchoolHoliday> shipped_;
    // Every period with dates, by first day, and the latest last day of each
    // prefix: a day is in a period when the prefix of periods that start by
    // then reaches it. Painting asks this for every day shown.
    std::vector<HolidayDates> byFirst_;
    std::vector<std::int32_t> latestLast_;
};

// The first pair of overlapping periods, if any.
std::optional<std::pair<SchoolHolidayPeriod, SchoolHolidayPeriod>> FirstOverlap(
    std::vector<SchoolHolidayPeriod> periods);

// "Sommer 2026".
std::string SchoolHolidayPeriodLabel(const SchoolHolidayPeriod& period);

// Years the window's year field offers around the current year.
struct YearRange {
    int first;
    int last;
};
YearRange SchoolHolidayYearRange(int currentYear);

}  // namespace sk
