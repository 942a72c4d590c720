#include "settings/SettingsDialogModel.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/Latin1.h"
#include "base/TrimBlanks.h"
#include "settings/SettingsFile.h"
#include "settings/Users.h"

namespace sk {

namespace {

// A fraction this large cannot be minutes; the small margin absorbs the
// binary error of typed values such as 12.599.
constexpr double kDecimalFractionFrom = 0.599 - 1e-9;

// Fixed-point text that does not depend on the process's locale (the
// toolkit sets the desktop's, which may write "," or read only ",").
std::string FixedText(double value, int decimals) {
    if (!std::isfinite(value)) value = 0.0;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    std::string text(buf, res.ec == std::errc() ? res.ptr : buf);
    // "-0.00" is no value a person would write.
    if (!text.empty() && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

}  // namespace

double ReadFieldNumber(std::string_view text) {
    // Blanks around the text are not separators (" 12" is not 0.12).
    std::string s(TrimBlanks(text));
    for (char& c : s)
        if (c == ',' || c == ' ' || c == '\'') c = '.';
    std::size_t pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        negative = s[pos] == '-';
        ++pos;
    }
    // Only digits or a point may start the number ("inf" and "nan" are text).
    if (pos >= s.size() || !(std::isdigit(static_cast<unsigned char>(s[pos])) || s[pos] == '.')) return 0.0;
    double v = 0.0;
    const auto res = std::from_chars(s.data() + pos, s.data() + s.size(), v, std::chars_format::general);
    if (res.ec != std::errc() || !std::isfinite(v)) return 0.0;
    return negative ? -v : v;
}

double ParseCoordinateField(std::string_view text, double limit) {
    double v = ReadFieldNumber(text);
    double whole = std::trunc(v);
    if (std::fabs(v - whole) >= kDecimalFractionFrom) v = whole + (v - whole) * 0.6;
    if (std::fabs(v) > limit) {
        whole = std::trunc(v);
        v = std::fmod(whole, limit) + (v - whole);
    }
    return v;
}

double ParseTimeZoneField(std::string_view text) {
    return std::clamp(ReadFieldNumber(text), kEarliestTimeZone, kLatestTimeZone);
}

std::string FormatCoordinateField(double value) { return FixedText(value, 2); }
std::string FormatTimeZoneField(double value) { return FixedText(value, 1); }

std::string FormatHoursField(double value) {
    std::string text = FixedText(value, 2);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

double ParseHoursField(std::string_view text) { return ReadFieldNumber(text); }

std::string NormalizeCoordinateField(std::string_view text, double limit) {
    return FormatCoordinateField(ParseCoordinateField(text, limit));
}

std::string NormalizeTimeZoneField(std::string_view text) {
    return FormatTimeZoneField(ParseTimeZoneField(text));
}

PlaceNameEdit CheckPlaceNameEdit(std::string_view text) {
    PlaceNameEdit edit;
    if (Utf8CharacterCount(text) > static_cast<std::size_t>(kMaxPlaceNameLength)) {
        edit.text = std::string(Utf8Prefix(text, kMaxPlaceNameLength));
        edit.cut = true;
    } else {
        edit.text = std::string(text);
    }
    return edit;
}

std::string PlaceNameCounterText(std::string_view text) {
    return std::to_string(Utf8CharacterCount(text)) + " von max. " + std::to_string(kMaxPlaceNameLength) + " Zeichen.";
}

std::array<std::string, 5> VacationOrderEntries(int year) {
    const std::uint8_t* firstRow = kVacationOrderBytes[VacationEra(year)];
    std::array<std::string, 5> entries;
    for (int k = 0; k < 5; ++k) {
        std::string& e = entries[k];
        for (int l = 0; l < 5; ++l) {
            if (l > 0) e += ", ";
            e += kCrewNames[firstRow[(l + k) % 5]];
        }
    }
    return entries;
}

SettingsForm MakeSettingsForm(const Settings& s) {
    SettingsForm f;
    f.placeName = s.placeName;
    f.longitudeText = FormatCoordinateField(std::fabs(s.longitude));
    f.longitudeEast = s.longitude < 0;
    f.latitudeText = FormatCoordinateField(std::fabs(s.latitude));
    f.latitudeNorth = s.latitude >= 0;
    f.timeZoneText = FormatTimeZoneField(std::fabs(s.timeZone));
    f.timeZoneEast = s.timeZone > 0;
    f.autoSummerTime = s.autoSummerTime;
    f.twilightKind = (s.twilightKind >= 0 && s.twilightKind < kTwilightKindCount) ? s.twilightKind : 0;
    f.showMoonPhases = s.showMoonPhases;
    f.showPerihelionAphelion = s.showPerihelionAphelion;
    f.showWeekNumbers = s.showWeekNumbers;
    f.showSchoolHolidays = s.showSchoolHolidays;
    f.region = s.region;
    f.vacationStartMonth = s.vacationStartMonth;
    f.vacationStartDay = s.vacationStartDay;
    // The entry the calendar uses for the stored count.
    f.vacationOrderIndex = VacationRotationOf(s.vacationCycle);
    f.hours38Text = FormatHoursField(s.targetHours38);
    f.hours40Text = FormatHoursField(s.targetHours40);
    return f;
}

void ResetVacationControls(SettingsForm& form) {
    form.vacationStartMonth = kDefaultVacationStartMonth;
    form.vacationStartDay = kDefaultVacationStartDay;
    form.vacationOrderIndex = 0;
}

void ApplySettingsForm(const SettingsForm& form, int vacationYear, Settings& s, VacationOrderTables& tables) {
    // The fields are read as they would stand after leaving them, so a value
    // saved without leaving its field first is the same as one that was.
    double lon = ReadFieldNumber(NormalizeCoordinateField(form.longitudeText, kLongitudeLimit));
    if ((form.longitudeEast && lon > 0) || (!form.longitudeEast && lon < 0)) lon = -lon;
    double lat = ReadFieldNumber(NormalizeCoordinateField(form.latitudeText, kLatitudeLimit));
    if ((!form.latitudeNorth && lat > 0) || (form.latitudeNorth && lat < 0)) lat = -lat;
    double zone = ReadFieldNumber(NormalizeTimeZoneField(form.timeZoneText));
    if ((!form.timeZoneEast && zone > 0) || (form.timeZoneEast && zone < 0)) zone = -zone;
    s.longitude = lon;
    s.latitude = lat;
    s.timeZone = zone;
    s.placeName = CheckPlaceNameEdit(form.placeName).text;

    s.autoSummerTime = form.autoSummerTime;
    s.twilightKind = std::clamp(form.twilightKind, 0, kTwilightKindCount - 1);
    s.showMoonPhases = form.showMoonPhases;
    s.showPerihelionAphelion = form.showPerihelionAphelion;
    s.showWeekNumbers = form.showWeekNumbers;
    s.showSchoolHolidays = form.showSchoolHolidays;
    s.region = form.region;

    s.vacationStartMonth = form.vacationStartMonth;
    s.vacationStartDay = form.vacationStartDay;
    s.vacationCycle = std::clamp(form.vacationOrderIndex, 0, 4);
    ResetVacationOrder(tables, vacationYear);
    RotateVacationOrder(tables, vacationYear, s.vacationCycle);

    // Never a value the file cannot hold: the dialog refuses such text, and
    // whatever comes here is kept inside the range.
    s.targetHours38 = static_cast<float>(std::clamp(ParseHoursField(form.hours38Text), 0.0, kMaxTargetHours));
    s.targetHours40 = static_cast<float>(std::clamp(ParseHoursField(form.hours40Text), 0.0, kMaxTargetHours));
}

}  // namespace sk
