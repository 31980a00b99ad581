#include "orbitview/OrbitScene.h"

#include <cmath>
#include <exception>

#include "core/Angles.h"
#include "core/Kepler.h"
#include "core/TextForms.h"
#include "core/Time.h"
#include "core/Circumstances.h"
#include "core/precise/PreciseSession.h"

namespace vagaris {

namespace {

constexpr int kSegmentsPerDegree = 15;
constexpr int kFullOrbitSegments = 360 * kSegmentsPerDegree;
constexpr int kMarkerHalf = 3;       // [px] markers and the Sun span centre − 3 … centre + 3
constexpr int kTextBandHeight = 32;  // [px]
constexpr int kTextPixelSize = 11;   // 8 points at 96 pixels per inch
constexpr double kOpenArcLimit = 170.0;  // [deg] open orbits are drawn for |ν| ≤ 170°

// Mean-anomaly polynomials of the switchable planets [deg]: M0 + n·T + c·T².
struct MeanAnomalyTerms {
    double M0, n, c;
};
constexpr MeanAnomalyTerms kMeanAnomaly[kPlanetToggleCount] = {
    {102.27938, 149472.51529, 0.000007},  // Mercury
    {212.60322, 58517.80387, 0.001286},   // Venus
    {319.51913, 19139.85475, 0.000181},   // Mars
    {225.32833, 3034.69202, 0.000722},    // Jupiter
    {175.46622, 1221.55147, 0.000502},    // Saturn
    {72.64878, 428.37911, 0.000079},      // Uranus
    {37.73063, 218.46134, 0.00007},       // Neptune
};

// Julian centuries from JD 2415018.0 (not the 2415020.0 of the Sun's theory).
double CenturiesFromJD2415018(Instant t) { return (t + 2415018.5 - 2415018.0) / 36525.0; }

// cos and sin of the eccentric anomalies of a whole orbit (0° → 360° in 5400 steps): every
// planet and the Earth use the same 5401 angles, so they are computed once, with exactly
// the arithmetic of the general arc.
struct FullOrbitTable {
    double cosE[kFullOrbitSegments + 1];
    double sinE[kFullOrbitSegments + 1];
    FullOrbitTable() {
        const double from = 0.0, to = 360.0;
        const double step = (to - from) / kFullOrbitSegments;
        for (int j = 0; j <= kFullOrbitSegments; ++j) {
            const double E = Rad(from + j * step);
            cosE[j] = std::cos(E);
            sinE[j] = std::sin(E);
        }
    }
};
const FullOrbitTable& FullOrbit() {
    static const FullOrbitTable table;
    return table;
}

// cos and sin of the anomalies from + j·step [deg], j = 0, 1, 2, … in order: computed
// directly every kExactEvery points and by the angle-addition rotation in between, which
// keeps them within a few units of 1e-16 of the direct values at a fraction of the cost.
class AnomalySweep {
public:
    AnomalySweep(double fromDeg, double stepDeg)
        : from_(fromDeg),
          step_(stepDeg),
          cosStep_(std::cos(Rad(stepDeg))),
          sinStep_(std::sin(Rad(stepDeg))) {}
    void Next(int j, double& c, double& s) {
        if (j % kExactEvery == 0) {
            const double angle = Rad(from_ + j * step_);
            c_ = std::cos(angle);
            s_ = std::sin(angle);
        } else {
            const double c = c_ * cosStep_ - s_ * sinStep_;
            s_ = s_ * cosStep_ + c_ * sinStep_;
            c_ = c;
        }
        c = c_;
        s = s_;
    }

private:
    static constexpr int kExactEvery = 16;
    double from_, step_, cosStep_, sinStep_;
    double c_ = 1, s_ = 0;
};

// Semi-minor axis [AU].
double MinorAxis(const TOrbitRecord& r) { return r.a * std::sqrt(1.0 - r.e * r.e); }

// Point of an ellipse at eccentric anomaly E [rad], in the orbit plane with the Sun at the
// origin: (x, z) [AU].
void EllipsePoint(const TOrbitRecord& r, double E, double& x, double& z) {
    x = r.a * std::cos(E) + (r.q - r.a);
    z = MinorAxis(r) * std::sin(E);
}

// Point of a conic at the true anomaly with this cosine and sine; false beyond the
// asymptotes.
bool ConicPoint(const TOrbitRecord& r, double cosNu, double sinNu, double& x, double& z) {
    const double denominator = 1.0 + r.e * cosNu;
    if (!(denominator > 0.0)) return false;
    const double radius = (1.0 + r.e) * r.q / denominator;
    x = radius * cosNu;
    z = radius * sinNu;
    return true;
}
// The same at true anomaly nu [rad].
bool ConicPoint(const TOrbitRecord& r, double nu, double& x, double& z) {
    return ConicPoint(r, std::cos(nu), std::sin(nu), x, z);
}

}  // namespace

Rgb ColourRgb(ViewColour colour) {
    switch (colour) {
        case ViewColour::Navy: return {0, 0, 128};
        case ViewColour::Aqua: return {0, 255, 255};
        case ViewColour::Fuchsia: return {255, 0, 255};
        case ViewColour::Gray: return {128, 128, 128};
        case ViewColour::Red: return {255, 0, 0};
        case ViewColour::Yellow: return {255, 255, 0};
        case ViewColour::Black: return {0, 0, 0};
    }
    return {0, 0, 0};
}

BodyIndex PlanetRecordIndex(PlanetToggle toggle) {
    static constexpr BodyIndex kIndex[kPlanetToggleCount] = {kMercury, kVenus,  kMars,   kJupiter,
                                                             kSaturn,  kUranus, kNeptune};
    return kIndex[toggle];
}

double PlanetMeanAnomaly(PlanetToggle toggle, Instant t) {
    const double T = CenturiesFromJD2415018(t);
    const MeanAnomalyTerms& m = kMeanAnomaly[toggle];
    return m.M0 + m.n * T + m.c * T * T;
}

void UpdatePlanetMeanAnomalies(Session& session) {
    for (int p = 0; p < kPlanetToggleCount; ++p) {
        const auto toggle = static_cast<PlanetToggle>(p);
        session.Orbits[PlanetRecordIndex(toggle)].MeanAnomaly =
            PlanetMeanAnomaly(toggle, session.CurrentInstant);
    }
}

std::string OrbitDateLine(Instant t, RedrawMode mode) {
    if (mode == RedrawMode::Recompute) return FormatInstant("dd/mm/yyyy  hh:nn:ss", t);
    // The day with the time as its decimal fraction: "15.5000 03 2011".
    const std::string date = FormatInstant("dd mm yyyy", t);
    const std::string fraction = FormatNumber(".0000", t - std::floor(t));
    return date.substr(0, 2) + fraction + date.substr(2);
}

OrbitSceneBuilder::OrbitSceneBuilder(OrbitScene& scene, const OrbitView& view, bool web)
    : scene_(scene), view_(view), web_(web) {}

void OrbitSceneBuilder::DrawEllipseArc(const TOrbitRecord& record, BodyKind kind, double from,
                                       double to) {
    if (to < from) to += 360.0;
    const int n = ArcSegmentCount(to - from);
    if (n == 0) return;
    const double step = (to - from) / n;
    const OrbitProjector project(view_, &record, kind);
    const double b = MinorAxis(record);
    const double shift = record.q - record.a;
    const bool wholeOrbit = from == 0.0 && to == 360.0;
    const FullOrbitTable* table = wholeOrbit ? &FullOrbit() : nullptr;

    ScenePolyline line{pen_, {}};
    line.points.reserve(n + 1);
    AnomalySweep sweep(from, step);
    for (int j = 0; j <= n; ++j) {
        double c, s;
        if (table) {
            c = table->cosE[j];
            s = table->sinE[j];
        } else {
            sweep.Next(j, c, s);
        }
        line.points.push_back(project(record.a * c + shift, b * s));
    }
    scene_.items.emplace_back(std::move(line));
}

void OrbitSceneBuilder::DrawConicArc(const TOrbitRecord& record, BodyKind kind, double from,
                                     double to) {
    const int n = ArcSegmentCount(to - from);
    if (n == 0) return;
    const double step = (to - from) / n;
    const OrbitProjector project(view_, &record, kind);

    ScenePolyline line{pen_, {}};
    auto flush = [&] {
        if (line.points.size() >= 2) scene_.items.emplace_back(line);
        line.points.clear();
    };
    AnomalySweep sweep(from, step);
    for (int j = 0; j <= n; ++j) {
        double cosNu, sinNu, x, z;
        sweep.Next(j, cosNu, sinNu);
        if (!ConicPoint(record, cosNu, sinNu, x, z)) {
            flush();  // beyond an asymptote: the next drawn point starts with a move-to
            continue;
        }
        line.points.push_back(project(x, z));
    }
    flush();
}

void OrbitSceneBuilder::Line(ViewColour colour, Pixel from, Pixel to) {
    scene_.items.emplace_back(ScenePolyline{colour, {from, to}});
}

void OrbitSceneBuilder::Marker(Pixel centre) {
    if (!web_) scene_.items.emplace_back(SceneDisc{pen_, centre});
}

void OrbitSceneBuilder::DrawOrbit(const TOrbitRecord& record, BodyKind kind) {
    const OrbitProjector project(view_, &record, kind);

    if (kind == BodyKind::OpenObject) {
        // Node anomalies A = −w and B = 180° − w, shifted by 180° when B < 0 so that
        // A ∈ [−180°, 0°]; the shift makes A the descending node instead of the ascending.
        double w = std::fmod(record.w, 360.0);
        if (w < 0) w += 360.0;
        double A = -w, B = 180.0 - w;
        const bool shifted = B < 0;
        if (shifted) {
            A += 180.0;
            B += 180.0;
        }
        double ax = 0, az = 0, bx = 0, bz = 0;
        const bool keepA =
            A >= -kOpenArcLimit && A <= kOpenArcLimit && ConicPoint(record, Rad(A), ax, az);
        const bool keepB =
            B >= -kOpenArcLimit && B <= kOpenArcLimit && ConicPoint(record, Rad(B), bx, bz);
        // North of the ecliptic (aqua) runs from the ascending node to the descending one.
        const ViewColour north = ViewColour::Aqua, south = ViewColour::Fuchsia;
        if (keepA && keepB) {
            const ViewColour outer = shifted ? north : south;
            const ViewColour middle = shifted ? south : north;
            SetPen(outer);
            DrawConicArc(record, kind, -kOpenArcLimit, A);
            SetPen(middle);
            DrawConicArc(record, kind, A, B);
            SetPen(outer);
            DrawConicArc(record, kind, B, kOpenArcLimit);
        } else if (keepA || keepB) {
            const double N = keepA ? A : B;
            const bool ascending = keepA ? !shifted : shifted;
            SetPen(ascending ? south : north);
            DrawConicArc(record, kind, -kOpenArcLimit, N);
            SetPen(ascending ? north : south);
            DrawConicArc(record, kind, N, kOpenArcLimit);
        }
        SetPen(ViewColour::Aqua);
        double x, z;
        if (ConicPoint(record, record.Anomaly, x, z)) Marker(project(x, z));
        if (keepA && keepB) Line(ViewColour::Aqua, project(ax, az), project(bx, bz));
        return;
    }

    EllipseNodes nodes;
    switch (kind) {
        case BodyKind::Planet:
            SetPen(ViewColour::Gray);
            DrawEllipseArc(record, kind, 0.0, 360.0);
            break;
        case BodyKind::Earth:
            SetPen(ViewColour::Red);
            DrawEllipseArc(record, kind, 0.0, 360.0);
            break;
        default:  // EllipticObject: south of the ecliptic fuchsia, north aqua
            nodes = FindEllipseNodes(record);
            SetPen(ViewColour::Fuchsia);
            DrawEllipseArc(record, kind, nodes.Desc, nodes.Asc);
            SetPen(ViewColour::Aqua);
            DrawEllipseArc(record, kind, nodes.Asc, nodes.Desc);
            break;
    }

    // The planets' position comes from their mean anomaly; it serves the drawing only.
    bool hasPosition = true;
    double anomaly = record.Anomaly;
    if (kind == BodyKind::Planet) {
        try {
            anomaly = SolveKepler(Rad(record.MeanAnomaly), record.e);
        } catch (const std::exception&) {
            hasPosition = false;
        }
    }
    double x, z;
    if (hasPosition) {
        EllipsePoint(record, anomaly, x, z);
        Marker(project(x, z));
    }
    if (kind == BodyKind::EllipticObject) {
        double x1, z1, x2, z2;
        EllipsePoint(record, Rad(nodes.Asc), x1, z1);
        EllipsePoint(record, Rad(nodes.Desc), x2, z2);
        Line(pen_, project(x1, z1), project(x2, z2));
    }
}

void OrbitSceneBuilder::DrawEquinoxMark() {
    Line(ViewColour::Red, ProjectPoint(1.2, 0, 0, nullptr, BodyKind::Planet, view_),
         ProjectPoint(0.8, 0, 0, nullptr, BodyKind::Planet, view_));
}

void OrbitSceneBuilder::DrawEclipticSquare() {
    static constexpr double kCorners[5][2] = {{2, 2}, {-2, 2}, {-2, -2}, {2, -2}, {2, 2}};  // [AU]
    for (int k = 0; k < 4; ++k)
        Line(ViewColour::Red,
             ProjectPoint(kCorners[k][0], kCorners[k][1], 0, nullptr, BodyKind::Planet, view_),
             ProjectPoint(kCorners[k + 1][0], kCorners[k + 1][1], 0, nullptr, BodyKind::Planet,
                          view_));
}

OrbitScene BuildOrbitScene(const Session& session, const OrbitSceneOptions& options) {
    OrbitScene scene;
    scene.width = options.width;
    scene.height = options.height;
    OrbitView view = options.view;
    view.HalfSize = HalfSizeForHeight(options.height);

    scene.items.emplace_back(SceneFill{ViewColour::Navy, 0, 0, scene.width + 1, scene.height + 1});

    OrbitSceneBuilder builder(scene, view, options.web);
    for (int p = 0; p < kPlanetToggleCount; ++p) {
        if (!options.planets[p]) continue;
        const auto toggle = static_cast<PlanetToggle>(p);
        TOrbitRecord planet = session.Orbits[PlanetRecordIndex(toggle)];
        planet.MeanAnomaly = PlanetMeanAnomaly(toggle, session.CurrentInstant);
        builder.DrawOrbit(planet, BodyKind::Planet);
    }
    builder.DrawOrbit(session.Orbits[kEarth], BodyKind::Earth);
    builder.DrawEquinoxMark();
    if (options.eclipticSquare) builder.DrawEclipticSquare();
    if (!session.Elements.Fecha.empty() && options.objectDrawable) {
        // The catalog's orbit, or in the precise model the osculating one at the instant.
        bool drawable = true;
        TOrbitRecord object;
        try {
            object = DrawnObjectOrbit(session);
        } catch (const std::exception&) {
            // Not computable at this instant: drawn without the object, as after a failed
            // computation (whose message the computation itself gives).
            drawable = false;
        }
        if (drawable)
            builder.DrawOrbit(object,
                              object.e < 1 ? BodyKind::EllipticObject : BodyKind::OpenObject);
    }

    // Text band: the object's name and, except for the web, the date line.
    scene.items.emplace_back(SceneFill{ViewColour::Navy, 0, 0, scene.width, kTextBandHeight});
    scene.items.emplace_back(SceneText{ViewColour::Aqua, ViewColour::Navy, 10, 3,
                                       session.ObjectName, true, kTextPixelSize});
    if (!options.web) {
        std::string dateLine;
        try {
            dateLine = OrbitDateLine(session.CurrentInstant, options.dateLine);
        } catch (const std::exception&) {
            // An instant outside the calendar has no date line to show.
        }
        scene.items.emplace_back(SceneText{ViewColour::Aqua, ViewColour::Navy, 10, 18,
                                           std::move(dateLine), true, kTextPixelSize});
    }

    scene.items.emplace_back(
        SceneDisc{ViewColour::Yellow, {view.HalfSize + view.PanX, view.HalfSize + view.PanY}});

    const int right = scene.width - 1, bottom = scene.height - 1;
    scene.items.emplace_back(ScenePolyline{
        ViewColour::Black, {{0, 0}, {right, 0}, {right, bottom}, {0, bottom}, {0, 0}}});
    return scene;
}

}  // namespace vagaris
