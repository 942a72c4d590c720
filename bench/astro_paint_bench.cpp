// Per-day paint values (phase letter, eclipse shading, distance letter) for
// 24 consecutive months, as one repaint of the calendar asks for them.
#include <benchmark/benchmark.h>

#include "astro/AstroDayMarks.h"

namespace {

void PaintValues24Months(benchmark::State& state) {
    const int year = static_cast<int>(state.range(0));
    const sk::DayNumber first = sk::DayNumberOf(year, 1, 1);
    const int count = sk::DayNumberOf(year + 2, 1, 1) - first;
    const sk::Observer obs;
    for (auto _ : state) {
        auto marks = sk::ComputeAstroDayMarksRange(first, count, obs);
        benchmark::DoNotOptimize(marks.data());
    }
}
BENCHMARK(PaintValues24Months)->Arg(1985)->Arg(2020)->Unit(benchmark::kMicrosecond);

// The plain per-day search, for comparison.
void PaintValues24MonthsPerDaySearch(benchmark::State& state) {
    const int year = static_cast<int>(state.range(0));
    const sk::DayNumber first = sk::DayNumberOf(year, 1, 1);
    const int count = sk::DayNumberOf(year + 2, 1, 1) - first;
    const sk::Observer obs;
    for (auto _ : state) {
        for (int i = 0; i < count; ++i) {
            auto m = sk::ComputeAstroDayMarks(sk::MakeDayContext(first + i), obs);
            benchmark::DoNotOptimize(m);
        }
    }
}
BENCHMARK(PaintValues24MonthsPerDaySearch)->Arg(1985)->Arg(2020)->Unit(benchmark::kMicrosecond);

}  // namespace
