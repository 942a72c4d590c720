#pragma once
// The place and clock settings every astronomy result depends on. Passed by
// value or const reference; nothing in the astronomy reads settings itself.

namespace sk {

struct Observer {
    double latitude = 48.47;    // degrees, north positive
    double longitude = -12.52;  // degrees, west positive, east negative
    double zone = 1.0;          // hours east of UT
    bool autoSummerTime = true;
    int twilightKind = 0;       // 0 civil, 1 nautical, 2 astronomical
};

// The settings file takes any number, so every consumer checks before use.
// A zone outside +-24 hours or a place off the globe cannot be computed; such
// a quantity is shown as a missing event.
bool HasUsableZone(const Observer& obs);
bool HasUsablePlace(const Observer& obs);  // latitude, longitude and zone

// Twilight setting to use: anything but 0, 1 or 2 counts as civil (0), the
// value the settings are reset to.
int NormalizedTwilightKind(int setting);

}  // namespace sk
