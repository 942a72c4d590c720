// The account counts run at every repaint (remaining vacation and hours
// balance) and for the yearly hours window: measure them with a realistic
// mark list and the file reads included.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "accounting/RemainingVacation.h"
#include "accounting/YearHours.h"
#include "settings/SettingsFile.h"

namespace {

std::vector<sk::ShiftMark> Marks(int count) {
    std::vector<sk::ShiftMark> marks;
    const sk::DayNumber first = sk::DayNumberOf(2020, 1, 1);
    for (int i = 0; i < count; ++i)
        marks.push_back({first + i * 3, static_cast<std::uint8_t>(1 + i % 4), static_cast<std::uint8_t>(i % 4)});
    return marks;
}

void BM_AccountStatus(benchmark::State& state) {
    const std::string folder = (std::filesystem::temp_directory_path() / "sk-accounts-bench/").string();
    std::filesystem::create_directories(folder);
    sk::SaveVacationDays(folder, {sk::DayNumberOf(2024, 1, 1), 30});
    sk::SaveHours(folder, {sk::DayNumberOf(2021, 1, 1), 12.5f, 0, 1, true});
    const auto marks = Marks(static_cast<int>(state.range(0)));
    const auto tables = sk::MakeDefaultVacationOrderTables();
    sk::AccountFiles files;
    for (auto _ : state) {
        auto status = sk::ComputeAccountStatus(folder, files, marks, 1, 2024, 4, 25, tables);
        benchmark::DoNotOptimize(status);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_AccountStatus)->Arg(2000)->Unit(benchmark::kMicrosecond);

void BM_CountYearHours(benchmark::State& state) {
    const auto tables = sk::MakeDefaultVacationOrderTables();
    for (auto _ : state) benchmark::DoNotOptimize(sk::CountYearHours(2024, 1, 4, 25, tables));
}
BENCHMARK(BM_CountYearHours)->Unit(benchmark::kMicrosecond);

void BM_SettingsRoundTrip(benchmark::State& state) {
    const std::string text = sk::FormatSettingsFile(sk::Settings{});
    for (auto _ : state) benchmark::DoNotOptimize(sk::FormatSettingsFile(sk::ParseSettingsFile(text, sk::Settings{})));
}
BENCHMARK(BM_SettingsRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace
