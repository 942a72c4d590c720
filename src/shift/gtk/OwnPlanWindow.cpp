#include "shift/gtk/OwnPlanWindow.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "base/Latin1.h"

#include "help/HelpTexts.h"
#include "help/gtk/HelpTextWindow.h"
#include "shift/OwnPlanForm.h"
#include "shift/OwnShiftPlanFile.h"
#include "ui/Accessible.h"
#include "ui/DateField.h"
#include "ui/FormParts.h"
#include "ui/MessageBox.h"
#include "ui/ProgramStyle.h"
#include "ui/WorkArea.h"
#include "view/Canvas.h"

namespace sk {

namespace {

constexpr const char* kCountedHolidayTexts[] = {"wie bei den festen Plänen", "alle gesetzlichen Feiertage",
                                                "keine"};
constexpr const char* kShowPlanNow = "Der eigene Schichtplan ist gespeichert. Soll der Kalender ihn jetzt zeigen?";
constexpr const char* kPreviewTitle = "Die ersten vier Wochen";
constexpr const char* kWeekdayLetters = "MDMDFSS";

Gdk::RGBA RgbaOf(std::int32_t colour) {
    Gdk::RGBA rgba;
    rgba.set_rgba_u(static_cast<gushort>((colour & 0xFF) * 257), static_cast<gushort>(((colour >> 8) & 0xFF) * 257),
                    static_cast<gushort>(((colour >> 16) & 0xFF) * 257));
    return rgba;
}

std::int32_t ColourOf(const Gdk::RGBA& rgba) {
    return (rgba.get_red_u() / 257) | ((rgba.get_green_u() / 257) << 8) | ((rgba.get_blue_u() / 257) << 16);
}

struct KindRow {
    Gtk::CheckButton used;
    Gtk::Entry start, end, paid;
};

struct CrewRow {
    Gtk::Label number;
    Gtk::Entry name;
    Gtk::ColorButton colour;
    Gtk::Entry offset;
};

// Everything on screen; `form` is what the controls say, `check` its plan.
class OwnPlanEditor {
public:
    // `damaged`: the plan file could not be read whole; the form holds what
    // could be read, and saving over the file asks first.
    OwnPlanEditor(WindowContext& context, OwnPlanForm form, OwnPlanReadResult damaged = {})
        : context_(context), form_(std::move(form)), damaged_(std::move(damaged)) {}

    bool Run();

private:
    Gtk::Widget& BuildKinds(int u, int r);
    Gtk::Widget& BuildCycle(int u, int r);
    Gtk::Widget& BuildCrews(int u, int r);
    Gtk::Widget& BuildHolidays(int u, int r);
    void ShowForm();     // form -> controls
    void Changed();      // after any edit: check, preview, findings
    bool PaintPreview(const Cairo::RefPtr<Cairo::Context>& cr);
    void Save(bool& saved);
    // The control that holds the value of a line of the plan file ("Zyklus = ..."), or none.
    Gtk::Widget* FieldOfLine(const std::string& line);

    WindowContext& context_;
    OwnPlanForm form_;
    OwnPlanReadResult damaged_;
    OwnPlanFormCheck check_;
    bool showing_ = false;  // controls are being set from the form

    Gtk::Dialog window_{kOwnPlanWindowTitle, context_.parent, true};
    Gtk::Entry nameField_;
    std::array<KindRow, kShiftKindCount> kinds_;
    Gtk::Entry cycleField_;
    DateField startField_{true, DateFieldRange{}};
    Gtk::Entry targetField_;
    Glib::RefPtr<Gtk::Adjustment> crewAdjustment_ = Gtk::Adjustment::create(1, 1, kMaxOwnCrews, 1, 1, 0);
    Gtk::SpinButton crewCount_{crewAdjustment_};
    Gtk::Button spreadButton_{"Versatz verteilen"};
    std::array<CrewRow, kMaxOwnCrews> crews_;
    Gtk::CheckButton holidaysField_{"An Feiertagen arbeiten (durchgehender Betrieb)"};
    Gtk::ComboBoxText countedField_;
    Gtk::DrawingArea preview_;
    Gtk::Label findings_;
    Gtk::Label damage_;
    Gtk::Button saveButton_{"Speichern"}, infoButton_{"Info"}, cancelButton_{"Abbruch"};
};

Gtk::Widget& OwnPlanEditor::BuildKinds(int u, int r) {
    Gtk::Grid* g = nullptr;
    Gtk::Frame* frame = NewGroup("Schichtarten", g, u, r);
    g->attach(*NewLabel("Beginn"), 1, 0);
    g->attach(*NewLabel("Ende"), 2, 0);
    g->attach(*NewLabel("bezahlte Stunden"), 3, 0);
    for (int k = 0; k < kShiftKindCount; ++k) {
        KindRow& row = kinds_[k];
        const std::string name = kShiftKindNames[k];
        row.used.set_label(name + " (" + kShiftKindLetters[k] + ")");
        row.used.set_tooltip_text("Der Plan verwendet die Schicht " + name);
        for (Gtk::Entry* e : {&row.start, &row.end, &row.paid}) e->set_width_chars(6);
        NameForScreenReaders(row.start, name + " Beginn");
        NameForScreenReaders(row.end, name + " Ende");
        NameForScreenReaders(row.paid, name + " bezahlte Stunden");
        row.paid.set_tooltip_text("Bezahlte Stunden der Schicht, z. B. 8, 7:30 oder 7,5");
        g->attach(row.used, 0, k + 1);
        g->attach(row.start, 1, k + 1);
        g->attach(row.end, 2, k + 1);
        g->attach(row.paid, 3, k + 1);
        row.used.signal_toggled().connect([this, k] {
            if (showing_) return;
            form_.kinds[k].used = kinds_[k].used.get_active();
            Changed();
        });
        auto times = [this, k] {
            if (showing_) return;
            const std::string oldPaid = form_.kinds[k].paid;
            SetKindTimes(form_, k, kinds_[k].start.get_text().raw(), kinds_[k].end.get_text().raw());
            if (form_.kinds[k].paid != oldPaid) {
                showing_ = true;
                kinds_[k].paid.set_text(form_.kinds[k].paid);
                showing_ = false;
            }
            Changed();
        };
        row.start.signal_changed().connect(times);
        row.end.signal_changed().connect(times);
        row.paid.signal_changed().connect([this, k] {
            if (showing_) return;
            form_.kinds[k].paid = kinds_[k].paid.get_text().raw();
            Changed();
        });
    }
    return *frame;
}

Gtk::Widget& OwnPlanEditor::BuildCycle(int u, int r) {
    Gtk::Grid* g = nullptr;
    Gtk::Frame* frame = NewGroup("Schichtfolge", g, u, r);
    g->attach(*NewLabel("Name des Plans:"), 0, 0);
    g->attach(nameField_, 1, 0, 3, 1);
    nameField_.set_width_chars(30);
    NameForScreenReaders(nameField_, "Name des Plans");
    g->attach(*NewLabel("Zyklus:"), 0, 1);
    g->attach(cycleField_, 1, 1, 3, 1);
    cycleField_.set_width_chars(30);
    cycleField_.set_tooltip_text("Ein Buchstabe je Tag: F Früh, S Spät, N Nacht, T Tag, - frei (1 bis 84 Tage)");
    NameForScreenReaders(cycleField_, "Zyklus");
    g->attach(*NewLabel("Zyklusbeginn:"), 0, 2);
    g->attach(startField_, 1, 2);
    startField_.set_width_chars(11);
    startField_.set_tooltip_text("Der erste Tag des Zyklus für eine Schicht mit Versatz 0");
    NameForScreenReaders(startField_, "Zyklusbeginn");
    g->attach(*NewLabel("Anzahl Schichten:"), 2, 2);
    g->attach(crewCount_, 3, 2);
    crewCount_.set_numeric(true);
    NameForScreenReaders(crewCount_, "Anzahl Schichten");
    g->attach(*NewLabel("Sollstunden im Jahr:"), 0, 3);
    g->attach(targetField_, 1, 3);
    targetField_.set_width_chars(11);
    targetField_.set_placeholder_text("aus dem Plan");
    targetField_.set_tooltip_text(
        "Die Sollstunden der Jahresstunden, z. B. 1982,76; leer: die bezahlten Stunden der Schichten im Jahr");
    NameForScreenReaders(targetField_, "Sollstunden im Jahr");
    startField_.SetFieldName("Zyklusbeginn");
    targetField_.signal_changed().connect([this] {
        if (showing_) return;
        form_.yearlyTarget = targetField_.get_text().raw();
        Changed();
    });

    nameField_.signal_changed().connect([this] {
        if (showing_) return;
        form_.name = nameField_.get_text().raw();
        Changed();
    });
    cycleField_.signal_changed().connect([this] {
        if (showing_) return;
        SetCycle(form_, cycleField_.get_text().raw());
        ShowForm();
        Changed();
    });
    startField_.signal_changed().connect([this] {
        if (showing_) return;
        // The plan follows the field only with a real date; anything else
        // is an error of the plan until it is one, never another date.
        const std::string text = startField_.get_text().raw();
        if (auto date = startField_.Peek()) {
            form_.cycleStart = DayNumberOf(date->year, date->month, date->day);
            form_.cycleStartError.clear();
        } else {
            form_.cycleStartError = DateRefusalText("Zyklusbeginn", text, true, DateFieldRange{});
        }
        Changed();
    });
    crewCount_.signal_value_changed().connect([this] {
        if (showing_) return;
        SetCrewCount(form_, crewCount_.get_value_as_int());
        ShowForm();
        Changed();
    });
    return *frame;
}

Gtk::Widget& OwnPlanEditor::BuildCrews(int u, int r) {
    Gtk::Grid* g = nullptr;
    Gtk::Frame* frame = NewGroup("Schichten", g, u, r);
    g->attach(*NewLabel("Name"), 1, 0);
    g->attach(*NewLabel("Farbe"), 2, 0);
    g->attach(*NewLabel("Versatz (Tage)"), 3, 0);
    for (int k = 0; k < kMaxOwnCrews; ++k) {
        CrewRow& row = crews_[k];
        const std::string who = "Schicht " + std::to_string(k + 1);
        row.number.set_text(who + ":");
        row.number.set_xalign(0);
        row.name.set_width_chars(16);
        row.offset.set_width_chars(4);
        row.offset.set_tooltip_text("Um so viele Tage später beginnt diese Schicht den Zyklus");
        row.colour.set_title("Farbe von " + who);
        NameForScreenReaders(row.name, who + " Name");
        NameForScreenReaders(row.colour, who + " Farbe");
        NameForScreenReaders(row.offset, who + " Versatz");
        g->attach(row.number, 0, k + 1);
        g->attach(row.name, 1, k + 1);
        g->attach(row.colour, 2, k + 1);
        g->attach(row.offset, 3, k + 1);
        row.name.signal_changed().connect([this, k] {
            if (showing_ || k >= static_cast<int>(form_.crews.size())) return;
            form_.crews[k].name = crews_[k].name.get_text().raw();
            Changed();
        });
        row.colour.signal_color_set().connect([this, k] {
            if (showing_ || k >= static_cast<int>(form_.crews.size())) return;
            form_.crews[k].colour = ColourOf(crews_[k].colour.get_rgba());
            Changed();
        });
        row.offset.signal_changed().connect([this, k] {
            if (showing_) return;
            SetCrewOffset(form_, k, crews_[k].offset.get_text().raw());
            Changed();
        });
    }
    g->attach(spreadButton_, 3, kMaxOwnCrews + 1);
    spreadButton_.set_tooltip_text("Verteilt die Schichten gleichmäßig über den Zyklus");
    spreadButton_.signal_clicked().connect([this] {
        SpreadOffsets(form_);
        ShowForm();
        Changed();
    });
    return *frame;
}

Gtk::Widget& OwnPlanEditor::BuildHolidays(int u, int r) {
    Gtk::Grid* g = nullptr;
    Gtk::Frame* frame = NewGroup("Feiertage", g, u, r);
    g->attach(holidaysField_, 0, 0, 2, 1);
    holidaysField_.set_tooltip_text("Ohne Haken haben an gesetzlichen Feiertagen alle Schichten frei");
    g->attach(*NewLabel("Feiertage für die Konten:"), 0, 1);
    for (const char* text : kCountedHolidayTexts) countedField_.append(text);
    countedField_.set_tooltip_text("An welchen Feiertagen Urlaub und Freizeit nichts zählen");
    NameForScreenReaders(countedField_, "Feiertage für die Konten");
    g->attach(countedField_, 1, 1);
    holidaysField_.signal_toggled().connect([this] {
        if (showing_) return;
        form_.workOnHolidays = holidaysField_.get_active();
        Changed();
    });
    countedField_.signal_changed().connect([this] {
        if (showing_ || countedField_.get_active_row_number() < 0) return;
        form_.countedHolidays = static_cast<CountedHolidayRule>(countedField_.get_active_row_number());
        Changed();
    });
    return *frame;
}

void OwnPlanEditor::ShowForm() {
    showing_ = true;
    // A field the user types in keeps its text (and cursor) as long as it
    // says the same.
    auto put = [](Gtk::Entry& e, const std::string& text) {
        if (e.get_text().raw() != text) e.set_text(text);
    };
    put(nameField_, form_.name);
    put(targetField_, form_.yearlyTarget);
    for (int k = 0; k < kShiftKindCount; ++k) {
        kinds_[k].used.set_active(form_.kinds[k].used);
        put(kinds_[k].start, form_.kinds[k].start);
        put(kinds_[k].end, form_.kinds[k].end);
        put(kinds_[k].paid, form_.kinds[k].paid);
    }
    if (NormalisedCycleText(cycleField_.get_text().raw()) != form_.cycle) {
        cycleField_.set_text(form_.cycle);
        cycleField_.set_position(-1);
    }
    const int count = static_cast<int>(form_.crews.size());
    crewCount_.set_value(count);
    for (int k = 0; k < kMaxOwnCrews; ++k) {
        CrewRow& row = crews_[k];
        const bool shown = k < count;
        for (Gtk::Widget* w : std::initializer_list<Gtk::Widget*>{&row.number, &row.name, &row.colour, &row.offset})
            w->set_visible(shown);
        if (!shown) continue;
        put(row.name, form_.crews[k].name);
        row.colour.set_rgba(RgbaOf(form_.crews[k].colour));
        put(row.offset, form_.crews[k].offset);
    }
    holidaysField_.set_active(form_.workOnHolidays);
    countedField_.set_active(static_cast<int>(form_.countedHolidays));
    showing_ = false;
}

void OwnPlanEditor::Changed() {
    check_ = CheckOwnPlanForm(form_);
    findings_.set_text(FindingsText(check_.findings));
    auto style = findings_.get_style_context();
    style->remove_class("sk-plan-error");
    if (!check_.Usable()) style->add_class("sk-plan-error");
    saveButton_.set_sensitive(check_.Usable());
    preview_.queue_draw();
}

bool OwnPlanEditor::PaintPreview(const Cairo::RefPtr<Cairo::Context>& cr) {
    const Units units = context_.units;
    const int u = units.u, r = units.r;
    const OwnShiftPlan& plan = check_.plan;
    std::string cycleError;
    const bool drawable = IsValidCycleText(plan.cycle, cycleError) && !plan.crews.empty();
    const DayNumber first = PreviewFirstDay(plan);
    const OwnPlanPreview preview = drawable ? PreviewOwnPlan(plan, first) : OwnPlanPreview{first, {}, {}};
    const int nameWidth = 12 * u;
    const int cell = std::max(3 * u, r);
    const int width = preview_.get_allocated_width(), height = preview_.get_allocated_height();
    if (width <= 0 || height <= 0) return true;
    auto surface = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, width, height);
    Canvas canvas(surface, context_.state.ScreenFontDescription());
    canvas.FillRect(0, 0, width, height, PackRgb(255, 255, 255));
    canvas.Text(0, 0, kPreviewTitle, PackRgb(0, 0, 0));
    // Public holidays: the column is tinted and the date red, so a day on
    // which nobody works (the plan does not work on holidays) has its reason.
    const int rows = 3 + static_cast<int>(preview.crewLetters.size());
    const OwnPlanPreview days = drawable ? preview : PreviewOwnPlan(OwnShiftPlan{}, first);
    for (int i = 0; i < kOwnPlanPreviewDays; ++i) {
        if (i < static_cast<int>(days.publicHoliday.size()) && days.publicHoliday[static_cast<std::size_t>(i)])
            canvas.FillRect(nameWidth + i * cell, r, cell, (rows - 1) * r, PackRgb(255, 220, 220));
    }
    for (int i = 0; i < kOwnPlanPreviewDays; ++i) {
        const DayNumber d = first + i;
        const int x = nameWidth + i * cell;
        const bool holiday = i < static_cast<int>(days.publicHoliday.size()) && days.publicHoliday[static_cast<std::size_t>(i)];
        const Rgb ink = WeekdayIndex(d) == 0 || holiday ? PackRgb(255, 0, 0) : PackRgb(0, 0, 0);
        canvas.TextCentred(x, cell, r, std::to_string(CivilOf(d).day), ink);
        canvas.TextCentred(x, cell, 2 * r, std::string(1, kWeekdayLetters[MondayWeekdayIndex(d)]), ink);
    }
    if (std::find(days.publicHoliday.begin(), days.publicHoliday.end(), true) != days.publicHoliday.end())
        canvas.Text(nameWidth + kOwnPlanPreviewDays * cell / 2, 0, "rot: gesetzlicher Feiertag", PackRgb(255, 0, 0));
    for (std::size_t k = 0; k < preview.crewLetters.size(); ++k) {
        const int y = (3 + static_cast<int>(k)) * r;
        const Rgb colour = static_cast<Rgb>(plan.crews[k].colour);
        canvas.Text(0, y, plan.crews[k].name, PackRgb(0, 0, 0));
        for (int i = 0; i < kOwnPlanPreviewDays; ++i) {
            const char letter = preview.crewLetters[k][static_cast<std::size_t>(i)];
            const int x = nameWidth + i * cell;
            if (letter == kOffLetter) {
                canvas.TextCentred(x, cell, y, "-", PackRgb(128, 128, 128));
                continue;
            }
            canvas.FillRect(x + 1, y + 1, cell - 2, r - 2, colour);
            const bool dark = (colour & 0xFF) * 3 + ((colour >> 8) & 0xFF) * 6 + ((colour >> 16) & 0xFF) < 128 * 10;
            canvas.TextCentred(x, cell, y, std::string(1, letter), dark ? PackRgb(255, 255, 255) : PackRgb(0, 0, 0));
        }
    }
    surface->flush();
    cr->set_source(surface, 0, 0);
    cr->paint();
    return true;
}

void OwnPlanEditor::Save(bool& saved) {
    if (!startField_.Checked() || !check_.Usable()) return;
    if (damaged_.readable) {
        std::string question = "Die Datei " + QuotedPathPiece(OwnPlanPath(context_.state.userDataFolder)) +
                               " ist beschädigt";
        if (damaged_.badLine > 0) question += " (Zeile " + std::to_string(damaged_.badLine) + ")";
        question += ". Soll sie mit dem Plan dieses Fensters überschrieben werden?";
        if (!AskQuestion(&window_, question)) return;
    }
    std::string error;
    if (!SaveOwnShiftPlan(context_.state.userDataFolder, check_.plan, error)) {
        ShowMessage(&window_, message_titles::kError, error);
        return;
    }
    saved = true;
    window_.response(Gtk::RESPONSE_OK);
}

Gtk::Widget* OwnPlanEditor::FieldOfLine(const std::string& line) {
    auto lower = [](std::string text) {
        for (char& c : text)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return text;
    };
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) return nullptr;
    std::string key = line.substr(0, eq);
    while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.pop_back();
    while (!key.empty() && (key.front() == ' ' || key.front() == '\t')) key.erase(0, 1);
    key = lower(key);
    if (key == "name") return &nameField_;
    if (key == "zyklus") return &cycleField_;
    if (key == "zyklusbeginn") return &startField_;
    if (key == "sollstunden im jahr") return &targetField_;
    if (key == "anzahl schichten") return &crewCount_;
    for (int k = 0; k < kShiftKindCount; ++k) {
        const std::string kind = lower(kShiftKindNames[k]);
        if (key == kind + " beginn") return &kinds_[k].start;
        if (key == kind + " ende") return &kinds_[k].end;
        if (key == kind + " bezahlt") return &kinds_[k].paid;
    }
    for (int k = 0; k < kMaxOwnCrews; ++k) {
        const std::string crew = "schicht " + std::to_string(k + 1);
        if (key == crew + " name") return &crews_[k].name;
        if (key == crew + " versatz") return &crews_[k].offset;
        if (key == crew + " farbe") return &crews_[k].colour;
    }
    return nullptr;
}

bool OwnPlanEditor::Run() {
    const int u = context_.units.u, r = context_.units.r;
    window_.set_resizable(false);
    window_.set_position(Gtk::WIN_POS_CENTER_ON_PARENT);
    KeepInWorkArea(window_);
    Gtk::Box outer(Gtk::ORIENTATION_VERTICAL, r / 2);
    outer.set_margin_start(u);
    outer.set_margin_end(u);
    outer.set_margin_top(r);
    outer.set_margin_bottom(r / 2);
    window_.get_content_area()->pack_start(outer, true, true);
    Gtk::ScrolledWindow scroller;
    Gtk::Box column(Gtk::ORIENTATION_VERTICAL, r / 2);
    scroller.add(column);
    scroller.set_shadow_type(Gtk::SHADOW_NONE);
    outer.pack_start(scroller, true, true);

    if (damaged_.readable) {
        // What could not be read, with the line as the file has it.
        std::string text = "Die Datei ist beschädigt; das Fenster zeigt, was sich lesen ließ.\n" + damaged_.error;
        if (!damaged_.badLineText.empty()) text += "\nZeile " + std::to_string(damaged_.badLine) + ": " + damaged_.badLineText;
        damage_.set_text(text);
        damage_.set_xalign(0);
        damage_.set_line_wrap(true);
        damage_.set_max_width_chars(100);
        damage_.get_style_context()->add_class("sk-plan-error");
        column.pack_start(damage_, false, false);
    }

    // Two columns of about the same height, so the preview stays in sight
    // on a low screen.
    Gtk::Box top(Gtk::ORIENTATION_HORIZONTAL, u);
    Gtk::Box left(Gtk::ORIENTATION_VERTICAL, r / 2), right(Gtk::ORIENTATION_VERTICAL, r / 2);
    left.pack_start(BuildCycle(u, r), false, false);
    left.pack_start(BuildKinds(u, r), false, false);
    right.pack_start(BuildCrews(u, r), false, false);
    right.pack_start(BuildHolidays(u, r), false, false);
    top.pack_start(left, false, false);
    top.pack_start(right, false, false);
    column.pack_start(top, false, false);

    preview_.set_size_request(12 * u + kOwnPlanPreviewDays * std::max(3 * u, r), (3 + kMaxOwnCrews) * r);
    preview_.signal_draw().connect(sigc::mem_fun(*this, &OwnPlanEditor::PaintPreview));
    column.pack_start(preview_, false, false);
    findings_.set_xalign(0);
    findings_.set_line_wrap(true);
    findings_.set_max_width_chars(100);
    findings_.set_selectable(false);
    column.pack_start(findings_, false, false);

    Gtk::Box buttonRow(Gtk::ORIENTATION_HORIZONTAL, 0);
    saveButton_.set_tooltip_text("Speichert den Schichtplan und verlässt das Fenster");
    infoButton_.set_tooltip_text("Infos zur Eingabe");
    cancelButton_.set_tooltip_text("Verlässt das Fenster ohne Speichern");
    for (Gtk::Button* b : {&saveButton_, &infoButton_, &cancelButton_}) b->set_size_request(10 * u, -1);
    buttonRow.pack_start(saveButton_, false, false);
    buttonRow.set_center_widget(infoButton_);
    buttonRow.pack_end(cancelButton_, false, false);
    outer.pack_start(buttonRow, false, false, r / 2);

    auto css = Gtk::CssProvider::create();
    try {
        css->load_from_data("label.sk-plan-error { color: #c00000; }");
    } catch (const Glib::Error&) {
    }
    findings_.get_style_context()->add_provider(css, GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    damage_.get_style_context()->add_provider(css, GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);

    bool saved = false;
    saveButton_.signal_clicked().connect([this, &saved] { Save(saved); });
    cancelButton_.signal_clicked().connect([this] { window_.response(Gtk::RESPONSE_CANCEL); });
    infoButton_.signal_clicked().connect([this] {
        WindowContext over = context_.Over(window_);
        ShowHelpText(over, kOwnPlanHelp.title, kOwnPlanHelp.text, kOwnPlanHelp.heightRows);
    });

    // Return in any field saves, as the button does.
    saveButton_.set_can_default(true);
    window_.set_default(saveButton_);
    std::vector<Gtk::Entry*> fields{&nameField_, &cycleField_, &startField_, &targetField_, &crewCount_};
    for (KindRow& row : kinds_) fields.insert(fields.end(), {&row.start, &row.end, &row.paid});
    for (CrewRow& row : crews_) fields.insert(fields.end(), {&row.name, &row.offset});
    for (Gtk::Entry* field : fields) field->set_activates_default(true);
    // The button is insensitive while the plan has errors: Return then says why.
    window_.signal_key_press_event().connect(
        [this, &saved](GdkEventKey* event) {
            if (event->keyval != GDK_KEY_Return && event->keyval != GDK_KEY_KP_Enter) return false;
            if (saveButton_.is_sensitive() || !dynamic_cast<Gtk::Entry*>(window_.get_focus())) return false;
            if (startField_.Checked()) ShowMessage(&window_, message_titles::kError, FirstPlanError(check_.findings));
            return true;
        },
        false);

    UseProgramFont(outer);
    outer.show_all();
    if (!damaged_.readable) damage_.hide();
    // The part above the buttons scrolls where the screen is too low for it.
    ScrollWhereTooHigh(scroller, column, context_.parent, r, 6);
    startField_.SetDate(CivilOf(form_.cycleStart));
    ShowForm();
    Changed();
    // The control of the file's bad line is marked as a date field marks a
    // wrong date, until it is changed.
    if (Gtk::Widget* field = damaged_.readable ? FieldOfLine(damaged_.badLineText) : nullptr) {
        field->get_style_context()->add_class(GTK_STYLE_CLASS_ERROR);
        if (auto* entry = dynamic_cast<Gtk::Entry*>(field)) {
            entry->signal_changed().connect(
                [entry] { entry->get_style_context()->remove_class(GTK_STYLE_CLASS_ERROR); });
        }
    }
    nameField_.grab_focus();
    window_.run();
    window_.hide();
    if (!saved) return false;

    AppState& state = context_.state;
    state.ownPlan = check_.plan;
    if (state.settings.calendarType != kOwnPlanCalendarType && AskQuestion(&context_.parent, kShowPlanNow)) {
        state.settings.calendarType = kOwnPlanCalendarType;
        context_.host.SetVacationToggleVisible(ShowsVacationToggle(kOwnPlanCalendarType));
    }
    return true;
}

}  // namespace

bool EditOwnShiftPlan(WindowContext& context) {
    const AppState& state = context.state;
    // A damaged file opens with what could be read, never as a new plan that
    // would replace it unseen.
    OwnPlanReadResult onDisk = LoadOwnShiftPlan(state.userDataFolder);
    if (onDisk.readable) {
        OwnPlanForm form = OwnPlanFormOf(*onDisk.readable);
        OwnPlanEditor editor(context, std::move(form), std::move(onDisk));
        return editor.Run();
    }
    const DayContext today = LocalToday();
    OwnPlanEditor editor(context, state.ownPlan ? OwnPlanFormOf(*state.ownPlan) : NewOwnPlanForm(today.dayNumber));
    return editor.Run();
}

}  // namespace sk
