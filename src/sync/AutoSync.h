#pragma once
// The program's calendar sync in the background: one sync at a time on a
// thread of its own, so no window ever waits on the network, and the rule
// for when the automatic sync runs next.

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <thread>

#include "sync/CalendarSync.h"

namespace sk {

struct SyncJob {
    CalDavAccount account;
    std::vector<SyncEvent> events;
    DayNumber from = 0;
    DayNumber to = 0;
};

class BackgroundSync {
public:
    BackgroundSync() = default;
    // Cancels a sync in flight and waits for its thread (a request ends
    // within a fraction of a second once cancelled).
    ~BackgroundSync();
    BackgroundSync(const BackgroundSync&) = delete;
    BackgroundSync& operator=(const BackgroundSync&) = delete;

    // False while another sync runs.
    bool Start(SyncJob job, CalDavTimeouts timeouts = {});
    bool Running() const { return running_.load(); }
    // The result of the sync that finished last, once.
    std::optional<SyncResult> TakeResult();

private:
    void Join();

    std::thread thread_;
    std::atomic<bool> running_{false};
    std::atomic<bool> cancel_{false};
    std::mutex mutex_;
    std::optional<SyncResult> result_;
};

using SyncClock = std::chrono::steady_clock;

// After a change the sync waits until the changes have settled; it runs at
// start-up and once a day; a failure is retried after a pause that doubles
// each time, up to an hour.
inline constexpr std::chrono::seconds kSyncSettleDelay{5};
inline constexpr std::chrono::hours kSyncInterval{24};
inline constexpr std::chrono::minutes kFirstRetryPause{1};
inline constexpr std::chrono::minutes kLongestRetryPause{60};

class SyncSchedule {
public:
    explicit SyncSchedule(SyncClock::time_point now) : due_(now) {}
    void InputsChanged(SyncClock::time_point now) { due_ = now + kSyncSettleDelay; }
    bool Due(SyncClock::time_point now) const { return now >= due_; }
    // A run ended: the next is a day later, or a growing pause after a failure.
    void Finished(bool ok, SyncClock::time_point now);
    // Whether this failure is the first of a row: only that one is told.
    bool FirstFailure() const { return failures_ == 1; }
    int Failures() const { return failures_; }
    SyncClock::time_point NextRun() const { return due_; }

private:
    SyncClock::time_point due_;
    int failures_ = 0;
};

}  // namespace sk
