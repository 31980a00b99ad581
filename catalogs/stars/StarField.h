#pragma once
// The stars of a chart's field, found through an index rather than a scan of the catalog:
// declination bands one degree high, each sorted by right ascension. A query visits the bands
// the circle crosses and, in each, only the right-ascension window the circle can reach.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "catalogs/stars/ProperMotion.h"
#include "catalogs/stars/StarCatalog.h"

namespace vagaris::stars {

struct FieldStar {
    std::size_t index = 0;  // into StarCatalog::Stars()
    SkyPlace place;         // at the epoch asked for
};

class StarField {
public:
    // Keeps a reference: the catalog must outlive the field.
    explicit StarField(const StarCatalog& catalog);

    // Indices (ascending) of the stars whose J2000.0 place lies within radius [rad] of the
    // centre (J2000 [rad]) and whose magnitude is no fainter than magnitudeLimit.
    std::vector<std::size_t> Query(SkyPlace centre, double radius, double magnitudeLimit) const;

    // The same with each star moved by its proper motion to yearsFromJ2000 (Julian years
    // after J2000.0), the circle being tested on the moved places. Ascending indices.
    std::vector<FieldStar> QueryAt(SkyPlace centre, double radius, double magnitudeLimit,
                                   double yearsFromJ2000) const;

private:
    struct Entry {
        double ra;
        double x, y, z;  // unit vector
        float magnitude;
        std::uint32_t index;
    };
    template <typename F>
    void Visit(SkyPlace centre, double radius, F&& f) const;

    const StarCatalog& catalog_;
    std::vector<std::vector<Entry>> bands_;
};

}  // namespace vagaris::stars
