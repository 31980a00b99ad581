#pragma once
// One star of the star catalog and the reading of its fixed-column line:
//   cols  1-9   RA  hhmmss.ss        (J2000, epoch J2000.0)
//   cols 11-19  Dec ±ddmmss.s
//   cols 21-29  μα·cos δ [mas/yr]    cols 30-38  μδ [mas/yr]
//   cols 39-45  parallax [mas]       cols 47-51  V magnitude   cols 52-56  B−V
//   cols 57-58  spectral type, then flags; after a comma the designation ("alp CMa") and
//   after a second comma the proper name ("Sirius").
// The proper-motion unit is not written in the file's header; the stars' values match the
// Hipparcos catalogue's in mas/yr (see tests/catalogs/stars/test_star_line.cpp).
#include <optional>
#include <string>
#include <string_view>

namespace vagaris::stars {

struct Star {
    double ra = 0;          // right ascension, J2000 [rad], in [0, 2π)
    double dec = 0;         // declination, J2000 [rad]
    double pmRaCosDec = 0;  // proper motion in right ascension, times cos δ [mas/yr]
    double pmDec = 0;       // proper motion in declination [mas/yr]
    double parallax = 0;    // [mas]
    double magnitude = 0;   // V
    double colourBV = 0;    // B−V
    std::string spectralType;
    std::string designation;  // Bayer or Flamsteed, e.g. "alp CMa", "61 Cyg"; may be empty
    std::string properName;   // e.g. "Sirius"; may be empty

    // The proper name when there is one, else the designation (empty for most stars).
    const std::string& Name() const { return properName.empty() ? designation : properName; }
};

// The star of one data line, or nothing when a field does not convert.
std::optional<Star> ParseStarLine(std::string_view line);

}  // namespace vagaris::stars
