#include "ui/DateField.h"

#include <algorithm>

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
}

void DateField::Show(const DateEdit& edit) {
    if (get_text().raw() != edit.text) {
        settingText_ = true;
        set_text(edit.text);
        settingText_ = false;
    }
    set_position(edit.cursor);
}

DateEdit DateField::Current() {
    int start = 0, end = 0;
    // Typing over a selection starts at its beginning.
    const int cursor = get_selection_bounds(start, end) ? std::min(start, end) : get_position();
    return DateEdit{get_text().raw(), cursor};
}

void DateField::SetDate(const CivilDate& date) {
    date_ = typing_.DateOf(typing_.TextOf(date), date);
    settingText_ = true;
    set_text(typing_.TextOf(date_));
    settingText_ = false;
}

void DateField::Commit() {
    date_ = typing_.DateOf(get_text().raw(), date_);
    const int position = get_position();
    Show(DateEdit{typing_.TextOf(date_), position});
}

CivilDate DateField::Date() {
    Commit();
    return date_;
}

void DateField::OnChanged() {
    // Whatever changed the text (a drop, a middle-click paste, the context
    // menu): a text without the field's shape falls back to the last date.
    if (settingText_ || typing_.InShape(get_text().raw())) return;
    const int position = get_position();
    Show(DateEdit{typing_.TextOf(date_), std::min(position, typing_.Length())});
}

void DateField::OnPaste() {
    g_signal_stop_emission_by_name(gobj(), "paste-clipboard");
    const Glib::ustring text = get_clipboard("CLIPBOARD")->wait_for_text();
    const int shortYear = withYear_ ? date_.year : 2000;
    if (auto pasted = ParseDateField(text.raw(), withYear_, shortYear)) {
        if (!withYear_) pasted->year = date_.year;
        SetDate(*pasted);
    }
}

bool DateField::on_key_press_event(GdkEventKey* event) {
    const guint key = event->keyval;
    if (event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) return Gtk::Entry::on_key_press_event(event);
    if (key == GDK_KEY_Up || key == GDK_KEY_Down || key == GDK_KEY_KP_Up || key == GDK_KEY_KP_Down) {
        const int position = get_position();
        Commit();
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
        date_ = typing_.DateOf(get_text().raw(), date_);
        return true;
    }
    if (IsSeparatorKey(key)) {
        Show(typing_.TypeSeparator(Current(), date_));
        date_ = typing_.DateOf(get_text().raw(), date_);
        return true;
    }
    if (key == GDK_KEY_BackSpace) {
        Show(typing_.StepBack(Current()));
        return true;
    }
    if (key == GDK_KEY_Delete || key == GDK_KEY_KP_Delete) return true;  // the shape has no empty places
    if (key == GDK_KEY_Left || key == GDK_KEY_Right || key == GDK_KEY_Home || key == GDK_KEY_End ||
        key == GDK_KEY_KP_Left || key == GDK_KEY_KP_Right || key == GDK_KEY_KP_Home || key == GDK_KEY_KP_End) {
        // Leaving a part by the cursor keys makes the date real again.
        const int before = DatePartAt(get_position());
        const bool handled = Gtk::Entry::on_key_press_event(event);
        if (DatePartAt(get_position()) != before) Commit();
        return handled;
    }
    const guint32 ch = gdk_keyval_to_unicode(key);
    if (ch >= ' ' && ch != 0x7f) return true;  // no other characters can be typed
    return Gtk::Entry::on_key_press_event(event);
}

bool DateField::on_focus_out_event(GdkEventFocus* event) {
    Commit();
    return Gtk::Entry::on_focus_out_event(event);
}

}  // namespace sk
