#pragma once
// The German states whose public holidays and school holidays the calendar
// knows. Bayern is the program's home and its default.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace sk {

// In the order of their official two-letter codes (also the order of the
// settings window's list, which is alphabetical by name).
enum class Region : std::uint8_t { kBW, kBY, kBE, kBB, kHB, kHH, kHE, kMV, kNI, kNW, kRP, kSL, kSN, kST, kSH, kTH };
inline constexpr int kRegionCount = 16;
inline constexpr Region kDefaultRegion = Region::kBY;

struct RegionInfo {
    Region region;
    std::string_view code;   // "SN": settings file, --region
    std::string_view name;   // "Sachsen"
    // The shipped school-holiday file of the state (folder of the shipped files).
    std::string_view schoolHolidayFile;
};

inline constexpr std::array<RegionInfo, kRegionCount> kRegions = {{
    {Region::kBW, "BW", "Baden-Württemberg", "schulferien-baden-wuerttemberg.ics"},
    {Region::kBY, "BY", "Bayern", "schulferien-bayern.ics"},
    {Region::kBE, "BE", "Berlin", "schulferien-berlin.ics"},
    {Region::kBB, "BB", "Brandenburg", "schulferien-brandenburg.ics"},
    {Region::kHB, "HB", "Bremen", "schulferien-bremen.ics"},
    {Region::kHH, "HH", "Hamburg", "schulferien-hamburg.ics"},
    {Region::kHE, "HE", "Hessen", "schulferien-hessen.ics"},
    {Region::kMV, "MV", "Mecklenburg-Vorpommern", "schulferien-mecklenburg-vorpommern.ics"},
    {Region::kNI, "NI", "Niedersachsen", "schulferien-niedersachsen.ics"},
    {Region::kNW, "NW", "Nordrhein-Westfalen", "schulferien-nordrhein-westfalen.ics"},
    {Region::kRP, "RP", "Rheinland-Pfalz", "schulferien-rheinland-pfalz.ics"},
    {Region::kSL, "SL", "Saarland", "schulferien-saarland.ics"},
    {Region::kSN, "SN", "Sachsen", "schulferien-sachsen.ics"},
    {Region::kST, "ST", "Sachsen-Anhalt", "schulferien-sachsen-anhalt.ics"},
    {Region::kSH, "SH", "Schleswig-Holstein", "schulferien-schleswig-holstein.ics"},
    {Region::kTH, "TH", "Thüringen", "schulferien-thueringen.ics"},
}};

inline constexpr int RegionIndex(Region r) { return static_cast<int>(r); }
inline constexpr const RegionInfo& InfoOf(Region r) { return kRegions[static_cast<std::size_t>(r)]; }

// The state of a two-letter code, in either case; nothing for anything else.
std::optional<Region> RegionOfCode(std::string_view code);

}  // namespace sk
