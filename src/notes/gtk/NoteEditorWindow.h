#pragma once
// The window pattern the four note editors share: the text editor, the
// buttons "Speichern", "Alles zurück", "Lösche Text", "Lösche Notiz", the
// length limit, and the way out (the question on Esc, trimming, refusing
// characters a note file cannot hold). The decisions are the model's.

#include <functional>
#include <string>
#include <vector>

#include "notes/NoteClosing.h"
#include "notes/NoteEditModel.h"
#include "ui/ModalWindow.h"

namespace sk {

class NoteEditorWindow : public ModalWindow {
public:
    // buttonGap: distance of the two middle buttons from the centre, in u.
    NoteEditorWindow(Gtk::Window* parent, const std::string& title, Units units, double widthUnits,
                     double heightRows, NoteEditModel& edit, double buttonGap);
    ~NoteEditorWindow() override { lengthCheck_.disconnect(); }

    // Runs until the window is left by the closing rules of the model.
    // takeChoices hands the window's own controls (period, occurrence, month)
    // to the model before it decides; quitting tells that the program is
    // being ended, which closes the window at once.
    void RunEditor(NoteWindowModel& model, NoteStore& store, const std::function<void()>& takeChoices,
                   const std::function<bool()>& quitting);

    // Where the caret stands after ShowWorking: at the start (another note
    // was loaded), where it was (the text stays), or after the last character.
    enum class Caret { Start, Kept, End };
    // The editor shows the model's working text and gets the focus.
    void ShowWorking(Caret caret = Caret::Start);
    void FocusEditor() { editor_.grab_focus(); }

    // Pixel helpers of the layout: b, h and the inner width W.
    int ButtonWidth() const { return units_.X(13.5); }
    int ButtonHeight() const { return units_.Y(1.8); }
    int InnerWidth() const { return innerWidth_; }
    int RowTop(int rows) const { return rows * units_.r - units_.r / 3; }
    // Places a control; Tab reaches the controls in this order.
    void PlacePixels(Gtk::Widget& child, int x, int y, int w, int h);

    // The editors that step through the notes of a day: "Vorige" and
    // "Nächste" at row top y, the label of the shown note between them.
    // step(delta) moves the model to another note and tells whether it did;
    // the editor, the window's own controls (showChoices) and the label
    // (entryLabel) then follow. The editor keeps the focus.
    void PlaceEntrySteps(int y, const std::function<bool(int)>& step, const std::function<std::string()>& entryLabel,
                         const std::function<void()>& showChoices);

private:
    void OnBufferChanged();
    void CheckLength();

    NoteEditModel& edit_;
    int innerWidth_;
    Gtk::ScrolledWindow scroller_;
    Gtk::TextView editor_;
    Gtk::Button save_, revert_, clearText_, deleteNote_;
    Gtk::Button previous_, next_;
    Gtk::Label entry_;
    // Tab walks the controls in the order they were placed, editor first.
    std::vector<Gtk::Widget*> focusOrder_;
    bool settingText_ = false;
    sigc::connection lengthCheck_;
};


// A label of the note windows: left-aligned, one row high.
void SetUpLabel(Gtk::Label& label, const std::string& text);

}  // namespace sk
