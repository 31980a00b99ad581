#include "catalogs/stars/StarCatalog.h"

#include <algorithm>
#include <cmath>

#include "catalogs/stars/SkyDataFile.h"

namespace vagaris::stars {

std::string DefaultStarCatalogPath() { return "/usr/share/kstars/stars.dat"; }

StarCatalog StarCatalog::FromText(std::string_view text) {
    StarCatalog catalog;
    catalog.missing_ = false;
    // About 61 bytes a line.
    catalog.stars_.reserve(text.size() / 60 + 1);
    ForEachLine(text, [&](std::string_view line) {
        if (line.empty() || line.front() == '#' || TrimView(line).empty()) return;
        if (auto star = ParseStarLine(line)) {
            catalog.largestProperMotion_ =
                std::max(catalog.largestProperMotion_, std::hypot(star->pmRaCosDec, star->pmDec));
            catalog.stars_.push_back(std::move(*star));
        } else {
            ++catalog.skippedLines_;
        }
    });
    return catalog;
}

StarCatalog StarCatalog::Load(const std::string& path) {
    const auto text = ReadWholeFile(path);
    if (!text) return StarCatalog();
    return FromText(text->View());
}

const StarCatalog& SharedStarCatalog() {
    static const StarCatalog catalog = StarCatalog::Load(DefaultStarCatalogPath());
    return catalog;
}

}  // namespace vagaris::stars
