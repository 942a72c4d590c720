#include "ui/DateField.h"

#include <algorithm>

#include "ui/Accessible.h"
#include "ui/MessageBox.h"

namespace sk {

namespace {

// 31 December 9999: a year-less field steps in the year 2000 and needs no
// limit of its own.
constexpr DayNumber kLastFourDigitYearDay = 2932896;

int DigitOfKey(guint key) {
    if (key >= GDK_KEY_0 && key <= GDK_KEY_9) return static_cast<int>(key - GDK_KEY_0);
    if (key >= GDK_KEY_KP_0 && key <= GDK_KEY_KP_9) return static_cast<int>(key - GDK_KEY_KP_0);
    return -1;
}

bool IsSeparatorKey(guint key) {
    return key == GDK_KEY_period || key == GDK_KEY_comma || key == GDK_KEY_KP_Decimal ||
           key == GDK_KEY_KP_Separator;
}

}  // namespace

DateField::DateField(bool withYear, DateFieldRange range)
    : withYear_(withYear), range_(range), typing_(withYear, range) {
    set_max_length(typing_.Length());
    set_width_chars(typing_.Length());
    signal_changed().connect(sigc::mem_fun(*this, &DateField::OnChanged));
    // The toolkit's paste would put any text into the shape; a pasted date is read instead.
    g_signal_connect(gobj(), "paste-clipboard",
                     G_CALLBACK(+[](GtkEntry*, gpointer self) { static_cast<DateField*>(self)->OnPaste(); }), this);
    SetDate(withYear ? CivilOf(range.first) : date_);
    SetFieldName(fieldName_);
    if (auto accessible = get_accessible()) {
        accessible->set_description(withYear ? "Datum als TT.MM.JJJJ; die Pfeiltasten ändern den Teil am Kursor"
                                             : "Tag und Monat als TT.MM.; die Pfeiltasten ändern den Teil am Kursor");
    }
}

void DateField::SetFieldName(std::string name) {
    fieldName_ = std::move(name);
    NameForScreenReaders(*this, fieldName_);
}

void DateField::Show(const DateEdit& edit) {
    if (get_text().raw() != edit.text) {
        settingText_ = true;
        set_text(edit.text);
        settingText_ = false;
    }
    set_position(edit.cursor);
    typed_ = edit;
}

DateEdit DateField::Current() {
    int start = 0, end = 0;
    // Typing over a selection starts at its beginning.
    const bool selected = get_selection_bounds(start, end);
    const int cursor = selected ? std::min(start, end) : get_position();
    DateEdit edit{get_text().raw(), cursor};
    if (selected) return typing_.OverSelection(edit, std::max(start, end), date_);
    // What typing left behind holds only while nothing else moved the cursor or changed the text.
    if (edit.text == typed_.text && edit.cursor == typed_.cursor) edit = typed_;
    return edit;
}

void DateField::SetDate(const CivilDate& date) {
    date_ = typing_.DateOf(typing_.TextOf(date), date);
    settingText_ = true;
    set_text(typing_.TextOf(date_));
    settingText_ = false;
    typed_ = DateEdit{};
    MarkWrong(false);
}

// Takes the text when it is a real date in the range (shown again in the
// field's own form); a wrong text stays as typed and is marked.
bool DateField::Commit() {
    const auto taken = typing_.Taken(Current(), date_);
    MarkWrong(!taken);
    if (!taken) return false;
    date_ = *taken;
    const int position = std::min(get_position(), typing_.Length());
    Show(DateEdit{typing_.TextOf(date_), position});
    return true;
}

void DateField::MarkWrong(bool wrong) {
    auto style = get_style_context();
    if (wrong == style->has_class(GTK_STYLE_CLASS_ERROR)) return;
    if (wrong) {
        style->add_class(GTK_STYLE_CLASS_ERROR);
        set_icon_from_icon_name("dialog-warning-symbolic", Gtk::ENTRY_ICON_SECONDARY);
        set_icon_tooltip_text(DateRefusalText(fieldName_, get_text().raw(), withYear_, range_),
                              Gtk::ENTRY_ICON_SECONDARY);
    } else {
        style->remove_class(GTK_STYLE_CLASS_ERROR);
        unset_icon(Gtk::ENTRY_ICON_SECONDARY);
    }
}

// While typing: a text typed to its end that is no date is marked at once.
void DateField::FollowText() {
    const std::string text = get_text().raw();
    MarkWrong(typing_.Complete(text) && !typing_.Exact(text, date_.year));
}

std::optional<CivilDate> DateField::Peek() {
    const auto taken = typing_.Taken(Current(), date_);
    if (taken) date_ = *taken;
    return taken;
}

std::optional<CivilDate> DateField::Checked() {
    const std::string text = get_text().raw();
    if (Commit()) return date_;
    grab_focus();
    Gtk::Window* window = dynamic_cast<Gtk::Window*>(get_toplevel());
    ShowMessage(window, message_titles::kError, DateRefusalText(fieldName_, text, withYear_, range_));
    return std::nullopt;
}

CivilDate DateField::Date() {
    Commit();
    return date_;
}

void DateField::OnChanged() {
    if (settingText_) return;
    // Whatever changed the text (a drop, a middle-click paste, the context
    // menu): a text without the field's shape falls back to the last date.
    if (!typing_.InShape(get_text().raw())) {
        const int position = get_position();
        Show(DateEdit{typing_.TextOf(date_), std::min(position, typing_.Length())});
    }
    FollowText();
}

void DateField::OnPaste() {
    g_signal_stop_emission_by_name(gobj(), "paste-clipboard");
    const Glib::ustring text = get_clipboard("CLIPBOARD")->wait_for_text();
    const int shortYear = withYear_ ? date_.year : 2000;
    auto pasted = ParseDateField(text.raw(), withYear_, shortYear);
    if (pasted && withYear_) pasted = typing_.Exact(FormatDateField(*pasted, true), shortYear);
    if (!pasted) {
        // Nothing is put in its place: the field keeps its date and says why.
        error_bell();
        ShowMessage(dynamic_cast<Gtk::Window*>(get_toplevel()), message_titles::kError,
                    DateRefusalText(fieldName_, std::string(text.raw()).substr(0, 40), withYear_, range_));
        return;
    }
    if (!withYear_) pasted->year = date_.year;
    SetDate(*pasted);
}

bool DateField::on_key_press_event(GdkEventKey* event) {
    const guint key = event->keyval;
    if (event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) return Gtk::Entry::on_key_press_event(event);
    if (key == GDK_KEY_Up || key == GDK_KEY_Down || key == GDK_KEY_KP_Up || key == GDK_KEY_KP_Down) {
        // Steps from the date typed, or from the last good one when the text is none.
        const int position = std::min(get_position(), typing_.Length());
        Commit();
        MarkWrong(false);
        const int delta = (key == GDK_KEY_Up || key == GDK_KEY_KP_Up) ? 1 : -1;
        const int part = withYear_ ? DatePartAt(position) : std::min(DatePartAt(position), 1);
        if (withYear_) {
            date_ = StepDatePart(date_, part, delta, range_);
        } else {
            // Without a year, the day cycles in the month of a leap year so 29 February can be chosen.
            CivilDate d{2000, date_.month, date_.day};
            d = StepDatePart(d, part, delta, DateFieldRange{kFirstDay, kLastFourDigitYearDay});
            date_.month = d.month;
            date_.day = d.day;
        }
        Show(DateEdit{typing_.TextOf(date_), position});
        return true;
    }
    if (const int digit = DigitOfKey(key); digit >= 0) {
        Show(typing_.TypeDigit(Current(), static_cast<char>('0' + digit), date_));
        FollowText();
        return true;
    }
    if (IsSeparatorKey(key)) {
        Show(typing_.TypeSeparator(Current(), date_));
        FollowText();
        return true;
    }
    if (key == GDK_KEY_minus || key == GDK_KEY_KP_Subtract) {
        Show(typing_.TypeDash(Current()));
        FollowText();
        return true;
    }
    if (key == GDK_KEY_BackSpace) {
        int from = 0, to = 0;
        const bool isoSelection = get_selection_bounds(from, to) && DateTyping::IsIsoText(get_text().raw());
        // A selection in the ISO form is what backspace removes.
        Show(isoSelection ? Current() : typing_.StepBack(Current(), date_));
        FollowText();
        return true;
    }
    if (key == GDK_KEY_Delete || key == GDK_KEY_KP_Delete) return true;  // the shape has no empty places
    if (key == GDK_KEY_Left || key == GDK_KEY_Right || key == GDK_KEY_Home || key == GDK_KEY_End ||
        key == GDK_KEY_KP_Left || key == GDK_KEY_KP_Right || key == GDK_KEY_KP_Home || key == GDK_KEY_KP_End) {
        // The whole date is checked when it is taken, so a day can be typed
        // before the month it belongs to.
        return Gtk::Entry::on_key_press_event(event);
    }
    const guint32 ch = gdk_keyval_to_unicode(key);
    if (ch >= ' ' && ch != 0x7f) return true;  // no other characters can be typed
    return Gtk::Entry::on_key_press_event(event);
}

bool DateField::on_focus_out_event(GdkEventFocus* event) {
    Commit();  // a wrong text stays and is marked; the window refuses it when it is taken
    return Gtk::Entry::on_focus_out_event(event);
}

}  // namespace sk
