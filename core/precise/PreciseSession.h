#pragma once
// The precise model on the program-wide session: the counterpart of ComputeCircumstances.
#include <string>

#include "core/Circumstances.h"
#include "core/precise/PreciseModel.h"

namespace vagaris {

struct Session;
struct Settings;

// Settings line 13 and the command line's --model: the program's standard model ("std") or
// this one ("precise").
inline constexpr const char* kStandardModelText = "std";
inline constexpr const char* kPreciseModelText = "precise";
bool UsesPreciseModel(const Settings& settings);
// The Configuración page's site (latitude, longitude, height texts) for the precise model.
// Throws the conversion message of the text that fails.
ObserverSite SettingsSite(const Settings& settings);
// Where the precise model places the observer for these settings: the site, or the geocentre
// when asked (GeocentricPlace).
PlaceCentre SettingsCentre(const Settings& settings);

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
// The forces of these settings: the two-body ones when asked (TwoBodyPlace).
PreciseForces SettingsForces(const Settings& settings);

// The site of the Configuración page's texts: the latitude as the standard model reads it
// (sign and two digits of whole degrees, "+40"), the longitude east positive in degrees
// ("-003.7"), at `height` [m]. Throws the conversion message of the text that fails.
ObserverSite SiteFromSettingsTexts(const std::string& latitude, const std::string& longitude,
                                   double height = 0);

// ComputeCircumstances in the precise model: session.Circumstances from the precise model at
// session.CurrentInstant for `site` (the place from `centre`, the forces of
// session.settings), and the same records as the
// standard model writes: the object's orbit record (its anomaly one minute later, as there),
// the Earth's heliocentric ecliptic longitude (J2000) and ObjectName. Returns false and
// changes nothing when no object is chosen. twilightLimit applies in mode T only. Throws
// EConvertError (element texts, kPreciseRangeMessage); the records written before the
// failing step keep their new values, as in the standard model.
bool ComputePreciseCircumstances(Session& session, CircumstanceMode mode, double twilightLimit,
                                 const ObserverSite& site, PlaceCentre centre);

// The object's orbit as the orbit view draws it (the Orbita page and vagaris-cli orbit). In
// the precise model with the planets' pull: the osculating conic of the integrated position
// and velocity (Perturbations.h) one minute after session.CurrentInstant, the instant whose
// anomaly the record holds, so that the marker lies on the drawn orbit and an animation shows
// the orbit changing near a planet. Otherwise (the standard model, --two-body) the record
// session.Orbits[kObject] as the last computation wrote it, unchanged.
//
// Why a function of the session rather than that record: the record keeps the catalog's
// elements for its other readers, the Selección page's period (SelectionPageTexts reads its a
// and e), while the e/a diagram and the anti-tail search read the catalog's elements on their
// own; only the drawing asks for the osculating orbit. The integration it reads is the one the
// last computation made (the thread's trajectory of these elements), so it costs an
// interpolation. Throws EConvertError as ComputePreciseCircumstances does (element texts,
// kPreciseRangeMessage, "Elementos orbitales no válidos").
TOrbitRecord DrawnObjectOrbit(const Session& session);

}  // namespace vagaris
