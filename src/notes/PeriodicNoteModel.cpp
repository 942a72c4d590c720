#include "notes/PeriodicNoteModel.h"

#include <algorithm>

#include "notes/DayNoteModel.h"
#include "notes/NoteNames.h"

namespace sk {

std::string EntryLabelText(int k, int n) {
    return "Eintrag " + std::to_string(k) + " von insgesamt " + std::to_string(n);
}

PeriodicNoteModel::PeriodicNoteModel(const NoteStore& store, const DayContext& day, std::int32_t noteDateCode)
    : day_(day), title_("Periodische Notizen am " + DateTextOfNoteDateCode(noteDateCode)) {
    n_ = store.CountPeriodicNotesOfDay(day);
    const std::string first = store.PeriodicNoteFileOfDay(day, 1);
    const auto parsed = ParseNoteFileName(first);
    if (parsed && parsed->kind == NoteKind::Periodic) {
        edit_.LoadFile(store, first);
        period_ = loadedPeriod_ = parsed->period;
    } else {
        edit_.LoadNew(store, PeriodicNoteFileName(PeriodicAnchor(day.dayNumber, period_), period_));
    }
}

void PeriodicNoteModel::SetPeriod(int period) { period_ = std::clamp(period, kFirstPeriod, kLastPeriod); }

bool PeriodicNoteModel::Step(const NoteStore& store, int delta) {
    const int wanted = k_ + delta;
    if (wanted < 1) return false;
    const std::string file = store.PeriodicNoteFileOfDay(day_, wanted);
    const auto parsed = ParseNoteFileName(file);
    if (!parsed || parsed->kind != NoteKind::Periodic) return false;
    k_ = wanted;
    edit_.LoadFile(store, file);
    period_ = loadedPeriod_ = parsed->period;
    return true;
}

bool PeriodicNoteModel::WouldSave() const { return edit_.TextChangedOrEmpty() || period_ != loadedPeriod_; }

bool PeriodicNoteModel::HasChanges() const { return edit_.NeedsSaveQuestion() || period_ != loadedPeriod_; }

std::string PeriodicNoteModel::TargetQuestion(const NoteStore& store) const {
    if (period_ == loadedPeriod_ || !store.HasPeriodicNote(PeriodicAnchor(day_.dayNumber, period_), period_)) return {};
    return edit_.Working().empty() ? periodic_texts::kDeleteQuestion : periodic_texts::kOverwriteQuestion;
}

bool PeriodicNoteModel::Save(NoteStore& store) const {
    return store.WritePeriodicNote(day_.dayNumber, period_, edit_.NoteToStore());
}

}  // namespace sk
