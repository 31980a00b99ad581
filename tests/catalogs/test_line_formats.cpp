// The two catalog line layouts, the free-field scanner, the packed epoch and ReadElements.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "catalogs/LineFormats.h"
#include "core/ElementRecord.h"
#include "core/Errors.h"
#include "core/Time.h"
#include "support/ConversionError.h"
#include "support/SampleLines.h"

using namespace vagaris;

namespace {

using vagaris::test::ErrorOf;

const std::string& kHaleBopp = vagaris::test::kHaleBoppLine;
const std::string& kCeres = vagaris::test::kCeresLine;

std::vector<std::string> ScanAll(const std::string& text) {
    std::vector<std::string> out;
    std::size_t cursor = 1;
    for (int k = 0; k < 10; ++k) {
        std::string n = NumberScan(text, cursor);
        if (n.empty()) break;
        out.push_back(n);
    }
    return out;
}

TOrbitalElements Comet(const std::string& q, const std::string& e) {
    TOrbitalElements el;
    el.Name = "C/Test";
    el.Fecha = "2013 03 10.1677";
    el.q = q;
    el.e = e;
    el.w = "10";
    el.O = "20";
    el.i = "30";
    el.H = "5.0";
    el.G = "4.0";
    return el;
}

TOrbitalElements MinorPlanet(const std::string& a, const std::string& e) {
    TOrbitalElements el;
    el.Name = "(1) Test";
    el.Fecha = "2011 08 27.0";
    el.M = "12.5";
    el.a = a;
    el.e = e;
    el.w = "10";
    el.O = "20";
    el.i = "30";
    el.H = "3.35";
    el.G = "0.15";
    return el;
}

}  // namespace

TEST(UnpackEpoch, PackedDates) {
    struct Case {
        const char* packed;
        const char* text;
    } cases[] = {
        {"K107N", "2010 07 23.0"}, {"J96A1", "1996 10 01.0"}, {"I23C1", "1923 12 01.0"},
        {"K232P", "2023 02 25.0"}, {"K25BL", "2025 11 21.0"}, {"K249V", "2024 09 31.0"},
    };
    for (const auto& c : cases) EXPECT_EQ(UnpackEpoch(c.packed), c.text) << c.packed;
    // A day character outside the set contributes nothing: not a valid date afterwards.
    EXPECT_FALSE(ErrorOf([] { ElementDateToInstant(UnpackEpoch("K107z")); }).empty());
}

TEST(NumberScan, FreeFieldNumbers) {
    EXPECT_EQ(ScanAll(" 0.98 0.9950 12.5"), (std::vector<std::string>{"0.98", "0.9950", "12.5"}));
    // The first character is never examined (column 63 of a comet line).
    EXPECT_EQ(ScanAll("51.0 2"), (std::vector<std::string>{"1.0", "2"}));
    // The character that ends a number is taken with it and only blanks are trimmed, so a
    // letter right after the digits stays (and fails the conversion later); an exponent is
    // not recognised.
    EXPECT_EQ(ScanAll(" 1e5 x7"), (std::vector<std::string>{"1e", "5", "7"}));
    // The end of the text stops the scan; further calls give empty fields.
    std::size_t cursor = 1;
    EXPECT_EQ(NumberScan(" 3", cursor), "3");
    EXPECT_EQ(NumberScan(" 3", cursor), "");
    EXPECT_EQ(NumberScan(" 3", cursor), "");
    cursor = 1;
    EXPECT_EQ(NumberScan("", cursor), "");
}

TEST(NumberScan, MinusDirectlyBeforeANumberKeepsItsSign) {
    EXPECT_EQ(ScanAll("x-3.5"), (std::vector<std::string>{"-3.5"}));
    EXPECT_EQ(ScanAll(" 13.5 -2.0 4.0"), (std::vector<std::string>{"13.5", "-2.0", "4.0"}));
    EXPECT_EQ(ScanAll(" -.5"), (std::vector<std::string>{"-.5"}));
    // Column 63 itself may hold the sign of the first number.
    EXPECT_EQ(ScanAll("-2.0 4.0"), (std::vector<std::string>{"-2.0", "4.0"}));
    // A minus that is not directly before the digits only separates.
    EXPECT_EQ(ScanAll(" - 3"), (std::vector<std::string>{"3"}));
}

TEST(CometLine, RealSampleLineWithNegativeMagnitude) {
    const TOrbitalElements el = ParseCometLine(kHaleBopp);
    EXPECT_EQ(el.Name, "C/1995 O1 (Hale-Bopp)");
    EXPECT_EQ(el.Fecha, "1997 03 29.0299");
    EXPECT_EQ(el.M, "");
    EXPECT_EQ(el.a, "");
    EXPECT_EQ(el.q, "0.922046");
    EXPECT_EQ(el.e, "0.994905");
    EXPECT_EQ(el.w, "130.6979");
    EXPECT_EQ(el.O, "281.7618");
    EXPECT_EQ(el.i, "89.7572");
    EXPECT_EQ(el.H, "-2.0");
    EXPECT_EQ(el.G, "4.0");
}

TEST(CometLine, ShortAndEmptyLinesGiveEmptyFields) {
    EXPECT_EQ(ParseCometLine(""), TOrbitalElements{});
    const TOrbitalElements cut = ParseCometLine(kHaleBopp.substr(0, 95));
    EXPECT_EQ(cut.w, "130.697");  // the number ends with the text
    EXPECT_EQ(cut.O, "");
    EXPECT_EQ(cut.G, "");
}

TEST(MinorPlanetLine, RealSampleLine) {
    const TOrbitalElements el = ParseMinorPlanetLine(kCeres);
    EXPECT_EQ(el.Name, "(1) Ceres");
    EXPECT_EQ(el.Fecha, "2025 11 21.0");
    EXPECT_EQ(el.M, "231.5397");
    EXPECT_EQ(el.a, "2.76562");
    EXPECT_EQ(el.q, "");
    EXPECT_EQ(el.e, "0.079576");
    EXPECT_EQ(el.w, "73.2997");
    EXPECT_EQ(el.O, "80.2496");
    EXPECT_EQ(el.i, "10.5879");
    EXPECT_EQ(el.H, "3.35");
    EXPECT_EQ(el.G, "0.15");
    EXPECT_EQ(ParseMinorPlanetLine(""), TOrbitalElements{});
    EXPECT_EQ(ParseMinorPlanetLine(kCeres.substr(0, 50)).Fecha, "202");
}

TEST(LineEnds, CrLfLfAndCrAreAllRemoved) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(StripLineEnd(kCeres + "\r\n"), kCeres);
    // A catalog with LF ends reads with the same columns as one with CR LF ends.
    const std::string path = ::testing::TempDir() + "lf_catalog.dat";
    std::ofstream(path, std::ios::binary) << kHaleBopp << "\n" << kHaleBopp << "\r\n";
    const auto lines = ReadCatalogLines(path);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(ParseCometLine(lines[0]), ParseCometLine(lines[1]));
    EXPECT_EQ(ParseCometLine(lines[0]).G, "4.0");
}

TEST(ReadElements, CometDerivesTheSemiMajorAxis) {
    const TElementValues v = ReadElements(ParseCometLine(kHaleBopp));
    EXPECT_FALSE(v.IsMinorPlanet);
    EXPECT_FALSE(v.HasM);
    EXPECT_DOUBLE_EQ(v.a, 0.922046 / (1 - 0.994905));
    EXPECT_EQ(v.H, -2.0);
    EXPECT_DOUBLE_EQ(v.EpochTime, EncodeDate(1997, 3, 29) + 0.0299);
}

TEST(ReadElements, MinorPlanetDerivesThePerihelionDistance) {
    const TElementValues v = ReadElements(MinorPlanet("2.5", "0.2"));
    EXPECT_TRUE(v.IsMinorPlanet);
    EXPECT_TRUE(v.HasM);
    EXPECT_EQ(v.M0, 12.5);
    EXPECT_DOUBLE_EQ(v.q, 2.0);
    EXPECT_EQ(v.EpochTime, EncodeDate(2011, 8, 27));
}

TEST(ReadElements, NearParabolicNudgeOnlyForCometStyleSets) {
    for (const char* e : {"1.000000", "0.999995", "1.000009"}) {
        const TElementValues v = ReadElements(Comet("0.5", e));
        EXPECT_EQ(v.e, 1.00001) << e;
        EXPECT_NEAR(v.a, -100000.0 * 0.5, 1e-6) << e;  // q / (1 − 1.00001)
    }
    EXPECT_EQ(ReadElements(Comet("0.5", "0.99998")).e, 0.99998);  // beyond 1e-5: kept
    EXPECT_EQ(ReadElements(MinorPlanet("3.0", "0.999995")).e, 0.999995);
}

TEST(ReadElements, ConversionFailuresNameTheFirstBadField) {
    EXPECT_EQ(ErrorOf([] { ReadElements(Comet("0.5", "")); }),
              "'' is not a valid floating point value");
    EXPECT_EQ(ErrorOf([] { ReadElements(Comet("0.5", "1e999")); }),
              "'1e999' is not a valid floating point value");
    TOrbitalElements twoBad = Comet("0.5", "0.3x");
    twoBad.w = "bad";
    EXPECT_EQ(ErrorOf([&] { ReadElements(twoBad); }), "'0.3x' is not a valid floating point value");
    TOrbitalElements badDate = MinorPlanet("2.5", "0.2");
    badDate.Fecha = "2011 02 30.0";
    EXPECT_NE(ErrorOf([&] { ReadElements(badDate); }).find("is not a valid date"),
              std::string::npos);
    // A minor-planet line with blanks in the e columns.
    std::string blankE = kCeres;
    blankE.replace(79, 8, std::string(8, ' '));
    EXPECT_EQ(ErrorOf([&] { ReadElements(ParseMinorPlanetLine(blankE)); }),
              "'' is not a valid floating point value");
}
