// ComputeCircumstances, the maximum altitude, the Selección page texts and EvaluateCometLine.
// Reference values come from geometry built by hand (an object placed at opposition, a
// distant object placed at a chosen right ascension and declination), not from the code.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "catalogs/CometLine.h"
#include "catalogs/LineFormats.h"
#include "core/Angles.h"
#include "core/Circumstances.h"
#include "core/ElementRecord.h"
#include "core/Errors.h"
#include "core/Session.h"
#include "core/Sun.h"
#include "core/Time.h"
#include "support/ConversionError.h"
#include "support/LocaleSwitch.h"

using namespace vagaris;

namespace {

constexpr double kArcsec = Rad(1.0 / 3600.0);  // [rad]

std::string Num(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.12f", v);
    return buf;
}

std::string FechaOf(int y, int m, int d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d %02d %02d.0", y, m, d);
    return buf;
}

// A circular minor-planet orbit with the given elements [deg] and its epoch at 0h of y-m-d.
TOrbitalElements Circular(double a, double iDeg, double nodeDeg, double wDeg, double MDeg, int y,
                          int m, int d) {
    TOrbitalElements el;
    el.Name = "(9999) Prueba";
    el.Fecha = FechaOf(y, m, d);
    el.M = Num(MDeg);
    el.a = Num(a);
    el.e = "0";
    el.w = Num(wDeg);
    el.O = Num(nodeDeg);
    el.i = Num(iDeg);
    el.H = "15";
    el.G = "0.15";
    return el;
}

// A far object (1000 AU, parallax below 0.06°) placed at the equatorial direction (α, δ) at
// the instant t: the top (or bottom) of an orbit inclined by the ecliptic latitude.
TOrbitalElements FarObjectAt(double alphaDeg, double deltaDeg, int y, int m, int d) {
    const Instant t = EncodeDate(y, m, d);
    const double eps = Obliquity(t);
    const double a = Rad(alphaDeg), dl = Rad(deltaDeg);
    const double beta =
        std::asin(std::sin(dl) * std::cos(eps) - std::cos(dl) * std::sin(eps) * std::sin(a));
    const double lambda =
        std::atan2(std::sin(a) * std::cos(eps) + std::tan(dl) * std::sin(eps), std::cos(a));
    if (beta >= 0) return Circular(1000, Deg(beta), Deg(lambda) - 90, 0, 90, y, m, d);
    return Circular(1000, -Deg(beta), Deg(lambda) + 90, 0, 270, y, m, d);
}

Session MakeSession(const TOrbitalElements& el, Instant t, const std::string& lat = "+40") {
    Session s;
    s.clock = [] { return 0.0; };
    s.Elements = el;
    s.CurrentInstant = t;
    s.settings.Lat = lat;
    return s;
}

TCircumstances Sentinel() {
    TCircumstances c;
    double* fields[] = {&c.RightAscension, &c.Declination,     &c.Delta,         &c.SunDistance,
                        &c.Elongation,     &c.PhaseAngle,      &c.Magnitude,     &c.Speed,
                        &c.MaxAltitude,    &c.Motion,          &c.MotionRA,      &c.MotionDec,
                        &c.MotionPA,       &c.ReverseMotionPA, &c.RadiusVectorPA};
    for (double* f : fields) *f = 42.0;
    return c;
}

bool SameRecord(const TCircumstances& a, const TCircumstances& b) {
    return a.RightAscension == b.RightAscension && a.Declination == b.Declination &&
           a.Delta == b.Delta && a.SunDistance == b.SunDistance && a.Elongation == b.Elongation &&
           a.PhaseAngle == b.PhaseAngle && a.Magnitude == b.Magnitude && a.Speed == b.Speed &&
           a.MaxAltitude == b.MaxAltitude && a.Motion == b.Motion && a.MotionRA == b.MotionRA &&
           a.MotionDec == b.MotionDec && a.MotionPA == b.MotionPA &&
           a.ReverseMotionPA == b.ReverseMotionPA && a.RadiusVectorPA == b.RadiusVectorPA;
}

using vagaris::test::ErrorOf;

std::string Text(const SelectionTexts& t, SelectionQuantity quantity) {
    for (const auto& v : t.values)
        if (v.quantity == quantity) return v.text;
    return "<absent>";
}

double AngleGap(double a, double b) { return std::abs(std::remainder(a - b, kTwoPi)); }

}  // namespace

// ---------------------------------------------------------------------------------------
// No object chosen

TEST(ComputeCircumstances, EmptyFechaChangesNothingInAnyMode) {
    TOrbitalElements el = Circular(2, 0, 0, 0, 10, 2024, 6, 21);
    el.Fecha = "";
    for (CircumstanceMode mode : {CircumstanceMode::R, CircumstanceMode::E, CircumstanceMode::T}) {
        Session s = MakeSession(el, EncodeDate(2024, 6, 21));
        s.Circumstances = Sentinel();
        s.Orbits[kEarth].Anomaly = 7;
        s.ObjectName = "antes";
        EXPECT_FALSE(ComputeCircumstances(s, mode));
        EXPECT_TRUE(SameRecord(s.Circumstances, Sentinel()));
        EXPECT_EQ(s.Orbits[kEarth].Anomaly, 7);
        EXPECT_EQ(s.Orbits[kObject].a, 0);
        EXPECT_EQ(s.ObjectName, "antes");
    }
}

// ---------------------------------------------------------------------------------------
// Geometry at opposition: an object on a circle of 2 AU in the ecliptic, exactly opposite
// the Sun. Δ = 2 − R, elongation 180°, phase angle 0 (both arccos arguments are ±1 and must
// be clamped), position = the anti-solar point.

class Opposition : public ::testing::Test {
protected:
    void SetUp() override {
        t_ = EncodeDate(2024, 3, 5);
        sun_ = SunPosition(t_);
        eps_ = Obliquity(t_);
        L_ = sun_.lambda + kPi;  // heliocentric longitude of the object [rad]
    }
    Instant t_;
    SunPlace sun_;
    double eps_, L_;
};

TEST_F(Opposition, MinorPlanetPositionDistancesAndMagnitude) {
    Session s = MakeSession(Circular(2, 0, 0, 0, Deg(L_), 2024, 3, 5), t_);
    ASSERT_TRUE(ComputeCircumstances(s, CircumstanceMode::E));
    const TCircumstances& c = s.Circumstances;
    EXPECT_NEAR(c.Delta, 2 - sun_.R, 1e-9);
    EXPECT_NEAR(c.SunDistance, 2, 1e-12);
    EXPECT_NEAR(c.Elongation, kPi, 1e-6);
    EXPECT_NEAR(c.PhaseAngle, 0, 1e-6);
    EXPECT_NEAR(c.RightAscension,
                NormalizeAngle(std::atan2(std::sin(L_) * std::cos(eps_), std::cos(L_))),
                kArcsec / 100);
    EXPECT_NEAR(c.Declination, std::asin(std::sin(eps_) * std::sin(L_)), kArcsec / 100);
    // Minor-planet law: H + 5 log10(r Δ) + 0.03 β[deg]; the slope G plays no part.
    EXPECT_NEAR(c.Magnitude, 15 + 5 * std::log10(2 * (2 - sun_.R)), 1e-6);
    // Vis-viva on a circle: v = 29.8 / √a km/s.
    EXPECT_NEAR(c.Speed, 29.8 / std::sqrt(2.0), 1e-12);
    // Near opposition the apparent motion is retrograde (westward, position angle 180-360°).
    EXPECT_LT(c.MotionRA, 0);
    EXPECT_GT(c.MotionPA, kPi);
    EXPECT_NEAR(c.ReverseMotionPA, NormalizeAngle(c.MotionPA + kPi), 1e-12);
}

TEST_F(Opposition, CometLawAndPerihelionAtTheElementDate) {
    // Comet-style set: q = 2, e = 0, perihelion at the element date.
    TOrbitalElements el;
    el.Name = "C/2024 Z9 (Prueba)";
    el.Fecha = "2024 03 05.0";
    el.q = "2";
    el.e = "0";
    el.w = Num(Deg(NormalizeAngle(L_)));  // a comet's ω lies within 0…360°
    el.O = "0";
    el.i = "0";
    el.H = "5.0";
    el.G = "4.0";
    Session s = MakeSession(el, t_);
    ASSERT_TRUE(ComputeCircumstances(s, CircumstanceMode::R));
    EXPECT_NEAR(s.Circumstances.SunDistance, 2, 1e-12);  // r = q at perihelion
    EXPECT_NEAR(s.Circumstances.Magnitude,
                5 + 5 * std::log10(2 - sun_.R) + 2.5 * 4 * std::log10(2.0), 1e-6);
    // The period is shown for e < 1: √(2³) years.
    EXPECT_EQ(Text(SelectionPageTexts(s), SelectionQuantity::Period), "P:   2.828 años");
}

TEST_F(Opposition, RecordsAndObjectName) {
    TOrbitalElements el = Circular(2, 0, 0, 0, Deg(L_), 2024, 3, 5);
    el.Name = "  (12345) Un nombre bastante largo que pasa de cuarenta caracteres";
    Session s = MakeSession(el, t_);
    ASSERT_TRUE(ComputeCircumstances(s, CircumstanceMode::E));
    EXPECT_EQ(s.ObjectName, "(12345) Un nombre bastante largo que p");  // 40 characters, trimmed
    EXPECT_EQ(s.Orbits[kObject].a, 2);
    EXPECT_EQ(s.Orbits[kObject].e, 0);
    EXPECT_EQ(s.Orbits[kObject].q, 2);
    EXPECT_NEAR(s.Orbits[kEarth].Anomaly, sun_.lambda + kPi, 1e-12);
    // The anomaly kept is the one of the second propagation, one minute later.
    const double n = Rad(0.985609 / std::pow(2.0, 1.5));  // [rad/day]
    EXPECT_NEAR(s.Orbits[kObject].Anomaly, L_ + n / 1440, 1e-9);
}

// ---------------------------------------------------------------------------------------
// Maximum altitude, with a distant object placed at a chosen (α, δ) on 2024 June 21, when
// the Sun stands at 6h, +23.4°.

struct AltitudeCase {
    const char* name;
    double alphaDeg, deltaDeg;
    const char* lat;
};

TEST(MaxAltitude, CulminationInDarknessAndItsNegativeCase) {
    const AltitudeCase cases[] = {
        {"midnight culmination at +40", 270, 20, "+40"},
        {"never above the horizon at +40", 270, -60, "+40"},
        {"southern observer", 270, -30, "-33"},
    };
    for (const auto& c : cases) {
        Session s = MakeSession(FarObjectAt(c.alphaDeg, c.deltaDeg, 2024, 6, 21),
                                EncodeDate(2024, 6, 21), c.lat);
        ASSERT_TRUE(ComputeCircumstances(s, CircumstanceMode::E)) << c.name;
        EXPECT_NEAR(Deg(s.Circumstances.Declination), c.deltaDeg, 0.1) << c.name;  // parallax
        const double phi = Rad(std::atoi(c.lat));
        const double meridian = kPi / 2 - std::abs(phi - s.Circumstances.Declination);
        EXPECT_NEAR(s.Circumstances.MaxAltitude, std::max(0.0, meridian), 1e-9) << c.name;
    }
}

TEST(MaxAltitude, PolarSummerGivesZero) {
    // At +80° in June the Sun never goes below +13°: no darkness within half a day.
    Session s = MakeSession(FarObjectAt(270, 60, 2024, 6, 21), EncodeDate(2024, 6, 21), "+80");
    ASSERT_TRUE(ComputeCircumstances(s, CircumstanceMode::E));
    EXPECT_EQ(s.Circumstances.MaxAltitude, 0.0);
}

// The object culminates one hour after the Sun; the search goes forward to the first moment
// the Sun is below the limit, where the object is already descending.
class EveningObject : public ::testing::Test {
protected:
    void SetUp() override { t_ = EncodeDate(2024, 6, 21); }
    // Altitude of the object at the instant the Sun sinks to −limit in the evening, from the
    // hour-angle formula of the spherical triangle.
    double AltitudeAtDusk(const Session& s, double limit, double extraTheta) const {
        const Instant t1 = t_ + kMinute;
        const SunPlace sun = SunPosition(t1);
        const double eps = Obliquity(t1);
        const double aS = std::atan2(std::sin(sun.lambda) * std::cos(eps), std::cos(sun.lambda));
        const double dS = std::asin(std::sin(eps) * std::sin(sun.lambda));
        const double phi = Rad(40);
        const double H = std::acos((std::sin(-limit) - std::sin(phi) * std::sin(dS)) /
                                   (std::cos(phi) * std::cos(dS)));
        const double theta = aS + H + extraTheta;
        const double a = s.Circumstances.RightAscension, d = s.Circumstances.Declination;
        return std::asin(std::sin(phi) * std::sin(d) +
                         std::cos(phi) * std::cos(d) * std::cos(theta - a));
    }
    Instant t_;
};

TEST_F(EveningObject, AltitudeAtTheFirstDarkStepOfTheSearch) {
    Session s = MakeSession(FarObjectAt(105, 50, 2024, 6, 21), t_);
    ASSERT_TRUE(ComputeCircumstances(s, CircumstanceMode::R));
    // The search steps 0.0218 rad of sidereal time, so it stops within one step after dusk.
    const double atDusk = AltitudeAtDusk(s, kTwilightAstronomical, 0);
    const double oneStepLater = AltitudeAtDusk(s, kTwilightAstronomical, 0.0218);
    EXPECT_GT(atDusk, Rad(5));  // the case is meaningful: the object is still up
    EXPECT_LE(s.Circumstances.MaxAltitude, atDusk + 1e-12);
    EXPECT_GE(s.Circumstances.MaxAltitude, oneStepLater - 1e-12);
}

TEST_F(EveningObject, TheTwilightLimitIsAnInputOfModeTOnly) {
    Session r = MakeSession(FarObjectAt(105, 50, 2024, 6, 21), t_);
    ASSERT_TRUE(ComputeCircumstances(r, CircumstanceMode::R));
    Session e = MakeSession(FarObjectAt(105, 50, 2024, 6, 21), t_);
    ASSERT_TRUE(ComputeCircumstances(e, CircumstanceMode::E, kTwilightCivil));
    EXPECT_EQ(e.Circumstances.MaxAltitude, r.Circumstances.MaxAltitude);

    Session civil = MakeSession(FarObjectAt(105, 50, 2024, 6, 21), t_);
    ASSERT_TRUE(ComputeCircumstances(civil, CircumstanceMode::T, kTwilightCivil));
    EXPECT_LE(civil.Circumstances.MaxAltitude, AltitudeAtDusk(civil, kTwilightCivil, 0) + 1e-12);
    EXPECT_GE(civil.Circumstances.MaxAltitude,
              AltitudeAtDusk(civil, kTwilightCivil, 0.0218) - 1e-12);
    EXPECT_GT(civil.Circumstances.MaxAltitude, r.Circumstances.MaxAltitude);  // earlier dusk
}

// ---------------------------------------------------------------------------------------
// Apparent motion

TEST(Motion, SlowObjectKeepsItsDigits) {
    // A trans-Neptunian object moves a fraction of an arcsecond per minute; the arccos form
    // loses most digits there. The small-angle form of the same angle must agree closely.
    const std::string albion =
        "(15760) Albion                                 2019 04 27.0  33.5045 43.80088  "
        "0.068301 359.9923 359.3368   2.1823  7.10   0.15";
    Session s = MakeSession(ParseMinorPlanetLine(albion), EncodeDate(2019, 4, 27));
    ASSERT_TRUE(ComputeCircumstances(s, CircumstanceMode::E));
    const TCircumstances& c = s.Circumstances;
    ASSERT_LT(c.Motion, 0.5);
    const double smallAngle = std::hypot(c.MotionRA * std::cos(c.Declination), c.MotionDec);
    EXPECT_NEAR(c.Motion, smallAngle, 1e-5 * c.Motion);
}

// Places the circular test object (a = 2 AU, i = 5°) so that its right ascension at the
// instant is `target` [rad, wrapped into (−π, π]] by a secant search on its longitude.
class ZeroHourCrossing : public ::testing::Test {
protected:
    TCircumstances At(double LDeg) const {
        Session s = MakeSession(Circular(2, 5, 0, 0, LDeg, 2024, 6, 21), EncodeDate(2024, 6, 21));
        ComputeCircumstances(s, CircumstanceMode::E);
        return s.Circumstances;
    }
    static double Wrapped(double a) { return a > kPi ? a - kTwoPi : a; }
    TCircumstances WithRightAscension(double target) const {
        double L0 = -30, L1 = -29;  // RA 0h lies near L = −30° (quadrature) on that date
        double f0 = Wrapped(At(L0).RightAscension) - target;
        for (int k = 0; k < 60; ++k) {
            const double f1 = Wrapped(At(L1).RightAscension) - target;
            if (std::abs(f1) < 1e-13 || f1 == f0) break;
            const double L2 = L1 - f1 * (L1 - L0) / (f1 - f0);
            L0 = L1;
            f0 = f1;
            L1 = L2;
        }
        const TCircumstances c = At(L1);
        EXPECT_NEAR(Wrapped(c.RightAscension), target, 1e-11);
        return c;
    }
};

TEST_F(ZeroHourCrossing, MotionIsContinuousAcross0h) {
    const TCircumstances ref = WithRightAscension(1e-4);  // some 20 minutes clear of 0h
    const double perMinute = ref.Motion * kArcsec;        // [rad]
    ASSERT_GT(perMinute, 0);
    for (int k = -3; k <= 3; ++k) {
        // k·0.4 minutes of motion from 0h: for some k the minute straddles 0h.
        const TCircumstances c = WithRightAscension(k * 0.4 * perMinute);
        EXPECT_NEAR(c.MotionRA, ref.MotionRA, 1e-3 * std::abs(ref.MotionRA)) << k;
        EXPECT_LT(AngleGap(c.MotionPA, ref.MotionPA), 1e-3) << k;
        EXPECT_NEAR(c.Motion, ref.Motion, 1e-3 * ref.Motion) << k;
    }
}

TEST_F(ZeroHourCrossing, RadiusVectorPositionAngleIsContinuousAcross0h) {
    // The prolonged radius vector point lies up to ~1e-3 rad away in right ascension.
    const TCircumstances ref = WithRightAscension(0.01);
    for (double target : {-3e-3, -1e-3, -3e-4, -1e-4, -1e-5, 1e-5, 1e-4, 3e-4, 1e-3, 3e-3}) {
        const TCircumstances c = WithRightAscension(target);
        EXPECT_LT(AngleGap(c.RadiusVectorPA, ref.RadiusVectorPA), 0.02) << target;
    }
}

// ---------------------------------------------------------------------------------------
// Failures: what is already written stays written, the rest keeps its old value.

TEST(ComputeCircumstancesFailure, BadElementStopsBeforeTheRecord) {
    TOrbitalElements el = Circular(2, 0, 0, 0, 10, 2024, 6, 21);
    el.e = "x";
    Session s = MakeSession(el, EncodeDate(2024, 6, 21));
    s.Circumstances = Sentinel();
    EXPECT_EQ(ErrorOf([&] { ComputeCircumstances(s, CircumstanceMode::R); }),
              "'x' is not a valid floating point value");
    EXPECT_TRUE(SameRecord(s.Circumstances, Sentinel()));
    EXPECT_NEAR(s.Orbits[kEarth].Anomaly, SunPosition(EncodeDate(2024, 6, 21)).lambda + kPi, 1e-12);
}

TEST(ComputeCircumstancesFailure, ImpossibleElementsFailCleanly) {
    struct Case {
        const char *a, *e;
    } cases[] = {{"-1", "0.1"}, {"0", "0.1"}, {"2", "1.2"}, {"2", "1e999"}};
    for (const auto& c : cases) {
        TOrbitalElements el = Circular(2, 0, 0, 0, 10, 2024, 6, 21);
        el.a = c.a;
        el.e = c.e;
        Session s = MakeSession(el, EncodeDate(2024, 6, 21));
        s.Circumstances = Sentinel();
        const std::string message = ErrorOf([&] { ComputeCircumstances(s, CircumstanceMode::R); });
        EXPECT_TRUE(message == kInvalidElementsMessage ||
                    message == "'1e999' is not a valid floating point value")
            << c.a << " " << c.e << ": " << message;
        EXPECT_TRUE(SameRecord(s.Circumstances, Sentinel())) << c.a << " " << c.e;
    }
}

TEST(ComputeCircumstancesFailure, BadLatitudeLeavesOnlyMaxAltitudeOld) {
    Session s = MakeSession(Circular(2, 0, 0, 0, 10, 2024, 6, 21), EncodeDate(2024, 6, 21), "+4x");
    s.Circumstances = Sentinel();
    EXPECT_EQ(ErrorOf([&] { ComputeCircumstances(s, CircumstanceMode::R); }),
              "'4x' is not a valid integer value");
    EXPECT_EQ(s.Circumstances.MaxAltitude, 42.0);
    EXPECT_NEAR(s.Circumstances.SunDistance, 2, 1e-12);
    EXPECT_NE(s.Circumstances.RadiusVectorPA, 42.0);
}

// ---------------------------------------------------------------------------------------
// Page texts from a record filled by hand

class PageTexts : public ::testing::Test {
protected:
    void SetUp() override {
        TCircumstances& c = s_.Circumstances;
        c.Delta = 1.5;
        c.SunDistance = 2.25;
        c.RightAscension = Rad(15 * (5 + 34 / 60.0 + 12.35 / 3600));
        c.Declination = -Rad(5 + 7 / 60.0 + 44 / 3600.0);
        c.Elongation = Rad(123.44);
        c.PhaseAngle = Rad(10.06);
        c.Magnitude = 16.805;
        c.Speed = 29.78;
        c.MaxAltitude = Rad(37.25);
        c.Motion = 2.7 * 60 / 125;  // one pixel of 2.7" in 125 s
        c.MotionRA = -0.5;
        c.MotionDec = 0.25;
        c.MotionPA = Rad(250);
        s_.Orbits[kObject].a = 4;
        s_.Orbits[kObject].e = 0.5;
    }
    Session s_;
};

TEST_F(PageTexts, PolarPerMinuteWithEveryLabelInOrder) {
    using Q = SelectionQuantity;
    const SelectionTexts t = SelectionPageTexts(s_);
    EXPECT_FALSE(t.error);
    std::vector<Q> order;
    for (const auto& v : t.values) order.push_back(v.quantity);
    EXPECT_EQ(order,
              (std::vector<Q>{Q::Delta, Q::RightAscension, Q::Declination, Q::SunDistance,
                              Q::Elongation, Q::PhaseAngle, Q::Magnitude, Q::Speed, Q::MaxAltitude,
                              Q::Motion, Q::PositionAngle, Q::MaxExposure, Q::Period}));
    EXPECT_EQ(Text(t, Q::Delta), "1.5000 UA  (224.4  10^6 km)");
    EXPECT_EQ(Text(t, Q::RightAscension), "05h 34m 12.35s");
    EXPECT_EQ(Text(t, Q::Declination), "-05° 07' 44\"");
    EXPECT_EQ(Text(t, Q::SunDistance), "2.2500 UA  (336.6  10^6 km)");
    EXPECT_EQ(Text(t, Q::Elongation), "123.4°");
    EXPECT_EQ(Text(t, Q::PhaseAngle), "10.1°");
    EXPECT_EQ(Text(t, Q::Magnitude), "16.8");
    EXPECT_EQ(Text(t, Q::Speed), "29.78  km/s  -  107208  km/h");
    EXPECT_EQ(Text(t, Q::MaxAltitude), "37.3°");
    EXPECT_EQ(Text(t, Q::Motion), "1.30\"/minuto");
    EXPECT_EQ(Text(t, Q::PositionAngle), "250.0°");
    EXPECT_EQ(Text(t, Q::MaxExposure), "125 seg");
    EXPECT_EQ(Text(t, Q::Period), "P:   8.000 años");
}

TEST_F(PageTexts, MotionAndExposureFormats) {
    struct Case {
        bool polar, perMinute;
        int format;
        bool useRes;
        const char *cap66, *cap67, *l70, *l71, *l72;
    } cases[] = {
        {true, false, 1, true, "Velocidad aparente:", "A.P:", "77.8\"/hora", "250.0°", "2m  5s"},
        {false, true, 0, true, "Vel. aparente AR:", "Vel. aparente Dec:", "-0.50\"/minuto",
         "+0.25\"/minuto", "125 seg"},
        {false, false, 0, true, "Vel. aparente AR:", "Vel. aparente Dec:", "-30.0\"/hora",
         "+15.0\"/hora", "125 seg"},
        // FWHM 5.0": half of it in 2.5 / 1.296 · 60 = 115.7 s.
        {true, true, 0, false, "Velocidad aparente:", "A.P:", "1.30\"/minuto", "250.0°", "116 seg"},
        {true, true, 1, false, "Velocidad aparente:", "A.P:", "1.30\"/minuto", "250.0°", "1m  56s"},
    };
    for (const auto& c : cases) {
        s_.settings.Polar = c.polar;
        s_.settings.PerMinute = c.perMinute;
        s_.settings.ExposureFormat = c.format;
        s_.settings.UseResolution = c.useRes;
        const SelectionTexts t = SelectionPageTexts(s_);
        // The two motion values follow the maximum altitude, on Label70 and Label71 under the
        // captions Label66 and Label67 then show.
        ASSERT_EQ(t.values.size(), 13u);
        const SelectionQuantityInfo& first = InfoOf(t.values[9].quantity);
        const SelectionQuantityInfo& second = InfoOf(t.values[10].quantity);
        EXPECT_STREQ(first.objectName, "Label70");
        EXPECT_STREQ(second.objectName, "Label71");
        EXPECT_STREQ(first.caption, c.cap66);
        EXPECT_STREQ(second.caption, c.cap67);
        EXPECT_EQ(t.values[9].text, c.l70);
        EXPECT_EQ(t.values[10].text, c.l71);
        EXPECT_EQ(Text(t, SelectionQuantity::MaxExposure), c.l72);
    }
}

TEST_F(PageTexts, TinyNegativeRatesPrintAsPlusZero) {
    s_.settings.Polar = false;
    s_.Circumstances.MotionRA = -0.001;
    EXPECT_EQ(Text(SelectionPageTexts(s_), SelectionQuantity::MotionRA), "+0.00\"/minuto");
}

TEST_F(PageTexts, NoPeriodForOpenOrbits) {
    s_.Orbits[kObject].e = 1.0;
    EXPECT_EQ(Text(SelectionPageTexts(s_), SelectionQuantity::Period), "");
    s_.Orbits[kObject].e = 0.2;
    s_.Orbits[kObject].a = 1;
    EXPECT_EQ(Text(SelectionPageTexts(s_), SelectionQuantity::Period), "P:   1.000 años");
}

// The unit words are the caller's: every one of them lands where the Spanish one stands,
// and nothing else in the text moves.
TEST_F(PageTexts, UnitWordsOfTheCaller) {
    vagaris::UnitWords marked;
    marked.au = "<au>";
    marked.years = "<years>";
    marked.perMinute = "<min>";
    marked.perHour = "<hour>";
    marked.seconds = "<s>";
    s_.Orbits[kObject].e = 0.2;
    s_.Orbits[kObject].a = 1;
    for (const bool perMinute : {true, false}) {
        for (const bool polar : {true, false}) {
            s_.settings.PerMinute = perMinute;
            s_.settings.Polar = polar;
            s_.settings.ExposureFormat = 0;
            const SelectionTexts spanish = SelectionPageTexts(s_);
            const SelectionTexts own = SelectionPageTexts(s_, marked);
            ASSERT_EQ(own.values.size(), spanish.values.size());
            for (std::size_t k = 0; k < own.values.size(); ++k) {
                std::string back = own.values[k].text;
                for (const auto& [from, to] : {std::pair<std::string, std::string>{"<au>", "UA"},
                                               {"<years>", "años"},
                                               {"<min>", "/minuto"},
                                               {"<hour>", "/hora"},
                                               {"<s>", "seg"}})
                    if (const auto at = back.find(from); at != std::string::npos)
                        back.replace(at, from.size(), to);
                EXPECT_EQ(back, spanish.values[k].text);
            }
        }
    }
    EXPECT_EQ(Text(SelectionPageTexts(s_, marked), SelectionQuantity::Period),
              "P:   1.000 <years>");
}

TEST_F(PageTexts, BadResolutionStopsAfterTheMotionLabels) {
    s_.settings.Res = "x";
    const SelectionTexts t = SelectionPageTexts(s_);
    ASSERT_TRUE(t.error);
    EXPECT_EQ(*t.error, "'x' is not a valid floating point value");
    EXPECT_EQ(t.values.back().quantity, SelectionQuantity::PositionAngle);
    EXPECT_EQ(Text(t, SelectionQuantity::MaxExposure), "<absent>");
}

// A resolution or FWHM of 0 or less printed a negative (or no) exposure.
TEST_F(PageTexts, ResolutionOrFwhmNotAboveZeroIsRefused) {
    struct Case {
        bool useResolution;
        const char* value;
        const char* message;
    } cases[] = {{true, "-2.7", kResolutionNotPositiveMessage},
                 {true, "0.0", kResolutionNotPositiveMessage},
                 {false, "-5.0", kFwhmNotPositiveMessage},
                 {false, "0", kFwhmNotPositiveMessage}};
    for (const auto& c : cases) {
        s_.settings.UseResolution = c.useResolution;
        (c.useResolution ? s_.settings.Res : s_.settings.FWHM) = c.value;
        const SelectionTexts t = SelectionPageTexts(s_);
        ASSERT_TRUE(t.error) << c.value;
        EXPECT_EQ(*t.error, c.message);
        EXPECT_EQ(Text(t, SelectionQuantity::MaxExposure), "<absent>") << c.value;
    }
}

// ---------------------------------------------------------------------------------------
// Comet lines: negative magnitudes, hyperbolic orbits, and the anti-tail entry

TEST(CometLines, NegativeAbsoluteMagnitudeKeepsItsSign) {
    const std::string haleBopp =
        "C/1995 O1 (Hale-Bopp)                          1997 03 29.0299  0.922046       0.994905 "
        "130.6979 281.7618  89.7572   -2.0   4.0";
    const Instant t = EncodeDate(1997, 4, 1);
    Session s = MakeSession(ParseCometLine(haleBopp), t);
    ASSERT_TRUE(ComputeCircumstances(s, CircumstanceMode::E));
    const TCircumstances& c = s.Circumstances;
    EXPECT_NEAR(c.Magnitude, -2.0 + 5 * std::log10(c.Delta) + 10 * std::log10(c.SunDistance), 1e-9);
    const CometLineEvaluation ev = EvaluateCometLine(haleBopp, t);
    EXPECT_NEAR(ev.magnitude, c.Magnitude, 1e-12);
    EXPECT_NEAR(ev.phaseAngleDeg, Deg(c.PhaseAngle), 1e-12);
}

TEST(CometLines, EvaluateCometLineUsesTheHyperbolicBranchToo) {
    const std::string atlas3I =
        "3I/ATLAS                                       2025 10 29.4825  1.356507       6.139884 "
        "128.0055 322.1535 175.1129   11.8   4.0";
    const Instant t = EncodeDate(2025, 12, 28);  // about 60 days after perihelion
    Session s = MakeSession(ParseCometLine(atlas3I), t);
    ASSERT_TRUE(ComputeCircumstances(s, CircumstanceMode::E));
    const CometLineEvaluation ev = EvaluateCometLine(atlas3I, t);
    EXPECT_NEAR(ev.magnitude, s.Circumstances.Magnitude, 1e-12);
    EXPECT_NEAR(ev.phaseAngleDeg, Deg(s.Circumstances.PhaseAngle), 1e-12);
    // Speed on a hyperbola: v² = 29.8² (2/r + 1/|a|).
    const double absA = 1.356507 / (6.139884 - 1);
    EXPECT_NEAR(s.Circumstances.Speed, 29.8 * std::sqrt(2 / s.Circumstances.SunDistance + 1 / absA),
                1e-9);
    EXPECT_EQ(Text(SelectionPageTexts(s), SelectionQuantity::Period), "");
    EXPECT_FALSE(ErrorOf([] { EvaluateCometLine("C/bad", 40000.0); }).empty());
}

// ---------------------------------------------------------------------------------------
// The machine's locale changes nothing.

TEST(Locale, CommaLocaleGivesTheSameResultsAndTexts) {
    vagaris::test::LocaleSwitch locale;
    const TOrbitalElements el = Circular(2.5, 7.5, 33.3, 44.4, 55.5, 2024, 6, 21);
    Session a = MakeSession(el, EncodeDate(2024, 6, 21) + 0.25);
    ASSERT_TRUE(ComputeCircumstances(a, CircumstanceMode::R));
    const SelectionTexts ta = SelectionPageTexts(a);
    if (!locale.select("de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 not installed";
    Session b = MakeSession(el, EncodeDate(2024, 6, 21) + 0.25);
    bool ok = false;
    try {
        ok = ComputeCircumstances(b, CircumstanceMode::R);
    } catch (...) {
    }
    const SelectionTexts tb = SelectionPageTexts(b);
    locale.restore();
    ASSERT_TRUE(ok);
    EXPECT_TRUE(SameRecord(a.Circumstances, b.Circumstances));
    ASSERT_EQ(ta.values.size(), tb.values.size());
    for (std::size_t k = 0; k < ta.values.size(); ++k)
        EXPECT_EQ(ta.values[k].text, tb.values[k].text);
}
