#include "cli/PlanExport.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <future>
#include <optional>
#include <span>
#include <system_error>
#include <thread>
#include <vector>

#include "astro/AstronomyLine.h"
#include "calendar/Holidays.h"
#include "calendar/SchoolHolidays.h"
#include "base/Latin1.h"
#include "notes/NotesOfDay.h"
#include "shift/CalendarTypes.h"
#include "shift/ShiftComputation.h"
#include "shift/ShiftWords.h"

namespace sk {

namespace {

void AppendInt(std::string& out, int v, int width = 0) {
    char buf[16];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    for (int n = static_cast<int>(r.ptr - buf); n < width; ++n) out += '0';
    out.append(buf, r.ptr);
}

void AppendIsoDate(std::string& out, const DayContext& ctx) {
    AppendInt(out, ctx.year, 4);
    out += '-';
    AppendInt(out, ctx.month + 1, 2);
    out += '-';
    AppendInt(out, ctx.day, 2);
}

void AppendGermanDate(std::string& out, const DayContext& ctx) {
    AppendInt(out, ctx.day, 2);
    out += '.';
    AppendInt(out, ctx.month + 1, 2);
    out += '.';
    AppendInt(out, ctx.year, 4);
}

// Pads to a width in characters (UTF-8 continuation bytes take no column).
void AppendPadded(std::string& out, std::string_view text, std::size_t width) {
    out += text;
    std::size_t columns = 0;
    for (unsigned char c : text) columns += (c & 0xC0) != 0x80;
    for (; columns < width; ++columns) out += ' ';
}

// The status line's texts with their no-break spaces as plain blanks.
std::string WithPlainBlanks(std::string text) {
    constexpr std::string_view kNoBreakSpace = "\u00A0";
    for (std::size_t p = 0; (p = text.find(kNoBreakSpace, p)) != std::string::npos; ++p)
        text.replace(p, kNoBreakSpace.size(), " ");
    return text;
}

}  // namespace

void AppendShiftDigits(std::string& out, int calendarType, DayNumber d, const VacationBlock& block) {
    if (IsFourCrewType(calendarType)) {
        for (int k = 0; k < 4; ++k) out += static_cast<char>('0' + ShiftOfFourCrewType(calendarType, k, d));
        return;
    }
    const CrewShiftResult r = ComputeCrewShifts(calendarType, d, &block);
    const int crews = CrewCountOf(calendarType);
    for (int k = 0; k < crews; ++k) out += static_cast<char>('0' + r.table.Code(k));
}

void AppendOwnPlanDigits(std::string& out, const OwnShiftPlan& plan, DayNumber d, Region region) {
    const OwnPlanDay day = OwnPlanDayOf(plan, d, region);
    for (int k = 0; k < day.crewCount; ++k) out += static_cast<char>('0' + day.Code(k));
}

void AppendAstronomyField(std::string& out, const DayContext& ctx, const Observer& observer,
                          LunarInstantCache* cache) {
    out += WithPlainBlanks(AstronomyLine(ctx, observer, cache));
}

void AppendCsvDay(std::string& out, const DayContext& ctx, const PlanOptions& options, const VacationBlock& block,
                  std::string_view astronomyField) {
    AppendIsoDate(out, ctx);
    out += ';';
    out += kWeekdayNames[WeekdayIndex(ctx.dayNumber)];
    out += ';';
    AppendInt(out, WeekNumber(ctx));
    out += ';';
    out += IsPublicHoliday(ctx, options.region) ? '1' : '0';
    out += ';';
    out += DayName(ctx, options.region);
    out += ';';
    out += options.schoolHolidays.Contains(ctx) ? '1' : '0';
    out += ';';
    if (options.calendarType == kOwnPlanCalendarType && options.ownPlan)
        AppendOwnPlanDigits(out, *options.ownPlan, ctx.dayNumber, options.region);
    else
        AppendShiftDigits(out, options.calendarType, ctx.dayNumber, block);
    out += ';';
    if (options.withAstronomy) out += astronomyField;
    out += '\n';
}

namespace {
constexpr DayNumber kAstronomyStretchDays = 1024;
constexpr DayNumber kAstronomyDaysPerWorker = 64;  // fewer are not worth a thread
constexpr unsigned kMaxAstronomyWorkers = 8;
constexpr std::size_t kAstronomyStretchesAhead = 2;
}  // namespace

AstronomyColumn::AstronomyColumn(const Observer& observer, DayNumber firstDay, DayNumber lastDay, bool makeAhead)
    : observer_(observer), lastDay_(lastDay), makeAhead_(makeAhead), nextFirst_(firstDay) {
    const std::size_t workers = std::clamp(std::thread::hardware_concurrency(), 1u, kMaxAstronomyWorkers);
    caches_.assign(makeAhead ? kAstronomyStretchesAhead : 1, std::vector<LunarInstantCache>(workers));
    MakeAhead();
}

AstronomyColumn::~AstronomyColumn() {
    for (std::future<Stretch>& f : ahead_) f.wait();  // they write into the caches
}

std::string_view AstronomyColumn::FieldOf(DayNumber d) {
    if (!current_.Holds(d)) {
        // What is being made uses the caches: it is always taken first, in
        // order, so a day not among it finds nothing in the making.
        while (!ahead_.empty() && !current_.Holds(d)) {
            current_ = ahead_.front().get();
            ahead_.pop_front();
        }
        if (!current_.Holds(d)) {
            current_ = Make(d, caches_[nextSlot_ % caches_.size()]);
            nextFirst_ = current_.End();
        }
        MakeAhead();
    }
    return current_.fields[d - current_.first];
}

void AstronomyColumn::MakeAhead() {
    while (makeAhead_ && ahead_.size() < kAstronomyStretchesAhead && nextFirst_ <= lastDay_) {
        const DayNumber first = nextFirst_;
        // Fewer stretches are in the making than there are sets of caches,
        // and the sets are taken in turn: no two share one.
        std::vector<LunarInstantCache>& caches = caches_[nextSlot_ % caches_.size()];
        try {
            ahead_.push_back(std::async(std::launch::async, [this, first, &caches] { return Make(first, caches); }));
        } catch (const std::system_error&) {
            return;  // no thread to be had: the next stretch is made when it is asked for
        }
        ++nextSlot_;
        nextFirst_ = first + LengthFrom(first);
    }
}

DayNumber AstronomyColumn::LengthFrom(DayNumber first) const {
    return std::clamp<DayNumber>(lastDay_ - first + 1, 1, kAstronomyStretchDays);
}

AstronomyColumn::Stretch AstronomyColumn::Make(DayNumber first, std::vector<LunarInstantCache>& caches) {
    Stretch stretch;
    stretch.first = first;
    const DayNumber count = LengthFrom(first);
    stretch.fields.resize(count);
    const int workers = static_cast<int>(
        std::clamp<DayNumber>(count / kAstronomyDaysPerWorker, 1, static_cast<DayNumber>(caches.size())));
    // Each worker takes a run of consecutive days, which keeps its cache warm.
    auto work = [this, &stretch, &caches, count, workers](int w) {
        DayContext ctx;
        for (DayNumber i = count * w / workers; i < count * (w + 1) / workers; ++i) {
            SetDayContext(ctx, stretch.first + i);
            AppendAstronomyField(stretch.fields[i], ctx, observer_, &caches[w]);
        }
    };
    std::vector<std::future<void>> helpers;
    for (int w = 1; w < workers; ++w) {
        try {
            helpers.push_back(std::async(std::launch::async, work, w));
        } catch (const std::system_error&) {
            work(w);  // no thread to be had: the same work here
        }
    }
    work(0);
    for (std::future<void>& h : helpers) h.get();
    return stretch;
}

namespace {

constexpr std::string_view kNoBreakSpace = "\u00A0";
constexpr std::string_view kLineBreakWithBlanks = " \u00BB ";  // kStatusLineBreak with plain blanks
constexpr std::string_view kNoteSeparatorWithBlanks = " | ";     // kStatusNoteSeparator with plain blanks
static_assert(kStatusLineBreak == "\u00A0\u00BB\u00A0" && kStatusNoteSeparator == "\u00A0|\u00A0");

bool NeedsQuotes(std::string_view text) {
    return text.find(';') != std::string_view::npos || text.find('"') != std::string_view::npos;
}

// One pass that does what ReplaceLineBreaks and WithPlainBlanks do one after
// the other: a line break becomes the status line's "»" separator, every
// no-break space a blank; a quote is doubled (it makes the field quoted).
void AppendFieldText(std::string& out, std::string_view notes) {
    std::size_t copied = 0;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const char c = notes[i];
        if (c != '\r' && c != '\n' && c != '"' && c != kNoBreakSpace[0]) continue;
        out.append(notes, copied, i - copied);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < notes.size() && notes[i + 1] == '\n') ++i;
            out += kLineBreakWithBlanks;
        } else if (c == '"') {
            out += "\"\"";
        } else if (i + 1 < notes.size() && notes[i + 1] == kNoBreakSpace[1]) {
            out += ' ';
            ++i;
        } else {
            out += c;
        }
        copied = i + 1;
    }
    out.append(notes, copied);
}

}  // namespace

void AppendNotesField(std::string& out, const NoteStore& store, const DayContext& ctx, NoteTextCache* cache) {
    const std::string notes = NotesOfDay(store, ctx, NotesForm::StatusLine, cache);
    // A note with ";" or a quote would split the line: quote the field.
    const bool quoted = NeedsQuotes(notes);
    if (quoted) out += '"';
    AppendFieldText(out, notes);
    if (quoted) out += '"';
}

NotesColumn::NotesColumn(const NoteStore& store)
    : store_(store), texts_(store), periodic_(store.Periodic().Entries().size()), sweep_(store.Periodic()) {}

namespace {
// The field of a day is made from the joined text (the slow way) when its
// last note is empty or ends in a no-break space: dropping the separators at
// the end of the joined text then reaches into that note.
bool EndsLikeSeparator(std::string_view text) {
    while (!text.empty() && text.back() == '\0') text.remove_suffix(1);
    return text.empty() || text.back() == kNoBreakSpace.back();
}
}  // namespace

void NotesColumn::AppendField(std::string& out, const DayContext& ctx) {
    // Line breaks, no-break spaces and quotes never reach across the
    // separator between two notes, so the field is the notes' field texts
    // joined.
    NotesOfDayInOrder(store_, ctx, texts_, sweep_, day_);
    const std::vector<std::uint32_t>& periodic = day_.periodicEntries;
    const std::size_t others = day_.otherCount;
    if (others == 0 && periodic.empty()) return;
    const bool lastIsPeriodic = !periodic.empty() && others == day_.periodicAt;
    if (lastIsPeriodic ? FieldOf(periodic.back()).endsLikeSeparator : EndsLikeSeparator(day_.others[others - 1])) {
        AppendNotesField(out, store_, ctx, &texts_);
        return;
    }
    // A day can carry hundreds of notes: they go straight into the output,
    // and the rare quote goes in front afterwards.
    const std::size_t start = out.size();
    bool quoted = false;
    bool first = true;
    const auto appendOther = [&](std::size_t i) {
        if (!first) out += kNoteSeparatorWithBlanks;
        first = false;
        quoted = quoted || NeedsQuotes(day_.others[i]);
        AppendFieldText(out, day_.others[i]);
    };
    for (std::size_t i = 0; i < day_.periodicAt; ++i) appendOther(i);
    // The fields lie scattered in memory: fetching a few notes ahead hides
    // the wait for each.
    constexpr std::size_t kAhead = 8;
    for (std::size_t i = 0; i < periodic.size(); ++i) {
        if (i + kAhead < periodic.size()) __builtin_prefetch(&periodic_[periodic[i + kAhead]]);
        const PeriodicField& f = FieldOf(periodic[i]);
        out.append(f.text, first ? kNoteSeparatorWithBlanks.size() : 0);
        first = false;
        quoted = quoted || f.quoted;
    }
    for (std::size_t i = day_.periodicAt; i < others; ++i) appendOther(i);
    if (quoted) {
        out.insert(start, 1, '"');
        out += '"';
    }
}

const NotesColumn::PeriodicField& NotesColumn::FieldOf(std::uint32_t entry) {
    PeriodicField& f = periodic_[entry];
    if (!f.made) {
        std::string text(texts_.PeriodicText(entry));
        std::erase(text, '\0');  // NotesOfDay leaves NULs out
        f.text = kNoteSeparatorWithBlanks;
        AppendFieldText(f.text, text);
        f.quoted = NeedsQuotes(text);
        f.endsLikeSeparator = EndsLikeSeparator(text);
        f.made = true;
    }
    return f;
}

bool ExportPlanCsv(const PlanOptions& options, const OutputSink& sink) {
    ChunkedOutput output(sink);
    std::string& out = output.Buffer();
    out += kCsvHeader;
    // Made ahead from here on while the notes folder is read.
    std::optional<AstronomyColumn> astronomy;
    if (options.withAstronomy) astronomy.emplace(options.observer, options.from, options.to, !options.dataFolder.empty());
    std::optional<NoteStore> notes;
    std::optional<NotesColumn> notesColumn;
    if (!options.dataFolder.empty()) {
        notes.emplace(options.dataFolder, options.password);
        notes->ScanAll();
        notesColumn.emplace(*notes);
        out += ";notizen";
    }
    out += '\n';
    VacationBlockOfYear blocks(options);
    DayContext ctx;
    for (DayNumber d = options.from; d <= options.to && output.Ok(); ++d) {
        SetDayContext(ctx, d);
        AppendCsvDay(out, ctx, options, blocks.For(ctx.year), astronomy ? astronomy->FieldOf(d) : std::string_view());
        if (notes) {
            out.back() = ';';  // the notes column goes before the line's end
            notesColumn->AppendField(out, ctx);
            out += '\n';
        }
        output.EndOfLine();
    }
    return output.Flush();
}

namespace {

// "Schichtplan „name“ vom <from> bis <to>": the first line of a text plan.
void AppendTextTitle(std::string& out, std::string_view planName, const PlanOptions& options) {
    out += "Schichtplan „";
    out += planName;
    out += "“ vom ";
    AppendGermanDate(out, MakeDayContext(options.from));
    out += " bis ";
    AppendGermanDate(out, MakeDayContext(options.to));
    out += '\n';
}

// A day's line up to its shifts: date, weekday, week number; a month
// heading before the first day shown and every first of a month.
void AppendTextDayHead(std::string& out, const DayContext& ctx, bool firstShown) {
    if (firstShown || ctx.day == 1) {
        out += '\n';
        out += kMonthNames[ctx.month];
        out += ' ';
        AppendInt(out, ctx.year);
        out += '\n';
    }
    AppendGermanDate(out, ctx);
    out += "  ";
    AppendPadded(out, kWeekdayNames[WeekdayIndex(ctx.dayNumber)], 11);
    out += "KW ";
    AppendInt(out, WeekNumber(ctx), 2);
    out += "  ";
}

}  // namespace

bool ExportPlanText(const PlanOptions& options, const OutputSink& sink) {
    if (options.calendarType == kOwnPlanCalendarType && options.ownPlan) return sink(ExportOwnPlanText(options));
    const int type = options.calendarType;
    const bool fourCrews = IsFourCrewType(type);
    const int crews = fourCrews ? 4 : CrewCountOf(type);
    const std::size_t crewWidth = fourCrews ? 22 : 14;

    ChunkedOutput output(sink);
    std::string& out = output.Buffer();
    DayContext ctx;
    AppendTextTitle(out, CalendarTypeInfoOf(type).label, options);

    VacationBlockOfYear blocks(options);
    for (DayNumber d = options.from; d <= options.to && output.Ok(); ++d) {
        SetDayContext(ctx, d);
        AppendTextDayHead(out, ctx, d == options.from);

        // Shift code of every crew, then who works which shift.
        ShiftCode codes[kMaxCrews];
        int vacationCrew = -1;
        if (fourCrews) {
            for (int k = 0; k < 4; ++k) codes[k] = ShiftOfFourCrewType(type, k, d);
        } else {
            const VacationBlock& block = blocks.For(ctx.year);
            const CrewShiftResult r = ComputeCrewShifts(type, d, &block);
            for (int k = 0; k < crews; ++k) codes[k] = r.table.Code(k);
            if (HasVacationBlock(type) && r.allFiveOnRhythm) vacationCrew = VacationCrewOn(block, d);
        }
        for (const std::string& cell : ShiftCrewTexts(type, std::span<const ShiftCode>(codes, crews)))
            AppendPadded(out, cell, crewWidth);
        std::string note;
        if (vacationCrew >= 0) note = std::string("Urlaub: ") + CrewNameOf(type, vacationCrew);
        std::string name = DayName(ctx, options.region);
        if (IsPublicHoliday(ctx, options.region)) name = name.empty() ? "Feiertag" : name + " (Feiertag)";
        if (options.schoolHolidays.Contains(ctx))
            name = name.empty() ? "Schulferien" : name + ", Schulferien";
        if (!name.empty()) {
            AppendPadded(out, note, HasVacationBlock(type) ? 15 : 0);
            out += name;
        } else {
            out += note;
        }
        while (!out.empty() && out.back() == ' ') out.pop_back();
        out += '\n';
        output.EndOfLine();
    }
    return output.Flush();
}

bool ExportPlan(const PlanOptions& options, const OutputSink& sink) {
    return options.format == PlanFormat::Text ? ExportPlanText(options, sink) : ExportPlanCsv(options, sink);
}

std::string ExportOwnPlanText(const PlanOptions& options) {
    const OwnShiftPlan& plan = *options.ownPlan;
    const std::vector<OwnPlanSubColumn> columns = OwnPlanSubColumns(plan);
    // Wide enough for "Nacht: " and two crew names, as the built-in tables.
    std::size_t nameWidth = 1;
    for (const OwnCrew& c : plan.crews) nameWidth = std::max(nameWidth, Utf8CharacterCount(c.name));
    const std::size_t cellWidth = 7 + 2 * nameWidth + 2 + 2;

    std::string out;
    out.reserve(static_cast<std::size_t>(options.to - options.from + 1) * (40 + columns.size() * cellWidth) + 256);
    DayContext ctx;
    AppendTextTitle(out, plan.name, options);
    for (const OwnPlanSubColumn& c : columns) {
        out += kShiftKindNames[static_cast<int>(c.kind)];
        out += ": ";
        out += ShiftTimesText(plan.Times(c.kind));
        out += '\n';
    }

    for (DayNumber d = options.from; d <= options.to; ++d) {
        SetDayContext(ctx, d);
        AppendTextDayHead(out, ctx, d == options.from);
        const OwnPlanDay day = OwnPlanDayOf(plan, d, options.region);
        for (const std::string& cell : OwnPlanShiftCrewTexts(plan, day)) AppendPadded(out, cell, cellWidth);
        std::string name = DayName(ctx, options.region);
        if (IsPublicHoliday(ctx, options.region)) name = name.empty() ? "Feiertag" : name + " (Feiertag)";
        if (day.holidayOff) name += " - alle Schichten frei";
        out += name;
        while (!out.empty() && out.back() == ' ') out.pop_back();
        out += '\n';
    }
    return out;
}

std::string ExportPlan(const PlanOptions& options) {
    std::string out;
    ExportPlan(options, AppendTo(out));
    return out;
}
std::string ExportPlanCsv(const PlanOptions& options) {
    std::string out;
    ExportPlanCsv(options, AppendTo(out));
    return out;
}
std::string ExportPlanText(const PlanOptions& options) {
    std::string out;
    ExportPlanText(options, AppendTo(out));
    return out;
}

}  // namespace sk
