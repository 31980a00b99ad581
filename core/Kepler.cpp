#include "core/Kepler.h"

#include <algorithm>
#include <cmath>

#include "core/Angles.h"
#include "core/Errors.h"
#include "core/Constants.h"

namespace vagaris {

namespace {

constexpr double kParabolicW = 0.0364911624;  // 3k/√2
constexpr double kParabolicLimit = 1.00001;   // e at or below: parabolic branch
constexpr int kHyperbolicMaxSteps = 100;

struct Anomalies {
    double anomaly, v, r;
};

Anomalies Elliptic(const TElementValues& el, Instant t, double meanMotionAt1Au) {
    const double a = el.a, e = el.e;
    const double n = Rad(meanMotionAt1Au / (a * std::sqrt(a)));  // mean daily motion [rad/day]
    const double M = el.HasM ? Rad(el.M0) + n * (t - el.EpochTime) : n * (t - el.EpochTime);
    const double E = SolveKepler(M, e);
    const double v = 2.0 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(E / 2));
    return {E, v, a * (1 - e * std::cos(E))};
}

Anomalies Parabolic(const TElementValues& el, Instant t) {
    const double q = el.q;
    const double W = kParabolicW * (t - el.EpochTime) / (q * std::sqrt(q));
    // Barker's equation s³ + 3s = W by Newton steps from s = 0.
    double s = 0;
    for (int step = 0;; ++step) {
        if (step >= kKeplerMaxSteps || !std::isfinite(s)) ThrowInvalidElements();
        s = (2 * s * s * s + W) / (3 * (s * s + 1));
        if (std::fabs(s * s * s + 3 * s - W) < 1e-7) break;
    }
    const double v = 2.0 * std::atan(s);
    return {v, v, q * (1 + s * s)};
}

Anomalies Hyperbolic(const TElementValues& el, Instant t) {
    const double e = el.e, q = el.q;
    const double absA = q / (e - 1);
    const double M = kGaussianConstant * (t - el.EpochTime) / std::pow(absA, 1.5);
    // e sinh H − H = M by Newton from H = asinh(M / e).
    double H = std::asinh(M / e);
    double previousStep = INFINITY;
    for (int step = 0;; ++step) {
        if (step >= kHyperbolicMaxSteps || !std::isfinite(H)) ThrowInvalidElements();
        const double dH = (e * std::sinh(H) - H - M) / (e * std::cosh(H) - 1);
        H -= dH;
        const double scale = std::max(1.0, std::fabs(H));
        if (std::fabs(dH) <= 1e-15 * scale) break;
        // Just above the parabolic limit (e − 1 ~ 1e-4, far from perihelion) the derivative is
        // small and rounding keeps the step near 1e-15..1e-14 for ever: once the steps are
        // that small and stop shrinking, H is as exact as doubles allow.
        if (std::fabs(dH) <= 1e-9 * scale && std::fabs(dH) >= std::fabs(previousStep)) break;
        previousStep = dH;
    }
    const double v = 2.0 * std::atan(std::sqrt((e + 1) / (e - 1)) * std::tanh(H / 2));
    return {v, v, q * (1 + e) / (1 + e * std::cos(v))};
}

}  // namespace

double SolveKepler(double M, double e) {
    double E = M;
    for (int step = 0; step < kKeplerMaxSteps; ++step) {
        const double next =
            e <= 0.4 ? M + e * std::sin(E) : E + (M + e * std::sin(E) - E) / (1 - e * std::cos(E));
        if (!std::isfinite(next)) break;
        if (std::fabs(E - next) < 1e-9) return next;
        E = next;
    }
    ThrowInvalidElements();
}

OrbitPosition PropagateOrbit(const TElementValues& el, Instant t, double eps,
                             double meanMotionAt1Au) {
    const bool finiteInput = std::isfinite(el.e) && std::isfinite(el.q) && std::isfinite(el.w) &&
                             std::isfinite(el.O) && std::isfinite(el.i) &&
                             std::isfinite(el.EpochTime) && std::isfinite(t);
    if (!finiteInput || el.e < 0 || el.q <= 0) ThrowInvalidElements();
    if (el.IsMinorPlanet && (el.a <= 0 || el.e >= 1)) ThrowInvalidElements();
    if (el.e < 1 && !(el.a > 0 && std::isfinite(el.a))) ThrowInvalidElements();

    Anomalies an;
    if (el.e < 1)
        an = Elliptic(el, t, meanMotionAt1Au);
    else if (el.e <= kParabolicLimit)
        an = Parabolic(el, t);
    else
        an = Hyperbolic(el, t);

    const double O = Rad(el.O), i = Rad(el.i);
    const double Fx = std::cos(O);
    const double Fy = std::sin(O) * std::cos(eps);
    const double Fz = std::sin(O) * std::sin(eps);
    const double Px = -std::sin(O) * std::cos(i);
    const double Py = std::cos(O) * std::cos(i) * std::cos(eps) - std::sin(i) * std::sin(eps);
    const double Pz = std::cos(O) * std::cos(i) * std::sin(eps) + std::sin(i) * std::cos(eps);
    const double Ax = std::atan2(Fx, Px), Ay = std::atan2(Fy, Py), Az = std::atan2(Fz, Pz);
    const double ax = std::sqrt(Fx * Fx + Px * Px), ay = std::sqrt(Fy * Fy + Py * Py),
                 az = std::sqrt(Fz * Fz + Pz * Pz);
    const double u = Rad(el.w) + an.v;
    OrbitPosition p{an.anomaly,
                    an.v,
                    an.r,
                    an.r * ax * std::sin(Ax + u),
                    an.r * ay * std::sin(Ay + u),
                    an.r * az * std::sin(Az + u)};
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z) || !std::isfinite(p.r) ||
        !(p.r > 0))
        ThrowInvalidElements();
    return p;
}

}  // namespace vagaris
