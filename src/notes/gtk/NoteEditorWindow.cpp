#include "notes/gtk/NoteEditorWindow.h"

#include "notes/gtk/NoteWindow.h"
#include "ui/ProgramStyle.h"
#include "ui/MessageBox.h"
#include "ui/Accessible.h"

namespace sk {

namespace {
constexpr int kSaveResponse = 1;
constexpr int kDeleteNoteResponse = 2;
}  // namespace


void SetUpLabel(Gtk::Label& label, const std::string& text) {
    label.set_text(text);
    label.set_xalign(0.0f);
    label.set_yalign(0.0f);
}

std::optional<NoteDay> OpenNotesOfSelectedDay(AppState& state) {
    const std::optional<DayNumber> d = SelectedDay(state.view, state.Grid());
    if (!d) return std::nullopt;
    // New notes are enciphered with the password of the user logged in now.
    state.notes.SetPassword(state.session.userPassword);
    const DayContext day = MakeDayContext(*d);
    return NoteDay{day, NoteDateCode(day)};
}

NoteEditorWindow::NoteEditorWindow(Gtk::Window* parent, const std::string& title, Units units, double widthUnits,
                                   double heightRows, NoteEditModel& edit, double buttonGap)
    : ModalWindow(parent, title, units, widthUnits, heightRows), edit_(edit), innerWidth_(units.X(widthUnits)) {
    StyleLikeMainWindow(*this);
    editor_.set_wrap_mode(Gtk::WRAP_NONE);
    editor_.set_accepts_tab(true);
    NameForScreenReaders(editor_, "Notiztext");
    editor_.get_accessible()->set_description(title);
    scroller_.set_policy(Gtk::POLICY_AUTOMATIC, Gtk::POLICY_AUTOMATIC);
    scroller_.set_shadow_type(Gtk::SHADOW_IN);
    scroller_.add(editor_);
    editor_.show();
    Place(scroller_, 1, 1, widthUnits - 2, 25);
    focusOrder_.push_back(&scroller_);

    const int u = units.u, b = ButtonWidth(), h = ButtonHeight(), W = innerWidth_, y = RowTop(27);
    const int gap = units.X(buttonGap);
    struct ButtonPlace {
        Gtk::Button& button;
        const char* label;
        const char* tip;
        int x;
    };
    const ButtonPlace places[] = {
        {save_, note_texts::kSave, note_texts::kSaveTip, u},
        {revert_, note_texts::kRevert, note_texts::kRevertTip, W / 2 - gap - b},
        {clearText_, note_texts::kClearText, note_texts::kClearTextTip, W / 2 + gap},
        {deleteNote_, note_texts::kDeleteNote, note_texts::kDeleteNoteTip, W - b - u},
    };
    for (const ButtonPlace& s : places) {
        s.button.set_label(s.label);
        s.button.set_tooltip_text(s.tip);
        PlacePixels(s.button, s.x, y, b, h);
    }
    save_.signal_clicked().connect([this] { response(kSaveResponse); });
    deleteNote_.signal_clicked().connect([this] {
        edit_.ClearText();
        ShowWorking();
        response(kDeleteNoteResponse);
    });
    revert_.signal_clicked().connect([this] {
        if (edit_.RevertAll()) ShowWorking();
        editor_.grab_focus();
    });
    clearText_.signal_clicked().connect([this] {
        edit_.ClearText();
        ShowWorking();
        editor_.grab_focus();
    });
    editor_.get_buffer()->signal_changed().connect(sigc::mem_fun(*this, &NoteEditorWindow::OnBufferChanged));
    ShowWorking();
}

void NoteEditorWindow::PlacePixels(Gtk::Widget& child, int x, int y, int w, int h) {
    fixed_.put(child, x, y);
    child.set_size_request(w, h);
    child.show();
    focusOrder_.push_back(&child);
}

void NoteEditorWindow::PlaceEntrySteps(int y, const std::function<bool(int)>& step,
                                       const std::function<std::string()>& entryLabel,
                                       const std::function<void()>& showChoices) {
    const Units& un = units_;
    const int b = ButtonWidth(), h = ButtonHeight(), W = innerWidth_;
    previous_.set_label(note_texts::kPrevious);
    next_.set_label(note_texts::kNext);
    previous_.set_tooltip_text(note_texts::kPreviousTip);
    next_.set_tooltip_text(note_texts::kNextTip);
    PlacePixels(previous_, un.u, y, b - un.u, h);
    PlacePixels(next_, W - b, y, b - un.u, h);
    SetUpLabel(entry_, entryLabel());
    entry_.set_xalign(0.5f);
    const int entryWidth = RoundHalfEven(2.5 * b);
    PlacePixels(entry_, (W - entryWidth) / 2, y + un.Y(0.5), entryWidth, un.r);

    const auto stepBy = [this, step, entryLabel, showChoices](int delta) {
        if (step(delta)) {
            ShowWorking();
            showChoices();
            entry_.set_text(entryLabel());
        }
        FocusEditor();
    };
    previous_.signal_clicked().connect([stepBy] { stepBy(-1); });
    next_.signal_clicked().connect([stepBy] { stepBy(+1); });
}

void NoteEditorWindow::ShowWorking(Caret caret) {
    const Glib::RefPtr<Gtk::TextBuffer> buffer = editor_.get_buffer();
    const int offset = buffer->get_insert()->get_iter().get_offset();
    if (buffer->get_text(true).raw() != edit_.Working()) {
        settingText_ = true;
        buffer->set_text(edit_.Working());
        settingText_ = false;
    }
    switch (caret) {
        case Caret::Start: buffer->place_cursor(buffer->begin()); break;
        case Caret::Kept: buffer->place_cursor(buffer->get_iter_at_offset(std::min(offset, buffer->get_char_count()))); break;
        case Caret::End: buffer->place_cursor(buffer->end()); break;
    }
    editor_.scroll_to(buffer->get_insert());
    editor_.grab_focus();
}

void NoteEditorWindow::OnBufferChanged() {
    if (settingText_) return;
    edit_.SetWorking(editor_.get_buffer()->get_text(true).raw());
    // The limit is checked once the change is complete, outside the buffer's signal.
    if (!lengthCheck_.connected() && StoredLength(edit_.Working()) > static_cast<std::size_t>(kMaxNoteCharacters)) {
        lengthCheck_ = Glib::signal_idle().connect([this] {
            CheckLength();
            return false;
        });
    }
}

void NoteEditorWindow::CheckLength() {
    lengthCheck_.disconnect();
    const std::optional<LengthCut> cut = CutToNoteLimit(edit_.Working());
    if (!cut) return;
    edit_.SetWorking(cut->text);
    settingText_ = true;
    editor_.get_buffer()->set_text(cut->text);
    settingText_ = false;
    ShowMessage(this, message_titles::kInfo, LengthCutMessage(cut->storedLength));
    editor_.grab_focus();
}

void NoteEditorWindow::RunEditor(NoteWindowModel& model, NoteStore& store, const std::function<void()>& takeChoices,
                                 const std::function<bool()>& quitting) {
    fixed_.set_focus_chain(focusOrder_);
    show();
    editor_.grab_focus();
    const NoteDialogs dialogs{
        [this](const std::string& question) { return AskQuestion(this, question); },
        [this](const std::string& text) { ShowMessage(this, message_titles::kError, text); },
        quitting,
        [this](const std::string& question) {
            switch (AskYesNoCancel(this, question)) {
                case Answer::Yes: return NoteConflictChoice::KeepMine;
                case Answer::No: return NoteConflictChoice::TakeTheirs;
                case Answer::Cancel: break;
            }
            return NoteConflictChoice::BackToEditing;
        },
    };
    for (;;) {
        const int answer = run();
        // On a termination signal the text is not written: nothing may wait
        // for the user then (the length message included).
        if (lengthCheck_.connected() && !quitting()) CheckLength();
        const NoteExit exit = answer == kSaveResponse         ? NoteExit::Save
                              : answer == kDeleteNoteResponse ? NoteExit::DeleteNote
                                                              : NoteExit::Close;
        takeChoices();
        if (CloseNoteWindow(model, store, exit, dialogs) == NoteClosing::Close) break;
        ShowWorking(Caret::Kept);
    }
    lengthCheck_.disconnect();
    hide();
}

}  // namespace sk
