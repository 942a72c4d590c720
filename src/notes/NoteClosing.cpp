#include "notes/NoteClosing.h"

#include <optional>

namespace sk {

NoteClosing CloseNoteWindow(NoteWindowModel& model, NoteStore& store, NoteExit exit, const NoteDialogs& dialogs) {
    const auto quitting = [&] { return dialogs.quitting && dialogs.quitting(); };
    // A termination signal ends the program: no question may hold it.
    if (quitting()) return NoteClosing::Close;
    if (exit == NoteExit::Close && model.HasChanges()) {
        const bool save = dialogs.ask(note_texts::kSaveChangesQuestion);
        if (quitting() || !save) return NoteClosing::Close;
    }
    NoteEditModel& edit = model.Edit();
    edit.TrimForClosing();
    if (!model.WouldSave()) return NoteClosing::Close;
    if (const std::optional<char32_t> c = FirstUnstorableCharacter(edit.Working())) {
        // Storing would change the character: the user decides what to write instead.
        dialogs.report(UnstorableCharacterMessage(*c));
        return quitting() ? NoteClosing::Close : NoteClosing::KeepOpen;
    }
    if (const std::string question = model.TargetQuestion(store); !question.empty()) {
        const bool go = dialogs.ask(question);
        if (quitting() || !go) return NoteClosing::Close;
    }
    if (dialogs.choose && edit.ChangedElsewhere()) {
        // Another instance on the shared folder saved this note meanwhile.
        const NoteConflictChoice choice = dialogs.choose(note_texts::kChangedElsewhereQuestion);
        if (quitting() || choice == NoteConflictChoice::TakeTheirs) return NoteClosing::Close;
        if (choice == NoteConflictChoice::BackToEditing) return NoteClosing::KeepOpen;
    }
    if (model.Save(store) || quitting()) return NoteClosing::Close;
    if (edit.Working().empty()) {
        // Nothing of the user's is lost by leaving.
        dialogs.report(note_closing_texts::kDeleteFailed);
        return NoteClosing::Close;
    }
    const bool leave = dialogs.ask(note_closing_texts::kLeaveUnsavedQuestion);
    return leave || quitting() ? NoteClosing::Close : NoteClosing::KeepOpen;
}

}  // namespace sk
