// The precise model against independent references: PyEphem (Debian's python3-ephem) and an
// independent double-precision recomputation, both stored by tests/core/precise/
// make_reference.py for every object of the five sample catalogs at a date within a year of
// its epoch or perihelion; the near-parabolic propagator against the program's own branches;
// ΔT against observed values.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "catalogs/LineFormats.h"
#include "core/Angles.h"
#include "core/Kepler.h"
#include "core/precise/DeltaT.h"
#include "core/precise/NearParabolic.h"
#include "core/precise/PreciseModel.h"
#include "support/ConversionError.h"

using namespace vagaris;

namespace {

constexpr double kArcsecPerRad = 206264.80624709636;
constexpr double kKmPerAu = 149597870.7;

// Tolerances, in the units an observer reads.
constexpr double kIndependentArcsec = 0.01;  // same physics, other code: rounding-level
constexpr double kPyEphemArcsec = 2.0;
// PyEphem's geocentre comes from its own Earth theory, which drops the Earth's ecliptic
// latitude; against eraEpv00 it is off by up to some 700 km, which a close object turns into
// more than 2": the bound for an object at Δ AU is the larger of 2" and 700 km seen at Δ.
constexpr double kPyEphemGeocentreKm = 700.0;
constexpr double kMagnitudeTolerance = 0.0101;  // PyEphem rounds magnitudes to 0.01

double SeparationArcsec(double ra1, double dec1, double ra2, double dec2) {
    const double s = std::pow(std::sin((dec2 - dec1) / 2), 2) +
                     std::cos(dec1) * std::cos(dec2) * std::pow(std::sin((ra2 - ra1) / 2), 2);
    return 2 * std::asin(std::sqrt(s)) * kArcsecPerRad;
}

double PyEphemToleranceArcsec(double delta) {
    return std::max(kPyEphemArcsec, kPyEphemGeocentreKm / (delta * kKmPerAu) * kArcsecPerRad);
}

// PyEphem faults found by this comparison, each confirmed by two independent solutions.
struct KnownFault {
    const char* name;
    const char* why;
};
const KnownFault kPyEphemFaults[] = {
    {"C/2020 P4-C (SOHO)",
     "PyEphem's hyperbolic solution (e = 1.0132) puts it at r = 2.570 AU 112 days before "
     "perihelion where e sinh H − H = M gives 2.5658 AU: 79\" off"},
};
const KnownFault* FaultOf(const std::string& name) {
    for (const auto& f : kPyEphemFaults)
        if (name == f.name) return &f;
    return nullptr;
}

// PyEphem holds the inclination, node, perihelion argument, semi-major axis, mean anomaly
// and perihelion distance in single precision; computing with the same rounded values
// compares the models rather than the storage (it matters for slow, very eccentric orbits:
// 2016 FL59 moves 2.5" with the rounding of its mean anomaly).
TElementValues AsPyEphemHolds(TElementValues v) {
    for (double* x : {&v.i, &v.O, &v.w, &v.a, &v.M0, &v.q}) *x = static_cast<float>(*x);
    return v;
}

struct Samples {
    std::map<char, std::vector<std::string>> lines;
    Samples() {
        const std::pair<char, const char*> files[] = {{'B', "BrightMinorPlanetsCR.dat"},
                                                      {'C', "CometsCR.dat"},
                                                      {'L', "CriticalListCR.dat"},
                                                      {'D', "DistantObjectsCR.dat"},
                                                      {'N', "NeosAndUnusualCR.dat"}};
        for (const auto& [code, file] : files)
            lines[code] = ReadCatalogLines(std::string(VAGARIS_SAMPLES_DIR) + "/" + file);
    }
    TOrbitalElements Elements(char code, int index) const {
        const std::string& line = lines.at(code).at(index);
        return code == 'C' ? ParseCometLine(line) : ParseMinorPlanetLine(line);
    }
};

struct Stats {
    std::vector<double> values;
    double Median() {
        std::sort(values.begin(), values.end());
        return values.empty() ? 0 : values[values.size() / 2];
    }
    double Max() const {
        return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
    }
};

std::vector<std::string> ReferenceLines(char kind) {
    std::ifstream in(std::string(VAGARIS_SOURCE_DIR) + "/tests/core/precise/pyephem_reference.txt");
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] == kind) out.push_back(line);
    return out;
}

const std::map<std::string, ObserverSite> kSites = {
    {"madrid", {Rad(40.4), Rad(-3.7), 650}},
    {"maunakea", {Rad(19.82), Rad(-155.47), 4205}},
    {"sidingspring", {Rad(-31.27), Rad(149.06), 1165}},
    {"tromso", {Rad(69.6), Rad(18.9), 0}},
    {"quito", {Rad(-0.2), Rad(-78.5), 2850}}};

}  // namespace

TEST(PreciseModelReference, GeocentricAstrometricPlacesAndMagnitudes) {
    const Samples samples;
    const auto refs = ReferenceLines('G');
    // Every non-empty line of the five samples: 92 + 955 + 83 + 237 + 337.
    ASSERT_EQ(refs.size(), 1704u);
    Stats vsPyEphem, vsIndependent, magnitude;
    int faults = 0;
    for (const std::string& ref : refs) {
        std::istringstream in(ref);
        char kind, code;
        int index;
        double ut, deltaT, ra, dec, distance, mag, indRa, indDec;
        in >> kind >> code >> index >> ut >> deltaT >> ra >> dec >> distance >> mag >> indRa >>
            indDec;
        ASSERT_FALSE(in.fail()) << ref;
        const TOrbitalElements el = samples.Elements(code, index);
        const TElementValues v = PreciseElementValues(el);
        // PyEphem's own ΔT, so that both compute at the same TT.
        const PreciseFrame frame = MakePreciseFrame({ut, ut + deltaT / 86400}, ObserverSite{});
        const PrecisePlace p = AstrometricPlace(v, frame, PlaceCentre::Geocentre);

        const double independent = SeparationArcsec(p.ra, p.dec, indRa, indDec);
        vsIndependent.values.push_back(independent);
        EXPECT_LT(independent, kIndependentArcsec) << el.Name;

        const PrecisePlace q = AstrometricPlace(AsPyEphemHolds(v), frame, PlaceCentre::Geocentre);
        const double sep = SeparationArcsec(q.ra, q.dec, ra, dec);
        const double dmag = PreciseMagnitude(v, p) - mag;
        if (const KnownFault* f = FaultOf(el.Name)) {
            ++faults;
            std::printf("PyEphem fault, not compared: %s: %s\n", f->name, f->why);
            continue;
        }
        vsPyEphem.values.push_back(sep);
        magnitude.values.push_back(std::fabs(dmag));
        EXPECT_LT(sep, PyEphemToleranceArcsec(p.delta)) << el.Name << " Δ " << p.delta;
        EXPECT_LT(std::fabs(dmag), kMagnitudeTolerance) << el.Name;
    }
    EXPECT_EQ(faults, 1);
    std::printf(
        "astrometric geocentric, %zu objects: vs PyEphem median %.3f\" max %.3f\"; "
        "vs independent median %.5f\" max %.5f\"; |Δmag| vs PyEphem max %.3f\n",
        vsPyEphem.values.size(), vsPyEphem.Median(), vsPyEphem.Max(), vsIndependent.Median(),
        vsIndependent.Max(), magnitude.Max());
}

TEST(PreciseModelReference, TopocentricApparentPlacesAndAltitudes) {
    const Samples samples;
    const auto refs = ReferenceLines('T');
    ASSERT_EQ(refs.size(), 213u);
    Stats radec, altaz;
    for (const std::string& ref : refs) {
        std::istringstream in(ref);
        char kind, code;
        int index;
        double ut, deltaT, ra, dec, alt, az;
        std::string siteName;
        in >> kind >> code >> index >> ut >> deltaT >> siteName >> ra >> dec >> alt >> az;
        ASSERT_FALSE(in.fail()) << ref;
        const TOrbitalElements el = samples.Elements(code, index);
        if (FaultOf(el.Name)) continue;
        const TElementValues v = AsPyEphemHolds(PreciseElementValues(el));
        const PreciseTime time{ut, ut + deltaT / 86400};
        const PreciseFrame frame = MakePreciseFrame(time, kSites.at(siteName));
        const PrecisePlace p = AstrometricPlace(v, frame, PlaceCentre::Site);
        const ObservedPlace o = Observe(p, frame);
        // PyEphem prints right ascensions from the true equinox of date.
        const double raOfDate = NormalizeAngle(o.ra - EquationOfOrigins(time));
        const double sep = SeparationArcsec(raOfDate, o.dec, ra, dec);
        const double sky = SeparationArcsec(o.azimuth, o.altitude, az, alt);
        radec.values.push_back(sep);
        altaz.values.push_back(sky);
        const double tolerance = PyEphemToleranceArcsec(p.delta);
        EXPECT_LT(sep, tolerance) << el.Name << " from " << siteName;
        EXPECT_LT(sky, tolerance) << el.Name << " from " << siteName;
    }
    std::printf(
        "topocentric, %zu places: RA/Dec of date vs PyEphem median %.3f\" max %.3f\"; "
        "altitude-azimuth median %.3f\" max %.3f\"\n",
        radec.values.size(), radec.Median(), radec.Max(), altaz.Median(), altaz.Max());
}

TEST(PreciseModelReference, ParallaxOfCloseApproaches) {
    // Near-Earth objects at their closest within a year of their epoch, where the site moves
    // them by arcminutes. The difference of the topocentric and geocentric places cancels
    // PyEphem's geocentre error, so the parallax itself is compared: within 1" + 1 %.
    const Samples samples;
    const auto refs = ReferenceLines('P');
    ASSERT_EQ(refs.size(), 24u);
    Stats error;
    double largest = 0;
    for (const std::string& ref : refs) {
        std::istringstream in(ref);
        char kind, code;
        int index;
        double ut, deltaT, ra, dec, geoRa, geoDec;
        std::string siteName;
        in >> kind >> code >> index >> ut >> deltaT >> siteName >> ra >> dec >> geoRa >> geoDec;
        ASSERT_FALSE(in.fail()) << ref;
        const TOrbitalElements el = samples.Elements(code, index);
        const TElementValues v = AsPyEphemHolds(PreciseElementValues(el));
        const PreciseTime time{ut, ut + deltaT / 86400};
        const PreciseFrame frame = MakePreciseFrame(time, kSites.at(siteName));
        const ObservedPlace topo = Observe(AstrometricPlace(v, frame, PlaceCentre::Site), frame);
        const ObservedPlace geo =
            Observe(AstrometricPlace(v, frame, PlaceCentre::Geocentre), frame);
        // Parallax as (Δα cos δ, Δδ) ["], ours and PyEphem's.
        const double ours[2] = {
            std::remainder(topo.ra - geo.ra, 2 * kPi) * std::cos(geo.dec) * kArcsecPerRad,
            (topo.dec - geo.dec) * kArcsecPerRad};
        const double theirs[2] = {
            std::remainder(ra - geoRa, 2 * kPi) * std::cos(geoDec) * kArcsecPerRad,
            (dec - geoDec) * kArcsecPerRad};
        const double size = std::hypot(theirs[0], theirs[1]);
        const double diff = std::hypot(ours[0] - theirs[0], ours[1] - theirs[1]);
        error.values.push_back(diff);
        largest = std::max(largest, size);
        EXPECT_LT(diff, 1.0 + 0.01 * size)
            << el.Name << " from " << siteName << ", parallax " << size << "\"";
    }
    std::printf(
        "parallax at %zu close approaches (up to %.0f\"): vs PyEphem median %.3f\" max "
        "%.3f\"\n",
        error.values.size(), largest, error.Median(), error.Max());
}
