#pragma once
// The Sun from a short analytical theory; the obliquity; horizontal coordinates.
#include "core/Time.h"

namespace vagaris {

struct SunPlace {
    double lambda;  // geocentric ecliptic longitude [rad], equinox 2000 by a linear term
    double R;       // distance [AU]
};

SunPlace SunPosition(Instant t);
double Obliquity(Instant t);  // mean obliquity of the date [rad]

struct HorizontalPlace {
    double altitude;  // [rad]
    double azimuth;   // [rad], from the south towards the west, in (−π, π]
};
// alpha, delta: equatorial coordinates; phi: latitude; theta: local sidereal time [rad].
HorizontalPlace EquatorialToHorizontal(double alpha, double delta, double phi, double theta);

}  // namespace vagaris
