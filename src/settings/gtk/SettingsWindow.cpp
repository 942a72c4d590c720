#include "settings/gtk/SettingsWindow.h"

#include <algorithm>
#include <utility>

#include "help/gtk/HelpTextWindow.h"
#include "settings/SettingsDialogModel.h"
#include "settings/SettingsStorage.h"
#include "settings/Users.h"
#include "ui/Accessible.h"
#include "ui/DateField.h"
#include "ui/FormParts.h"
#include "ui/MessageBox.h"
#include "ui/ModalWindow.h"
#include "ui/ProgramStyle.h"
#include "ui/WorkArea.h"

namespace sk {

namespace {

// Two options side by side; the first is selected when `first` is set.
struct OptionPair {
    Gtk::RadioButton first, second;
    OptionPair(const char* a, const char* b, bool chooseFirst) : first(a), second(b) {
        second.join_group(first);
        (chooseFirst ? first : second).set_active(true);
    }
};

// "Koordinaten": place name, longitude, latitude, time zone, summer time.
// The place name is taken into the settings as it is typed; coordinates and
// the time zone are normalised when their field is left.
struct CoordinatesGroup {
    Gtk::Entry placeField;
    Gtk::Label placeCounter;
    Gtk::Entry longitudeField, latitudeField, zoneField;
    OptionPair longitudeSide, latitudeSide, zoneSide;
    Gtk::CheckButton summerTime{"Sommerzeit automatisch"};
    bool puttingBack = false;

    explicit CoordinatesGroup(const SettingsForm& initial)
        : placeCounter(PlaceNameCounterText(initial.placeName)),
          longitudeSide("Ost", "West", initial.longitudeEast),
          latitudeSide("Nord", "Süd", initial.latitudeNorth),
          zoneSide("Ost", "West", initial.timeZoneEast) {
        placeField.set_text(initial.placeName);
        placeField.set_width_chars(28);
        placeCounter.set_xalign(0);
        longitudeField.set_text(initial.longitudeText);
        latitudeField.set_text(initial.latitudeText);
        zoneField.set_text(initial.timeZoneText);
        summerTime.set_active(initial.autoSummerTime);
    }

    Gtk::Frame* Build(int u, int r) {
        Gtk::Grid* g = nullptr;
        Gtk::Frame* frame = NewGroup("Koordinaten", g, u, r);
        g->attach(*LabelFor("Name:", placeField), 0, 0);
        g->attach(placeField, 1, 0, 2, 1);
        g->attach(placeCounter, 3, 0, 2, 1);
        struct { const char* label; Gtk::Entry* field; OptionPair* side; } rows[] = {
            {"Länge:", &longitudeField, &longitudeSide},
            {"Breite:", &latitudeField, &latitudeSide},
            {"Zeitzone:", &zoneField, &zoneSide},
        };
        for (int i = 0; i < 3; ++i) {
            rows[i].field->set_width_chars(8);
            g->attach(*LabelFor(rows[i].label, *rows[i].field), 0, i + 1);
            g->attach(*rows[i].field, 1, i + 1);
            g->attach(rows[i].side->first, 2, i + 1);
            g->attach(rows[i].side->second, 3, i + 1);
        }
        g->attach(summerTime, 0, 4, 4, 1);
        return frame;
    }

    void Connect(Gtk::Window& window, Settings& settings) {
        placeField.signal_changed().connect([this, &window, &settings] {
            if (puttingBack) return;
            const PlaceNameEdit edit = CheckPlaceNameEdit(placeField.get_text().raw());
            if (edit.cut) {
                puttingBack = true;
                placeField.set_text(edit.text);
                placeField.set_position(-1);
                puttingBack = false;
            }
            if (settings.placeName != edit.text) settings.placeName = edit.text;
            placeCounter.set_text(PlaceNameCounterText(edit.text));
            if (edit.cut) ShowMessage(&window, settings_texts::kInfoTitle, settings_texts::kPlaceNameCut);
        });
        longitudeField.signal_focus_out_event().connect([this](GdkEventFocus*) {
            longitudeField.set_text(NormalizeCoordinateField(longitudeField.get_text().raw(), kLongitudeLimit));
            return false;
        });
        latitudeField.signal_focus_out_event().connect([this](GdkEventFocus*) {
            latitudeField.set_text(NormalizeCoordinateField(latitudeField.get_text().raw(), kLatitudeLimit));
            return false;
        });
        zoneField.signal_focus_out_event().connect([this](GdkEventFocus*) {
            zoneField.set_text(NormalizeTimeZoneField(zoneField.get_text().raw()));
            return false;
        });
    }

    void TakeInto(SettingsForm& form, const Settings& settings) const {
        form.placeName = settings.placeName;
        form.longitudeText = longitudeField.get_text().raw();
        form.longitudeEast = longitudeSide.first.get_active();
        form.latitudeText = latitudeField.get_text().raw();
        form.latitudeNorth = latitudeSide.first.get_active();
        form.timeZoneText = zoneField.get_text().raw();
        form.timeZoneEast = zoneSide.first.get_active();
        form.autoSummerTime = summerTime.get_active();
    }
};

// "Bildschirmausgabe": twilight kind and what the calendar shows.
struct DisplayGroup {
    Gtk::RadioButton civil{"bürgerlich"}, nautical{"nautisch"}, astronomical{"astronomisch"};
    Gtk::CheckButton moonPhases{"Mondphasen anzeigen"};
    Gtk::CheckButton distances{"Mondferne und Mondnähe anzeigen"};
    Gtk::CheckButton weekNumbers{"Wochennummer anzeigen"};
    Gtk::CheckButton schoolHolidays{"Schulferien anzeigen"};
    Gtk::ComboBoxText regionList;  // the states in the order of kRegions

    explicit DisplayGroup(const SettingsForm& initial) {
        nautical.join_group(civil);
        astronomical.join_group(civil);
        Gtk::RadioButton* twilight[3] = {&civil, &nautical, &astronomical};
        twilight[initial.twilightKind]->set_active(true);
        moonPhases.set_active(initial.showMoonPhases);
        distances.set_active(initial.showPerihelionAphelion);
        weekNumbers.set_active(initial.showWeekNumbers);
        schoolHolidays.set_active(initial.showSchoolHolidays);
        for (const RegionInfo& info : kRegions) regionList.append(std::string(info.name));
        regionList.set_active(RegionIndex(initial.region));
        regionList.set_tooltip_text("Die Feiertage und Schulferien dieses Bundeslandes zeigt der Kalender");
    }

    Gtk::Frame* Build(int u, int r) {
        Gtk::Grid* g = nullptr;
        Gtk::Frame* frame = NewGroup("Bildschirmausgabe", g, u, r);
        g->attach(*NewLabel("Dämmerung:"), 0, 0);
        g->attach(civil, 1, 0);
        g->attach(nautical, 2, 0);
        g->attach(astronomical, 3, 0);
        g->attach(moonPhases, 0, 1, 2, 1);
        g->attach(distances, 0, 2, 2, 1);
        g->attach(weekNumbers, 0, 3, 2, 1);
        g->attach(schoolHolidays, 0, 4, 2, 1);
        g->attach(*LabelFor("Bundesland:", regionList), 2, 3, 2, 1);
        g->attach(regionList, 2, 4, 2, 1);
        return frame;
    }

    void TakeInto(SettingsForm& form) const {
        form.twilightKind = nautical.get_active() ? 1 : astronomical.get_active() ? 2 : 0;
        form.showMoonPhases = moonPhases.get_active();
        form.showPerihelionAphelion = distances.get_active();
        form.showWeekNumbers = weekNumbers.get_active();
        form.showSchoolHolidays = schoolHolidays.get_active();
        const int region = regionList.get_active_row_number();
        if (region >= 0 && region < kRegionCount) form.region = kRegions[static_cast<std::size_t>(region)].region;
    }
};

// "Blockurlaubsberechnung": earliest vacation start and the shift order of
// the vacation block of `vacationYear`.
struct VacationGroup {
    const int vacationYear;
    DateField startField{false, DateFieldRange{}};
    Gtk::Button resetButton{"Urlaub zurücksetzen"};
    Gtk::ComboBoxText orderList;

    VacationGroup(const SettingsForm& initial, int year) : vacationYear(year) {
        startField.SetFieldName("Frühester Urlaubsbeginn");
        startField.SetDate(CivilDate{vacationYear, initial.vacationStartMonth, initial.vacationStartDay});
        startField.set_width_chars(8);
        resetButton.set_tooltip_text("Die Werte der Urlaubsberechnung auf die Programmeinstellungen zurücksetzen");
        for (const std::string& entry : VacationOrderEntries(vacationYear)) orderList.append(entry);
        orderList.set_active(initial.vacationOrderIndex);
    }

    Gtk::Frame* Build(int u, int r) {
        Gtk::Grid* g = nullptr;
        Gtk::Frame* frame = NewGroup("Blockurlaubsberechnung", g, u, r);
        g->attach(*LabelFor("Frühester Urlaubsbeginn:", startField), 0, 0);
        g->attach(startField, 1, 0);
        g->attach(resetButton, 2, 0);
        g->attach(*LabelFor("Reihenfolge der Schichten:", orderList), 0, 1);
        g->attach(orderList, 1, 1, 2, 1);
        return frame;
    }

    void Connect() {
        resetButton.signal_clicked().connect([this] {
            SettingsForm f;
            ResetVacationControls(f);
            startField.SetDate(CivilDate{vacationYear, f.vacationStartMonth, f.vacationStartDay});
            orderList.set_active(f.vacationOrderIndex);
        });
    }

    void TakeInto(SettingsForm& form) {
        const CivilDate start = startField.Date();
        form.vacationStartMonth = start.month;
        form.vacationStartDay = start.day;
        form.vacationOrderIndex = std::max(0, orderList.get_active_row_number());
    }
};

// "Stundenberechnung": the contracted hours of the 38- and 40-hour weeks.
struct HoursGroup {
    Gtk::Entry hours38Field, hours40Field;

    explicit HoursGroup(const SettingsForm& initial) {
        hours38Field.set_text(initial.hours38Text);
        hours40Field.set_text(initial.hours40Text);
        hours38Field.set_width_chars(10);
        hours40Field.set_width_chars(10);
    }

    Gtk::Frame* Build(int u, int r) {
        Gtk::Grid* g = nullptr;
        Gtk::Frame* frame = NewGroup("Stundenberechnung", g, u, r);
        g->attach(*LabelFor("Sollstunden bei einer 38 Stundenwoche:", hours38Field), 0, 0);
        g->attach(hours38Field, 1, 0);
        g->attach(*LabelFor("Sollstunden bei einer 40 Stundenwoche:", hours40Field), 0, 1);
        g->attach(hours40Field, 1, 1);
        return frame;
    }

    void TakeInto(SettingsForm& form) const {
        form.hours38Text = hours38Field.get_text().raw();
        form.hours40Text = hours40Field.get_text().raw();
    }
};

}  // namespace

bool EditSettings(WindowContext& context) {
    AppState& state = context.state;
    Settings& settings = state.settings;
    const int u = context.units.u, r = context.units.r;
    const SettingsForm initial = MakeSettingsForm(settings);
    const int vacationYear = state.ShownVacationYear();

    Gtk::Dialog window(settings_texts::kWindowTitle, context.parent, true);
    KeepInWorkArea(window);
    window.set_resizable(false);
    window.set_position(Gtk::WIN_POS_CENTER_ON_PARENT);
    Gtk::Box column(Gtk::ORIENTATION_VERTICAL, r / 2);
    column.set_margin_start(u);
    column.set_margin_end(u);
    column.set_margin_top(r);
    column.set_margin_bottom(r / 2);
    window.get_content_area()->pack_start(column, true, true);

    CoordinatesGroup coordinates(initial);
    DisplayGroup display(initial);
    VacationGroup vacation(initial, vacationYear);
    HoursGroup hours(initial);
    // The groups scroll where the screen is too low for them; the buttons stay.
    Gtk::ScrolledWindow scroller;
    Gtk::Box groups(Gtk::ORIENTATION_VERTICAL, r / 2);
    scroller.add(groups);
    column.pack_start(scroller, true, true);
    groups.pack_start(*coordinates.Build(u, r), false, false);
    groups.pack_start(*display.Build(u, r), false, false);
    groups.pack_start(*vacation.Build(u, r), false, false);
    groups.pack_start(*hours.Build(u, r), false, false);

    // Buttons: left, centre, right.
    Gtk::Box buttonRow(Gtk::ORIENTATION_HORIZONTAL, 0);
    Gtk::Button saveButton("Speichern"), infoButton("Info"), cancelButton("Abbruch");
    saveButton.set_tooltip_text("Speichert Koordinaten und verlässt das Eingabefenster");
    infoButton.set_tooltip_text("Infos zur Eingabe");
    cancelButton.set_tooltip_text("Verlässt das Eingabefenster ohne Speichern");
    for (Gtk::Button* b : {&saveButton, &infoButton, &cancelButton}) b->set_size_request(10 * u, -1);
    buttonRow.pack_start(saveButton, false, false);
    buttonRow.set_center_widget(infoButton);
    buttonRow.pack_end(cancelButton, false, false);
    column.pack_start(buttonRow, false, false, r / 2);

    // The place name is taken at once, also when the dialog is cancelled.
    coordinates.Connect(window, settings);
    vacation.Connect();
    infoButton.signal_clicked().connect([&] {
        WindowContext over = context.Over(window);
        ShowHelpText(over, helptitle::kSettings);
    });
    bool saved = false;
    saveButton.signal_clicked().connect([&] {
        // Target hours that are no number in range are refused; the dialog stays.
        const std::pair<Gtk::Entry*, const NumberFieldRule*> numberFields[] = {
            {&hours.hours38Field, &kTargetHours38Rule}, {&hours.hours40Field, &kTargetHours40Rule}};
        for (const auto& [field, rule] : numberFields) {
            if (const std::optional<std::string> refused = CheckNumberField(field->get_text().raw(), *rule)) {
                ShowMessage(&window, message_titles::kError, *refused);
                field->grab_focus();
                return;
            }
        }
        if (!vacation.startField.Checked()) return;
        saved = true;
        window.response(Gtk::RESPONSE_OK);
    });
    cancelButton.signal_clicked().connect([&] { window.response(Gtk::RESPONSE_CANCEL); });

    UseProgramFont(column);
    column.show_all();
    ScrollWhereTooHigh(scroller, groups, context.parent, r, 6);
    AcceptOnReturn(window, saveButton);
    coordinates.placeField.grab_focus();
    window.run();
    window.hide();
    if (!saved) return true;

    SettingsForm form;
    coordinates.TakeInto(form, settings);
    display.TakeInto(form);
    vacation.TakeInto(form);
    hours.TakeInto(form);
    ApplySettingsForm(form, vacationYear, settings, state.vacationTables);
    if (!SaveSettings(settings, state.session.baseDataDirectory)) {
        ReportFailedSave(&context.parent,
                         SettingsFolder(state.session.baseDataDirectory, settings.userName) + kSettingsFileName);
    }
    // The earliest vacation start may hold a value for this run only (key F);
    // it follows the settings only when the dialog changed it.
    const int runMonth = state.sources.vacationStartMonth;
    const int runDay = state.sources.vacationStartDay;
    TakeSettings(state.sources, settings);
    if (form.vacationStartMonth == initial.vacationStartMonth && form.vacationStartDay == initial.vacationStartDay) {
        state.sources.vacationStartMonth = runMonth;
        state.sources.vacationStartDay = runDay;
    }
    return true;
}

}  // namespace sk
