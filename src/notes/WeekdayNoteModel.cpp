#include "notes/WeekdayNoteModel.h"

#include <algorithm>

#include "notes/PeriodicNoteModel.h"

namespace sk {

WeekdayNoteModel::WeekdayNoteModel(const NoteStore& store, const DayContext& day)
    : day_(day), weekday_(WeekdayIndex(day.dayNumber)), entries_(store.WeekdayEntriesOfDay(day)) {
    if (!entries_.empty()) {
        LoadEntry(store);
        return;
    }
    monthSel_ = day.month;
    const bool lastWeek = day.day > day.CurrentMonthLength() - 7;
    occurrence_ = lastWeek ? kLastOccurrence : OccurrenceOfDay(day.day);
    edit_.LoadNew(store, WeekdayNoteFileName(WeekdayNoteCode(monthSel_, weekday_, occurrence_)));
    loadedMonthSel_ = monthSel_;
    loadedOccurrence_ = occurrence_;
}

void WeekdayNoteModel::LoadEntry(const NoteStore& store) {
    const int code = entries_[static_cast<std::size_t>(k_ - 1)];
    edit_.LoadFile(store, WeekdayNoteFileName(code));
    monthSel_ = (code - kFirstWeekdayNoteCode) / 100;
    occurrence_ = code - kFirstWeekdayNoteCode - monthSel_ * 100 - weekday_ * 10;
    loadedMonthSel_ = monthSel_;
    loadedOccurrence_ = occurrence_;
}

std::string WeekdayNoteModel::EntryLabel() const { return EntryLabelText(k_, Count()); }

std::string WeekdayNoteModel::WeekdayLabel() const { return std::string(kWeekdayNames[weekday_]) + " im"; }

std::vector<std::string> WeekdayNoteModel::MonthItems() const {
    return {kMonthNames[day_.month], weekday_texts::kEveryMonthItem};
}

void WeekdayNoteModel::ChooseMonthItem(int item) { monthSel_ = item == 1 ? kEveryMonth : day_.month; }

void WeekdayNoteModel::ChooseOccurrence(int occurrence) {
    occurrence_ = std::clamp(occurrence, 0, kLastOccurrence);
}

bool WeekdayNoteModel::Step(const NoteStore& store, int delta) {
    const int wanted = k_ + delta;
    if (wanted < 1 || wanted > Count()) return false;
    k_ = wanted;
    LoadEntry(store);
    return true;
}

bool WeekdayNoteModel::HasChanges() const { return edit_.NeedsSaveQuestion() || ChoicesMoved(); }

bool WeekdayNoteModel::WouldSave() const { return edit_.TextChangedOrEmpty() || ChoicesMoved(); }

std::string WeekdayNoteModel::TargetQuestion(const NoteStore& store) const {
    if (!ChoicesMoved() || !store.HasWeekdayNote(WeekdayNoteCode(monthSel_, weekday_, occurrence_))) return {};
    return edit_.Working().empty() ? weekday_texts::kDeleteQuestion : weekday_texts::kOverwriteQuestion;
}

bool WeekdayNoteModel::Save(NoteStore& store) const {
    return store.WriteWeekdayNote(day_.dayNumber, occurrence_, monthSel_, edit_.NoteToStore());
}

}  // namespace sk
