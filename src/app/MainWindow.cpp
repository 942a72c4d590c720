#include "app/MainWindow.h"

#include "app/SubsystemWindows.h"

#include "accounting/gtk/AccountStatusWindow.h"
#include "accounting/gtk/HoursWindow.h"
#include "accounting/gtk/VacationWindow.h"

#include <cmath>
#include <iostream>

#include "app/ClipboardCopy.h"
#include "app/StartUp.h"
#include "notes/NoteEditModel.h"
#include "notes/NoteRecovery.h"
#include "notes/gtk/NoteWindow.h"
#include "notes/NotesOfDay.h"
#include "shift/CalendarTypes.h"
#include "astro/AstronomyLine.h"
#include "ui/Accessible.h"
#include "ui/DateField.h"
#include "ui/MessageBox.h"
#include "ui/ModalWindow.h"
#include "ui/ProgramStyle.h"
#include "ui/WorkArea.h"
#include "view/CalendarPainter.h"
#include "view/HalfYearPage.h"
#include "view/Canvas.h"
#include "view/StatusLine.h"

namespace sk {

namespace {

struct ButtonText {
    const char* caption;
    const char* tooltip;
    int menuId;
};

const ButtonText kButtons[] = {
    {"+", "[+] Mehr Monate anzeigen", menu::kMoreColumns},
    {"<Jahr", "[F1] Ein Jahr zurück", menu::kYearBack},
    {"<Monat", "[F2] Einen Monat zurück", menu::kMonthBack},
    {"Monat>", "[F3] Einen Monat vor", menu::kMonthForward},
    {"Jahr>", "[F4] Ein Jahr vor", menu::kYearForward},
    {"<Seite", "[F5] Eine Seite zurück", menu::kPageBack},
    {"Heute", "[F6] Setzt den Kursor auf den heutigen Tag", menu::kTodayF6},
    {"Seite>", "[F7] Eine Seite vor", menu::kPageForward},
    {"Datum", "[F8] Direkte Eingabe eines Datums", menu::kEnterDate},
    {"Notiz", "[F9] Tagesnotiz eingeben", menu::kNotesMenu},
    {"Prog.", "[F10] Unterprogramme auswählen", menu::kProgramMenu},
    {"Name", "[F11] Als neuer Anwender anmelden", menu::kLoginF11},
    {"Info", "[F12] Verschiedene Infos zum Kalender und Programm", menu::kInfoMenu},
    {"-", "[-] Weniger Monate anzeigen", menu::kFewerColumns},
};

// "[F1] Ein Jahr zurück" -> "Ein Jahr zurück".
std::string TooltipWithoutKey(std::string_view tooltip) {
    const std::size_t end = tooltip.find("] ");
    return std::string(end == std::string_view::npos ? tooltip : tooltip.substr(end + 2));
}

const char* const kFieldTooltips[] = {
    "Infos zum Tag und Programmstatus",
    "Notizen zum gewählten Tag",
    "Astronomische Anzeigen",
    "Minus- und Plusstunden anhand der Schichtmarkierungen",
    "Resturlaub anhand der Schichtmarkierungen",
};

// The main window in the units u and r: the calendar image lies two rows
// below the top, the window is 40 rows high; the button row is centred on
// a row of 106 units, its buttons are 8.7 u wide and 1.8 r high; the
// status fields stand in three rows below the image.
constexpr int kImageTopRows = 2;
constexpr int kWindowRows = 40;
constexpr int kButtonRowUnits = 106;
constexpr double kButtonWidthUnits = 8.7;
constexpr double kControlHeightRows = 1.8;
constexpr double kFieldHeightRows = 1.3;
constexpr double kFieldRows[3] = {34.6, 36.4, 38.2};
constexpr double kToggleRow = 38.1;

constexpr const char* kStartTitle = "Velmo Schichtkalender - Benutzername: Programm";
constexpr const char* kHalfYearNotes =
    "Der Kalender kann mit der Taste 'Z' oder der rechten Maustaste in die Zwischenablage kopiert werden.";
constexpr const char* kHalfYearAstronomy =
    "Die Größe des Kalenders kann mit der Schriftartgröße (Taste 'S' oder unter 'Prog.' -> 'Schriftart') "
    "angepasst werden.";

std::optional<DayContext> ContextOf(std::optional<DayNumber> d) {
    if (!d) return std::nullopt;
    return MakeDayContext(*d);
}

// A small window holding one date field that starts on `initial`; Return or
// leaving the window ends it. The date the field shows then; Return on a
// text that is no date is refused with a message, and a window left with
// such a text gives nothing.
std::optional<CivilDate> AskDate(Gtk::Window& parent, const Units& units, const char* title, bool withYear,
                                 DateFieldRange range, CivilDate initial) {
    ModalWindow window(&parent, title, units, 20, 3.5);
    DateField field(withYear, range);
    field.SetFieldName(title);
    field.SetDate(initial);
    field.signal_activate().connect([&window, &field] {
        if (field.Checked()) window.response(Gtk::RESPONSE_OK);
    });
    window.Place(field, 1, 1, 18, 1.5);
    field.grab_focus();
    window.run();
    const std::optional<CivilDate> chosen = field.Peek();
    window.hide();
    return chosen;
}

}  // namespace

MainWindow::MainWindow(AppState& state) : state_(state) {
    // Fonts are given in points; the screen's resolution says how large the
    // toolkit draws a point, and the calendar follows it.
    if (auto screen = Gdk::Screen::get_default()) {
        const double dpi = screen->get_resolution();
        if (dpi > 0) state_.textScale = dpi / kPointsResolution;
    }
    set_title(kStartTitle);
    set_resizable(false);
    add(fixed_);
    StyleLikeMainWindow(*this);
    ApplyStyle();
    signal_key_press_event().connect(sigc::mem_fun(*this, &MainWindow::OnKey), false);
    signal_delete_event().connect(sigc::mem_fun(*this, &MainWindow::OnDelete));
    // Moved to a screen of another scale: paint at its resolution.
    property_scale_factor().signal_changed().connect([this] {
        if (surface_) Redraw();
    });
    fixed_.show();
}

void MainWindow::ApplyStyle() {
    ApplyProgramStyle(state_.Font(), state_.defaultFontFamily, state_.view.backgroundColour);
}

void MainWindow::BuildStatusFields() {
    imageBox_.add(image_);
    imageBox_.set_can_focus(true);
    // The table of days screen readers read (named "Kalender" there), and
    // the same words for the day under the pointer.
    imageBox_.SetCells(&cellSource_);
    imageBox_.set_has_tooltip(true);
    imageBox_.signal_query_tooltip().connect(
        [this](int x, int y, bool keyboard, const Glib::RefPtr<Gtk::Tooltip>& tooltip) {
            if (keyboard) return false;
            const std::string words = cellSource_.WordsAt(x, y);
            if (words.empty()) return false;
            tooltip->set_text(words);
            return true;
        });
    imageBox_.add_events(Gdk::BUTTON_PRESS_MASK);
    imageBox_.signal_button_press_event().connect(sigc::mem_fun(*this, &MainWindow::OnImageButton));
    fixed_.put(imageBox_, 0, 0);
    image_.show();
    imageBox_.show();
    for (int i = 0; i < kFieldCount; ++i) {
        Gtk::Entry& f = fields_[i];
        f.set_editable(false);
        f.set_tooltip_text(kFieldTooltips[i]);
        // The fields have no label beside them: their tooltip says what they show.
        NameForScreenReaders(f, kFieldTooltips[i]);
        f.set_has_frame(true);
        fixed_.put(f, 0, 0);
        f.show();
    }
    fields_[kNotes].signal_focus_in_event().connect([this](GdkEventFocus*) {
        if (ignoreFieldFocus_) return false;
        Glib::signal_idle().connect_once([this] {
            fields_[kDayInfo].grab_focus();
            // The half-year page shows no cursor and no day's notes.
            if (state_.HalfYearView()) return;
            ShowNotesOfDay(true);
            Redraw();
        });
        return false;
    });
    for (Field f : {kHours, kVacation}) {
        fields_[f].signal_focus_in_event().connect([this, f](GdkEventFocus*) {
            if (ignoreFieldFocus_) return false;
            Glib::signal_idle().connect_once([this, f] {
                fields_[kDayInfo].grab_focus();
                if (OpenSubsystemWindow(f == kHours ? menu::kHoursWindow : menu::kVacationWindow)) {
                    ShowAccountStatus(state_, fields_[kHours], fields_[kVacation]);
                }
            });
            return false;
        });
    }
}

void MainWindow::BuildButtons() {
    for (int i = 0; i < kButtonCount; ++i) {
        Gtk::Button& b = buttons_[i];
        b.set_label(kButtons[i].caption);
        b.set_tooltip_text(kButtons[i].tooltip);
        // "+" or "<Jahr" read aloud say little: the tooltip says what the button does.
        NameForScreenReaders(b, TooltipWithoutKey(kButtons[i].tooltip));
        b.set_can_focus(false);
        const int id = kButtons[i].menuId;
        b.signal_clicked().connect([this, id] { RunCommand(id); });
        fixed_.put(b, 0, 0);
        b.show();
    }
    vacationToggle_.set_label("UB");
    vacationToggle_.set_tooltip_text("Urlaubsblockanzeige ein- und ausschalten");
    NameForScreenReaders(vacationToggle_, "Urlaubsblockanzeige");
    vacationToggle_.set_can_focus(false);
    vacationToggle_.set_active(state_.settings.vacationBlockShown);
    vacationToggle_.signal_toggled().connect([this] {
        if (updatingToggle_) return;
        if (!ShowsVacationToggle(state_.settings.calendarType)) return;
        state_.settings.vacationBlockShown = vacationToggle_.get_active();
        Redraw();
    });
    fixed_.put(vacationToggle_, 0, 0);
}

MainWindow::LayoutKey MainWindow::LayoutNow() const {
    return {state_.view.unitWidth, state_.view.rowHeight, state_.settings.lastColumn, state_.HalfYearView()};
}

void MainWindow::RelayoutControls() {
    laidOutFor_ = LayoutNow();
    const ViewState& v = state_.view;
    const int u = v.unitWidth, r = v.rowHeight, W = WidthUnitsOf(state_.settings.lastColumn);
    const int A = RoundHalfEven(u * kButtonWidthUnits);
    const int H = RoundHalfEven(r * kControlHeightRows);
    const int T = r / 5;
    const int L = u * (W - kButtonRowUnits) / 2;
    const int B1 = L + u + 4 * A;
    const int B2 = B1 + 2 * A;
    const int B3 = B2 + 2 * A + u;
    const int B4 = B3 + 2 * A;
    const int xs[kButtonCount] = {L - 4 * u, L, L + A, L + 2 * A, L + 3 * A, B1, B1 + A, B2, B2 + A,
                                  B3, B3 + A, B4, B4 + A, B4 + 2 * A + u};
    for (int i = 0; i < kButtonCount; ++i) {
        const int w = (i == kPlus || i == kMinus) ? 3 * u : A;
        fixed_.move(buttons_[i], xs[i], T);
        buttons_[i].set_size_request(w, H);
    }
    fixed_.move(vacationToggle_, u * (W - 5), RoundHalfEven(r * kToggleRow));
    vacationToggle_.set_size_request(A / 2, H);

    if (!state_.HalfYearView()) {
        fixed_.move(imageBox_, 0, kImageTopRows * r);
        imageBox_.set_size_request(u * W, r * kGridRows + 2);
    }
    const int S = RoundHalfEven(r * kFieldHeightRows);
    const int y0 = RoundHalfEven(r * kFieldRows[0]), y1 = RoundHalfEven(r * kFieldRows[1]),
              y2 = RoundHalfEven(r * kFieldRows[2]);
    struct Place { int x, y, w; };
    const Place places[kFieldCount] = {
        {u, y0, u * (W - 11)},
        {u, y1, u * (W - 8)},
        {u, y2, u * (W - 7)},
        {u * (W - 9), y0, 8 * u},
        {u * (W - 6), y1, 5 * u},
    };
    for (int i = 0; i < kFieldCount; ++i) {
        fixed_.move(fields_[i], places[i].x, places[i].y);
        fields_[i].set_size_request(places[i].w, S);
        fields_[i].set_width_chars(1);
    }
    fixed_.set_size_request(u * W, r * kWindowRows);
}

bool MainWindow::ScreenWorkArea(WorkArea& area) {
    auto display = Gdk::Display::get_default();
    if (!display) return false;
    // The monitor the window is on, else the first; its work area leaves out
    // panels and docks.
    Glib::RefPtr<Gdk::Monitor> monitor;
    if (auto w = get_window()) monitor = display->get_monitor_at_window(w);
    if (!monitor) monitor = display->get_primary_monitor();
    if (!monitor) monitor = display->get_monitor(0);
    if (!monitor) return false;
    Gdk::Rectangle r;
    monitor->get_workarea(r);
    area = WorkArea{r.get_x(), r.get_y(), r.get_width(), r.get_height()};
    // The title bar and frame the window manager adds take room too.
    if (auto w = get_window(); w && get_mapped()) {
        Gdk::Rectangle frame;
        w->get_frame_extents(frame);
        const int extraW = std::max(0, frame.get_width() - w->get_width());
        const int extraH = std::max(0, frame.get_height() - w->get_height());
        area.width -= extraW;
        area.height -= extraH;
        area.y += extraH;  // the title bar lies above the window
    }
    return area.width > 0 && area.height > 0;
}

bool MainWindow::FitWindow() {
    const ViewState& v = state_.view;
    WorkArea area;
    if (!ScreenWorkArea(area)) return false;
    const int w = v.unitWidth * WidthUnitsOf(state_.settings.lastColumn);
    const int h = v.rowHeight * kWindowRows;
    const WindowPlace place = PlaceInWorkArea(w, h, area);
    if (!place.fits) return false;
    // The window follows the layout both ways: smaller fonts shrink it.
    fixed_.set_size_request(w, h);
    set_default_size(w, h);
    resize(w, h);
    move(place.x, place.y);
    return true;
}

void MainWindow::BuildControls() {
    BuildStatusFields();
    BuildButtons();
}

void MainWindow::ShowUser() {
    ViewState& v = state_.view;
    const FontMetrics m = MeasureFont(state_.ScreenFontDescription());
    v.unitWidth = m.unitWidth;
    v.rowHeight = m.rowHeight;
    state_.fontTooLarge = false;
    if (!FitWindow()) {
        if (state_.settings.lastColumn > kFewestColumnsIndex) {
            state_.settings.lastColumn = kFewestColumnsIndex;
            if (!FitWindow()) state_.fontTooLarge = true;
        } else {
            state_.fontTooLarge = true;
        }
    }
    // A size nobody chose (the default on a small screen) quietly becomes
    // the largest that fits; a chosen one is asked about after the start.
    if (state_.fontTooLarge && state_.settings.fontSize == Settings{}.fontSize && state_.settings.fontName.empty()) {
        FallBackToFittingFont();
    }
    PlaceCursorOnToday(state_, LocalToday());
    Redraw();
    SetVacationToggleVisible(ShowsVacationToggle(state_.settings.calendarType));
}

void MainWindow::AfterFirstShow() {
    OfferNoteRecovery();
    ShowNotesOfDay(false);
    if (state_.fontTooLarge) {
        ShowMessage(texts::kError, texts::kFontTooLargeAtStart);
        ChangeFont();
        Redraw();
    }
}

bool MainWindow::SaveBeforeQuit() {
    if (savedBeforeQuit_) return true;
    bool dropped = false;
    const bool goOn = SaveOrAsk([this] { return SaveSessionData(state_); },
                                [this, &dropped](const std::vector<std::string>& failed) {
                                    const FailedSaveChoice c =
                                        AskAfterFailedSave(this, failed, FailedSavePlace::Shutdown);
                                    dropped = c == FailedSaveChoice::GoOnWithout;
                                    return c;
                                });
    if (!goOn) return false;
    savedBeforeQuit_ = true;
    if (dropped) exitStatus_ = 1;
    return true;
}

void MainWindow::CloseDialogsAndHide() {
    state_.view.quitRequested = true;
    // Close every open dialog first, so its own loop returns.
    for (Gtk::Window* w : Gtk::Window::list_toplevels()) {
        if (auto* dialog = dynamic_cast<Gtk::Dialog*>(w)) dialog->response(Gtk::RESPONSE_DELETE_EVENT);
    }
    hide();
}

void MainWindow::RequestQuit() {
    if (!SaveBeforeQuit()) {
        state_.view.quitRequested = false;  // the person keeps the program open
        return;
    }
    CloseDialogsAndHide();
}

void MainWindow::Terminate() {
    if (!savedBeforeQuit_) {
        for (const std::string& path : SaveSessionData(state_)) {
            std::cerr << FailedSaveText(path) << '\n';
            exitStatus_ = 1;
        }
        savedBeforeQuit_ = true;
    }
    CloseDialogsAndHide();
}

void MainWindow::RunCommand(int menuId) {
    DispatchMenu(state_, *this, menuId);
    if (state_.view.quitRequested) RequestQuit();
}

bool MainWindow::OnKey(GdkEventKey* event) {
    // Ctrl+P prints, as in every desktop program.
    if ((event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) == GDK_CONTROL_MASK &&
        (event->keyval == GDK_KEY_p || event->keyval == GDK_KEY_P)) {
        OpenSubsystemWindow(menu::kPrint);
        return true;
    }
    // Other shortcuts are plain keys: with Ctrl or Alt they are not ours.
    if (event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) return false;
    const std::optional<int> id = MenuIdForKey(event->keyval);
    if (!id) return false;
    RunCommand(*id);
    return true;
}

bool MainWindow::OnImageButton(GdkEventButton* event) {
    // The event is in image coordinates, as the grid is.
    if (event->button == 1 && event->type == GDK_BUTTON_PRESS) {
        if (state_.HalfYearView()) return true;
        HitTest(state_.view, state_.Grid(), static_cast<int>(event->x), static_cast<int>(event->y));
        RedrawMoved();
        return true;
    }
    if (event->button == 1 && event->type == GDK_2BUTTON_PRESS) {
        // The click before put the cursor on the cell; this one finds the
        // shift sub-column (menu ids kShiftMark1-4).
        if (state_.HalfYearView()) return true;
        const int sub =
            HitTest(state_.view, state_.Grid(), static_cast<int>(event->x), static_cast<int>(event->y));
        if (sub != 0 && OpenSubsystemWindow(sub)) Redraw();
        return true;
    }
    if (event->button == 3 && event->type == GDK_BUTTON_PRESS) {
        CopyCalendarImage(*this, CalendarPixbuf(), true);
        return true;
    }
    return false;
}

bool MainWindow::OnDelete(GdkEventAny*) {
    if (!SaveBeforeQuit()) return true;  // kept open: a save failed and the person stays
    state_.view.quitRequested = true;
    return false;  // let the window close; the application then ends
}

void MainWindow::Redraw() { Repaint(false); }

void MainWindow::RedrawMoved() { Repaint(true); }

void MainWindow::Repaint(bool onlyViewMoved) {
    // Notes or marks another program changed are new data: all is painted.
    if (RereadChangedData(state_)) onlyViewMoved = false;
    if (LayoutNow() != laidOutFor_) RelayoutControls();
    const bool halfYear = state_.HalfYearView();
    for (int b : {kNote, kMonthBack, kMonthFwd, kPlus, kMinus}) buttons_[b].set_sensitive(!halfYear);
    std::pair<DayNumber, int> shown{0, 0};
    if (halfYear) {
        PaintHalfYearView();
    } else {
        const CalendarGrid grid = state_.Grid();
        PaintMonthColumns(surface_, grid, ScaleFactor(), &monthColumns_, onlyViewMoved);
        UpdateStatusLine(grid);
        if (grid.ColumnCount() > 0) shown = {grid.columns.front().first, grid.ColumnCount()};
    }
    ShowAccountStatus(state_, fields_[kHours], fields_[kVacation]);
    if (surface_ == shownSurface_) {
        image_.queue_draw();  // the same image, painted anew: no new size to lay out
    } else {
        image_.set(surface_);
        shownSurface_ = surface_;
    }
    imageBox_.grab_focus();
    if (!onlyViewMoved) cellSource_.Forget();
    imageBox_.AfterRepaint(!onlyViewMoved || shown != cellsShownFor_);
    cellsShownFor_ = shown;
}

TextStamps& MainWindow::Stamps(int scale) {
    const std::string font = state_.ScreenFontDescription();
    auto& stamps = scale == 1 ? stamps_ : scaledStamps_;
    if (!stamps || stamps->FontDescription() != font || stamps->Scale() != scale) {
        stamps = std::make_unique<TextStamps>(font, scale);
    }
    return *stamps;
}

int MainWindow::ScaleFactor() const { return std::max(1, get_scale_factor()); }

namespace {

// An image of logical size w x h at `scale` device pixels per logical pixel,
// reused while it fits.
void EnsureImage(Cairo::RefPtr<Cairo::ImageSurface>& surface, int w, int h, int scale) {
    if (surface && surface->get_width() == w * scale && surface->get_height() == h * scale &&
        DeviceScaleOf(surface) == scale) {
        return;
    }
    surface = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, w * scale, h * scale);
    if (scale != 1) cairo_surface_set_device_scale(surface->cobj(), scale, scale);
}

}  // namespace

void MainWindow::PaintMonthColumns(Cairo::RefPtr<Cairo::ImageSurface>& surface, const CalendarGrid& grid,
                                   int scale, CalendarRepainter* repainter, bool onlyViewMoved) {
    EnsureImage(surface, grid.ImageWidth(), grid.ImageHeight(), scale);
    Canvas canvas(surface, Stamps(scale));
    CoreCalendarData data(state_.sources);
    if (repainter)
        repainter->Paint(canvas, state_.view, grid, data, state_.Options(), onlyViewMoved);
    else
        PaintCalendar(canvas, state_.view, grid, data, state_.Options());
}

void MainWindow::PaintHalfYearPage(Cairo::RefPtr<Cairo::ImageSurface>& surface, int scale) {
    const HalfYearGeometry g = HalfYearPageGeometry();
    EnsureImage(surface, g.imageWidth, g.imageHeight, scale);
    // The page's texts are stamped once and kept with the month columns' own.
    Canvas canvas(surface, Stamps(scale));
    CoreCalendarData data(state_.sources);
    const bool own = state_.settings.calendarType == kOwnPlanCalendarType;
    PaintHalfYearPlan(canvas, g, state_.view.firstMonth + 1, state_.view.firstYear, data, nullptr,
                      own ? state_.OwnPlan() : nullptr);
}

HalfYearGeometry MainWindow::HalfYearPageGeometry() const {
    const ViewState& v = state_.view;
    return HalfYearGeometryOf(v.unitWidth * WidthUnitsOf(state_.settings.lastColumn), v.rowHeight);
}

void MainWindow::PaintHalfYearView() {
    // The page has a size of its own, centred where the month columns were.
    const HalfYearGeometry g = HalfYearPageGeometry();
    monthColumns_.Forget();
    PaintHalfYearPage(surface_, ScaleFactor());
    fixed_.move(imageBox_, g.controlX, g.controlY);
    imageBox_.set_size_request(g.controlWidth, g.controlHeight);
    fields_[kDayInfo].set_text(TodayText(LocalToday()));
    fields_[kNotes].set_text(kHalfYearNotes);
    fields_[kAstronomy].set_text(kHalfYearAstronomy);
}

void MainWindow::UpdateStatusLine(const CalendarGrid& grid) {
    const std::optional<DayContext> day = ContextOf(SelectedDay(state_.view, grid));
    if (!day) {
        fields_[kDayInfo].set_text("");
        fields_[kNotes].set_text("");
        fields_[kAstronomy].set_text("");
        return;
    }
    fields_[kNotes].set_text(StatusLineNotesOfDay(state_.notes, *day));
    fields_[kDayInfo].set_text(DayInfoText(*day, state_.settings.region));
    fields_[kAstronomy].set_text(AstronomyLine(*day, state_.sources.observer));
    // Long texts are cut by the field: show their beginning.
    for (Gtk::Entry& f : fields_) f.set_position(0);
}

void MainWindow::ShowNotesOfDay(bool complain) {
    const std::optional<DayContext> day = ContextOf(SelectedDay(state_.view, state_.Grid()));
    const std::string text = day ? NotesOfDay(state_.notes, *day, NotesForm::Overview) : std::string();
    if (text.empty()) {
        if (complain) {
            sk::ShowMessage(this, message_titles::kInformation, "Für den gewählten Tag sind keine Notizen vorhanden!");
        }
        return;
    }
    const Units units{state_.view.unitWidth, state_.view.rowHeight};
    const std::string date = FormatDate("%dd.%mm.%yyyy", static_cast<DateValue>(day->dayNumber) * 86400);
    ShowNotesText(*this, "Notizen für den " + date, units, text, true);
}

void MainWindow::ShowMessage(const std::string& title, const std::string& text) {
    sk::ShowMessage(this, title, text);
}

void MainWindow::SetVacationToggleVisible(bool visible) {
    updatingToggle_ = true;
    vacationToggle_.set_active(state_.settings.vacationBlockShown);
    updatingToggle_ = false;
    vacationToggle_.set_visible(visible);
}

void MainWindow::EnterDate() {
    ViewState& v = state_.view;
    const auto chosen = AskDate(*this, Units{v.unitWidth, v.rowHeight}, "Datum eingeben", true,
                                DateFieldRange{kFirstDay, kLastFirstMonthDay}, CivilOf(EnterDateInitialDay(v)));
    if (!chosen) return;
    TakeEnteredDate(state_, *this, DayNumberOf(chosen->year, chosen->month, chosen->day));
}

void MainWindow::EditEarliestVacationStart() {
    ViewState& v = state_.view;
    // The change lasts for this run only: the settings keep the saved day.
    const auto chosen =
        AskDate(*this, Units{v.unitWidth, v.rowHeight}, "Frühester Urlaubsbeginn", false, DateFieldRange{},
                CivilDate{state_.ShownVacationYear(), state_.sources.vacationStartMonth,
                          state_.sources.vacationStartDay});
    if (!chosen) return;
    state_.sources.vacationStartMonth = chosen->month;
    state_.sources.vacationStartDay = chosen->day;
    Redraw();
}

void MainWindow::ChangeFont() {
    ViewState& v = state_.view;
    Settings& s = state_.settings;
    Gtk::FontChooserDialog chooser("Schriftart", *this);
    KeepInWorkArea(chooser);
    chooser.set_font(state_.FontDescription());
    if (chooser.run() != Gtk::RESPONSE_OK) {
        chooser.hide();
        if (state_.fontTooLarge) FallBackToFittingFont();
        return;
    }
    const Pango::FontDescription desc = chooser.get_font_desc();
    chooser.hide();
    Settings chosen = s;
    chosen.fontName = desc.get_family();
    chosen.fontSize = std::max(1, static_cast<int>(std::lround(desc.get_size() / double(PANGO_SCALE))));
    chosen.fontStyle = (desc.get_weight() >= Pango::WEIGHT_BOLD ? 1 : 0) |
                       (desc.get_style() != Pango::STYLE_NORMAL ? 2 : 0);
    const FontMetrics m = MeasureFont(
        FontDescriptionText({chosen.fontName, chosen.fontSize, chosen.fontStyle}, state_.defaultFontFamily,
                            state_.textScale));
    const FontMetrics old{v.unitWidth, v.rowHeight};
    v.unitWidth = m.unitWidth;
    v.rowHeight = m.rowHeight;
    if (FitWindow()) {
        s.fontName = chosen.fontName;
        s.fontSize = chosen.fontSize;
        s.fontStyle = chosen.fontStyle;
        state_.fontTooLarge = false;
        ApplyStyle();
        RelayoutControls();
        return;
    }
    v.unitWidth = old.unitWidth;
    v.rowHeight = old.rowHeight;
    RelayoutControls();
    ShowMessage(texts::kError, texts::kChosenFontTooLarge);
    if (state_.fontTooLarge) FallBackToFittingFont();
}

void MainWindow::FallBackToFittingFont() {
    ViewState& v = state_.view;
    Settings& s = state_.settings;
    const auto fits = [&](int size) {
        const FontMetrics m =
            MeasureFont(FontDescriptionText({s.fontName, size, s.fontStyle}, state_.defaultFontFamily, state_.textScale));
        v.unitWidth = m.unitWidth;
        v.rowHeight = m.rowHeight;
        if (FitWindow()) return true;
        if (s.lastColumn <= kFewestColumnsIndex) return false;
        s.lastColumn = kFewestColumnsIndex;  // fewer columns before a smaller font
        return FitWindow();
    };
    const int size = LargestFittingFontSize(s.fontSize, kSmallestFontSize, fits);
    state_.fontTooLarge = !fits(size);
    s.fontSize = size;
    ApplyStyle();
    RelayoutControls();
    Redraw();
}

void MainWindow::ChangeBackground() {
    // The title-only constructor: the one with a parent would add the dialog
    // into the parent. Transient and centred, it opens over the main window.
    Gtk::ColorChooserDialog chooser("Hintergrundfarbe");
    KeepInWorkArea(chooser);
    chooser.set_transient_for(*this);
    chooser.set_position(Gtk::WIN_POS_CENTER_ON_PARENT);
    Gdk::RGBA preset;
    preset.set_rgba_u(RedOf(kDefaultBackground) * 257, GreenOf(kDefaultBackground) * 257,
                      BlueOf(kDefaultBackground) * 257);
    chooser.set_rgba(preset);
    chooser.set_use_alpha(false);
    if (chooser.run() != Gtk::RESPONSE_OK) return;
    const Gdk::RGBA c = chooser.get_rgba();
    chooser.hide();
    state_.view.backgroundColour = PackRgb(c.get_red_u() / 257, c.get_green_u() / 257, c.get_blue_u() / 257);
    Redraw();
}

void MainWindow::OfferNoteRecovery() {
    const std::string& folder = state_.userDataFolder;
    const std::optional<KeptNoteRecovery> kept = FindNoteRecovery(folder, NoteRecoveryStateFolderOf(state_));
    if (!kept) return;
    const bool restore = AskQuestion(this, NoteRecoveryQuestion(kept->copy));
    if (state_.view.quitRequested) return;  // the program was ended meanwhile: ask again next time
    if (!restore) {
        DiscardNoteRecovery(kept->folder);
        return;
    }
    if (!RestoreNoteRecovery(folder, kept->copy, kept->folder)) {
        ShowMessage(texts::kError, kNoteRecoveryFailed);
        return;
    }
    state_.notes.ScanAll();
    Redraw();
}

void MainWindow::TakeNewUser() {
    set_title(MainWindowTitle(state_.settings.userName));
    const std::optional<std::string> folderMessage = LoadUserSettings(state_, LocalToday().year);
    const std::optional<std::string> planMessage = LoadOwnPlan(state_);
    LoadUserData(state_);
    ApplyStyle();
    ShowUser();
    OfferNoteRecovery();
    ShowNotesOfDay(false);
    if (folderMessage) ShowMessage(texts::kError, *folderMessage);
    if (planMessage) ShowMessage(texts::kError, *planMessage);
    if (const auto linkMessage = RefusedLinksMessage(state_)) ShowMessage(texts::kError, *linkMessage);
    if (const auto holidays = TakeSchoolHolidayProblem(state_)) ShowMessage(texts::kError, *holidays);
    if (state_.fontTooLarge) {
        ShowMessage(texts::kError, texts::kFontTooLargeAtStart);
        ChangeFont();
    }
}

void MainWindow::ReloadUserData() {
    // The own plan belongs to the data folder as the notes do.
    const std::optional<std::string> planMessage = LoadOwnPlan(state_);
    LoadUserData(state_);
    SetVacationToggleVisible(ShowsVacationToggle(state_.settings.calendarType));
    if (planMessage) ShowMessage(texts::kError, *planMessage);
    if (const auto linkMessage = RefusedLinksMessage(state_)) ShowMessage(texts::kError, *linkMessage);
    if (const auto holidays = TakeSchoolHolidayProblem(state_)) ShowMessage(texts::kError, *holidays);
}

bool MainWindow::OpenSubsystemWindow(int menuId) {
    WindowContext context = MainWindowContext(state_, *this, *this);
    return sk::OpenSubsystemWindow(context, menuId);
}

Glib::RefPtr<Gdk::Pixbuf> MainWindow::CalendarPixbuf() {
    if (!surface_) return {};
    // The copy keeps the calendar's logical size: on a HiDPI screen it is
    // painted once more at scale 1, so pasted pictures have the size the
    // calendar has on an ordinary screen.
    Cairo::RefPtr<Cairo::ImageSurface> image = surface_;
    if (DeviceScaleOf(surface_) != 1) {
        image.clear();
        if (state_.HalfYearView()) {
            PaintHalfYearPage(image, 1);
        } else {
            PaintMonthColumns(image, state_.Grid(), 1);
        }
    }
    return Gdk::Pixbuf::create(Cairo::RefPtr<Cairo::Surface>(image), 0, 0, image->get_width(), image->get_height());
}

}  // namespace sk
