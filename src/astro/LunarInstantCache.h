#pragma once
// Instants of the lunar series (phases, perigee, apogee, eclipses) kept by
// lunation number, and of the Earth's orbit by year. The day searches visit the same few lunations again and
// again; painting many days shares one cache, and the results are the very
// same doubles the series give.

#include <vector>

namespace sk {

enum class LunarSeries : int {
    kNewMoon = 0,
    kFirstQuarter,
    kFullMoon,
    kLastQuarter,
    kPerigee,
    kApogee,
    kSolarPartial,
    kSolarTotal,
    kSolarAnnular,
    kLunarPartial,
    kLunarTotal,
    // The Earth's perihelion and aphelion, kept by year - 2000 instead of a
    // lunation: each is refined once and asked on the days around it.
    kPerihelion,
    kAphelion,
    kCount
};

class LunarInstantCache {
public:
    LunarInstantCache();

    // The instant of `series` for the whole lunation number k, computed by
    // `compute` on first use. Lunations far outside the calendar are not kept.
    template <class Compute>
    double Get(LunarSeries series, double k, Compute&& compute) {
        double* slot = Slot(series, k);
        if (!slot) return compute();
        if (*slot != *slot) *slot = compute();  // NaN marks an empty slot
        return *slot;
    }

private:
    static constexpr int kMinK = -1024;
    static constexpr int kSize = 2048;
    double* Slot(LunarSeries series, double k);
    std::vector<double> values_;
};

}  // namespace sk
