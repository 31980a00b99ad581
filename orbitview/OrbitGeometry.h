#pragma once
// Projection of orbits onto the orbit view: the orbit-plane rotations (argument of perihelion,
// inclination, node) into heliocentric ecliptic coordinates, then the two view rotations
// (azimuth about the ecliptic pole, tilt about the ecliptic x axis) and a parallel projection
// onto paint-box pixels. Pure C++, no drawing.
#include <cstdint>

#include "core/ElementRecord.h"

namespace vagaris {

// What DrawOrbit draws: the seven planets other than the Earth, the Earth (drawn without its
// perihelion rotation), and the current object on an ellipse (e < 1) or an open conic (e ≥ 1).
enum class BodyKind { Planet, Earth, EllipticObject, OpenObject };

// The view's state, one per orbit page (and one per picture the command line renders).
struct OrbitView {
    double Tilt = 0;                  // [rad] about the ecliptic x axis; ScrollBar3, −90°..90°
    double Azimuth = 0;               // [rad] about the ecliptic pole; ScrollBar1, 0°..360°
    double Scale = 4.0;               // [AU] drawn HalfSize pixels from the Sun; ScrollBar2 / 10
    std::int32_t PanX = 0, PanY = 0;  // [px] shift of the whole drawing, unbounded
    std::uint16_t HalfSize = 0;       // [px] round(paint box height / 2), set at every redraw
};

// Mouse dragging of the drawing: the mouse position and the shift at button-down [px].
struct DragState {
    bool Dragging = false;
    std::int32_t DragX = 0, DragY = 0;
    std::int32_t DragPanX = 0, DragPanY = 0;
};

struct Pixel {
    int x = 0, y = 0;
    bool operator==(const Pixel&) const = default;
};

// Projected coordinates are clamped to this many pixels from the Sun before rounding, so
// points near a hyperbola's asymptotes stay representable.
inline constexpr double kMaxProjectedPixels = 1000000.0;

// (u, v) := (u·cos a − v·sin a, u·sin a + v·cos a), angle a [rad].
void RotatePair(double& u, double& v, double angle);

// round(height / 2), halves to the even neighbour: 469 → 234, 403 → 202, 326 → 163.
std::uint16_t HalfSizeForHeight(int height);

// A point of `record`'s orbit plane (x towards perihelion, the orbit in the x–z plane) [AU]
// to a paint-box pixel, rotation by rotation. With record == nullptr the point is taken as
// heliocentric ecliptic (x towards the equinox, z towards the north pole) and gets only the
// view rotations. The Earth's orbit skips the perihelion rotation.
Pixel ProjectPoint(double x, double y, double z, const TOrbitRecord* record, BodyKind kind,
                   const OrbitView& view);

// The same projection with the rotations of one orbit folded into a matrix once, for the
// thousands of points of an arc. Differs from ProjectPoint only by rounding in the last
// bits, so a pixel can differ only where a coordinate lies within rounding of a half pixel.
class OrbitProjector {
public:
    OrbitProjector(const OrbitView& view, const TOrbitRecord* record, BodyKind kind);
    // A point (x, 0, z) of the orbit plane [AU].
    Pixel operator()(double x, double z) const;

private:
    // View-plane horizontal and vertical coordinates as functions of the orbit-plane x and z.
    double hx_ = 0, hz_ = 0, vx_ = 0, vz_ = 0;
    const OrbitView& view_;
};

// Horizontal and vertical pixel of a point already turned into view coordinates [AU].
Pixel ViewPointToPixel(double horizontal, double vertical, const OrbitView& view);

// The eccentric anomalies [deg, 0 ≤ E < 360] of an elliptic orbit's nodes: the ascending
// node at true anomaly −w, the descending node at 180° − w. Computed from the true anomalies
// (tan E/2 = √((1 − e)/(1 + e))·tan ν/2), which stays exact near w = 90° and 270° where the
// intersection of the line of nodes with the ellipse is ill-conditioned.
struct EllipseNodes {
    double Asc = 0;   // [deg]
    double Desc = 0;  // [deg]
};
EllipseNodes FindEllipseNodes(const TOrbitRecord& record);

// Segments of an arc of `spanDeg` degrees of anomaly: 15 per degree of the rounded span
// (halves to even); 0 for a span that rounds to 0°, which draws nothing.
int ArcSegmentCount(double spanDeg);

}  // namespace vagaris
