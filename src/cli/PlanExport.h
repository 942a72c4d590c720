#pragma once
// The plan of a date range as text: one CSV line per day, or a readable table.

#include <deque>
#include <future>
#include <string>
#include <string_view>
#include <vector>

#include "astro/LunarInstantCache.h"
#include "cli/PlanOptions.h"
#include "base/PlanOutput.h"
#include "notes/NoteStore.h"
#include "notes/NotesOfDay.h"

namespace sk {

inline constexpr const char* kCsvHeader =
    "datum;wochentag;kw;feiertag;tagesname;schulferien;schichten;astronomie";

// The whole export for the options' range and type, written to the sink line
// by line as it is made; false when the sink could not take it (the export
// then stops).
bool ExportPlan(const PlanOptions& options, const OutputSink& sink);
bool ExportPlanCsv(const PlanOptions& options, const OutputSink& sink);
bool ExportPlanText(const PlanOptions& options, const OutputSink& sink);
// The same in one string.
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
void AppendOwnPlanDigits(std::string& out, const OwnShiftPlan& plan, DayNumber d, Region region = kDefaultRegion);

// One CSV line of a day (with its "\n"). `astronomyField` is the day's
// astronomy field (see AstronomyColumn), ignored without options.withAstronomy.
void AppendCsvDay(std::string& out, const DayContext& ctx, const PlanOptions& options, const VacationBlock& block,
                  std::string_view astronomyField);

// The astronomy fields of an export. They cost nearly all of a CSV export's
// time and each day's stands alone, so a stretch of days is made at once on
// all cores (each with its own lunar cache). With `makeAhead` the stretches
// from firstDay on are made in the background, a few ahead of the one the
// caller writes out: worth it when the caller has work of its own on each
// line (the notes column), a loss when not.
class AstronomyColumn {
public:
    AstronomyColumn(const Observer& observer, DayNumber firstDay, DayNumber lastDay, bool makeAhead);
    ~AstronomyColumn();
    AstronomyColumn(const AstronomyColumn&) = delete;
    AstronomyColumn& operator=(const AstronomyColumn&) = delete;
    // The field of day d (at most lastDay); fastest for days in ascending order.
    std::string_view FieldOf(DayNumber d);

private:
    struct Stretch {
        DayNumber first = 0;
        std::vector<std::string> fields;
        bool Holds(DayNumber d) const {
            return d >= first && d - first < static_cast<DayNumber>(fields.size());
        }
        DayNumber End() const { return first + static_cast<DayNumber>(fields.size()); }
    };
    DayNumber LengthFrom(DayNumber first) const;  // of the stretch from `first` on
    // The stretch from `first` on, made with one set of caches.
    Stretch Make(DayNumber first, std::vector<LunarInstantCache>& caches);
    // Starts the stretches from nextFirst_ on until enough are being made.
    void MakeAhead();

    Observer observer_;
    DayNumber lastDay_;
    bool makeAhead_;
    Stretch current_;
    // One set of caches (one per worker) for each stretch that can be in the
    // making at once; the sets are taken in turn.
    std::vector<std::vector<LunarInstantCache>> caches_;
    std::size_t nextSlot_ = 0;
    std::deque<std::future<Stretch>> ahead_;  // the stretches after current_, in order, while they are made
    DayNumber nextFirst_;                     // the first day of the stretch after those
};

// The notes field of a day's CSV line (with --data): the notes in the status
// line's form, whole, with plain blanks, quoted when it holds ";" or a quote.
// `cache` (may be null) keeps the texts of repeating notes across the days.
void AppendNotesField(std::string& out, const NoteStore& store, const DayContext& ctx,
                      NoteTextCache* cache = nullptr);

// The notes column of a whole export: the same fields as AppendNotesField,
// with every note file read once and the field text of every periodic note
// made once. Valid while the store's indexes are not rescanned.
class NotesColumn {
public:
    explicit NotesColumn(const NoteStore& store);
    // Fastest for days in ascending order.
    void AppendField(std::string& out, const DayContext& ctx);

private:
    struct PeriodicField {
        std::string text;  // with the separator in front
        bool quoted = false;
        bool endsLikeSeparator = false;
        bool made = false;
    };
    // The field text of a periodic note, made on first use.
    const PeriodicField& FieldOf(std::uint32_t entry);

    const NoteStore& store_;
    NoteTextCache texts_;
    std::vector<PeriodicField> periodic_;  // by position in the periodic index
    PeriodicDaySweep sweep_;
    NotesOfDayBuffer day_;
};

// The astronomy field of a day's CSV line.
void AppendAstronomyField(std::string& out, const DayContext& ctx, const Observer& observer,
                          LunarInstantCache* cache);

}  // namespace sk
