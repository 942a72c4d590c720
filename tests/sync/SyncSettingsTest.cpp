#include <gtest/gtest.h>

#include "sync/AutoSync.h"
#include "sync/SyncSettings.h"

namespace sk {
namespace {

TEST(SyncSettings, RoundTripsAndPassesOverWhatItCannotRead) {
    const SyncSettings s{"https://dav.example.org/anna/schicht/", "anna", 3, true, false, 60};
    EXPECT_EQ(ParseSyncSettings(FormatSyncSettings(s)), s);
    // Damaged values keep their defaults; the rest of the file still counts.
    const SyncSettings damaged = ParseSyncSettings(
        "Server = https://x/\r\nSchicht = 9\nAutomatisch = ja\nErinnerung = -5\nPasswort = geheim\nBenutzer=bob\nMüll");
    EXPECT_EQ(damaged.serverUrl, "https://x/");
    EXPECT_EQ(damaged.user, "bob");
    EXPECT_EQ(damaged.crew, -1);
    EXPECT_FALSE(damaged.automatic);
    EXPECT_EQ(damaged.alarmMinutes, 0);
    // Control characters: not taken when read; a pasted line break never starts a key of its own.
    EXPECT_EQ(ParseSyncSettings("Benutzer = an\rna\n").user, "");
    SyncSettings pasted;
    pasted.user = "anna\nServer = https://evil.example/";
    EXPECT_EQ(ParseSyncSettings(FormatSyncSettings(pasted)), ParseSyncSettings("Benutzer = anna\n"));
}

TEST(SyncSchedule, SettlesAfterChangesRunsDailyAndBacksOffAfterFailures) {
    const auto t0 = SyncClock::time_point{} + std::chrono::hours(1000);
    SyncSchedule s(t0);
    EXPECT_TRUE(s.Due(t0));  // at start-up
    s.InputsChanged(t0);
    EXPECT_FALSE(s.Due(t0 + std::chrono::seconds(4)));
    EXPECT_TRUE(s.Due(t0 + kSyncSettleDelay));
    s.Finished(true, t0);
    EXPECT_EQ(s.NextRun(), t0 + kSyncInterval);
    const std::chrono::minutes pauses[] = {std::chrono::minutes(1), std::chrono::minutes(2), std::chrono::minutes(4),
                                           std::chrono::minutes(8), std::chrono::minutes(16), std::chrono::minutes(32),
                                           std::chrono::minutes(60), std::chrono::minutes(60)};
    for (int k = 0; k < 8; ++k) {
        s.Finished(false, t0);
        EXPECT_EQ(s.NextRun(), t0 + pauses[k]) << k;
        EXPECT_EQ(s.FirstFailure(), k == 0);
    }
    s.Finished(true, t0);
    EXPECT_EQ(s.Failures(), 0);
}

}  // namespace
}  // namespace sk
