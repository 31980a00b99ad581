#pragma once
// The constellations' names (cnames.dat of kstars-data). The file holds one section per sky
// culture, each opened by "C <culture>"; a line is "hhmmss±ddmmss" (where the label goes,
// J2000), the IAU three-letter abbreviation (Western culture only) and the name in capitals.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogs/stars/ProperMotion.h"

namespace vagaris::stars {

struct ConstellationName {
    std::string abbreviation;  // IAU's, "CVn"; empty outside the Western culture
                               // (Serpens Caput and Serpens Cauda are both "Ser")
    std::string latinName;     // "Canes Venatici"
    SkyPlace label;            // J2000 [rad]
};

class ConstellationNames {
public:
    ConstellationNames() = default;
    // The names of one culture ("Western" for the IAU constellations).
    static ConstellationNames Load(const std::string& path, std::string_view culture = "Western");
    static ConstellationNames FromText(std::string_view text, std::string_view culture = "Western");

    bool Missing() const { return missing_; }
    const std::vector<ConstellationName>& Names() const { return names_; }
    std::size_t SkippedLines() const { return skippedLines_; }

    const ConstellationName* ByAbbreviation(std::string_view abbreviation) const;
    // The constellation of a boundary polygon's name: "Bootes" gives Boo, and both
    // "Serpens Caput" and "Serpens Cauda" give Ser. Letter case does not matter.
    const ConstellationName* ByBoundaryName(std::string_view polygonName) const;

private:
    std::vector<ConstellationName> names_;
    std::size_t skippedLines_ = 0;
    bool missing_ = true;
};

// "CANES VENATICI" → "Canes Venatici" (ASCII letters only).
std::string TitleCase(std::string_view capitals);

}  // namespace vagaris::stars
