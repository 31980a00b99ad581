#include "core/precise/PreciseSession.h"

#include <cmath>

#include "core/Angles.h"
#include "core/Session.h"
#include "core/TextForms.h"

namespace vagaris {

namespace {

constexpr double kObliquityJ2000 = 84381.448 / 206264.80624709636;  // [rad]

}  // namespace

ObserverSite SiteFromSettingsTexts(const std::string& latitude, const std::string& longitude,
                                   double height) {
    const std::string digits = latitude.size() > 1 ? latitude.substr(1, 2) : std::string();
    int degrees = ParseInt(digits);
    if (!latitude.empty() && latitude[0] == '-') degrees = -degrees;
    return {Rad(degrees), Rad(ParseFloat(longitude)), height};
}

double PreciseEarthLongitude(Instant ut) {
    double pvh[2][3], pvb[2][3], x, y, cio;
    EarthAt(PreciseTimeOf(ut).tt, pvh, pvb, x, y, cio);
    // Equatorial → ecliptic J2000.
    const double ce = std::cos(kObliquityJ2000), se = std::sin(kObliquityJ2000);
    return NormalizeAngle(std::atan2(pvh[0][1] * ce + pvh[0][2] * se, pvh[0][0]));
}

bool UsesPreciseModel(const Settings& settings) { return settings.Model == kPreciseModelText; }

ObserverSite SettingsSite(const Settings& settings) {
    return SiteFromSettingsTexts(settings.Lat, settings.Lon, ParseInt(settings.Alt));
}

PlaceCentre SettingsCentre(const Settings& settings) {
    return settings.GeocentricPlace ? PlaceCentre::Geocentre : PlaceCentre::Site;
}

bool ComputePreciseCircumstances(Session& s, CircumstanceMode mode, double twilightLimit,
                                 const ObserverSite& site, PlaceCentre centre) {
    const TOrbitalElements& el = s.Elements;
    if (el.Fecha.empty()) return false;  // no object chosen
    TOrbitRecord& object = s.Orbits[kObject];
    // The record, field by field, as the standard model fills it, and the values read once.
    const TElementValues v = PreciseElementValues(el, ReadElements(el, object));
    s.ObjectName = Trim(Utf8Prefix(el.Name, 40));

    const PreciseTime time = PreciseTimeOf(s.CurrentInstant);
    s.Orbits[kEarth].Anomaly = PreciseEarthLongitude(s.CurrentInstant);

    const double limit = mode == CircumstanceMode::T ? twilightLimit : kTwilightAstronomical;
    s.Circumstances = PreciseCircumstances(v, s.CurrentInstant, site, centre, limit);
    object.Anomaly = PreciseHeliocentric(v, time.tt + kMinute).anomaly;
    return true;
}

}  // namespace vagaris
