// vagaris-cli circumstances, run as a separate process with VAGARIS_HOME in a temporary
// folder. Reference values are worked out here from the catalog lines, not from the program.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "support/RunCli.h"
#include "support/TestHome.h"

namespace {

using vagaris::test::CliResult;
using vagaris::test::SplitLf;

class CliCircumstances : public ::testing::Test {
protected:
    void SetUp() override {
        home_.copySample("CometsCR.dat");
        home_.copySample("BrightMinorPlanetsCR.dat");
    }

    // Runs "vagaris-cli circumstances ARGS" from the build folder (the catalogs are found in
    // the program folder).
    CliResult Run(const std::vector<std::string>& args) const {
        return vagaris::test::RunCli("circumstances", args);
    }
    void WriteHomeFile(const std::string& name, const std::string& bytes) const {
        std::ofstream(home_.dir / name, std::ios::binary) << bytes;
    }

    TestHome home_;
};

// Value of "key": number in a JSON text.
double JsonNumber(const std::string& json, const std::string& key) {
    std::smatch m;
    const std::regex re("\"" + key + "\": ([-+0-9.eE]+)");
    if (!std::regex_search(json, m, re)) {
        ADD_FAILURE() << "no " << key << " in " << json;
        return NAN;
    }
    return std::strtod(m[1].str().c_str(), nullptr);
}

std::string Fixed(const char* fmt, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, v);
    return buf;
}

// C/1995 O1 (Hale-Bopp), line 2 of the comet sample: perihelion 1997 03 29.0299 = 00:43:03.
const double kHaleBoppQ = 0.922046, kHaleBoppE = 0.994905;
const std::vector<std::string> kHaleBoppAtPerihelion = {
    "--catalog", "CometsCR.dat", "--object", "1", "--at", "29/03/1997 00:43:03"};

}  // namespace

TEST_F(CliCircumstances, CometPageRowsInTheirOrder) {
    const CliResult r = Run(kHaleBoppAtPerihelion);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.find('\r'), std::string::npos);  // LF line ends
    const auto lines = SplitLf(r.out);
    const char* captions[] = {"Distancia: ",
                              "Ar: ",
                              "Dec: ",
                              "Radio vector: ",
                              "Elongación: ",
                              "Ang. de fase: ",
                              "Magnitud: ",
                              "Velocidad ",
                              "Altura máxima (Sol -18°): ",
                              "Velocidad aparente: ",
                              "A.P: ",
                              "Exposición máxima: ",
                              "P:   "};
    ASSERT_EQ(lines.size(), std::size(captions)) << r.out;
    for (std::size_t k = 0; k < lines.size(); ++k)
        EXPECT_EQ(lines[k].rfind(captions[k], 0), 0u) << lines[k];

    // At perihelion r = q.
    EXPECT_EQ(lines[3],
              "Radio vector: 0.9220 UA  (" + Fixed("%.1f", 149.611 * kHaleBoppQ) + "  10^6 km)");
    // Speed by vis-viva at perihelion, a = q / (1 − e).
    const double a = kHaleBoppQ / (1 - kHaleBoppE);
    const double v = 29.8 * std::sqrt(2 / kHaleBoppQ - 1 / a);
    EXPECT_EQ(lines[7].rfind("Velocidad " + Fixed("%.2f", v) + "  km/s  -  ", 0), 0u) << lines[7];
    EXPECT_EQ(lines[12], "P:   " + Fixed("%.3f", std::pow(a, 1.5)) + " años");
    EXPECT_TRUE(std::regex_match(lines[1], std::regex("Ar: \\d\\dh \\d\\dm \\d\\d\\.\\d\\ds")));
    EXPECT_TRUE(std::regex_match(lines[10], std::regex("A\\.P: \\d+\\.\\d°")));
    EXPECT_TRUE(std::regex_match(lines[11], std::regex("Exposición máxima: \\d+ seg")));
}

TEST_F(CliCircumstances, NameSearchIgnoresCase) {
    const CliResult byIndex = Run(kHaleBoppAtPerihelion);
    const CliResult byName =
        Run({"--catalog", "CometsCR.dat", "--name", "hale-BOPP", "--at", "29/03/1997 00:43:03"});
    ASSERT_EQ(byName.exitCode, 0) << byName.err;
    EXPECT_EQ(byName.out, byIndex.out);
}

TEST_F(CliCircumstances, MinorPlanetRecordInModeEAndJson) {
    // (1) Ceres at its epoch: M = 231.5397°, so r = a (1 − e cos E) with E from Kepler's
    // equation, solved here by bisection.
    const std::vector<std::string> args = {
        "--catalog", "BrightMinorPlanetsCR.dat", "--object", "0", "--at", "21/11/2025", "--mode",
        "E"};
    const CliResult text = Run(args);
    ASSERT_EQ(text.exitCode, 0) << text.err;
    const auto lines = SplitLf(text.out);
    const char* fields[] = {"RightAscension", "Declination",     "Delta",         "SunDistance",
                            "Elongation",     "PhaseAngle",      "Magnitude",     "Speed",
                            "MaxAltitude",    "Motion",          "MotionRA",      "MotionDec",
                            "MotionPA",       "ReverseMotionPA", "RadiusVectorPA"};
    ASSERT_EQ(lines.size(), std::size(fields)) << text.out;
    for (std::size_t k = 0; k < lines.size(); ++k)
        EXPECT_EQ(lines[k].rfind(std::string(fields[k]) + " ", 0), 0u) << lines[k];

    const double a = 2.76562, e = 0.079576, M = 231.5397 * M_PI / 180;
    double lo = M - 1, hi = M + 1;
    for (int k = 0; k < 200; ++k) {
        const double mid = (lo + hi) / 2;
        (mid - e * std::sin(mid) - M < 0 ? lo : hi) = mid;
    }
    const double r = a * (1 - e * std::cos(lo));
    const double sunDistance = std::strtod(lines[3].substr(12).c_str(), nullptr);
    EXPECT_NEAR(sunDistance, r, 1e-9);

    std::vector<std::string> jsonArgs = args;
    jsonArgs.push_back("--json");
    const CliResult json = Run(jsonArgs);
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_EQ(json.out.rfind("{\"name\": \"(1) Ceres\", \"instant\": 45982, \"record\": {", 0), 0u)
        << json.out;
    EXPECT_EQ(json.out.find("\"labels\""), std::string::npos);  // only in mode R
    // The numbers read back to the very doubles the text output shows.
    for (std::size_t k = 0; k < lines.size(); ++k)
        EXPECT_EQ(JsonNumber(json.out, fields[k]),
                  std::strtod(lines[k].substr(std::string(fields[k]).size() + 1).c_str(), nullptr))
            << fields[k];
}

TEST_F(CliCircumstances, JsonInModeRCarriesTheLabels) {
    std::vector<std::string> args = kHaleBoppAtPerihelion;
    args.push_back("--json");
    const CliResult r = Run(args);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* label :
         {"Label34", "Label12", "Label13", "Label35", "Label14", "Label15", "Label38", "Label39",
          "Label69", "Label70", "Label71", "Label72", "Label16"})
        EXPECT_NE(r.out.find(std::string("\"") + label + "\": \""), std::string::npos) << label;
    EXPECT_NE(r.out.find("\"Label66\": \"Velocidad aparente:\""), std::string::npos);
    EXPECT_NE(r.out.find("\"Label35\": \"0.9220 UA  (137.9  10^6 km)\""), std::string::npos);
    EXPECT_NE(r.out.find("\"name\": \"C/1995 O1 (Hale-Bopp)\""), std::string::npos);
}

TEST_F(CliCircumstances, SettingsFileThenFlags) {
    WriteHomeFile("vagaris.ini", "+40\r\n0000\r\n2.7\r\n5.0\r\n000\r\n1\r\n\r\nCARTE\r\nSH\r\n");
    const CliResult fromFile = Run(kHaleBoppAtPerihelion);
    ASSERT_EQ(fromFile.exitCode, 0) << fromFile.err;
    const auto lines = SplitLf(fromFile.out);
    ASSERT_GE(lines.size(), 12u);
    EXPECT_TRUE(std::regex_match(lines[9], std::regex("Vel\\. aparente AR: [+-]\\d+\\.\\d\"/hora")))
        << lines[9];
    EXPECT_TRUE(
        std::regex_match(lines[10], std::regex("Vel\\. aparente Dec: [+-]\\d+\\.\\d\"/hora")))
        << lines[10];
    EXPECT_TRUE(std::regex_match(lines[11], std::regex("Exposición máxima: \\d+m  \\d+s")))
        << lines[11];

    std::vector<std::string> args = kHaleBoppAtPerihelion;
    for (const char* flag : {"--polar", "--per-minute", "--exposure-format", "seconds"})
        args.push_back(flag);
    const CliResult overridden = Run(args);
    ASSERT_EQ(overridden.exitCode, 0) << overridden.err;
    EXPECT_NE(overridden.out.find("Velocidad aparente: "), std::string::npos);
    EXPECT_NE(overridden.out.find("\"/minuto"), std::string::npos);
    EXPECT_TRUE(std::regex_search(overridden.out, std::regex("Exposición máxima: \\d+ seg")));
    // The file itself is not rewritten by the command.
    EXPECT_EQ(vagaris::test::ReadBytes(home_.dir / "vagaris.ini"),
              "+40\r\n0000\r\n2.7\r\n5.0\r\n000\r\n1\r\n\r\nCARTE\r\nSH\r\n");
}

TEST_F(CliCircumstances, OtherFileNamesNeedTheKind) {
    home_.copySample("CometsCR.dat", "mis_cometas.txt");
    const std::vector<std::string> base = {"--catalog", "mis_cometas.txt",    "--object", "1",
                                           "--at",      "29/03/1997 00:43:03"};
    EXPECT_EQ(Run(base).exitCode, 2);
    std::vector<std::string> withKind = base;
    withKind.push_back("--kind");
    withKind.push_back("C");
    const CliResult r = Run(withKind);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, Run(kHaleBoppAtPerihelion).out);
}

TEST_F(CliCircumstances, UsageErrorsExit2) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--catalog", "CometsCR.dat"},  // no object
        {"--object", "0"},              // no catalog
        {"--catalog", "CometsCR.dat", "--object", "0", "--mode", "X"},
        {"--catalog", "CometsCR.dat", "--object", "0", "--bogus"},
        {"--catalog", "CometsCR.dat", "--object", "0", "--name", "Halley"},
        {"--catalog", "CometsCR.dat", "--object", "0", "--polar", "--cartesian"},
        {"--catalog", "CometsCR.dat", "--object", "0", "--res", "fino"},
        {"--catalog", "CometsCR.dat", "--object", "0", "--twilight", "dusk"},
        {"--catalog", "CometsCR.dat", "--object", "uno"},
        {"--catalog", "CometsCR.dat", "--object"},
    };
    for (const auto& args : cases) {
        const CliResult r = Run(args);
        EXPECT_EQ(r.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_FALSE(r.err.empty()) << ::testing::PrintToString(args);
    }
}

TEST_F(CliCircumstances, FailuresExit1WithTheWindowsMessage) {
    // A minor-planet line with blanks where e belongs, and one with a negative a.
    std::string ceres =
        "(1) Ceres                                      2025 11 21.0 231.5397  2.76562  0.079576  "
        "73.2997  80.2496  10.5879  3.35   0.15";
    std::string blankE = ceres;
    blankE.replace(79, 8, std::string(8, ' '));
    std::string negativeA = ceres;
    negativeA.replace(68, 9, " -2.76562");
    WriteHomeFile("malos.dat", blankE + "\r\n" + negativeA + "\r\n");

    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"--catalog", "malos.dat", "--kind", "A", "--object", "0", "--at", "01/01/2025"},
         "'' is not a valid floating point value\n"},
        {{"--catalog", "malos.dat", "--kind", "A", "--object", "1", "--at", "01/01/2025"},
         "Elementos orbitales no válidos\n"},
        {{"--catalog", "CometsCR.dat", "--object", "0", "--at", "31/02/2024"},
         "'31/02/2024' is not a valid date\n"},
        {{"--catalog", "CometsCR.dat", "--object", "0", "--at", "01/01/2024 25:00:00"},
         "'25:00:00' is not a valid time\n"},
    };
    for (const auto& c : cases) {
        const CliResult r = Run(c.args);
        EXPECT_EQ(r.exitCode, 1) << ::testing::PrintToString(c.args);
        EXPECT_EQ(r.err, c.message) << ::testing::PrintToString(c.args);
    }
    const CliResult missing = Run({"--catalog", "NoExiste.dat", "--kind", "A", "--object", "0"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "Archivo de elementos orbitales no encontrado\n");
    EXPECT_EQ(
        Run({"--catalog", "CometsCR.dat", "--object", "100000", "--at", "01/01/2024"}).exitCode, 1);
    EXPECT_EQ(
        Run({"--catalog", "CometsCR.dat", "--name", "zzzz-nada", "--at", "01/01/2024"}).exitCode,
        1);
}

TEST_F(CliCircumstances, BadResolutionInTheSettingsFileShowsTheRowsBeforeIt) {
    WriteHomeFile("vagaris.ini", "+40\r\n0000\r\nx\r\n5.0\r\n000\r\n0\r\n\r\nPOL\r\nSM\r\n");
    const CliResult r = Run(kHaleBoppAtPerihelion);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "'x' is not a valid floating point value\n");
    const auto lines = SplitLf(r.out);
    ASSERT_EQ(lines.size(), 11u) << r.out;  // up to the motion rows; no exposure, no period
    EXPECT_EQ(lines.back().rfind("A.P: ", 0), 0u);
}

TEST_F(CliCircumstances, TwilightChoiceServesModeTOnly) {
    const std::vector<std::string> base = {"--catalog", "CometsCR.dat", "--object",
                                           "1",         "--at",         "29/03/1997 00:43:03"};
    auto with = [&](std::initializer_list<const char*> extra) {
        std::vector<std::string> args = base;
        args.insert(args.end(), extra.begin(), extra.end());
        const CliResult r = Run(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r.out;
    };
    const std::string e = with({"--mode", "E"});
    EXPECT_EQ(with({"--mode", "E", "--twilight", "civil"}), e);
    EXPECT_EQ(with({"--mode", "T", "--twilight", "astro"}), e);  // the same 18° limit
    const std::string civil = with({"--mode", "T", "--twilight", "civil"});
    // Only the maximum altitude can differ; the position lines are the same.
    EXPECT_EQ(civil.substr(0, civil.find("MaxAltitude")), e.substr(0, e.find("MaxAltitude")));
}
