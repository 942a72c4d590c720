// A CalDAV server's answer is outside input: the multistatus reader and the
// event parsing after it must take any bytes without a fault.
#include <cstddef>
#include <cstdint>
#include <string>

#include "sync/CalendarSync.h"
#include "sync/Multistatus.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string body(reinterpret_cast<const char*>(data), size);
    if (const auto entries = sk::ReadMultistatus(body)) {
        for (const sk::MultistatusEntry& e : *entries) (void)sk::SplitIntoCalendarObjects(e.calendarData);
    }
    return 0;
}
