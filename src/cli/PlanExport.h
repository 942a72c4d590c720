#pragma once
// The plan of a date range as text: one CSV line per day, or a readable table.

#include <string>

#include "astro/LunarInstantCache.h"
#include "cli/PlanOptions.h"
#include "notes/NoteStore.h"

namespace sk {

inline constexpr const char* kCsvHeader =
    "datum;wochentag;kw;feiertag;tagesname;schulferien;schichten;astronomie";

// The whole export for the options' range and type, ready for one write.
std::string ExportPlan(const PlanOptions& options);
std::string ExportPlanCsv(const PlanOptions& options);
std::string ExportPlanText(const PlanOptions& options);
// The readable table of the own plan (options.ownPlan must be set).
std::string ExportOwnPlanText(const PlanOptions& options);

// The shift field of one day: the codes of the crews in crew order, the
// vacation block (if the type has one) applied.
void AppendShiftDigits(std::string& out, int calendarType, DayNumber d, const VacationBlock& block);
// The shift field of the own plan: one digit per crew in crew order,
// 1 Früh, 2 Spät, 3 Nacht, 6 Tag, 4 off.
void AppendOwnPlanDigits(std::string& out, const OwnShiftPlan& plan, DayNumber d);

// One CSV line of a day (with its "\n"). `cache` keeps the lunar instants
// across the days of one export; it may be null.
void AppendCsvDay(std::string& out, const DayContext& ctx, const PlanOptions& options, const VacationBlock& block,
                  LunarInstantCache* cache);

// The notes field of a day's CSV line (with --data): the status line's notes
// text with plain blanks, quoted when it holds ";" or a quote.
void AppendNotesField(std::string& out, const NoteStore& store, const DayContext& ctx);

// The astronomy field of a day's CSV line.
void AppendAstronomyField(std::string& out, const DayContext& ctx, const Observer& observer,
                          LunarInstantCache* cache);

}  // namespace sk
