#pragma once
// A date entry "DD.MM.YYYY" (or "DD.MM.") that a person can type into and
// step with the arrow keys (the part under the cursor), limited to a range.
// Typed digits overwrite the digits under the cursor; the text never loses
// its shape, and the date it gives is always real and inside the range.

#include <gtkmm.h>

#include "ui/DateText.h"

namespace sk {

class DateField : public Gtk::Entry {
public:
    DateField(bool withYear, DateFieldRange range);

    void SetDate(const CivilDate& date);
    // The date the field shows now, made real and kept in the range.
    CivilDate Date();

protected:
    bool on_key_press_event(GdkEventKey* event) override;
    bool on_focus_out_event(GdkEventFocus* event) override;

private:
    void Commit();
    void Show(const DateEdit& edit);
    DateEdit Current();
    void OnChanged();
    void OnPaste();

    bool withYear_;
    DateFieldRange range_;
    DateTyping typing_;
    CivilDate date_{2000, 1, 1};
    DateEdit typed_;  // the last edit typing showed, with what it knows beyond text and cursor
    bool settingText_ = false;
};

}  // namespace sk
