// Any bytes as "Einstellungen.dat": the reader must not crash, every text it
// yields must be valid UTF-8 on one line, and what it read must survive a
// write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const sk::Settings s = sk::ParseSettingsFile(bytes, sk::Settings{});
    for (const std::string* text : {&s.fontName, &s.userDirectory, &s.userName, &s.placeName}) {
        if (sk::RepairUtf8(*text) != *text) std::abort();
    }
    const std::string written = sk::FormatSettingsFile(s);
    const sk::Settings again = sk::ParseSettingsFile(written, sk::Settings{});
    if (sk::FormatSettingsFile(again) != written) std::abort();
    return 0;
}
