#pragma once
// Comet catalog lines in the 127-character comet layout, built from numbers, so a test can
// place a comet's nodes, perihelion and brightness exactly.
#include <cmath>
#include <cstdio>
#include <string>

#include "core/Angles.h"
#include "core/Sun.h"
#include "core/Time.h"

namespace synthetic {

struct Comet {
    std::string name = "C/2011 X1 (Prueba)";
    int tpYear = 2005, tpMonth = 1;
    double tpDay = 1.0;  // with its fraction
    double q = 1.0;      // [AU]
    double e = 0.5;
    double w = 0.0;     // [deg]
    double node = 0.0;  // Ω [deg]
    double i = 10.0;    // [deg]
    double H = 5.0;     // written with two decimals
    double G = 0.0;
};

// Columns: name 1-47, T 48-62, q 63-72, blanks 73-78, e 79-87, ω 88-96, Ω 97-105, i 106-114,
// H 115-121, G 122-127.
inline std::string Line(const Comet& c) {
    char buf[256];
    std::snprintf(
        buf, sizeof buf, "%-47.47s%04d %02d %07.4f%10.6f      %9.6f%9.4f%9.4f%9.4f%7.2f%6.1f",
        c.name.c_str(), c.tpYear, c.tpMonth, c.tpDay, c.q, c.e, c.w, c.node, c.i, c.H, c.G);
    return buf;
}

// The Earth's heliocentric longitude [deg], as the search computes it.
inline double EarthLongitudeDeg(vagaris::Instant t) {
    double L = vagaris::Deg(vagaris::SunPosition(t).lambda) + 180.0;
    if (L > 360.0) L -= 360.0;
    return L;
}

// The node [deg, 4 decimals] the Earth reaches at the instant t.
inline double NodeCrossedAt(vagaris::Instant t) {
    return std::round(EarthLongitudeDeg(t) * 1e4) / 1e4;
}

}  // namespace synthetic
