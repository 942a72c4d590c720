#include "calendar/SchoolHolidayImport.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace sk {

namespace {

std::string Quoted(std::string_view s) { return "„" + std::string(s) + "“"; }

std::int32_t CodeOf(const CivilDate& c) { return c.year * 10000 + c.month * 100 + c.day; }

DayNumber DayOfCode(std::int32_t code) { return DayNumberOf(code / 10000, code / 100 % 100, code % 100); }

// The January part of a Christmas break, as files of one school year hold it.
bool IsNewYearPiece(const SchoolHolidayPeriod& p) {
    return p.slot == kSlotChristmas && SchoolHolidayBlockYear(p.slot, p.dates.first) != p.dates.first / 10000;
}

bool InCalendarYears(const CivilDate& c) { return c.year >= kFirstYear && c.year <= kLastYear; }

// ASCII letters lowered; "Ä", "Ö", "Ü" (UTF-8) lowered too, so "OSTERFERIEN"
// and "Frühjahr" compare like their lower-case forms.
std::string Lowered(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == 0xC3 && i + 1 < s.size()) {
            const unsigned char n = static_cast<unsigned char>(s[i + 1]);
            out += static_cast<char>(c);
            out += static_cast<char>(n >= 0x80 && n <= 0x9E ? n + 0x20 : n);
            ++i;
            continue;
        }
        out += static_cast<char>(std::tolower(c));
    }
    return out;
}

}  // namespace

int ClassifySchoolHolidayName(std::string_view name) {
    struct Key {
        const char* text;
        int slot;
    };
    static constexpr Key kKeys[] = {
        {"winter", kSlotWinter},      {"fasching", kSlotWinter},   {"frühjahr", kSlotWinter},
        {"fastnacht", kSlotWinter},   {"halbjahr", kSlotWinter},
        {"fruehjahr", kSlotWinter},   {"oster", kSlotEaster},      {"pfingst", kSlotWhitsun},
        {"sommer", kSlotSummer},      {"herbst", kSlotAutumn},     {"buß", kSlotRepentanceDay},
        {"buss", kSlotRepentanceDay}, {"weihnacht", kSlotChristmas},
    };
    const std::string lower = Lowered(name);
    int found = -1;
    for (const Key& k : kKeys) {
        if (lower.find(k.text) == std::string::npos) continue;
        if (found >= 0 && found != k.slot) return -1;  // "Oster- und Frühjahrsferien": which one?
        found = k.slot;
    }
    return found;
}

std::string GermanDateOfCode(std::int32_t code) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", code % 100, code / 100 % 100, code / 10000);
    return buf;
}

SchoolHolidayImport ClassifyCalendarEvents(const std::vector<CalendarEvent>& events) {
    SchoolHolidayImport result;
    auto fail = [&result](std::string message) {
        result.periods.clear();
        result.error = std::move(message);
        return result;
    };
    if (events.empty()) return fail("Die Datei enthält keine Termine.");
    for (const CalendarEvent& e : events) {
        const std::string name = e.summary.empty() ? std::string("(ohne Namen)") : e.summary;
        if (e.recurring)
            return fail("Der Termin " + Quoted(name) +
                        " wiederholt sich. Wiederkehrende Termine lassen sich nicht als Ferien übernehmen.");
        if (!e.first || !e.last) return fail("Der Termin " + Quoted(name) + " hat kein Datum.");
        if (!InCalendarYears(*e.first) || !InCalendarYears(*e.last))
            return fail("Der Termin " + Quoted(name) + " liegt außerhalb der Jahre 1970 bis 2037.");
        const std::int32_t first = CodeOf(*e.first);
        const std::int32_t last = CodeOf(*e.last);
        if (last < first) return fail("Der Termin " + Quoted(name) + " endet vor seinem Beginn.");
        const int slot = ClassifySchoolHolidayName(name);
        if (slot < 0) {
            result.unclassified.push_back(name);
            continue;
        }
        result.periods.push_back({name, {SchoolHolidayBlockYear(slot, first), slot, {first, last}}});
    }
    std::stable_sort(result.periods.begin(), result.periods.end(),
                     [](const NamedPeriod& a, const NamedPeriod& b) { return a.period.dates.first < b.period.dates.first; });

    // Join a period with the next piece of the same slot that starts the day after it ends.
    std::vector<NamedPeriod> joined;
    for (const NamedPeriod& p : result.periods) {
        if (!joined.empty()) {
            SchoolHolidayPeriod& back = joined.back().period;
            if (back.slot == p.period.slot && back.year == p.period.year &&
                DayOfCode(back.dates.last) + 1 == DayOfCode(p.period.dates.first)) {
                back.dates.last = std::max(back.dates.last, p.period.dates.last);
                continue;
            }
        }
        joined.push_back(p);
    }
    result.periods = std::move(joined);

    std::vector<SchoolHolidayPeriod> plain;
    for (std::size_t i = 0; i < result.periods.size(); ++i) {
        const SchoolHolidayPeriod& p = result.periods[i].period;
        for (std::size_t j = 0; j < i; ++j) {
            const SchoolHolidayPeriod& q = result.periods[j].period;
            if (q.slot == p.slot && q.year == p.year)
                return fail("Die Ferien " + Quoted(SchoolHolidayPeriodLabel(p)) + " stehen zweimal in der Datei (" +
                            Quoted(result.periods[j].name) + " und " + Quoted(result.periods[i].name) + ").");
        }
        plain.push_back(p);
        if (plain.size() > 7 * (kLastYear - kFirstYear + 2)) break;  // more slots than years: overlaps follow
    }
    if (const auto overlap = FirstOverlap(plain)) {
        auto nameOf = [&](const SchoolHolidayPeriod& p) {
            for (const NamedPeriod& n : result.periods)
                if (n.period == p) return n.name;
            return SchoolHolidayPeriodLabel(p);
        };
        return fail("Die Termine " + Quoted(nameOf(overlap->first)) + " und " + Quoted(nameOf(overlap->second)) +
                    " überschneiden sich.");
    }
    if (result.periods.empty()) return fail("Die Datei enthält keine Schulferien, die sich zuordnen lassen.");
    return result;
}

SchoolHolidayImportPlan PlanSchoolHolidayImport(const SchoolHolidayImport& import,
                                                const std::vector<SchoolHolidayPeriod>& stored, Region region) {
    using Effect = SchoolHolidayImportPlan::Effect;
    SchoolHolidayImportPlan plan;
    if (!import.error.empty()) {
        plan.error = import.error;
        plan.stored = stored;
        return plan;
    }
    plan.stored = stored;
    for (const NamedPeriod& named : import.periods) {
        const SchoolHolidayPeriod& p = named.period;
        Effect effect = Effect::kNew;
        if (HasBuiltInSchoolHolidays(region) && SchoolHolidayCalendar::IsBuiltIn(p.year, p.slot)) {
            effect = Effect::kBuiltInKept;
        } else {
            const auto it = std::find_if(plan.stored.begin(), plan.stored.end(), [&](const SchoolHolidayPeriod& s) {
                return s.year == p.year && s.slot == p.slot;
            });
            if (it == plan.stored.end()) {
                plan.stored.push_back(p);
            } else if (it->dates == p.dates || (IsNewYearPiece(p) && it->dates.first <= p.dates.first &&
                                                p.dates.last <= it->dates.last)) {
                effect = Effect::kAlreadyKnown;
            } else {
                *it = p;
                effect = Effect::kReplacesStored;
            }
        }
        if (effect == Effect::kNew || effect == Effect::kReplacesStored) ++plan.changes;
        plan.lines.push_back({named, effect});
    }
    std::stable_sort(plan.stored.begin(), plan.stored.end(),
                     [](const auto& a, const auto& b) { return a.dates.first < b.dates.first; });

    // The built-in table and the stored periods together must stay free of overlaps.
    std::vector<SchoolHolidayPeriod> all = SchoolHolidayCalendar(region).Periods();
    all.insert(all.end(), plan.stored.begin(), plan.stored.end());
    if (const auto overlap = FirstOverlap(all)) {
        plan.error = "Die Ferien " + Quoted(SchoolHolidayPeriodLabel(overlap->second)) + " (" +
                     GermanDateOfCode(overlap->second.dates.first) + " - " +
                     GermanDateOfCode(overlap->second.dates.last) + ") überschneiden sich mit " +
                     Quoted(SchoolHolidayPeriodLabel(overlap->first)) + " (" +
                     GermanDateOfCode(overlap->first.dates.first) + " - " +
                     GermanDateOfCode(overlap->first.dates.last) + ").";
        plan.stored = stored;
        plan.changes = 0;
    }
    return plan;
}

std::vector<std::string> SchoolHolidayPlanLines(const SchoolHolidayImportPlan& plan) {
    using Effect = SchoolHolidayImportPlan::Effect;
    std::vector<std::string> lines;
    for (const auto& line : plan.lines) {
        const char* effect = line.effect == Effect::kNew              ? "neu"
                             : line.effect == Effect::kReplacesStored ? "ersetzt den gespeicherten Termin"
                             : line.effect == Effect::kAlreadyKnown   ? "schon gespeichert"
                                                                      : "eingebaut, bleibt";
        const HolidayDates& d = line.named.period.dates;
        lines.push_back(line.named.name + ": " + GermanDateOfCode(d.first) + " - " + GermanDateOfCode(d.last) + " (" +
                        SchoolHolidayPeriodLabel(line.named.period) + ", " + effect + ")");
    }
    return lines;
}

}  // namespace sk
