// Sidereal time, precession and the Moon (the ERFA pieces of the local sky).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "core/Angles.h"
#include "core/SkyFrames.h"
#include "core/Time.h"

using namespace vagaris;

namespace {

constexpr double kArcsec = kPi / (180.0 * 3600.0);  // [rad]

// The night's ranking needs the Moon's separation and altitude to well under a degree; the
// series itself is good to about 10" and ΔT (neglected: TT taken as UT) adds up to 0.03° at
// the ends of 1900–2100.
constexpr double kMoonTolDeg = 0.05;

}  // namespace

// Meeus, Astronomical Algorithms, example 12.a: 1987 April 10, 0h UT,
// mean sidereal time at Greenwich 13h10m46.3668s.
TEST(SkyFrames, GreenwichMeanSiderealTimeOfAPublishedExample) {
    const double expected = (13 + 10 / 60.0 + 46.3668 / 3600.0) * 15.0;  // [deg]
    EXPECT_NEAR(Deg(GreenwichMeanSiderealTime(EncodeDate(1987, 4, 10))), expected,
                0.001 / 3600 * 15);
}

// Meeus, example 21.b (rigorous IAU 1976 precession): θ Persei at α = 41.054063°,
// δ = 49.227750° (J2000) is at α = 41.547214°, δ = 49.348483° on 2028 November 13.19 TD.
TEST(SkyFrames, PrecessionOfAPublishedExample) {
    const double a0 = Rad(41.054063), d0 = Rad(49.227750);
    const Vec3 v{std::cos(d0) * std::cos(a0), std::cos(d0) * std::sin(a0), std::sin(d0)};
    const Instant t = 2462088.69 - 2415018.5;
    const RaDec p = ToRaDec(Apply(PrecessionFromJ2000(t), v));
    EXPECT_NEAR(Deg(p.ra), 41.547214, 0.5 * kArcsec * 180 / kPi);
    EXPECT_NEAR(Deg(p.dec), 49.348483, 0.5 * kArcsec * 180 / kPi);
    // At J2000 itself the rotation is the identity.
    const Vec3 same = Apply(PrecessionFromJ2000(2451545.0 - 2415018.5), v);
    EXPECT_NEAR(AngleBetween(same, v), 0.0, 1e-3 * kArcsec);
}

// The zenith's dot product is the sine of the altitude: a direction at the zenith of a site
// gives 1, the celestial pole gives the sine of the latitude.
TEST(SkyFrames, ZenithGivesAltitudes) {
    const Instant t = EncodeDate(2026, 12, 10) + 0.3;
    const double lat = Rad(40.0), lon = Rad(-3.7);
    const Vec3 z = ZenithJ2000(t, lat, lon);
    EXPECT_NEAR(Norm(z), 1.0, 1e-15);
    const Vec3 pole = ApplyTransposed(PrecessionFromJ2000(t), Vec3{0, 0, 1});
    EXPECT_NEAR(Dot(z, pole), std::sin(lat), 1e-12);
}

// Reference: tests/core/moon_reference.txt, 400 instants over 1900–2100 from PyEphem, made by
// tests/core/moon_reference.py (the command is in its header).
TEST(SkyFrames, MoonAgreesWithPyEphemOverTwoCenturies) {
    std::ifstream in(std::string(VAGARIS_SOURCE_DIR) + "/tests/core/moon_reference.txt");
    ASSERT_TRUE(in) << "reference file missing";
    std::string line;
    int rows = 0;
    double worst = 0, sumSquares = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        fields.imbue(std::locale::classic());
        double t = 0, ra = 0, dec = 0;
        ASSERT_TRUE(fields >> t >> ra >> dec) << line;
        ASSERT_TRUE(std::isfinite(t) && std::isfinite(ra) && std::isfinite(dec));
        const Vec3 ref{std::cos(Rad(dec)) * std::cos(Rad(ra)),
                       std::cos(Rad(dec)) * std::sin(Rad(ra)), std::sin(Rad(dec))};
        const Vec3 moon = MoonGeocentric(t);
        // Geocentric distance 356,000–407,000 km.
        EXPECT_GT(Norm(moon), 0.00237);
        EXPECT_LT(Norm(moon), 0.00273);
        const double sep = Deg(AngleBetween(moon, ref));
        EXPECT_LT(sep, kMoonTolDeg) << "instant " << t;
        worst = std::max(worst, sep);
        sumSquares += sep * sep;
        ++rows;
    }
    // A cut file fails.
    EXPECT_EQ(rows, 400);
    std::printf("Moon vs PyEphem: max %.1f\", rms %.1f\"\n", worst * 3600,
                std::sqrt(sumSquares / rows) * 3600);
}

TEST(SkyFrames, IlluminatedFraction) {
    EXPECT_NEAR(IlluminatedFraction(0.0), 0.0, 1e-15);
    EXPECT_NEAR(IlluminatedFraction(kPi), 1.0, 1e-15);
    EXPECT_NEAR(IlluminatedFraction(kPi / 2), 0.5, 1e-15);
}

// Azimuth from the north through the east: a star on the celestial equator at hour angle
// −6h (rising) stands due east, at +6h due west; the pole stands north at the latitude.
TEST(SkyFrames, HorizontalAzimuthFromTheNorth) {
    const Instant t = EncodeDate(2026, 3, 20) + 0.25;
    const double lat = Rad(40.0), lon = Rad(10.0);
    const Mat3 p = PrecessionFromJ2000(t);
    const double lst = GreenwichMeanSiderealTime(t) + lon;
    const auto onEquatorAt = [&](double hourAngle) {
        const double ra = lst - hourAngle;
        return ApplyTransposed(p, Vec3{std::cos(ra), std::sin(ra), 0});
    };
    const AltAz east = HorizontalOfJ2000(t, lat, lon, onEquatorAt(-kPi / 2));
    EXPECT_NEAR(Deg(east.altitude), 0.0, 1e-9);
    EXPECT_NEAR(Deg(east.azimuth), 90.0, 1e-9);
    const AltAz west = HorizontalOfJ2000(t, lat, lon, onEquatorAt(kPi / 2));
    EXPECT_NEAR(Deg(west.azimuth), 270.0, 1e-9);
    const AltAz south = HorizontalOfJ2000(t, lat, lon, onEquatorAt(0));
    EXPECT_NEAR(Deg(south.altitude), 50.0, 1e-9);
    EXPECT_NEAR(Deg(south.azimuth), 180.0, 1e-9);
    const AltAz pole = HorizontalOfJ2000(t, lat, lon, ApplyTransposed(p, Vec3{0, 0, 1}));
    EXPECT_NEAR(Deg(pole.altitude), 40.0, 1e-9);
    EXPECT_NEAR(std::remainder(Deg(pole.azimuth), 360.0), 0.0, 1e-6);
}
