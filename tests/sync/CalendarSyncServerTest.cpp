// The sync against real CalDAV servers (Radicale, Xandikos) started on this
// machine, and against a small stand-in for faults the real ones cannot make.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "DavServers.h"
#include "ical/PlanIcs.h"
#include "marks/ShiftMarkCodes.h"
#include "marks/ShiftMarks.h"
#include "sync/CalendarSync.h"
#include "sync/Multistatus.h"

namespace sk {
namespace {

using test::DavServer;
using test::DavServerKind;

constexpr DayNumber kJan1 = DayNumberOf(2027, 1, 1);
constexpr DayNumber kDec31 = DayNumberOf(2027, 12, 31);

std::vector<SyncEvent> PlanEvents(DayNumber from, DayNumber to, const ShiftMarkList* marks = nullptr) {
    PlanIcsRequest r;
    r.from = from;
    r.to = to;
    r.calendarType = 0;
    r.crew = 1;  // Blau
    r.marks = marks;
    r.marksAreOwn = true;  // crew Blau is the user's
    return SplitIntoCalendarObjects(PlanIcs(r, 1'800'000'000));
}

CalDavConnection Connect(const DavServer& server, const char* password = DavServer::kPassword) {
    return CalDavConnection(CalDavAccount{server.CollectionUrl(), DavServer::kUser, password, false});
}

// The UIDs the collection holds, read back with one REPORT of everything.
std::multiset<std::string> ServerUids(const DavServer& server) {
    CalDavConnection c = Connect(server);
    const HttpResponse r = c.Report(
        "<C:calendar-query xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\"><D:prop><C:calendar-data/>"
        "</D:prop><C:filter><C:comp-filter name=\"VCALENDAR\"/></C:filter></C:calendar-query>");
    std::multiset<std::string> uids;
    const auto entries = ReadMultistatus(r.body);
    if (!entries) return uids;
    for (const MultistatusEntry& e : *entries)
        for (const SyncEvent& o : SplitIntoCalendarObjects(e.calendarData)) uids.insert(o.uid);
    return uids;
}

std::set<std::string> UidsOf(const std::vector<SyncEvent>& events) {
    std::set<std::string> uids;
    for (const SyncEvent& e : events) uids.insert(e.uid);
    return uids;
}

const char* const kForeignEvent =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:zahnarzt-1@example.org\r\n"
    "DTSTAMP:20270101T000000Z\r\nDTSTART:20270310T090000Z\r\nDTEND:20270310T100000Z\r\nSUMMARY:Zahnarzt\r\n"
    "END:VEVENT\r\nEND:VCALENDAR\r\n";

class RealServerSync : public ::testing::TestWithParam<DavServerKind> {
protected:
    void SetUp() override {
        const char* program = GetParam() == DavServerKind::Radicale ? "radicale" : "xandikos";
        ASSERT_TRUE(test::HaveProgram(program)) << program << " is not installed (scripts/setup-debian.sh)";
        server_ = std::make_unique<DavServer>(GetParam());
        ASSERT_TRUE(server_->Running()) << program << " did not start";
    }
    std::unique_ptr<DavServer> server_;
};

TEST_P(RealServerSync, FirstSyncCreatesAYearThenAnUnchangedSyncSendsNothing) {
    const auto events = PlanEvents(kJan1, kDec31);
    ASSERT_GT(events.size(), 200u);
    CalDavConnection first = Connect(*server_);
    const SyncResult created = SyncCalendar(first, events, kJan1, kDec31);
    ASSERT_TRUE(created.ok) << created.error;
    EXPECT_EQ(created.counts.created, static_cast<int>(events.size()));
    EXPECT_TRUE(created.problems.empty());
    const auto held = ServerUids(*server_);
    EXPECT_EQ(std::set<std::string>(held.begin(), held.end()), UidsOf(events));
    EXPECT_EQ(held.size(), events.size());

    CalDavConnection again = Connect(*server_);
    const SyncResult unchanged = SyncCalendar(again, events, kJan1, kDec31);
    ASSERT_TRUE(unchanged.ok) << unchanged.error;
    EXPECT_EQ(unchanged.counts.unchanged, static_cast<int>(events.size()));
    EXPECT_EQ(unchanged.requests, 1);
    EXPECT_EQ(SyncResultText(unchanged),
              "Kalenderabgleich: 0 neu, 0 geändert, 0 gelöscht, " + std::to_string(events.size()) + " unverändert");
}

TEST_P(RealServerSync, AMarkAddedThenRemovedChangesOnlyThatDayAndForeignEventsSurvive) {
    CalDavConnection setup = Connect(*server_);
    ASSERT_EQ(setup.Put(setup.ResourceUrl("zahnarzt.ics"), kForeignEvent, "").status / 100, 2);
    const DayNumber from = DayNumberOf(2027, 3, 1);
    const DayNumber to = DayNumberOf(2027, 3, 31);
    const auto plain = PlanEvents(from, to);
    ASSERT_TRUE(SyncCalendar(setup, plain, from, to).ok);

    // A vacation mark on a working day of the crew.
    const DayNumber day = DayNumberOf(2027, 3, 10);
    ShiftMarkList marks;
    marks.Assign({ShiftMark{day, 1, static_cast<std::uint8_t>(ShiftMarkCodeOfKey(0, 'U'))}});
    const auto marked = PlanEvents(from, to, &marks);
    std::set<std::string> added, removed;
    std::ranges::set_difference(UidsOf(marked), UidsOf(plain), std::inserter(added, added.end()));
    std::ranges::set_difference(UidsOf(plain), UidsOf(marked), std::inserter(removed, removed.end()));
    ASSERT_FALSE(added.empty());
    for (const auto& uid : added) EXPECT_EQ(uid.substr(0, 8), "20270310");
    for (const auto& uid : removed) EXPECT_EQ(uid.substr(0, 8), "20270310");

    CalDavConnection withMark = Connect(*server_);
    const SyncResult r1 = SyncCalendar(withMark, marked, from, to);
    ASSERT_TRUE(r1.ok) << r1.error;
    EXPECT_EQ(r1.counts.created, static_cast<int>(added.size()));
    EXPECT_EQ(r1.counts.deleted, static_cast<int>(removed.size()));
    EXPECT_EQ(r1.counts.changed, 0);

    CalDavConnection withoutMark = Connect(*server_);
    const SyncResult r2 = SyncCalendar(withoutMark, plain, from, to);
    ASSERT_TRUE(r2.ok) << r2.error;
    EXPECT_EQ(r2.counts.created, static_cast<int>(removed.size()));
    EXPECT_EQ(r2.counts.deleted, static_cast<int>(added.size()));

    // Nothing of the plan any more: ours go, the dentist stays.
    CalDavConnection empty = Connect(*server_);
    ASSERT_TRUE(SyncCalendar(empty, {}, from, to).ok);
    EXPECT_EQ(ServerUids(*server_), std::multiset<std::string>{"zahnarzt-1@example.org"});
}

TEST_P(RealServerSync, EventsBeforeTheRangeStayAsHistory) {
    CalDavConnection c = Connect(*server_);
    const DayNumber feb1 = DayNumberOf(2027, 2, 1);
    const DayNumber feb28 = DayNumberOf(2027, 2, 28);
    ASSERT_TRUE(SyncCalendar(c, PlanEvents(kJan1, feb28), kJan1, feb28).ok);
    const auto february = PlanEvents(feb1, feb28);
    CalDavConnection later = Connect(*server_);
    const SyncResult r = SyncCalendar(later, february, feb1, feb28);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.counts.deleted, 0);
    EXPECT_EQ(ServerUids(*server_).size(), PlanEvents(kJan1, feb28).size());
}

INSTANTIATE_TEST_SUITE_P(Servers, RealServerSync, ::testing::Values(DavServerKind::Radicale, DavServerKind::Xandikos),
                         [](const auto& info) { return info.param == DavServerKind::Radicale ? "Radicale" : "Xandikos"; });

TEST(RadicaleLogin, AWrongPasswordStopsTheSyncWithAGermanReasonThatDoesNotShowThePassword) {
    ASSERT_TRUE(test::HaveProgram("radicale"));
    DavServer server(DavServerKind::Radicale);
    ASSERT_TRUE(server.Running());
    CalDavConnection c = Connect(server, "falsch-geraten-77");
    const SyncResult r = SyncCalendar(c, PlanEvents(kJan1, kJan1 + 30), kJan1, kJan1 + 30);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(SyncResultText(r), "Kalenderabgleich fehlgeschlagen: Anmeldung abgelehnt: Benutzername oder Passwort ist falsch.");
    EXPECT_EQ(r.requests, 1);
}

// Faults a real server does not make on demand. After each, a later sync
// brings the calendar to the plan with nothing doubled.
struct FaultCase {
    const char* fault;
    const char* errorPart;  // empty: the sync itself succeeds
};

class FaultSync : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultSync, ALaterSyncRepairsWhatTheFaultLeft) {
    DavServer server(DavServerKind::FaultStandIn, GetParam().fault);
    ASSERT_TRUE(server.Running());
    const DayNumber to = kJan1 + 30;
    const auto events = PlanEvents(kJan1, to);
    CalDavConnection faulty(CalDavAccount{server.CollectionUrl(), DavServer::kUser, DavServer::kPassword, false},
                            CalDavTimeouts{std::chrono::seconds(2), std::chrono::seconds(2)});
    const SyncResult r = SyncCalendar(faulty, events, kJan1, to);
    if (*GetParam().errorPart != '\0') {
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.error.find(GetParam().errorPart), std::string::npos) << r.error;
    } else {
        EXPECT_TRUE(r.ok) << r.error;
    }
    CalDavConnection later = Connect(server);
    const SyncResult repaired = SyncCalendar(later, events, kJan1, to);
    ASSERT_TRUE(repaired.ok) << repaired.error;
    const auto held = ServerUids(server);
    EXPECT_EQ(held.size(), events.size());
    EXPECT_EQ(std::set<std::string>(held.begin(), held.end()), UidsOf(events));
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultSync,
                         ::testing::Values(FaultCase{"fail-put-5", "HTTP 500"},
                                           FaultCase{"stall-put-3", "Zeitüberschreitung"},
                                           FaultCase{"race-412", ""}),
                         [](const auto& info) {
                             std::string name = info.param.fault;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(FaultSyncRace, AnEventChangedOnTheServerMeanwhileIsOverwrittenAndCounted) {
    DavServer server(DavServerKind::FaultStandIn, "race-412");
    ASSERT_TRUE(server.Running());
    const auto events = PlanEvents(kJan1, kJan1 + 6);
    CalDavConnection c = Connect(server);
    ASSERT_TRUE(SyncCalendar(c, events, kJan1, kJan1 + 6).ok);
    // The stand-in now changes one event behind our back before each If-Match PUT.
    auto changed = PlanEvents(kJan1, kJan1 + 6, nullptr);
    for (auto& e : changed) e.ics.replace(e.ics.find("SUMMARY:"), 8, "SUMMARY:Neu ");
    CalDavConnection again = Connect(server);
    const SyncResult r = SyncCalendar(again, changed, kJan1, kJan1 + 6);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_GE(r.counts.overwritten, 1);
    EXPECT_NE(SyncResultText(r).find("überschrieben"), std::string::npos);
}

}  // namespace
}  // namespace sk
