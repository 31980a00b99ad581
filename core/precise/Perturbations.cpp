#include "core/precise/Perturbations.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>
#include <list>
#include <mutex>

#include <erfam.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_odeiv2.h>

#include "core/Angles.h"
#include "core/Errors.h"
#include "core/precise/Masses.h"
#include "core/precise/PlanetTable.h"
#include "core/precise/PreciseModel.h"
#include "core/Constants.h"

namespace vagaris::perturbed {

namespace {

// The integration runs in the Gaussian time τ = k·(t − epoch), where GM(Sun) = 1 and the
// speed on a circle at 1 AU is 1: positions and velocities of the same size share one
// tolerance.
constexpr double kLightSpeedGauss = kLightSpeed / kGauss;  // [AU per 1/k days]

// The Earth and the Moon: eraEpv00 costs some 100 µs a call (eraPlan94 1 µs), too much to
// tabulate every day of every integration. Far from the Earth the pair acts as one mass at
// their barycentre (eraPlan94): the quadrupole it leaves out is 3·(m_Moon/m_Earth)·(ρ/d)²,
// 2e-5 of the pair's pull at d = 0.1 AU (ρ the Moon's distance), and the barycentre's error
// of some 1 000 km changes that pull by 1e-5 there; together they move an object by far
// less than 1 m per month. Within kNearEarth the Earth and the Moon are two bodies from
// their own theories (tabulated only for the days an object spends there); between
// kNearEarth and kFarEarth the two forces are blended by a quintic smooth step, so that the
// acceleration and its first two derivatives have no jump that the step control would meet.
constexpr double kNearEarth = 0.1;  // [AU]
constexpr double kFarEarth = 0.2;   // [AU]

// Steps at most kStepAngle radians of circular motion at the object's distance (τ·r^−3/2):
// the quintic Hermite between checkpoints then errs by under 1e-10 AU.
constexpr double kStepAngle = 0.1;
// An integration of the whole 2000 years of an orbit of 1 AU takes some 100 000 steps at the
// cap above; beyond this many steps per trajectory the elements are refused.
constexpr int kMaxSteps = 400000;

// The integration may reach the precise model's years plus the light time (a month) on
// either side; the planetary theory holds over them.
const Instant kFirstTT = EncodeDate(kPreciseFirstYear, 1, 1) - 30;
const Instant kEndTT = EncodeDate(kPreciseLastYear + 1, 1, 1) + 30;

struct PlanetMass {
    Body body;
    double mass;  // GM / GM(Sun)
};
constexpr PlanetMass kPlanets[] = {
    {Body::Mercury, 1 / kSunOverMercury}, {Body::Venus, 1 / kSunOverVenus},
    {Body::Mars, 1 / kSunOverMars},       {Body::Jupiter, 1 / kSunOverJupiter},
    {Body::Saturn, 1 / kSunOverSaturn},   {Body::Uranus, 1 / kSunOverUranus},
    {Body::Neptune, 1 / kSunOverNeptune},
};

double Dot(const double a[3], const double b[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

void BodyPosition(Body body, Instant t, const Options& options, double p[3]) {
    if (options.directTheories) {
        double pv[2][3];
        TheoryState(body, t, pv);
        std::copy(pv[0], pv[0] + 3, p);
    } else {
        TabulatedPosition(body, t, p);
    }
}

// A point mass at p [AU, heliocentric]: its direct pull on the object at r and its indirect
// one (the pull on the Sun, which the heliocentric frame feels), in units of GM(Sun).
void AddPointMass(const double p[3], double mass, const double r[3], double a[3], double scale) {
    double d[3];
    for (int c = 0; c < 3; ++c) d[c] = p[c] - r[c];
    const double d2 = Dot(d, d), p2 = Dot(p, p);
    const double fd = mass * scale / (d2 * std::sqrt(d2)), fp = mass * scale / (p2 * std::sqrt(p2));
    for (int c = 0; c < 3; ++c) a[c] += fd * d[c] - fp * p[c];
}

// The acceleration in Gaussian units (d²r/dτ²) at the TT instant t, velocity per 1/k days.
void GaussAcceleration(Instant t, const double r[3], const double v[3], double a[3],
                       const Options& options) {
    const double r2 = Dot(r, r), rn = std::sqrt(r2), r3 = r2 * rn;
    // The Sun with its first post-Newtonian term (the Schwarzschild field in the harmonic
    // gauge, test-particle limit): a = μ/(c²r³)·[(4μ/r − v²)·r + 4(r·v)·v].
    const double v2 = Dot(v, v), rv = Dot(r, v);
    const double pn = 1 / (kLightSpeedGauss * kLightSpeedGauss * r3);
    for (int c = 0; c < 3; ++c) a[c] = -r[c] / r3 + pn * ((4 / rn - v2) * r[c] + 4 * rv * v[c]);

    double p[3];
    for (const PlanetMass& planet : kPlanets) {
        BodyPosition(planet.body, t, options, p);
        AddPointMass(p, planet.mass, r, a, 1);
    }
    double bary[3];
    BodyPosition(Body::EarthMoon, t, options, bary);
    double d[3];
    for (int c = 0; c < 3; ++c) d[c] = r[c] - bary[c];
    const double distance = std::sqrt(Dot(d, d));
    double nearWeight = 0;
    if (distance < kNearEarth) {
        nearWeight = 1;
    } else if (distance < kFarEarth) {
        const double x = (kFarEarth - distance) / (kFarEarth - kNearEarth);
        nearWeight = x * x * x * (10 - 15 * x + 6 * x * x);
    }
    if (nearWeight < 1) AddPointMass(bary, kMassEarthMoon, r, a, 1 - nearWeight);
    if (nearWeight > 0) {
        double earth[3], moon[3];
        BodyPosition(Body::Earth, t, options, earth);
        BodyPosition(Body::Moon, t, options, moon);  // geocentric
        for (int c = 0; c < 3; ++c) moon[c] += earth[c];
        AddPointMass(earth, kMassEarth, r, a, nearWeight);
        AddPointMass(moon, kMassMoon, r, a, nearWeight);
    }
}

bool Finite(const double* y, int n) {
    for (int k = 0; k < n; ++k)
        if (!std::isfinite(y[k])) return false;
    return true;
}

// What the right-hand side hands back through GSL's C frames, which exceptions must not
// cross.
struct SystemContext {
    Instant epoch;
    const Options* options;
    std::exception_ptr error;
    bool nonFinite = false;
};

int Derivatives(double tau, const double y[], double dydt[], void* data) {
    auto& ctx = *static_cast<SystemContext*>(data);
    if (!Finite(y, 6) || !std::isfinite(tau)) {
        ctx.nonFinite = true;
        return GSL_EBADFUNC;
    }
    // Inside the Sun: a stage of a step too long for a close perihelion, or a fall into the
    // Sun. GSL retries with a shorter step; the accepted states are checked apart.
    if (Dot(y, y) < kSunRadius * kSunRadius) return GSL_FAILURE;
    try {
        std::copy(y + 3, y + 6, dydt);
        GaussAcceleration(ctx.epoch + tau / kGauss, y, y + 3, dydt + 3, *ctx.options);
    } catch (...) {
        ctx.error = std::current_exception();
        return GSL_EBADFUNC;
    }
    if (!Finite(dydt, 6)) {
        ctx.nonFinite = true;
        return GSL_EBADFUNC;
    }
    return GSL_SUCCESS;
}

void TurnOffGslAborts() {
    // GSL's default error handler aborts the program; every status is checked here instead.
    static std::once_flag once;
    std::call_once(once, [] { gsl_set_error_handler_off(); });
}

void Quintic(const Trajectory::Checkpoint& a, const Trajectory::Checkpoint& b, Instant t,
             State& out) {
    const double h = b.t - a.t, s = (t - a.t) / h;
    const double s2 = s * s, s3 = s2 * s, s4 = s3 * s, s5 = s4 * s;
    // Quintic Hermite basis: value, first and second derivative at each end.
    const double h0 = 1 - 10 * s3 + 15 * s4 - 6 * s5, h1 = s - 6 * s3 + 8 * s4 - 3 * s5,
                 h2 = (s2 - 3 * s3 + 3 * s4 - s5) / 2, h3 = 10 * s3 - 15 * s4 + 6 * s5,
                 h4 = -4 * s3 + 7 * s4 - 3 * s5, h5 = (s3 - 2 * s4 + s5) / 2;
    const double d0 = -30 * s2 + 60 * s3 - 30 * s4, d1 = 1 - 18 * s2 + 32 * s3 - 15 * s4,
                 d2 = (2 * s - 9 * s2 + 12 * s3 - 5 * s4) / 2, d3 = 30 * s2 - 60 * s3 + 30 * s4,
                 d4 = -12 * s2 + 28 * s3 - 15 * s4, d5 = (3 * s2 - 8 * s3 + 5 * s4) / 2;
    out.t = t;
    for (int c = 0; c < 3; ++c) {
        out.r[c] = h0 * a.r[c] + h1 * h * a.v[c] + h2 * h * h * a.a[c] + h3 * b.r[c] +
                   h4 * h * b.v[c] + h5 * h * h * b.a[c];
        out.v[c] = (d0 * a.r[c] + d3 * b.r[c]) / h + d1 * a.v[c] + d4 * b.v[c] +
                   (d2 * a.a[c] + d5 * b.a[c]) * h;
    }
}

}  // namespace

void Acceleration(Instant t, const double r[3], const double v[3], double a[3],
                  const Options& options) {
    const double vg[3] = {v[0] / kGauss, v[1] / kGauss, v[2] / kGauss};
    GaussAcceleration(t, r, vg, a, options);
    for (int c = 0; c < 3; ++c) a[c] *= kGauss * kGauss;
}

State EpochState(const TElementValues& el) {
    const OrbitPosition o = PreciseHeliocentric(el, el.EpochTime, PreciseForces::TwoBody);
    State s;
    s.t = el.EpochTime;
    s.r[0] = o.x, s.r[1] = o.y, s.r[2] = o.z;
    // The velocity in the orbit's plane along the node line N and the direction P 90° ahead
    // of it: sqrt(μ/p)·(−sin u − e sin ω, cos u + e cos ω), u = ω + ν; then N and P on the
    // equatorial axes, the same rotation as PropagateOrbit's.
    const double p = el.q * (1 + el.e);
    const double w = Rad(el.w), O = Rad(el.O), i = Rad(el.i), u = w + o.v;
    const double speed = kGauss / std::sqrt(p);
    const double vn = -speed * (std::sin(u) + el.e * std::sin(w));
    const double vp = speed * (std::cos(u) + el.e * std::cos(w));
    const double ce = std::cos(kObliquityJ2000), se = std::sin(kObliquityJ2000);
    const double N[3] = {std::cos(O), std::sin(O) * ce, std::sin(O) * se};
    const double P[3] = {-std::sin(O) * std::cos(i),
                         std::cos(O) * std::cos(i) * ce - std::sin(i) * se,
                         std::cos(O) * std::cos(i) * se + std::sin(i) * ce};
    for (int c = 0; c < 3; ++c) s.v[c] = vn * N[c] + vp * P[c];
    if (!Finite(s.v, 3) || !Finite(s.r, 3)) ThrowInvalidElements();
    return s;
}

struct Trajectory::Branch {
    int direction = 1;
    std::vector<Checkpoint> points;
    double h = 0;  // the next trial step [τ]
    gsl_odeiv2_step* step = nullptr;
    gsl_odeiv2_control* control = nullptr;
    gsl_odeiv2_evolve* evolve = nullptr;
    ~Branch() {
        if (evolve) gsl_odeiv2_evolve_free(evolve);
        if (control) gsl_odeiv2_control_free(control);
        if (step) gsl_odeiv2_step_free(step);
    }
};

namespace {

Trajectory::Checkpoint CheckpointOf(const State& s, const Options& options) {
    Trajectory::Checkpoint c;
    c.t = s.t;
    std::copy(s.r, s.r + 3, c.r);
    std::copy(s.v, s.v + 3, c.v);
    Acceleration(s.t, s.r, s.v, c.a, options);
    return c;
}

// Integrates `branch` on from its last checkpoint until it passes `target` (or reaches it
// exactly when `exact`), keeping every accepted step. `budget` counts the steps left.
void Extend(Trajectory::Branch& branch, Instant epoch, Instant target, bool exact,
            const Options& options, int& budget) {
    TurnOffGslAborts();
    if (!branch.step) {
        branch.step = gsl_odeiv2_step_alloc(gsl_odeiv2_step_rk8pd, 6);
        branch.control = gsl_odeiv2_control_y_new(options.tolerance, options.tolerance);
        branch.evolve = gsl_odeiv2_evolve_alloc(6);
        if (!branch.step || !branch.control || !branch.evolve) throw std::bad_alloc();
        branch.h = branch.direction * 0.01;
    }
    const int dir = branch.direction;
    const Instant limit = dir > 0 ? kEndTT : kFirstTT;
    if (dir * (target - limit) > 0) throw EConvertError(kPreciseRangeMessage);
    const double tauEnd = kGauss * ((exact ? target : limit) - epoch);
    const double tauTarget = kGauss * (target - epoch);

    SystemContext ctx{epoch, &options, nullptr, false};
    gsl_odeiv2_system system{Derivatives, nullptr, 6, &ctx};
    const Trajectory::Checkpoint& last = branch.points.back();
    double tau = kGauss * (last.t - epoch);
    double y[6];
    for (int c = 0; c < 3; ++c) y[c] = last.r[c], y[c + 3] = last.v[c] / kGauss;
    gsl_odeiv2_evolve_reset(branch.evolve);
    while (dir * (tau - tauTarget) < 0) {
        if (--budget < 0) ThrowInvalidElements();
        const double r = std::sqrt(Dot(y, y));
        const double cap = kStepAngle * r * std::sqrt(r);
        if (std::fabs(branch.h) > cap) branch.h = dir * cap;
        const int status = gsl_odeiv2_evolve_apply(branch.evolve, branch.control, branch.step,
                                                   &system, &tau, tauEnd, &branch.h, y);
        if (ctx.error) std::rethrow_exception(ctx.error);
        if (status != GSL_SUCCESS || ctx.nonFinite || !Finite(y, 6) ||
            Dot(y, y) < kSunRadius * kSunRadius || branch.h == 0)
            ThrowInvalidElements();
        State s;
        s.t = epoch + tau / kGauss;
        for (int c = 0; c < 3; ++c) s.r[c] = y[c], s.v[c] = y[c + 3] * kGauss;
        branch.points.push_back(CheckpointOf(s, options));
    }
}

}  // namespace

Trajectory::Trajectory(const State& start, const Options& options)
    : options_(options),
      start_(start),
      forward_(std::make_unique<Branch>()),
      backward_(std::make_unique<Branch>()) {
    if (!Finite(start.r, 3) || !Finite(start.v, 3) || !std::isfinite(start.t))
        ThrowInvalidElements();
    if (!(start.t >= kFirstTT && start.t <= kEndTT)) throw EConvertError(kPreciseRangeMessage);
    const Checkpoint first = CheckpointOf(start, options);
    forward_->points.push_back(first);
    backward_->direction = -1;
    backward_->points.push_back(first);
}

Trajectory::~Trajectory() = default;

int Trajectory::StepCount() const {
    return static_cast<int>(forward_->points.size() + backward_->points.size()) - 2;
}

State Trajectory::At(Instant tt) {
    if (!std::isfinite(tt)) ThrowInvalidElements();
    if (tt == start_.t) return start_;
    Branch& b = tt > start_.t ? *forward_ : *backward_;
    const int dir = b.direction;
    if (dir * (tt - b.points.back().t) > 0) {
        int budget = kMaxSteps - StepCount();
        Extend(b, start_.t, tt, false, options_, budget);
    }
    // The first checkpoint at or past tt.
    const auto it =
        std::lower_bound(b.points.begin() + 1, b.points.end(), tt,
                         [dir](const Checkpoint& c, Instant t) { return dir * (c.t - t) < 0; });
    State out;
    Quintic(*(it - 1), *it, tt, out);
    return out;
}

State Trajectory::Propagate(const State& start, Instant tt, const Options& options) {
    Trajectory trajectory(start, options);
    if (tt == start.t) return start;
    Branch& b = tt > start.t ? *trajectory.forward_ : *trajectory.backward_;
    int budget = kMaxSteps;
    Extend(b, start.t, tt, true, options, budget);
    const Checkpoint& last = b.points.back();
    State s;
    s.t = last.t;
    std::copy(last.r, last.r + 3, s.r);
    std::copy(last.v, last.v + 3, s.v);
    return s;
}

namespace {

struct CacheKey {
    TElementValues el;
    Options options;
    bool operator==(const CacheKey& o) const {
        const TElementValues &a = el, &b = o.el;
        return options == o.options && a.a == b.a && a.e == b.e && a.q == b.q && a.w == b.w &&
               a.O == b.O && a.i == b.i && a.EpochTime == b.EpochTime && a.HasM == b.HasM &&
               a.M0 == b.M0 && a.H == b.H && a.G == b.G && a.IsMinorPlanet == b.IsMinorPlanet;
    }
};

struct CacheEntry {
    CacheKey key;
    std::unique_ptr<Trajectory> trajectory;
};

// The trajectories of the objects this thread computed last, the most recent first. A night's
// list or an ephemeris works on one object at a time; a few more serve a window that switches
// between objects.
constexpr std::size_t kCachedTrajectories = 16;

Trajectory& CachedTrajectory(const TElementValues& el, const Options& options) {
    thread_local std::list<CacheEntry> cache;
    const CacheKey key{el, options};
    for (auto it = cache.begin(); it != cache.end(); ++it) {
        if (it->key == key) {
            cache.splice(cache.begin(), cache, it);
            return *cache.front().trajectory;
        }
    }
    auto trajectory = std::make_unique<Trajectory>(EpochState(el), options);
    if (cache.size() >= kCachedTrajectories) cache.pop_back();
    cache.push_front({key, std::move(trajectory)});
    return *cache.front().trajectory;
}

}  // namespace

State PerturbedState(const TElementValues& el, Instant tt, const Options& options) {
    return CachedTrajectory(el, options).At(tt);
}

namespace {

struct Conic {
    double q, e, i, O, w;  // [AU], [rad]
    double nu;             // true anomaly [rad]
};

Conic ConicOf(const State& s) {
    // In Gaussian units (μ = 1) on the ecliptic J2000 axes.
    const double ce = std::cos(kObliquityJ2000), se = std::sin(kObliquityJ2000);
    const double r[3] = {s.r[0], s.r[1] * ce + s.r[2] * se, -s.r[1] * se + s.r[2] * ce};
    const double v[3] = {s.v[0] / kGauss, (s.v[1] * ce + s.v[2] * se) / kGauss,
                         (-s.v[1] * se + s.v[2] * ce) / kGauss};
    const double h[3] = {r[1] * v[2] - r[2] * v[1], r[2] * v[0] - r[0] * v[2],
                         r[0] * v[1] - r[1] * v[0]};
    const double rn = std::sqrt(Dot(r, r)), hn = std::sqrt(Dot(h, h)), rv = Dot(r, v);
    const double v2 = Dot(v, v);
    double ev[3];
    for (int c = 0; c < 3; ++c) ev[c] = (v2 - 1 / rn) * r[c] - rv * v[c];
    Conic k;
    k.e = std::sqrt(Dot(ev, ev));
    const double p = hn * hn;
    k.q = p / (1 + k.e);
    k.i = std::atan2(std::hypot(h[0], h[1]), h[2]);
    k.O = std::atan2(h[0], -h[1]);
    // The argument of latitude u from the node line, and ν from e cos ν = p/r − 1,
    // e sin ν = (r·v)·sqrt(p)/r.
    const double nodeX = std::cos(k.O), nodeY = std::sin(k.O);
    const double u =
        std::atan2((-nodeY * r[0] + nodeX * r[1]) * std::cos(k.i) + r[2] * std::sin(k.i),
                   nodeX * r[0] + nodeY * r[1]);
    k.nu = std::atan2(rv * std::sqrt(p) / rn, p / rn - 1);
    k.w = u - k.nu;
    return k;
}

// x − sin x and sinh x − x [rad]: by their series below 0.1, where the difference of the two
// terms would lose the digits that the near-parabolic conics need.
double XMinusSin(double x) {
    if (std::fabs(x) >= 0.1) return x - std::sin(x);
    const double x2 = x * x;
    return x * x2 / 6 * (1 - x2 / 20 * (1 - x2 / 42 * (1 - x2 / 72 * (1 - x2 / 110))));
}
double SinhMinusX(double x) {
    if (std::fabs(x) >= 0.1) return std::sinh(x) - x;
    const double x2 = x * x;
    return x * x2 / 6 * (1 + x2 / 20 * (1 + x2 / 42 * (1 + x2 / 72 * (1 + x2 / 110))));
}

// The time from the perihelion passage to the state of the conic `k` [days], μ = k²: the
// mean anomaly over the mean motion, written as (1 − e)·E + e·(E − sin E) (elliptic) and
// (e − 1)·F + e·(sinh F − F) (hyperbolic) over |1 − e|^1.5, which tends to Barker's
// equation as e → 1 instead of dividing two vanishing numbers.
double TimeFromPerihelion(const Conic& k) {
    const double e = k.e, q15 = k.q * std::sqrt(k.q);
    if (e == 1) {
        const double D = std::tan(k.nu / 2);
        return std::sqrt(2.0) * q15 / kGauss * (D + D * D * D / 3);
    }
    const double d = std::fabs(1 - e);
    double mean;  // the mean anomaly [rad]
    if (e < 1) {
        const double E = std::atan2(std::sqrt(d * (1 + e)) * std::sin(k.nu), e + std::cos(k.nu));
        mean = d * E + e * XMinusSin(E);
    } else {
        const double F =
            std::asinh(std::sqrt(d * (1 + e)) * std::sin(k.nu) / (1 + e * std::cos(k.nu)));
        mean = d * F + e * SinhMinusX(F);
    }
    return mean * q15 / (d * std::sqrt(d) * kGauss);
}

}  // namespace

OrbitPosition PerturbedHeliocentric(const TElementValues& el, Instant tt, const Options& options) {
    const State s = PerturbedState(el, tt, options);
    OrbitPosition o;
    o.x = s.r[0], o.y = s.r[1], o.z = s.r[2];
    o.r = std::sqrt(Dot(s.r, s.r));
    const Conic k = ConicOf(s);
    o.v = k.nu;
    o.anomaly = k.e < 1
                    ? std::atan2(std::sqrt(1 - k.e * k.e) * std::sin(k.nu), k.e + std::cos(k.nu))
                    : k.nu;
    return o;
}

TElementValues OsculatingElements(const State& state, bool asMinorPlanet) {
    const Conic k = ConicOf(state);
    TElementValues el;
    el.e = k.e;
    el.q = k.q;
    el.a = k.q / (1 - k.e);
    el.i = Deg(k.i);
    el.O = Deg(NormalizeAngle(k.O));
    el.w = Deg(NormalizeAngle(k.w));
    el.IsMinorPlanet = asMinorPlanet;
    if (asMinorPlanet && k.e < 1) {
        // A minor planet's form: the mean anomaly at the state's instant.
        const double E =
            std::atan2(std::sqrt(1 - k.e * k.e) * std::sin(k.nu), k.e + std::cos(k.nu));
        el.HasM = true;
        el.M0 = Deg(NormalizeAngle(E - k.e * std::sin(E)));
        el.EpochTime = state.t;
    } else {
        // A comet's form, which every propagation reads (the universal-variable branch of
        // near-parabolic comets only knows this one): the perihelion time.
        el.EpochTime = state.t - TimeFromPerihelion(k);
    }
    return el;
}

}  // namespace vagaris::perturbed
