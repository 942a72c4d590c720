// The calendar-mark file reader on arbitrary bytes, then the lookups and the
// window's save rule on what it read. Only days of the calendar are handed
// on; a written list must read back equal.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "marks/CalendarMarks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    sk::CalendarMarkList list;
    list.Assign(sk::ParseCalendarMarks(bytes));
    if (list.Marks().size() > (size + 11) / 12) std::abort();
    for (const auto& m : list.Marks())
        if (!sk::IsCalendarDay(m.start) || !sk::IsCalendarDay(m.end)) std::abort();
    if (sk::ParseCalendarMarks(sk::FormatCalendarMarks(list.Marks())) != list.Marks()) std::abort();
    for (sk::DayNumber d : {0, 1, 17000, 24836, -1}) {
        const auto i = list.FindMarkOfDay(d);
        // The answer must be the first covering mark in list order.
        std::optional<std::size_t> expected;
        for (std::size_t k = 0; k < list.Marks().size() && !expected; ++k)
            if (list.Marks()[k].start <= d && d <= list.Marks()[k].end) expected = k;
        if (i != expected) std::abort();
    }
    if (!list.Marks().empty()) {
        const auto m = list.Marks().front();  // a copy: the list changes below
        list.SaveMarkEntry(m.end, m.start, 0x123456);
        list.DeleteCalendarMarkAt(m.start);
        list.DeleteCalendarMarksUpTo(m.start);
    }
    return 0;
}
