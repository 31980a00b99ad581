// vagaris-cli circumstances, run as a separate process with VAGARIS_HOME in a temporary
// folder. Reference values are worked out here from the catalog lines, not from the program.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <cmath>
#include <cstring>
#include <limits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "support/JsonOutput.h"
#include "support/RunCli.h"
#include "support/TestHome.h"

namespace {

using vagaris::test::CliResult;
using vagaris::test::ExpectNoWidgetNameKeys;
using vagaris::test::ParseJsonObject;
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
    EXPECT_EQ(SplitLf(json.out).size(), 1u) << json.out;  // one line
    const QJsonObject doc = ParseJsonObject(json.out);
    EXPECT_EQ(doc.keys(), (QStringList{"instant", "name", "record"}));  // texts only in mode R
    EXPECT_EQ(doc["name"].toString(), "(1) Ceres");
    EXPECT_EQ(doc["instant"].toDouble(), 45982.0);
    const QJsonObject record = doc["record"].toObject();
    EXPECT_EQ(record.size(), static_cast<qsizetype>(std::size(fields)));
    // The numbers read back to the very doubles the text output shows.
    for (std::size_t k = 0; k < lines.size(); ++k)
        EXPECT_EQ(record[fields[k]].toDouble(),
                  std::strtod(lines[k].substr(std::string(fields[k]).size() + 1).c_str(), nullptr))
            << fields[k];
    ExpectNoWidgetNameKeys(doc);
}

// The JSON writer (Qt's) must give back every double exactly, whatever its size, and write
// NaN and infinity, which JSON lacks, as null. Qt writes whole numbers up to 2^53 as integers,
// so -0 comes back as 0: equal as a double, only the sign bit of zero is lost.
TEST(CliJson, DoublesReadBackToTheSameBits) {
    const double values[] = {0.1,
                             1.0 / 3,
                             -2.0 / 3,
                             45982.0,
                             45982.000011574074,
                             6.283185307179586,
                             1e-300,
                             4.9406564584124654e-324,  // smallest subnormal
                             1.7976931348623157e308,
                             9007199254740994.0,  // beyond 2^53
                             123456789012345678901234.0,
                             -0.0};
    QJsonArray array;
    for (double v : values) array.append(v);
    array.append(std::numeric_limits<double>::quiet_NaN());
    array.append(std::numeric_limits<double>::infinity());
    const QByteArray text = QJsonDocument(QJsonObject{{"v", array}}).toJson(QJsonDocument::Compact);
    const QJsonArray back = ParseJsonObject(text.toStdString())["v"].toArray();
    ASSERT_EQ(back.size(), static_cast<qsizetype>(std::size(values) + 2)) << text.toStdString();
    for (std::size_t k = 0; k < std::size(values); ++k) {
        const double read = back[static_cast<qsizetype>(k)].toDouble();
        EXPECT_EQ(read, values[k]) << text.toStdString();
        if (values[k] != 0) {
            EXPECT_EQ(std::memcmp(&read, &values[k], sizeof read), 0)
                << values[k] << " came back as " << read << " in " << text.toStdString();
        }
    }
    EXPECT_TRUE(back[std::size(values)].isNull());
    EXPECT_TRUE(back[std::size(values) + 1].isNull());
}

// What the page shows, by name: "texts" holds each value label's text, "captions" the caption
// beside it in the display the settings choose; both have the same keys.
TEST_F(CliCircumstances, JsonInModeRCarriesTextsAndCaptionsByName) {
    const struct {
        const char* display;
        const char *motionKey, *motionCaption, *secondKey, *secondCaption;
    } displays[] = {
        {"--polar", "motion", "Velocidad aparente:", "position_angle", "A.P:"},
        {"--cartesian", "motion_ra", "Vel. aparente AR:", "motion_dec", "Vel. aparente Dec:"},
    };
    for (const auto& d : displays) {
        std::vector<std::string> args = kHaleBoppAtPerihelion;
        args.push_back(d.display);
        const CliResult text = Run(args);
        args.push_back("--json");
        const CliResult r = Run(args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const QJsonObject doc = ParseJsonObject(r.out);
        EXPECT_EQ(doc.keys(), (QStringList{"captions", "instant", "name", "record", "texts"}));
        EXPECT_EQ(doc["name"].toString(), "C/1995 O1 (Hale-Bopp)");
        const QJsonObject texts = doc["texts"].toObject();
        const QJsonObject captions = doc["captions"].toObject();
        QStringList keys = {"right_ascension", "declination",  "delta",     "sun_distance",
                            "elongation",      "phase_angle",  "magnitude", "speed",
                            "max_altitude",    "max_exposure", "period",    d.motionKey,
                            d.secondKey};
        keys.sort();
        EXPECT_EQ(texts.keys(), keys) << d.display;
        EXPECT_EQ(captions.keys(), keys) << d.display;
        EXPECT_EQ(texts["sun_distance"].toString(), "0.9220 UA  (137.9  10^6 km)");
        EXPECT_EQ(captions["sun_distance"].toString(), "Radio vector:");
        EXPECT_EQ(captions["max_altitude"].toString(), "Altura máxima (Sol -18°):");
        EXPECT_EQ(captions[d.motionKey].toString(), d.motionCaption);
        EXPECT_EQ(captions[d.secondKey].toString(), d.secondCaption);
        EXPECT_EQ(captions["period"].toString(), "");  // Label16 carries its own "P:"
        // Caption and text give back the text output's rows.
        const auto lines = SplitLf(text.out);
        ASSERT_EQ(lines.size(), 13u) << text.out;
        const auto row = [&](const char* key) {
            return (captions[key].toString() + " " + texts[key].toString()).toStdString();
        };
        EXPECT_EQ(lines[1], row("right_ascension"));
        EXPECT_EQ(lines[9], row(d.motionKey));
        EXPECT_EQ(lines[10], row(d.secondKey));
        EXPECT_EQ(lines[12], texts["period"].toString().toStdString());
        ExpectNoWidgetNameKeys(doc);
    }
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
    // Missing from both folders: where it was looked for, as for any file the format is not
    // told by.
    EXPECT_EQ(missing.err, "No se puede leer NoExiste.dat: no está en la carpeta actual (" +
                               std::filesystem::current_path().string() +
                               ") ni en la carpeta del programa (" + home_.programDir() + ")\n");
    EXPECT_EQ(
        Run({"--catalog", "CometsCR.dat", "--object", "100000", "--at", "01/01/2024"}).exitCode, 1);
    EXPECT_EQ(
        Run({"--catalog", "CometsCR.dat", "--name", "zzzz-nada", "--at", "01/01/2024"}).exitCode,
        1);
}

TEST_F(CliCircumstances, BadResolutionInTheSettingsFileTakesTheDefaultAndIsTold) {
    WriteHomeFile("vagaris.ini", "+40\r\n0000\r\nx\r\n5.0\r\n000\r\n0\r\n\r\nPOL\r\nSM\r\n");
    const CliResult r = Run(kHaleBoppAtPerihelion);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, home_.programDir() +
                         "vagaris.ini, línea 3: valor no válido; se usa el valor por omisión\n");
    EXPECT_EQ(r.out, Run(kHaleBoppAtPerihelion).out);
    std::filesystem::remove(home_.dir / "vagaris.ini");
    EXPECT_EQ(r.out, Run(kHaleBoppAtPerihelion).out);  // the default resolution, 2.7
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
