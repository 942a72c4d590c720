#pragma once
// The main window: the button row, the painted calendar image, the five
// status fields and the "UB" toggle, all placed in the units u and r.

#include <gtkmm.h>

#include <array>
#include <functional>
#include <memory>

#include "ui/AppState.h"
#include "app/CalendarCellSource.h"
#include "app/Commands.h"
#include "ui/CalendarAccessible.h"
#include "view/CalendarPainter.h"
#include "view/HalfYearPage.h"
#include "view/TextStamps.h"

namespace sk {

class MainWindow : public Gtk::Window, public CommandHost {
public:
    explicit MainWindow(AppState& state);

    // Start-up steps after the settings that need no user data: the controls.
    void BuildControls();
    // The current user's font units, the window fitted to them (fewer
    // columns first when it is too wide), the cursor on today and the first
    // paint: at start, once the user data is loaded, and after a change of user.
    void ShowUser();
    // Start-up steps that may show windows, run once the window is up.
    void AfterFirstShow();
    // A note text an ending by signal kept in a recovery copy: offered back.
    void OfferNoteRecovery();
    // Esc, "Ende", closing the window: saves first; when a save fails the
    // person chooses to try again, keep the program open, or end without it.
    void RequestQuit();
    // A termination signal: saves what can be saved without asking (no one
    // may be there to answer), names what failed on stderr, and ends.
    void Terminate();
    // 0, or 1 when the program ends with data it could not save.
    int ExitStatus() const { return exitStatus_; }
    bool SavedBeforeQuit() const { return savedBeforeQuit_; }

    // CommandHost
    void Redraw() override;
    void RedrawMoved() override;
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

    // The calendar image at scale 1, whatever the screen's scale.
    Glib::RefPtr<Gdk::Pixbuf> CalendarPixbuf();

private:
    enum Button { kPlus, kYearBack, kMonthBack, kMonthFwd, kYearFwd, kPageBack, kToday, kPageFwd, kDate,
                  kNote, kProg, kName, kInfo, kMinus, kButtonCount };
    enum Field { kDayInfo, kNotes, kAstronomy, kHours, kVacation, kFieldCount };

    void BuildStatusFields();
    void BuildButtons();
    void ApplyStyle();
    void RunCommand(int menuId);
    void UpdateStatusLine(const CalendarGrid& grid);
    void ShowNotesOfDay(bool complain);
    bool ScreenWorkArea(WorkArea& area);
    // After a font that does not fit was kept (a cancelled chooser): the
    // largest size of that font that fits, so the window is whole on screen.
    void FallBackToFittingFont();
    void PaintHalfYearView();
    HalfYearGeometry HalfYearPageGeometry() const;
    // Paints the month columns into `surface` (made anew when its size or
    // scale differ). The window's own image goes through its repainter,
    // which keeps the months still shown when `onlyViewMoved` (as in
    // RedrawMoved); any other picture is painted whole and leaves it alone.
    void PaintMonthColumns(Cairo::RefPtr<Cairo::ImageSurface>& surface, const CalendarGrid& grid, int scale,
                           CalendarRepainter* repainter = nullptr, bool onlyViewMoved = false);
    // Redraw and RedrawMoved.
    void Repaint(bool onlyViewMoved);
    // The same for the half-year page.
    void PaintHalfYearPage(Cairo::RefPtr<Cairo::ImageSurface>& surface, int scale);
    // Device pixels per logical pixel of the window (2 on a HiDPI screen).
    int ScaleFactor() const;
    // The text stamps of the program font (and the half-year page's fonts) at
    // a scale, made anew when the program font changes.
    TextStamps& Stamps(int scale);

    bool OnKey(GdkEventKey* event);
    bool OnImageButton(GdkEventButton* event);
    bool OnDelete(GdkEventAny* event);
    // True when the program may end: everything saved, or the person chose to end without it.
    bool SaveBeforeQuit();
    void CloseDialogsAndHide();

    // What the controls were last placed for; a repaint moves them only when
    // it changed (placing them makes the toolkit lay out the whole window).
    struct LayoutKey {
        int unitWidth = 0, rowHeight = 0, lastColumn = -1;
        bool halfYear = false;
        bool operator==(const LayoutKey&) const = default;
    };
    LayoutKey LayoutNow() const;

    AppState& state_;
    LayoutKey laidOutFor_;
    CalendarCellSource cellSource_{state_, *this};
    // The months the screen reader's cells were made for: first day, columns.
    std::pair<DayNumber, int> cellsShownFor_{0, -1};
    Gtk::Fixed fixed_;
    std::array<Gtk::Button, kButtonCount> buttons_;
    Gtk::ToggleButton vacationToggle_;
    CalendarArea imageBox_;
    Gtk::Image image_;
    std::array<Gtk::Entry, kFieldCount> fields_;
    Cairo::RefPtr<Cairo::ImageSurface> surface_;
    Cairo::RefPtr<Cairo::ImageSurface> shownSurface_;  // the one image_ holds
    CalendarRepainter monthColumns_;  // paints the month columns into surface_
    std::unique_ptr<TextStamps> stamps_;
    std::unique_ptr<TextStamps> scaledStamps_;  // for a HiDPI screen
    bool updatingToggle_ = false;
    bool ignoreFieldFocus_ = false;
    bool savedBeforeQuit_ = false;
    int exitStatus_ = 0;
};

}  // namespace sk
