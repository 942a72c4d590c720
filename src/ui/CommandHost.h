#pragma once
// What the commands and the windows need of the program's main window. The
// program implements it; the commands can be driven without a display.

#include <string>

namespace sk {

class CommandHost {
public:
    virtual ~CommandHost() = default;
    // Repaints the calendar and the status line as the state stands; the
    // commands have moved the cursor before.
    virtual void Redraw() = 0;
    // The same after a command that only moved the shown months or the
    // cursor: the image may keep the pixels of the months still shown.
    virtual void RedrawMoved() { Redraw(); }
    // Resizes and centres the window for the current column count and font
    // units when the screen is large enough; false (and nothing changed)
    // otherwise.
    virtual bool FitWindow() = 0;
    virtual void RelayoutControls() = 0;
    virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
    virtual void SetVacationToggleVisible(bool visible) = 0;
    // The toolkit windows of the frame.
    virtual void EnterDate() = 0;
    virtual void ChangeFont() = 0;
    virtual void ChangeBackground() = 0;
    virtual void EditEarliestVacationStart() = 0;
    // Windows of the other subsystems (notes, marks, menus, login, info,
    // clipboard copy); false when the program has no such window yet.
    virtual bool OpenSubsystemWindow(int menuId) = 0;
    // After a login has switched to another user: reads that user's
    // settings, notes and marks and builds the main window for them as at
    // start (font, size, controls, cursor on today, a kept note text, notes
    // of today).
    virtual void TakeNewUser() = 0;
    // After the data folder changed: reads notes and marks from it.
    virtual void ReloadUserData() = 0;
};

}  // namespace sk
