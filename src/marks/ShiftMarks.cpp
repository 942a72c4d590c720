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
        const ShiftMark m{static_cast<DayNumber>(r.U32(0)), r.U8(4), r.U8(5)};
        if (IsCalendarDay(m.day)) marks.push_back(m);
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

const MarkFormat<ShiftMark> kShiftMarkFile{kShiftMarkFileName, kRecordSize, ParseShiftMarks, FormatShiftMarks,
                                           MergeShiftMarks};

void ShiftMarkList::Load(const std::string& folder) {
    std::vector<ShiftMark> marks = ReadMarkFile(file_, JoinPath(folder, kShiftMarkFileName), kShiftMarkFile);
    // Every reader finds a day's mark by walking in day order: a file written
    // out of order (by hand, by another program) would hide marks. Records of
    // one day keep their order, so the first still counts.
    std::stable_sort(marks.begin(), marks.end(), ByDay);
    Assign(std::move(marks));
    changed = false;
}

bool ShiftMarkList::ReloadIfChanged(const std::string& folder) {
    std::optional<std::vector<ShiftMark>> now =
        ReadOthersChanges(file_, JoinPath(folder, kShiftMarkFileName), marks_, changed, kShiftMarkFile);
    if (!now) return false;
    Assign(std::move(*now));
    return true;
}

bool ShiftMarkList::Save(const std::string& folder) {
    lastProblem = SaveMarkFile(file_, folder, marks_, kShiftMarkFile);
    Assign(std::move(marks_));  // the save may have merged another instance's marks in
    if (lastProblem != MarkSaveProblem::None) return false;
    changed = false;
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
