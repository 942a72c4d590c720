#include "settings/gtk/PhoneExportWindow.h"

#include <ctime>

#include "accounting/RemainingVacation.h"
#include "ical/PhoneExport.h"
#include "ui/DateField.h"
#include "ui/MessageBox.h"
#include "ui/ModalWindow.h"
#include "ui/ProgramStyle.h"
#include "ui/WorkArea.h"

namespace sk {

bool OpenPhoneExportWindow(WindowContext& context) {
    AppState& state = context.state;
    const int thisYear = LocalToday().year;
    AccountFiles& accounts = state.accounts.For(state.userDataFolder);
    LoadAccountFiles(state.userDataFolder, accounts, thisYear);
    PhoneExportForm form =
        DefaultPhoneExportForm(state.settings.calendarType, accounts.hours.homeCrew, thisYear, Glib::get_home_dir(),
                               state.OwnPlan());
    if (form.crewNames.empty()) {
        ShowMessage(&context.parent, message_titles::kInformation,
                    "Es ist noch kein eigener Schichtplan festgelegt (Programm - Eigener Schichtplan).");
        return false;
    }

    ModalWindow window(&context.parent, kPhoneExportTitle, context.units, 46, 15);
    Gtk::Label crewLabel("Schicht:", Gtk::ALIGN_START);
    Gtk::ComboBoxText crew;
    for (const std::string& name : form.crewNames) crew.append(name);
    crew.set_active(form.crew);
    Gtk::Label fromLabel("Von:", Gtk::ALIGN_START);
    Gtk::Label toLabel("Bis:", Gtk::ALIGN_START);
    DateField from(true, DateFieldRange{});
    DateField to(true, DateFieldRange{});
    from.SetFieldName("Von");
    to.SetFieldName("Bis");
    from.SetDate(CivilOf(form.from));
    to.SetDate(CivilOf(form.to));
    Gtk::CheckButton vacation("Urlaubsblock");
    vacation.set_active(form.vacationBlock);
    vacation.set_tooltip_text("Die Urlaubsblocktage der Schicht als ganztägige Termine");
    Gtk::CheckButton marks("Schichtmarkierungen");
    marks.set_active(form.marks);
    marks.set_tooltip_text("Die eigenen Schichtmarkierungen (Urlaub, Krank, ...) als ganztägige Termine");
    Gtk::Label fileLabel("Datei:", Gtk::ALIGN_START);
    Gtk::Entry file;
    file.set_text(form.path);
    Gtk::Button browse("Wählen...");
    Gtk::Button save("Speichern");
    Gtk::Button cancel("Abbruch");

    // A new crew or year gives the file its default name, in the folder chosen.
    auto renameFile = [&] {
        const std::string path = file.get_text();
        const std::string dir = Glib::path_get_dirname(path);
        const int index = std::max(0, crew.get_active_row_number());
        file.set_text(Glib::build_filename(dir, PhoneExportFileName(form.crewNames[index], from.Date().year)));
    };
    crew.signal_changed().connect(renameFile);
    browse.signal_clicked().connect([&] {
        Gtk::FileChooserDialog chooser(window, "Zieldatei wählen", Gtk::FILE_CHOOSER_ACTION_SAVE);
        KeepInWorkArea(chooser);
        chooser.add_button("Abbruch", Gtk::RESPONSE_CANCEL);
        chooser.add_button("Auswählen", Gtk::RESPONSE_OK);
        chooser.set_do_overwrite_confirmation(true);
        chooser.set_current_folder(Glib::path_get_dirname(file.get_text()));
        chooser.set_current_name(Glib::path_get_basename(file.get_text()));
        if (chooser.run() == Gtk::RESPONSE_OK) file.set_text(chooser.get_filename());
    });
    save.signal_clicked().connect([&] { window.response(Gtk::RESPONSE_OK); });
    cancel.signal_clicked().connect([&] { window.response(Gtk::RESPONSE_CANCEL); });

    window.Place(crewLabel, 1, 1, 8, 1.5);
    window.Place(crew, 10, 1, 18, 1.5);
    window.Place(fromLabel, 1, 3, 8, 1.5);
    window.Place(from, 10, 3, 14, 1.5);
    window.Place(toLabel, 25, 3, 4, 1.5);
    window.Place(to, 30, 3, 14, 1.5);
    window.Place(vacation, 10, 5, 18, 1.5);
    window.Place(marks, 10, 7, 18, 1.5);
    window.Place(fileLabel, 1, 9, 8, 1.5);
    window.Place(file, 10, 9, 25, 1.5);
    window.Place(browse, 36, 9, 9, 1.5);
    window.Place(save, 10, 12, 12, 1.8);
    window.Place(cancel, 24, 12, 12, 1.8);
    for (Gtk::Widget* w : std::initializer_list<Gtk::Widget*>{&crewLabel, &crew, &fromLabel, &from, &toLabel, &to,
                                                                &vacation, &marks, &fileLabel, &file, &browse, &save,
                                                                &cancel})
        w->show();
    UseProgramFont(window);
    save.grab_focus();

    PlanIcsRequest base;
    base.calendarType = state.settings.calendarType;
    base.vacationStartMonth = state.sources.vacationStartMonth;
    base.vacationStartDay = state.sources.vacationStartDay;
    base.vacationOrder = state.vacationTables;
    base.marks = &state.shiftMarks;
    base.ownPlan = state.OwnPlan();
    while (window.run() == Gtk::RESPONSE_OK) {
        form.crew = std::max(0, crew.get_active_row_number());
        if (!from.Checked() || !to.Checked()) continue;
        const CivilDate a = from.Date(), b = to.Date();
        form.from = DayNumberOf(a.year, a.month, a.day);
        form.to = DayNumberOf(b.year, b.month, b.day);
        form.vacationBlock = vacation.get_active();
        form.marks = marks.get_active();
        form.path = file.get_text();
        const std::string error = WritePhoneExport(form, base, static_cast<DateValue>(std::time(nullptr)));
        if (!error.empty()) {
            ShowMessage(&window, message_titles::kError, error);
            continue;
        }
        window.hide();
        ShowMessage(&context.parent, message_titles::kInformation, PhoneExportDoneText(form.path));
        return false;
    }
    return false;
}

}  // namespace sk
