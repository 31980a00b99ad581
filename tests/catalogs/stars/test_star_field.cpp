// The field query through the declination-band index against a scan of every star, on a small
// fixture built to sit on the index's awkward places (0h, the poles, band edges, the rim of the
// circle) and on the installed stars.dat.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogs/stars/StarCatalog.h"
#include "catalogs/stars/StarField.h"
#include "core/Angles.h"

namespace {

using namespace vagaris::stars;
using vagaris::Deg;
using vagaris::Rad;

// Haversine separation [rad].
double Separation(SkyPlace a, SkyPlace b) {
    const double s = std::sin((b.dec - a.dec) / 2), t = std::sin((b.ra - a.ra) / 2);
    return 2 * std::asin(std::sqrt(s * s + std::cos(a.dec) * std::cos(b.dec) * t * t));
}

std::vector<std::size_t> BruteForce(const StarCatalog& catalog, SkyPlace centre, double radius,
                                    double magnitudeLimit, double years) {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < catalog.Stars().size(); ++i) {
        const Star& s = catalog.Stars()[i];
        if (s.magnitude <= magnitudeLimit && Separation(PlaceAtEpoch(s, years), centre) <= radius)
            found.push_back(i);
    }
    return found;
}

// A line of stars.dat for a place [°], a magnitude and proper motions [mas/yr].
std::string StarLineFor(double raDeg, double decDeg, double magnitude, double pmRa = 0,
                        double pmDec = 0) {
    const double h = raDeg / 15;
    const int hh = static_cast<int>(h), mm = static_cast<int>((h - hh) * 60);
    const double ss = ((h - hh) * 60 - mm) * 60;
    const double d = std::abs(decDeg);
    const int dd = static_cast<int>(d), dm = static_cast<int>((d - dd) * 60);
    const double ds = ((d - dd) * 60 - dm) * 60;
    char line[128];
    std::snprintf(line, sizeof line,
                  "%02d%02d%05.2f %c%02d%02d%04.1f %+09.1f%+09.1f00010.0 %05.2f00.50G2 0", hh, mm,
                  ss, decDeg < 0 ? '-' : '+', dd, dm, ds, pmRa, pmDec, magnitude);
    return line;
}

StarCatalog Fixture() {
    std::string text = "# fixture\n";
    const double places[][3] = {
        {359.99, 0.2, 5}, {0.01, 0.2, 5},  {0.5, -0.4, 8.5},  {1.6, 0.0, 9.0},
        {180, 89.99, 4},  {0, 89.95, 6},   {90, 89.5, 7},     {270, -89.98, 5},
        {45, 30.0, 3},    {45, 30.999, 3}, {45, 31.001, 3},   {46, 31.5, 2},
        {44.2, 30.5, 6},  {200, -45, 1},   {200.5, -45.5, 9}, {10, 60, 4},
    };
    for (const auto& p : places) text += StarLineFor(p[0], p[1], p[2]) + "\n";
    // A fast star near 0h, moving 11.52"/yr east: 0.32° a century.
    text += StarLineFor(359.98, 0.0, 4, 11520, 0) + "\n";
    return StarCatalog::FromText(text);
}

struct Query {
    double raDeg, decDeg, radiusDeg, magnitudeLimit, years;
};

const Query kQueries[] = {
    {0, 0, 1, 9, 0},       {359.5, 0, 1.5, 9, 0},  {0, 90, 0.6, 9, 0},     {123, 89.8, 0.3, 9, 0},
    {0, -90, 0.1, 9, 0},   {45, 31, 0.0015, 9, 0}, {45, 31, 1, 5.5, 0},    {45.5, 30.5, 2, 9, 0},
    {200, -45, 0.8, 1, 0}, {200, -45, 0.8, 9, 0},  {10, 60, 40, 9, 0},     {100, 0, 180, 9, 0},
    {0.3, 0, 0.1, 9, 100}, {0.3, 0, 0.1, 9, -100}, {359.98, 0, 0.1, 9, 0}, {0, 0, 0, 9, 0},
};

// The indexed query's stars for q, checked against the scan of every star; returns them.
std::vector<std::size_t> ExpectIndexedEqualsScan(const StarField& field, const StarCatalog& catalog,
                                                 const Query& q) {
    const SkyPlace centre{Rad(q.raDeg), Rad(q.decDeg)};
    std::vector<std::size_t> got;
    for (const FieldStar& f : field.QueryAt(centre, Rad(q.radiusDeg), q.magnitudeLimit, q.years))
        got.push_back(f.index);
    EXPECT_EQ(got, BruteForce(catalog, centre, Rad(q.radiusDeg), q.magnitudeLimit, q.years))
        << q.raDeg << " " << q.decDeg << " r=" << q.radiusDeg << " years=" << q.years;
    return got;
}

TEST(StarField, FixtureMatchesAScanOfEveryStar) {
    const StarCatalog catalog = Fixture();
    ASSERT_EQ(catalog.SkippedLines(), 0u);
    ASSERT_EQ(catalog.Stars().size(), 17u);
    const StarField field(catalog);
    for (const Query& q : kQueries) {
        const std::vector<std::size_t> got = ExpectIndexedEqualsScan(field, catalog, q);
        if (q.years == 0) {
            EXPECT_EQ(
                field.Query({Rad(q.raDeg), Rad(q.decDeg)}, Rad(q.radiusDeg), q.magnitudeLimit),
                got);
        }
    }
    // The fast star has crossed 0h a century later and is found there, and not where it was.
    const auto later = field.QueryAt({Rad(0.3), 0}, Rad(0.1), 9, 100);
    ASSERT_EQ(later.size(), 1u);
    EXPECT_EQ(later[0].index, 16u);
    EXPECT_NEAR(Deg(later[0].place.ra), 359.98 + 11.52 * 100 / 3600 - 360, 1e-3);
    EXPECT_TRUE(field.Query({Rad(0.3), 0}, Rad(0.1), 9).empty());
}

TEST(StarField, AnEmptyCatalogFindsNothing) {
    const StarCatalog missing = StarCatalog::Load("/nonexistent/stars.dat");
    const StarField field(missing);
    EXPECT_TRUE(field.Query({0, 0}, Rad(180), 99).empty());
    EXPECT_TRUE(field.QueryAt({0, 0}, Rad(180), 99, 50).empty());
}

TEST(StarField, InstalledCatalogMatchesAScanOfEveryStar) {
    const std::string path = DefaultStarCatalogPath();
    if (!std::filesystem::exists(path)) GTEST_SKIP() << path << " is not installed (kstars-data)";
    const StarCatalog& catalog = SharedStarCatalog();
    const StarField field(catalog);
    const Query queries[] = {
        {83.8, -5.4, 2, 9, 0},     {0.2, 28, 3, 7, 0},       {37.9, 89.26, 1.5, 9, 0},
        {0, -88, 5, 9, 0},         {316.7, 38.7, 0.5, 9, 0}, {316.7, 38.7, 0.5, 9, -150},
        {101.3, -16.7, 10, 4, 30}, {250, 60, 25, 6, 0},      {359.9, -0.1, 0.7, 9, 0},
    };
    std::size_t total = 0;
    for (const Query& q : queries) {
        total += ExpectIndexedEqualsScan(field, catalog, q).size();
    }
    EXPECT_GT(total, 500u);
}

}  // namespace
