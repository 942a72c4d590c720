#include "ui/DateField.h"

namespace sk {

DateField::DateField(bool withYear, DateFieldRange range) : withYear_(withYear), range_(range) {
    set_max_length(withYear ? 10 : 6);
    set_width_chars(withYear ? 10 : 6);
    SetDate(CivilOf(range.first));
}

void DateField::SetDate(const CivilDate& date) {
    date_ = withYear_ ? ClampDate(date, range_) : date;
    set_text(FormatDateField(date_, withYear_));
}

void DateField::Commit() {
    if (auto parsed = ParseDateField(get_text().raw(), withYear_, date_.year)) {
        date_ = withYear_ ? ClampDate(*parsed, range_) : *parsed;
    }
    const std::string shown = FormatDateField(date_, withYear_);
    if (get_text().raw() != shown) set_text(shown);
}

CivilDate DateField::Date() {
    Commit();
    return date_;
}

bool DateField::on_key_press_event(GdkEventKey* event) {
    const guint key = event->keyval;
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
            d = StepDatePart(d, part, delta, DateFieldRange{kFirstDay, 2932896});
            date_.month = d.month;
            date_.day = d.day;
        }
        set_text(FormatDateField(date_, withYear_));
        set_position(position);
        return true;
    }
    if (event->length == 1 && event->string) {
        const char ch = event->string[0];
        // Only digits and the separator can be typed.
        if (!(ch >= '0' && ch <= '9') && ch != '.' && ch >= ' ') return true;
    }
    return Gtk::Entry::on_key_press_event(event);
}

bool DateField::on_focus_out_event(GdkEventFocus* event) {
    Commit();
    return Gtk::Entry::on_focus_out_event(event);
}

}  // namespace sk
