#include "settings/gtk/SettingsWindow.h"

#include "help/gtk/HelpTextWindow.h"
#include "settings/gtk/DialogFontWindow.h"
#include "settings/SettingsDialogModel.h"
#include "settings/SettingsStorage.h"
#include "ui/DateField.h"
#include "ui/MessageBox.h"

namespace sk {

namespace {

Gtk::Label* NewLabel(const char* text) {
    auto* label = Gtk::make_managed<Gtk::Label>(text);
    label->set_xalign(0);
    return label;
}

Gtk::Frame* NewGroup(const char* title, Gtk::Grid*& grid, int u, int r) {
    auto* frame = Gtk::make_managed<Gtk::Frame>(title);
    grid = Gtk::make_managed<Gtk::Grid>();
    grid->set_column_spacing(u);
    grid->set_row_spacing(r / 4);
    grid->set_margin_start(u);
    grid->set_margin_end(u);
    grid->set_margin_top(r / 3);
    grid->set_margin_bottom(r / 2);
    frame->add(*grid);
    return frame;
}

// Two options side by side; the first is selected when `first` is set.
struct OptionPair {
    Gtk::RadioButton first, second;
    OptionPair(const char* a, const char* b, bool chooseFirst) : first(a), second(b) {
        second.join_group(first);
        (chooseFirst ? first : second).set_active(true);
    }
};

}  // namespace

bool EditSettings(WindowContext& context) {
    AppState& state = context.state;
    Settings& settings = state.settings;
    const int u = context.units.u, r = context.units.r;
    const SettingsForm initial = MakeSettingsForm(settings);

    Gtk::Dialog window(settings_texts::kWindowTitle, context.parent, true);
    window.set_resizable(false);
    window.set_position(Gtk::WIN_POS_CENTER_ON_PARENT);
    Gtk::Box column(Gtk::ORIENTATION_VERTICAL, r / 2);
    column.set_margin_start(u);
    column.set_margin_end(u);
    column.set_margin_top(r);
    column.set_margin_bottom(r / 2);
    window.get_content_area()->pack_start(column, true, true);

    // Koordinaten.
    Gtk::Grid* g = nullptr;
    column.pack_start(*NewGroup("Koordinaten", g, u, r), false, false);
    Gtk::Entry placeField;
    placeField.set_text(initial.placeName);
    placeField.set_width_chars(28);
    Gtk::Label placeCounter(PlaceNameCounterText(initial.placeName));
    placeCounter.set_xalign(0);
    Gtk::Entry longitudeField, latitudeField, zoneField;
    longitudeField.set_text(initial.longitudeText);
    latitudeField.set_text(initial.latitudeText);
    zoneField.set_text(initial.timeZoneText);
    OptionPair longitudeSide("Ost", "West", initial.longitudeEast);
    OptionPair latitudeSide("Nord", "Süd", initial.latitudeNorth);
    OptionPair zoneSide("Ost", "West", initial.timeZoneEast);
    Gtk::CheckButton summerTime("Sommerzeit automatisch");
    summerTime.set_active(initial.autoSummerTime);
    g->attach(*NewLabel("Name:"), 0, 0);
    g->attach(placeField, 1, 0, 2, 1);
    g->attach(placeCounter, 3, 0, 2, 1);
    struct { const char* label; Gtk::Entry* field; OptionPair* side; } rows[] = {
        {"Länge:", &longitudeField, &longitudeSide},
        {"Breite:", &latitudeField, &latitudeSide},
        {"Zeitzone:", &zoneField, &zoneSide},
    };
    for (int i = 0; i < 3; ++i) {
        rows[i].field->set_width_chars(8);
        g->attach(*NewLabel(rows[i].label), 0, i + 1);
        g->attach(*rows[i].field, 1, i + 1);
        g->attach(rows[i].side->first, 2, i + 1);
        g->attach(rows[i].side->second, 3, i + 1);
    }
    g->attach(summerTime, 0, 4, 4, 1);

    // Bildschirmausgabe.
    column.pack_start(*NewGroup("Bildschirmausgabe", g, u, r), false, false);
    Gtk::RadioButton civil("bürgerlich"), nautical("nautisch"), astronomical("astronomisch");
    nautical.join_group(civil);
    astronomical.join_group(civil);
    Gtk::RadioButton* twilight[3] = {&civil, &nautical, &astronomical};
    twilight[initial.twilightKind]->set_active(true);
    Gtk::CheckButton moonPhases("Mondphasen anzeigen");
    Gtk::CheckButton distances("Mondferne und Mondnähe anzeigen");
    Gtk::CheckButton weekNumbers("Wochennummer anzeigen");
    Gtk::CheckButton schoolHolidays("Schulferien anzeigen");
    moonPhases.set_active(initial.showMoonPhases);
    distances.set_active(initial.showPerihelionAphelion);
    weekNumbers.set_active(initial.showWeekNumbers);
    schoolHolidays.set_active(initial.showSchoolHolidays);
    g->attach(*NewLabel("Dämmerung:"), 0, 0);
    g->attach(civil, 1, 0);
    g->attach(nautical, 2, 0);
    g->attach(astronomical, 3, 0);
    g->attach(moonPhases, 0, 1, 4, 1);
    g->attach(distances, 0, 2, 4, 1);
    g->attach(weekNumbers, 0, 3, 4, 1);
    g->attach(schoolHolidays, 0, 4, 4, 1);

    // Blockurlaubsberechnung.
    column.pack_start(*NewGroup("Blockurlaubsberechnung", g, u, r), false, false);
    const int vacationYear = state.ShownVacationYear();
    DateField startField(false, DateFieldRange{});
    startField.SetDate(CivilDate{vacationYear, initial.vacationStartMonth, initial.vacationStartDay});
    startField.set_width_chars(8);
    Gtk::Button resetButton("Urlaub zurücksetzen");
    resetButton.set_tooltip_text("Die Werte der Urlaubsberechnung auf die Programmeinstellungen zurücksetzen");
    Gtk::ComboBoxText orderList;
    for (const std::string& entry : VacationOrderEntries(vacationYear)) orderList.append(entry);
    orderList.set_active(initial.vacationOrderIndex);
    g->attach(*NewLabel("Frühester Urlaubsbeginn:"), 0, 0);
    g->attach(startField, 1, 0);
    g->attach(resetButton, 2, 0);
    g->attach(*NewLabel("Reihenfolge der Schichten:"), 0, 1);
    g->attach(orderList, 1, 1, 2, 1);

    // Stundenberechnung.
    column.pack_start(*NewGroup("Stundenberechnung", g, u, r), false, false);
    Gtk::Entry hours38Field, hours40Field;
    hours38Field.set_text(initial.hours38Text);
    hours40Field.set_text(initial.hours40Text);
    hours38Field.set_width_chars(10);
    hours40Field.set_width_chars(10);
    g->attach(*NewLabel("Sollstunden bei einer 38 Stundenwoche:"), 0, 0);
    g->attach(hours38Field, 1, 0);
    g->attach(*NewLabel("Sollstunden bei einer 40 Stundenwoche:"), 0, 1);
    g->attach(hours40Field, 1, 1);

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
    bool puttingBack = false;
    placeField.signal_changed().connect([&] {
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
    // Coordinates and the time zone are read and written back on leaving.
    longitudeField.signal_focus_out_event().connect([&](GdkEventFocus*) {
        longitudeField.set_text(NormalizeCoordinateField(longitudeField.get_text().raw(), kLongitudeLimit));
        return false;
    });
    latitudeField.signal_focus_out_event().connect([&](GdkEventFocus*) {
        latitudeField.set_text(NormalizeCoordinateField(latitudeField.get_text().raw(), kLatitudeLimit));
        return false;
    });
    zoneField.signal_focus_out_event().connect([&](GdkEventFocus*) {
        zoneField.set_text(NormalizeTimeZoneField(zoneField.get_text().raw()));
        return false;
    });
    resetButton.signal_clicked().connect([&] {
        SettingsForm f;
        ResetVacationControls(f);
        startField.SetDate(CivilDate{vacationYear, f.vacationStartMonth, f.vacationStartDay});
        orderList.set_active(f.vacationOrderIndex);
    });
    infoButton.signal_clicked().connect([&] {
        WindowContext over{state, window, context.host, context.units};
        ShowHelpText(over, helptitle::kSettings);
    });
    bool saved = false;
    saveButton.signal_clicked().connect([&] {
        saved = true;
        window.response(Gtk::RESPONSE_OK);
    });
    cancelButton.signal_clicked().connect([&] { window.response(Gtk::RESPONSE_CANCEL); });

    UseProgramFont(column, state.FontDescription());
    column.show_all();
    placeField.grab_focus();
    window.run();
    window.hide();
    if (!saved) return true;

    SettingsForm form;
    form.placeName = settings.placeName;
    form.longitudeText = longitudeField.get_text().raw();
    form.longitudeEast = longitudeSide.first.get_active();
    form.latitudeText = latitudeField.get_text().raw();
    form.latitudeNorth = latitudeSide.first.get_active();
    form.timeZoneText = zoneField.get_text().raw();
    form.timeZoneEast = zoneSide.first.get_active();
    form.autoSummerTime = summerTime.get_active();
    form.twilightKind = nautical.get_active() ? 1 : astronomical.get_active() ? 2 : 0;
    form.showMoonPhases = moonPhases.get_active();
    form.showPerihelionAphelion = distances.get_active();
    form.showWeekNumbers = weekNumbers.get_active();
    form.showSchoolHolidays = schoolHolidays.get_active();
    const CivilDate start = startField.Date();
    form.vacationStartMonth = start.month;
    form.vacationStartDay = start.day;
    form.vacationOrderIndex = std::max(0, orderList.get_active_row_number());
    form.hours38Text = hours38Field.get_text().raw();
    form.hours40Text = hours40Field.get_text().raw();
    ApplySettingsForm(form, vacationYear, settings, state.vacationTables);
    SaveSettings(settings, state.session.baseDataDirectory);
    TakeSettings(state.sources, settings);
    return true;
}

}  // namespace sk
