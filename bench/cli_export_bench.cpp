// CSV export of the whole calendar range (24,837 days, no astronomy) per type.

#include <benchmark/benchmark.h>

#include "BenchFolders.h"
#include "cli/PlanExport.h"
#include "cli/PlanOptions.h"

namespace {

void BM_ExportWholeRangeCsv(benchmark::State& state) {
    sk::PlanOptions options;
    options.from = sk::kFirstDay;
    options.to = sk::kLastDay;
    options.calendarType = static_cast<int>(state.range(0));
    options.format = sk::PlanFormat::Csv;
    options.withAstronomy = false;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string out = sk::ExportPlanCsv(options);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetItemsProcessed(state.iterations() * (sk::kLastDay - sk::kFirstDay + 1));
}
BENCHMARK(BM_ExportWholeRangeCsv)->DenseRange(0, 7)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same with the astronomy column, as the command line writes it.
void BM_ExportWholeRangeCsvWithAstronomy(benchmark::State& state) {
    sk::PlanOptions options;
    options.from = sk::kFirstDay;
    options.to = sk::kLastDay;
    options.format = sk::PlanFormat::Csv;
    for (auto _ : state) {
        const std::string out = sk::ExportPlanCsv(options);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_ExportWholeRangeCsvWithAstronomy)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()  // the column is made on all cores
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The astronomy column against its floor, the same CSV without it.
void BM_CsvAstronomyAgainstPlainCsv(benchmark::State& state) {
    sk::PlanOptions options;
    options.from = sk::kFirstDay;
    options.to = sk::kLastDay;
    options.format = sk::PlanFormat::Csv;
    sk::PlanOptions plain = options;
    plain.withAstronomy = false;
    skbench::AgainstFloor(
        state, [&] { benchmark::DoNotOptimize(sk::ExportPlanCsv(plain).size()); },
        [&] { benchmark::DoNotOptimize(sk::ExportPlanCsv(options).size()); });
}
BENCHMARK(BM_CsvAstronomyAgainstPlainCsv)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
