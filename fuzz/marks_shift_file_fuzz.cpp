// The shift-mark file reader on arbitrary bytes, the day lookup and an entry
// on what it read. Only days of the calendar are handed on; writing keeps at
// most one mark per day, and what was written reads back whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "marks/ShiftMarks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    sk::ShiftMarkList list;
    list.Assign(sk::ParseShiftMarks(bytes));
    if (list.Marks().size() > (size + 5) / 6) std::abort();
    for (const auto& m : list.Marks())
        if (!sk::IsCalendarDay(m.day)) std::abort();
    const std::string bytesWritten = sk::FormatShiftMarks(list.Marks());
    const auto written = sk::ParseShiftMarks(bytesWritten);
    if (written.size() * 6 != bytesWritten.size()) std::abort();
    for (std::size_t i = 1; i < written.size(); ++i)
        if (written[i].day == written[i - 1].day || written[i].day == 0) std::abort();
    for (const auto& m : list.Marks()) {
        const sk::ShiftMark* found = list.ShiftMarkOfDay(m.day);
        if (found && found->day != m.day) std::abort();
    }
    if (!list.Marks().empty()) {
        const auto m = list.Marks().front();  // a copy: the list changes below
        const int type = m.code % 8;
        sk::EnterShiftMark(list, type, m.day, m.crew % 5, [&](int, int) { return static_cast<int>(m.crew % 10) - 1; });
        const sk::ShiftMark* found = list.ShiftMarkOfDay(m.day);
        if (found && found->day != m.day) std::abort();
    }
    return 0;
}
