#pragma once
// The star catalog (stars.dat of Debian's kstars-data package): about 126,000 stars to
// magnitude 9, positions J2000 at epoch J2000.0. A missing file is no error: the catalog is
// empty and says so, and the chart tells the user to install kstars-data.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "catalogs/stars/StarLine.h"

namespace vagaris::stars {

// /usr/share/kstars/stars.dat
std::string DefaultStarCatalogPath();

class StarCatalog {
public:
    StarCatalog() = default;
    // Reads the file; lines starting with '#' and blank lines are not stars, a line that
    // does not convert is skipped and counted.
    static StarCatalog Load(const std::string& path);
    // The same from the file's text (for tests and for callers that already hold it).
    static StarCatalog FromText(std::string_view text);

    // True when the file could not be read.
    bool Missing() const { return missing_; }
    const std::vector<Star>& Stars() const { return stars_; }
    std::size_t SkippedLines() const { return skippedLines_; }
    // The largest total proper motion of any star [mas/yr] (bounds how far a star strays).
    double LargestProperMotion() const { return largestProperMotion_; }

private:
    std::vector<Star> stars_;
    std::size_t skippedLines_ = 0;
    double largestProperMotion_ = 0;
    bool missing_ = true;
};

// The catalog of DefaultStarCatalogPath(), loaded once per process on first use (thread-safe).
const StarCatalog& SharedStarCatalog();

}  // namespace vagaris::stars
