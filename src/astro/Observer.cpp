#include "astro/Observer.h"

#include <cmath>

namespace sk {

bool HasUsableZone(const Observer& obs) { return std::isfinite(obs.zone) && std::fabs(obs.zone) <= 24.0; }

bool HasUsablePlace(const Observer& obs) {
    return HasUsableZone(obs) && std::isfinite(obs.latitude) && std::isfinite(obs.longitude) &&
           std::fabs(obs.latitude) <= 90.0 && std::fabs(obs.longitude) <= 180.0;
}

int NormalizedTwilightKind(int setting) { return setting >= 0 && setting <= 2 ? setting : 0; }

}  // namespace sk
