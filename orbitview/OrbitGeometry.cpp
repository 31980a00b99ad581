#include "orbitview/OrbitGeometry.h"

#include <algorithm>
#include <cmath>

#include "core/Angles.h"

namespace vagaris {

namespace {

// Round half to even (the default floating-point rounding mode), after clamping.
long long RoundPixels(double value) {
    if (std::isnan(value)) return 0;  // only from an element set the computation refused
    value = std::clamp(value, -kMaxProjectedPixels, kMaxProjectedPixels);
    return std::llrint(value);
}

int ToPixel(long long value) {
    // Pan is unbounded; keep the sum inside what a paint engine can take.
    constexpr long long kLimit = 1LL << 28;
    return static_cast<int>(std::clamp(value, -kLimit, kLimit));
}

// Steps 1 to 3: orbit plane to heliocentric ecliptic coordinates [AU].
void OrbitPlaneToEcliptic(double& x, double& y, double& z, const TOrbitRecord& record,
                          BodyKind kind) {
    if (kind != BodyKind::Earth) RotatePair(x, z, Rad(record.w));
    RotatePair(y, z, Rad(record.i - 90.0));
    RotatePair(x, y, Rad(record.O));
}

// Steps 4 and 5: the view rotations.
void EclipticToView(double& x, double& y, double& z, const OrbitView& view) {
    RotatePair(x, y, view.Azimuth);
    RotatePair(y, z, view.Tilt);
}

}  // namespace

void RotatePair(double& u, double& v, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    const double nu = u * c - v * s;
    const double nv = u * s + v * c;
    u = nu;
    v = nv;
}

std::uint16_t HalfSizeForHeight(int height) {
    return static_cast<std::uint16_t>(std::llrint(height / 2.0));
}

Pixel ViewPointToPixel(double horizontal, double vertical, const OrbitView& view) {
    const double half = view.HalfSize;
    const long long px = view.HalfSize + RoundPixels(half * horizontal / view.Scale) + view.PanX;
    const long long py = view.HalfSize - RoundPixels(half * vertical / view.Scale) + view.PanY;
    return {ToPixel(px), ToPixel(py)};
}

Pixel ProjectPoint(double x, double y, double z, const TOrbitRecord* record, BodyKind kind,
                   const OrbitView& view) {
    if (record) OrbitPlaneToEcliptic(x, y, z, *record, kind);
    EclipticToView(x, y, z, view);
    return ViewPointToPixel(x, z, view);  // the rotated y is the depth, dropped
}

OrbitProjector::OrbitProjector(const OrbitView& view, const TOrbitRecord* record, BodyKind kind)
    : view_(view) {
    // The projection is linear: fold it into the images of the two orbit-plane axes.
    double x = 1, y = 0, z = 0;
    if (record) OrbitPlaneToEcliptic(x, y, z, *record, kind);
    EclipticToView(x, y, z, view);
    hx_ = x;
    vx_ = z;
    x = 0, y = 0, z = 1;
    if (record) OrbitPlaneToEcliptic(x, y, z, *record, kind);
    EclipticToView(x, y, z, view);
    hz_ = x;
    vz_ = z;
}

Pixel OrbitProjector::operator()(double x, double z) const {
    return ViewPointToPixel(hx_ * x + hz_ * z, vx_ * x + vz_ * z, view_);
}

namespace {

// Eccentric anomaly [deg, 0 ≤ E < 360] of true anomaly nu [deg] on an ellipse.
double EccentricAnomalyOfTrue(double nuDeg, double e) {
    const double half = Rad(nuDeg) / 2.0;
    const double E =
        2.0 * std::atan2(std::sqrt(1.0 - e) * std::sin(half), std::sqrt(1.0 + e) * std::cos(half));
    double deg = std::fmod(Deg(E), 360.0);
    if (deg < 0) deg += 360.0;
    if (deg >= 360.0) deg -= 360.0;  // a tiny negative value can round up to 360
    return deg;
}

}  // namespace

EllipseNodes FindEllipseNodes(const TOrbitRecord& record) {
    return {EccentricAnomalyOfTrue(-record.w, record.e),
            EccentricAnomalyOfTrue(180.0 - record.w, record.e)};
}

int ArcSegmentCount(double spanDeg) {
    // The count is held in 16 bits, as the drawing has always done; arcs never exceed 360°.
    if (!std::isfinite(spanDeg)) return 0;
    const long long rounded = std::llrint(spanDeg);
    if (rounded <= 0) return 0;
    return static_cast<std::uint16_t>(15 * rounded);
}

}  // namespace vagaris
