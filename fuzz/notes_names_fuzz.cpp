// Any file name in a notes folder: what the name rules take for a note must
// come back from the name of its kind unchanged, and the periodic index built
// from such names must count every day as a plain walk over the entries does.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "notes/NoteNames.h"
#include "notes/PeriodicNoteIndex.h"

namespace {
std::string NameOf(const sk::NoteFileName& n) {
    switch (n.kind) {
        case sk::NoteKind::Day: return sk::DayNoteFileName(n.code);
        case sk::NoteKind::Periodic: return sk::PeriodicNoteFileName(n.code, n.period);
        case sk::NoteKind::Yearly: return sk::YearlyNoteFileName(n.code);
        case sk::NoteKind::Weekday: return sk::WeekdayNoteFileName(n.code);
    }
    return {};
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<sk::PeriodicNoteEntry> entries;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view name = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const auto parsed = sk::ParseNoteFileName(name);
        if (!parsed) continue;
        if (NameOf(*parsed) != name) std::abort();
        if (parsed->kind == sk::NoteKind::Periodic) {
            if (parsed->period < 1) std::abort();
            // One file per name: a name listed twice is one note.
            const bool listed = std::any_of(entries.begin(), entries.end(), [&](const sk::PeriodicNoteEntry& e) {
                return e.anchor == parsed->code && e.period == parsed->period;
            });
            if (!listed) entries.push_back({parsed->code, parsed->period});
        }
    }
    if (entries.size() > 64) return 0;
    sk::PeriodicNoteIndex index;
    index.Assign(entries);
    for (const sk::DayNumber d : {0, 1, 17000, 24000, 24837, 30000, -5}) {
        int count = 0;
        // The rule as it reads: D mod P = anchor mod P, with the remainder of
        // a negative day negative (so such a day matches only remainder 0).
        for (const auto& e : entries)
            if (d % e.period == e.anchor % e.period) ++count;
        if (index.CountOfDay(d) != count) std::abort();
        if (count > 0 && !index.EntryOfDay(d, count)) std::abort();
        if (index.EntryOfDay(d, count + 1)) std::abort();
    }
    return 0;
}
