#include "marks/ShiftMarks.h"

#include <algorithm>
#include <map>

#include "base/RecordBytes.h"
#include "marks/ShiftMarkCodes.h"
#include "shift/CalendarTypes.h"
#include "base/FileIO.h"

namespace sk {
namespace {
constexpr std::size_t kRecordSize = 6;

bool ByDay(const ShiftMark& a, const ShiftMark& b) { return a.day < b.day; }

std::vector<ShiftMark> ParseFileBytes(const std::optional<std::string>& bytes) {
    if (!bytes) return {};
    return ParseShiftMarks(std::string_view(*bytes).substr(0, kMaxMarkFileBytes / kRecordSize * kRecordSize));
}

std::map<DayNumber, ShiftMark> MarkPerDay(const std::vector<ShiftMark>& marks) {
    std::map<DayNumber, ShiftMark> perDay;
    for (const auto& m : marks) perDay.emplace(m.day, m);
    return perDay;
}
}  // namespace

std::vector<ShiftMark> ParseShiftMarks(std::string_view bytes) {
    std::vector<ShiftMark> marks;
    marks.reserve(bytes.size() / kRecordSize + 1);
    for (std::size_t pos = 0; pos < bytes.size(); pos += kRecordSize) {
        const RecordReader r(bytes.substr(pos, kRecordSize));
        marks.push_back({static_cast<DayNumber>(r.U32(0)), r.U8(4), r.U8(5)});
    }
    return marks;
}

std::string FormatShiftMarks(const std::vector<ShiftMark>& marks) {
    std::string out;
    out.reserve(marks.size() * kRecordSize);
    const ShiftMark* previous = nullptr;
    for (const auto& m : marks) {
        if (m.day == 0 || (previous && previous->day == m.day)) continue;
        AppendU32(out, static_cast<std::uint32_t>(m.day));
        out += static_cast<char>(m.crew);
        out += static_cast<char>(m.code);
        previous = &m;
    }
    return out;
}

std::vector<ShiftMark> MergeShiftMarks(const std::vector<ShiftMark>& base, const std::vector<ShiftMark>& mine,
                                       const std::vector<ShiftMark>& theirs) {
    const auto b = MarkPerDay(base), m = MarkPerDay(mine);
    auto result = MarkPerDay(theirs);
    const auto changedDay = [&](DayNumber day) {
        const auto x = b.find(day), y = m.find(day);
        if ((x == b.end()) != (y == m.end())) return true;
        return x != b.end() && !(x->second == y->second);
    };
    for (const auto& [day, mark] : m)
        if (changedDay(day)) result[day] = mark;
    for (const auto& [day, mark] : b)
        if (!m.contains(day)) result.erase(day);
    std::vector<ShiftMark> out;
    out.reserve(result.size());
    for (const auto& [day, mark] : result) out.push_back(mark);
    return out;
}

void ShiftMarkList::Load(const std::string& folder) {
    std::vector<ShiftMark> marks = ParseFileBytes(file_.Read(JoinPath(folder, kShiftMarkFileName)));
    // Every reader finds a day's mark by walking in day order: a file written
    // out of order (by hand, by another program) would hide marks. Records of
    // one day keep their order, so the first still counts.
    std::stable_sort(marks.begin(), marks.end(), ByDay);
    Assign(std::move(marks));
    changed = false;
}

bool ShiftMarkList::ReloadIfChanged(const std::string& folder) {
    const std::string path = JoinPath(folder, kShiftMarkFileName);
    if (!file_.ChangedOnDisk(path)) return false;
    const std::vector<ShiftMark> base = ParseShiftMarks(file_.Base());
    std::vector<ShiftMark> theirs = ParseFileBytes(file_.Read(path));
    Assign(changed ? MergeShiftMarks(base, marks_, theirs) : std::move(theirs));
    return true;
}

bool ShiftMarkList::Save(const std::string& folder) {
    lastProblem = MarkSaveProblem::WriteFailed;
    if (file_.tooLarge) return false;
    const std::optional<FolderLock> lock = FolderLock::Acquire(folder, kMarkLockFileName, kMarkLockTimeout);
    if (!lock) {
        lastProblem = MarkSaveProblem::FolderBusy;
        return false;
    }
    const std::string path = JoinPath(folder, kShiftMarkFileName);
    if (file_.ChangedOnDisk(path)) {
        // Another instance wrote meanwhile: its changes stay, ours go on top.
        const std::vector<ShiftMark> base = ParseShiftMarks(file_.Base());
        const std::vector<ShiftMark> theirs = ParseFileBytes(file_.Read(path));
        if (file_.tooLarge) return false;
        Assign(MergeShiftMarks(base, marks_, theirs));
    }
    std::string bytes = FormatShiftMarks(marks_);
    if (!(bytes.empty() ? RemoveFileIfExists(path) : WriteFileAtomically(path, bytes))) return false;
    file_.Wrote(path, std::move(bytes));
    changed = false;
    lastProblem = MarkSaveProblem::None;
    return true;
}

void ShiftMarkList::Assign(std::vector<ShiftMark> marks) {
    marks_ = std::move(marks);
    sorted_ = std::is_sorted(marks_.begin(), marks_.end(), ByDay);
}

const ShiftMark* ShiftMarkList::ShiftMarkOfDay(DayNumber d) const {
    if (sorted_) {
        const auto it = std::lower_bound(marks_.begin(), marks_.end(), ShiftMark{d, 0, 0}, ByDay);
        return it != marks_.end() && it->day == d ? &*it : nullptr;
    }
    for (const auto& m : marks_) {
        if (m.day == d) return &m;
        if (m.day > d) break;
    }
    return nullptr;
}

bool ShiftMarkList::DeleteShiftMarksUpTo(DayNumber d, const std::string& folder) {
    std::erase_if(marks_, [d](const ShiftMark& m) { return m.day <= d; });
    sorted_ = std::is_sorted(marks_.begin(), marks_.end(), ByDay);
    changed = true;
    return Save(folder);
}

void ShiftMarkList::ApplyChoice(int calendarType, DayNumber d, int crew, int code) {
    auto it = marks_.end();
    if (const ShiftMark* m = ShiftMarkOfDay(d)) it = marks_.begin() + (m - marks_.data());
    if (code == ShiftMarkDeleteCode(calendarType)) {
        if (it != marks_.end()) marks_.erase(it);
    } else if (it != marks_.end()) {
        *it = {d, static_cast<std::uint8_t>(crew), static_cast<std::uint8_t>(code)};
    } else {
        marks_.push_back({d, static_cast<std::uint8_t>(crew), static_cast<std::uint8_t>(code)});
    }
    std::stable_sort(marks_.begin(), marks_.end(), ByDay);
    sorted_ = true;
    changed = true;
}

bool ShiftMarkEntryAllowed(int calendarType, DayNumber d, int crew) {
    switch (calendarType) {
        case 2: return crew >= 1 && crew <= 3;
        case 6:
        case 7: return crew >= 1 && crew <= 4;
        case 0:
        case 1:
        case 3:
        case 4:
        case 5: return crew >= 1 && crew <= 4 && !(crew == 3 && WeekdayIndex(d) == 0);
        // Which columns the own plan uses is the plan's; its window checks that.
        case kOwnPlanCalendarType: return crew >= 1 && crew <= 4;
        default: return false;
    }
}

int CurrentShiftMarkCode(const ShiftMarkList& list, int calendarType, DayNumber d) {
    const ShiftMark* m = list.ShiftMarkOfDay(d);
    return m && m->code < ShiftMarkDeleteCode(calendarType) ? m->code : 0;
}

bool EnterShiftMark(ShiftMarkList& list, int calendarType, DayNumber d, int crew, const ShiftMarkChooser& chooseCode) {
    if (!ShiftMarkEntryAllowed(calendarType, d, crew)) return false;
    const int code = chooseCode(CurrentShiftMarkCode(list, calendarType, d), crew);
    if (code < 0 || code > ShiftMarkDeleteCode(calendarType)) return false;
    list.ApplyChoice(calendarType, d, crew, code);
    return true;
}

}  // namespace sk
