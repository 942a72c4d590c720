// Any text in the number fields of the settings dialog: values stay finite
// and inside their limits, and every field can be written back.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/Latin1.h"
#include "settings/SettingsDialogModel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double number = sk::ReadFieldNumber(text);
    if (std::isnan(number)) std::abort();
    for (const double limit : {90.0, 180.0}) {
        const double c = sk::ParseCoordinateField(text, limit);
        if (!std::isfinite(c) || std::fabs(c) > limit) std::abort();
        sk::NormalizeCoordinateField(text, limit);
    }
    const double zone = sk::ParseTimeZoneField(text);
    if (!std::isfinite(zone) || zone < -12 || zone > 14) std::abort();
    sk::NormalizeTimeZoneField(text);
    const double hours = sk::ParseHoursField(text);
    if (std::isnan(hours)) std::abort();
    sk::FormatHoursField(hours);
    const sk::PlaceNameEdit place = sk::CheckPlaceNameEdit(text);
    if (sk::Utf8CharacterCount(place.text) > 50) std::abort();
    sk::PlaceNameCounterText(text);
    return 0;
}
