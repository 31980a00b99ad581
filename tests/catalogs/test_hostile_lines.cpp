// Catalog lines a hostile or careless hand has touched: a stray digit that shifts the comet
// fields, elements outside their ranges, absurd values that overflow, epochs far outside the
// calendar, and a line of 1 MB. Each is refused with "Elementos orbitales no válidos" (or
// its conversion message) instead of giving wrong numbers; the sample catalogs read as before.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/ElementRecord.h"
#include "catalogs/CometLine.h"
#include "catalogs/LineFormats.h"
#include "core/Circumstances.h"
#include "core/Errors.h"
#include "core/Session.h"
#include "core/Time.h"
#include "outputs/antitail/AntiTailSearch.h"
#include "outputs/ea/Tisserand.h"
#include "support/ConversionError.h"
#include "support/TempFolder.h"

using namespace vagaris;
using vagaris::test::ErrorOf;

namespace {

// CometsCR.dat line 2 and BrightMinorPlanetsCR.dat line 1.
const std::string kHaleBopp =
    "C/1995 O1 (Hale-Bopp)                          1997 03 29.0299  0.922046       0.994905 "
    "130.6979 281.7618  89.7572   -2.0   4.0";
const std::string kCeres =
    "(1) Ceres                                      2025 11 21.0 231.5397  2.76562  0.079576  "
    "73.2997  80.2496  10.5879  3.35   0.15";

// The line with 1-based column `column` replaced by `c`.
std::string WithColumn(std::string line, std::size_t column, char c) {
    line[column - 1] = c;
    return line;
}

// Columns first..last replaced by text, right-aligned in them.
std::string WithField(const std::string& line, std::size_t first, std::size_t last,
                      const std::string& text) {
    const std::size_t width = last - first + 1;
    std::string field = std::string(width - text.size(), ' ') + text;
    return line.substr(0, first - 1) + field + line.substr(last);
}

// Peak resident memory of this process so far [KiB].
long PeakRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

Session SessionOn(const TOrbitalElements& el, Instant t) {
    Session s;
    s.Elements = el;
    s.CurrentInstant = t;
    FillPlanetRecords(s);
    return s;
}

}  // namespace

TEST(StrayDigit, ACometLineWithAnEighthNumberIsRefusedEverywhere) {
    // One digit in the blank run between q and e used to shift every element into the next
    // field: Hale-Bopp at 462 AU, and no error.
    const std::string shifted = WithColumn(kHaleBopp, 75, '5');
    const TOrbitalElements el = ParseCometLine(shifted);
    EXPECT_TRUE(el.ExtraNumbers);
    EXPECT_FALSE(ParseCometLine(kHaleBopp).ExtraNumbers);
    EXPECT_EQ(ErrorOf([&] { ReadElements(el); }), kInvalidElementsMessage);
    Session s = SessionOn(el, EncodeDate(1997, 3, 29));
    EXPECT_EQ(ErrorOf([&] { ComputeCircumstances(s, CircumstanceMode::R); }),
              kInvalidElementsMessage);
    EXPECT_EQ(ErrorOf([&] { EvaluateCometLine(shifted, EncodeDate(1997, 3, 29)); }),
              kInvalidElementsMessage);
    EXPECT_EQ(ErrorOf([&] { AntiTailList({kHaleBopp, shifted}, 1997); }), kInvalidElementsMessage);
    EXPECT_EQ(ErrorOf([&] { EaPointFromElements(el); }), kInvalidElementsMessage);
    // A number after the seven, wherever it stands.
    EXPECT_TRUE(ParseCometLine(kHaleBopp + "  7").ExtraNumbers);
}

TEST(StrayDigit, EveryLineOfTheSampleCatalogsStillReads) {
    const char* files[] = {"CometsCR.dat", "BrightMinorPlanetsCR.dat", "CriticalListCR.dat",
                           "DistantObjectsCR.dat", "NeosAndUnusualCR.dat"};
    for (const char* name : files) {
        const auto lines = ReadCatalogLines(std::string(VAGARIS_SAMPLES_DIR) + "/" + name);
        ASSERT_FALSE(lines.empty()) << name;
        const bool comets = std::string(name) == "CometsCR.dat";
        for (std::size_t k = 0; k < lines.size(); ++k) {
            const TOrbitalElements el =
                comets ? ParseCometLine(lines[k]) : ParseMinorPlanetLine(lines[k]);
            EXPECT_FALSE(el.ExtraNumbers) << name << " line " << k + 1;
            EXPECT_EQ(ErrorOf([&] { ReadElements(el); }), "") << name << " line " << k + 1;
        }
    }
}

TEST(ElementRanges, ElementsOutsideTheirRangesAreRefused) {
    struct Case {
        const char* why;
        std::size_t first, last;  // the comet field's columns
        const char* text;
        bool refused;
    } cases[] = {
        {"q = 0", 65, 72, "0.000000", true},
        {"e < 0", 80, 87, "-0.10000", true},
        {"e = 0", 80, 87, "0.000000", false},
        {"i = 180 exactly", 107, 114, "180.0000", false},
        {"i above 180", 107, 114, "180.0001", true},
        {"w = 360 exactly", 89, 96, "360.0000", false},
        {"w above 360", 89, 96, "360.5000", true},
        {"Node above 360", 98, 105, "400.0000", true},
    };
    for (const auto& c : cases) {
        const std::string line = WithField(kHaleBopp, c.first, c.last, c.text);
        const TOrbitalElements el = ParseCometLine(line);
        ASSERT_FALSE(el.ExtraNumbers) << c.why << ": " << line;
        EXPECT_EQ(ErrorOf([&] { ReadElements(el); }), c.refused ? kInvalidElementsMessage : "")
            << c.why << ": " << line;
    }
}

TEST(AbsurdElements, GiveAnErrorInsteadOfNaNOrFarFutureDates) {
    // An epoch day of "01.1e99" moved the epoch by 1e98 days.
    TOrbitalElements farEpoch = ParseCometLine(kHaleBopp);
    farEpoch.Fecha = "2020 01 01.1e99";
    EXPECT_EQ(ErrorOf([&] { ReadElements(farEpoch); }), kInvalidElementsMessage);
    EXPECT_EQ(ErrorOf([] { ElementDateToInstant("1997 03 29.9999"); }), "");
    // a = 1e300 converts and lies in its range, but every distance overflows: NaN was printed.
    const TOrbitalElements huge = ParseMinorPlanetLine(WithField(kCeres, 69, 77, "1e300"));
    ASSERT_EQ(huge.a, "1e300");
    Session s = SessionOn(huge, EncodeDate(2025, 11, 21));
    EXPECT_EQ(ErrorOf([&] { ComputeCircumstances(s, CircumstanceMode::R); }),
              kInvalidElementsMessage);
    for (const char* text : {"nan", "inf", "1e999"})
        EXPECT_EQ(
            ErrorOf([&] { ReadElements(ParseMinorPlanetLine(WithField(kCeres, 69, 77, text))); }),
            std::string("'") + text + "' is not a valid floating point value");
}

TEST(BoundedWork, ALineOfOneMegabyteIsReadInBoundedMemory) {
    const vagaris::test::TempFolder folder("vagaris-long-line");
    const std::string megabyteOfNumbers = kHaleBopp + std::string(1 << 20, ' ') + "1";
    std::string megabyteOfDigits = kHaleBopp.substr(0, 64) + std::string(1 << 20, '7');
    const std::filesystem::path file = folder.dir / "long.dat";
    std::ofstream(file, std::ios::binary) << megabyteOfNumbers << "\r\n"
                                          << megabyteOfDigits << "\n"
                                          << kHaleBopp;
    const long before = PeakRssKiB();
    const auto lines = ReadCatalogLines(file.string());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), megabyteOfNumbers.size());
    EXPECT_TRUE(ParseCometLine(lines[0]).ExtraNumbers);  // the number far away is the eighth
    EXPECT_EQ(ErrorOf([&] { ReadElements(ParseCometLine(lines[0])); }), kInvalidElementsMessage);
    // One number of a million digits does not convert.
    EXPECT_NE(ErrorOf([&] { ReadElements(ParseCometLine(lines[1])); }), "");
    EXPECT_EQ(ErrorOf([&] { ReadElements(ParseMinorPlanetLine(lines[1])); }).substr(0, 1), "'");
    EXPECT_EQ(ErrorOf([&] { ReadElements(ParseCometLine(lines[2])); }), "");
    // A few copies of the line at most, not a quadratic amount.
    EXPECT_LT(PeakRssKiB() - before, 64 * 1024);
}
