// Reading stars.dat: its fixed columns, the unit of its proper motions (settled against the
// Hipparcos catalogue), the names, and the lines that do not convert.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "catalogs/stars/StarCatalog.h"
#include "core/Angles.h"

namespace {

using vagaris::Deg;
using vagaris::stars::ParseStarLine;
using vagaris::stars::StarCatalog;

const std::string kSirius =
    "064508.92 -164258.0 -000546.0-001223.100379.2 -1.4400.01A0 1            , alp CMa, Sirius";
const std::string kArcturus =
    "141539.67 +191056.7 -001093.5-001999.400088.8 -0.0501.24K2 1            , alp Boo, Arcturus";
const std::string k61CygA = "210653.95 +384457.9 +004155.1+003258.900287.1 05.2001.07K5 0";
const std::string kRigel =
    "051432.27 -081205.9 +000001.9-000000.600004.2 00.18-0.03B8 0 0.05   2.07, bet Ori, Rigel";
const std::string kAlpha2Cen =
    "143935.08 -605013.8 -003600.3+000952.100742.1 01.3500.90K1 1            , alp2Cen";

TEST(StarLine, FieldsOfSirius) {
    const auto star = ParseStarLine(kSirius);
    ASSERT_TRUE(star);
    EXPECT_NEAR(Deg(star->ra) / 15.0, 6 + 45 / 60.0 + 8.92 / 3600.0, 1e-12);
    EXPECT_NEAR(Deg(star->dec), -(16 + 42 / 60.0 + 58.0 / 3600.0), 1e-12);
    EXPECT_DOUBLE_EQ(star->parallax, 379.2);
    EXPECT_DOUBLE_EQ(star->magnitude, -1.44);
    EXPECT_DOUBLE_EQ(star->colourBV, 0.01);
    EXPECT_EQ(star->spectralType, "A0");
    EXPECT_EQ(star->designation, "alp CMa");
    EXPECT_EQ(star->properName, "Sirius");
    EXPECT_EQ(star->Name(), "Sirius");
}

TEST(StarLine, NamesNegativeColourAndNoName) {
    const auto rigel = ParseStarLine(kRigel);
    ASSERT_TRUE(rigel);
    EXPECT_DOUBLE_EQ(rigel->colourBV, -0.03);
    EXPECT_EQ(rigel->Name(), "Rigel");
    const auto cen = ParseStarLine(kAlpha2Cen);
    ASSERT_TRUE(cen);
    EXPECT_EQ(cen->designation, "alp2Cen");
    EXPECT_EQ(cen->properName, "");
    EXPECT_EQ(cen->Name(), "alp2Cen");
    const auto cyg = ParseStarLine(k61CygA);
    ASSERT_TRUE(cyg);
    EXPECT_EQ(cyg->Name(), "");
    EXPECT_EQ(cyg->spectralType, "K5");
}

// The header gives no unit for pmRA and pmDEC. The Hipparcos catalogue (ESA 1997, SP-1200,
// VizieR I/239, fields pmRA = μα·cos δ and pmDE, in mas/yr) has:
//   HIP 32349 Sirius      pmRA  −546.01  pmDE −1223.08
//   HIP 69673 Arcturus    pmRA −1093.45  pmDE −1999.40
//   HIP 104214 61 Cyg A   pmRA  4155.10  pmDE  3258.90  (total 5.281"/yr, the star's famous
//                                                        "5.2 arcseconds a year")
// so the columns are mas/yr and the RA one already carries the cos δ factor (61 Cyg A at
// δ = 38.7° would otherwise move 3.24"/yr·cos δ in RA, not 4.16").
TEST(StarLine, ProperMotionsAreHipparcosMasPerYearWithCosDec) {
    struct Case {
        const std::string* line;
        double pmRa, pmDec;
    };
    for (const Case& c : {Case{&kSirius, -546.01, -1223.08}, Case{&kArcturus, -1093.45, -1999.40},
                          Case{&k61CygA, 4155.10, 3258.90}}) {
        const auto star = ParseStarLine(*c.line);
        ASSERT_TRUE(star) << *c.line;
        EXPECT_NEAR(star->pmRaCosDec, c.pmRa, 0.06) << *c.line;
        EXPECT_NEAR(star->pmDec, c.pmDec, 0.06) << *c.line;
    }
    const auto cyg = ParseStarLine(k61CygA);
    EXPECT_NEAR(std::hypot(cyg->pmRaCosDec, cyg->pmDec) / 1000.0, 5.281, 0.001);
}

TEST(StarLine, SixtySecondsAsTheFileRoundsThemCarryOver) {
    // kap Cas as written in stars.dat: 00h32m60.00s is 00h33m00s.
    const auto star = ParseStarLine(
        "003260.00 +625554.4 +000004.0-000002.100000.8 04.1700.13B1 0            , kap Cas");
    ASSERT_TRUE(star);
    EXPECT_NEAR(Deg(star->ra) * 240, 33 * 60, 1e-9);  // seconds of time
}

TEST(StarLine, LinesThatDoNotConvert) {
    std::string shortLine = kSirius.substr(0, 50);
    std::string badHour = kSirius;
    badHour.replace(0, 2, "24");
    std::string badMinute = kSirius;
    badMinute.replace(2, 2, "61");
    std::string noSign = kSirius;
    noSign[10] = ' ';
    std::string letterInPm = kSirius;
    letterInPm[24] = 'x';
    std::string doubleSign = kSirius;
    doubleSign.replace(20, 2, "+-");
    std::string badMag = kSirius;
    badMag.replace(46, 5, "  .  ");
    std::string shiftedColumn = " " + kSirius;
    std::string overNinety = kSirius;
    overNinety.replace(11, 2, "91");
    std::string overSixtySeconds = kSirius;
    overSixtySeconds.replace(4, 5, "60.01");
    for (const std::string& line : {overSixtySeconds, shortLine, badHour, badMinute, noSign,
                                    letterInPm, doubleSign, badMag, shiftedColumn, overNinety})
        EXPECT_FALSE(ParseStarLine(line)) << line;
}

TEST(StarCatalog, CommentsAreSkippedBadLinesCountedAndLineEndsEitherWay) {
    const std::string text = "# header\r\n#  RA  DEC\n" + kSirius + "\r\n\n" + kArcturus +
                             "\ngarbage line\n" + kRigel.substr(0, 40) + "\n" + k61CygA;
    const StarCatalog catalog = StarCatalog::FromText(text);
    EXPECT_FALSE(catalog.Missing());
    ASSERT_EQ(catalog.Stars().size(), 3u);
    EXPECT_EQ(catalog.Stars()[0].properName, "Sirius");
    EXPECT_EQ(catalog.Stars()[1].properName, "Arcturus");
    EXPECT_EQ(catalog.SkippedLines(), 2u);
    EXPECT_NEAR(catalog.LargestProperMotion(), std::hypot(4155.1, 3258.9), 1e-9);
}

TEST(StarCatalog, AMissingFileIsAnEmptyCatalogThatSaysSo) {
    const StarCatalog catalog = StarCatalog::Load("/nonexistent/vagaris/stars.dat");
    EXPECT_TRUE(catalog.Missing());
    EXPECT_TRUE(catalog.Stars().empty());
    EXPECT_EQ(catalog.SkippedLines(), 0u);
    EXPECT_EQ(vagaris::stars::DefaultStarCatalogPath(), "/usr/share/kstars/stars.dat");
}

TEST(StarCatalog, TheInstalledFile) {
    const std::string path = vagaris::stars::DefaultStarCatalogPath();
    if (!std::filesystem::exists(path)) GTEST_SKIP() << path << " is not installed (kstars-data)";
    const StarCatalog& catalog = vagaris::stars::SharedStarCatalog();
    EXPECT_FALSE(catalog.Missing());
    EXPECT_EQ(catalog.Stars().size(), 125982u);
    EXPECT_EQ(catalog.SkippedLines(), 0u);
    EXPECT_EQ(&catalog, &vagaris::stars::SharedStarCatalog());
    EXPECT_EQ(catalog.Stars().front().properName, "Sirius");
    for (const auto& star : catalog.Stars()) {
        ASSERT_GE(star.ra, 0);
        ASSERT_LT(star.ra, 2 * vagaris::kPi);
        ASSERT_LE(std::abs(star.dec), vagaris::kPi / 2);
    }
}

}  // namespace
