#pragma once
// One round of reminders: under the sent store's lock, what is due and not
// yet sent goes out through `send`, and what went out is remembered before
// the lock is let go. The program's timer and the background helper both
// run it.

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "remind/ReminderRules.h"

namespace sk {

// True when the desktop took the notification.
using ReminderSender = std::function<bool(const DueReminder&)>;

// How long the background helper waits for another round holding the
// store; the program, which must not stall its window, waits briefly and
// tries again at its next round.
inline constexpr std::chrono::milliseconds kReminderLockTimeout{10000};
inline constexpr std::chrono::milliseconds kReminderLockTimeoutInWindow{200};

struct ReminderRound {
    std::vector<DueReminder> sent;
    int failed = 0;             // not taken by the desktop: tried again next round
    bool busy = false;          // the store's lock was not had: nothing was sent
    bool notRemembered = false; // sent, but the store could not be written
};

ReminderRound SendDueReminders(const std::string& settingsFolder, const ReminderInput& input, DateValue now,
                               const ReminderSender& send,
                               std::chrono::milliseconds lockTimeout = kReminderLockTimeout);

// What a round would send now (the store read, nothing sent or written).
std::vector<DueReminder> PendingReminders(const std::string& settingsFolder, const ReminderInput& input,
                                          DateValue now);

}  // namespace sk
