// Angle helpers, the Sun, the obliquity and horizontal coordinates.
#include <gtest/gtest.h>

#include <cmath>

#include "core/Angles.h"
#include "core/Sun.h"
#include "core/Time.h"

using namespace vagaris;

namespace {
// The short solar theory is good to about 0.01°; the references below come from the
// astronomical almanac-style computations worked by hand (see each test).
constexpr double kSunLongitudeTolDeg = 0.01;
constexpr double kSunDistanceTolAU = 2e-4;
constexpr double kExact = 1e-12;
}  // namespace

TEST(Angles, NormalizeAngle) {
    EXPECT_EQ(NormalizeAngle(kTwoPi), kTwoPi);  // 2π itself stays
    EXPECT_NEAR(NormalizeAngle(-kTwoPi), 0.0, kExact);
    EXPECT_NEAR(NormalizeAngle(7 * kPi), kPi, 1e-12);
    EXPECT_NEAR(NormalizeAngle(-kPi / 2), 1.5 * kPi, kExact);
    EXPECT_EQ(NormalizeAngle(1.0), 1.0);
}

TEST(Angles, ArcSineArcCosineAndFriends) {
    EXPECT_EQ(ArcSine(1.0), kPi / 2);
    EXPECT_EQ(ArcSine(-1.0), -kPi / 2);
    EXPECT_NEAR(ArcSine(0.5), kPi / 6, kExact);
    // Rounding can push an argument a hair beyond ±1: clamped, never NaN.
    EXPECT_NEAR(ArcSine(1.0 + 1e-15), kPi / 2, kExact);
    EXPECT_NEAR(ArcSine(-1.0 - 1e-15), -kPi / 2, kExact);
    EXPECT_NEAR(ArcCosine(1.0 + 1e-15), 0.0, kExact);
    EXPECT_NEAR(ArcCosine(-1.0 - 1e-15), kPi, kExact);
    EXPECT_NEAR(TanRad(kPi / 4), 1.0, kExact);
    EXPECT_NEAR(SinDeg(30), 0.5, kExact);
    EXPECT_NEAR(CosDeg(60), 0.5, kExact);
}

TEST(Sun, OnThe1992October13Example) {
    // 1992 Oct 13.0: geometric longitude 199.90988° of the equinox of date, R = 0.99766 AU.
    // Referred to 2000 by the 0.01396°/year term: + (2636 days / 365.242199) · 0.01396°.
    const Instant t = EncodeDate(1992, 10, 13);
    const SunPlace s = SunPosition(t);
    EXPECT_NEAR(Deg(s.lambda), 199.90988 + 2636.0 / 365.242199 * 0.01396, kSunLongitudeTolDeg);
    EXPECT_NEAR(s.R, 0.99766, kSunDistanceTolAU);
}

TEST(Sun, At2000January1) {
    // Hand computation with the modern mean elements: L0 = 279.97365°, C = −0.10110°, so the
    // geometric longitude is 279.87256°; R = 0.98332 AU. The precession term vanishes here.
    const SunPlace s = SunPosition(kInstantJ2000Day);
    EXPECT_NEAR(Deg(s.lambda), 279.87256, kSunLongitudeTolDeg);
    EXPECT_NEAR(s.R, 0.98332, kSunDistanceTolAU);
}

TEST(Sun, At1900January0Point5TheNegativeMeanLongitudeIsAbsorbed) {
    // T = 0: L0 = 279.69668° (made −80.30332° by the forced subtraction), C ≈ −0.0521°; the
    // reference is the date's equinox, so the 2000 term adds 36524.5/365.242199 · 0.01396°.
    const SunPlace s = SunPosition(1.5);
    EXPECT_NEAR(Deg(s.lambda), 279.69668 - 0.0521 + 36524.5 / 365.242199 * 0.01396, 0.015);
}

TEST(Sun, ObliquityAtJ2000) {
    // 23° 26' 21.45" (23.43929°) at J2000.
    EXPECT_NEAR(Deg(Obliquity(kInstantJ2000Day)), 23.43929, 1e-4);
    // It decreases by about 47" per century.
    EXPECT_NEAR(Deg(Obliquity(kInstantJ2000Day) - Obliquity(kInstantJ2000Day + 36525)), 46.8 / 3600,
                0.5 / 3600);
}

TEST(EquatorialToHorizontal, OnTheMeridianAltitudeIs90MinusZenithDistance) {
    struct Case {
        double phiDeg, deltaDeg, altitudeDeg;
    } cases[] = {{40, 20, 70}, {40, -60, -10}, {-33, 10, 47}, {0, 0, 90}, {80, 23.4, 33.4}};
    for (const auto& c : cases) {
        const double alpha = Rad(123.0);
        const HorizontalPlace h =
            EquatorialToHorizontal(alpha, Rad(c.deltaDeg), Rad(c.phiDeg), alpha);
        EXPECT_NEAR(Deg(h.altitude), c.altitudeDeg, 1e-9) << c.phiDeg << " " << c.deltaDeg;
    }
}

TEST(EquatorialToHorizontal, AzimuthFromSouthTowardsWest) {
    // South of the zenith on the meridian: azimuth 0.
    EXPECT_NEAR(EquatorialToHorizontal(1.0, Rad(10), Rad(40), 1.0).azimuth, 0.0, 1e-12);
    // On the equator an equatorial star six hours west sets due west (+90°).
    const HorizontalPlace west = EquatorialToHorizontal(0.0, 0.0, 0.0, kPi / 2);
    EXPECT_NEAR(west.altitude, 0.0, 1e-12);
    EXPECT_NEAR(Deg(west.azimuth), 90.0, 1e-9);
    EXPECT_NEAR(Deg(EquatorialToHorizontal(0.0, 0.0, 0.0, -kPi / 2).azimuth), -90.0, 1e-9);
}
