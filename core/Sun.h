#pragma once
// The Sun from a short analytical theory; the obliquity; horizontal coordinates.
#include "core/SkyFrames.h"
#include "core/Time.h"

namespace vagaris {

struct SunPlace {
    double lambda;  // geocentric ecliptic longitude [rad], equinox 2000 by a linear term
    double R;       // distance [AU]
};

SunPlace SunPosition(Instant t);
double Obliquity(Instant t);  // mean obliquity of the date [rad]
// The Sun's geocentric rectangular vector [AU] on the equator of the obliquity `eps` [rad]
// (the axes of PropagateOrbit's positions for that obliquity).
Vec3 SunRectangular(const SunPlace& sun, double eps);

struct HorizontalPlace {
    double altitude;  // [rad]
    double azimuth;   // [rad], from the south towards the west, in (−π, π]
};
// alpha, delta: equatorial coordinates; phi: latitude; theta: local sidereal time [rad].
HorizontalPlace EquatorialToHorizontal(double alpha, double delta, double phi, double theta);

}  // namespace vagaris
