// The command line as a user runs it: schichtplan started as a process over
// the whole calendar range, time and peak memory taken from the system's
// accounting of the finished process, each case against its floor in the
// same run:
// - --data with 20,000 and with 100,000 notes against the same CSV without notes,
// - --format ics against the CSV export (peak memory).
// The CSV always has the astronomy column; cli_export_bench compares it with
// the plan alone in-process.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "BenchFolders.h"

extern char** environ;

namespace {

struct RunFigures {
    double seconds = 0;
    double peakMegabytes = 0;
};

RunFigures RunSchichtplan(const std::vector<std::string>& args) {
    std::vector<std::string> all{SK_SCHICHTPLAN, "--from", "1970-01-01", "--to", "2037-12-31"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    RunFigures figures;
    if (posix_spawn(&pid, SK_SCHICHTPLAN, &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        ::wait4(pid, &status, 0, &usage);
        figures.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        figures.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
    }
    posix_spawn_file_actions_destroy(&actions);
    return figures;
}

// Runs floor and case alternately; reports the medians' ratios.
void AgainstFloorRun(benchmark::State& state, const std::vector<std::string>& floor,
                     const std::vector<std::string>& work) {
    std::vector<RunFigures> floors, works;
    for (auto _ : state) {
        floors.push_back(RunSchichtplan(floor));
        works.push_back(RunSchichtplan(work));
    }
    const auto median = [](std::vector<RunFigures> v, double RunFigures::*field) {
        std::sort(v.begin(), v.end(), [&](const auto& a, const auto& b) { return a.*field < b.*field; });
        return v.empty() ? 0.0 : v[v.size() / 2].*field;
    };
    const double floorSeconds = median(floors, &RunFigures::seconds);
    const double workSeconds = median(works, &RunFigures::seconds);
    const double floorMemory = median(floors, &RunFigures::peakMegabytes);
    const double workMemory = median(works, &RunFigures::peakMegabytes);
    state.counters["floor_s"] = floorSeconds;
    state.counters["work_s"] = workSeconds;
    state.counters["time_ratio"] = floorSeconds > 0 ? workSeconds / floorSeconds : 0;
    state.counters["floor_MB"] = floorMemory;
    state.counters["work_MB"] = workMemory;
    state.counters["memory_ratio"] = floorMemory > 0 ? workMemory / floorMemory : 0;
}

void BM_CsvWithNotes20000(benchmark::State& state) {
    const skbench::DataFolder folder(skbench::Notes::k20000);
    AgainstFloorRun(state, {}, {"--data", folder.Path()});
}
BENCHMARK(BM_CsvWithNotes20000)->Iterations(5)->Unit(benchmark::kSecond)->UseRealTime();

void BM_CsvWithNotes100000(benchmark::State& state) {
    const skbench::DataFolder folder(skbench::Notes::k100000);
    AgainstFloorRun(state, {}, {"--data", folder.Path()});
}
BENCHMARK(BM_CsvWithNotes100000)->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime();

void BM_IcsAgainstCsv(benchmark::State& state) {
    AgainstFloorRun(state, {}, {"--format", "ics", "--crew", "1"});
}
BENCHMARK(BM_IcsAgainstCsv)->Iterations(5)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
