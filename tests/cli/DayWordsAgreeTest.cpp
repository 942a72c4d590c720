// The calendar's day descriptions (screen reader, tooltip) say who works
// which shift in exactly the words of the plan's text table.

#include <gtest/gtest.h>

#include "calendar/Holidays.h"
#include "cli/PlanExport.h"
#include "shift/VacationBlock.h"
#include "view/CoreCalendarData.h"
#include "view/DayWords.h"

namespace sk {
namespace {

// "Früh: Rot", "Spät: Gelb, Braun", ... as the description lists them.
std::vector<std::string> ShiftParts(const std::string& words) {
    std::vector<std::string> parts;
    for (const char* shift : {"Früh: ", "Spät: ", "Nacht: "}) {
        const std::size_t at = words.find(shift);
        if (at == std::string::npos) continue;
        std::size_t end = words.find(kDayWordsSeparator, at);
        for (const char* next : {", Früh: ", ", Spät: ", ", Nacht: "}) end = std::min(end, words.find(next, at));
        parts.push_back(words.substr(at, end - at));
    }
    return parts;
}

TEST(DayWords, ShiftsAgreeWithThePlanTextTable) {
    const VacationOrderTables tables = MakeDefaultVacationOrderTables();
    CoreSources sources;
    sources.vacationTables = &tables;
    // Days of several years, the 2015 change of rhythm and holidays among them.
    std::vector<DayNumber> days;
    for (DayNumber d = DayNumberOf(2014, 12, 20); d <= DayNumberOf(2015, 1, 10); ++d) days.push_back(d);
    for (DayNumber d = DayNumberOf(2024, 1, 1); d <= DayNumberOf(2026, 12, 31); d += 13) days.push_back(d);
    days.push_back(DayNumberOf(2024, 12, 25));
    for (int type : {0, 1, 2, 3, 4, 5, 6, 7}) {
        PlanOptions options;
        options.calendarType = type;
        options.format = PlanFormat::Text;
        options.withAstronomy = false;
        DayWordsSources words;
        words.options.calendarType = type;
        for (DayNumber d : days) {
            options.from = options.to = d;
            const std::string text = ExportPlanText(options);
            std::string line = text.substr(text.rfind('\n', text.size() - 2) + 1);
            line.pop_back();  // its "\n"
            CoreCalendarData data(sources);
            const DayContext ctx = MakeDayContext(d);
            const std::string said = DayInWords(data, ctx, words);
            SCOPED_TRACE("type " + std::to_string(type) + ": " + line + "\n" + said);
            EXPECT_EQ(said.rfind(LongDateText(ctx), 0), 0u);
            const std::vector<std::string> parts = ShiftParts(said);
            EXPECT_EQ(parts.size(), type == 2 ? 2u : 3u);
            for (const std::string& p : parts) EXPECT_NE(line.find(p), std::string::npos) << p;
            const std::size_t vacation = line.find("Urlaub: ");
            if (vacation != std::string::npos) {
                const std::string crew = line.substr(vacation, line.find(' ', vacation + 8) - vacation);
                EXPECT_NE(said.find(crew), std::string::npos) << crew;
            }
            if (IsPublicHoliday(ctx, kDefaultRegion)) EXPECT_NE(said.find("(Feiertag)"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace sk
