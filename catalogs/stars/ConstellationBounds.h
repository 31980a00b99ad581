#pragma once
// The constellation a place lies in, from the IAU boundaries (cbounds.dat of kstars-data).
//
// The boundaries are arcs of constant right ascension and declination for the equinox B1875.
// The file lists each constellation as ":Name" and then its vertices, one a line:
// "RA[h] Dec[°] flag", already precessed to J2000 and closely spaced along the edges (a polygon
// crossing 0h runs on with negative hours; the polar caps close through (0h, ±90°) and
// (24h, ±90°)). The vertices are carried back to B1875, where the edges are again straight in
// right ascension and declination, and a J2000 place is precessed to B1875 before it is tested.
#include <string>
#include <string_view>
#include <vector>

#include "catalogs/stars/ProperMotion.h"

namespace vagaris::stars {

// /usr/share/kstars/<fileName>
std::string DefaultSkyDataPath(std::string_view fileName);

// The place of the equator and equinox J2000 referred to the mean equator and equinox B1875
// (IAU 2006 precession).
SkyPlace PrecessJ2000ToB1875(SkyPlace j2000);
SkyPlace PrecessB1875ToJ2000(SkyPlace b1875);

struct BoundaryVertex {
    double raHours = 0;  // B1875, unwrapped along the polygon (may leave [0, 24))
    double decDegrees = 0;
};

struct BoundaryPolygon {
    std::string name;  // as written in the file, e.g. "Serpens Caput"
    std::vector<BoundaryVertex> b1875;
};

class ConstellationBounds {
public:
    ConstellationBounds() = default;
    static ConstellationBounds Load(const std::string& path);
    static ConstellationBounds FromText(std::string_view text);

    bool Missing() const { return missing_; }
    const std::vector<BoundaryPolygon>& Polygons() const { return polygons_; }
    std::size_t SkippedLines() const { return skippedLines_; }

    // The polygon containing the J2000 place, or nullptr (no file, or a gap in it).
    const BoundaryPolygon* PolygonAt(SkyPlace j2000) const;

private:
    std::vector<BoundaryPolygon> polygons_;
    std::size_t skippedLines_ = 0;
    bool missing_ = true;
};

}  // namespace vagaris::stars
