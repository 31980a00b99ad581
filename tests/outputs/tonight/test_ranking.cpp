// The night's ranking against an independent minute-by-minute computation with the program's
// full position at every minute; the same list whatever the number of workers and with or
// without the early magnitude screen; the night's limits and rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "catalogs/LineFormats.h"
#include "catalogs/mpcorb/MpcOrbSearch.h"
#include "core/Angles.h"
#include "core/Circumstances.h"
#include "core/Errors.h"
#include "core/Kepler.h"
#include "core/Session.h"
#include "core/SkyFrames.h"
#include "core/Sun.h"
#include "core/TextForms.h"
#include "core/precise/PreciseSession.h"
#include "outputs/tonight/TonightRanking.h"
#include "outputs/tonight/TonightTexts.h"
#include "support/TempFolder.h"
#include "outputs/tonight/TonightFixtures.h"

using namespace vagaris;
using namespace vagaris::tonight;

namespace {

// The bounds the list promises against a computation at every minute.
constexpr double kAltitudeTolDeg = 0.1;
constexpr double kTimeTolMinutes = 2.0;

// What the brute force finds for one object.
struct Brute {
    std::string name;
    int count = 0;
    Instant first = 0, last = 0, best = 0;
    double bestAltitude = -100;  // [deg]
    double magnitude = 0, moonSeparation = 0;
    bool listed = false;
};

// The altitude of an equatorial (obliquity-of-date frame, J2000 equinox) vector at t: precessed
// with the IAU 1976 matrix, hour angle from the IAU 1982 sidereal time. Written with the
// textbook formula, not the ranking's zenith vectors.
double AltitudeDeg(const Vec3& v, Instant t, double lat, double lon) {
    const RaDec p = ToRaDec(Apply(PrecessionFromJ2000(t), v));
    const double H = GreenwichMeanSiderealTime(t) + lon - p.ra;
    return Deg(
        std::asin(std::sin(lat) * std::sin(p.dec) + std::cos(lat) * std::cos(p.dec) * std::cos(H)));
}

Vec3 SunAt(Instant t) {
    const double eps = Obliquity(t);
    const SunPlace s = SunPosition(t);
    return {s.R * std::cos(s.lambda), s.R * std::sin(s.lambda) * std::cos(eps),
            s.R * std::sin(s.lambda) * std::sin(eps)};
}

// The magnitude and the Moon's distance at the best minute, and whether the limits list it.
void JudgeAtBest(Brute& b, const TCircumstances& c, const Request& rq) {
    b.magnitude = c.Magnitude;
    const Vec3 dir{std::cos(c.Declination) * std::cos(c.RightAscension),
                   std::cos(c.Declination) * std::sin(c.RightAscension), std::sin(c.Declination)};
    b.moonSeparation = Deg(AngleBetween(dir, MoonGeocentric(b.best)));
    b.listed =
        b.magnitude <= rq.limits.magnitude &&
        (rq.limits.moonSeparationDeg == 0 || b.moonSeparation >= rq.limits.moonSeparationDeg);
}

// The whole night, minute by minute, every object fully computed at every dark minute.
std::vector<Brute> BruteForce(const Request& rq, const std::vector<std::string>& lines, char kind) {
    const double lat = Rad(rq.latitudeDeg), lon = Rad(rq.longitudeDeg);
    const double noon = 720.0 - 4.0 * rq.longitudeDeg;
    const Instant first = rq.date + std::ceil(noon - 1e-7) / 1440.0;
    std::vector<Instant> usable;
    for (int k = 0; k < 1440; ++k) {
        const Instant t = first + k / 1440.0;
        if (!(AltitudeDeg(SunAt(t), t, lat, lon) < -Deg(rq.twilightLimit))) continue;
        if (rq.limits.moonDown && AltitudeDeg(MoonGeocentric(t), t, lat, lon) >= 0) continue;
        usable.push_back(t);
    }
    std::vector<Brute> out;
    for (const auto& line : lines) {
        if (kind == 'M' && line.size() < kMpcOrbMinLineLength) continue;  // header lines
        const TOrbitalElements el = kind == 'C'   ? ParseCometLine(line)
                                    : kind == 'M' ? ParseMpcOrbLine(line)
                                                  : ParseMinorPlanetLine(line);
        Brute b;
        b.name = el.Name;
        try {
            const TElementValues v = ReadElements(el);
            for (const Instant t : usable) {
                const double eps = Obliquity(t);
                const OrbitPosition p = PropagateOrbit(v, t, eps);
                const Vec3 s = SunAt(t);
                const double alt = AltitudeDeg({s.x + p.x, s.y + p.y, s.z + p.z}, t, lat, lon);
                if (!(alt >= rq.limits.minAltitudeDeg)) continue;
                if (b.count++ == 0) b.first = t;
                b.last = t;
                if (alt > b.bestAltitude) b.bestAltitude = alt, b.best = t;
            }
            if (b.count >= rq.limits.minMinutes) {
                Session s;
                s.Elements = el;
                s.CurrentInstant = b.best;
                ComputeCircumstances(s, CircumstanceMode::R);
                const TCircumstances& c = s.Circumstances;
                JudgeAtBest(b, c, rq);
            }
        } catch (const EConvertError&) {
            continue;
        }
        out.push_back(b);
    }
    return out;
}

// An object on the edge of a limit may fall either way between two computations that agree
// to the bounds above: its count within 2 minutes of the minimum, or its magnitude or Moon
// separation within a hair of theirs.
bool Borderline(const Brute& b, const Limits& l) {
    return std::abs(b.count - l.minMinutes) <= 2 ||
           (b.count >= l.minMinutes && (std::fabs(b.magnitude - l.magnitude) < 0.01 ||
                                        std::fabs(b.moonSeparation - l.moonSeparationDeg) < 0.05));
}

struct CompareStats {
    int listed = 0;
    double worstAltitude = 0, worstMinutes = 0;
};

// Ranks one catalog file and compares every object with the brute force.
CompareStats CompareWithBruteForce(const Request& rq, const std::string& path, char kind) {
    const std::vector<std::string> lines = ReadCatalogLines(path);
    const Result result = RankTonight(
        rq, {{path, kind == 'M' ? Source::Kind::MpcOrb : Source::Kind::Catalog}}, Options{});
    const std::vector<Brute> brute = BruteForce(rq, lines, kind);
    std::map<std::string, const Row*> listed;
    for (const auto& row : result.rows) listed[row.name] = &row;
    CompareStats stats;
    for (const auto& b : brute) {
        const auto it = listed.find(b.name);
        if (Borderline(b, rq.limits)) continue;
        EXPECT_EQ(it != listed.end(), b.listed)
            << b.name << " in " << path << ": " << b.count << " min, mag " << b.magnitude;
        if (it == listed.end() || !b.listed) continue;
        const Row& r = *it->second;
        ++stats.listed;
        const double dAlt = std::fabs(r.bestAltitude - b.bestAltitude);
        const double dMin =
            std::max({std::fabs(r.windowStart - b.first), std::fabs(r.windowEnd - b.last),
                      std::fabs(r.bestTime - b.best)}) *
            1440.0;
        EXPECT_LE(dAlt, kAltitudeTolDeg) << b.name;
        EXPECT_LE(dMin, kTimeTolMinutes) << b.name;
        EXPECT_LE(std::abs(r.observableMinutes - b.count), 2) << b.name;
        stats.worstAltitude = std::max(stats.worstAltitude, dAlt);
        stats.worstMinutes = std::max(stats.worstMinutes, dMin);
    }
    return stats;
}

// The precise model's night, minute by minute: every object's apparent place from the site
// at every dark minute (the Sun's apparent altitude deciding the darkness), with ERFA's
// transformations instead of the ranking's zenith vectors and interpolation.
std::vector<Brute> PreciseBruteForce(const Request& rq, const std::vector<std::string>& lines) {
    const ObserverSite site{Rad(rq.latitudeDeg), Rad(rq.longitudeDeg), rq.heightMetres};
    const double noon = 720.0 - 4.0 * rq.longitudeDeg;
    const Instant first = rq.date + std::ceil(noon - 1e-7) / 1440.0;
    std::vector<PreciseFrame> dark;
    for (int k = 0; k < 1440; ++k) {
        const PreciseFrame f = MakePreciseFrame(PreciseTimeOf(first + k / 1440.0), site);
        if (ObserveSun(f).altitude < -rq.twilightLimit) dark.push_back(f);
    }
    std::vector<Brute> out;
    for (const auto& line : lines) {
        const TOrbitalElements el = ParseMinorPlanetLine(line);
        Brute b;
        b.name = el.Name;
        const TElementValues v = PreciseElementValues(el);
        for (const PreciseFrame& f : dark) {
            const double alt = Deg(Observe(AstrometricPlace(v, f, PlaceCentre::Site), f).altitude);
            if (!(alt >= rq.limits.minAltitudeDeg)) continue;
            const Instant t = f.time.ut1;
            if (b.count++ == 0) b.first = t;
            b.last = t;
            if (alt > b.bestAltitude) b.bestAltitude = alt, b.best = t;
        }
        if (b.count >= rq.limits.minMinutes) {
            const TCircumstances c = PreciseCircumstances(v, b.best, site, PlaceCentre::Site);
            JudgeAtBest(b, c, rq);
        }
        out.push_back(b);
    }
    return out;
}

Request NightAt(int y, int m, int d, double lat, double lon) {
    Request rq;
    rq.date = EncodeDate(y, m, d);
    rq.latitudeDeg = lat;
    rq.longitudeDeg = lon;
    return rq;
}

}  // namespace

// Nights and sites in both hemispheres, with the five sample catalogs (comets near and far
// from perihelion, NEOs, distant objects) and a looser magnitude so that many are listed.
TEST(TonightRanking, AgreesWithAMinuteByMinuteComputation) {
    struct Case {
        Request rq;
        const char* why;
    };
    std::vector<Case> cases;
    cases.push_back({NightAt(2025, 11, 21, 40, -3.7), "the samples' epoch, Madrid"});
    cases.push_back({NightAt(2019, 7, 2, -33, 151.2), "southern winter, far east"});
    Request moonless = NightAt(2025, 11, 27, 52, 13.4);  // the Moon sets in the evening
    moonless.limits.moonDown = true;
    moonless.limits.moonSeparationDeg = 40;
    moonless.twilightLimit = kTwilightNautical;
    cases.push_back({moonless, "Moon down, nautical twilight, wide Moon separation"});
    for (auto& c : cases) {
        c.rq.limits.magnitude = 18;
        for (const auto& source : test::FiveSampleCatalogs()) {
            const char kind = source.path.find("Comets") != std::string::npos ? 'C' : 'A';
            const CompareStats s = CompareWithBruteForce(c.rq, source.path, kind);
            std::printf("%-52s %-26s listed %4d, worst altitude %.4f°, worst time %.1f min\n",
                        c.why, source.path.substr(source.path.rfind('/') + 1).c_str(), s.listed,
                        s.worstAltitude, s.worstMinutes);
        }
    }
}

// MPCOrb.dat is streamed by the parallel reader: the same bounds, the same list whatever the
// workers, rows without an index.
TEST(TonightRanking, MpcOrbExcerptAgreesAndIsTheSameForAnyWorkers) {
    const std::string excerpt = std::string(VAGARIS_SAMPLES_DIR) + "/MPCORB.excerpt.dat";
    Request rq = NightAt(2025, 11, 21, -20, 70);
    rq.limits.magnitude = 16;
    const CompareStats s = CompareWithBruteForce(rq, excerpt, 'M');
    EXPECT_GT(s.listed, 10);
    Options one, four;
    one.threads = 1;
    four.threads = 4;
    const Result a = RankTonight(rq, {{excerpt, Source::Kind::MpcOrb}}, one);
    const Result b = RankTonight(rq, {{excerpt, Source::Kind::MpcOrb}}, four);
    EXPECT_EQ(JsonText(a), JsonText(b));
    ASSERT_FALSE(a.rows.empty());
    EXPECT_EQ(a.rows[0].index, -1);
    EXPECT_EQ(CellText(a.rows[0], Column::Index), "");
    EXPECT_TRUE(a.rows[0].elementAgeDays.has_value());

    // A list long enough to be written in parts gives the same bytes as one written whole,
    // whatever the number of parts and wherever a limit cuts it.
    Result big = a;
    while (big.rows.size() < 3 * 4096 + 17)
        big.rows.push_back(a.rows[big.rows.size() % a.rows.size()]);
    const std::string whole = JsonText(big, {}, 1);
    EXPECT_EQ(JsonText(big, {}, 3), whole);
    EXPECT_EQ(JsonText(big, {}, 7), whole);
    EXPECT_EQ(JsonText(big, 9000, 2), JsonText(big, 9000, 1));
}

// Close NEOs sweep across the sky by degrees per hour: they are computed at every minute,
// so they meet the same bounds.
TEST(TonightRanking, FastCloseObjectsMeetTheSameBounds) {
    const test::TempFolder folder;
    Request rq = NightAt(2026, 3, 10, 35, 20);
    rq.limits.magnitude = 22;
    const auto path = folder.dir / "NeosAndUnusualCR.dat";
    test::WriteFile(path, test::CloseNeoCatalog(rq.date + 1.0 - 20 / 360.0));
    const CompareStats s = CompareWithBruteForce(rq, path.string(), 'A');
    EXPECT_GT(s.listed, 5);
    std::printf("close NEOs: listed %d, worst altitude %.4f°, worst time %.1f min\n", s.listed,
                s.worstAltitude, s.worstMinutes);
}

// The precise model's list against its own minute-by-minute computation, on the minor planets
// of the samples and on close NEOs, whose parallax moves them by up to degrees: the same
// bounds, and each row's values are the precise model's at its best minute.
TEST(TonightRanking, PreciseModelAgreesWithAMinuteByMinuteComputation) {
    const test::TempFolder folder;
    Request rq = NightAt(2026, 3, 10, 35, 20);
    rq.precise = true;
    rq.heightMetres = 1200;
    rq.limits.magnitude = 22;
    const auto neos = folder.dir / "NeosAndUnusualCR.dat";
    test::WriteFile(neos, test::CloseNeoCatalog(rq.date + 1.0 - 20 / 360.0));
    Request samples = NightAt(2025, 11, 21, 40, -3.7);
    samples.precise = true;
    samples.heightMetres = 650;
    samples.limits.magnitude = 16;
    const std::pair<Request, std::string> cases[] = {
        {rq, neos.string()},
        {samples, std::string(VAGARIS_SAMPLES_DIR) + "/BrightMinorPlanetsCR.dat"},
    };
    for (const auto& [request, path] : cases) {
        const Result result = RankTonight(request, {{path, Source::Kind::Catalog}}, Options{});
        std::map<std::string, const Row*> listed;
        for (const auto& row : result.rows) listed[row.name] = &row;
        int compared = 0;
        for (const Brute& b : PreciseBruteForce(request, ReadCatalogLines(path))) {
            if (Borderline(b, request.limits)) continue;
            const auto it = listed.find(b.name);
            EXPECT_EQ(it != listed.end(), b.listed) << b.name << ": " << b.count << " min";
            if (it == listed.end() || !b.listed) continue;
            const Row& r = *it->second;
            ++compared;
            EXPECT_LE(std::fabs(r.bestAltitude - b.bestAltitude), kAltitudeTolDeg) << b.name;
            EXPECT_LE(std::max({std::fabs(r.windowStart - b.first), std::fabs(r.windowEnd - b.last),
                                std::fabs(r.bestTime - b.best)}) *
                          1440.0,
                      kTimeTolMinutes)
                << b.name;
            const TCircumstances c = PreciseCircumstances(
                PreciseElementValues(ParseMinorPlanetLine(r.line)), r.bestTime,
                {Rad(request.latitudeDeg), Rad(request.longitudeDeg), request.heightMetres},
                PlaceCentre::Site);
            EXPECT_EQ(r.magnitude, c.Magnitude) << b.name;
            EXPECT_EQ(r.delta, c.Delta) << b.name;
            EXPECT_EQ(r.motion, c.Motion) << b.name;
        }
        EXPECT_GT(compared, 5) << path;
    }
}

// A night outside the precise model's years is refused as a whole.
TEST(TonightRanking, PreciseNightOutsideItsYears) {
    Request rq = NightAt(2999, 12, 31, 40, 0);
    rq.precise = true;
    EXPECT_THROW(PrepareNight(rq), EConvertError);
    rq.precise = false;
    EXPECT_NO_THROW(PrepareNight(rq));
}

// The list is the same whatever the number of workers, and with or without the early
// magnitude screen (which must never drop an object the full computation lists), on the
// sample catalogs plus fast, close NEOs near every magnitude limit.
TEST(TonightRanking, SameListWhateverTheWorkersAndTheScreen) {
    const test::TempFolder folder;
    const Request base = NightAt(2026, 3, 10, 35, 20);
    const auto neos = folder.dir / "CloseNeos.dat";
    test::WriteFile(neos, test::CloseNeoCatalog(base.date + 1.0 - 20 / 360.0));
    auto sources = test::FiveSampleCatalogs();
    sources.push_back({neos.string(), Source::Kind::Catalog});
    for (const double magnitude : {10.0, 14.0, 18.0, 21.0, 25.0}) {
        Request rq = base;
        rq.limits.magnitude = magnitude;
        Options one, four, unscreened;
        one.threads = 1;
        four.threads = 4;
        unscreened.threads = 2;
        unscreened.screen = false;
        const Result a = RankTonight(rq, sources, one);
        const Result b = RankTonight(rq, sources, four);
        const Result c = RankTonight(rq, sources, unscreened);
        EXPECT_EQ(JsonText(a), JsonText(b)) << "magnitude " << magnitude;
        EXPECT_EQ(JsonText(a), JsonText(c)) << "magnitude " << magnitude;
        EXPECT_EQ(a.considered, 1704 + 28);
    }
}

// Positions are interpolated as geocentric vectors, which follow a close straight flyby
// exactly; an object whose path bends within the night (a sungrazer at perihelion) fails
// the check against its full position and is computed at every minute, within the bounds.
TEST(TonightRanking, BendingPathsAreComputedAtEveryMinute) {
    const test::TempFolder folder;
    Request rq = NightAt(2026, 3, 10, -30, 20);
    rq.limits.magnitude = 30;
    rq.limits.minAltitudeDeg = 0;
    rq.limits.minMinutes = 1;
    rq.limits.moonSeparationDeg = 0;
    const NightSky sky = PrepareNight(rq);
    // Perihelion 0.006 AU from the Sun in the middle of the night.
    const std::string sungrazer =
        "C/2026 E9 (Rozante)                            2026 03 10.9500  0.006000       1.000000"
        "  80.0000  10.0000 144.0000    5.0   4.0";
    const TElementValues v = ReadElements(ParseCometLine(sungrazer));
    EXPECT_TRUE(EvaluateWindow(sky, v, rq.limits, false).dense);
    const auto path = folder.dir / "CometsCR.dat";
    test::WriteFile(path, sungrazer + "\n");
    const CompareStats s = CompareWithBruteForce(rq, path.string(), 'C');
    std::printf("sungrazer: listed %d, worst altitude %.4f°, worst time %.1f min\n", s.listed,
                s.worstAltitude, s.worstMinutes);
    // A main-belt object is interpolated.
    const auto ceres =
        ReadCatalogLines(std::string(VAGARIS_SAMPLES_DIR) + "/BrightMinorPlanetsCR.dat");
    EXPECT_FALSE(
        EvaluateWindow(sky, ReadElements(ParseMinorPlanetLine(ceres.front())), rq.limits, false)
            .dense);
}

// The night runs from local mean noon to local mean noon in whole UT minutes.
TEST(TonightRanking, NightStartsAtLocalMeanNoon) {
    struct Case {
        double lon;
        const char* first;
    } cases[] = {
        {0.0, "10/12/2026 12:00"},    {-3.7, "10/12/2026 12:15"},  // noon 12:14:48
        {15.0, "10/12/2026 11:00"},   {180.0, "10/12/2026 00:00"},
        {-180.0, "11/12/2026 00:00"}, {2.3, "10/12/2026 11:51"},  // noon 11:50:48
    };
    for (const auto& c : cases) {
        const NightSky sky = PrepareNight(NightAt(2026, 12, 10, 40, c.lon));
        EXPECT_EQ(FormatInstant("dd/mm/yyyy hh:nn", sky.first), c.first) << c.lon;
        EXPECT_EQ(sky.minutes, 1440);
    }
}

// Midsummer at 65° N: the Sun never goes 18° down. The header says so and no row is listed.
TEST(TonightRanking, NightWithoutDarkness) {
    const Request rq = NightAt(2026, 6, 21, 65, 25);
    const Result r = RankTonight(rq, test::FiveSampleCatalogs(), Options{});
    EXPECT_EQ(r.sky.darkFirst, -1);
    EXPECT_TRUE(r.rows.empty());
    EXPECT_EQ(r.considered, 1704);
    const auto header = HeaderLines(r);
    EXPECT_NE(std::find(header.begin(), header.end(), "Sin oscuridad esta noche"), header.end());
    EXPECT_NE(JsonText(r).find("\"dark_start\": null, \"dark_end\": null"), std::string::npos);
}

// Lines that do not convert are skipped and counted; blank lines are no objects.
TEST(TonightRanking, CountsLinesThatDoNotConvert) {
    const test::TempFolder folder;
    const auto bright =
        ReadCatalogLines(std::string(VAGARIS_SAMPLES_DIR) + "/BrightMinorPlanetsCR.dat");
    std::string bytes =
        bright[0] + "\n" + "(99) Roto   esto no es una línea de elementos\n\n" + bright[1] + "\n";
    std::string badEccentricity = bright[2];
    badEccentricity.replace(79, 8, "1.500000");  // e ≥ 1 for a minor planet
    bytes += badEccentricity + "\n";
    const auto path = folder.dir / "BrightMinorPlanetsCR.dat";
    test::WriteFile(path, bytes);
    Request rq = NightAt(2025, 11, 21, 40, 0);
    rq.limits.magnitude = 40;
    rq.limits.minMinutes = 1;
    rq.limits.minAltitudeDeg = 0;
    const Result r = RankTonight(rq, {{path.string(), Source::Kind::Catalog}}, Options{});
    EXPECT_EQ(r.considered, 2);
    EXPECT_EQ(r.invalidLines, 2);
    for (const auto& row : r.rows) EXPECT_TRUE(row.index == 0 || row.index == 3) << row.index;
}

// The five catalogs together: a name in several files is listed once, from the newest
// elements; a missing file is named.
TEST(TonightRanking, FiveCatalogsTogetherRemoveDuplicates) {
    const test::TempFolder folder;
    auto sources = test::FiveSampleCatalogs();
    // The critical list's first object again in the NEO file, with a later epoch.
    const auto critical = ReadCatalogLines(sources[2].path);
    std::string newer = critical[0];
    newer.replace(47, 12, "2026 03 10.0");
    const auto neoPath = folder.dir / "NeosAndUnusualCR.dat";
    test::WriteFile(neoPath, newer + "\n");
    sources[1].path = neoPath.string();
    sources[3].path = (folder.dir / "DistantObjectsCR.dat").string();  // missing
    Request rq = NightAt(2025, 11, 21, 40, 0);
    rq.limits.magnitude = 40;
    rq.limits.minMinutes = 1;
    rq.limits.minAltitudeDeg = 0;
    rq.limits.moonSeparationDeg = 0;
    Options options;
    auto present = sources;
    present.erase(present.begin() + 3);
    const long long apart = RankTonight(rq, present, options).considered;
    options.dedupe = true;
    const Result r = RankTonight(rq, sources, options);
    ASSERT_EQ(r.missing.size(), 1u);
    EXPECT_EQ(r.missing[0], "DistantObjectsCR.dat");
    const std::string name = Trim(critical[0].substr(0, 40));
    int found = 0;
    for (const auto& row : r.rows)
        if (row.name == name) {
            ++found;
            EXPECT_EQ(row.catalog, "NeosAndUnusualCR.dat");
            EXPECT_EQ(row.index, 0);
        }
    EXPECT_EQ(found, 1);
    // The planted object and (5145) Pholus, which the samples hold twice, count once.
    EXPECT_EQ(r.considered, apart - 2);
}

TEST(TonightRanking, SortsAndBreaksTies) {
    std::vector<Row> rows(4);
    rows[0].name = "B", rows[0].magnitude = 9, rows[0].bestTime = 3, rows[0].observableMinutes = 60,
    rows[0].bestAltitude = 50;
    rows[1].name = "A", rows[1].magnitude = 9, rows[1].bestTime = 1, rows[1].observableMinutes = 90,
    rows[1].bestAltitude = 50;
    rows[2].name = "C", rows[2].magnitude = 7, rows[2].bestTime = 2, rows[2].observableMinutes = 60,
    rows[2].bestAltitude = 70;
    rows[3].name = "D", rows[3].magnitude = 12, rows[3].bestTime = 1,
    rows[3].observableMinutes = 300, rows[3].bestAltitude = 20;
    const auto order = [&](SortKey k) {
        SortRows(rows, k);
        std::string s;
        for (const auto& r : rows) s += r.name;
        return s;
    };
    EXPECT_EQ(order(SortKey::Magnitude), "CABD");
    EXPECT_EQ(order(SortKey::Best), "ADCB");  // A and D tie at 1: the brighter first
    EXPECT_EQ(order(SortKey::Time), "DACB");  // B and C tie at 60: the brighter first
    EXPECT_EQ(order(SortKey::Altitude), "CABD");
    for (const char* t : {"mag", "best", "time", "alt"})
        EXPECT_EQ(SortKeyText(*SortKeyFromText(t)), std::string(t));
    EXPECT_FALSE(SortKeyFromText("Mag"));
}

TEST(TonightRanking, CancellingLeavesNoList) {
    std::atomic<bool> cancel{true};
    Options options;
    options.cancel = &cancel;
    Request rq = NightAt(2025, 11, 21, 40, 0);
    rq.limits.magnitude = 40;
    const Result r = RankTonight(rq, test::FiveSampleCatalogs(), options);
    EXPECT_TRUE(r.cancelled);
    EXPECT_TRUE(r.rows.empty());
}
