#include "core/SkyFrames.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>

#include "core/Angles.h"

namespace vagaris {

namespace {

// Instants split as ERFA prefers them: a large constant part and a small variable one.
constexpr double kJulianDayOfInstantZero = 2415018.5;

}  // namespace

double Norm(const Vec3& v) { return std::sqrt(Dot(v, v)); }

Vec3 Apply(const Mat3& m, const Vec3& v) {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
            m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

Vec3 ApplyTransposed(const Mat3& m, const Vec3& v) {
    return {m[0][0] * v.x + m[1][0] * v.y + m[2][0] * v.z,
            m[0][1] * v.x + m[1][1] * v.y + m[2][1] * v.z,
            m[0][2] * v.x + m[1][2] * v.y + m[2][2] * v.z};
}

double GreenwichMeanSiderealTime(Instant t) { return eraGmst82(kJulianDayOfInstantZero, t); }

Mat3 PrecessionFromJ2000(Instant t) {
    double r[3][3];
    eraPmat76(kJulianDayOfInstantZero, t, r);
    Mat3 m;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) m[i][j] = r[i][j];
    return m;
}

Vec3 MoonGeocentric(Instant t) {
    double pv[2][3];
    eraMoon98(kJulianDayOfInstantZero, t, pv);
    return {pv[0][0], pv[0][1], pv[0][2]};
}

double IlluminatedFraction(double elongation) { return (1.0 - std::cos(elongation)) / 2.0; }

double AngleBetween(const Vec3& a, const Vec3& b) {
    const Vec3 c{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    return std::atan2(Norm(c), Dot(a, b));
}

RaDec ToRaDec(const Vec3& v) {
    double ra = std::atan2(v.y, v.x);
    if (ra < 0) ra += kTwoPi;
    return {ra, std::atan2(v.z, std::hypot(v.x, v.y))};
}

Vec3 ZenithJ2000(Instant t, double latitude, double longitude) {
    const double lst = GreenwichMeanSiderealTime(t) + longitude;
    const Vec3 ofDate{std::cos(latitude) * std::cos(lst), std::cos(latitude) * std::sin(lst),
                      std::sin(latitude)};
    return ApplyTransposed(PrecessionFromJ2000(t), ofDate);
}

AltAz HorizontalOfJ2000(Instant t, double latitude, double longitude, const Vec3& direction) {
    const RaDec p = ToRaDec(Apply(PrecessionFromJ2000(t), direction));
    const double H = GreenwichMeanSiderealTime(t) + longitude - p.ra;
    const double sinAlt =
        std::sin(latitude) * std::sin(p.dec) + std::cos(latitude) * std::cos(p.dec) * std::cos(H);
    double az = std::atan2(
        -std::cos(p.dec) * std::sin(H),
        std::sin(p.dec) * std::cos(latitude) - std::cos(p.dec) * std::cos(H) * std::sin(latitude));
    if (az < 0) az += kTwoPi;
    return {std::asin(std::max(-1.0, std::min(1.0, sinAlt))), az};
}

}  // namespace vagaris
