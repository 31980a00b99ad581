// What the orbit view draws: arcs and their colours, markers, lines of nodes, the text band.
#include <gtest/gtest.h>

#include <cmath>

#include "core/Angles.h"
#include "core/Time.h"
#include "orbitview/OrbitScene.h"

using namespace vagaris;

namespace {

struct Drawn {
    std::vector<ScenePolyline> arcs;   // polylines of more than two points
    std::vector<ScenePolyline> lines;  // two-point lines
    std::vector<SceneDisc> discs;
    std::vector<SceneText> texts;
};

Drawn Sort(const OrbitScene& scene) {
    Drawn d;
    for (const SceneItem& item : scene.items) {
        if (auto* p = std::get_if<ScenePolyline>(&item))
            (p->points.size() > 2 ? d.arcs : d.lines).push_back(*p);
        if (auto* p = std::get_if<SceneDisc>(&item)) d.discs.push_back(*p);
        if (auto* p = std::get_if<SceneText>(&item)) d.texts.push_back(*p);
    }
    return d;
}

OrbitView TiltedView() {
    OrbitView view;
    view.HalfSize = 234;
    view.Tilt = Rad(50);
    view.Azimuth = Rad(20);
    view.Scale = 6;
    return view;
}

TOrbitRecord OpenRecord(double w, double e = 1.0, double q = 1.0) {
    TOrbitRecord r;
    r.e = e;
    r.q = q;
    r.w = w;
    r.O = 60;
    r.i = 40;
    r.Anomaly = Rad(20);
    return r;
}

Pixel ConicPixel(const TOrbitRecord& r, double nuDeg, const OrbitView& view) {
    const double radius = (1 + r.e) * r.q / (1 + r.e * std::cos(Rad(nuDeg)));
    return ProjectPoint(radius * std::cos(Rad(nuDeg)), 0, radius * std::sin(Rad(nuDeg)), &r,
                        BodyKind::OpenObject, view);
}

Pixel EllipsePixel(const TOrbitRecord& r, double Edeg, const OrbitView& view) {
    const double b = r.a * std::sqrt(1 - r.e * r.e);
    return ProjectPoint(r.a * std::cos(Rad(Edeg)) + (r.q - r.a), 0, b * std::sin(Rad(Edeg)), &r,
                        BodyKind::EllipticObject, view);
}

// One arc of an open orbit: colour, true anomalies of its ends [deg].
struct ExpectedArc {
    ViewColour colour;
    double from, to;
};

void ExpectOpenArcs(const Drawn& d, const TOrbitRecord& r, const OrbitView& view,
                    const std::vector<ExpectedArc>& expected) {
    ASSERT_EQ(d.arcs.size(), expected.size());
    for (size_t k = 0; k < expected.size(); ++k) {
        SCOPED_TRACE(k);
        const ScenePolyline& arc = d.arcs[k];
        EXPECT_EQ(arc.colour, expected[k].colour);
        const int n = 15 * static_cast<int>(std::lround(expected[k].to - expected[k].from));
        EXPECT_EQ(arc.points.size(), size_t(n + 1));
        const Pixel first = ConicPixel(r, expected[k].from, view),
                    last = ConicPixel(r, expected[k].to, view);
        EXPECT_LE(
            std::abs(arc.points.front().x - first.x) + std::abs(arc.points.front().y - first.y), 1);
        EXPECT_LE(std::abs(arc.points.back().x - last.x) + std::abs(arc.points.back().y - last.y),
                  1);
    }
}

Drawn DrawOne(const TOrbitRecord& r, BodyKind kind, const OrbitView& view, bool web = false) {
    OrbitScene scene;
    OrbitSceneBuilder builder(scene, view, web);
    builder.DrawOrbit(r, kind);
    return Sort(scene);
}

}  // namespace

TEST(OpenOrbit, AscendingNodeBeyond170IsDropped) {
    // w = 175°: the ascending node at ν = −175° is outside the drawn range.
    const OrbitView view = TiltedView();
    const TOrbitRecord r = OpenRecord(175);
    const Drawn d = DrawOne(r, BodyKind::OpenObject, view);
    ExpectOpenArcs(d, r, view, {{ViewColour::Aqua, -170, 5}, {ViewColour::Fuchsia, 5, 170}});
    EXPECT_TRUE(d.lines.empty()) << "no line of nodes with a node dropped";
    ASSERT_EQ(d.discs.size(), 1u);
    EXPECT_EQ(d.discs[0].colour, ViewColour::Aqua);
    EXPECT_EQ(d.discs[0].centre, ConicPixel(r, 20, view));
}

TEST(OpenOrbit, BothNodesKept) {
    const OrbitView view = TiltedView();
    const TOrbitRecord r = OpenRecord(100);
    const Drawn d = DrawOne(r, BodyKind::OpenObject, view);
    ExpectOpenArcs(d, r, view,
                   {{ViewColour::Fuchsia, -170, -100},
                    {ViewColour::Aqua, -100, 80},
                    {ViewColour::Fuchsia, 80, 170}});
    ASSERT_EQ(d.lines.size(), 1u);
    EXPECT_EQ(d.lines[0].colour, ViewColour::Aqua);
    EXPECT_EQ(d.lines[0].points[0], ConicPixel(r, -100, view));
    EXPECT_EQ(d.lines[0].points[1], ConicPixel(r, 80, view));
}

TEST(OpenOrbit, ArgumentAbove180SwapsTheColours) {
    // w = 260°: A = −80° is the descending node, B = 100° the ascending one.
    const OrbitView view = TiltedView();
    const TOrbitRecord r = OpenRecord(260);
    const Drawn d = DrawOne(r, BodyKind::OpenObject, view);
    ExpectOpenArcs(d, r, view,
                   {{ViewColour::Aqua, -170, -80},
                    {ViewColour::Fuchsia, -80, 100},
                    {ViewColour::Aqua, 100, 170}});
    EXPECT_EQ(d.lines.size(), 1u);
}

TEST(OpenOrbit, ArcThatRoundsToNothingIsNotDrawn) {
    // w = 170°: A = −170° is kept, and the arc −170° → −170° has no span.
    const OrbitView view = TiltedView();
    const TOrbitRecord r = OpenRecord(170);
    const Drawn d = DrawOne(r, BodyKind::OpenObject, view);
    ExpectOpenArcs(d, r, view, {{ViewColour::Aqua, -170, 10}, {ViewColour::Fuchsia, 10, 170}});
    EXPECT_EQ(d.lines.size(), 1u);
}

TEST(OpenOrbit, HyperbolaSkipsPointsBeyondItsAsymptotes) {
    // e = 6.1 (like 3I/ATLAS): 1 + e·cos ν ≤ 0 for |ν| ≥ 99.4°, which puts the ascending node
    // (ν = −100°) beyond an asymptote: it counts as dropped, no line of nodes to the other
    // branch, and the north arc starts at the asymptote.
    const OrbitView view = TiltedView();
    const TOrbitRecord r = OpenRecord(100, 6.1, 1.36);
    const Drawn d = DrawOne(r, BodyKind::OpenObject, view);
    EXPECT_TRUE(d.lines.empty());
    ASSERT_EQ(d.arcs.size(), 2u);
    EXPECT_EQ(d.arcs[0].colour, ViewColour::Aqua);  // the descending node (ν = 80°) kept
    EXPECT_EQ(d.arcs[1].colour, ViewColour::Fuchsia);
    EXPECT_EQ(d.arcs[0].points.back(), ConicPixel(r, 80, view));
    const double limit = Deg(std::acos(-1 / 6.1));                             // 99.43°
    const int skipped = static_cast<int>(std::floor((170 - limit) * 15)) + 1;  // per side
    EXPECT_EQ(d.arcs[0].points.size(), size_t(15 * 250 + 1 - skipped));
    EXPECT_EQ(d.arcs[1].points.size(), size_t(15 * 90 + 1 - skipped));
    for (const auto& arc : d.arcs)
        for (const Pixel& p : arc.points) EXPECT_LE(std::abs(p.x), 234 + 1000000 + 1);
}

TEST(EllipticObject, ThirtyDegrees) {
    const OrbitView view = TiltedView();
    TOrbitRecord r;
    r.a = 3;
    r.e = 0.5;
    r.q = 1.5;
    r.w = 30;
    r.O = 80;
    r.i = 12;
    r.Anomaly = Rad(200);
    const EllipseNodes n = FindEllipseNodes(r);
    ASSERT_GT(n.Asc, n.Desc);
    const Drawn d = DrawOne(r, BodyKind::EllipticObject, view);
    ASSERT_EQ(d.arcs.size(), 2u);
    // South: from E_desc up to E_asc; north: from E_asc through 360° to E_desc.
    EXPECT_EQ(d.arcs[0].colour, ViewColour::Fuchsia);
    EXPECT_EQ(d.arcs[0].points.size(), size_t(15 * std::lround(n.Asc - n.Desc) + 1));
    EXPECT_EQ(d.arcs[1].colour, ViewColour::Aqua);
    EXPECT_EQ(d.arcs[1].points.size(), size_t(15 * std::lround(n.Desc + 360 - n.Asc) + 1));
    EXPECT_EQ(d.arcs[0].points.front(), d.arcs[1].points.back());
    EXPECT_EQ(d.arcs[0].points.back(), d.arcs[1].points.front());
    ASSERT_EQ(d.discs.size(), 1u);
    EXPECT_EQ(d.discs[0].colour, ViewColour::Aqua);
    EXPECT_EQ(d.discs[0].centre, EllipsePixel(r, 200, view));
    ASSERT_EQ(d.lines.size(), 1u);
    EXPECT_EQ(d.lines[0].colour, ViewColour::Aqua);
    EXPECT_EQ(d.lines[0].points[0], EllipsePixel(r, n.Asc, view));
    EXPECT_EQ(d.lines[0].points[1], EllipsePixel(r, n.Desc, view));
}

TEST(EllipticObject, WebModeHasNoMarkerButKeepsTheLineOfNodes) {
    TOrbitRecord r;
    r.a = 3;
    r.e = 0.5;
    r.q = 1.5;
    r.w = 30;
    r.i = 12;
    const Drawn d = DrawOne(r, BodyKind::EllipticObject, TiltedView(), /*web=*/true);
    EXPECT_TRUE(d.discs.empty());
    EXPECT_EQ(d.lines.size(), 1u);
}

// ---- The whole picture ----------------------------------------------------------------

namespace {

Session SessionWithObject(double e, double w) {
    Session s;
    s.CurrentInstant = EncodeDate(2011, 1, 1) + 0.25;
    s.Orbits[kEarth].a = 1.0000002;
    s.Orbits[kEarth].e = 0.016751;
    s.Orbits[kEarth].q = (1 - 0.016751) * 1.0000002;
    const double planets[][5] = {{0.3870986, 0.20561421, 28.796761, 47.801352, 7.00679},
                                 {0.7233316, 0.00682069, 54.493527, 76.368593, 3.394552},
                                 {0, 0, 0, 0, 0},
                                 {1.5236883, 0.0933129, 285.390758, 49.319212, 1.854113},
                                 {5.202561, 0.04833475, 273.553214, 99.865881, 1.307028},
                                 {9.554747, 0.05589232, 338.439665, 113.356715, 2.489374},
                                 {19.21814, 0.0463444, 98.071581, 73.477111, 0.772464},
                                 {30.10957, 0.00899704, 276.045975, 130.681389, 1.1779242}};
    for (int p = 0; p < 8; ++p) {
        if (p == kEarth) continue;
        TOrbitRecord& r = s.Orbits[p];
        r.a = planets[p][0];
        r.e = planets[p][1];
        r.q = (1 - r.e) * r.a;
        r.w = planets[p][2];
        r.O = planets[p][3];
        r.i = planets[p][4];
    }
    TOrbitRecord& o = s.Orbits[kObject];
    o.e = e;
    o.q = 1.2;
    o.a = e < 1 ? o.q / (1 - e) : 0;
    o.w = w;
    o.O = 30;
    o.i = 20;
    s.Elements.Fecha = "20110101";
    s.ObjectName = "C/2011 X1 (Prueba)";
    return s;
}

size_t CountArcs(const Drawn& d, ViewColour colour) {
    size_t n = 0;
    for (const auto& a : d.arcs) n += a.colour == colour;
    return n;
}

}  // namespace

TEST(OrbitPicture, EccentricityOneIsOpenAndJustBelowIsElliptic) {
    OrbitSceneOptions options;
    // w = 100°: an open orbit has three arcs, an ellipse two.
    const Drawn open = Sort(BuildOrbitScene(SessionWithObject(1.0, 100), options));
    EXPECT_EQ(CountArcs(open, ViewColour::Aqua) + CountArcs(open, ViewColour::Fuchsia), 3u);
    const Drawn ellipse = Sort(BuildOrbitScene(SessionWithObject(0.999, 100), options));
    EXPECT_EQ(CountArcs(ellipse, ViewColour::Aqua) + CountArcs(ellipse, ViewColour::Fuchsia), 2u);
}

TEST(OrbitPicture, ObjectOnlyWithElementsAndAfterASuccessfulComputation) {
    OrbitSceneOptions options;
    Session s = SessionWithObject(0.5, 30);
    EXPECT_EQ(CountArcs(Sort(BuildOrbitScene(s, options)), ViewColour::Fuchsia), 1u);
    options.objectDrawable = false;
    EXPECT_EQ(CountArcs(Sort(BuildOrbitScene(s, options)), ViewColour::Fuchsia), 0u);
    options.objectDrawable = true;
    s.Elements.Fecha.clear();
    const Drawn d = Sort(BuildOrbitScene(s, options));
    EXPECT_EQ(CountArcs(d, ViewColour::Fuchsia), 0u);
    ASSERT_FALSE(d.texts.empty());
    EXPECT_EQ(d.texts[0].text, "C/2011 X1 (Prueba)") << "the title stays";
}

TEST(OrbitPicture, PlanetsSquareMarkersAndTextBand) {
    OrbitSceneOptions options;
    options.planets.fill(true);
    options.eclipticSquare = true;
    const Session s = SessionWithObject(0.5, 30);
    const OrbitScene scene = BuildOrbitScene(s, options);
    const Drawn d = Sort(scene);
    EXPECT_EQ(CountArcs(d, ViewColour::Gray), 7u);
    EXPECT_EQ(CountArcs(d, ViewColour::Red), 1u);  // the Earth
    size_t redLines = 0;
    for (const auto& l : d.lines) redLines += l.colour == ViewColour::Red;
    EXPECT_EQ(redLines, 5u);  // the equinox mark and the square's four sides
    for (const auto& a : d.arcs) {
        if (a.colour == ViewColour::Gray || a.colour == ViewColour::Red) {
            EXPECT_EQ(a.points.size(), 5401u);  // a whole orbit: 15 segments per degree
        }
    }
    // Seven planets, the Earth, the object and the Sun.
    EXPECT_EQ(d.discs.size(), 10u);
    EXPECT_EQ(d.discs.back().colour, ViewColour::Yellow);
    EXPECT_EQ(d.discs.back().centre, (Pixel{234, 234}));
    ASSERT_EQ(d.texts.size(), 2u);
    EXPECT_EQ(d.texts[0].x, 10);
    EXPECT_EQ(d.texts[0].y, 3);
    EXPECT_TRUE(d.texts[0].bold);
    EXPECT_EQ(d.texts[1].text, "01/01/2011  06:00:00");
    EXPECT_EQ(d.texts[1].y, 18);
    // The frame closes the picture.
    const auto* frame = std::get_if<ScenePolyline>(&scene.items.back());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->colour, ViewColour::Black);
    EXPECT_EQ(frame->points[2], (Pixel{429, 468}));
}

TEST(OrbitPicture, WebModeDrawsNoMarkersAndNoDateLine) {
    OrbitSceneOptions options;
    options.planets.fill(true);
    options.web = true;
    options.width = options.height = 326;
    const Drawn d = Sort(BuildOrbitScene(SessionWithObject(0.5, 30), options));
    ASSERT_EQ(d.discs.size(), 1u);  // the Sun alone
    EXPECT_EQ(d.discs[0].centre, (Pixel{163, 163}));
    ASSERT_EQ(d.texts.size(), 1u);  // the title alone
}

TEST(OrbitPicture, EarthMarkerAtItsAnomalyWithoutPerihelionRotation) {
    Session s = SessionWithObject(0.5, 30);
    s.Orbits[kEarth].w = 2.53;
    s.Orbits[kEarth].Anomaly = 0;  // before any computation: the perihelion on the +x axis
    OrbitSceneOptions options;
    options.view.Tilt = Rad(90);
    const Drawn d = Sort(BuildOrbitScene(s, options));
    const double half = 234, x = s.Orbits[kEarth].q;
    EXPECT_EQ(d.discs[0].colour, ViewColour::Red);
    EXPECT_EQ(d.discs[0].centre, (Pixel{234 + static_cast<int>(std::lrint(half * x / 4)), 234}));
}

TEST(DateLine, BothForms) {
    const Instant sixAm = EncodeDate(2011, 1, 1) + 0.25;
    EXPECT_EQ(OrbitDateLine(sixAm, RedrawMode::ViewOnly), "01.2500 01 2011");
    EXPECT_EQ(OrbitDateLine(sixAm, RedrawMode::Recompute), "01/01/2011  06:00:00");
    EXPECT_EQ(OrbitDateLine(EncodeDate(2011, 3, 15) + 0.5, RedrawMode::ViewOnly),
              "15.5000 03 2011");
}

TEST(PlanetMeanAnomaly, PolynomialFromJD2415018) {
    // JD 2415018.0 is the instant −0.5: T = 0.
    EXPECT_DOUBLE_EQ(PlanetMeanAnomaly(kToggleMercury, -0.5), 102.27938);
    // One Julian century later all three terms add, unreduced.
    EXPECT_NEAR(PlanetMeanAnomaly(kToggleNeptune, 36525 - 0.5), 37.73063 + 218.46134 + 0.00007,
                1e-9);
    EXPECT_EQ(PlanetRecordIndex(kToggleMars), kMars);
}
