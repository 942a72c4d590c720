// The calendar sync against real servers on this machine: the first sync of
// a year (every event new) and a sync with nothing changed, in wall time,
// with the requests each made. Each round gets a fresh, empty server.
#include <benchmark/benchmark.h>

#include <chrono>

#include "DavServers.h"
#include "ical/PlanIcs.h"
#include "sync/CalendarSync.h"

namespace sk {
namespace {

using test::DavServer;
using test::DavServerKind;

std::vector<SyncEvent> YearOfEvents(DayNumber& first, DayNumber& last) {
    PlanIcsRequest r;
    r.from = first = DayNumberOf(2027, 1, 1);
    r.to = last = DayNumberOf(2027, 12, 31);
    r.calendarType = 0;
    r.crew = 1;
    return SplitIntoCalendarObjects(PlanIcs(r, 1'800'000'000));
}

void SyncAYear(benchmark::State& state, DavServerKind kind, bool unchanged) {
    DayNumber first = 0, last = 0;
    const auto events = YearOfEvents(first, last);
    int requests = 0;
    for (auto _ : state) {
        state.PauseTiming();
        DavServer server(kind);
        if (!server.Running()) {
            state.SkipWithError("the server did not start");
            return;
        }
        const CalDavAccount account{server.CollectionUrl(), DavServer::kUser, DavServer::kPassword, false};
        if (unchanged) {
            CalDavConnection filling(account);
            SyncCalendar(filling, events, first, last);
        }
        CalDavConnection connection(account);
        const auto start = std::chrono::steady_clock::now();
        state.ResumeTiming();
        const SyncResult r = SyncCalendar(connection, events, first, last);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!r.ok) state.SkipWithError(r.error.c_str());
        requests = r.requests;
    }
    state.counters["events"] = static_cast<double>(events.size());
    state.counters["requests"] = requests;
}

BENCHMARK_CAPTURE(SyncAYear, RadicaleFirst, DavServerKind::Radicale, false)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SyncAYear, RadicaleUnchanged, DavServerKind::Radicale, true)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SyncAYear, XandikosFirst, DavServerKind::Xandikos, false)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SyncAYear, XandikosUnchanged, DavServerKind::Xandikos, true)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sk
