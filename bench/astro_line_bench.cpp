// The astronomy line of one day (status line), on an ordinary day and on a
// day with a perihelion nearby (the slowest kind).
#include <benchmark/benchmark.h>

#include "astro/AstronomyLine.h"

namespace {

void AstronomyLineOfDay(benchmark::State& state) {
    const int year = static_cast<int>(state.range(0));
    const int month = static_cast<int>(state.range(1));
    const int day = static_cast<int>(state.range(2));
    const sk::DayContext ctx = sk::MakeDayContext(sk::DayNumberOf(year, month, day));
    const sk::Observer obs;
    for (auto _ : state) {
        std::string line = sk::AstronomyLine(ctx, obs);
        benchmark::DoNotOptimize(line.data());
    }
}
BENCHMARK(AstronomyLineOfDay)
    ->Args({1985, 3, 21})
    ->Args({2017, 6, 13})
    ->Args({2017, 1, 4})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
