#include "core/precise/PreciseModel.h"

#include <cmath>

#include <erfam.h>

#include "core/Angles.h"
#include "core/Errors.h"
#include "core/TextForms.h"
#include "core/precise/DeltaT.h"
#include "core/precise/NearParabolic.h"
#include "core/precise/Perturbations.h"
#include "core/Constants.h"

namespace vagaris {

namespace {

// Julian date of Instant 0; ERFA takes dates in two parts, so this split keeps the full
// resolution of the instant.
constexpr double kJdOfInstantZero = 2415018.5;
constexpr double kLightTimeTolerance = 1e-11;  // [days], about 1 µs
constexpr int kLightTimeMaxSteps = 10;
constexpr double kNearParabolicBand = 0.01;  // |e − 1| below: universal variables
// Gaussian constant times the AU over the day: heliocentric speed at 1 AU on a circle [km/s].
constexpr double kCircularSpeedAt1Au = kGaussianConstant * ERFA_DAU / 1000 / ERFA_DAYSEC;

const Instant kFirstInstant = EncodeDate(kPreciseFirstYear, 1, 1);
const Instant kEndInstant = EncodeDate(kPreciseLastYear + 1, 1, 1);

double Dot(const double a[3], const double b[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double Norm(const double a[3]) { return std::sqrt(Dot(a, a)); }

// Angle between two vectors [rad], from the cross and dot products: exact near 0 and π.
double AngleBetween(const double a[3], const double b[3]) {
    const double c[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                         a[0] * b[1] - a[1] * b[0]};
    return std::atan2(Norm(c), Dot(a, b));
}

void Direction(const double v[3], double& ra, double& dec) {
    ra = std::atan2(v[1], v[0]);
    if (ra < 0) ra += kTwoPi;
    dec = std::atan2(v[2], std::hypot(v[0], v[1]));
}

// Difference of two right ascensions reduced into (−π, π].
double ReduceHalfTurn(double d) {
    d = std::remainder(d, kTwoPi);
    if (d <= -kPi) d += kTwoPi;
    return d;
}

}  // namespace

PreciseTime PreciseTimeNear(Instant ut) {
    if (!(ut >= kFirstInstant - kPreciseLookAroundDays &&
          ut < kEndInstant + kPreciseLookAroundDays))
        throw EConvertError(kPreciseRangeMessage);
    return {ut, ut + DeltaTSeconds(DecimalYear(ut)) / ERFA_DAYSEC};
}

PreciseTime PreciseTimeOf(Instant ut) {
    if (!(ut >= kFirstInstant && ut < kEndInstant)) throw EConvertError(kPreciseRangeMessage);
    return PreciseTimeNear(ut);
}

namespace {

// eraEpv00 sums a few thousand terms (over 100 µs here): an ephemeris of 9999 rows cannot
// afford it twice a row. The Earth is therefore evaluated at 0h TT of each day and
// interpolated between two days by cubic Hermite polynomials on position and velocity, whose
// error (h⁴/384 times the fourth derivative, which the Moon's pull on the Earth dominates)
// stays under 0.1 km, against eraEpv00's own 11 km. The CIP coordinates X, Y and the CIO
// locator s are interpolated linearly: the nutation terms of IAU 2000B bend them by less than
// 0.01" from a straight line within a day.
struct EarthNode {
    double day = NAN;  // TT instant of 0h
    double pvh[2][3], pvb[2][3];
    double x, y, s;
};

const EarthNode& NodeAt(double day) {
    // Two days serve a whole ephemeris step; a third keeps a step back from recomputing.
    // thread_local: worker threads never share (or race on) a node.
    thread_local EarthNode nodes[3];
    thread_local int next = 0;
    for (const EarthNode& n : nodes)
        if (n.day == day) return n;
    EarthNode& n = nodes[next];
    next = (next + 1) % 3;
    n.day = day;
    eraEpv00(kJdOfInstantZero, day, n.pvh, n.pvb);  // TT for TDB: they differ by < 2 ms
    eraXys00b(kJdOfInstantZero, day, &n.x, &n.y, &n.s);
    return n;
}

void Hermite(const double p0[2][3], const double p1[2][3], double s, double out[2][3]) {
    const double s2 = s * s, s3 = s2 * s;
    const double h00 = 2 * s3 - 3 * s2 + 1, h10 = s3 - 2 * s2 + s, h01 = -2 * s3 + 3 * s2,
                 h11 = s3 - s2;
    const double d00 = 6 * s2 - 6 * s, d10 = 3 * s2 - 4 * s + 1, d01 = -6 * s2 + 6 * s,
                 d11 = 3 * s2 - 2 * s;
    for (int k = 0; k < 3; ++k) {  // one-day intervals: h = 1
        out[0][k] = h00 * p0[0][k] + h10 * p0[1][k] + h01 * p1[0][k] + h11 * p1[1][k];
        out[1][k] = d00 * p0[0][k] + d10 * p0[1][k] + d01 * p1[0][k] + d11 * p1[1][k];
    }
}

}  // namespace

void EarthAt(Instant tt, double pvh[2][3], double pvb[2][3], double& x, double& y, double& s) {
    const double day = std::floor(tt);
    // Copies: filling the second node may reuse the first one's slot.
    const EarthNode a = NodeAt(day);
    const EarthNode b = NodeAt(day + 1);
    const double f = tt - day;
    Hermite(a.pvh, b.pvh, f, pvh);
    Hermite(a.pvb, b.pvb, f, pvb);
    x = a.x + f * (b.x - a.x);
    y = a.y + f * (b.y - a.y);
    s = a.s + f * (b.s - a.s);
}

PreciseFrame MakePreciseFrame(const PreciseTime& time, const ObserverSite& site) {
    PreciseFrame f;
    f.time = time;
    f.site = site;
    double pvh[2][3], pvb[2][3];
    // IAU 2006/2000B precession-nutation: within 1 mas of the full series.
    double x, y, s;
    EarthAt(time.tt, pvh, pvb, x, y, s);
    const double era = eraEra00(kJdOfInstantZero, time.ut1);
    eraApco(kJdOfInstantZero, time.tt, pvb, pvh[0], x, y, s, era, site.longitude, site.latitude,
            site.height, 0, 0, 0, 0, 0, &f.astrom);
    for (int k = 0; k < 3; ++k) {
        f.earth[k] = pvh[0][k];
        f.siteHelio[k] = f.astrom.eh[k] * f.astrom.em;
    }
    return f;
}

TElementValues PreciseElementValues(const TOrbitalElements& el) {
    return PreciseElementValues(el, ReadElements(el));
}

TElementValues PreciseElementValues(const TOrbitalElements& el, TElementValues v) {
    if (!v.IsMinorPlanet) {
        v.e = ParseFloat(el.e);
        v.a = v.q / (1 - v.e);  // infinite for the parabola: only the universal branch sees it
    }
    return v;
}

OrbitPosition PreciseHeliocentric(const TElementValues& el, Instant tt, PreciseForces forces) {
    if (forces == PreciseForces::Planets) return perturbed::PerturbedHeliocentric(el, tt);
    if (!el.IsMinorPlanet && std::fabs(el.e - 1) < kNearParabolicBand)
        return UniversalOrbitPosition(el.q, el.e, el.EpochTime, el.w, el.O, el.i, tt,
                                      kObliquityJ2000);
    return PropagateOrbit(el, tt, kObliquityJ2000, kMeanMotionGaussian);
}

PrecisePlace AstrometricPlace(const TElementValues& el, const PreciseFrame& frame,
                              PlaceCentre centre, PreciseForces forces) {
    const double* observer = centre == PlaceCentre::Site ? frame.siteHelio : frame.earth;
    PrecisePlace p;
    double tau = 0;
    for (int step = 0;; ++step) {
        if (step >= kLightTimeMaxSteps) ThrowInvalidElements();
        const OrbitPosition o = PreciseHeliocentric(el, frame.time.tt - tau, forces);
        p.object[0] = o.x, p.object[1] = o.y, p.object[2] = o.z;
        p.r = o.r;
        for (int k = 0; k < 3; ++k) p.toObject[k] = p.object[k] - observer[k];
        p.delta = Norm(p.toObject);
        const double next = p.delta / ERFA_DC;
        const bool converged = std::fabs(next - tau) < kLightTimeTolerance;
        tau = next;
        if (converged) break;
    }
    p.lightTime = tau;
    Direction(p.toObject, p.ra, p.dec);
    p.sunDistance = Norm(observer);
    const double toSun[3] = {-observer[0], -observer[1], -observer[2]};
    const double objectToSun[3] = {-p.object[0], -p.object[1], -p.object[2]};
    const double objectToObserver[3] = {-p.toObject[0], -p.toObject[1], -p.toObject[2]};
    p.elongation = AngleBetween(toSun, p.toObject);
    p.phaseAngle = AngleBetween(objectToSun, objectToObserver);
    return p;
}

namespace {

ObservedPlace ObserveDirection(double ra, double dec, const PreciseFrame& frame) {
    eraASTROM astrom = frame.astrom;  // ERFA takes it by pointer to non-const
    ObservedPlace o;
    eraAtciq(ra, dec, 0, 0, 0, 0, &astrom, &o.ra, &o.dec);
    double aob, zob, hob, dob, rob;
    eraAtioq(o.ra, o.dec, &astrom, &aob, &zob, &hob, &dob, &rob);
    o.altitude = kPi / 2 - zob;
    o.azimuth = aob;
    return o;
}

}  // namespace

ObservedPlace Observe(const PrecisePlace& sitePlace, const PreciseFrame& frame) {
    return ObserveDirection(sitePlace.ra, sitePlace.dec, frame);
}

ObservedPlace ObserveSun(const PreciseFrame& frame) {
    // The Sun stands still at the heliocentre, so its astrometric direction is the site's
    // heliocentric direction reversed; ERFA leaves the Sun's own light undeflected.
    const double toSun[3] = {-frame.siteHelio[0], -frame.siteHelio[1], -frame.siteHelio[2]};
    double ra, dec;
    Direction(toSun, ra, dec);
    return ObserveDirection(ra, dec, frame);
}

double EquationOfOrigins(const PreciseTime& time) { return eraEo06a(kJdOfInstantZero, time.tt); }

double HGMagnitude(double H, double G, double r, double delta, double phaseAngle) {
    const double t = std::tan(phaseAngle / 2);
    const double phi1 = std::exp(-3.33 * std::pow(t, 0.63));
    const double phi2 = std::exp(-1.87 * std::pow(t, 1.22));
    return H + 5 * std::log10(r * delta) - 2.5 * std::log10((1 - G) * phi1 + G * phi2);
}

double PreciseMagnitude(const TElementValues& el, const PrecisePlace& p) {
    if (el.IsMinorPlanet) return HGMagnitude(el.H, el.G, p.r, p.delta, p.phaseAngle);
    return el.H + 5 * std::log10(p.delta) + 2.5 * el.G * std::log10(p.r);
}

TCircumstances PreciseCircumstances(const TElementValues& el, Instant ut, const ObserverSite& site,
                                    PlaceCentre centre, double twilightLimit,
                                    PreciseForces forces) {
    const PreciseFrame frame = MakePreciseFrame(PreciseTimeNear(ut), site);
    const PrecisePlace p = AstrometricPlace(el, frame, centre, forces);
    TCircumstances c;
    c.RightAscension = p.ra;
    c.Declination = p.dec;
    c.Delta = p.delta;
    c.SunDistance = p.r;
    c.Elongation = p.elongation;
    c.PhaseAngle = p.phaseAngle;
    c.Magnitude = PreciseMagnitude(el, p);
    const double speedSquared = 2 / p.r - (1 - el.e) / el.q;  // vis-viva, 1/a = (1 − e)/q
    c.Speed = kCircularSpeedAt1Au * std::sqrt(speedSquared > 0 ? speedSquared : 0.0);

    // Position angle of the prolonged radius vector, as the standard model takes it.
    double outward[3], outRa, outDec;
    for (int k = 0; k < 3; ++k) outward[k] = p.toObject[k] + 0.001 * p.object[k];
    Direction(outward, outRa, outDec);
    c.RadiusVectorPA = NormalizeAngle(
        std::atan2(outDec - p.dec, std::cos(p.dec) * ReduceHalfTurn(p.ra - outRa)) - kPi / 2);

    // The motion from the same kind of place one minute later.
    const PreciseFrame frame1 = MakePreciseFrame(PreciseTimeNear(ut + kMinute), site);
    const PrecisePlace p1 = AstrometricPlace(el, frame1, centre, forces);
    const double dAlpha = ReduceHalfTurn(p1.ra - p.ra);
    const double dDelta = p1.dec - p.dec;
    const double hav = std::pow(std::sin(dDelta / 2), 2) +
                       std::cos(p.dec) * std::cos(p1.dec) * std::pow(std::sin(dAlpha / 2), 2);
    c.Motion = Deg(2 * ArcSine(std::sqrt(hav))) * 3600;
    c.MotionPA = NormalizeAngle(std::atan2(dDelta, std::cos(p.dec) * -dAlpha) - kPi / 2);
    c.MotionRA = Deg(dAlpha) * 3600;
    c.MotionDec = Deg(dDelta) * 3600;
    c.ReverseMotionPA = NormalizeAngle(kPi + c.MotionPA);

    // The highest altitude in darkness from the site's apparent places of date.
    const ObservedPlace object = Observe(
        centre == PlaceCentre::Site ? p : AstrometricPlace(el, frame, PlaceCentre::Site, forces),
        frame);
    const ObservedPlace sun = ObserveSun(frame);
    c.MaxAltitude =
        MaxAltitudeSearch(object.ra, object.dec, site.latitude, sun.ra, sun.dec, twilightLimit);
    return c;
}

}  // namespace vagaris
