#pragma once
// The masses of the perturbed model, written once. Source: the IAU 2009 System of Astronomical
// Constants (Luzum et al. 2011, Celest. Mech. Dyn. Astr. 110, 293, table 1, "current best
// estimates"), whose planetary ratios are those of the JPL ephemerides DE421/DE430 to the
// digits given. Each planet's mass includes its satellites; the Earth and the Moon are apart.
#include <erfam.h>

#include "core/Constants.h"

namespace vagaris::perturbed {

// The Gaussian gravitational constant [AU^(3/2) / day]: GM of the Sun = k² AU³/day², the
// constant with which the MPC's elements are fitted and the precise model's mean motion.
inline constexpr double kGauss = kGaussianConstant;
// The speed of light [AU/day].
inline constexpr double kLightSpeed = ERFA_DC;

// GM(Sun) / GM(body).
inline constexpr double kSunOverMercury = 6.0236e6;
inline constexpr double kSunOverVenus = 4.08523719e5;
inline constexpr double kSunOverEarth = 332946.0487;
inline constexpr double kMoonOverEarth = 1.23000371e-2;  // M(Moon) / M(Earth)
inline constexpr double kSunOverMars = 3.09870359e6;
inline constexpr double kSunOverJupiter = 1.047348644e3;
inline constexpr double kSunOverSaturn = 3.4979018e3;
inline constexpr double kSunOverUranus = 2.290298e4;
inline constexpr double kSunOverNeptune = 1.941226e4;

// GM of a body in units of the Sun's (dimensionless; times k² gives AU³/day²).
inline constexpr double kMassEarth = 1 / kSunOverEarth;
inline constexpr double kMassMoon = kMoonOverEarth / kSunOverEarth;
inline constexpr double kMassEarthMoon = kMassEarth + kMassMoon;

// The Sun's radius [AU] (695 700 km, IAU 2015 nominal): an orbit that reaches inside it has
// fallen into the Sun.
inline constexpr double kSunRadius = 695700e3 / ERFA_DAU;

}  // namespace vagaris::perturbed
