#include "catalogs/stars/StarField.h"

#include <algorithm>
#include <cmath>

#include "core/Angles.h"

namespace vagaris::stars {
namespace {

constexpr int kBands = 180;
constexpr double kBandHeight = kPi / kBands;

int BandOf(double dec) {
    const int band = static_cast<int>(std::floor((dec + kPi / 2) / kBandHeight));
    return std::clamp(band, 0, kBands - 1);
}

}  // namespace

StarField::StarField(const StarCatalog& catalog) : catalog_(catalog), bands_(kBands) {
    const auto& stars = catalog.Stars();
    for (std::size_t i = 0; i < stars.size(); ++i) {
        const Star& s = stars[i];
        const double cd = std::cos(s.dec);
        bands_[BandOf(s.dec)].push_back({s.ra, cd * std::cos(s.ra), cd * std::sin(s.ra),
                                         std::sin(s.dec), static_cast<float>(s.magnitude),
                                         static_cast<std::uint32_t>(i)});
    }
    for (auto& band : bands_)
        std::sort(band.begin(), band.end(),
                  [](const Entry& a, const Entry& b) { return a.ra < b.ra; });
}

// Calls f for every entry that may lie within radius of the centre.
template <typename F>
void StarField::Visit(SkyPlace centre, double radius, F&& f) const {
    radius = std::clamp(radius, 0.0, kPi);
    const double low = centre.dec - radius, high = centre.dec + radius;
    // The widest right-ascension reach of the circle, unless it covers a pole.
    bool allRa = low <= -kPi / 2 || high >= kPi / 2;
    double reach = kPi;
    if (!allRa) {
        const double s = std::sin(radius) / std::cos(centre.dec);
        if (s >= 1)
            allRa = true;
        else
            reach = std::asin(s) + 1e-9;
    }
    const double ra = NormalizeAngle(centre.ra);
    for (int b = BandOf(std::max(low, -kPi / 2)); b <= BandOf(std::min(high, kPi / 2)); ++b) {
        const auto& band = bands_[b];
        auto visitRange = [&](double from, double to) {
            auto first = std::lower_bound(band.begin(), band.end(), from,
                                          [](const Entry& e, double v) { return e.ra < v; });
            for (auto it = first; it != band.end() && it->ra <= to; ++it) f(*it);
        };
        if (allRa || reach >= kPi) {
            visitRange(-1.0, 10.0);
        } else if (ra - reach < 0) {
            visitRange(0.0, ra + reach);
            visitRange(ra - reach + kTwoPi, 10.0);
        } else if (ra + reach > kTwoPi) {
            visitRange(ra - reach, 10.0);
            visitRange(0.0, ra + reach - kTwoPi);
        } else {
            visitRange(ra - reach, ra + reach);
        }
    }
}

std::vector<std::size_t> StarField::Query(SkyPlace centre, double radius,
                                          double magnitudeLimit) const {
    const double cd = std::cos(centre.dec);
    const double cx = cd * std::cos(centre.ra), cy = cd * std::sin(centre.ra),
                 cz = std::sin(centre.dec);
    const double minDot = std::cos(std::clamp(radius, 0.0, kPi));
    std::vector<std::size_t> found;
    Visit(centre, radius, [&](const Entry& e) {
        if (e.magnitude <= magnitudeLimit && e.x * cx + e.y * cy + e.z * cz >= minDot)
            found.push_back(e.index);
    });
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<FieldStar> StarField::QueryAt(SkyPlace centre, double radius, double magnitudeLimit,
                                          double yearsFromJ2000) const {
    const double strayed = catalog_.LargestProperMotion() * kRadPerMas * std::abs(yearsFromJ2000);
    const double cd = std::cos(centre.dec);
    const double cx = cd * std::cos(centre.ra), cy = cd * std::sin(centre.ra),
                 cz = std::sin(centre.dec);
    const double minDot = std::cos(std::clamp(radius, 0.0, kPi));
    std::vector<FieldStar> found;
    for (std::size_t index : Query(centre, radius + 1.01 * strayed + 1e-12, magnitudeLimit)) {
        const SkyPlace p = PlaceAtEpoch(catalog_.Stars()[index], yearsFromJ2000);
        const double pd = std::cos(p.dec);
        if (pd * std::cos(p.ra) * cx + pd * std::sin(p.ra) * cy + std::sin(p.dec) * cz >= minDot)
            found.push_back({index, p});
    }
    return found;
}

}  // namespace vagaris::stars
