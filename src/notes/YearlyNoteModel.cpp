#include "notes/YearlyNoteModel.h"

#include <algorithm>

#include "notes/YearMarkers.h"

namespace sk {

YearlyNoteModel::YearlyNoteModel(const NoteStore& store, std::int32_t noteDateCode)
    : SingleNoteModel(store, YearlyNoteFileName(NoteMonthDayCodeOf(noteDateCode))),
      title_("Jährliche Notizen für den " + DateTextOfNoteDateCode(noteDateCode)) {}

void YearlyNoteModel::SetStartYear(int year) { startYear_ = std::clamp(year, kFirstStartYear, kLastStartYear); }

const std::string& YearlyNoteModel::InsertYearMarker() {
    Edit().SetWorking(AppendYearMarkerLine(Edit().Working(), startYear_));
    return Edit().Working();
}

}  // namespace sk
