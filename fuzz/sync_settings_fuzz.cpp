// "Kalenderabgleich.txt" lies in a data folder others may write to: any
// bytes read as settings, and what is written back reads as the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "sync/SyncSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const sk::SyncSettings parsed = sk::ParseSyncSettings(std::string(reinterpret_cast<const char*>(data), size));
    // What the program writes reads back to what it meant, once settled.
    const sk::SyncSettings once = sk::ParseSyncSettings(sk::FormatSyncSettings(parsed));
    if (!(sk::ParseSyncSettings(sk::FormatSyncSettings(once)) == once)) std::abort();
    return 0;
}
