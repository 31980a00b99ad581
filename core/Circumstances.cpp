#include "core/Circumstances.h"

#include <climits>
#include <cmath>
#include <utility>

#include "core/Angles.h"
#include "core/ElementRecord.h"
#include "core/Errors.h"
#include "core/PositionModel.h"
#include "core/StandardModel.h"
#include "core/Session.h"
#include "core/Sun.h"
#include "core/TextForms.h"
#include "core/precise/PreciseSession.h"

namespace vagaris {

namespace {

constexpr double kSiderealStep = 0.0218;      // [rad] of local sidereal time per search step
constexpr int kMaxSiderealSteps = 200;        // more than half a turn of such steps
constexpr double kKmPerAuMillions = 149.611;  // 10^6 km per AU on the Selección page

double MaxAltitude(double alpha, double delta, double phi, double alphaSun, double deltaSun,
                   double limit) {
    const double theta0 = alpha;
    double candidate = EquatorialToHorizontal(alpha, delta, phi, theta0).altitude;
    const HorizontalPlace sun0 = EquatorialToHorizontal(alphaSun, deltaSun, phi, theta0);
    if (!(sun0.altitude <= -limit)) {
        // Step the sidereal time towards the night: forwards while the Sun is in the western
        // half of the sky, backwards otherwise.
        const double step = NormalizeAngle(sun0.azimuth) <= kPi ? kSiderealStep : -kSiderealStep;
        double theta = theta0;
        // Half a turn takes 145 steps; the cap only matters for a non-finite start, which
        // the caller then refuses.
        for (int steps = 0; steps <= kMaxSiderealSteps; ++steps) {
            theta += step;
            const double hs = EquatorialToHorizontal(alphaSun, deltaSun, phi, theta).altitude;
            if (hs < -limit || std::fabs(theta - theta0) > kPi) break;
        }
        candidate = std::fabs(theta - theta0) > kPi
                        ? 0.0
                        : EquatorialToHorizontal(alpha, delta, phi, theta).altitude;
    }
    return candidate < 0 ? 0.0 : candidate;
}

// Fills the session's records from the observer's model in the order the page has always
// written them, so that a failure leaves what was written before it: in the standard model
// the Earth's longitude first, then the object's record field by field, its name, and, when
// the latitude comes as the settings' text, every circumstance but the maximum altitude
// before that text is read; in the precise model the site has been read before anything.
bool FillCircumstances(Session& s, CircumstanceMode mode, const Observer& observer,
                       double twilightLimit, const std::string* latitudeText) {
    const TOrbitalElements& el = s.Elements;
    if (el.Fecha.empty()) return false;  // no object chosen
    const Instant t = s.CurrentInstant;
    const auto model = MakePositionModel(observer);
    if (!observer.precise()) s.Orbits[kEarth].Anomaly = StandardEarthLongitude(t);
    TOrbitRecord& object = s.Orbits[kObject];
    const TElementValues v = model->Values(el, &object);
    s.ObjectName = ObjectNameOf(el);
    const double limit = mode == CircumstanceMode::T ? twilightLimit : kTwilightAstronomical;
    ObjectCircumstances result = model->At(v, t, limit);
    s.Orbits[kEarth].Anomaly = result.earthLongitude;
    object.Anomaly = result.anomaly;
    if (latitudeText) {
        TCircumstances known = result.circumstances;
        known.MaxAltitude = s.Circumstances.MaxAltitude;
        s.Circumstances = known;
        result.circumstances.MaxAltitude = StandardMaxAltitude(
            known.RightAscension, known.Declination, t, LatitudeFromBoxText(*latitudeText), limit);
    }
    s.Circumstances = result.circumstances;
    return true;
}

}  // namespace

bool ComputeCircumstances(Session& s, CircumstanceMode mode, double twilightLimit) {
    if (s.Elements.Fecha.empty()) return false;  // no object chosen
    if (UsesPreciseModel(s.settings))
        return FillCircumstances(s, mode, ObserverFromSettings(s.settings), twilightLimit, nullptr);
    return FillCircumstances(s, mode, ModelChoiceOf(s.settings), twilightLimit, &s.settings.Lat);
}

bool ComputeCircumstances(Session& s, CircumstanceMode mode, const Observer& observer,
                          double twilightLimit) {
    return FillCircumstances(s, mode, observer, twilightLimit, nullptr);
}

TOrbitRecord DrawnObjectOrbit(const Session& s) {
    return MakePositionModel(ObserverFromSettings(s.settings))
        ->DrawnOrbit(s.Elements, s.Orbits[kObject], s.CurrentInstant);
}

SelectionTexts SelectionPageTexts(const Session& s, const UnitWords& words) {
    const TCircumstances& c = s.Circumstances;
    const Settings& set = s.settings;
    const TOrbitRecord& object = s.Orbits[kObject];
    SelectionTexts out;
    if (UsesPreciseModel(set))
        out.modelLine = PreciseModelLine(set.GeocentricPlace, set.TwoBodyPlace);
    using Q = SelectionQuantity;
    auto add = [&](Q quantity, std::string text) {
        out.values.push_back({quantity, std::move(text)});
    };
    auto distance = [&words](double au) {
        return FormatNumber("0.0000", au) + " " + words.au + "  (" +
               FormatNumber("0.0", kKmPerAuMillions * au) + "  10^6 km)";
    };
    add(Q::Delta, distance(c.Delta));
    add(Q::RightAscension, HoursText(4, c.RightAscension));
    add(Q::Declination, DegreesText(3, c.Declination));
    add(Q::SunDistance, distance(c.SunDistance));
    add(Q::Elongation, FormatNumber("0.0", Deg(c.Elongation)) + "°");
    add(Q::PhaseAngle, FormatNumber("0.0", Deg(c.PhaseAngle)) + "°");
    add(Q::Magnitude, FormatNumber("0.0", c.Magnitude));
    add(Q::Speed, FormatNumber("0.00", c.Speed) + "  km/s  -  " +
                      FormatNumber("0", c.Speed * 3600) + "  km/h");
    add(Q::MaxAltitude, FormatNumber("0.0", Deg(c.MaxAltitude)) + "°");

    if (set.Polar) {
        add(Q::Motion, set.PerMinute ? FormatNumber("0.00", c.Motion) + "\"" + words.perMinute
                                     : FormatNumber("0.0", c.Motion * 60) + "\"" + words.perHour);
        add(Q::PositionAngle, FormatNumber("0.0", Deg(c.MotionPA)) + "°");
    } else if (set.PerMinute) {
        add(Q::MotionRA, FormatNumber("+0.00;-0.00", c.MotionRA) + "\"" + words.perMinute);
        add(Q::MotionDec, FormatNumber("+0.00;-0.00", c.MotionDec) + "\"" + words.perMinute);
    } else {
        add(Q::MotionRA, FormatNumber("+0.0;-0.0", c.MotionRA * 60) + "\"" + words.perHour);
        add(Q::MotionDec, FormatNumber("+0.0;-0.0", c.MotionDec * 60) + "\"" + words.perHour);
    }

    // Longest exposure before the object moves one pixel (or half the seeing disc) [s].
    double scale = 0;
    try {
        scale = set.UseResolution ? ParseFloat(set.Res) : ParseFloat(set.FWHM) / 2;
    } catch (const EConvertError& e) {
        out.error = e.what();
        return out;
    }
    // A scale of 0 or less would print a negative or zero exposure.
    if (!(scale > 0)) {
        out.error = set.UseResolution ? kResolutionNotPositiveMessage : kFwhmNotPositiveMessage;
        return out;
    }
    const double seconds = scale / c.Motion * 60;
    std::string exposure = "---";  // no finite exposure for an object that does not move
    if (std::isfinite(seconds) && std::fabs(seconds) < static_cast<double>(INT_MAX)) {
        const long long E = RoundHalfEven(seconds);
        exposure = set.ExposureFormat == 1
                       ? std::to_string(E / 60) + "m  " + std::to_string(E % 60) + "s"
                       : std::to_string(E) + " " + words.seconds;
    }
    add(Q::MaxExposure, exposure);
    add(Q::Period,
        object.e < 1
            ? "P:   " + FormatNumber("0.000", std::sqrt(std::pow(object.a, 3))) + " " + words.years
            : std::string());
    return out;
}

double MaxAltitudeSearch(double alpha, double delta, double phi, double alphaSun, double deltaSun,
                         double limit) {
    return MaxAltitude(alpha, delta, phi, alphaSun, deltaSun, limit);
}

}  // namespace vagaris
