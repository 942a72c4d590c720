// A lifetime of notes (100,000 files, 2,000 + 2,000 marks) against the same
// work with an empty data folder, in the same run:
// - start: what start-up does with the user's data before the first picture:
//   the four note indexes and both mark lists loaded, the note and mark
//   lookups of the seven month columns painted, the status line's notes of
//   today and the notes window's text of today (the program loads on a
//   second thread while the toolkit starts, so part of this is hidden);
// - paging: what one F2 press asks of the notes: the lookups of the seven
//   columns of the next page and the status line's notes of the cursor day.

#include <benchmark/benchmark.h>

#include <string>

#include "BenchFolders.h"
#include "marks/CalendarMarks.h"
#include "marks/ShiftMarks.h"
#include "notes/NoteStore.h"
#include "notes/NotesOfDay.h"

namespace {

constexpr int kColumns = 7;  // the window's default month columns

struct UserData {
    sk::NoteStore notes;
    sk::CalendarMarkList calendarMarks;
    sk::ShiftMarkList shiftMarks;
    explicit UserData(const std::string& folder) : notes(folder) {
        notes.ScanAll();
        calendarMarks.Load(folder);
        shiftMarks.Load(folder);
    }
};

// The per-day questions painting asks, over the columns from a month's first day.
long LookUpColumns(const UserData& data, int year, int month) {
    long sum = 0;
    for (int column = 0; column < kColumns; ++column) {
        const int m = month + column;
        const sk::DayNumber first = sk::DayNumberOf(year + m / 12, m % 12 + 1, 1);
        sk::DayContext ctx = sk::MakeDayContext(first);
        for (int day = 0; day < ctx.CurrentMonthLength(); ++day) {
            sk::SetDayContext(ctx, first + day);
            sum += data.notes.HasDayNote(ctx) + data.notes.CountPeriodicNotesOfDay(ctx) +
                   data.notes.HasYearlyNote(ctx) + data.notes.WeekdayNoteStateOfDay(ctx) +
                   static_cast<long>(data.calendarMarks.MarkColourOfDay(ctx.dayNumber)) +
                   (data.shiftMarks.ShiftMarkOfDay(ctx.dayNumber) != nullptr);
        }
    }
    return sum;
}

const sk::DayContext kToday = sk::MakeDayContext(sk::DayNumberOf(2026, 12, 7));

void Start(const std::string& folder) {
    const UserData data(folder);
    benchmark::DoNotOptimize(LookUpColumns(data, kToday.year, kToday.month));
    benchmark::DoNotOptimize(sk::StatusLineNotesOfDay(data.notes, kToday).size());
    benchmark::DoNotOptimize(sk::NotesOfDay(data.notes, kToday, sk::NotesForm::Overview).size());
}

const skbench::DataFolder& Lifetime() {
    static const skbench::DataFolder folder(skbench::Notes::k100000);
    return folder;
}

void BM_StartWith100000Notes(benchmark::State& state) {
    const skbench::DataFolder empty(skbench::Notes::kNone);
    const skbench::DataFolder& full = Lifetime();
    skbench::AgainstFloor(state, [&] { Start(empty.Path()); }, [&] { Start(full.Path()); });
}
BENCHMARK(BM_StartWith100000Notes)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PagingWith100000Notes(benchmark::State& state) {
    const skbench::DataFolder emptyFolder(skbench::Notes::kNone);
    const UserData empty(emptyFolder.Path());
    const UserData full(Lifetime().Path());
    int page = 0;
    const auto press = [&](const UserData& data) {
        // F2 pages by one month; the cursor stays on the 7th of its column.
        const int m = kToday.month + page;
        benchmark::DoNotOptimize(LookUpColumns(data, kToday.year + m / 12, m % 12));
        const sk::DayContext cursor = sk::MakeDayContext(sk::DayNumberOf(kToday.year + m / 12, m % 12 + 1, 7));
        benchmark::DoNotOptimize(sk::StatusLineNotesOfDay(data.notes, cursor).size());
    };
    skbench::AgainstFloor(state, [&] { press(empty); }, [&] {
        press(full);
        page = (page + 1) % 120;
    });
}
BENCHMARK(BM_PagingWith100000Notes)->Unit(benchmark::kMillisecond);

}  // namespace
