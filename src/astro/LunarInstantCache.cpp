#include "astro/LunarInstantCache.h"

#include <cmath>
#include <limits>

namespace sk {

LunarInstantCache::LunarInstantCache()
    : values_(static_cast<std::size_t>(LunarSeries::kCount) * kSize, std::numeric_limits<double>::quiet_NaN()) {}

double* LunarInstantCache::Slot(LunarSeries series, double k) {
    if (!(k >= kMinK && k < kMinK + kSize)) return nullptr;
    const int index = static_cast<int>(k) - kMinK;
    return &values_[static_cast<std::size_t>(series) * kSize + static_cast<std::size_t>(index)];
}

}  // namespace sk
