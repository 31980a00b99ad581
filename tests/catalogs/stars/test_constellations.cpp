// The constellation of a place (IAU boundaries, B1875), the constellations' names and figures:
// small fixtures in the files' formats, and the installed kstars-data files when present.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "catalogs/stars/ConstellationBounds.h"
#include "catalogs/stars/ConstellationLines.h"
#include "catalogs/stars/ConstellationNames.h"
#include "core/Angles.h"

namespace {

using namespace vagaris::stars;
using vagaris::Deg;
using vagaris::Rad;

SkyPlace HoursDegrees(double hours, double degrees) { return {Rad(hours * 15), Rad(degrees)}; }
SkyPlace FromB1875(double hours, double degrees) {
    return PrecessB1875ToJ2000(HoursDegrees(hours, degrees));
}

bool Installed(const char* file) { return std::filesystem::exists(DefaultSkyDataPath(file)); }

// Two B1875 boxes written the file's way (J2000 vertices, the first one running on with
// negative hours across 0h): "Left" 23h-1h and "Right" 1h-3h, both +10°..+20°.
std::string BoxesFixture() {
    std::string text = "# fixture\n";
    auto box = [&](const std::string& name, double ra0, double ra1) {
        text += ":" + name + "\n";
        const double corners[4][2] = {{ra0, 10}, {ra1, 10}, {ra1, 20}, {ra0, 20}};
        for (const auto& c : corners) {
            const SkyPlace j = FromB1875(c[0], c[1]);
            double hours = Deg(j.ra) / 15;
            if (hours > 12) hours -= 24;
            text += std::to_string(hours) + " " + std::to_string(Deg(j.dec)) + " 0\n";
        }
    };
    box("Left", -1, 1);
    box("Right", 1, 3);
    return text;
}

TEST(ConstellationBounds, FixtureEitherSideOfABoundaryAndAcrossZeroHours) {
    const auto bounds = ConstellationBounds::FromText(BoxesFixture() + "not a vertex\n");
    ASSERT_EQ(bounds.Polygons().size(), 2u);
    EXPECT_EQ(bounds.SkippedLines(), 1u);
    const double arcsec = 1 / 3600.0;
    struct Case {
        double hours, degrees;  // B1875
        const char* expected;
    };
    for (const Case& c :
         {Case{1 - arcsec / 15, 15, "Left"}, Case{1 + arcsec / 15, 15, "Right"},
          Case{23.5, 15, "Left"}, Case{0.5, 15, "Left"}, Case{2, 10 + arcsec, "Right"},
          Case{2, 10 - arcsec, ""}, Case{2, 20 - arcsec, "Right"}, Case{3 + arcsec / 15, 15, ""}}) {
        const BoundaryPolygon* p = bounds.PolygonAt(FromB1875(c.hours, c.degrees));
        EXPECT_EQ(p ? p->name : std::string(), c.expected) << c.hours << "h " << c.degrees;
    }
    EXPECT_TRUE(ConstellationBounds::Load("/nonexistent/cbounds.dat").Missing());
    EXPECT_EQ(ConstellationBounds::Load("/nonexistent/cbounds.dat").PolygonAt({0, 0}), nullptr);
}

TEST(ConstellationBounds, PrecessionToB1875RoundTripsAndMovesTheEquinox) {
    const SkyPlace j = HoursDegrees(5.5, -20);
    const SkyPlace b = PrecessJ2000ToB1875(j);
    const SkyPlace back = PrecessB1875ToJ2000(b);
    EXPECT_NEAR(back.ra, j.ra, 1e-12);
    EXPECT_NEAR(back.dec, j.dec, 1e-12);
    // 125 years of general precession, about 50.3"/yr in longitude: the J2000 pole lies
    // 0.70° from the B1875 pole (20.0"/yr · 125 yr).
    const SkyPlace pole = PrecessJ2000ToB1875({0, Rad(90)});
    EXPECT_NEAR(90 - Deg(pole.dec), 20.04 * 125.0 / 3600, 0.005);
}

// The file's vertices are J2000: carried back to B1875, each one has a round right ascension
// (whole half minutes of time) or a round declination (whole minutes of arc) to within an
// arcsecond, as the B1875 boundaries do.
TEST(ConstellationBounds, InstalledFileVerticesAreRoundInB1875) {
    if (!Installed("cbounds.dat")) GTEST_SKIP() << "cbounds.dat not installed (kstars-data)";
    const auto bounds = ConstellationBounds::Load(DefaultSkyDataPath("cbounds.dat"));
    ASSERT_EQ(bounds.Polygons().size(), 89u);  // 88 constellations, Serpens in two
    EXPECT_EQ(bounds.SkippedLines(), 0u);
    auto round = [](double value, double step, double tolerance) {
        return std::abs(value / step - std::round(value / step)) * step <= tolerance;
    };
    std::size_t vertices = 0;
    for (const auto& polygon : bounds.Polygons())
        for (const auto& v : polygon.b1875) {
            ++vertices;
            const bool roundRa = round(v.raHours * 3600, 30.0, 0.1);      // 0.1 s of time
            const bool roundDec = round(v.decDegrees * 3600, 60.0, 1.0);  // 1 arcsecond
            EXPECT_TRUE(roundRa || roundDec)
                << polygon.name << " " << v.raHours << "h " << v.decDegrees << "°";
        }
    EXPECT_GT(vertices, 13000u);
}

TEST(ConstellationBounds, InstalledFilePlacesPolesAndBothSidesOfBoundaries) {
    if (!Installed("cbounds.dat") || !Installed("cnames.dat"))
        GTEST_SKIP() << "cbounds.dat or cnames.dat not installed (kstars-data)";
    const auto bounds = ConstellationBounds::Load(DefaultSkyDataPath("cbounds.dat"));
    const auto names = ConstellationNames::Load(DefaultSkyDataPath("cnames.dat"));
    auto at = [&](SkyPlace p) -> std::string {
        const BoundaryPolygon* polygon = bounds.PolygonAt(p);
        if (!polygon) return "none";
        const ConstellationName* name = names.ByBoundaryName(polygon->name);
        return name ? name->abbreviation : "unnamed " + polygon->name;
    };
    const double arcmin = 1 / 60.0;
    struct Case {
        SkyPlace place;
        const char* expected;
        const char* what;
    };
    const Case cases[] = {
        {HoursDegrees(0, 90), "UMi", "north pole J2000"},
        {HoursDegrees(12, -90), "Oct", "south pole J2000"},
        {FromB1875(7, 90 - 1e-6), "UMi", "north pole B1875"},
        {FromB1875(19, -90 + 1e-6), "Oct", "south pole B1875"},
        // Polaris, Sirius, Betelgeuse, Vega (J2000 places from stars.dat)
        {HoursDegrees(2 + 31 / 60.0 + 49.09 / 3600, 89 + 15 / 60.0 + 50.8 / 3600), "UMi",
         "Polaris"},
        {HoursDegrees(6 + 45 / 60.0 + 8.92 / 3600, -(16 + 42 / 60.0 + 58 / 3600.0)), "CMa",
         "Sirius"},
        {HoursDegrees(5 + 55 / 60.0 + 10.31 / 3600, 7 + 24 / 60.0 + 25.4 / 3600), "Ori",
         "Betelgeuse"},
        {HoursDegrees(18 + 36 / 60.0 + 56.34 / 3600, 38 + 47 / 60.0 + 1.3 / 3600), "Lyr", "Vega"},
        // Orion's western edge, 4h37m B1875 from +1.5° to +13.5°, Taurus beyond it.
        {FromB1875(4 + 37 / 60.0 + arcmin / 15, 8), "Ori", "inside Orion's west edge"},
        {FromB1875(4 + 37 / 60.0 - arcmin / 15, 8), "Tau", "outside Orion's west edge"},
        // Andromeda's northern edge at +52.5° B1875 between 22h56m and 23h20m.
        {FromB1875(23 + 10 / 60.0, 52.5 - arcmin), "And", "inside Andromeda's north edge"},
        {FromB1875(23 + 10 / 60.0, 52.5 + arcmin), "Cas", "outside Andromeda's north edge"},
        // Andromeda runs across 0h (J2000 places), Alpheratz at its corner
        {HoursDegrees(23.95, 33), "And", "Andromeda west of 0h"},
        {HoursDegrees(0.05, 33), "And", "Andromeda east of 0h"},
        {HoursDegrees(0 + 8 / 60.0 + 23.26 / 3600, 29 + 5 / 60.0 + 25.6 / 3600), "And",
         "Alpheratz"},
        // Unukalhai in Serpens Caput; Alya (θ¹ Ser, 18h56m13s +4°12') in Serpens Cauda
        {HoursDegrees(15 + 44 / 60.0 + 16.07 / 3600, 6 + 25 / 60.0 + 32.3 / 3600), "Ser",
         "Unukalhai"},
        {HoursDegrees(18 + 56 / 60.0 + 13.18 / 3600, 4 + 12 / 60.0 + 12.9 / 3600), "Ser", "Alya"},
    };
    for (const Case& c : cases) EXPECT_EQ(at(c.place), c.expected) << c.what;
    // No gap: every place of a grid lies in some constellation.
    for (int d = -89; d <= 89; d += 4)
        for (int h = 0; h < 24; ++h)
            EXPECT_NE(bounds.PolygonAt(HoursDegrees(h + 0.013, d + 0.37)), nullptr)
                << h << "h " << d << "°";
}

TEST(ConstellationNames, FixtureCultureSectionsAbbreviationsAndPieces) {
    const std::string text =
        "C Western\n"
        "012000+410000And ANDROMEDA\n"
        "130000+423000CVn CANES VENATICI\n"
        "154000+080000Ser SERPENS\n"
        "0120xx+410000Bad BROKEN\n"
        "C Chinese\n"
        "110000+520000    NORTHERN DIPPER\n";
    const auto western = ConstellationNames::FromText(text);
    ASSERT_EQ(western.Names().size(), 3u);
    EXPECT_EQ(western.SkippedLines(), 1u);
    EXPECT_EQ(western.Names()[1].latinName, "Canes Venatici");
    EXPECT_NEAR(Deg(western.Names()[1].label.ra), 195, 1e-12);
    EXPECT_NEAR(Deg(western.Names()[1].label.dec), 42.5, 1e-12);
    ASSERT_NE(western.ByAbbreviation("cvn"), nullptr);
    EXPECT_EQ(western.ByAbbreviation("cvn")->abbreviation, "CVn");
    ASSERT_NE(western.ByBoundaryName("Serpens Cauda"), nullptr);
    EXPECT_EQ(western.ByBoundaryName("Serpens Cauda")->abbreviation, "Ser");
    EXPECT_EQ(western.ByBoundaryName("Canes"), nullptr);
    EXPECT_EQ(western.ByBoundaryName("Serpentine"), nullptr);
    const auto chinese = ConstellationNames::FromText(text, "Chinese");
    ASSERT_EQ(chinese.Names().size(), 1u);
    EXPECT_EQ(chinese.Names()[0].abbreviation, "");
    EXPECT_EQ(chinese.Names()[0].latinName, "Northern Dipper");
    EXPECT_TRUE(ConstellationNames::Load("/nonexistent/cnames.dat").Missing());
}

TEST(ConstellationNames, InstalledFileNamesEveryBoundary) {
    if (!Installed("cbounds.dat") || !Installed("cnames.dat"))
        GTEST_SKIP() << "cbounds.dat or cnames.dat not installed (kstars-data)";
    const auto names = ConstellationNames::Load(DefaultSkyDataPath("cnames.dat"));
    EXPECT_EQ(names.Names().size(), 89u);  // Serpens in two
    EXPECT_EQ(names.SkippedLines(), 0u);
    const auto bounds = ConstellationBounds::Load(DefaultSkyDataPath("cbounds.dat"));
    for (const auto& polygon : bounds.Polygons())
        EXPECT_NE(names.ByBoundaryName(polygon.name), nullptr) << polygon.name;
    ASSERT_NE(names.ByAbbreviation("UMa"), nullptr);
    EXPECT_EQ(names.ByAbbreviation("UMa")->latinName, "Ursa Major");
}

TEST(ConstellationLines, FixtureFiguresPenStrokesAndCultures) {
    const std::string text =
        "# header comment\n"
        "C Western\n"
        "# Andromeda\n"
        "M 358\nD 3627\nD 6860\nM 358\nD 3369\n"
        "# \n"
        "# Antlia\n"
        "M 94890\nd 90610\nX 1\nD\n"
        "C Chinese\n"
        "# Northern Dipper\n"
        "M 95689\nD 95418\n";
    const auto lines = ConstellationLines::FromText(text);
    ASSERT_EQ(lines.Figures().size(), 2u);
    EXPECT_EQ(lines.SkippedLines(), 2u);
    EXPECT_EQ(lines.Figures()[0].name, "Andromeda");
    const auto segments = ConstellationLines::Segments(lines.Figures()[0]);
    ASSERT_EQ(segments.size(), 3u);  // the second M starts again from Alpheratz
    EXPECT_EQ(segments[0].fromHd, 358);
    EXPECT_EQ(segments[0].toHd, 3627);
    EXPECT_EQ(segments[1].fromHd, 3627);
    EXPECT_EQ(segments[2].fromHd, 358);
    EXPECT_EQ(segments[2].toHd, 3369);
    const auto antlia = ConstellationLines::Segments(lines.Figures()[1]);
    ASSERT_EQ(antlia.size(), 1u);
    EXPECT_TRUE(antlia[0].dashed);
    const auto chinese = ConstellationLines::FromText(text, "Chinese");
    ASSERT_EQ(chinese.Figures().size(), 1u);
    EXPECT_EQ(chinese.Figures()[0].name, "Northern Dipper");
    EXPECT_TRUE(ConstellationLines::Load("/nonexistent/clines.dat").Missing());
}

TEST(ConstellationLines, InstalledFileHasTheWesternFigures) {
    if (!Installed("clines.dat")) GTEST_SKIP() << "clines.dat not installed (kstars-data)";
    const auto lines = ConstellationLines::Load(DefaultSkyDataPath("clines.dat"));
    EXPECT_EQ(lines.SkippedLines(), 0u);
    EXPECT_GE(lines.Figures().size(), 85u);
    EXPECT_EQ(lines.Figures().front().name, "Andromeda");
    EXPECT_EQ(lines.Figures().front().steps.front().hd, 358);  // Alpheratz, HD 358
}

}  // namespace
