#pragma once
// The windows "Schichtmarkierung eingeben" and "Schichtspalte eingeben", and
// the shift-mark entry for the selected day that they serve.

#include "marks/MarkFiles.h"
#include "ui/WindowContext.h"

namespace sk {

// The entry for the selected day and a crew (sub-)column 1-4: the keys 1-4
// and the double click. Nothing happens (false) where the column cannot be
// marked that day. True when the calendar must be repainted.
bool OpenShiftMarkEntry(WindowContext& context, int crew);

// The note menu's way in: the column window first (column 1 preselected),
// then the entry for the chosen column.
bool OpenShiftColumnChoice(WindowContext& context);

// The mark window: the chosen code 0-8, or -1 when cancelled.
int ShiftMarkWindow(WindowContext& context, int currentCode, int crew, DayNumber day);
// Tells the user when saving a changed mark list failed.
void ReportMarkSave(Gtk::Window& parent, bool saved, MarkSaveProblem problem, const std::string& folder);
// The column window: the chosen crew column 1-4, or 0 when cancelled.
int ChooseShiftColumn(WindowContext& context, int preselected, DayNumber day);

}  // namespace sk
