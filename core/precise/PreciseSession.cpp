#include "core/precise/PreciseSession.h"

#include <cmath>

#include "core/Angles.h"
#include "core/Constants.h"
#include "core/Session.h"

namespace vagaris {

double PreciseEarthLongitude(Instant ut) {
    double pvh[2][3], pvb[2][3], x, y, cio;
    EarthAt(PreciseTimeNear(ut).tt, pvh, pvb, x, y, cio);
    // Equatorial → ecliptic J2000.
    const double ce = std::cos(kObliquityJ2000), se = std::sin(kObliquityJ2000);
    return NormalizeAngle(std::atan2(pvh[0][1] * ce + pvh[0][2] * se, pvh[0][0]));
}

bool UsesPreciseModel(const Settings& settings) { return settings.Model == kPreciseModelText; }

}  // namespace vagaris
