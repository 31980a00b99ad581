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
// crossings. Throws EConvertError(kPreciseRangeMessage) outside the model's years.
double PreciseEarthLongitude(Instant ut);

// The title line that tells the user the precise model is in use, on the Selección page's
// results and in the ephemeris table's header lines.
inline constexpr const char* kPreciseModelLine =
    "Modelo preciso (topocéntrico, J2000 astrométrico)";
// The same line when the geocentric place was asked for instead of the site's (vagaris-cli
// --geocentric): the title must not claim a topocentric place.
inline constexpr const char* kPreciseGeocentricModelLine =
    "Modelo preciso (geocéntrico, J2000 astrométrico)";
inline const char* PreciseModelLine(bool geocentric) {
    return geocentric ? kPreciseGeocentricModelLine : kPreciseModelLine;
}

// The site of the Configuración page's texts: the latitude as the standard model reads it
// (sign and two digits of whole degrees, "+40"), the longitude east positive in degrees
// ("-003.7"), at `height` [m]. Throws the conversion message of the text that fails.
ObserverSite SiteFromSettingsTexts(const std::string& latitude, const std::string& longitude,
                                   double height = 0);

// ComputeCircumstances in the precise model: session.Circumstances from the precise model at
// session.CurrentInstant for `site` (the place from `centre`), and the same records as the
// standard model writes: the object's orbit record (its anomaly one minute later, as there),
// the Earth's heliocentric ecliptic longitude (J2000) and ObjectName. Returns false and
// changes nothing when no object is chosen. twilightLimit applies in mode T only. Throws
// EConvertError (element texts, kPreciseRangeMessage); the records written before the
// failing step keep their new values, as in the standard model.
bool ComputePreciseCircumstances(Session& session, CircumstanceMode mode, double twilightLimit,
                                 const ObserverSite& site, PlaceCentre centre);

}  // namespace vagaris
