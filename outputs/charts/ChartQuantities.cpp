#include "outputs/charts/ChartQuantities.h"

#include <array>
#include <stdexcept>

#include "core/Angles.h"

namespace vagaris {

namespace {

void CheckItem(int item) {
    if (item < 0 || item >= kChartQuantityCount)
        throw std::out_of_range("chart quantity item out of range");
}

constexpr std::array<const char*, kChartQuantityCount> kTitles = {
    "Magnitud",       "",     "Dist. Tierra UA", "Dist. Sol UA",
    "Vel. km/s",      "A.R.", "Declinación",     "Elongación",
    "Angulo de fase", ""};

constexpr std::array<const char*, kChartQuantityCount> kSuffixes = {
    "_Mag", "_AltMax", "_DTierra", "_DSol", "_Vel", "_Ar", "_Dec", "_Elon", "_Afase", ""};

constexpr std::array<const char*, kChartQuantityCount> kCliNames = {
    "magnitud", "altura", "dtierra", "dsol", "vel", "ar", "dec", "elon", "afase", "ninguna"};
// The same keywords in English, accepted as well (the Spanish ones stay the names written).
constexpr std::array<const char*, kChartQuantityCount> kEnglishCliNames = {
    "magnitude", "altitude", "earth-distance", "sun-distance", "speed",
    "ra",        "dec",      "elongation",     "phase",        "none"};

}  // namespace

double TwilightLimit(ChartTwilight twilight) {
    switch (twilight) {
        case ChartTwilight::Nautical: return kTwilightNautical;
        case ChartTwilight::Civil: return kTwilightCivil;
        case ChartTwilight::Astronomical: break;
    }
    return kTwilightAstronomical;
}

std::string DepressionText(ChartTwilight twilight) {
    switch (twilight) {
        case ChartTwilight::Nautical: return "-12°";
        case ChartTwilight::Civil: return "-6°";
        case ChartTwilight::Astronomical: break;
    }
    return "-18°";
}

const std::vector<std::string>& ChartQuantityItems() {
    static const std::vector<std::string> items = {
        "Magnitud",       "Altura máxima",   "Distancia a la Tierra", "Distancia al Sol",
        "Velocidad",      "Ascensión recta", "Declinación",           "Elongación",
        "Angulo de fase", "-Ninguna-"};
    return items;
}

std::string ChartQuantityTitle(int item, ChartTwilight twilight) {
    CheckItem(item);
    if (item == kQuantityMaxAltitude) return "Alt. máx. (Sol a " + DepressionText(twilight) + ")";
    return kTitles[item];
}

std::string ChartQuantitySuffix(int item) {
    CheckItem(item);
    return kSuffixes[item];
}

std::string ChartQuantityCliName(int item) {
    CheckItem(item);
    return kCliNames[item];
}

std::optional<int> ChartQuantityFromCliName(const std::string& name) {
    for (int i = 0; i < kChartQuantityCount; ++i)
        if (name == kCliNames[i] || name == kEnglishCliNames[i]) return i;
    return std::nullopt;
}

double ChartQuantityValue(int item, const TCircumstances& c) {
    switch (item) {
        case kQuantityMagnitude: return c.Magnitude;
        case kQuantityMaxAltitude: return Deg(c.MaxAltitude);
        case kQuantityEarthDistance: return c.Delta;
        case kQuantitySunDistance: return c.SunDistance;
        case kQuantitySpeed: return c.Speed;
        case kQuantityRightAscension: return Deg(c.RightAscension) / 15.0;
        case kQuantityDeclination: return Deg(c.Declination);
        case kQuantityElongation: return Deg(c.Elongation);
        case kQuantityPhaseAngle: return Deg(c.PhaseAngle);
        case kQuantityNone: return 0;
    }
    CheckItem(item);
    return 0;
}

}  // namespace vagaris
