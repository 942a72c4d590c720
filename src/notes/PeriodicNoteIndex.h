#pragma once
// The index of periodic notes: (anchor, period) pairs in ascending byte order
// of their file names, so several notes on one day come in the same order on
// every file system. A note shows on day D when D mod period = anchor mod period.
//
// The painter asks for every painted day, so the counts of the days of
// 1970-2038 are kept once counted. The notes of one day
// are found through the groups of notes with the same period and residue, so
// a lookup costs the number of distinct periods plus the notes of that day,
// not a walk over every note.

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
    // Positions in Entries() of the notes showing on day d, ascending (index order).
    std::vector<std::uint32_t> EntriesOfDay(DayNumber d) const;
    // The same into `out` (its old content replaced), so a caller asking
    // day after day reuses the memory.
    void EntriesOfDay(DayNumber d, std::vector<std::uint32_t>& out) const;
    // The k-th (from 1) entry showing on day d, in index order; nullptr when
    // there are fewer than k.
    const PeriodicNoteEntry* EntryOfDay(DayNumber d, int k) const;

private:
    // One note in its group: notes with equal period and residue show on the same days.
    struct GroupMember {
        std::int32_t period;
        std::int32_t residue;
        std::uint32_t entry;  // position in entries_
    };
    // Calls visit(first, last) for the members showing on day d, group by group.
    template <class Visit>
    void ForEachGroupOfDay(DayNumber d, Visit&& visit) const;

    // The members of one period: members_[begin, end). Where the period is
    // short against its number of notes, residueStarts_[direct + r] says
    // where residue r begins (r = 0 ... period), so a day looks it up at once.
    struct Period {
        std::int32_t period;
        std::uint32_t begin, end;
        std::uint32_t direct;  // kNoDirect: search the members instead
    };
    static constexpr std::uint32_t kNoDirect = 0xFFFFFFFF;

    std::vector<PeriodicNoteEntry> entries_;
    std::vector<GroupMember> members_;  // by period, residue, entry
    std::vector<Period> periods_;
    std::vector<std::uint32_t> residueStarts_;
    // Per day number 0 ... kTableDays-1; filled as days are asked for.
    static constexpr std::uint32_t kNotCounted = 0xFFFFFFFF;
    mutable std::vector<std::uint32_t> dayCounts_;
};

// Answers the index's EntriesOfDay for days asked one after another, as the
// command line does for every day of a range: the notes of a block of days
// are dealt out at once, note by note in index order, so no day's list needs
// sorting. Days before the block or far after it start a new block. The
// index must stay as it is while the sweep is used.
class PeriodicDaySweep {
public:
    explicit PeriodicDaySweep(const PeriodicNoteIndex& index) : index_(index) {}
    PeriodicDaySweep(const PeriodicDaySweep&) = delete;
    PeriodicDaySweep& operator=(const PeriodicDaySweep&) = delete;

    void EntriesOfDay(DayNumber d, std::vector<std::uint32_t>& out);

private:
    void Deal(DayNumber first);

    static constexpr DayNumber kBlockDays = 1024;
    const PeriodicNoteIndex& index_;
    DayNumber blockStart_ = 0;
    bool dealt_ = false;
    std::vector<std::uint32_t> starts_;  // where each day's entries begin, kBlockDays + 1
    std::vector<std::uint32_t> next_;    // while dealing: the next free place of each day
    std::vector<std::uint32_t> dealtEntries_;
};

}  // namespace sk
