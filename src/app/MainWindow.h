#pragma once
// The main window: the button row, the painted calendar image, the five
// status fields and the "UB" toggle, all placed in the units u and r.

#include <gtkmm.h>

#include <array>
#include <functional>
#include <memory>

#include "ui/AppState.h"
#include "app/Commands.h"
#include "view/TextStamps.h"

namespace sk {

class MainWindow : public Gtk::Window, public CommandHost {
public:
    explicit MainWindow(AppState& state);

    // Start-up steps after the settings: fit, controls, first paint.
    void BuildContent();
    // Start-up steps that may show windows, run once the window is up.
    void AfterFirstShow();
    // A note text an ending by signal kept in a recovery copy: offered back.
    void OfferNoteRecovery();
    void RequestQuit();

    // CommandHost
    void Redraw() override;
    bool FitWindow() override;
    void RelayoutControls() override;
    void ShowMessage(const std::string& title, const std::string& text) override;
    void SetVacationToggleVisible(bool visible) override;
    void EnterDate() override;
    void ChangeFont() override;
    void ChangeBackground() override;
    void EditEarliestVacationStart() override;
    bool OpenSubsystemWindow(int menuId) override;
    void TakeNewUser() override;
    void ReloadUserData() override;

    Glib::RefPtr<Gdk::Pixbuf> CalendarPixbuf() const;

private:
    enum Button { kPlus, kYearBack, kMonthBack, kMonthFwd, kYearFwd, kPageBack, kToday, kPageFwd, kDate,
                  kNote, kProg, kName, kInfo, kMinus, kButtonCount };
    enum Field { kDayInfo, kNotes, kAstronomy, kHours, kVacation, kFieldCount };

    // The current user's font units, the window fitted to them (fewer
    // columns first when it is too wide), the cursor on today and the first
    // paint: at start and after a change of user.
    void ShowUser();
    void BuildStatusFields();
    void BuildButtons();
    void ApplyStyle();
    void RunCommand(int menuId);
    void UpdateStatusLine(const CalendarGrid& grid);
    void ShowNotesOfDay(bool complain);
    bool ScreenSize(int& width, int& height) const;
    void PaintHalfYearView();
    // The text stamps of the program font, made anew when the font changes.
    TextStamps& Stamps();

    bool OnKey(GdkEventKey* event);
    bool OnImageButton(GdkEventButton* event);
    bool OnDelete(GdkEventAny* event);

    AppState& state_;
    Gtk::Fixed fixed_;
    std::array<Gtk::Button, kButtonCount> buttons_;
    Gtk::ToggleButton vacationToggle_;
    Gtk::EventBox imageBox_;
    Gtk::Image image_;
    std::array<Gtk::Entry, kFieldCount> fields_;
    Cairo::RefPtr<Cairo::ImageSurface> surface_;
    std::unique_ptr<TextStamps> stamps_;
    bool updatingToggle_ = false;
    bool ignoreFieldFocus_ = false;
};

}  // namespace sk
