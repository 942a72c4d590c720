#include "notes/PeriodicNoteIndex.h"

#include <algorithm>
#include <utility>

#include "notes/NoteNames.h"

namespace sk {
namespace {

const DayNumber kTableDays = DayNumberOf(2039, 1, 1);  // 1970-01-01 ... 2038-12-31
// Periods up to this many days always get a table of where each residue's
// notes begin, so a day finds its notes of that period at once.
constexpr std::int32_t kAlwaysDirectPeriod = 1024;

// Orders numbers as their plain decimal texts compare byte by byte: the digits
// left-aligned, and of two texts where one begins the other, the shorter
// first (in a file name the "." after it sorts below every digit).
std::uint64_t DigitTextOrder(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    int digits = 1;
    for (std::uint32_t t = u; t >= 10; t /= 10) ++digits;
    std::uint64_t leftAligned = u;
    for (int i = digits; i < 10; ++i) leftAligned *= 10;
    return leftAligned * 16 + static_cast<std::uint64_t>(digits);
}

// The order of "anchor.period.tnt" names, without building the names.
std::pair<std::uint64_t, std::uint64_t> FileNameOrder(const PeriodicNoteEntry& e) {
    return {DigitTextOrder(e.anchor), DigitTextOrder(e.period)};
}

}  // namespace

std::string PeriodicNoteEntry::FileName() const { return PeriodicNoteFileName(anchor, period); }

void PeriodicNoteIndex::Assign(std::vector<PeriodicNoteEntry> entries) {
    std::vector<std::pair<std::pair<std::uint64_t, std::uint64_t>, PeriodicNoteEntry>> keyed;
    keyed.reserve(entries.size());
    for (const auto& e : entries) keyed.emplace_back(FileNameOrder(e), e);
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    keyed.erase(std::unique(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
                keyed.end());
    entries_.clear();
    entries_.reserve(keyed.size());
    for (const auto& k : keyed) entries_.push_back(k.second);

    // Made in index order and sorted stably, each group keeps index order.
    members_.clear();
    members_.reserve(entries_.size());
    for (std::uint32_t i = 0; i < entries_.size(); ++i)
        members_.push_back({entries_[i].period, entries_[i].anchor % entries_[i].period, i});
    const auto groupKey = [](const GroupMember& m) {
        return static_cast<std::uint64_t>(static_cast<std::uint32_t>(m.period)) << 32 |
               static_cast<std::uint32_t>(m.residue);
    };
    std::stable_sort(members_.begin(), members_.end(),
                     [&](const GroupMember& a, const GroupMember& b) { return groupKey(a) < groupKey(b); });
    periods_.clear();
    residueStarts_.clear();
    for (std::uint32_t begin = 0; begin < members_.size();) {
        const std::int32_t period = members_[begin].period;
        std::uint32_t end = begin;
        while (end < members_.size() && members_[end].period == period) ++end;
        Period p{period, begin, end, kNoDirect};
        // A direct table costs period + 1 numbers: always for periods up to
        // a year or so (at most a few megabytes for all of them together),
        // beyond that only within a few numbers per note.
        if (period <= kAlwaysDirectPeriod ||
            static_cast<std::int64_t>(period) <= 4 * static_cast<std::int64_t>(end - begin) + 64) {
            p.direct = static_cast<std::uint32_t>(residueStarts_.size());
            std::uint32_t m = begin;
            for (std::int32_t r = 0; r <= period; ++r) {
                while (m < end && members_[m].residue < r) ++m;
                residueStarts_.push_back(m);
            }
        }
        periods_.push_back(p);
        begin = end;
    }

    // Each group walks its days once, however many notes it holds.
    dayCounts_.assign(entries_.empty() ? 0 : static_cast<std::size_t>(kTableDays), 0);
    for (std::size_t i = 0; i < members_.size();) {
        std::size_t end = i + 1;
        while (end < members_.size() && members_[end].period == members_[i].period &&
               members_[end].residue == members_[i].residue)
            ++end;
        const auto count = static_cast<std::uint32_t>(end - i);
        for (std::int64_t d = members_[i].residue; d < kTableDays; d += members_[i].period)
            dayCounts_[static_cast<std::size_t>(d)] += count;
        i = end;
    }
}

template <class Visit>
void PeriodicNoteIndex::ForEachGroupOfDay(DayNumber d, Visit&& visit) const {
    for (const Period& p : periods_) {
        const std::int32_t residue = d % p.period;
        if (residue < 0) continue;  // a negative day matches only residue 0, as D mod P = anchor mod P says
        auto begin = members_.begin() + p.begin, end = members_.begin() + p.end;
        if (p.direct != kNoDirect) {
            begin = members_.begin() + residueStarts_[p.direct + static_cast<std::uint32_t>(residue)];
            end = members_.begin() + residueStarts_[p.direct + static_cast<std::uint32_t>(residue) + 1];
        } else {
            begin = std::lower_bound(begin, end, residue,
                                     [](const GroupMember& m, std::int32_t r) { return m.residue < r; });
            end = std::upper_bound(begin, end, residue,
                                   [](std::int32_t r, const GroupMember& m) { return r < m.residue; });
        }
        if (begin != end) visit(begin, end);
    }
}

bool PeriodicNoteIndex::Contains(std::int32_t anchor, std::int32_t period) const {
    const PeriodicNoteEntry wanted{anchor, period};
    const auto order = FileNameOrder(wanted);
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), order,
                                     [](const PeriodicNoteEntry& e, const auto& o) { return FileNameOrder(e) < o; });
    return it != entries_.end() && it->anchor == anchor && it->period == period;
}

int PeriodicNoteIndex::CountOfDay(DayNumber d) const {
    if (entries_.empty()) return 0;
    if (d >= 0 && d < kTableDays) return static_cast<int>(dayCounts_[static_cast<std::size_t>(d)]);
    int count = 0;
    ForEachGroupOfDay(d, [&](auto first, auto last) { count += static_cast<int>(last - first); });
    return count;
}

std::vector<std::uint32_t> PeriodicNoteIndex::EntriesOfDay(DayNumber d) const {
    std::vector<std::uint32_t> out;
    EntriesOfDay(d, out);
    return out;
}

void PeriodicNoteIndex::EntriesOfDay(DayNumber d, std::vector<std::uint32_t>& out) const {
    out.clear();
    if (entries_.empty()) return;
    if (d >= 0 && d < kTableDays) out.reserve(dayCounts_[static_cast<std::size_t>(d)]);
    ForEachGroupOfDay(d, [&](auto first, auto last) {
        for (auto it = first; it != last; ++it) out.push_back(it->entry);
    });
    std::sort(out.begin(), out.end());
}

const PeriodicNoteEntry* PeriodicNoteIndex::EntryOfDay(DayNumber d, int k) const {
    if (k < 1) return nullptr;
    const std::vector<std::uint32_t> ofDay = EntriesOfDay(d);
    return static_cast<std::size_t>(k) <= ofDay.size() ? &entries_[ofDay[static_cast<std::size_t>(k) - 1]] : nullptr;
}

}  // namespace sk
