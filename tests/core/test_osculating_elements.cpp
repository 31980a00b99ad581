// The osculating conic of a heliocentric state (perturbed::OsculatingElements), which the orbit
// view draws in the precise model: round trips through states written here from known
// elements by the two-body formulas (elliptic, near-parabolic and hyperbolic, prograde and
// retrograde), and JPL Horizons' own pairs of elements and state vectors.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/Angles.h"
#include "core/precise/Perturbations.h"
#include "core/precise/PreciseModel.h"

using namespace vagaris;
using perturbed::State;

namespace {

constexpr double kGauss = 0.01720209895;  // [AU^1.5/day], μ = k²
constexpr double kJdOfInstantZero = 2415018.5;
const double kObliquityJ2000 = Rad(84381.448 / 3600);

// Ecliptic J2000 → ICRS axes.
void ToEquatorial(const double ecl[3], double out[3]) {
    const double ce = std::cos(kObliquityJ2000), se = std::sin(kObliquityJ2000);
    out[0] = ecl[0];
    out[1] = ecl[1] * ce - ecl[2] * se;
    out[2] = ecl[1] * se + ecl[2] * ce;
}

// The state at true anomaly nu [deg] of the conic (q [AU], e, i, O, w [deg]) at TT instant t:
// the perifocal position p/(1 + e cos ν)·(cos ν, sin ν) and velocity √(μ/p)·(−sin ν, e + cos ν)
// turned by ω, i and Ω into the ecliptic, then into the ICRS axes.
State StateOnConic(double q, double e, double i, double O, double w, double nu, double t) {
    const double p = q * (1 + e), v = Rad(nu);
    const double r = p / (1 + e * std::cos(v)), speed = kGauss / std::sqrt(p);
    const double perifocal[2][2] = {{r * std::cos(v), r * std::sin(v)},
                                    {-speed * std::sin(v), speed * (e + std::cos(v))}};
    const double cw = std::cos(Rad(w)), sw = std::sin(Rad(w));
    const double ci = std::cos(Rad(i)), si = std::sin(Rad(i));
    const double cO = std::cos(Rad(O)), sO = std::sin(Rad(O));
    // Columns of the rotation Rz(Ω)·Rx(i)·Rz(ω) for the perifocal x and y axes.
    const double P[3] = {cO * cw - sO * sw * ci, sO * cw + cO * sw * ci, sw * si};
    const double Q[3] = {-cO * sw - sO * cw * ci, -sO * sw + cO * cw * ci, cw * si};
    State s;
    s.t = t;
    double ecl[2][3];
    for (int c = 0; c < 3; ++c)
        for (int k = 0; k < 2; ++k) ecl[k][c] = perifocal[k][0] * P[c] + perifocal[k][1] * Q[c];
    ToEquatorial(ecl[0], s.r);
    ToEquatorial(ecl[1], s.v);
    return s;
}

// Days from the perihelion passage to true anomaly nu [deg], by the classical half-angle
// forms: tan(E/2) = √((1 − e)/(1 + e))·tan(ν/2), M = E − e sin E, or
// tanh(F/2) = √((e − 1)/(e + 1))·tan(ν/2), M = e sinh F − F; over n = k/|a|^1.5.
double DaysFromPerihelion(double q, double e, double nu) {
    const double a = q / std::fabs(1 - e), t = std::tan(Rad(nu) / 2);
    double M;
    if (e < 1) {
        const double E = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * t);
        M = E - e * std::sin(E);
    } else {
        const double F = 2 * std::atanh(std::sqrt((e - 1) / (e + 1)) * t);
        M = e * std::sinh(F) - F;
    }
    return M * a * std::sqrt(a) / kGauss;
}

double AngleDiffDeg(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

struct ConicCase {
    const char* what;
    bool minorPlanet;
    double q, e, i, O, w;  // [AU], [deg]
    double nu;             // true anomaly of the state [deg]
    // Whether DaysFromPerihelion is exact to 1e-6 days here (not for |e − 1| ≪ 1, where the
    // textbook forms divide two vanishing numbers: the round trip checks those).
    bool classicalTime;
};
const ConicCase kConics[] = {
    {"main-belt minor planet", true, 2.2, 0.15, 10.6, 80.3, 73.8, 130, true},
    {"minor planet just after perihelion", true, 1.1, 0.6, 3.3, 204.0, 126.6, 0.5, true},
    {"retrograde periodic comet", false, 0.9, 0.7, 162.3, 58.4, 111.3, -60, true},
    {"near-parabolic comet (universal branch)", false, 1.1, 0.9995, 89.4, 230.0, 250.0, 100, false},
    {"comet on a parabola's edge, e − 1 = 2e-6", false, 0.5, 1.000002, 30.0, 10.0, 350.0, 120,
     false},
    {"hyperbolic comet, e 1.2", false, 1.36, 1.2, 122.7, 24.6, 241.8, -80, true},
    {"interstellar object, e 3.36", false, 2.0, 3.36, 44.1, 308.1, 209.1, 40, true},
};

}  // namespace

TEST(OsculatingElements, RoundTripThroughTwoBodyStates) {
    const double t = 45000.25;  // TT instant of the states [days]
    for (const ConicCase& c : kConics) {
        SCOPED_TRACE(c.what);
        const State s = StateOnConic(c.q, c.e, c.i, c.O, c.w, c.nu, t);
        const TElementValues el = perturbed::OsculatingElements(s, c.minorPlanet);
        EXPECT_NEAR(el.q, c.q, 1e-12 * c.q);
        EXPECT_NEAR(el.e, c.e, 1e-12);
        EXPECT_NEAR(el.a, c.q / (1 - c.e), 1e-9 * std::fabs(c.q / (1 - c.e)));
        EXPECT_NEAR(el.i, c.i, 1e-9);
        EXPECT_LT(AngleDiffDeg(el.O, c.O), 1e-9);
        EXPECT_LT(AngleDiffDeg(el.w, c.w), 1e-9);
        EXPECT_EQ(el.IsMinorPlanet, c.minorPlanet);
        const double sincePerihelion = DaysFromPerihelion(c.q, c.e, c.nu);
        if (c.minorPlanet) {
            // The minor planet's form: M0 at the state's instant.
            ASSERT_TRUE(el.HasM);
            EXPECT_EQ(el.EpochTime, t);
            const double n = Deg(kGauss / std::pow(c.q / (1 - c.e), 1.5));  // [deg/day]
            EXPECT_LT(AngleDiffDeg(el.M0, n * sincePerihelion), 1e-9);
        } else {
            // The comet's form: the perihelion time.
            EXPECT_FALSE(el.HasM);
            if (c.classicalTime) {
                EXPECT_NEAR(el.EpochTime, t - sincePerihelion, 1e-6);
            }
        }
        // The values propagate back to the state (regression: the comets' conics once came
        // back with the state's instant as their perihelion time, the object put at its
        // perihelion).
        const OrbitPosition back = PreciseHeliocentric(el, t, PreciseForces::TwoBody);
        const double r = std::sqrt(s.r[0] * s.r[0] + s.r[1] * s.r[1] + s.r[2] * s.r[2]);
        EXPECT_NEAR(back.x, s.r[0], 1e-9 * r);
        EXPECT_NEAR(back.y, s.r[1], 1e-9 * r);
        EXPECT_NEAR(back.z, s.r[2], 1e-9 * r);
    }
}

TEST(OsculatingElements, HorizonsElementsOfItsOwnStates) {
    // JPL Horizons' osculating elements (ecliptic J2000, GM = 2.9591220828411951e-4 AU³/d²,
    // within 5e-12 of k²) and the state vectors of the same instants, from Debian's
    // python3-astroquery test data (astroquery/jplhorizons/tests/data/):
    //  - ceres_elements.txt lines 10-13 (EPOCH 2458849.5 TDB) with the "Equivalent ICRF
    //    heliocentric cartesian coordinates" of lines 56-57;
    //  - ceres_vectors.txt line 64 (2000-Jan-01 00:00 TDB, ecliptic J2000) with the elements
    //    row of ceres_elements.txt line 65 at the same instant.
    struct Pair {
        const char* what;
        double jd;
        bool ecliptic;
        double r[3], v[3];
        double EC, QR, IN, OM, W, TP, MA, A;
    };
    const Pair pairs[] = {
        {"(1) Ceres at its MPC epoch",
         2458849.5,
         false,
         {1.007608869613381E+00, -2.390064275223502E+00, -1.332124522752402E+00},
         {9.201724467227128E-03, 3.370381135398406E-03, -2.850337057661093E-04},
         .07687465013145245,
         2.556401146697176,
         10.59127767086216,
         80.3011901917491,
         73.80896808746482,
         2458240.1791309435,
         130.3159688200986,
         2.769289292143484},
        {"(1) Ceres on 2000 January 1",
         2451544.5,
         true,
         {-2.377530298472460E+00, 8.007772252240262E-01, 4.628376138999674E-01},
         {-3.605422185454561E-03, -1.057883338099071E-02, 3.379790360574805E-04},
         7.837505574674922E-02,
         2.549670145428669E+00,
         1.058336066935565E+01,
         8.049436497808115E+01,
         7.392278720553115E+01,
         2.451516163103133E+06,
         6.069622713669460E+00,
         2.766494289599058E+00},
    };
    for (const Pair& h : pairs) {
        SCOPED_TRACE(h.what);
        State s;
        s.t = h.jd - kJdOfInstantZero;
        if (h.ecliptic) {
            ToEquatorial(h.r, s.r);
            ToEquatorial(h.v, s.v);
        } else {
            for (int c = 0; c < 3; ++c) s.r[c] = h.r[c], s.v[c] = h.v[c];
        }
        // Tolerances from the 16 printed digits and the two GM values: 1e-10 in e and AU,
        // 1e-7° in the angles (0.0004").
        const TElementValues mp = perturbed::OsculatingElements(s, true);
        EXPECT_NEAR(mp.e, h.EC, 1e-10);
        EXPECT_NEAR(mp.q, h.QR, 1e-10);
        EXPECT_NEAR(mp.a, h.A, 1e-9);
        EXPECT_NEAR(mp.i, h.IN, 1e-7);
        EXPECT_LT(AngleDiffDeg(mp.O, h.OM), 1e-7);
        EXPECT_LT(AngleDiffDeg(mp.w, h.W), 1e-7);
        EXPECT_LT(AngleDiffDeg(mp.M0, h.MA), 1e-7);
        // As a comet: the perihelion time, to 1e-5 days (one second).
        const TElementValues comet = perturbed::OsculatingElements(s, false);
        EXPECT_NEAR(comet.EpochTime, h.TP - kJdOfInstantZero, 1e-5);
    }
}
