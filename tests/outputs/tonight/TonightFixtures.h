#pragma once
// Shared by the tonight tests: the five sample catalogs, fast close NEOs made to pass the
// Earth on a chosen night, and a file helper.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalogs/CatalogInfo.h"
#include "core/Angles.h"
#include "core/Sun.h"
#include "core/Time.h"
#include "outputs/tonight/TonightRanking.h"

namespace vagaris::test {

inline std::vector<tonight::Source> FiveSampleCatalogs() {
    std::vector<tonight::Source> sources;
    for (const auto& c : kCatalogs)
        sources.push_back(
            {std::string(VAGARIS_SAMPLES_DIR) + "/" + c.fileName, tonight::Source::Kind::Catalog});
    return sources;
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A minor-planet catalog line (fixed columns: Name 1-40, Fecha 48-59, M 61-68, a 69-77,
// e 80-87, w 89-96, O 98-105, i 107-114, H 116-120, G 122-127).
inline std::string MinorPlanetLine(const std::string& name, const std::string& fecha, double M,
                                   double a, double e, double w, double O, double i, double H) {
    char buf[200];
    std::snprintf(buf, sizeof buf,
                  "%-40s       %-12s %8.4f%9.5f  %8.6f %8.4f %8.4f %8.4f %5.2f  %5.2f",
                  name.c_str(), fecha.c_str(), M, a, e, w, O, i, H, 0.15);
    return buf;
}

// NEOs at perihelion at `when`, just inside or outside the Earth's orbit in the Earth's
// direction from the Sun, so they pass `miss` AU from the Earth and cross the sky by
// degrees per hour; bright enough to be listed at various limits.
inline std::string CloseNeoCatalog(Instant when) {
    const SunPlace sun = SunPosition(when);
    const double earthLongitude = Deg(NormalizeAngle(sun.lambda + kPi));  // J2000 ecliptic
    const DateTimeFields f = DecodeInstant(when);
    char fecha[32];
    std::snprintf(fecha, sizeof fecha, "%04d %02d %02d.0", f.year, f.month, f.day);
    const Instant epoch = EncodeDate(f.year, f.month, f.day);
    std::string lines;
    const double misses[] = {0.004, -0.006, 0.01, -0.02, 0.03, 0.05, 0.08};
    const double eccentricities[] = {0.2, 0.45, 0.05, 0.6};
    const double inclinations[] = {0.4, 3.0, 12.0, 25.0};
    int n = 0;
    for (const double miss : misses)
        for (int j = 0; j < 4; ++j) {
            const double e = eccentricities[j];
            const double q = sun.R + miss;
            const double a = q / (1 - e);
            // Mean anomaly at the epoch such that the perihelion falls at `when`.
            const double nDaily = 0.985609 / (a * std::sqrt(a));  // [deg/day]
            const double M = std::fmod(360.0 + nDaily * (epoch - when), 360.0);
            const double H = 17.0 + 9.0 * std::fabs(miss) * 10 + j;  // 17 … 27
            // Node along the perihelion direction: the perihelion lies in the ecliptic.
            const double O = earthLongitude, w = 0.0;
            lines += MinorPlanetLine("(9" + std::to_string(1000 + n) + ") Cercano", fecha, M, a, e,
                                     w, O, inclinations[j], H) +
                     "\n";
            ++n;
        }
    return lines;
}

}  // namespace vagaris::test
