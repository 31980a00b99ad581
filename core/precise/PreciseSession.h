#pragma once
// The precise model's choice in the settings, its title lines, and the Earth's longitude it
// gives the orbit drawing and the anti-tail search.
#include <string>

#include "core/Circumstances.h"
#include "core/precise/PreciseModel.h"

namespace vagaris {

struct Settings;

// Settings line 13 and the command line's --model: the program's standard model ("std") or
// this one ("precise").
inline constexpr const char* kStandardModelText = "std";
inline constexpr const char* kPreciseModelText = "precise";
bool UsesPreciseModel(const Settings& settings);

// The Earth's heliocentric longitude on the ecliptic of J2000 [rad, 0 … 2π) at the UT
// instant `ut`, from eraEpv00: the orbit drawing's Earth and the anti-tail search's node
// crossings. Throws EConvertError(kPreciseRangeMessage) beyond the model's years and their
// look-around margin (PreciseTimeNear): the caller checks the instant it was asked for.
double PreciseEarthLongitude(Instant ut);

// The title line that tells the user the precise model is in use, on the Selección page's
// results, in the ephemeris table's header lines and the night's list: the object integrated
// under the planets' pull.
inline constexpr const char* kPreciseModelLine =
    "Modelo preciso (topocéntrico, J2000 astrométrico, con perturbaciones planetarias)";
// The same line when the geocentric place was asked for instead of the site's (vagaris-cli
// --geocentric): the title must not claim a topocentric place.
inline constexpr const char* kPreciseGeocentricModelLine =
    "Modelo preciso (geocéntrico, J2000 astrométrico, con perturbaciones planetarias)";
// The two lines with the two-body forces (vagaris-cli --two-body).
inline constexpr const char* kPreciseTwoBodyModelLine =
    "Modelo preciso (topocéntrico, J2000 astrométrico)";
inline constexpr const char* kPreciseTwoBodyGeocentricModelLine =
    "Modelo preciso (geocéntrico, J2000 astrométrico)";
inline const char* PreciseModelLine(bool geocentric, bool twoBody = false) {
    if (twoBody) return geocentric ? kPreciseTwoBodyGeocentricModelLine : kPreciseTwoBodyModelLine;
    return geocentric ? kPreciseGeocentricModelLine : kPreciseModelLine;
}

}  // namespace vagaris
