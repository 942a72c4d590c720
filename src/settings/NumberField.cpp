#include "settings/NumberField.h"

#include <charconv>
#include <cmath>

#include "base/TrimBlanks.h"

namespace sk {

namespace {

// "60", "-0,5", "1982,76": the range bounds as the fields show numbers.
std::string BoundText(double v) {
    const double whole = std::trunc(v);
    if (v == whole) return std::to_string(static_cast<long long>(v));
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
    std::string text(buf, r.ptr);
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

}  // namespace

std::optional<double> ReadPlainNumber(std::string_view text, bool wholeNumber) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::string digits;
    bool separator = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digits.push_back(c);
        } else if ((c == ',' || c == '.' || c == ':') && !separator && !wholeNumber) {
            separator = true;
            digits.push_back('.');
        } else {
            return std::nullopt;
        }
    }
    if (digits.empty() || digits == ".") return std::nullopt;
    double v = 0.0;
    const auto r = std::from_chars(digits.data(), digits.data() + digits.size(), v, std::chars_format::fixed);
    if (r.ec != std::errc() || r.ptr != digits.data() + digits.size() || !std::isfinite(v)) return std::nullopt;
    return negative ? -v : v;
}

std::optional<std::string> CheckNumberField(std::string_view text, const NumberFieldRule& rule) {
    if (rule.emptyIsZero && TrimBlanks(text).empty()) return std::nullopt;
    const std::optional<double> v = ReadPlainNumber(text, rule.wholeNumber);
    if (v && *v >= rule.min && *v <= rule.max) return std::nullopt;
    return std::string("Im Feld \"") + rule.name + "\" ist nur " + (rule.wholeNumber ? "eine ganze Zahl" : "eine Zahl") +
           " von " + BoundText(rule.min) + " bis " + BoundText(rule.max) + " erlaubt!";
}

}  // namespace sk
