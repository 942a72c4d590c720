#pragma once
// Brings a CalDAV calendar to the plan's events: one REPORT learns what the
// server holds, then only the differences are sent. Only events whose UID
// this program made are ever changed or deleted; deletions stay inside the
// synced range, so the events of earlier months remain as history. The data
// files stay the truth: the server only ever receives.

#include <string>
#include <vector>

#include "calendar/Date.h"
#include "sync/CalDavConnection.h"

namespace sk {

// One calendar object as the server keeps it: a whole iCalendar text with
// one event (and its time zone), under the event's UID.
struct SyncEvent {
    std::string uid;
    std::string ics;
};

struct SyncCounts {
    int created = 0;
    int changed = 0;
    int deleted = 0;
    int unchanged = 0;
    int overwritten = 0;  // changed on the server (e.g. on the phone) and replaced by the plan's event
};

struct SyncResult {
    bool ok = false;
    SyncCounts counts;
    // German: why the sync stopped (empty when ok); never holds the password.
    std::string error;
    // Events the server refused one by one (e.g. a UID it holds elsewhere);
    // the sync goes on past them.
    std::vector<std::string> problems;
    int requests = 0;
};

// The events of a calendar file, each as a calendar object of its own with
// the file's time zone; empty when the text holds none.
std::vector<SyncEvent> SplitIntoCalendarObjects(const std::string& ics);

// Whether this program made the event with that UID.
bool IsOwnEventUid(const std::string& uid);

// How many requests a sync has under way at once.
inline constexpr int kSyncConnections = 4;

// Sends the differences between `events` (all the plan's events of the days
// first..last) and the collection. Stops at the first failure of the
// connection, the login or the server; what was done until then is counted.
SyncResult SyncCalendar(CalDavConnection& connection, const std::vector<SyncEvent>& events, DayNumber first,
                        DayNumber last);

// "Kalenderabgleich: 3 neu, 1 geändert, 0 gelöscht, 250 unverändert", with
// "…, 1 überschrieben" when it happened; a failure as
// "Kalenderabgleich fehlgeschlagen: <Ursache>".
std::string SyncResultText(const SyncResult& result);

}  // namespace sk
