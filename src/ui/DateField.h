#pragma once
// A date entry "DD.MM.YYYY" (or "DD.MM.") that a person can type into and
// step with the arrow keys (the part under the cursor), limited to a range.
// Typed digits overwrite the digits under the cursor; a year typed first and
// "-" switch to "YYYY-MM-DD". A text that is no real date inside the range
// is marked as wrong and refused when the date is taken, with a message
// naming the field; it is never replaced by another date.

#include <gtkmm.h>

#include <optional>
#include <string>

#include "ui/DateText.h"

namespace sk {

class DateField : public Gtk::Entry {
public:
    DateField(bool withYear, DateFieldRange range);

    void SetDate(const CivilDate& date);
    // The name the refusal message gives the field ("Zyklusbeginn").
    // Screen readers name the field by it too.
    void SetFieldName(std::string name);
    // The date the field shows, or nothing: then the field is marked, the
    // refusal is shown over the field's window and the field has the focus.
    std::optional<CivilDate> Checked();
    // The same without a message: for following the field while it is typed in.
    std::optional<CivilDate> Peek();
    // The last real date the field held (what it showed before a wrong text).
    CivilDate Date();

protected:
    bool on_key_press_event(GdkEventKey* event) override;
    bool on_focus_out_event(GdkEventFocus* event) override;

private:
    bool Commit();
    void MarkWrong(bool wrong);
    void FollowText();
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
    std::string fieldName_ = "Datum";
};

}  // namespace sk
