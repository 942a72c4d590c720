#include "notes/PeriodicNoteIndex.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

#include "base/RadixSort.h"
#include "notes/NoteNames.h"

namespace sk {
namespace {

const DayNumber kTableDays = DayNumberOf(2039, 1, 1);  // 1970-01-01 ... 2038-12-31
// Periods up to this many days always get a table of where each residue's
// notes begin, so a day finds its notes of that period at once.
constexpr std::int32_t kAlwaysDirectPeriod = 1024;

constexpr int kMaxDigits = 10;  // of a 32-bit number
constexpr std::array<std::uint64_t, kMaxDigits + 1> kPowersOfTen = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000, 10000000000};

int DigitCount(std::uint32_t u) {
    int digits = 1;
    while (digits < kMaxDigits && u >= kPowersOfTen[static_cast<std::size_t>(digits)]) ++digits;
    return digits;
}

// Orders numbers as their plain decimal texts compare byte by byte: the digits
// left-aligned to `width` places, and of two texts where one begins the
// other, the shorter first (in a file name the "." after it sorts below
// every digit). Any width of at least the numbers' digits gives the same
// order; a narrow one gives a short key.
std::uint64_t DigitTextOrder(std::int32_t v, int width = kMaxDigits) {
    const auto u = static_cast<std::uint32_t>(v);
    const int digits = DigitCount(u);
    return u * kPowersOfTen[static_cast<std::size_t>(width - digits)] * 16 + static_cast<std::uint64_t>(digits);
}
int DigitTextOrderBits(int width) { return std::bit_width(kPowersOfTen[static_cast<std::size_t>(width)] * 16); }

// The order of "anchor.period.tnt" names, without building the names.
std::pair<std::uint64_t, std::uint64_t> FileNameOrder(const PeriodicNoteEntry& e) {
    return {DigitTextOrder(e.anchor), DigitTextOrder(e.period)};
}

}  // namespace

std::string PeriodicNoteEntry::FileName() const { return PeriodicNoteFileName(anchor, period); }

void PeriodicNoteIndex::Assign(std::vector<PeriodicNoteEntry> entries) {
    // File-name order: by the period's text, then stably by the anchor's.
    std::uint32_t widestAnchor = 0, widestPeriod = 0;
    for (const auto& e : entries) {
        widestAnchor = std::max(widestAnchor, static_cast<std::uint32_t>(e.anchor));
        widestPeriod = std::max(widestPeriod, static_cast<std::uint32_t>(e.period));
    }
    const int anchorWidth = DigitCount(widestAnchor), periodWidth = DigitCount(widestPeriod);
    struct Keyed {
        std::uint64_t key;
        PeriodicNoteEntry entry;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(entries.size());
    for (const auto& e : entries) keyed.push_back({DigitTextOrder(e.period, periodWidth), e});
    const auto keyOf = [](const Keyed& k) { return k.key; };
    StableRadixSort(keyed, DigitTextOrderBits(periodWidth), keyOf);
    for (Keyed& k : keyed) k.key = DigitTextOrder(k.entry.anchor, anchorWidth);
    StableRadixSort(keyed, DigitTextOrderBits(anchorWidth), keyOf);
    entries_.clear();
    entries_.reserve(keyed.size());
    for (const Keyed& k : keyed) {
        const bool sameFile = !entries_.empty() && entries_.back().anchor == k.entry.anchor &&
                              entries_.back().period == k.entry.period;
        if (!sameFile) entries_.push_back(k.entry);
    }

    // Made in index order and sorted stably, each group keeps index order.
    members_.clear();
    members_.reserve(entries_.size());
    for (std::uint32_t i = 0; i < entries_.size(); ++i)
        members_.push_back({entries_[i].period, entries_[i].anchor % entries_[i].period, i});
    std::uint32_t widest = 0;
    for (const GroupMember& m : members_)
        widest = std::max({widest, static_cast<std::uint32_t>(m.period), static_cast<std::uint32_t>(m.residue)});
    const int shift = std::bit_width(widest);
    StableRadixSort(members_, 2 * shift, [shift](const GroupMember& m) {
        return static_cast<std::uint64_t>(static_cast<std::uint32_t>(m.period)) << shift |
               static_cast<std::uint32_t>(m.residue);
    });
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

    // Counted when first asked: the first picture asks for a few hundred days.
    dayCounts_.assign(entries_.empty() ? 0 : static_cast<std::size_t>(kTableDays), kNotCounted);
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
    const auto countByGroups = [&] {
        std::uint32_t count = 0;
        ForEachGroupOfDay(d, [&](auto first, auto last) { count += static_cast<std::uint32_t>(last - first); });
        return count;
    };
    if (d < 0 || d >= kTableDays) return static_cast<int>(countByGroups());
    std::uint32_t& counted = dayCounts_[static_cast<std::size_t>(d)];
    if (counted == kNotCounted) counted = countByGroups();
    return static_cast<int>(counted);
}

std::vector<std::uint32_t> PeriodicNoteIndex::EntriesOfDay(DayNumber d) const {
    std::vector<std::uint32_t> out;
    EntriesOfDay(d, out);
    return out;
}

void PeriodicNoteIndex::EntriesOfDay(DayNumber d, std::vector<std::uint32_t>& out) const {
    out.clear();
    if (entries_.empty()) return;
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

void PeriodicDaySweep::Deal(DayNumber first) {
    blockStart_ = first;
    dealt_ = true;
    const auto block = static_cast<std::size_t>(kBlockDays);
    // Calls f(k) for each day first + k of the block the note shows on.
    const auto forEachDay = [first](const PeriodicNoteEntry& e, auto&& f) {
        const std::int64_t period = e.period, residue = e.anchor % e.period;
        if (residue < 0) return;  // on no day from 1970 on, as the index's rule says
        for (std::int64_t k = ((residue - first % period) % period + period) % period; k < kBlockDays; k += period)
            f(static_cast<std::size_t>(k));
    };
    const std::vector<PeriodicNoteEntry>& entries = index_.Entries();
    starts_.assign(block + 1, 0);
    for (const auto& e : entries) forEachDay(e, [&](std::size_t k) { ++starts_[k + 1]; });
    for (std::size_t k = 0; k < block; ++k) starts_[k + 1] += starts_[k];
    dealtEntries_.resize(starts_[block]);
    next_.assign(starts_.begin(), starts_.end() - 1);
    for (std::uint32_t i = 0; i < entries.size(); ++i)
        forEachDay(entries[i], [&](std::size_t k) { dealtEntries_[next_[k]++] = i; });
}

void PeriodicDaySweep::EntriesOfDay(DayNumber d, std::vector<std::uint32_t>& out) {
    if (d < 0) {
        index_.EntriesOfDay(d, out);
        return;
    }
    if (!dealt_ || d < blockStart_ || d >= blockStart_ + kBlockDays) Deal(d);
    const auto k = static_cast<std::size_t>(d - blockStart_);
    out.assign(dealtEntries_.begin() + starts_[k], dealtEntries_.begin() + starts_[k + 1]);
}

}  // namespace sk
