#pragma once
// Orbit propagation: elliptic (Kepler), parabolic and hyperbolic.
#include "core/ElementRecord.h"
#include "core/Time.h"

namespace vagaris {

inline constexpr int kKeplerMaxSteps = 10000;

// Mean daily motion of a body at 1 AU [deg/day] for elliptic orbits: the program's rounded
// value, and the Gaussian constant k·180/π with which the MPC fits its elements (the precise
// model's choice; the two differ by 1.4e-6, some 2" a year for a near-Earth object).
inline constexpr double kMeanMotionStandard = 0.985609;
inline constexpr double kMeanMotionGaussian = 0.98560766860;

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
OrbitPosition PropagateOrbit(const TElementValues& el, Instant t, double eps,
                             double meanMotionAt1Au = kMeanMotionStandard);

}  // namespace vagaris
