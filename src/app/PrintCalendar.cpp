#include "app/PrintCalendar.h"

#include <glib.h>

#include "ui/MessageBox.h"
#include "view/PaperPages.h"

namespace sk {

namespace {

// The dialog's choices (printer, copies, file) stay for the next print of this run.
Glib::RefPtr<Gtk::PrintSettings>& KeptSettings() {
    static Glib::RefPtr<Gtk::PrintSettings> settings;
    return settings;
}

}  // namespace

bool PrintCalendar(WindowContext& context) {
    const AppState& state = context.state;
    const int type = state.settings.calendarType;
    const std::string typeName =
        type == kOwnPlanCalendarType && state.OwnPlan() ? state.OwnPlan()->name : CalendarTypeInfoOf(type).label;
    const bool halfYearPage = state.HalfYearView();
    const PrintJob job = PrintJobOf(state.view, state.Grid(), type, halfYearPage, typeName);
    const OwnShiftPlan* ownPlan = type == kOwnPlanCalendarType ? state.OwnPlan() : nullptr;
    auto operation = Gtk::PrintOperation::create();
    operation->set_job_name(job.name);
    operation->set_n_pages(job.PageCount());
    operation->set_unit(Gtk::UNIT_POINTS);
    auto setup = Gtk::PageSetup::create();
    setup->set_paper_size(Gtk::PaperSize(Gtk::PAPER_NAME_A4));
    setup->set_orientation(Gtk::PAGE_ORIENTATION_LANDSCAPE);
    operation->set_default_page_setup(setup);
    if (!KeptSettings()) KeptSettings() = Gtk::PrintSettings::create();
    // "Print to file" writes a PDF named after what is printed into the home folder.
    const std::string path = Glib::build_filename(Glib::get_home_dir(), job.fileName);
    KeptSettings()->set(Gtk::PrintSettings::Keys::OUTPUT_URI, Glib::filename_to_uri(path));
    KeptSettings()->set(Gtk::PrintSettings::Keys::OUTPUT_FILE_FORMAT, "pdf");
    operation->set_print_settings(KeptSettings());

    const PaintOptions options = state.Options();
    const std::string font = state.FontDescription();
    operation->signal_draw_page().connect([&](const Glib::RefPtr<Gtk::PrintContext>& print, int page) {
        const Cairo::RefPtr<Cairo::Context> cr = print->get_cairo_context();
        const PaperArea area{0, 0, print->get_width(), print->get_height()};
        // White paper, whatever the screen's background.
        cr->save();
        cr->set_source_rgb(1, 1, 1);
        cr->rectangle(area.x, area.y, area.width, area.height);
        cr->fill();
        cr->restore();
        CoreCalendarData data(state.sources);
        if (job.halfYear) {
            PaintHalfYearOnPaper(cr, area, job.halfYearMonth, job.halfYearYear, data, ownPlan);
        } else {
            MonthSheet sheet = job.sheets[static_cast<std::size_t>(page)];
            sheet.fontDescription = font;
            sheet.options = options;
            sheet.ownPlan = ownPlan;
            PaintMonthsOnPaper(cr, area, sheet, data);
        }
    });

    try {
        const Gtk::PrintOperationResult result =
            operation->run(Gtk::PRINT_OPERATION_ACTION_PRINT_DIALOG, context.parent);
        if (result == Gtk::PRINT_OPERATION_RESULT_APPLY) KeptSettings() = operation->get_print_settings();
    } catch (const Glib::Error& e) {
        ShowMessage(&context.parent, message_titles::kError, "Der Kalender ließ sich nicht drucken: " + e.what());
    }
    return false;
}

}  // namespace sk
