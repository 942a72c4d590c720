#include "sync/CalendarSync.h"

#include <libical/ical.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "ical/PlanIcs.h"
#include "sync/Multistatus.h"

namespace sk {

namespace {

struct ComponentDeleter {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentDeleter>;

std::string TextOf(icalcomponent* c) {
    char* text = icalcomponent_as_ical_string_r(c);
    std::string result = text != nullptr ? text : "";
    icalmemory_free_buffer(text);
    return result;
}

std::string TextOf(icalproperty* p) {
    char* text = icalproperty_as_ical_string_r(p);
    std::string result = text != nullptr ? text : "";
    icalmemory_free_buffer(text);
    return result;
}

// The first event of a calendar text (a server may send a lone VEVENT too).
icalcomponent* FirstEvent(icalcomponent* root) {
    if (root == nullptr) return nullptr;
    if (icalcomponent_isa(root) == ICAL_VEVENT_COMPONENT) return root;
    return icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT);
}

// Properties a server or a phone sets by itself; they say nothing about the appointment.
bool IsBookkeeping(icalproperty_kind kind) {
    return kind == ICAL_DTSTAMP_PROPERTY || kind == ICAL_LASTMODIFIED_PROPERTY || kind == ICAL_CREATED_PROPERTY ||
           kind == ICAL_SEQUENCE_PROPERTY;
}

// What an event says, whatever order or line folding a server gives it back in.
void CollectFingerprint(icalcomponent* c, std::vector<std::string>& lines, const std::string& prefix) {
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_ANY_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(c, ICAL_ANY_PROPERTY)) {
        if (IsBookkeeping(icalproperty_isa(p))) continue;
        lines.push_back(prefix + TextOf(p));
    }
    for (icalcomponent* sub = icalcomponent_get_first_component(c, ICAL_ANY_COMPONENT); sub != nullptr;
         sub = icalcomponent_get_next_component(c, ICAL_ANY_COMPONENT)) {
        const char* name = icalcomponent_kind_to_string(icalcomponent_isa(sub));
        CollectFingerprint(sub, lines, prefix + (name != nullptr ? name : "X") + "/");
    }
}

struct ParsedObject {
    std::string uid;
    std::string fingerprint;
};

std::optional<ParsedObject> ParseObject(const std::string& ics) {
    if (ics.empty()) return std::nullopt;
    const ComponentPtr root(icalparser_parse_string(ics.c_str()));
    icalcomponent* event = FirstEvent(root.get());
    if (event == nullptr) return std::nullopt;
    const char* uid = icalcomponent_get_uid(event);
    if (uid == nullptr || *uid == '\0') return std::nullopt;
    std::vector<std::string> lines;
    CollectFingerprint(event, lines, "");
    std::sort(lines.begin(), lines.end());
    ParsedObject parsed{uid, {}};
    for (const std::string& line : lines) parsed.fingerprint += line;
    return parsed;
}

// Our UIDs begin with the event's first day, "20270104-...".
std::optional<DayNumber> DayOfOwnUid(const std::string& uid) {
    if (uid.size() < 8) return std::nullopt;
    int ymd[3] = {0, 0, 0};
    const int widths[3] = {4, 2, 2};
    std::size_t pos = 0;
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < widths[k]; ++i, ++pos) {
            if (uid[pos] < '0' || uid[pos] > '9') return std::nullopt;
            ymd[k] = ymd[k] * 10 + (uid[pos] - '0');
        }
    }
    if (ymd[1] < 1 || ymd[1] > 12 || ymd[2] < 1 || ymd[2] > MonthLength(ymd[0], ymd[1] - 1)) return std::nullopt;
    return DayNumberOf(ymd[0], ymd[1], ymd[2]);
}

std::string UtcStamp(DayNumber d) {
    const CivilDate c = CivilOf(d);
    char text[24];
    std::snprintf(text, sizeof text, "%04d%02d%02dT000000Z", c.year, c.month, c.day);
    return text;
}

// A calendar-query for the events touching the days, with their ETags and
// data: one request tells all the sync needs to know.
std::string QueryBody(DayNumber first, DayNumber last) {
    // A day either side: a night shift reaches into the next day, and the
    // server compares in UTC.
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<C:calendar-query xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\">\n"
           "  <D:prop><D:getetag/><C:calendar-data/></D:prop>\n"
           "  <C:filter><C:comp-filter name=\"VCALENDAR\"><C:comp-filter name=\"VEVENT\">\n"
           "    <C:time-range start=\"" +
           UtcStamp(first - 1) + "\" end=\"" + UtcStamp(last + 2) +
           "\"/>\n"
           "  </C:comp-filter></C:comp-filter></C:filter>\n"
           "</C:calendar-query>\n";
}

// A resource name for a UID: only characters every server keeps as they are.
std::string ResourceNameOf(const std::string& uid) {
    std::string name;
    for (char c : uid) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '.' || c == '_';
        name += plain ? c : '_';
    }
    return name + ".ics";
}

struct ServerEvent {
    std::string url;
    std::string etag;
    std::string fingerprint;
};

// What the connections of one sync share: the server's events as the
// REPORT told them (read-only once the sends begin) and the result.
struct SharedSync {
    explicit SharedSync(SyncResult& r) : result(r) {}
    std::mutex mutex;
    SyncResult& result;
    std::map<std::string, ServerEvent> server;
    std::atomic<bool> failed{false};

    void Count(int SyncCounts::*counter) {
        const std::lock_guard<std::mutex> lock(mutex);
        ++(result.counts.*counter);
    }
    void Problem(std::string text) {
        const std::lock_guard<std::mutex> lock(mutex);
        result.problems.push_back(std::move(text));
    }
    // The first failure is the one told.
    bool Fail(std::string why) {
        const std::lock_guard<std::mutex> lock(mutex);
        if (!failed.exchange(true)) result.error = std::move(why);
        return false;
    }
};

// The requests of a sync over one connection.
class Sync {
public:
    Sync(CalDavConnection& connection, SharedSync& shared) : connection_(connection), shared_(shared) {}

    bool ReadServer(DayNumber first, DayNumber last) {
        const HttpResponse r = connection_.Report(QueryBody(first, last));
        if (!Answered(r)) return false;
        if (r.status == 404) return Fail("Den Kalender gibt es auf dem Server nicht: " + connection_.CollectionUrl());
        if (r.status != 207) return FailStatus(r.status);
        const auto entries = ReadMultistatus(r.body);
        if (!entries) return Fail("Die Antwort des Servers ist kein lesbarer Kalenderinhalt.");
        for (const MultistatusEntry& e : *entries) {
            if (e.status / 100 != 2) continue;
            const std::string url = connection_.ResourceUrl(e.href);
            const auto parsed = ParseObject(e.calendarData);
            if (url.empty() || !parsed || !IsOwnEventUid(parsed->uid)) continue;  // not ours: never touched
            if (!shared_.server.emplace(parsed->uid, ServerEvent{url, e.etag, parsed->fingerprint}).second)
                shared_.Problem("Der Termin " + parsed->uid + " liegt doppelt auf dem Server; nur einer wird abgeglichen.");
        }
        return true;
    }

    // One of the plan's events, with its fingerprint made beforehand.
    bool Send(const SyncEvent& event, const std::string& fingerprint) {
        const auto found = shared_.server.find(event.uid);
        if (found == shared_.server.end()) return Create(event, fingerprint);
        if (found->second.fingerprint == fingerprint) {
            shared_.Count(&SyncCounts::unchanged);
            return true;
        }
        return Replace(event, found->second.url, found->second.etag, &SyncCounts::changed);
    }

    bool Remove(const std::string& url, const std::string& etag) {
        HttpResponse r = connection_.Delete(url, etag);
        if (!Answered(r)) return false;
        if (r.status == 412) {
            // Changed on the server meanwhile: still ours, so still gone from the plan.
            const HttpResponse held = connection_.Get(url);
            if (!Answered(held)) return false;
            const auto parsed = ParseObject(held.body);
            if (held.status == 404) r.status = 404;
            else if (held.status / 100 == 2 && parsed && IsOwnEventUid(parsed->uid)) r = connection_.Delete(url, held.etag);
            if (!Answered(r)) return false;
        }
        if (r.status / 100 == 2 || r.status == 404) {
            shared_.Count(&SyncCounts::deleted);
            return true;
        }
        if (r.status == 412) return true;  // changed twice while we looked: next time
        return FailStatus(r.status);
    }

private:
    bool Create(const SyncEvent& event, const std::string& fingerprint) {
        const std::string url = connection_.ResourceUrl(ResourceNameOf(event.uid));
        const HttpResponse r = connection_.Put(url, event.ics, "");
        if (!Answered(r)) return false;
        if (r.status / 100 == 2) {
            shared_.Count(&SyncCounts::created);
            return true;
        }
        if (r.status == 412) {
            // Something is there already: ours from outside the answered range, or a race.
            const HttpResponse held = connection_.Get(url);
            if (!Answered(held)) return false;
            const auto parsed = ParseObject(held.body);
            if (held.status / 100 != 2 || !parsed || parsed->uid != event.uid) {
                shared_.Problem("Am Platz des Termins " + event.uid +
                                           " liegt auf dem Server ein fremder Termin; er bleibt unberührt.");
                return true;
            }
            if (parsed->fingerprint == fingerprint) {
                shared_.Count(&SyncCounts::unchanged);
                return true;
            }
            return Overwrite(event, url, held.etag);
        }
        return Refused(r, event.uid);
    }

    bool Replace(const SyncEvent& event, const std::string& url, const std::string& etag, int SyncCounts::*counter) {
        if (etag.empty()) return Overwrite(event, url, "");
        const HttpResponse r = connection_.Put(url, event.ics, etag);
        if (!Answered(r)) return false;
        if (r.status / 100 == 2) {
            shared_.Count(counter);
            return true;
        }
        if (r.status == 412) return Overwrite(event, url, "");
        return Refused(r, event.uid);
    }

    // The event was changed on the server since it was read: the plan is the
    // source of its own events, so its version replaces the server's, once.
    bool Overwrite(const SyncEvent& event, const std::string& url, std::string etag) {
        if (etag.empty()) {
            const HttpResponse held = connection_.Get(url);
            if (!Answered(held)) return false;
            if (held.status == 404) return Create(event, "");
            if (held.status / 100 != 2) return FailStatus(held.status);
            etag = held.etag;
        }
        if (etag.empty()) {
            shared_.Problem("Der Server nennt für den Termin " + event.uid + " keine Version (ETag); er bleibt, wie er ist.");
            return true;
        }
        const HttpResponse r = connection_.Put(url, event.ics, etag);
        if (!Answered(r)) return false;
        if (r.status / 100 == 2) {
            shared_.Count(&SyncCounts::overwritten);
            return true;
        }
        if (r.status == 412) {
            shared_.Problem("Der Termin " + event.uid + " wird auf dem Server gerade geändert; er wird beim nächsten Abgleich ersetzt.");
            return true;
        }
        return Refused(r, event.uid);
    }

    // An event the server will not take: a UID it holds under another name
    // is reported and passed over; a refusal of everything ends the sync.
    bool Refused(const HttpResponse& r, const std::string& uid) {
        if (r.status == 409 || (r.status == 403 && r.body.find("no-uid-conflict") != std::string::npos)) {
            shared_.Problem("Der Termin " + uid +
                                       " liegt auf dem Server schon unter einer anderen Adresse (doppelte UID); er wird nicht gesendet.");
            return true;
        }
        return FailStatus(r.status);
    }

    bool Answered(const HttpResponse& r) {
        if (!r.transportError.empty()) return Fail(r.transportError);
        if (r.status == 401) return Fail("Anmeldung abgelehnt: Benutzername oder Passwort ist falsch.");
        return true;
    }

    bool FailStatus(long status) {
        if (status == 403) return Fail("Der Server erlaubt diesem Benutzer nicht, in den Kalender zu schreiben (HTTP 403).");
        if (status >= 500) return Fail("Der Server meldet einen Fehler (HTTP " + std::to_string(status) + ").");
        return Fail("Unerwartete Antwort des Servers (HTTP " + std::to_string(status) + ").");
    }

    bool Fail(std::string why) { return shared_.Fail(std::move(why)); }

    CalDavConnection& connection_;
    SharedSync& shared_;
};

// Runs task(worker, i) for i < count on up to kSyncConnections connections
// at once: a server that takes a request at a time per connection still
// works on several; the first failure stops every connection.
void ForEachInParallel(CalDavConnection& connection, SharedSync& shared, std::size_t count,
                       const std::function<bool(Sync&, std::size_t)>& task) {
    std::vector<std::unique_ptr<CalDavConnection>> more;
    const std::size_t workers = std::min<std::size_t>(kSyncConnections, count);
    for (std::size_t k = 1; k < workers; ++k) more.push_back(connection.Clone());
    std::atomic<std::size_t> next{0};
    auto work = [&](CalDavConnection& c) {
        Sync worker(c, shared);
        for (std::size_t i = next++; i < count && !shared.failed; i = next++)
            if (!task(worker, i)) break;
    };
    std::vector<std::thread> threads;
    for (auto& c : more) threads.emplace_back(work, std::ref(*c));
    work(connection);
    for (std::thread& t : threads) t.join();
    for (auto& c : more) connection.AddRequests(c->RequestCount());
}

}  // namespace

bool IsOwnEventUid(const std::string& uid) {
    const std::string suffix = std::string("@") + kPlanUidDomain;
    return uid.size() > suffix.size() && uid.compare(uid.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::vector<SyncEvent> SplitIntoCalendarObjects(const std::string& ics) {
    std::vector<SyncEvent> objects;
    const ComponentPtr root(icalparser_parse_string(ics.c_str()));
    if (!root || icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT) return objects;
    // The head every object repeats: the calendar's own properties and its time zones.
    ComponentPtr head(icalcomponent_new_clone(root.get()));
    for (icalcomponent* c = icalcomponent_get_first_component(head.get(), ICAL_VEVENT_COMPONENT); c != nullptr;
         c = icalcomponent_get_first_component(head.get(), ICAL_VEVENT_COMPONENT)) {
        icalcomponent_remove_component(head.get(), c);
        icalcomponent_free(c);
    }
    for (icalcomponent* e = icalcomponent_get_first_component(root.get(), ICAL_VEVENT_COMPONENT); e != nullptr;
         e = icalcomponent_get_next_component(root.get(), ICAL_VEVENT_COMPONENT)) {
        const char* uid = icalcomponent_get_uid(e);
        if (uid == nullptr || *uid == '\0') continue;
        ComponentPtr object(icalcomponent_new_clone(head.get()));
        icalcomponent_add_component(object.get(), icalcomponent_new_clone(e));
        objects.push_back({uid, TextOf(object.get())});
    }
    return objects;
}

SyncResult SyncCalendar(CalDavConnection& connection, const std::vector<SyncEvent>& events, DayNumber first,
                        DayNumber last) {
    SyncResult result;
    SharedSync shared(result);
    result.ok = Sync(connection, shared).ReadServer(first, last);
    if (result.ok) {
        // Fingerprints and the events to delete are known before any request.
        std::vector<std::string> fingerprints(events.size());
        std::set<std::string> wanted;
        for (std::size_t i = 0; i < events.size(); ++i) {
            const auto parsed = ParseObject(events[i].ics);
            fingerprints[i] = parsed ? parsed->fingerprint : std::string();
            wanted.insert(events[i].uid);
        }
        std::vector<const ServerEvent*> stale;
        for (const auto& [uid, held] : shared.server) {
            const auto day = DayOfOwnUid(uid);
            if (wanted.count(uid) == 0 && day && *day >= first && *day <= last) stale.push_back(&held);  // history stays
        }
        ForEachInParallel(connection, shared, events.size() + stale.size(), [&](Sync& worker, std::size_t i) {
            if (i < events.size()) return fingerprints[i].empty() || worker.Send(events[i], fingerprints[i]);
            const ServerEvent& held = *stale[i - events.size()];
            return worker.Remove(held.url, held.etag);
        });
        result.ok = !shared.failed;
    }
    result.requests = connection.RequestCount();
    return result;
}

std::string SyncResultText(const SyncResult& result) {
    if (!result.ok) return "Kalenderabgleich fehlgeschlagen: " + result.error;
    const SyncCounts& c = result.counts;
    std::string text = "Kalenderabgleich: " + std::to_string(c.created) + " neu, " + std::to_string(c.changed) +
                       " geändert, " + std::to_string(c.deleted) + " gelöscht, " + std::to_string(c.unchanged) +
                       " unverändert";
    if (c.overwritten > 0) text += ", " + std::to_string(c.overwritten) + " überschrieben";
    return text;
}

}  // namespace sk
