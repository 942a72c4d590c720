#pragma once
// Number fields of the dialogs: what a person may type, and the German
// answer when the text is no number in the field's range.

#include <optional>
#include <string>
#include <string_view>

namespace sk {

struct NumberFieldRule {
    const char* name;     // the field as the window labels it
    double min;
    double max;
    bool wholeNumber;     // no fraction allowed
    bool emptyIsZero;     // an empty field stands for 0
};

// A plain number: blanks around, an optional sign, digits with at most one
// "," "." or ":" (not for whole numbers). No exponent, no "inf"/"nan", no
// text after the number; nothing for anything else.
std::optional<double> ReadPlainNumber(std::string_view text, bool wholeNumber);

// Nothing when the field holds a number of its range (or is empty where that
// means 0), else the message naming the field and the range.
std::optional<std::string> CheckNumberField(std::string_view text, const NumberFieldRule& rule);

}  // namespace sk
