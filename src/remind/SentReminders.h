#pragma once
// Which reminders went out already, in "Erinnerungen-gesendet.txt" beside
// the reminder settings: one key a line. The program and the background
// helper both take the folder's lock around read, send and write, so a
// reminder goes out once however many of them run.

#include <chrono>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "base/FileIO.h"
#include "calendar/Date.h"

namespace sk {

inline constexpr const char* kSentRemindersFileName = "Erinnerungen-gesendet.txt";
inline constexpr const char* kSentRemindersLockName = "Erinnerungen-gesendet.lock";

// Keys begin with the day of the event as JJJJ-MM-TT; kept this many days
// after it, long past any time a reminder of it could still be due.
inline constexpr int kSentKeepDays = 7;

class SentReminders {
public:
    bool Contains(const std::string& key) const { return keys_.count(key) != 0; }
    void Add(const std::string& key) { keys_.insert(key); }
    // Forgets the keys of events before `firstKeptDay` and lines that are no key.
    void DropBefore(DayNumber firstKeptDay);
    std::size_t Size() const { return keys_.size(); }

    static SentReminders Parse(std::string_view text);
    std::string Format() const;

private:
    std::set<std::string> keys_;
};

// A missing or unreadable file is an empty store.
SentReminders LoadSentReminders(const std::string& folder);
bool SaveSentReminders(const std::string& folder, const SentReminders& sent);

// The lock every reader-sender-writer of the store holds; nothing when it
// could not be had within `timeout`.
std::optional<FolderLock> LockSentReminders(const std::string& folder, std::chrono::milliseconds timeout);

}  // namespace sk
