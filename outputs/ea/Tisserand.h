#pragma once
// The e/a diagram's numbers: one orbit's point (a, e) and its Tisserand parameter with
// respect to Jupiter, and the label text that states them. Values are held in single
// precision, as the diagram and the calculator show them (two decimals).
#include <array>
#include <optional>
#include <string>

#include "core/ElementRecord.h"

namespace vagaris {

inline constexpr float kJupiterSemiMajorAxisAU = 5.20256f;

// One plotted orbit.
struct EaPoint {
    float a = 0;              // semi-major axis [AU], negative for e > 1
    float e = 0;              // eccentricity after the near-parabolic nudge
    float iDeg = 0;           // inclination [deg]
    std::optional<float> tj;  // empty where Tj is undefined (a = 0, or (1 − e²)·a < 0)
};

// e within 1e-5 of 1 becomes 1.00001 (held in single precision: 1.0000100136).
float NudgeNearParabolic(float e);

// Tj = aJ/a + 2·cos(i)·√((1 − e²)·a/aJ), in single precision; empty when undefined.
std::optional<float> TisserandJupiter(float a, float e, float iDeg);

// The selected object's point from its element texts: e (nudged first), a from the a text,
// or q/(1 − e) when the a text is empty, and i. Empty when the a and q texts are both empty
// (no object chosen). Throws EConvertError for a text that does not convert, and
// "Elementos orbitales no válidos" for a comet line with extra numbers.
std::optional<EaPoint> EaPointFromElements(const TOrbitalElements& el);

// The calculator's point from its three texts (e, a [AU], i [deg]). Throws EConvertError.
EaPoint EaPointFromTyped(const std::string& eText, const std::string& aText,
                         const std::string& iText);

// name + "     a: " + a + "     e: " + e + "     Tj: " + Tj, each with two decimals;
// "     Tj: ---" where Tj is undefined.
std::string EaLabel(const std::string& name, const EaPoint& point);

// The seven fixed outline segments of the diagram, in (a [AU], e) coordinates: a slanted
// boundary and two boxes on the a axis.
struct EaSegment {
    double a0, e0, a1, e1;
};
inline constexpr std::array<EaSegment, 7> kEaOutline{{
    {4.3, 0.0, 1.7, 1.0},
    {5.02, 0.0, 5.02, 0.25},
    {5.02, 0.25, 5.4, 0.25},
    {5.4, 0.25, 5.4, 0.0},
    {3.9, 0.0, 3.9, 0.4},
    {3.9, 0.4, 4.03, 0.4},
    {4.03, 0.4, 4.03, 0.0},
}};

// Fixed axes of the diagram.
inline constexpr double kEaAxisAMax = 10.0;  // a from 0, a label every 1 [AU]
inline constexpr double kEaAxisEMax = 1.0;   // e from 0, a label every 0.1

}  // namespace vagaris
