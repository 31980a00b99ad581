#include "core/StandardModel.h"

#include <cmath>

#include "core/Angles.h"
#include "core/Errors.h"
#include "core/Kepler.h"
#include "core/Sun.h"

namespace vagaris {

namespace {

constexpr double kOrbitalSpeedAt1Au = 29.8;  // [km/s]

// Difference of two right ascensions reduced into (−π, π], so that crossing 0h within the
// minute does not turn into a jump of a whole turn.
double ReduceHalfTurn(double d) {
    d = std::remainder(d, kTwoPi);
    if (d <= -kPi) d += kTwoPi;
    return d;
}

struct Direction {
    double alpha, delta, distance;
};
Direction DirectionOf(double xi, double eta, double zeta) {
    const double d = std::sqrt(xi * xi + eta * eta + zeta * zeta);
    return {NormalizeAngle(std::atan2(eta, xi)), ArcSine(zeta / d), d};
}

bool AllFinite(const TCircumstances& c) {
    for (double x : {c.RightAscension, c.Declination, c.Delta, c.SunDistance, c.Elongation,
                     c.PhaseAngle, c.Magnitude, c.Speed, c.MaxAltitude, c.Motion, c.MotionRA,
                     c.MotionDec, c.MotionPA, c.ReverseMotionPA, c.RadiusVectorPA})
        if (!std::isfinite(x)) return false;
    return true;
}

// The standard model's frame: the date's obliquity and the Sun's vector on its equator.
struct StandardFrame final : InstantFrame {
    double obliquity = 0;
    Vec3 sun;
};

}  // namespace

TElementValues StandardModel::Values(const TOrbitalElements& texts, TOrbitRecord* record) const {
    return record ? ReadElements(texts, *record) : ReadElements(texts);
}

double StandardEarthLongitude(Instant t) { return SunPosition(t).lambda + kPi; }

double StandardMaxAltitude(double alpha, double delta, Instant t, double latitudeDeg,
                           double twilightLimit) {
    // The Sun of one minute later, as the motion takes it.
    const Instant t1 = t + kMinute;
    const double eps1 = Obliquity(t1);
    const SunPlace sun1 = SunPosition(t1);
    const double alphaSun =
        NormalizeAngle(std::atan2(std::sin(sun1.lambda) * std::cos(eps1), std::cos(sun1.lambda)));
    const double deltaSun = ArcSine(std::sin(eps1) * std::sin(sun1.lambda));
    return MaxAltitudeSearch(alpha, delta, Rad(latitudeDeg), alphaSun, deltaSun, twilightLimit);
}

ObjectCircumstances StandardModel::At(const TElementValues& v, Instant t,
                                      double twilightLimit) const {
    ObjectCircumstances out;
    const SunPlace sun = SunPosition(t);
    out.earthLongitude = StandardEarthLongitude(t);

    const double eps = Obliquity(t);
    const OrbitPosition p = PropagateOrbit(v, t, eps);

    const Vec3 S = SunRectangular(sun, eps);
    const Direction geo = DirectionOf(S.x + p.x, S.y + p.y, S.z + p.z);
    const double R = sun.R, r = p.r, Delta = geo.distance;

    TCircumstances& c = out.circumstances;
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
    const Direction outward = DirectionOf(S.x + 1.001 * p.x, S.y + 1.001 * p.y, S.z + 1.001 * p.z);
    c.RadiusVectorPA =
        NormalizeAngle(std::atan2(outward.delta - geo.delta,
                                  std::cos(geo.delta) * ReduceHalfTurn(geo.alpha - outward.alpha)) -
                       kPi / 2);

    // One minute later.
    const Instant t1 = t + kMinute;
    const double eps1 = Obliquity(t1);
    const SunPlace sun1 = SunPosition(t1);
    const OrbitPosition p1 = PropagateOrbit(v, t1, eps1);
    out.anomaly = p1.anomaly;
    const Vec3 S1 = SunRectangular(sun1, eps1);
    const Direction geo1 = DirectionOf(S1.x + p1.x, S1.y + p1.y, S1.z + p1.z);

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

    c.MaxAltitude =
        StandardMaxAltitude(geo.alpha, geo.delta, t, observer().latitudeDeg, twilightLimit);
    // Elements that convert and lie in their ranges can still be absurd (a = 1e300 AU): the
    // distances then overflow, and no NaN or infinity may reach a page or a table.
    if (!AllFinite(c)) ThrowInvalidElements();
    return out;
}

CometLineEvaluation EvaluateComet(const TElementValues& v, Instant t) {
    const double eps = Obliquity(t);
    const SunPlace sun = SunPosition(t);
    const OrbitPosition p = PropagateOrbit(v, t, eps);
    const Vec3 S = SunRectangular(sun, eps);
    const double xi = S.x + p.x, eta = S.y + p.y, zeta = S.z + p.z;
    const double Delta = std::sqrt(xi * xi + eta * eta + zeta * zeta);
    const double R = sun.R, r = p.r;
    const double beta = ArcCosine((R * R - r * r - Delta * Delta) / (-2 * Delta * r));
    const CometLineEvaluation ev{Deg(beta),
                                 v.H + 5 * std::log10(Delta) + 2.5 * v.G * std::log10(r)};
    if (!std::isfinite(ev.phaseAngleDeg) || !std::isfinite(ev.magnitude)) ThrowInvalidElements();
    return ev;
}

double StandardModel::EarthLongitudeDeg(Instant t) const {
    double L = Deg(SunPosition(t).lambda) + 180.0;
    if (L > 360.0) L -= 360.0;
    return L;
}

CometLineEvaluation StandardModel::CometOnConic(const TElementValues& v, Instant t) const {
    return EvaluateComet(v, t);
}

std::unique_ptr<InstantFrame> StandardModel::FrameAt(Instant t) const {
    auto frame = std::make_unique<StandardFrame>();
    frame->ut = t;
    frame->zenith = ZenithJ2000(t, Rad(observer().latitudeDeg), Rad(observer().longitudeDeg));
    frame->obliquity = Obliquity(t);
    frame->sun = SunRectangular(SunPosition(t), frame->obliquity);
    return frame;
}

bool StandardModel::SunBelow(const InstantFrame& frame, double depression) const {
    const Vec3& sun = static_cast<const StandardFrame&>(frame).sun;
    return Dot(sun, frame.zenith) / Norm(sun) < std::sin(-depression);
}

GeocentricVector StandardModel::Geocentric(const TElementValues& v, const InstantFrame& frame,
                                           bool) const {
    const auto& f = static_cast<const StandardFrame&>(frame);
    const OrbitPosition p = PropagateOrbit(v, f.ut, f.obliquity);
    GeocentricVector out;
    out.toObject = {f.sun.x + p.x, f.sun.y + p.y, f.sun.z + p.z};
    out.r = p.r;
    out.delta = Norm(out.toObject);
    return out;
}

Vec3 StandardModel::FromObserver(const TElementValues& v, const InstantFrame& frame) const {
    return Geocentric(v, frame).toObject;
}

AltAz StandardModel::LocalSky(const TElementValues&, const TCircumstances& c, Instant t) const {
    const Vec3 direction{std::cos(c.Declination) * std::cos(c.RightAscension),
                         std::cos(c.Declination) * std::sin(c.RightAscension),
                         std::sin(c.Declination)};
    return HorizontalOfJ2000(t, Rad(observer().latitudeDeg), Rad(observer().longitudeDeg),
                             direction);
}

}  // namespace vagaris
