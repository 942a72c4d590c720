#include "marks/CalendarMarks.h"

#include <algorithm>
#include <iterator>
#include <map>

#include "base/RecordBytes.h"
#include "base/FileIO.h"

namespace sk {
namespace {
constexpr std::size_t kRecordSize = 12;

bool ByStart(const CalendarMark& a, const CalendarMark& b) { return a.start < b.start; }

// Removes the first equal mark; true when there was one.
bool EraseOne(std::vector<CalendarMark>& marks, const CalendarMark& m) {
    const auto it = std::find(marks.begin(), marks.end(), m);
    if (it == marks.end()) return false;
    marks.erase(it);
    return true;
}
}  // namespace

std::vector<CalendarMark> ParseCalendarMarks(std::string_view bytes) {
    std::vector<CalendarMark> marks;
    marks.reserve(bytes.size() / kRecordSize + 1);
    for (std::size_t pos = 0; pos < bytes.size(); pos += kRecordSize) {
        const RecordReader r(bytes.substr(pos, kRecordSize));
        const CalendarMark m{static_cast<DayNumber>(r.U32(0)), static_cast<DayNumber>(r.U32(4)), r.U32(8)};
        if (IsCalendarDay(m.start) && IsCalendarDay(m.end)) marks.push_back(m);
    }
    return marks;
}

std::string FormatCalendarMarks(const std::vector<CalendarMark>& marks) {
    std::string out;
    out.reserve(marks.size() * kRecordSize);
    for (const auto& m : marks) {
        AppendU32(out, static_cast<std::uint32_t>(m.start));
        AppendU32(out, static_cast<std::uint32_t>(m.end));
        AppendU32(out, m.colour);
    }
    return out;
}

std::vector<CalendarMark> MergeCalendarMarks(const std::vector<CalendarMark>& base,
                                             const std::vector<CalendarMark>& mine,
                                             const std::vector<CalendarMark>& theirs) {
    // Multiset differences: what mine removed from base and what it added.
    std::vector<CalendarMark> added = mine, removed;
    for (const auto& m : base)
        if (!EraseOne(added, m)) removed.push_back(m);
    std::vector<CalendarMark> newThere = theirs;
    for (const auto& m : base) EraseOne(newThere, m);

    std::vector<CalendarMark> result = theirs;
    for (const auto& m : removed) EraseOne(result, m);
    for (const auto& a : added) {
        std::erase_if(newThere, [&](const CalendarMark& t) {
            const bool overlaps = t.start <= a.end && a.start <= t.end;
            if (overlaps) EraseOne(result, t);
            return overlaps;
        });
        result.push_back(a);
    }
    std::stable_sort(result.begin(), result.end(), ByStart);
    return result;
}

const MarkFormat<CalendarMark> kCalendarMarkFile{kCalendarMarkFileName, kRecordSize, ParseCalendarMarks, FormatCalendarMarks,
                                                 MergeCalendarMarks};

void CalendarMarkList::Load(const std::string& folder) {
    Assign(ReadMarkFile(file_, JoinPath(folder, kCalendarMarkFileName), kCalendarMarkFile));
    changed = false;
}

bool CalendarMarkList::ReloadIfChanged(const std::string& folder) {
    std::optional<std::vector<CalendarMark>> now =
        ReadOthersChanges(file_, JoinPath(folder, kCalendarMarkFileName), marks_, changed, kCalendarMarkFile);
    if (!now) return false;
    Assign(std::move(*now));
    return true;
}

bool CalendarMarkList::Save(const std::string& folder) {
    lastProblem = SaveMarkFile(file_, folder, marks_, kCalendarMarkFile);
    Assign(std::move(marks_));  // the save may have merged another instance's marks in
    if (lastProblem != MarkSaveProblem::None) return false;
    changed = false;
    return true;
}

void CalendarMarkList::Assign(std::vector<CalendarMark> marks) {
    marks_ = std::move(marks);
    Reindex();
}

void CalendarMarkList::Reindex() {
    sorted_ = std::is_sorted(marks_.begin(), marks_.end(), ByStart);
    endPrefixMax_.clear();
    if (!sorted_) return;
    endPrefixMax_.reserve(marks_.size());
    for (const auto& m : marks_)
        endPrefixMax_.push_back(endPrefixMax_.empty() ? m.end : std::max(endPrefixMax_.back(), m.end));
}

std::optional<std::size_t> CalendarMarkList::FindMarkOfDay(DayNumber d) const {
    if (sorted_) {
        // Marks starting after d cannot cover it; among the others the first
        // whose end reaches d is where the running maximum of ends first does.
        const auto startsAfter = std::upper_bound(marks_.begin(), marks_.end(), d,
                                                  [](DayNumber v, const CalendarMark& m) { return v < m.start; });
        const auto limit = static_cast<std::size_t>(startsAfter - marks_.begin());
        const auto reach = std::lower_bound(endPrefixMax_.begin(), endPrefixMax_.begin() + static_cast<std::ptrdiff_t>(limit), d);
        const auto i = static_cast<std::size_t>(reach - endPrefixMax_.begin());
        if (i < limit) return i;
        return std::nullopt;
    }
    for (std::size_t i = 0; i < marks_.size(); ++i)
        if (marks_[i].start <= d && d <= marks_[i].end) return i;
    return std::nullopt;
}

std::uint32_t CalendarMarkList::MarkColourOfDay(DayNumber d) const {
    const auto i = FindMarkOfDay(d);
    return i ? marks_[*i].colour : 0;
}

CalendarMark CalendarMarkList::InitialMarkOfDay(DayNumber d) const {
    if (const auto i = FindMarkOfDay(d)) return marks_[*i];
    return {d, d + 7, kDefaultCalendarMarkColour};
}

void CalendarMarkList::SaveMarkEntry(DayNumber l, DayNumber m, std::uint32_t colour) {
    if (m < l) std::swap(l, m);
    if (colour == 0) colour = kNearBlack;
    auto i = FindMarkOfDay(l);
    if (!i) i = FindMarkOfDay(m);
    if (i) {
        marks_[*i] = {l, m, colour};
    } else {
        marks_.push_back({l, m, colour});
    }
    std::stable_sort(marks_.begin(), marks_.end(), ByStart);
    Reindex();
    changed = true;
}

namespace {

// Per mark in list order: whether it is the first mark of at least one day.
std::vector<bool> ShownOf(const std::vector<CalendarMark>& marks) {
    // A mark shows unless the marks before it in list order cover all its
    // days. The days covered so far are kept as disjoint runs (first -> last
    // day), runs that touch merged, so a mark is covered exactly when one
    // run holds it.
    std::vector<bool> shown(marks.size());
    std::map<std::int64_t, std::int64_t> covered;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        std::int64_t first = marks[i].start;
        std::int64_t last = marks[i].end;
        if (last < first) continue;  // a damaged record covers no day
        auto next = covered.upper_bound(first);
        auto run = next == covered.begin() ? covered.end() : std::prev(next);
        shown[i] = run == covered.end() || run->second < last;
        if (!shown[i]) continue;
        // Merge the mark with every run it touches.
        if (run != covered.end() && run->second + 1 >= first) {
            first = run->first;
            last = std::max(last, run->second);
            next = covered.erase(run);
        }
        while (next != covered.end() && next->first <= last + 1) {
            last = std::max(last, next->second);
            next = covered.erase(next);
        }
        covered.emplace(first, last);
    }
    return shown;
}

}  // namespace

MarkEntryEffect CalendarMarkList::EffectOfMarkEntry(DayNumber l, DayNumber m, std::uint32_t colour) const {
    if (m < l) std::swap(l, m);
    MarkEntryEffect effect;
    auto changedIndex = FindMarkOfDay(l);
    if (!changedIndex) changedIndex = FindMarkOfDay(m);
    if (changedIndex) effect.changed = marks_[*changedIndex];

    // The list as SaveMarkEntry leaves it, each mark with its place now.
    constexpr std::size_t kNew = static_cast<std::size_t>(-1);
    std::vector<std::size_t> from(marks_.size());
    for (std::size_t i = 0; i < from.size(); ++i) from[i] = i;
    std::vector<CalendarMark> after = marks_;
    if (changedIndex) {
        after[*changedIndex] = {l, m, colour};
    } else {
        after.push_back({l, m, colour});
        from.push_back(kNew);
    }
    std::vector<std::size_t> order(after.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return ByStart(after[a], after[b]); });
    std::vector<CalendarMark> sortedAfter;
    sortedAfter.reserve(order.size());
    for (const std::size_t i : order) sortedAfter.push_back(after[i]);

    const std::vector<bool> shownBefore = ShownOf(marks_);
    const std::vector<bool> shownAfter = ShownOf(sortedAfter);
    for (std::size_t k = 0; k < order.size(); ++k) {
        const std::size_t i = from[order[k]];
        if (i == kNew || (changedIndex && i == *changedIndex)) continue;
        if (shownBefore[i] && !shownAfter[k]) effect.hidden.push_back(marks_[i]);
    }
    return effect;
}

void CalendarMarkList::DeleteCalendarMarkAt(DayNumber d) {
    if (const auto i = FindMarkOfDay(d)) {
        marks_.erase(marks_.begin() + static_cast<std::ptrdiff_t>(*i));
        Reindex();
        changed = true;
    }
}

void CalendarMarkList::DeleteCalendarMarksUpTo(DayNumber d) {
    const auto before = marks_.size();
    std::erase_if(marks_, [d](const CalendarMark& m) { return m.start <= d; });
    if (marks_.size() != before) {
        Reindex();
        changed = true;
    }
}

}  // namespace sk
