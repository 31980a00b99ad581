#pragma once
// Two-body motion in universal variables (Stumpff functions), valid for every eccentricity and
// well conditioned where the program's elliptic, parabolic and hyperbolic branches are not:
// eccentricities within a hair of 1, and perihelia of a few solar radii. The precise model
// uses it for comets close to the parabola; the other orbits go through PropagateOrbit.
// Reference: Danby, Fundamentals of Celestial Mechanics (1988), ch. 6.9; the solver is the
// Laguerre–Conway iteration (Conway 1986), which converges from any start.
#include "core/Kepler.h"

namespace vagaris {

// Position of a body with perihelion distance q [AU], eccentricity e (any value ≥ 0),
// perihelion time `perihelion` and angles w, O, i [deg] of the ecliptic J2000 at the instant
// t (same time scale as `perihelion`), in equatorial coordinates for the obliquity eps [rad].
// OrbitPosition::anomaly is the eccentric anomaly in (−π, π] for e < 1, the true anomaly
// otherwise, as PropagateOrbit's. On an ellipse the time from perihelion is first reduced to
// the nearest perihelion, so any number of revolutions converges. Throws EConvertError(
// "Elementos orbitales no válidos") for q ≤ 0, e < 0, non-finite input or no convergence
// within 50 steps.
OrbitPosition UniversalOrbitPosition(double q, double e, Instant perihelion, double w, double O,
                                     double i, Instant t, double eps);

}  // namespace vagaris
