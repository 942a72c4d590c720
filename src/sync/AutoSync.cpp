#include "sync/AutoSync.h"

#include <algorithm>

namespace sk {

BackgroundSync::~BackgroundSync() {
    cancel_ = true;
    Join();
}

void BackgroundSync::Join() {
    if (thread_.joinable()) thread_.join();
}

bool BackgroundSync::Start(SyncJob job, CalDavTimeouts timeouts) {
    if (running_.load()) return false;
    Join();  // the last one has finished; collect its thread
    running_ = true;
    thread_ = std::thread([this, job = std::move(job), timeouts]() mutable {
        CalDavConnection connection(std::move(job.account), timeouts);
        connection.SetCancelFlag(&cancel_);
        SyncResult result = SyncCalendar(connection, job.events, job.from, job.to);
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            result_ = std::move(result);
        }
        running_ = false;
    });
    return true;
}

std::optional<SyncResult> BackgroundSync::TakeResult() {
    const std::lock_guard<std::mutex> lock(mutex_);
    std::optional<SyncResult> taken = std::move(result_);
    result_.reset();
    return taken;
}

void SyncSchedule::Finished(bool ok, SyncClock::time_point now) {
    if (ok) {
        failures_ = 0;
        due_ = now + kSyncInterval;
        return;
    }
    ++failures_;
    auto pause = std::chrono::duration_cast<std::chrono::minutes>(kFirstRetryPause * (1 << std::min(failures_ - 1, 6)));
    due_ = now + std::min(pause, std::chrono::duration_cast<std::chrono::minutes>(kLongestRetryPause));
}

}  // namespace sk
