#include "core/Circumstances.h"

#include <climits>
#include <cmath>
#include <utility>

#include "core/Angles.h"
#include "core/ElementRecord.h"
#include "core/Errors.h"
#include "core/Kepler.h"
#include "core/Session.h"
#include "core/Sun.h"
#include "core/TextForms.h"
#include "core/precise/PreciseSession.h"

namespace vagaris {

namespace {

constexpr double kSiderealStep = 0.0218;      // [rad] of local sidereal time per search step
constexpr int kMaxSiderealSteps = 200;        // more than half a turn of such steps
constexpr double kKmPerAuMillions = 149.611;  // 10^6 km per AU on the Selección page
constexpr double kOrbitalSpeedAt1Au = 29.8;   // [km/s]

// Difference of two right ascensions reduced into (−π, π], so that crossing 0h within the
// minute does not turn into a jump of a whole turn.
double ReduceHalfTurn(double d) {
    d = std::remainder(d, kTwoPi);
    if (d <= -kPi) d += kTwoPi;
    return d;
}

struct SunRect {
    double X, Y, Z;
};
SunRect SunRectangular(const SunPlace& sun, double eps) {
    return {sun.R * std::cos(sun.lambda), sun.R * std::sin(sun.lambda) * std::cos(eps),
            sun.R * std::sin(sun.lambda) * std::sin(eps)};
}

struct Direction {
    double alpha, delta, distance;
};
Direction DirectionOf(double xi, double eta, double zeta) {
    const double d = std::sqrt(xi * xi + eta * eta + zeta * zeta);
    return {NormalizeAngle(std::atan2(eta, xi)), ArcSine(zeta / d), d};
}

// Latitude from the meLat text: characters 2-3 as whole degrees, negative when the first
// character is "-". Throws the integer conversion message.
double LatitudeFromText(const std::string& lat) {
    const std::string digits = lat.size() > 1 ? lat.substr(1, 2) : std::string();
    int degrees = ParseInt(digits);
    if (!lat.empty() && lat[0] == '-') degrees = -degrees;
    return Rad(degrees);
}

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

bool AllFinite(const TCircumstances& c) {
    for (double x : {c.RightAscension, c.Declination, c.Delta, c.SunDistance, c.Elongation,
                     c.PhaseAngle, c.Magnitude, c.Speed, c.MaxAltitude, c.Motion, c.MotionRA,
                     c.MotionDec, c.MotionPA, c.ReverseMotionPA, c.RadiusVectorPA})
        if (!std::isfinite(x)) return false;
    return true;
}

}  // namespace

bool ComputeCircumstances(Session& s, CircumstanceMode mode, double twilightLimit) {
    const TOrbitalElements& el = s.Elements;
    if (el.Fecha.empty()) return false;  // no object chosen
    // Every page and command computes through here, so the model is chosen once, here.
    if (UsesPreciseModel(s.settings))
        return ComputePreciseCircumstances(s, mode, twilightLimit, SettingsSite(s.settings),
                                           SettingsCentre(s.settings));
    const Instant t = s.CurrentInstant;

    const SunPlace sun = SunPosition(t);
    s.Orbits[kEarth].Anomaly = sun.lambda + kPi;  // the Earth's heliocentric longitude

    TOrbitRecord& object = s.Orbits[kObject];
    const TElementValues v = ReadElements(el, object);
    s.ObjectName = Trim(Utf8Prefix(el.Name, 40));

    const double eps = Obliquity(t);
    const OrbitPosition p = PropagateOrbit(v, t, eps);
    object.Anomaly = p.anomaly;

    const SunRect S = SunRectangular(sun, eps);
    const Direction geo = DirectionOf(S.X + p.x, S.Y + p.y, S.Z + p.z);
    const double R = sun.R, r = p.r, Delta = geo.distance;

    TCircumstances c = s.Circumstances;
    c.Delta = Delta;
    c.RightAscension = geo.alpha;
    c.Declination = geo.delta;
    c.SunDistance = r;
    c.Elongation = ArcCosine((r * r - Delta * Delta - R * R) / (-2 * R * Delta));
    c.PhaseAngle = ArcCosine((R * R - r * r - Delta * Delta) / (-2 * Delta * r));
    c.Magnitude = v.IsMinorPlanet ? v.H + 5 * std::log10(r * Delta) + 0.03 * Deg(c.PhaseAngle)
                                  : v.H + 5 * std::log10(Delta) + 2.5 * v.G * std::log10(r);
    const double speedSquared = kOrbitalSpeedAt1Au * kOrbitalSpeedAt1Au * (2 / r - 1 / v.a);
    c.Speed = std::sqrt(speedSquared > 0 ? speedSquared : 0.0);

    // Position angle of the prolonged radius vector: the direction away from the Sun.
    const Direction outward = DirectionOf(S.X + 1.001 * p.x, S.Y + 1.001 * p.y, S.Z + 1.001 * p.z);
    c.RadiusVectorPA =
        NormalizeAngle(std::atan2(outward.delta - geo.delta,
                                  std::cos(geo.delta) * ReduceHalfTurn(geo.alpha - outward.alpha)) -
                       kPi / 2);

    // One minute later.
    const Instant t1 = t + kMinute;
    const double eps1 = Obliquity(t1);
    const SunPlace sun1 = SunPosition(t1);
    const OrbitPosition p1 = PropagateOrbit(v, t1, eps1);
    object.Anomaly = p1.anomaly;
    const SunRect S1 = SunRectangular(sun1, eps1);
    const Direction geo1 = DirectionOf(S1.X + p1.x, S1.Y + p1.y, S1.Z + p1.z);

    const double dAlpha = ReduceHalfTurn(geo1.alpha - geo.alpha);
    const double dDelta = geo1.delta - geo.delta;
    // Haversine form: stable for the tiny angles of slow objects.
    const double hav = std::pow(std::sin(dDelta / 2), 2) + std::cos(geo.delta) *
                                                               std::cos(geo1.delta) *
                                                               std::pow(std::sin(dAlpha / 2), 2);
    c.Motion = Deg(2 * ArcSine(std::sqrt(hav))) * 3600;
    c.MotionPA = NormalizeAngle(std::atan2(dDelta, std::cos(geo.delta) * -dAlpha) - kPi / 2);
    c.MotionRA = Deg(dAlpha) * 3600;
    c.MotionDec = Deg(dDelta) * 3600;
    c.ReverseMotionPA = NormalizeAngle(kPi + c.MotionPA);
    s.Circumstances = c;  // everything but the maximum altitude is known now

    const double limit = mode == CircumstanceMode::T ? twilightLimit : kTwilightAstronomical;
    const double phi = LatitudeFromText(s.settings.Lat);
    const double alphaSun =
        NormalizeAngle(std::atan2(std::sin(sun1.lambda) * std::cos(eps1), std::cos(sun1.lambda)));
    const double deltaSun = ArcSine(std::sin(eps1) * std::sin(sun1.lambda));
    s.Circumstances.MaxAltitude = MaxAltitude(geo.alpha, geo.delta, phi, alphaSun, deltaSun, limit);
    // Elements that convert and lie in their ranges can still be absurd (a = 1e300 AU): the
    // distances then overflow, and no NaN or infinity may reach a page or a table.
    if (!AllFinite(s.Circumstances)) ThrowInvalidElements();
    return true;
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

CometLineEvaluation EvaluateComet(const TElementValues& v, Instant t) {
    const double eps = Obliquity(t);
    const SunPlace sun = SunPosition(t);
    const OrbitPosition p = PropagateOrbit(v, t, eps);
    const SunRect S = SunRectangular(sun, eps);
    const double xi = S.X + p.x, eta = S.Y + p.y, zeta = S.Z + p.z;
    const double Delta = std::sqrt(xi * xi + eta * eta + zeta * zeta);
    const double R = sun.R, r = p.r;
    const double beta = ArcCosine((R * R - r * r - Delta * Delta) / (-2 * Delta * r));
    const CometLineEvaluation ev{Deg(beta),
                                 v.H + 5 * std::log10(Delta) + 2.5 * v.G * std::log10(r)};
    if (!std::isfinite(ev.phaseAngleDeg) || !std::isfinite(ev.magnitude)) ThrowInvalidElements();
    return ev;
}

double MaxAltitudeSearch(double alpha, double delta, double phi, double alphaSun, double deltaSun,
                         double limit) {
    return MaxAltitude(alpha, delta, phi, alphaSun, deltaSun, limit);
}

}  // namespace vagaris
