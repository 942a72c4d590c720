#include "remind/SentReminders.h"

namespace sk {

namespace {

// A key's event day; nothing for a line that does not start with one.
std::optional<DayNumber> DayOfKey(std::string_view key) {
    if (key.size() < 10 || key[4] != '-' || key[7] != '-') return std::nullopt;
    int parts[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
    for (int p = 0; p < 3; ++p)
        for (std::size_t i = starts[p]; i < starts[p] + lengths[p]; ++i) {
            if (key[i] < '0' || key[i] > '9') return std::nullopt;
            parts[p] = parts[p] * 10 + (key[i] - '0');
        }
    if (parts[1] < 1 || parts[1] > 12 || parts[2] < 1 || parts[2] > MonthLength(parts[0], parts[1] - 1))
        return std::nullopt;
    return DayNumberOf(parts[0], parts[1], parts[2]);
}

// A line the store writes: a key of ours, printable ASCII from its date on.
bool IsKeyLine(std::string_view line) {
    for (char c : line)
        if (c < ' ' || c > '~') return false;
    return DayOfKey(line).has_value();
}

// A store far larger than a week of keys is no store of ours.
constexpr std::size_t kMaxFileBytes = 1 << 20;

}  // namespace

void SentReminders::DropBefore(DayNumber firstKeptDay) {
    for (auto it = keys_.begin(); it != keys_.end();) {
        const auto day = DayOfKey(*it);
        it = !day || *day < firstKeptDay ? keys_.erase(it) : std::next(it);
    }
}

SentReminders SentReminders::Parse(std::string_view text) {
    SentReminders sent;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (IsKeyLine(line)) sent.keys_.emplace(line);
    }
    return sent;
}

std::string SentReminders::Format() const {
    std::string out;
    for (const std::string& key : keys_) out += key + "\n";
    return out;
}

SentReminders LoadSentReminders(const std::string& folder) {
    const auto bytes = ReadRegularFileInItsFolder(JoinPath(folder, kSentRemindersFileName), kMaxFileBytes);
    return bytes ? SentReminders::Parse(*bytes) : SentReminders{};
}

bool SaveSentReminders(const std::string& folder, const SentReminders& sent) {
    return WriteFileAtomically(JoinPath(folder, kSentRemindersFileName), sent.Format());
}

std::optional<FolderLock> LockSentReminders(const std::string& folder, std::chrono::milliseconds timeout) {
    return FolderLock::Acquire(folder, kSentRemindersLockName, timeout);
}

}  // namespace sk
