#pragma once
// Orbit propagation: elliptic (Kepler), parabolic and hyperbolic.
#include "core/ElementRecord.h"
#include "core/Time.h"

namespace vagaris {

inline constexpr int kKeplerMaxSteps = 10000;

// Solves E − e sin E = M [rad]: fixed-point steps for e ≤ 0.4, Newton steps otherwise,
// until |E − E′| < 1e-9. Capped at kKeplerMaxSteps: beyond that throws
// EConvertError("Elementos orbitales no válidos").
double SolveKepler(double M, double e);

struct OrbitPosition {
    double anomaly;  // E [rad] when e < 1 (not reduced); true anomaly v otherwise
    double v;        // true anomaly [rad]
    double r;        // distance from the Sun [AU]
    double x, y, z;  // heliocentric equatorial rectangular coordinates [AU]
};

// Elliptic branch for e < 1, parabolic for 1 ≤ e ≤ 1.00001, hyperbolic (e sinh H − H = M)
// above. eps is the obliquity of the date of the evaluation [rad]. Non-finite results or
// impossible element sets throw EConvertError("Elementos orbitales no válidos").
OrbitPosition PropagateOrbit(const TElementValues& el, Instant t, double eps);

}  // namespace vagaris
