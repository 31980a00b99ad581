// The orbit view in the precise model draws the osculating orbit of the integrated motion at
// the current instant: the catalog's orbit far from the planets, a changed one after a close
// pass of the Earth, with the object's marker on it; the standard model and --two-body draw
// the record of the computation as before, and the Selección page keeps the catalog's period.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "catalogs/LineFormats.h"
#include "core/Angles.h"
#include "core/Circumstances.h"
#include "core/Errors.h"
#include "core/TextForms.h"
#include "core/UnitWords.h"
#include "core/precise/PreciseModel.h"
#include "core/precise/PreciseSession.h"
#include "orbitview/OrbitScene.h"

using namespace vagaris;

namespace {

constexpr double kJdOfInstantZero = 2415018.5;

// A near-Earth object made for this test: a state 0.0006 AU (90 000 km) from the Earth on
// 2030 March 15.0 TT, moving 5 km/s away from it (0.8 along the Sun–Earth line, 0.6 towards the
// ecliptic pole), integrated back 30 days by the perturbed model and written as its osculating
// elements at 2030 February 13.0 in the minor-planet layout. After the pass its osculating
// semi-major axis is 0.965 AU instead of 1.086.
const char* const kCloseEarthPass =
    "(Prueba) Paso cercano de la Tierra             2030 02 13.0  20.9223  1.08632  0.143849 "
    "299.0500 174.3705   4.3671 20.00   0.15";
const Instant kPassEpoch = 2462545.5 - kJdOfInstantZero;  // 2030 February 13.0

enum class Model { Standard, TwoBody, Perturbed };

Session SessionFor(const std::string& line, Model model) {
    Session s;
    FillPlanetRecords(s);
    s.Elements = ParseMinorPlanetLine(line);
    s.settings.Model = model == Model::Standard ? kStandardModelText : kPreciseModelText;
    s.settings.TwoBodyPlace = model == Model::TwoBody;
    return s;
}

// The session computed at the UT instant ut, as the page and vagaris-cli orbit compute it.
Session ComputedAt(const std::string& line, Model model, Instant ut) {
    Session s = SessionFor(line, model);
    SetCurrentInstant(s, ut);
    EXPECT_TRUE(ComputeCircumstances(s, CircumstanceMode::R));
    return s;
}

OrbitSceneOptions ViewOptions(double scaleAu) {
    OrbitSceneOptions o;
    o.view.Scale = scaleAu;
    o.view.Tilt = Rad(30);
    o.view.Azimuth = Rad(20);
    return o;
}

// Every point of the object's arcs and line of nodes, and with `marker` its marker, in drawing
// order: the items between the Earth's orbit and the text band (the first fill after the
// background).
std::vector<Pixel> ObjectPixels(const OrbitScene& scene, bool marker = true) {
    std::vector<Pixel> out;
    int fills = 0;
    int polylines = 0;
    for (const SceneItem& item : scene.items) {
        if (std::holds_alternative<SceneFill>(item) && ++fills == 2) break;
        if (auto* p = std::get_if<ScenePolyline>(&item)) {
            // Skip the Earth's orbit and the equinox mark (the first two polylines).
            if (++polylines > 2) out.insert(out.end(), p->points.begin(), p->points.end());
        }
        if (auto* d = std::get_if<SceneDisc>(&item); d && marker && polylines > 2)
            out.push_back(d->centre);
    }
    return out;
}

// The largest distance between corresponding points of two equally long lists [px].
int LargestShift(const std::vector<Pixel>& a, const std::vector<Pixel>& b) {
    EXPECT_EQ(a.size(), b.size());
    int largest = 0;
    for (std::size_t k = 0; k < std::min(a.size(), b.size()); ++k)
        largest = std::max({largest, std::abs(a[k].x - b[k].x), std::abs(a[k].y - b[k].y)});
    return largest;
}

bool SameRecord(const TOrbitRecord& a, const TOrbitRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

TEST(OsculatingOrbitView, FarFromThePlanetsItIsTheCatalogOrbit) {
    // (4) Vesta 120 days after its epoch: the planets have moved its osculating orbit by far
    // less than a pixel at 2.5 AU per 234 px (0.011 AU).
    const std::string vesta =
        "(4) Vesta                                      2025 11 21.0  26.8097  2.36154  0.090168 "
        "151.5371 103.7023   7.1441  3.25   0.15";
    const Instant epoch = 2461000.5 - kJdOfInstantZero;  // 2025 November 21.0
    for (const double days : {0.0, 120.0}) {
        SCOPED_TRACE(days);
        const Session perturbed = ComputedAt(vesta, Model::Perturbed, epoch + days);
        const Session twoBody = ComputedAt(vesta, Model::TwoBody, epoch + days);
        const TOrbitRecord drawn = DrawnObjectOrbit(perturbed);
        EXPECT_NEAR(drawn.a, 2.36154, 2e-4);
        EXPECT_NEAR(drawn.e, 0.090168, 1e-4);
        const OrbitSceneOptions options = ViewOptions(2.5);
        EXPECT_LE(LargestShift(ObjectPixels(BuildOrbitScene(perturbed, options)),
                               ObjectPixels(BuildOrbitScene(twoBody, options))),
                  days == 0 ? 0 : 1);
    }
}

TEST(OsculatingOrbitView, AfterACloseEarthPassTheOrbitChanges) {
    // The fixture does pass the Earth: 0.0006 AU on day 30 (geocentric distance).
    const Session atPass = ComputedAt(kCloseEarthPass, Model::Perturbed, kPassEpoch + 30);
    EXPECT_LT(atPass.Circumstances.Delta, 0.002);

    const Session before = ComputedAt(kCloseEarthPass, Model::Perturbed, kPassEpoch + 5);
    const Session after = ComputedAt(kCloseEarthPass, Model::Perturbed, kPassEpoch + 60);
    const Session catalog = ComputedAt(kCloseEarthPass, Model::TwoBody, kPassEpoch + 60);
    // Before the pass the osculating orbit is still the catalog's; after it, a and e differ
    // by far more than the elements' rounding.
    EXPECT_NEAR(DrawnObjectOrbit(before).a, 1.08632, 0.002);
    const TOrbitRecord drawn = DrawnObjectOrbit(after);
    EXPECT_NEAR(drawn.a, 0.965, 0.01);
    EXPECT_GT(std::fabs(drawn.e - 0.143849), 0.01);
    EXPECT_GT(std::fabs(drawn.w - 299.05), 10.0);

    // The orbit itself is drawn elsewhere (the marker moved before too).
    const OrbitSceneOptions options = ViewOptions(1.5);
    const int shift = LargestShift(ObjectPixels(BuildOrbitScene(after, options), false),
                                   ObjectPixels(BuildOrbitScene(catalog, options), false));
    std::printf("after the pass the drawn orbit moves by up to %d px\n", shift);
    EXPECT_GT(shift, 5);

    // The marker stands at the integrated position (one minute after the instant, as the
    // record's anomaly): the drawn osculating conic passes through the object.
    const OrbitPosition p = PreciseHeliocentric(ReadElements(after.Elements),
                                                PreciseTimeOf(after.CurrentInstant).tt + kMinute);
    const double eps = Rad(84381.448 / 3600);
    const double y = p.y * std::cos(eps) + p.z * std::sin(eps);
    const double z = -p.y * std::sin(eps) + p.z * std::cos(eps);
    OrbitView view = options.view;
    view.HalfSize = HalfSizeForHeight(options.height);
    const Pixel expected = ProjectPoint(p.x, y, z, nullptr, BodyKind::Planet, view);
    int discs = 0;
    for (const SceneItem& item : BuildOrbitScene(after, options).items)
        if (auto* d = std::get_if<SceneDisc>(&item); d && d->colour == ViewColour::Aqua) {
            ++discs;
            EXPECT_LE(std::abs(d->centre.x - expected.x) + std::abs(d->centre.y - expected.y), 1);
        }
    EXPECT_EQ(discs, 1);
}

TEST(OsculatingOrbitView, StandardAndTwoBodyDrawTheComputationsRecord) {
    for (const Model model : {Model::Standard, Model::TwoBody}) {
        const Session s = ComputedAt(kCloseEarthPass, model, kPassEpoch + 60);
        EXPECT_TRUE(SameRecord(DrawnObjectOrbit(s), s.Orbits[kObject]));
        // Even a record the computation did not write (the scene tests' hand-made ones).
        Session handMade = s;
        handMade.Orbits[kObject].a = 7.5;
        handMade.Orbits[kObject].Anomaly = 1.25;
        EXPECT_TRUE(SameRecord(DrawnObjectOrbit(handMade), handMade.Orbits[kObject]));
    }
}

TEST(OsculatingOrbitView, SeleccionKeepsTheCatalogsPeriod) {
    // The record the computation writes, which the Selección page's period reads, holds the
    // catalog's elements in every model; only the drawing sees the osculating orbit.
    const Session perturbed = ComputedAt(kCloseEarthPass, Model::Perturbed, kPassEpoch + 60);
    const Session twoBody = ComputedAt(kCloseEarthPass, Model::TwoBody, kPassEpoch + 60);
    EXPECT_EQ(perturbed.Orbits[kObject].a, 1.08632);
    EXPECT_EQ(perturbed.Orbits[kObject].e, 0.143849);
    const UnitWords words;
    auto period = [&](const Session& s) {
        for (const QuantityText& q : SelectionPageTexts(s, words).values)
            if (q.quantity == SelectionQuantity::Period) return q.text;
        return std::string("none");
    };
    EXPECT_EQ(period(perturbed), period(twoBody));
    EXPECT_EQ(period(perturbed),
              "P:   " + FormatNumber("0.000", std::pow(1.08632, 1.5)) + " " + words.years);
}

TEST(OsculatingOrbitView, AnInstantBeyondTheModelsYearsDrawsNoObject) {
    // The scene never throws: an instant the precise model refuses leaves the object out, as
    // a failed computation does.
    Session s = ComputedAt(kCloseEarthPass, Model::Perturbed, kPassEpoch + 60);
    const std::size_t withObject = BuildOrbitScene(s, ViewOptions(4)).items.size();
    s.CurrentInstant = 1200 * 365.25;  // [days from 1899 December 30] in the year 3100
    EXPECT_THROW(DrawnObjectOrbit(s), EConvertError);
    const OrbitScene scene = BuildOrbitScene(s, ViewOptions(4));
    EXPECT_LT(scene.items.size(), withObject);
    EXPECT_TRUE(ObjectPixels(scene).empty());
}
