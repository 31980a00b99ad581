// Projection and node geometry of the orbit view.
#include <gtest/gtest.h>

#include <cmath>

#include "core/Angles.h"
#include "orbitview/OrbitGeometry.h"

using namespace vagaris;

namespace {

OrbitView ViewAt(int heightPx, double tiltDeg, double azimuthDeg = 0, double scaleAu = 4.0) {
    OrbitView view;
    view.HalfSize = HalfSizeForHeight(heightPx);
    view.Tilt = Rad(tiltDeg);
    view.Azimuth = Rad(azimuthDeg);
    view.Scale = scaleAu;
    return view;
}

TOrbitRecord Record(double a, double e, double w, double O, double i) {
    TOrbitRecord r;
    r.a = a;
    r.e = e;
    r.q = (1 - e) * a;
    r.w = w;
    r.O = O;
    r.i = i;
    return r;
}

}  // namespace

TEST(HalfSize, RoundsHalfToEven) {
    EXPECT_EQ(HalfSizeForHeight(469), 234);  // 234.5 → 234
    EXPECT_EQ(HalfSizeForHeight(403), 202);  // 201.5 → 202
    EXPECT_EQ(HalfSizeForHeight(326), 163);
}

TEST(RotatePair, QuarterTurn) {
    double u = 1, v = 0;
    RotatePair(u, v, kPi / 2);
    EXPECT_NEAR(u, 0, 1e-15);
    EXPECT_NEAR(v, 1, 1e-15);
}

// Ecliptic points (no record) at HalfSize 234, scale 4 AU: 1 AU is 58.5 pixels.
struct EclipticCase {
    const char* what;
    double tiltDeg;
    double x, y, z;  // [AU]
    Pixel expected;
};

class ProjectEcliptic : public ::testing::TestWithParam<EclipticCase> {};

TEST_P(ProjectEcliptic, Pixel) {
    const EclipticCase& c = GetParam();
    const OrbitView view = ViewAt(469, c.tiltDeg);
    EXPECT_EQ(ProjectPoint(c.x, c.y, c.z, nullptr, BodyKind::Planet, view), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Tilts, ProjectEcliptic,
    ::testing::Values(
        // Edge-on: the ecliptic collapses onto the horizontal line through the Sun.
        EclipticCase{"edge-on, +x", 0, 2, 0, 0, {234 + 117, 234}},
        EclipticCase{"edge-on, +y hidden in depth", 0, 0, 2, 0, {234, 234}},
        EclipticCase{"edge-on, north pole up", 0, 0, 0, 2, {234, 234 - 117}},
        // From the north pole: x to the right, y upwards.
        EclipticCase{"north, +x", 90, 2, 0, 0, {234 + 117, 234}},
        EclipticCase{"north, +y up", 90, 0, 2, 0, {234, 234 - 117}},
        // From the south pole: y downwards.
        EclipticCase{"south, +y down", -90, 0, 2, 0, {234, 234 + 117}},
        // 1 AU is 58.5 px: halves go to the even neighbour.
        EclipticCase{"half pixel to even", 0, 1, 0, 0, {234 + 58, 234}},
        EclipticCase{"half pixel to even, 3 AU", 0, 3, 0, 0, {234 + 176, 234}}));

TEST(ProjectPoint, PanShiftsAndFarPointsAreClamped) {
    OrbitView view = ViewAt(469, 90);
    view.PanX = 10;
    view.PanY = -5;
    EXPECT_EQ(ProjectPoint(0, 0, 0, nullptr, BodyKind::Planet, view), (Pixel{244, 229}));
    const Pixel far = ProjectPoint(1e12, 0, 0, nullptr, BodyKind::Planet, view);
    EXPECT_EQ(far.x, 234 + 1000000 + 10);
}

TEST(ProjectPoint, EarthSkipsPerihelionRotation) {
    // The Earth's w of 2.53° has no effect: its perihelion lies on the +x axis.
    const TOrbitRecord earth = Record(1.0000002, 0.016751, 2.53, 0, 0);
    const OrbitView view = ViewAt(469, 90, 0, 0.5);
    const Pixel earthPx = ProjectPoint(earth.q, 0, 0, &earth, BodyKind::Earth, view);
    EXPECT_EQ(earthPx.y, 234);
    const Pixel planetPx = ProjectPoint(earth.q, 0, 0, &earth, BodyKind::Planet, view);
    EXPECT_NE(planetPx.y, 234);
}

TEST(ProjectPoint, OrbitPlaneWithZeroAnglesIsTheEcliptic) {
    // i = 0, O = 0, w = 0: orbit-plane x is the equinox, orbit-plane z the ecliptic y.
    const TOrbitRecord r = Record(2, 0, 0, 0, 0);
    const OrbitView view = ViewAt(469, 90);
    EXPECT_EQ(ProjectPoint(0, 0, 2, &r, BodyKind::Planet, view),
              ProjectPoint(0, 2, 0, nullptr, BodyKind::Planet, view));
}

TEST(OrbitProjector, AgreesWithStepwiseProjection) {
    const TOrbitRecord r = Record(3.1, 0.4, 123.4, 56.7, 23.4);
    OrbitView view = ViewAt(469, 37, 211, 5.3);
    view.PanX = 13;
    view.PanY = -21;
    const OrbitProjector project(view, &r, BodyKind::EllipticObject);
    int differing = 0;
    for (int k = 0; k < 3600; ++k) {
        const double E = Rad(k / 10.0);
        const double x = r.a * std::cos(E) + (r.q - r.a),
                     z = r.a * std::sqrt(1 - r.e * r.e) * std::sin(E);
        const Pixel a = project(x, z),
                    b = ProjectPoint(x, 0, z, &r, BodyKind::EllipticObject, view);
        EXPECT_LE(std::abs(a.x - b.x), 1);
        EXPECT_LE(std::abs(a.y - b.y), 1);
        differing += !(a == b);
    }
    EXPECT_LE(differing, 2);  // only coordinates within rounding of a half pixel
}

// The nodes are where the orbit crosses the ecliptic: the orbit point at E_asc (and E_desc)
// has no height above the ecliptic, and the orbit rises after E_asc.
class EllipseNodesAt : public ::testing::TestWithParam<double> {};

TEST_P(EllipseNodesAt, LieOnTheEcliptic) {
    const double w = GetParam();
    const TOrbitRecord r = Record(2.5, 0.6, w, 40, 30);
    const EllipseNodes n = FindEllipseNodes(r);
    EXPECT_GE(n.Asc, 0);
    EXPECT_LT(n.Asc, 360);
    EXPECT_GE(n.Desc, 0);
    EXPECT_LT(n.Desc, 360);
    auto height = [&](double Edeg) {
        // z of the ecliptic after steps 1 to 3: sin(i) times the orbit-plane coordinate
        // along the node's normal, which is proportional to sin(w + ν).
        double x = r.a * std::cos(Rad(Edeg)) + (r.q - r.a);
        double y = 0, z = r.a * std::sqrt(1 - r.e * r.e) * std::sin(Rad(Edeg));
        RotatePair(x, z, Rad(r.w));
        RotatePair(y, z, Rad(r.i - 90));
        return z;
    };
    EXPECT_NEAR(height(n.Asc), 0, 1e-12);
    EXPECT_NEAR(height(n.Desc), 0, 1e-12);
    EXPECT_GT(height(n.Asc + 1), 0) << "north after the ascending node";
    EXPECT_LT(height(n.Desc + 1), 0) << "south after the descending node";
    // The ordering of the nodes: the larger for w < 180°, the smaller above.
    if (w > 0 && w < 180) {
        EXPECT_GT(n.Asc, n.Desc);
    }
    if (w > 180) {
        EXPECT_LT(n.Asc, n.Desc);
    }
}

// Includes 90° and 270°, where the line of nodes is nearly parallel to the minor axis.
INSTANTIATE_TEST_SUITE_P(ArgumentsOfPerihelion, EllipseNodesAt,
                         ::testing::Values(1.0, 30.0, 89.9999, 90.0, 135.0, 180.0, 225.0, 270.0,
                                           270.0001, 330.0, 359.0));

TEST(FindEllipseNodes, ThirtyDegrees) {
    const EllipseNodes n = FindEllipseNodes(Record(2, 0.5, 30, 0, 10));
    // tan(E/2) = √(1/3)·tan(ν/2): ν = −30° and 150°.
    EXPECT_NEAR(n.Asc, 360 + 2 * Deg(std::atan(std::sqrt(1.0 / 3) * std::tan(Rad(-15)))), 1e-9);
    EXPECT_NEAR(n.Desc, 2 * Deg(std::atan(std::sqrt(1.0 / 3) * std::tan(Rad(75)))), 1e-9);
    EXPECT_GT(n.Asc, n.Desc);
}

TEST(ArcSegmentCount, FifteenPerRoundedDegree) {
    EXPECT_EQ(ArcSegmentCount(360), 5400);
    EXPECT_EQ(ArcSegmentCount(2.5), 30);  // halves to even
    EXPECT_EQ(ArcSegmentCount(3.5), 60);
    EXPECT_EQ(ArcSegmentCount(0.5), 0);  // rounds to 0°: nothing drawn
    EXPECT_EQ(ArcSegmentCount(0.49), 0);
    EXPECT_EQ(ArcSegmentCount(-3), 0);
}
