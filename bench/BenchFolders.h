#pragma once
// Data folders of heavy users for the benchmarks, made in a temporary folder
// by the benchmark itself and removed at the end, and the habit of timing a
// case together with its floor in the same run.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "marks/CalendarMarks.h"
#include "marks/ShiftMarks.h"
#include "notes/NoteNames.h"

namespace skbench {

enum class Notes {
    kNone,
    // All yearly and weekday codes, 6,179 periodic notes with random periods
    // of up to a year, the rest day notes from 1997 on.
    k20000,
    // A lifetime: a day note on every day 1970-2038 (25,202), every anchor of
    // the periods 1-384 and the first 57 of period 385 (73,977 periodic
    // notes, so every day carries about 385), all yearly and weekday codes,
    // and 2,000 calendar marks and 2,000 shift marks.
    k100000,
};

// 2,000 calendar marks of up to 20 days spread over 1970-2035, sorted.
inline std::vector<sk::CalendarMark> BenchCalendarMarks() {
    std::mt19937 rng(11);
    std::vector<sk::CalendarMark> calendar;
    for (int i = 0; i < 2000; ++i) {
        const auto start = static_cast<sk::DayNumber>(rng() % 24000);
        calendar.push_back({start, start + static_cast<sk::DayNumber>(rng() % 20), 0x123456});
    }
    std::sort(calendar.begin(), calendar.end(), [](auto& a, auto& b) { return a.start < b.start; });
    return calendar;
}

// 2,000 shift marks, one every third day from 1997 on.
inline std::vector<sk::ShiftMark> BenchShiftMarks() {
    std::vector<sk::ShiftMark> shifts;
    for (int i = 0; i < 2000; ++i) shifts.push_back({static_cast<sk::DayNumber>(10000 + i * 3), 1, 2});
    return shifts;
}

class DataFolder {
public:
    explicit DataFolder(Notes notes) {
        std::string pattern = (std::filesystem::temp_directory_path() / "sk-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::filesystem::filesystem_error("mkdtemp", std::error_code());
        path_ = pattern + "/";
        if (notes == Notes::k20000) Fill20000();
        if (notes == Notes::k100000) Fill100000();
    }
    ~DataFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    DataFolder(const DataFolder&) = delete;
    DataFolder& operator=(const DataFolder&) = delete;

    // Ends in "/", as the program's user data folder does.
    const std::string& Path() const { return path_; }
    int Files() const { return files_; }

private:
    void Put(const std::string& name) {
        const std::string file = path_ + name;
        if (std::filesystem::exists(file)) return;
        if (FILE* f = std::fopen(file.c_str(), "wb")) {
            // Short notes in the files' Latin-1, some of two lines.
            std::fprintf(f, files_ % 5 == 0 ? "Notiz %d\r\nzweite Zeile" : "Notiz %d", files_);
            std::fclose(f);
        }
        ++files_;
    }
    void PutYearlyAndWeekdayNotes() {
        for (int m = 0; m < 12; ++m)
            for (int d = 1; d <= sk::MonthLength(2000, m); ++d) Put(sk::YearlyNoteFileName(m * 100 + d));
        for (int sel = 0; sel <= sk::kEveryMonth; ++sel)
            for (int w = 0; w < 7; ++w)
                for (int o = 0; o <= sk::kLastOccurrence; ++o) Put(sk::WeekdayNoteFileName(sk::WeekdayNoteCode(sel, w, o)));
    }
    void Fill20000() {
        std::mt19937 rng(7);
        PutYearlyAndWeekdayNotes();
        while (files_ < 7000) {
            const int period = 1 + static_cast<int>(rng() % 365);
            Put(sk::PeriodicNoteFileName(sk::PeriodicAnchor(static_cast<sk::DayNumber>(rng() % 24000), period), period));
        }
        for (sk::DayNumber d = 10000; files_ < 20000; ++d) Put(sk::DayNoteFileName(sk::NoteDateCodeOf(d)));
    }
    void Fill100000() {
        PutYearlyAndWeekdayNotes();
        for (sk::DayNumber d = 0; d < sk::DayNumberOf(2039, 1, 1); ++d) Put(sk::DayNoteFileName(sk::NoteDateCodeOf(d)));
        for (int period = 1; files_ < 100000; ++period)
            for (int anchor = period; anchor < 2 * period && files_ < 100000; ++anchor)
                Put(sk::PeriodicNoteFileName(anchor, period));
        sk::CalendarMarkList calendarMarks;
        calendarMarks.Assign(BenchCalendarMarks());
        calendarMarks.Save(path_);
        sk::ShiftMarkList shiftMarks;
        shiftMarks.Assign(BenchShiftMarks());
        shiftMarks.Save(path_);
    }

    std::string path_;
    int files_ = 0;
};

// Times `work` and its `floor` alternately in every iteration, so both see
// the same machine, and reports both and their ratio.
template <class Floor, class Work>
void AgainstFloor(benchmark::State& state, Floor&& floor, Work&& work) {
    using Clock = std::chrono::steady_clock;
    double floorSeconds = 0, workSeconds = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        floor();
        const auto t1 = Clock::now();
        work();
        const auto t2 = Clock::now();
        floorSeconds += std::chrono::duration<double>(t1 - t0).count();
        workSeconds += std::chrono::duration<double>(t2 - t1).count();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["floor_ms"] = floorSeconds / n * 1e3;
    state.counters["work_ms"] = workSeconds / n * 1e3;
    state.counters["ratio"] = floorSeconds > 0 ? workSeconds / floorSeconds : 0;
}

}  // namespace skbench
