// Any bytes as "Erinnerungen.txt" and as the store of sent reminders: the
// readers must not crash; settings read without an error survive a write
// and a second read unchanged, a refusal names its line; the store keeps
// only keys that start with a date and reads its own writing back alike.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "remind/ReminderSettings.h"
#include "remind/SentReminders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const sk::ReminderSettingsRead read = sk::ParseReminderSettings(bytes);
    if (read.error.empty()) {
        if (!(sk::ParseReminderSettings(sk::FormatReminderSettings(read.settings)).settings == read.settings))
            std::abort();
    } else if (read.error.find("Zeile ") == std::string::npos) {
        std::abort();
    }
    sk::SentReminders sent = sk::SentReminders::Parse(bytes);
    const std::string written = sent.Format();
    if (sk::SentReminders::Parse(written).Format() != written) std::abort();
    sent.DropBefore(sk::kFirstDay);
    return 0;
}
