#include "core/precise/NearParabolic.h"

#include <cmath>

#include "core/Angles.h"
#include "core/Errors.h"
#include "core/Constants.h"

namespace vagaris {

namespace {

constexpr int kMaxSteps = 50;

// Stumpff functions c2(z) = (1 − cos √z)/z and c3(z) = (√z − sin √z)/z^1.5, by their series
// near 0 where the closed forms lose every digit.
void Stumpff(double z, double& c2, double& c3) {
    if (std::fabs(z) < 0.1) {
        // c2 = Σ (−z)^k / (2k+2)!, c3 = Σ (−z)^k / (2k+3)!; twelve terms reach 1e-20.
        double term2 = 0.5, term3 = 1.0 / 6;
        c2 = term2, c3 = term3;
        for (int k = 1; k < 12; ++k) {
            term2 *= -z / ((2 * k + 1) * (2 * k + 2));
            term3 *= -z / ((2 * k + 2) * (2 * k + 3));
            c2 += term2, c3 += term3;
        }
    } else if (z > 0) {
        const double s = std::sqrt(z);
        c2 = (1 - std::cos(s)) / z;
        c3 = (s - std::sin(s)) / (z * s);
    } else {
        const double s = std::sqrt(-z);
        c2 = (std::cosh(s) - 1) / -z;
        c3 = (std::sinh(s) - s) / (-z * s);
    }
}

// The root of χ³ + 6qχ − 6k·dt = 0: the universal anomaly of the parabola, a start that is
// already close for near-parabolic orbits.
double ParabolicStart(double q, double kdt) {
    const double b = 3 * std::fabs(kdt);
    const double u = std::cbrt(b + std::sqrt(b * b + 8 * q * q * q));
    const double chi = u - 2 * q / u;
    return kdt < 0 ? -chi : chi;
}

}  // namespace

OrbitPosition UniversalOrbitPosition(double q, double e, Instant perihelion, double w, double O,
                                     double i, Instant t, double eps) {
    if (!(q > 0) || !(e >= 0) || !std::isfinite(q) || !std::isfinite(e) ||
        !std::isfinite(perihelion) || !std::isfinite(t) || !std::isfinite(w) || !std::isfinite(O) ||
        !std::isfinite(i))
        ThrowInvalidElements();
    const double alpha = (1 - e) / q;  // 1/a [1/AU]: > 0 ellipse, 0 parabola, < 0 hyperbola
    // On an ellipse the motion repeats every period: from the nearest perihelion the solver
    // starts close to its root whatever the revolutions, where from the first one the
    // parabolic start lies revolutions away and the steps run out (q = 0.01 AU, e = 0.991
    // after some 170 revolutions).
    double dt = t - perihelion;  // [days]
    if (alpha > 0) {
        const double period = kTwoPi / (kGaussianConstant * alpha * std::sqrt(alpha));  // [days]
        if (std::isfinite(period)) dt = std::remainder(dt, period);
    }
    const double kdt = kGaussianConstant * dt;

    // Kepler's equation from perihelion (r0 = q, radial velocity 0):
    //   F(χ) = (1 − αq) χ³ c3(αχ²) + q χ − k·dt = 0,  F′ = r,  F″ = (1 − αq) χ (1 − αχ² c3).
    double chi = ParabolicStart(q, kdt);
    double c2 = 0.5, c3 = 1.0 / 6, r = q;
    for (int step = 0;; ++step) {
        if (step >= kMaxSteps || !std::isfinite(chi)) ThrowInvalidElements();
        const double z = alpha * chi * chi;
        Stumpff(z, c2, c3);
        r = chi * chi * c2 + q * (1 - z * c2);
        const double F = (1 - alpha * q) * chi * chi * chi * c3 + q * chi - kdt;
        const double F2 = (1 - alpha * q) * chi * (1 - z * c3);
        const double root = std::sqrt(std::fabs(16 * r * r - 20 * F * F2));
        const double dchi = 5 * F / (r > 0 ? r + root : r - root);
        chi -= dchi;
        // Laguerre–Conway converges cubically: a step of 1e-12 leaves an error at rounding
        // level, while asking for less can keep the steps dancing on the last bits for ever.
        if (std::fabs(dchi) <= 1e-12 * std::fmax(1.0, std::fabs(chi))) break;
    }
    Stumpff(alpha * chi * chi, c2, c3);

    // f and g series from the perihelion state (q, 0) and (0, v0).
    const double f = 1 - chi * chi * c2 / q;
    const double g = dt - chi * chi * chi * c3 / kGaussianConstant;
    const double v0 = kGaussianConstant * std::sqrt((1 + e) / q);
    const double xp = f * q, yp = g * v0;

    // Orbital plane → ecliptic J2000 → equator for the obliquity eps.
    const double cw = std::cos(Rad(w)), sw = std::sin(Rad(w));
    const double cO = std::cos(Rad(O)), sO = std::sin(Rad(O));
    const double ci = std::cos(Rad(i)), si = std::sin(Rad(i));
    const double Px = cw * cO - sw * sO * ci, Py = cw * sO + sw * cO * ci, Pz = sw * si;
    const double Qx = -sw * cO - cw * sO * ci, Qy = -sw * sO + cw * cO * ci, Qz = cw * si;
    const double xe = xp * Px + yp * Qx, ye = xp * Py + yp * Qy, ze = xp * Pz + yp * Qz;
    const double ce = std::cos(eps), se = std::sin(eps);
    OrbitPosition p;
    p.v = std::atan2(yp, xp);
    // As PropagateOrbit gives it: the eccentric anomaly on an ellipse, else the true anomaly.
    p.anomaly = e < 1 ? 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(p.v / 2)) : p.v;
    p.r = std::hypot(xp, yp);
    p.x = xe;
    p.y = ye * ce - ze * se;
    p.z = ye * se + ze * ce;
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z) || !(p.r > 0))
        ThrowInvalidElements();
    return p;
}

}  // namespace vagaris
