#pragma once
// The orbit view as a list of plain 2-D primitives (polylines, filled 6 × 6 discs, rectangle
// fills, text), built from the session without any drawing library, so the page, the
// pictures and the command line paint exactly the same thing.
#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "core/Session.h"
#include "orbitview/OrbitGeometry.h"

namespace vagaris {

// The view's seven colours; a picture holds no other.
enum class ViewColour : std::uint8_t { Navy, Aqua, Fuchsia, Gray, Red, Yellow, Black };
struct Rgb {
    std::uint8_t r, g, b;
};
Rgb ColourRgb(ViewColour colour);

// A 1-pixel solid polyline: the first point is a move-to, the others line-tos.
struct ScenePolyline {
    ViewColour colour;
    std::vector<Pixel> points;
};
// A filled ellipse in pen and brush of one colour with corners (centre − 3, centre + 3),
// the right and bottom corner excluded: a 6 × 6 pixel disc.
struct SceneDisc {
    ViewColour colour;
    Pixel centre;
};
// A filled rectangle, left/top included, right/bottom excluded [px].
struct SceneFill {
    ViewColour colour;
    int left, top, right, bottom;
};
// Text with its cell's top-left corner at (x, y), drawn opaque on `background`.
struct SceneText {
    ViewColour colour, background;
    int x, y;
    std::string text;  // UTF-8
    bool bold;
    int pixelSize;  // 8 points at 96 pixels per inch
};
using SceneItem = std::variant<ScenePolyline, SceneDisc, SceneFill, SceneText>;

struct OrbitScene {
    int width = 0, height = 0;
    std::vector<SceneItem> items;  // in drawing order
};

// Which date line the text band shows: RedrawOrbitView (Recompute) writes the instant as
// date and time, RedrawOrbitView (ViewOnly) as the day with four decimals.
enum class RedrawMode { Recompute, ViewOnly };

// The seven switchable planets in the order of their toggle buttons.
enum PlanetToggle {
    kToggleMercury,
    kToggleVenus,
    kToggleMars,
    kToggleJupiter,
    kToggleSaturn,
    kToggleUranus,
    kToggleNeptune,
    kPlanetToggleCount
};

struct OrbitSceneOptions {
    OrbitView view;                                  // HalfSize is recomputed from height
    int width = 430, height = 469;                   // the paint box [px]
    std::array<bool, kPlanetToggleCount> planets{};  // sbMer … sbNep down
    bool eclipticSquare = false;                     // sbPlano down
    bool web = false;                                // "Para web": no markers, no date line
    RedrawMode dateLine = RedrawMode::Recompute;
    // False after the last computation of the object failed: the view then draws without it.
    bool objectDrawable = true;
};

// The orbit record index of each toggle (Mercury … Neptune, skipping the Earth).
BodyIndex PlanetRecordIndex(PlanetToggle toggle);
// Mean anomaly [deg, not reduced] of a planet at t: M0 + n·T + c·T², T in Julian centuries
// from JD 2415018.0.
double PlanetMeanAnomaly(PlanetToggle toggle, Instant t);
// Writes every switchable planet's MeanAnomaly for t into the session's records.
void UpdatePlanetMeanAnomalies(Session& session);

// The text band's second line: "dd/mm/yyyy  hh:nn:ss" (Recompute) or the day with four
// decimals, month and year, "01.2500 01 2011" (ViewOnly).
std::string OrbitDateLine(Instant t, RedrawMode mode);

// Draws into a scene the way the view draws on its canvas: a current pen colour, arcs of
// anomaly as polylines, bodies with their markers.
class OrbitSceneBuilder {
public:
    OrbitSceneBuilder(OrbitScene& scene, const OrbitView& view, bool web);

    void SetPen(ViewColour colour) { pen_ = colour; }
    // Eccentric anomaly from → to [deg]; to < from wraps through 360°.
    void DrawEllipseArc(const TOrbitRecord& record, BodyKind kind, double from, double to);
    // True anomaly from → to [deg], no wrap; points beyond a hyperbola's asymptotes
    // (1 + e·cos ν ≤ 0) are skipped and the next point starts a new polyline.
    void DrawConicArc(const TOrbitRecord& record, BodyKind kind, double from, double to);
    // One body: its orbit, its marker (not in "Para web" mode) and, for the object, the line
    // of nodes. A planet's marker needs its MeanAnomaly; the Earth's and the object's their
    // Anomaly.
    void DrawOrbit(const TOrbitRecord& record, BodyKind kind);
    void DrawEquinoxMark();
    void DrawEclipticSquare();

private:
    void Line(ViewColour colour, Pixel from, Pixel to);
    void Marker(Pixel centre);

    OrbitScene& scene_;
    const OrbitView& view_;
    bool web_;
    ViewColour pen_ = ViewColour::Black;
};

// The whole picture for the session's state: background, planets, Earth, equinox mark,
// ecliptic square, object, text band, Sun and frame, in that order. The object's orbit is
// DrawnObjectOrbit's (core/Circumstances.h): in the precise model with the planets'
// pull the osculating orbit at the current instant, else the record of the last computation.
// Never throws.
OrbitScene BuildOrbitScene(const Session& session, const OrbitSceneOptions& options);

}  // namespace vagaris
