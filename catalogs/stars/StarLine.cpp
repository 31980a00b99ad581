#include "catalogs/stars/StarLine.h"

#include <algorithm>

#include "catalogs/stars/SkyDataFile.h"
#include "core/Angles.h"

namespace vagaris::stars {
namespace {

std::optional<int> TwoDigits(std::string_view s) {
    if (s.size() != 2 || s[0] < '0' || s[0] > '9' || s[1] < '0' || s[1] > '9') return std::nullopt;
    return (s[0] - '0') * 10 + (s[1] - '0');
}

// "hhmmss.ss" or "ddmmss.s" (no sign): the value in hours or degrees, below 24 h or at most 90°.
std::optional<double> Sexagesimal(std::string_view s, bool hours) {
    if (s.size() < 7) return std::nullopt;
    const auto whole = TwoDigits(s.substr(0, 2));
    const auto minutes = TwoDigits(s.substr(2, 2));
    if (!whole || !minutes || s[4] < '0' || s[4] > '9') return std::nullopt;
    const auto seconds = FieldNumber(s.substr(4));
    // A dozen places of the file round their seconds up to "60.00" without carrying them.
    if (!seconds || *minutes >= 60 || *seconds < 0 || *seconds > 60) return std::nullopt;
    const double value = *whole + *minutes / 60.0 + *seconds / 3600.0;
    if (hours ? value >= 24 : value > 90) return std::nullopt;
    return value;
}

}  // namespace

std::optional<Star> ParseStarLine(std::string_view line) {
    if (line.size() < 56 || line[9] != ' ' || line[19] != ' ' || line[45] != ' ')
        return std::nullopt;
    const char sign = line[10];
    if (sign != '+' && sign != '-') return std::nullopt;
    const auto raHours = Sexagesimal(line.substr(0, 9), true);
    const auto decDegrees = Sexagesimal(line.substr(11, 8), false);
    const auto pmRa = FieldNumber(line.substr(20, 9));
    const auto pmDec = FieldNumber(line.substr(29, 9));
    const auto parallax = FieldNumber(line.substr(38, 7));
    const auto magnitude = FieldNumber(line.substr(46, 5));
    const auto colour = FieldNumber(line.substr(51, 5));
    if (!raHours || !decDegrees || !pmRa || !pmDec || !parallax || !magnitude || !colour)
        return std::nullopt;

    Star star;
    star.ra = Rad(*raHours * 15.0);
    star.dec = Rad(sign == '-' ? -*decDegrees : *decDegrees);
    star.pmRaCosDec = *pmRa;
    star.pmDec = *pmDec;
    star.parallax = *parallax;
    star.magnitude = *magnitude;
    star.colourBV = *colour;
    const std::size_t comma = line.find(',', 56);
    star.spectralType =
        std::string(TrimView(line.substr(56, std::min<std::size_t>(2, comma - 56))));
    if (comma != std::string_view::npos) {
        const std::string_view names = line.substr(comma + 1);
        const std::size_t second = names.find(',');
        star.designation = std::string(TrimView(names.substr(0, second)));
        if (second != std::string_view::npos)
            star.properName = std::string(TrimView(names.substr(second + 1)));
    }
    return star;
}

}  // namespace vagaris::stars
