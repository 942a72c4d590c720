#pragma once
// Rise and set of the Moon and the Sun and the Sun's crossing of a twilight
// depth: an hourly altitude scan with three-point quadratic interpolation
// (Montenbruck and Pfleger, "Astronomy on the Personal Computer", ch. 3.8),
// for the context's day and the observer's place.

#include <array>
#include <string>

#include "astro/Observer.h"
#include "calendar/Date.h"

namespace sk {

enum RiseSetKind : int {
    kMoonKind = 1,
    kSunKind = 2,
    kCivilTwilightKind = 3,
    kNauticalTwilightKind = 4,
    kAstronomicalTwilightKind = 5,
};

struct EquatorialPosition {
    double rightAscension;  // hours
    double declination;     // degrees
};

// Low-precision coordinates for T Julian centuries since J2000.0: the
// truncated series of Montenbruck and Pfleger's MiniSun and MiniMoon (ch. 3.2),
// accurate to about an arc minute, plenty for clock times to the minute.
EquatorialPosition SunPosition(double t);
EquatorialPosition MoonPosition(double t);

double SinAltitude(int kind, double mjd0, double hour, double lambda, double cosPhi, double sinPhi);
// The same from a position already known and the local sidereal time in hours.
double SinAltitudeFrom(const EquatorialPosition& p, double siderealHours, double cosPhi, double sinPhi);

struct QuadResult {
    double xe = 0, ye = 0, z1 = 0, z2 = 0;
    int nz = 0;
};
// Vertex and roots of the parabola through (-1, yMinus), (0, y0), (1, yPlus)
// (their QUAD, ch. 3.8).
QuadResult Quad(double yMinus, double y0, double yPlus);

struct RiseSetResult {
    double rise = 0;  // local hours, 0 = not found
    double set = 0;
    bool aboveAtStart = false;
    bool computable = true;  // false for a place that cannot be computed
};

// The searches of one day at one place. Each search gives exactly what the
// plain hourly scan gives, but only the two-hour steps that can hold a
// crossing get exact altitudes: the Sun's and the Moon's directions at two or
// three instants of the day, interpolated, rule the other steps out. The
// Sun's exact altitudes serve the twilight and the sunrise search alike.
class DayRiseSet {
public:
    DayRiseSet(const DayContext& ctx, const Observer& obs);
    // `kind` is 1-5 (see RiseSetKind).
    RiseSetResult Search(int kind);
    const Observer& observer() const { return obs_; }

    static constexpr int kHours = 25;  // the scan's instants, 0 h to 24 h

private:
    using Vector = std::array<double, 3>;
    struct Body {
        bool isMoon = false;
        bool prepared = false;
        double bound = 0;  // largest error of an interpolated altitude
        std::array<EquatorialPosition, 3> node{};  // at 0 h, 12 h (Moon only), 24 h
        std::array<double, kHours> approximate{};  // interpolated sine of the altitude
        std::array<bool, kHours> trusted{};        // false: only the exact value will do
        std::array<double, kHours> exact{};
        std::array<bool, kHours> known{};
    };

    void Prepare(Body& body);
    double ExactSinAltitude(Body& body, int hour);
    double SiderealHours(int hour);
    const Vector& Zenith(int hour);

    Observer obs_;
    double mjd0_ = 0;
    double cosPhi_ = 0, sinPhi_ = 0;
    bool usable_ = false;
    Body sun_, moon_;
    std::array<double, kHours> sidereal_{};
    std::array<Vector, kHours> zenith_{};
    std::array<bool, kHours> siderealKnown_{};
    bool zenithKnown_ = false;
};


// Kind of the twilight request (3 plus the setting, civil for a bad setting).
int TwilightRequestKind(const Observer& obs);

// "Sonne: 7:58 - 16:21" and the like. A twilight request is made as kind 3;
// the observer's twilight setting is added to it.
std::string RiseSetText(int kind, const DayContext& ctx, const Observer& obs);
std::string RiseSetText(int kind, DayRiseSet& day);

// Formats a found time in hours, minutes rounded: 5.75 gives "5:45".
std::string ClockTextOfHours(double hours);

}  // namespace sk
