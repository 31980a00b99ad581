#pragma once
// A star's place at another epoch: its proper motion carried along a straight line in space at
// a fixed speed across the line of sight (the catalog has no radial velocities), which keeps the
// motion on its great circle near the poles and for the fastest stars.
#include "catalogs/stars/StarLine.h"

namespace vagaris::stars {

struct SkyPlace {
    double ra = 0;   // [rad], in [0, 2π)
    double dec = 0;  // [rad]
};

// The place, in the J2000 frame, at yearsFromJ2000 Julian years after epoch J2000.0.
SkyPlace PlaceAtEpoch(const Star& star, double yearsFromJ2000);

// Radians per milliarcsecond.
inline constexpr double kRadPerMas = 3.14159265358979323846 / (180.0 * 3600.0 * 1000.0);

}  // namespace vagaris::stars
