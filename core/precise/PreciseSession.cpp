#include "core/precise/PreciseSession.h"

#include <cmath>

#include "core/Angles.h"
#include "core/Session.h"
#include "core/TextForms.h"
#include "core/precise/Perturbations.h"

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
    EarthAt(PreciseTimeNear(ut).tt, pvh, pvb, x, y, cio);
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

PreciseForces SettingsForces(const Settings& settings) {
    return settings.TwoBodyPlace ? PreciseForces::TwoBody : PreciseForces::Planets;
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
    const PreciseForces forces = SettingsForces(s.settings);
    s.Circumstances = PreciseCircumstances(v, s.CurrentInstant, site, centre, limit, forces);
    object.Anomaly = PreciseHeliocentric(v, time.tt + kMinute, forces).anomaly;
    return true;
}

TOrbitRecord DrawnObjectOrbit(const Session& s) {
    const TOrbitRecord& record = s.Orbits[kObject];
    if (!UsesPreciseModel(s.settings) || SettingsForces(s.settings) == PreciseForces::TwoBody)
        return record;
    TOrbitRecord scratch;  // the session's record stays as the computation wrote it
    const TElementValues v = PreciseElementValues(s.Elements, ReadElements(s.Elements, scratch));
    const Instant tt = PreciseTimeOf(s.CurrentInstant).tt + kMinute;
    const TElementValues osculating =
        perturbed::OsculatingElements(perturbed::PerturbedState(v, tt), v.IsMinorPlanet);
    TOrbitRecord drawn = record;
    drawn.a = osculating.a;
    drawn.e = osculating.e;
    drawn.q = osculating.q;
    drawn.w = osculating.w;
    drawn.O = osculating.O;
    drawn.i = osculating.i;
    drawn.Anomaly = perturbed::PerturbedHeliocentric(v, tt).anomaly;
    return drawn;
}

}  // namespace vagaris
