// The note store under a heavy user: 20,000 note files of all four kinds.
// Scan: the four indexes built from the folder (after login).
// Repaint: the per-day note and mark lookups of 24 month columns (744 days),
// with 2,000 calendar marks and 2,000 shift marks.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "BenchFolders.h"
#include "marks/CalendarMarks.h"
#include "marks/ShiftMarks.h"
#include "notes/NoteNames.h"
#include "notes/NoteStore.h"

namespace {

struct Folder {
    std::string path;
    Folder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "sk-bench-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
        std::mt19937 rng(7);
        int files = 0;
        const auto put = [&](const std::string& name) {
            if (std::filesystem::exists(path + "/" + name)) return;
            std::ofstream(path + "/" + name) << "Notiz " << files;
            ++files;
        };
        for (int m = 0; m < 12; ++m)
            for (int d = 1; d <= sk::MonthLength(2000, m); ++d) put(sk::YearlyNoteFileName(m * 100 + d));
        for (int sel = 0; sel <= 12; ++sel)
            for (int w = 0; w < 7; ++w)
                for (int o = 0; o <= 4; ++o) put(sk::WeekdayNoteFileName(sk::WeekdayNoteCode(sel, w, o)));
        while (files < 7000) {
            const int period = 1 + static_cast<int>(rng() % 365);
            put(sk::PeriodicNoteFileName(sk::PeriodicAnchor(static_cast<sk::DayNumber>(rng() % 24000), period), period));
        }
        for (sk::DayNumber d = 10000; files < 20000; d += 1) put(sk::DayNoteFileName(sk::NoteDateCodeOf(d)));
    }
    ~Folder() { std::filesystem::remove_all(path); }
};

const Folder& TheFolder() {
    static const Folder folder;
    return folder;
}

void BM_ScanAll20000Notes(benchmark::State& state) {
    sk::NoteStore store(TheFolder().path);
    for (auto _ : state) {
        store.ScanAll();
        benchmark::DoNotOptimize(store.DayNoteIndex().data());
    }
    state.counters["files"] = static_cast<double>(std::distance(std::filesystem::directory_iterator(TheFolder().path), {}));
    state.counters["periodic"] = static_cast<double>(store.Periodic().Entries().size());
}
BENCHMARK(BM_ScanAll20000Notes)->Unit(benchmark::kMillisecond);

void BM_RepaintLookups744Days(benchmark::State& state) {
    sk::NoteStore store(TheFolder().path);
    store.ScanAll();
    sk::CalendarMarkList calendarMarks;
    calendarMarks.Assign(skbench::BenchCalendarMarks());
    sk::ShiftMarkList shiftMarks;
    shiftMarks.Assign(skbench::BenchShiftMarks());

    const sk::DayNumber first = sk::DayNumberOf(2016, 1, 1);
    for (auto _ : state) {
        long sum = 0;
        for (int column = 0; column < 24; ++column) {
            sk::DayContext ctx = sk::MakeDayContext(first + column * 31);
            for (int row = 0; row < 31; ++row) {
                sk::SetDayContext(ctx, first + column * 31 + row);
                sum += store.HasDayNote(ctx) + store.CountPeriodicNotesOfDay(ctx) + store.HasYearlyNote(ctx) +
                       store.WeekdayNoteStateOfDay(ctx) + static_cast<long>(calendarMarks.MarkColourOfDay(ctx.dayNumber)) +
                       (shiftMarks.ShiftMarkOfDay(ctx.dayNumber) != nullptr);
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_RepaintLookups744Days)->Unit(benchmark::kMicrosecond);

}  // namespace
