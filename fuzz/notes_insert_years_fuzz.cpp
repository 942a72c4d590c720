// InsertYears on arbitrary text: must end, and leave texts without "<" alone.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "notes/YearMarkers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const int year = 1970 + data[0] % 69;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::string shown = sk::InsertYears(text, year);
    if (text.find('<') == std::string::npos && shown != text) std::abort();
    return 0;
}
