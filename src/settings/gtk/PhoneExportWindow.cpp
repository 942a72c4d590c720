#include "settings/gtk/PhoneExportWindow.h"

#include <ctime>

#include "accounting/RemainingVacation.h"
#include "ical/PhoneExport.h"
#include "ui/DateField.h"
#include "ui/MessageBox.h"
#include "ui/ModalWindow.h"
#include "ui/ProgramStyle.h"
#include "ui/WorkArea.h"
#include "ui/Accessible.h"

namespace sk {

bool OpenPhoneExportWindow(WindowContext& context) {
    AppState& state = context.state;
    const DayContext today = LocalToday();
    AccountFiles& accounts = state.accounts.For(state.userDataFolder);
    LoadAccountFiles(state.userDataFolder, accounts, today.year);
    const int type = state.settings.calendarType;
    PhoneExportForm form =
        DefaultPhoneExportForm(type, accounts.hours.homeCrew, today.dayNumber, Glib::get_home_dir(), state.OwnPlan());
    if (form.crewNames.empty()) {
        ShowMessage(&context.parent, message_titles::kInformation,
                    "Es ist noch kein eigener Schichtplan festgelegt (Programm - Eigener Schichtplan).");
        return false;
    }

    ModalWindow window(&context.parent, kPhoneExportTitle, context.units, 60, 17);
    Gtk::Label crewLabel("Schicht:", Gtk::ALIGN_START);
    Gtk::ComboBoxText crew;
    for (const std::string& name : form.crewNames) crew.append(name);
    crew.set_active(form.crew);
    // Named by their labels: a drop-down otherwise reads out its entry only.
    NameForScreenReaders(crew, "Schicht");
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
    Gtk::Label alarmLabel("Erinnerung vor Schichtbeginn:", Gtk::ALIGN_START);
    Gtk::ComboBoxText alarm;
    for (const AlarmChoice& choice : kAlarmChoices) alarm.append(choice.text);
    alarm.set_active(0);
    NameForScreenReaders(alarm, "Erinnerung vor Schichtbeginn");
    alarm.set_tooltip_text("Das Handy erinnert so lange vor jeder Schicht an sie; an freien Tagen nicht");
    Gtk::Label fileLabel("Datei:", Gtk::ALIGN_START);
    Gtk::Entry file;
    file.set_text(form.path);
    NameForScreenReaders(file, "Datei");
    Gtk::Button browse("Wählen...");
    Gtk::Button save("Speichern");
    Gtk::Button cancel("Abbruch");

    auto readForm = [&] {
        form.crew = std::max(0, crew.get_active_row_number());
        const CivilDate a = from.Date(), b = to.Date();
        form.from = DayNumberOf(a.year, a.month, a.day);
        form.to = DayNumberOf(b.year, b.month, b.day);
    };
    // The user's marks belong in the home crew's file only: for another crew
    // the box is off and says why.
    auto showMarks = [&] {
        const bool own = PhoneExportTakesMarks(form, type);
        marks.set_sensitive(own);
        marks.set_active(own && form.marks);
        marks.set_tooltip_text(own ? "Die eigenen Schichtmarkierungen: Urlaub, Krank und Freizeit nehmen die Schicht "
                                     "des Tages heraus, ein X an einem freien Tag wird zur Schicht, die anderen "
                                     "als ganztägige Termine"
                                   : PhoneExportMarksHint(form));
    };
    marks.signal_toggled().connect([&] {
        if (marks.get_sensitive()) form.marks = marks.get_active();
    });
    // The file keeps following crew and range until the user names another.
    std::string proposed = form.path;
    auto followChoices = [&] {
        readForm();
        showMarks();
        if (file.get_text() != proposed) return;
        const std::string dir = Glib::path_get_dirname(proposed);
        proposed = Glib::build_filename(dir, PhoneExportFileName(form.crewNames[static_cast<std::size_t>(form.crew)],
                                                                 form.from, form.to));
        file.set_text(proposed);
    };
    crew.signal_changed().connect(followChoices);
    // A date is read when its field is left (reading it while typed would
    // make a half-typed date real under the user's fingers), and at saving.
    for (DateField* field : {&from, &to})
        field->signal_focus_out_event().connect([&](GdkEventFocus*) {
            followChoices();
            return false;
        });
    showMarks();
    // The end of a long path is its file name: keep that in view.
    file.signal_changed().connect([&] {
        file.set_position(-1);
        file.set_tooltip_text(file.get_text());
    });
    file.set_position(-1);
    file.set_tooltip_text(form.path);
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

    // Labels in one column, the choices in the next; each label at the
    // left edge of its place.
    for (Gtk::Label* label : {&crewLabel, &fromLabel, &toLabel, &alarmLabel, &fileLabel}) {
        label->set_xalign(0.0f);
        label->set_yalign(0.5f);
    }
    window.Place(crewLabel, 1, 1, 8, 1.5);
    window.Place(crew, 10, 1, 18, 1.5);
    window.Place(fromLabel, 1, 3, 8, 1.5);
    window.Place(from, 10, 3, 14, 1.5);
    window.Place(toLabel, 26, 3, 4, 1.5);
    window.Place(to, 31, 3, 14, 1.5);
    window.Place(vacation, 10, 5, 20, 1.5);
    window.Place(marks, 10, 7, 24, 1.5);
    window.Place(alarmLabel, 10, 9, 24, 1.5);
    window.Place(alarm, 35, 9, 16, 1.5);
    window.Place(fileLabel, 1, 11, 8, 1.5);
    // The path has the window's width to itself, the folder chooser goes below it.
    window.Place(file, 10, 11, 49, 1.5);
    window.Place(browse, 49, 14, 10, 1.8);
    window.Place(save, 10, 14, 12, 1.8);
    window.Place(cancel, 24, 14, 12, 1.8);
    for (Gtk::Widget* w : std::initializer_list<Gtk::Widget*>{&crewLabel, &crew, &fromLabel, &from, &toLabel, &to,
                                                                &vacation, &marks, &alarmLabel, &alarm, &fileLabel,
                                                                &file, &browse, &save, &cancel})
        w->show();
    UseProgramFont(window);
    AcceptOnReturn(window, save);
    save.grab_focus();

    PlanIcsRequest base;
    base.calendarType = type;
    base.vacationStartMonth = state.sources.vacationStartMonth;
    base.vacationStartDay = state.sources.vacationStartDay;
    base.vacationOrder = state.vacationTables;
    base.marks = &state.shiftMarks;
    base.ownPlan = state.OwnPlan();
    base.region = state.settings.region;
    while (window.run() == Gtk::RESPONSE_OK) {
        if (!from.Checked() || !to.Checked()) continue;
        followChoices();
        form.vacationBlock = vacation.get_active();
        form.marks = marks.get_sensitive() && marks.get_active();
        form.alarmMinutes = kAlarmChoices[std::clamp(alarm.get_active_row_number(), 0,
                                                     static_cast<int>(std::size(kAlarmChoices)) - 1)]
                                .minutes;
        form.path = file.get_text();
        if (Glib::file_test(form.path, Glib::FILE_TEST_EXISTS) &&
            !AskQuestion(&window, PhoneExportReplaceQuestion(form.path)))
            continue;
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
