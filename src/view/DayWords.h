#pragma once
// A calendar day in words, from the same answers the painter reads: the
// date, who works which shift, the day's name, school holidays, marks and
// notes. Screen readers get it as the day cell's name, the pointer as the
// calendar's tooltip, so what the colours say is there in words too.

#include <optional>
#include <string>

#include "calendar/Date.h"
#include "calendar/Regions.h"
#include "shift/OwnShiftPlan.h"
#include "view/CalendarData.h"

namespace sk {

struct DayWordsSources {
    PaintOptions options;
    Region region = kDefaultRegion;
    // The user's crew ("Stammschicht") when one is set: said first.
    std::optional<int> homeCrew;
    const OwnShiftPlan* ownPlan = nullptr;  // type 8
};

// Between the parts of the description.
inline constexpr const char* kDayWordsSeparator = ". ";

// "Montag, 11. Januar 2027. Ihre Schicht (Blau): Spät. Früh: Rot, Spät:
// Blau, Nacht: Braun. Heilige Drei Könige (Feiertag). Schulferien. ..."
std::string DayInWords(CalendarData& data, const DayContext& day, const DayWordsSources& sources);

}  // namespace sk
