#pragma once
// The index of periodic notes: (anchor, period) pairs in ascending byte order
// of their file names, so several notes on one day come in the same order on
// every file system. A note shows on day D when D mod period = anchor mod period.
//
// The painter asks for every painted day, so the counts of all days of
// 1970-2038 are kept in a table built with the index; other days are counted
// by walking the entries.

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/Date.h"

namespace sk {

struct PeriodicNoteEntry {
    std::int32_t anchor;
    std::int32_t period;  // >= 1
    std::string FileName() const;
};

class PeriodicNoteIndex {
public:
    // Takes the entries in any order; keeps them sorted by file name.
    void Assign(std::vector<PeriodicNoteEntry> entries);
    void Clear() { Assign({}); }

    const std::vector<PeriodicNoteEntry>& Entries() const { return entries_; }
    bool Contains(std::int32_t anchor, std::int32_t period) const;

    int CountOfDay(DayNumber d) const;
    // The k-th (from 1) entry showing on day d, in index order; nullptr when
    // there are fewer than k.
    const PeriodicNoteEntry* EntryOfDay(DayNumber d, int k) const;

private:
    std::vector<PeriodicNoteEntry> entries_;
    std::vector<std::uint32_t> dayCounts_;  // per day number 0 ... kTableDays-1
};

}  // namespace sk
