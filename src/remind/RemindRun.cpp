#include "remind/RemindRun.h"

#include "remind/LocalClock.h"
#include "remind/SentReminders.h"

namespace sk {

ReminderRound SendDueReminders(const std::string& settingsFolder, const ReminderInput& input, DateValue now,
                               const ReminderSender& send, std::chrono::milliseconds lockTimeout) {
    ReminderRound round;
    if (!input.settings.enabled) return round;
    const std::optional<FolderLock> lock = LockSentReminders(settingsFolder, lockTimeout);
    if (!lock) {
        round.busy = true;
        return round;
    }
    SentReminders sent = LoadSentReminders(settingsFolder);
    const std::size_t before = sent.Size();
    sent.DropBefore(BerlinMomentOf(now).day - kSentKeepDays);
    bool changed = sent.Size() != before;
    for (DueReminder& r : DueReminders(input, now, sent)) {
        if (!send(r)) {
            ++round.failed;
            continue;
        }
        sent.Add(r.key);
        for (const std::string& key : r.covers) sent.Add(key);
        changed = true;
        round.sent.push_back(std::move(r));
    }
    if (changed && !SaveSentReminders(settingsFolder, sent)) round.notRemembered = true;
    return round;
}

std::vector<DueReminder> PendingReminders(const std::string& settingsFolder, const ReminderInput& input,
                                          DateValue now) {
    return DueReminders(input, now, LoadSentReminders(settingsFolder));
}

}  // namespace sk
