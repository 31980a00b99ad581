#include "catalogs/stars/ProperMotion.h"

#include <cmath>

#include "core/Angles.h"

namespace vagaris::stars {

SkyPlace PlaceAtEpoch(const Star& star, double yearsFromJ2000) {
    const double sa = std::sin(star.ra), ca = std::cos(star.ra);
    const double sd = std::sin(star.dec), cd = std::cos(star.dec);
    // Unit vectors towards the star, towards growing RA and towards growing Dec.
    const double p[3] = {cd * ca, cd * sa, sd};
    const double east[3] = {-sa, ca, 0.0};
    const double north[3] = {-sd * ca, -sd * sa, cd};
    const double ma = star.pmRaCosDec * kRadPerMas * yearsFromJ2000;
    const double md = star.pmDec * kRadPerMas * yearsFromJ2000;
    double q[3];
    for (int i = 0; i < 3; ++i) q[i] = p[i] + ma * east[i] + md * north[i];
    SkyPlace place;
    place.ra = std::atan2(q[1], q[0]);
    if (place.ra < 0) place.ra += kTwoPi;
    place.dec = std::atan2(q[2], std::hypot(q[0], q[1]));
    return place;
}

}  // namespace vagaris::stars
