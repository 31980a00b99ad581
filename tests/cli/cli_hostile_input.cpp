// vagaris-cli on input a hostile or careless hand has touched: a comet line with a stray
// digit, a line without elements, an empty name, scales of 0 or less, a table running past
// the year 9999, and a damaged or empty settings file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/RunCli.h"
#include "support/TestHome.h"

namespace {

using vagaris::test::CliResult;
using vagaris::test::RunCli;
using vagaris::test::SplitLf;

// CometsCR.dat line 2, then the same line with a digit in the blank run between q and e
// (column 75), then a line with a name and nothing else.
const std::string kHaleBopp =
    "C/1995 O1 (Hale-Bopp)                          1997 03 29.0299  0.922046       0.994905 "
    "130.6979 281.7618  89.7572   -2.0   4.0";

class CliHostileInput : public ::testing::Test {
protected:
    void SetUp() override {
        std::string shifted = kHaleBopp;
        shifted[74] = '5';
        std::ofstream(home_.dir / "CometsCR.dat", std::ios::binary)
            << kHaleBopp << "\r\n"
            << shifted << "\r\n"
            << "C/2099 Z9 (Sin elementos)\r\n";
    }
    void WriteSettings(const std::string& bytes) const {
        std::ofstream(home_.dir / "vagaris.ini", std::ios::binary) << bytes;
    }
    std::vector<std::string> Object(int n) const {
        return {"--catalog", "CometsCR.dat", "--object", std::to_string(n)};
    }
    static std::vector<std::string> Plus(std::vector<std::string> a,
                                         const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }

    TestHome home_;
};

}  // namespace

// Hale-Bopp at 462 AU with exit 0, before.
TEST_F(CliHostileInput, AStrayDigitInACometLineIsRefused) {
    const std::vector<std::string> at = {"--at", "29/03/1997 00:43:03"};
    ASSERT_EQ(RunCli("circumstances", Plus(Object(0), at)).exitCode, 0);
    const CliResult r = RunCli("circumstances", Plus(Object(1), at));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Elementos orbitales no válidos\n");
    const CliResult table =
        RunCli("ephemeris", Plus(Object(1), {"--start", "01/03/1997", "--rows", "0003"}));
    EXPECT_EQ(table.exitCode, 1);
    EXPECT_EQ(table.err, "Elementos orbitales no válidos\n");
    EXPECT_EQ(
        RunCli("antitail", {"--catalog", (home_.dir / "CometsCR.dat").string(), "--year", "1997"})
            .err,
        "Elementos orbitales no válidos\n");
}

// A line without elements gave ephemeris, chart and orbit output of zeros with exit 0.
TEST_F(CliHostileInput, ALineWithoutElementsIsAnErrorNotZeros) {
    const CliResult table =
        RunCli("ephemeris", Plus(Object(2), {"--start", "01/03/1997", "--rows", "0003"}));
    EXPECT_EQ(table.exitCode, 1);
    EXPECT_EQ(table.err, "Elementos orbitales no válidos\n");
    EXPECT_EQ(SplitLf(table.out).size(), 6u);  // the header lines the page shows too
    const CliResult chart = RunCli("chart", Plus(Object(2), {"--at", "01/01/2011", "--csv"}));
    EXPECT_EQ(chart.exitCode, 1);
    EXPECT_EQ(chart.err, "Elementos orbitales no válidos\n");
    EXPECT_EQ(chart.out, "");
    const std::string picture = (home_.dir / "orbita.gif").string();
    const CliResult orbit = RunCli("orbit", Plus(Object(2), {"--at", "01/01/2011", "-o", picture}));
    EXPECT_EQ(orbit.exitCode, 1);
    EXPECT_EQ(orbit.err, "Elementos orbitales no válidos\n");
    EXPECT_FALSE(std::filesystem::exists(picture));
}

// An empty name is found in every name: it picked the first object.
TEST_F(CliHostileInput, AnEmptyNameIsRefused) {
    for (const char* name : {"", "  "}) {
        const CliResult r = RunCli("circumstances", {"--catalog", "CometsCR.dat", "--name", name});
        EXPECT_EQ(r.exitCode, 1) << "'" << name << "'";
        EXPECT_EQ(r.out, "") << "'" << name << "'";
        EXPECT_EQ(SplitLf(r.err).size(), 1u) << r.err;
        EXPECT_NE(r.err.find("--name"), std::string::npos) << r.err;
    }
}

// A negative resolution printed a negative exposure.
TEST_F(CliHostileInput, AScaleOfZeroOrLessIsRefused) {
    const std::vector<std::string> at = {"--at", "29/03/1997 00:43:03"};
    const struct {
        const char *option, *value, *message;
    } cases[] = {{"--res", "-2.7", "--res debe ser mayor que 0: '-2.7'\n"},
                 {"--res", "0", "--res debe ser mayor que 0: '0'\n"},
                 {"--fwhm", "-5", "--fwhm debe ser mayor que 0: '-5'\n"},
                 {"--fwhm", "0.0", "--fwhm debe ser mayor que 0: '0.0'\n"}};
    for (const auto& c : cases) {
        const CliResult r = RunCli("circumstances", Plus(Plus(Object(0), at), {c.option, c.value}));
        EXPECT_EQ(r.exitCode, 2) << c.option << " " << c.value;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1), c.message);  // the usage may follow
    }
}

// Years past 9999 were printed although such dates are refused as input.
TEST_F(CliHostileInput, TheEphemerisStopsBeforeTheFirstRowPastTheYear9999) {
    const CliResult r =
        RunCli("ephemeris", Plus(Object(0), {"--start", "30/12/9999 06:00:00", "--rows", "0005"}));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Fecha fuera de rango\n");
    const auto lines = SplitLf(r.out);
    ASSERT_EQ(lines.size(), 6u + 2u);  // the header, 30 and 31/12/9999
    EXPECT_EQ(lines.back().substr(0, 17), "31/12/9999  06:00");
}

// "'' is not a valid integer value" made the command unusable; now the broken values take
// their defaults, one line on stderr names the file and the lines, and the command goes on.
TEST_F(CliHostileInput, ADamagedSettingsFileIsToldOnceAndTheCommandGoesOn) {
    const std::vector<std::string> at = {"--at", "29/03/1997 00:43:03"};
    const CliResult clean = RunCli("circumstances", Plus(Object(0), at));
    ASSERT_EQ(clean.exitCode, 0) << clean.err;

    WriteSettings("\r\n\r\nx\r\n5.0\r\n000\r\n\r\n\r\nPOL\r\nSM\r\n");
    const CliResult damaged = RunCli("circumstances", Plus(Object(0), at));
    EXPECT_EQ(damaged.exitCode, 0);
    EXPECT_EQ(damaged.err, home_.programDir() +
                               "vagaris.ini, líneas 1, 2, 3 y 6: valores no válidos; se usan "
                               "los valores por omisión\n");
    EXPECT_EQ(damaged.out, clean.out);  // the defaults are the clean run's settings

    WriteSettings("");  // an empty file is a first run
    const CliResult empty = RunCli("circumstances", Plus(Object(0), at));
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.err, "");
    EXPECT_EQ(empty.out, clean.out);

    std::filesystem::remove(home_.dir / "vagaris.ini");
    std::filesystem::create_directory(home_.dir / "vagaris.ini");
    const CliResult folder = RunCli("circumstances", Plus(Object(0), at));
    EXPECT_EQ(folder.exitCode, 0);
    EXPECT_EQ(folder.err, "No se puede leer " + home_.programDir() +
                              "vagaris.ini; se usan los valores por omisión\n");
    EXPECT_EQ(folder.out, clean.out);
}
