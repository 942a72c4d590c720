#pragma once
// A date entry "DD.MM.YYYY" (or "DD.MM.") that a person can type into and
// step with the arrow keys (the part under the cursor), limited to a range.

#include <gtkmm.h>

#include "ui/DateText.h"

namespace sk {

class DateField : public Gtk::Entry {
public:
    DateField(bool withYear, DateFieldRange range);

    void SetDate(const CivilDate& date);
    // The date the field shows now; typed text that names no date gives the
    // last valid date.
    CivilDate Date();

protected:
    bool on_key_press_event(GdkEventKey* event) override;
    bool on_focus_out_event(GdkEventFocus* event) override;

private:
    void Commit();

    bool withYear_;
    DateFieldRange range_;
    CivilDate date_{2000, 1, 1};
};

}  // namespace sk
