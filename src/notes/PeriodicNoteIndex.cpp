#include "notes/PeriodicNoteIndex.h"

#include <algorithm>
#include <map>
#include <utility>

#include "notes/NoteNames.h"

namespace sk {
namespace {

const DayNumber kTableDays = DayNumberOf(2039, 1, 1);  // 1970-01-01 ... 2038-12-31

bool Shows(const PeriodicNoteEntry& e, DayNumber d) { return d % e.period == e.anchor % e.period; }

}  // namespace

std::string PeriodicNoteEntry::FileName() const { return PeriodicNoteFileName(anchor, period); }

void PeriodicNoteIndex::Assign(std::vector<PeriodicNoteEntry> entries) {
    std::vector<std::pair<std::string, PeriodicNoteEntry>> named;
    named.reserve(entries.size());
    for (const auto& e : entries) named.emplace_back(e.FileName(), e);
    std::sort(named.begin(), named.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    named.erase(std::unique(named.begin(), named.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
                named.end());
    entries_.clear();
    for (auto& n : named) entries_.push_back(n.second);

    // Notes with the same period and residue fall on the same days: walking
    // each distinct pair once keeps the build cheap even for many notes.
    std::map<std::pair<std::int32_t, std::int32_t>, std::uint32_t> pairs;
    for (const auto& e : entries_) ++pairs[{e.period, e.anchor % e.period}];
    dayCounts_.assign(entries_.empty() ? 0 : static_cast<std::size_t>(kTableDays), 0);
    for (const auto& [key, count] : pairs) {
        const auto [period, residue] = key;
        for (std::int64_t d = residue; d < kTableDays; d += period) dayCounts_[static_cast<std::size_t>(d)] += count;
    }
}

bool PeriodicNoteIndex::Contains(std::int32_t anchor, std::int32_t period) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&](const PeriodicNoteEntry& e) { return e.anchor == anchor && e.period == period; });
}

int PeriodicNoteIndex::CountOfDay(DayNumber d) const {
    if (entries_.empty()) return 0;
    if (d >= 0 && d < kTableDays) return static_cast<int>(dayCounts_[static_cast<std::size_t>(d)]);
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(), [d](const auto& e) { return Shows(e, d); }));
}

const PeriodicNoteEntry* PeriodicNoteIndex::EntryOfDay(DayNumber d, int k) const {
    if (k < 1) return nullptr;
    for (const auto& e : entries_)
        if (Shows(e, d) && --k == 0) return &e;
    return nullptr;
}

}  // namespace sk
