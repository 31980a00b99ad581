#pragma once
// The ten quantities a chart curve can show, their titles, file-name suffixes and the value
// each takes from the circumstances record.
#include <optional>
#include <string>
#include <vector>

#include "core/Circumstances.h"

namespace vagaris {

// Item indices of cbDato and cbDato2, in list order.
enum ChartQuantity {
    kQuantityMagnitude = 0,
    kQuantityMaxAltitude = 1,
    kQuantityEarthDistance = 2,
    kQuantitySunDistance = 3,
    kQuantitySpeed = 4,
    kQuantityRightAscension = 5,
    kQuantityDeclination = 6,
    kQuantityElongation = 7,
    kQuantityPhaseAngle = 8,
    kQuantityNone = 9,
};
inline constexpr int kChartQuantityCount = 10;

// The Sun depression for "Altura máxima": rbAstro, rbNau, rbCivil.
enum class ChartTwilight { Astronomical, Nautical, Civil };

// The depression limit [rad]: kTwilightAstronomical, kTwilightNautical or kTwilightCivil.
double TwilightLimit(ChartTwilight twilight);
// "-18°", "-12°" or "-6°".
std::string DepressionText(ChartTwilight twilight);

// The list items, "Magnitud" … "-Ninguna-".
const std::vector<std::string>& ChartQuantityItems();
// The curve title shown above its axis; empty for "-Ninguna-".
std::string ChartQuantityTitle(int item, ChartTwilight twilight);
// "_Mag", "_AltMax", …; empty for "-Ninguna-".
std::string ChartQuantitySuffix(int item);
// Names used on the command line: magnitud, altura, dtierra, dsol, vel, ar, dec, elon,
// afase, ninguna.
std::string ChartQuantityCliName(int item);
// The item of a command-line name: the Spanish names above or their English twins magnitude,
// altitude, earth-distance, sun-distance, speed, ra, dec, elongation, phase, none.
std::optional<int> ChartQuantityFromCliName(const std::string& name);

// The value plotted for the item: magnitude, degrees, AU, km/s or hours (right ascension).
// 0 for "-Ninguna-", which draws no curve.
double ChartQuantityValue(int item, const TCircumstances& c);

}  // namespace vagaris
