#include "catalogs/stars/ConstellationBounds.h"

#include <erfa.h>

#include <cmath>

#include "catalogs/stars/SkyDataFile.h"
#include "core/Angles.h"

namespace vagaris::stars {
namespace {

// Rotation from the J2000 frame to the mean equator and equinox of B1875.0.
struct B1875Rotation {
    double r[3][3];
    B1875Rotation() {
        double jd1 = 0, jd2 = 0;
        eraEpb2jd(1875.0, &jd1, &jd2);
        eraPmat06(jd1, jd2, r);
    }
};

const B1875Rotation& Rotation() {
    static const B1875Rotation rotation;
    return rotation;
}

SkyPlace Rotate(SkyPlace in, bool inverse) {
    double r[3][3], p[3], q[3];
    eraCr(const_cast<double(*)[3]>(Rotation().r), r);
    eraS2c(in.ra, in.dec, p);
    if (inverse)
        eraTrxp(r, p, q);
    else
        eraRxp(r, p, q);
    SkyPlace out;
    eraC2s(q, &out.ra, &out.dec);
    out.ra = eraAnp(out.ra);
    return out;
}

// Closest value to `near` of x + 24k.
double HoursNear(double x, double near) { return x + 24.0 * std::round((near - x) / 24.0); }

// Even-odd rule in the (RA, Dec) plane.
bool Inside(const std::vector<BoundaryVertex>& poly, double ra, double dec) {
    bool inside = false;
    for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
        const BoundaryVertex& a = poly[i];
        const BoundaryVertex& b = poly[j];
        if ((a.decDegrees > dec) != (b.decDegrees > dec)) {
            const double raCross = a.raHours + (dec - a.decDegrees) * (b.raHours - a.raHours) /
                                                   (b.decDegrees - a.decDegrees);
            if (ra < raCross) inside = !inside;
        }
    }
    return inside;
}

}  // namespace

std::string DefaultSkyDataPath(std::string_view fileName) {
    return "/usr/share/kstars/" + std::string(fileName);
}

SkyPlace PrecessJ2000ToB1875(SkyPlace j2000) { return Rotate(j2000, false); }
SkyPlace PrecessB1875ToJ2000(SkyPlace b1875) { return Rotate(b1875, true); }

ConstellationBounds ConstellationBounds::FromText(std::string_view text) {
    ConstellationBounds bounds;
    bounds.missing_ = false;
    double previousFileRa = 0;  // the file's J2000 hours of the previous vertex
    ForEachLine(text, [&](std::string_view line) {
        const std::string_view trimmed = TrimView(line);
        if (trimmed.empty() || trimmed.front() == '#') return;
        if (trimmed.front() == ':') {
            bounds.polygons_.push_back({std::string(TrimView(trimmed.substr(1))), {}});
            return;
        }
        const auto words = Words(trimmed);
        const auto ra = words.size() >= 2 ? FieldNumber(words[0]) : std::nullopt;
        const auto dec = words.size() >= 2 ? FieldNumber(words[1]) : std::nullopt;
        if (!ra || !dec || bounds.polygons_.empty() || std::abs(*dec) > 90 || std::abs(*ra) > 48) {
            ++bounds.skippedLines_;
            return;
        }
        auto& vertices = bounds.polygons_.back().b1875;
        BoundaryVertex v;
        if (std::abs(*dec) == 90) {
            // A pole closes a cap: it keeps the hour it is reached at (and the step of the file's
            // hours between the two pole vertices), at the B1875 pole.
            v.raHours = vertices.empty() ? *ra : vertices.back().raHours + (*ra - previousFileRa);
            v.decDegrees = *dec;
        } else {
            const SkyPlace p = PrecessJ2000ToB1875({Rad(*ra * 15.0), Rad(*dec)});
            const double hours = Deg(p.ra) / 15.0;
            // Follow the file's own run of hours so that the polygon stays in one piece.
            const double near =
                vertices.empty() ? *ra : vertices.back().raHours + (*ra - previousFileRa);
            v.raHours = HoursNear(hours, near);
            v.decDegrees = Deg(p.dec);
        }
        vertices.push_back(v);
        previousFileRa = *ra;
    });
    return bounds;
}

ConstellationBounds ConstellationBounds::Load(const std::string& path) {
    const auto text = ReadWholeFile(path);
    if (!text) return ConstellationBounds();
    return FromText(text->View());
}

const BoundaryPolygon* ConstellationBounds::PolygonAt(SkyPlace j2000) const {
    const SkyPlace p = PrecessJ2000ToB1875(j2000);
    const double ra = Deg(p.ra) / 15.0;
    const double dec = Deg(p.dec);
    for (const auto& polygon : polygons_) {
        if (polygon.b1875.size() < 3) continue;
        for (double candidate : {ra, ra - 24.0, ra + 24.0})
            if (Inside(polygon.b1875, candidate, dec)) return &polygon;
    }
    return nullptr;
}

}  // namespace vagaris::stars
