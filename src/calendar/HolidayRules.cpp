// The days off of the sixteen state holiday laws, 1991 on. Written from the
// laws (Feiertagsgesetze) and the one-off days their parliaments added; a
// year before 1991 uses the 1991 rules.

#include <array>
#include <span>

#include "calendar/Holidays.h"

namespace sk {

namespace {

using A = HolidayAnchor;
constexpr int kFrom = kFirstHolidayRuleYear;
constexpr int kEnd = kOpenEnd;

// Bayern: the built-in tables, every year, All Saints' Day not counted by
// the accounts.
constexpr std::array<HolidayRule, kFixedHolidays.size() + kEasterHolidays.size()> MakeBavarianRules() {
    std::array<HolidayRule, kFixedHolidays.size() + kEasterHolidays.size()> rules{};
    std::size_t i = 0;
    for (const FixedDay& d : kFixedHolidays)
        rules[i++] = {A::kFixed, d.monthDayCode, kFrom, kEnd, d.name, d.monthDayCode != 1101};
    for (const RelativeDay& d : kEasterHolidays) rules[i++] = {A::kEaster, d.offset, kFrom, kEnd, d.name, true};
    return rules;
}
constexpr auto kBY = MakeBavarianRules();

// The days off of every state. Buß- und Bettag was one everywhere until the
// care insurance took it in 1995 (Sachsen kept it).
#define SK_COMMON_DAYS                                                      \
    {A::kFixed, 101, kFrom, kEnd, "Neujahr"},                               \
    {A::kEaster, -2, kFrom, kEnd, "Karfreitag"},                            \
    {A::kEaster, 0, kFrom, kEnd, "Ostersonntag"},                           \
    {A::kEaster, 1, kFrom, kEnd, "Ostermontag"},                            \
    {A::kFixed, 501, kFrom, kEnd, "Maifeiertag"},                           \
    {A::kEaster, 39, kFrom, kEnd, "Christi Himmelfahrt"},                   \
    {A::kEaster, 49, kFrom, kEnd, "Pfingstsonntag"},                        \
    {A::kEaster, 50, kFrom, kEnd, "Pfingstmontag"},                         \
    {A::kFixed, 1003, kFrom, kEnd, "Tag der Deutschen Einheit"},            \
    {A::kFixed, 1225, kFrom, kEnd, "Weihnachten"},                          \
    {A::kFixed, 1226, kFrom, kEnd, "2. Weihnachtstag"}
#define SK_REPENTANCE_UNTIL_1994 {A::kAdvent, -11, kFrom, 1994, "Buß- und Bettag"}
// 500 years of the Reformation: a day off in every state in 2017.
#define SK_REFORMATION_2017 {A::kFixed, 1031, 2017, 2017, "Reformationstag"}
#define SK_REFORMATION_SINCE(year) {A::kFixed, 1031, year, kEnd, "Reformationstag"}
#define SK_EPIPHANY {A::kFixed, 106, kFrom, kEnd, "Heilige Drei Könige"}
#define SK_CORPUS_CHRISTI {A::kEaster, 60, kFrom, kEnd, "Fronleichnam"}
#define SK_ALL_SAINTS {A::kFixed, 1101, kFrom, kEnd, "Allerheiligen"}

// clang-format off
constexpr HolidayRule kBW[] = {SK_COMMON_DAYS, SK_REPENTANCE_UNTIL_1994, SK_EPIPHANY, SK_CORPUS_CHRISTI,
                               SK_ALL_SAINTS, SK_REFORMATION_2017};
constexpr HolidayRule kBE[] = {SK_COMMON_DAYS, SK_REPENTANCE_UNTIL_1994, SK_REFORMATION_2017,
                               {A::kFixed, 308, 2019, kEnd, "Internationaler Frauentag"},
                               // 75 and 80 years after the end of the war in Europe.
                               {A::kFixed, 508, 2020, 2020, "Tag der Befreiung"},
                               {A::kFixed, 508, 2025, 2025, "Tag der Befreiung"}};
constexpr HolidayRule kBB[] = {SK_COMMON_DAYS, SK_REPENTANCE_UNTIL_1994, SK_REFORMATION_SINCE(kFrom)};
constexpr HolidayRule kHB[] = {SK_COMMON_DAYS, SK_REPENTANCE_UNTIL_1994, SK_REFORMATION_SINCE(2017)};
constexpr HolidayRule kHH[] = {SK_COMMON_DAYS, SK_REPENTANCE_UNTIL_1994, SK_REFORMATION_SINCE(2017)};
constexpr HolidayRule kHE[] = {SK_COMMON_DAYS, SK_REPENTANCE_UNTIL_1994, SK_CORPUS_CHRISTI, SK_REFORMATION_2017};
constexpr HolidayRule kMV[] = {SK_COMMON_DAYS, SK_REPENTANCE_UNTIL_1994, SK_REFORMATION_SINCE(kFrom),
                               {A::kFixed, 308, 2023, kEnd, "Internationaler Frauentag"}};
constexpr HolidayRule kNI[] = {SK_COMMON_DAYS, SK_REPENTANCE_UNTIL_1994, SK_REFORMATION_SINCE(2017)};
constexpr HolidayRule kNW[] = {SK_COMMON_DAYS, SK_REPENTANCE_UNTIL_1994, SK_CORPUS_CHRISTI, SK_ALL_SAINTS,
                               SK_REFORMATION_2017};
constexpr HolidayRule kRP[] = {SK_COMMON_DAYS, SK_REPENTANCE_UNTIL_1994, SK_CORPUS_CHRISTI, SK_ALL_SAINTS,
                               SK_REFORMATION_2017};
constexpr HolidayRule kSL[] = {SK_COMMON_DAYS, SK_REPENTANCE_UNTIL_1994, SK_CORPUS_CHRISTI,
                               {A::kFixed, 815, kFrom, kEnd, "Mariä Himmelfahrt"}, SK_ALL_SAINTS,
                               SK_REFORMATION_2017};
constexpr HolidayRule kSN[] = {SK_COMMON_DAYS, {A::kAdvent, -11, kFrom, kEnd, "Buß- und Bettag"},
                               SK_REFORMATION_SINCE(kFrom)};
constexpr HolidayRule kST[] = {SK_COMMON_DAYS, SK_REPENTANCE_UNTIL_1994, SK_EPIPHANY, SK_REFORMATION_SINCE(kFrom)};
constexpr HolidayRule kSH[] = {SK_COMMON_DAYS, SK_REPENTANCE_UNTIL_1994, SK_REFORMATION_SINCE(2017)};
constexpr HolidayRule kTH[] = {SK_COMMON_DAYS, SK_REPENTANCE_UNTIL_1994, SK_REFORMATION_SINCE(kFrom),
                               {A::kFixed, 920, 2019, kEnd, "Weltkindertag"}};
// clang-format on

#undef SK_COMMON_DAYS
#undef SK_REPENTANCE_UNTIL_1994
#undef SK_REFORMATION_2017
#undef SK_REFORMATION_SINCE
#undef SK_EPIPHANY
#undef SK_CORPUS_CHRISTI
#undef SK_ALL_SAINTS

// In the order of Region.
constexpr std::array<std::span<const HolidayRule>, kRegionCount> kRulesOfRegion = {
    kBW, kBY, kBE, kBB, kHB, kHH, kHE, kMV, kNI, kNW, kRP, kSL, kSN, kST, kSH, kTH};

}  // namespace

std::span<const HolidayRule> HolidayRulesOf(Region region) {
    const auto i = static_cast<std::size_t>(region);
    return i < kRulesOfRegion.size() ? kRulesOfRegion[i] : std::span<const HolidayRule>(kBY);
}

std::optional<Region> RegionOfCode(std::string_view code) {
    if (code.size() != 2) return std::nullopt;
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    for (const RegionInfo& info : kRegions)
        if (upper(code[0]) == info.code[0] && upper(code[1]) == info.code[1]) return info.region;
    return std::nullopt;
}

}  // namespace sk
