// iCalendar export of one crew: a year (what a phone import usually takes)
// and the whole calendar range, for a five-crew and a four-crew type.

#include <benchmark/benchmark.h>

#include "cli/IcsExport.h"
#include "cli/PlanOptions.h"

namespace {

void BM_ExportIcs(benchmark::State& state) {
    sk::PlanOptions options;
    options.calendarType = static_cast<int>(state.range(0));
    options.crew = 0;
    options.format = sk::PlanFormat::Ics;
    const bool wholeRange = state.range(1) != 0;
    options.from = wholeRange ? sk::kFirstDay : sk::DayNumberOf(2027, 1, 1);
    options.to = wholeRange ? sk::kLastDay : sk::DayNumberOf(2027, 12, 31);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string out = sk::ExportPlanIcs(options, nullptr, 0, 1796630400);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetItemsProcessed(state.iterations() * (options.to - options.from + 1));
}
BENCHMARK(BM_ExportIcs)
    ->ArgsProduct({{0, 6}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
