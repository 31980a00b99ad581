// --model and --geocentric on the commands that compute positions, run as a separate process
// with VAGARIS_HOME in a temporary folder: the precise record is the core's precise result (and
// so PyEphem's place, whose reference the core's tests keep), the standard output is what it
// was without the option, JSON says "model": "precise" only in the precise model, settings line
// 13 gives the default, and bad values end with exit 2 (exit 1 for dates outside the years).
#include <gtest/gtest.h>

#include <QJsonObject>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "catalogs/LineFormats.h"
#include "catalogs/SessionCatalog.h"
#include "core/Circumstances.h"
#include "core/Session.h"
#include "core/TextForms.h"
#include "core/precise/PreciseSession.h"
#include "support/JsonOutput.h"
#include "support/RunCli.h"
#include "support/TestHome.h"

namespace {

using vagaris::test::CliResult;
using vagaris::test::ParseJsonObject;
using vagaris::test::RunCli;
using vagaris::test::SplitLf;

const std::string kNineLines = "+40\r\n0000\r\n2.7\r\n5.0\r\n000\r\n0\r\n\r\nPOL\r\nSM\r\n";

// A PyEphem reference place of the core's tests (tests/core/precise): the geocentric
// astrometric place of (1) Ceres, object 0 of the minor-planet sample.
struct ReferencePlace {
    double ut = 0, ra = 0, dec = 0;
};
ReferencePlace CeresReference() {
    std::ifstream in(std::string(VAGARIS_SOURCE_DIR) + "/tests/core/precise/pyephem_reference.txt");
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string kind, file;
        int index = -1;
        ReferencePlace p;
        double deltaT;
        words >> kind >> file >> index >> p.ut >> deltaT >> p.ra >> p.dec;
        if (kind == "G" && file == "B" && index == 0) return p;
    }
    ADD_FAILURE() << "no reference for object B 0";
    return {};
}

class CliModel : public ::testing::Test {
protected:
    void SetUp() override {
        home_.copySample("CometsCR.dat");
        home_.copySample("BrightMinorPlanetsCR.dat");
    }
    void WriteSettings(const std::string& bytes) const {
        std::ofstream(home_.dir / "vagaris.ini", std::ios::binary) << bytes;
    }
    // The sample object at `at`, computed in this process by the core's precise model.
    vagaris::Session PreciseSession(const std::string& at, double latitudeDeg, double longitudeDeg,
                                    double heightMetres, vagaris::PlaceCentre centre,
                                    bool twoBody = true) const {
        vagaris::Session s;
        s.settings.TwoBodyPlace = twoBody;
        vagaris::Observer observer;
        observer.model = vagaris::ModelKind::Precise;
        observer.latitudeDeg = latitudeDeg;
        observer.longitudeDeg = longitudeDeg;
        observer.heightMetres = heightMetres;
        observer.centre = centre;
        observer.forces =
            twoBody ? vagaris::PreciseForces::TwoBody : vagaris::PreciseForces::Planets;
        vagaris::InstallCatalog(s, 'A',
                                vagaris::ReadCatalogLines(std::string(VAGARIS_SAMPLES_DIR) +
                                                          "/BrightMinorPlanetsCR.dat"));
        vagaris::SelectCatalogObject(s, 0);
        s.CurrentInstant =
            vagaris::ParseDateText(at.substr(0, 10)) + vagaris::ParseTimeText(at.substr(11));
        EXPECT_TRUE(vagaris::ComputeCircumstances(s, vagaris::CircumstanceMode::R, observer));
        return s;
    }

    TestHome home_;
};

TEST_F(CliModel, ThePreciseRecordIsTheCoresAndPyEphemsPlace) {
    const ReferencePlace ref = CeresReference();
    // The reference instant to the whole second, as --at takes it (Ceres moves 0.01" in it).
    const std::string at =
        vagaris::FormatInstant("dd/mm/yyyy hh:nn:ss", std::round(ref.ut * 86400) / 86400);
    const CliResult geo =
        RunCli("circumstances", {"--catalog", "BrightMinorPlanetsCR.dat", "--object", "0", "--at",
                                 at, "--json", "--model", "precise", "--geocentric", "--two-body"});
    ASSERT_EQ(geo.exitCode, 0) << geo.err;
    const QJsonObject json = ParseJsonObject(geo.out);
    EXPECT_EQ(json.value("model").toString(), "precise");
    const QJsonObject record = json.value("record").toObject();
    const vagaris::Session core = PreciseSession(at, 40, 0, 0, vagaris::PlaceCentre::Geocentre);
    EXPECT_EQ(record.value("RightAscension").toDouble(), core.Circumstances.RightAscension);
    EXPECT_EQ(record.value("Declination").toDouble(), core.Circumstances.Declination);
    EXPECT_EQ(record.value("Magnitude").toDouble(), core.Circumstances.Magnitude);
    const double arcsec = 3.141592653589793 / 180 / 3600;
    EXPECT_NEAR(record.value("RightAscension").toDouble(), ref.ra, 2 * arcsec / std::cos(ref.dec));
    EXPECT_NEAR(record.value("Declination").toDouble(), ref.dec, 2 * arcsec);

    // From the site (the default place): the page's texts of the core's result, after the
    // model's line.
    const CliResult site =
        RunCli("circumstances",
               {"--catalog", "BrightMinorPlanetsCR.dat", "--object", "0", "--at", at, "--lat", "40",
                "--lon", "-3.7", "--alt", "650", "--model", "precise", "--two-body"});
    ASSERT_EQ(site.exitCode, 0) << site.err;
    vagaris::Session topo = PreciseSession(at, 40, -3.7, 650, vagaris::PlaceCentre::Site);
    topo.settings.Model = "precise";
    const vagaris::SelectionTexts texts = vagaris::SelectionPageTexts(topo);
    const auto lines = SplitLf(site.out);
    ASSERT_EQ(lines.size(), texts.values.size() + 1);
    EXPECT_EQ(lines[0], vagaris::kPreciseTwoBodyModelLine);
    EXPECT_EQ(lines[2], "Ar: " + texts.values[1].text);
    EXPECT_EQ(lines[3], "Dec: " + texts.values[2].text);
    EXPECT_NE(topo.Circumstances.RightAscension, core.Circumstances.RightAscension);
}

// The precise model integrates the planets' pull: through `search`, geocentric places of
// MPCOrb.dat lines written from the starting elements of JPL Horizons tables (the values and
// their provenance in tests/core/test_perturbed_model.cpp) land within 3" and 5" of Horizons
// 20 years before and 86 years after the epoch; with --two-body they miss by over 300" and
// the title says the two-body line.
TEST_F(CliModel, PerturbedPlacesThroughSearchAgreeWithHorizons) {
    const std::string tail = "  0 MPO452187  1913  28 1954-2017 0.53 M-v 3Eh MPCW       1804   ";
    const auto file = home_.dir / "Horizons.dat";
    std::ofstream(file, std::ios::binary)
        << "00001    3.53  0.12 K2011 130.31597   73.80897   80.30119   10.59128  0.0768747  "
           "0.21387084   2.7692893"
        << tail << "(1) Ceres                 20200101\n"
        << "J35U00Z 15.00  0.15 J35AM 342.28379  281.56366  134.34207    4.72864  0.2513250  "
           "0.31272040   2.1496375"
        << tail << "1935 UZ                   20211001\n";
    struct Case {
        const char* key;
        const char* at;
        double ra, dec, tolerance;  // Horizons [deg], ["]
    } cases[] = {{"Ceres", "01/01/2000 00:00:00", 188.70280, 9.09829, 3},
                 {"1935 UZ", "23/09/2021 00:00:38", 167.65146, 6.85549, 5}};
    const double arcsec = 3.141592653589793 / 180 / 3600;
    for (const Case& c : cases) {
        for (const bool twoBody : {false, true}) {
            std::vector<std::string> args = {"--mpcorb", file.string(),  c.key,
                                             "--at",     c.at,           "--model",
                                             "precise",  "--geocentric", "--json"};
            if (twoBody) args.push_back("--two-body");
            const CliResult r = RunCli("search", args);
            ASSERT_EQ(r.exitCode, 0) << c.key << r.err;
            const QJsonObject circumstances =
                ParseJsonObject(r.out).value("circumstances").toObject();
            const QJsonObject record = circumstances.value("record").toObject();
            const double ra = record.value("RightAscension").toDouble();
            const double dec = record.value("Declination").toDouble();
            const double h =
                std::hypot(
                    std::remainder(ra - c.ra * 3600 * arcsec, 2 * 3.14159265358979) * std::cos(dec),
                    dec - c.dec * 3600 * arcsec) /
                arcsec;
            std::printf("search %s%s: %.3f\" from Horizons\n", c.key, twoBody ? " --two-body" : "",
                        h);
            if (twoBody)
                EXPECT_GT(h, 300) << c.key;
            else
                EXPECT_LT(h, c.tolerance) << c.key;
        }
    }
    // The title of the plain output says which forces.
    const CliResult plain = RunCli("search", {"--mpcorb", file.string(), "Ceres", "--at",
                                              "01/01/2000 00:00:00", "--model", "precise"});
    EXPECT_NE(plain.out.find(vagaris::kPreciseModelLine), std::string::npos) << plain.out;
    const CliResult kepler =
        RunCli("search", {"--mpcorb", file.string(), "Ceres", "--at", "01/01/2000 00:00:00",
                          "--model", "precise", "--two-body"});
    EXPECT_NE(kepler.out.find(vagaris::kPreciseTwoBodyModelLine), std::string::npos) << kepler.out;
    EXPECT_EQ(kepler.out.find(vagaris::kPreciseModelLine), std::string::npos);
}

TEST_F(CliModel, StandardOutputsAreThoseWithoutTheOption) {
    const std::vector<std::vector<std::string>> commands = {
        {"circumstances", "--catalog", "CometsCR.dat", "--object", "2", "--at",
         "01/04/2025 20:00:00", "--json"},
        {"circumstances", "--catalog", "CometsCR.dat", "--object", "2", "--at",
         "01/04/2025 20:00:00"},
        {"ephemeris", "--catalog", "CometsCR.dat", "--object", "2", "--start", "01/04/2025",
         "--rows", "5"},
        {"antitail", "--catalog", (home_.dir / "CometsCR.dat").string(), "--year", "2025"},
        {"tonight", "--catalog", "BrightMinorPlanetsCR.dat", "--date", "21/11/2025", "--json",
         "--limit", "3"},
    };
    for (const auto& command : commands) {
        const std::vector<std::string> args(command.begin() + 1, command.end());
        std::vector<std::string> standard = args;
        standard.insert(standard.end(), {"--model", "standard"});
        std::vector<std::string> precise = args;
        precise.insert(precise.end(), {"--model", "precise"});
        const CliResult without = RunCli(command[0], args);
        const CliResult with = RunCli(command[0], standard);
        const CliResult other = RunCli(command[0], precise);
        ASSERT_EQ(without.exitCode, 0) << command[0] << without.err;
        EXPECT_EQ(with.exitCode, 0) << command[0];
        EXPECT_EQ(with.out, without.out) << command[0];
        EXPECT_EQ(without.out.find("precise"), std::string::npos) << command[0];
        EXPECT_EQ(other.exitCode, 0) << command[0] << other.err;
        EXPECT_NE(other.out, without.out) << command[0];
    }
}

TEST_F(CliModel, PreciseOutputsSayIt) {
    const CliResult table =
        RunCli("ephemeris", {"--catalog", "CometsCR.dat", "--object", "2", "--start", "01/04/2025",
                             "--rows", "3", "--model", "precise"});
    ASSERT_EQ(table.exitCode, 0) << table.err;
    const auto lines = SplitLf(table.out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], vagaris::kPreciseModelLine);
    EXPECT_NE(lines[2], "Posiciones para centro de la Tierra");
    const CliResult geocentric =
        RunCli("ephemeris", {"--catalog", "CometsCR.dat", "--object", "2", "--start", "01/04/2025",
                             "--rows", "3", "--model", "precise", "--geocentric"});
    ASSERT_EQ(geocentric.exitCode, 0) << geocentric.err;
    // The title names the place the numbers are for.
    EXPECT_EQ(SplitLf(geocentric.out)[1], vagaris::kPreciseGeocentricModelLine);
    EXPECT_EQ(SplitLf(geocentric.out)[2], "Posiciones para centro de la Tierra");
    const CliResult kepler =
        RunCli("ephemeris", {"--catalog", "CometsCR.dat", "--object", "2", "--start", "01/04/2025",
                             "--rows", "3", "--model", "precise", "--geocentric", "--two-body"});
    ASSERT_EQ(kepler.exitCode, 0) << kepler.err;
    EXPECT_EQ(SplitLf(kepler.out)[1], vagaris::kPreciseTwoBodyGeocentricModelLine);
    EXPECT_NE(kepler.out, geocentric.out);

    const CliResult night =
        RunCli("tonight", {"--catalog", "BrightMinorPlanetsCR.dat", "--date", "21/11/2025",
                           "--json", "--limit", "2", "--model", "precise"});
    ASSERT_EQ(night.exitCode, 0) << night.err;
    EXPECT_EQ(ParseJsonObject(night.out).value("model").toString(), "precise");

    const CliResult search =
        RunCli("search", {"--mpcorb", std::string(VAGARIS_SAMPLES_DIR) + "/MPCORB.excerpt.dat",
                          "Ceres", "--json", "--at", "21/11/2025 00:00:00", "--model", "precise"});
    ASSERT_EQ(search.exitCode, 0) << search.err;
    const QJsonObject found = ParseJsonObject(search.out);
    EXPECT_EQ(found.value("model").toString(), "precise");
    EXPECT_EQ(found.value("circumstances").toObject().value("model").toString(), "precise");
}

TEST_F(CliModel, SettingsLine13GivesTheDefault) {
    const std::vector<std::string> args = {"--catalog", "CometsCR.dat", "--object",
                                           "2",         "--at",         "01/04/2025 20:00:00"};
    const CliResult standard = RunCli("circumstances", args);
    WriteSettings(kNineLines + "+000.0\r\nmag\r\nauto\r\nprecise\r\n");
    const CliResult precise = RunCli("circumstances", args);
    ASSERT_EQ(precise.exitCode, 0) << precise.err;
    EXPECT_EQ(SplitLf(precise.out).front(), vagaris::kPreciseModelLine);
    std::vector<std::string> back = args;
    back.insert(back.end(), {"--model", "standard"});
    EXPECT_EQ(RunCli("circumstances", back).out, standard.out);
    // With the precise model from the file, --geocentric needs no --model.
    back = args;
    back.push_back("--geocentric");
    const CliResult geocentric = RunCli("circumstances", back);
    EXPECT_EQ(geocentric.exitCode, 0);
    EXPECT_EQ(SplitLf(geocentric.out).front(), vagaris::kPreciseGeocentricModelLine);

    WriteSettings(kNineLines + "+000.0\r\nmag\r\nauto\r\nexact\r\n");
    const CliResult bad = RunCli("circumstances", args);
    EXPECT_EQ(bad.exitCode, 0);
    EXPECT_EQ(bad.out, standard.out);
    EXPECT_NE(bad.err.find("línea 13: valor no válido"), std::string::npos) << bad.err;
}

// The first and the last minute of the precise model's years are computed, by circumstances
// and by the ephemeris: 31/12/2999 23:59 was refused because the motion looks one minute
// ahead. The elements' epochs lie near each end, so the motion from them stays short.
TEST_F(CliModel, TheFirstAndLastMinutesOfThePreciseYearsAreComputed) {
    std::ofstream(home_.dir / "Extremos.dat", std::ios::binary)
        << "(1) Ceres                                      2999 11 21.0 231.5397  2.76562  "
           "0.079576  73.2997  80.2496  10.5879  3.35   0.15\r\n"
        << "(1) Ceres                                      1000 01 21.0 231.5397  2.76562  "
           "0.079576  73.2997  80.2496  10.5879  3.35   0.15\r\n";
    const struct {
        const char* object;
        const char* at;
    } cases[] = {
        {"0", "31/12/2999 23:59"}, {"0", "31/12/2999 23:59:59"}, {"1", "01/01/1000 00:00"}};
    for (const auto& c : cases) {
        const std::vector<std::string> object = {"--catalog", "Extremos.dat", "--kind",  "A",
                                                 "--object",  c.object,       "--model", "precise"};
        std::vector<std::string> args = object;
        args.insert(args.end(), {"--at", c.at, "--json"});
        const CliResult r = RunCli("circumstances", args);
        ASSERT_EQ(r.exitCode, 0) << c.at << ": " << r.err;
        EXPECT_GT(ParseJsonObject(r.out).value("record").toObject().value("Motion").toDouble(), 0)
            << c.at;
        args = object;
        args.insert(args.end(), {"--start", c.at, "--rows", "1"});
        const CliResult e = RunCli("ephemeris", args);
        ASSERT_EQ(e.exitCode, 0) << c.at << ": " << e.err;
        EXPECT_NE(e.out.find(std::string(c.at).substr(0, 10)), std::string::npos) << e.out;
    }
    // One row more runs past the years: the rows before it are shown, then the message.
    const CliResult past =
        RunCli("ephemeris",
               {"--catalog", "Extremos.dat", "--kind", "A", "--object", "0", "--model", "precise",
                "--start", "31/12/2999 23:59", "--step", "1", "--unit", "minutos", "--rows", "2"});
    EXPECT_EQ(past.exitCode, 1);
    EXPECT_EQ(past.err, std::string(vagaris::kPreciseRangeMessage) + "\n");
}

TEST_F(CliModel, BadValuesAndDatesOutsideTheYears) {
    const std::string mpcorb = std::string(VAGARIS_SAMPLES_DIR) + "/MPCORB.excerpt.dat";
    const std::vector<std::vector<std::string>> commands = {
        {"circumstances", "--catalog", "CometsCR.dat", "--object", "2", "--at", "01/04/2025"},
        {"ephemeris", "--catalog", "CometsCR.dat", "--object", "2", "--start", "01/04/2025"},
        {"chart", "--catalog", "CometsCR.dat", "--object", "2", "--at", "01/04/2025", "--csv"},
        {"orbit", "--catalog", "CometsCR.dat", "--object", "2", "--at", "01/04/2025", "-o",
         (home_.dir / "o.gif").string()},
        {"antitail", "--catalog", (home_.dir / "CometsCR.dat").string(), "--year", "2025"},
        {"tonight", "--catalog", "CometsCR.dat", "--date", "01/04/2025"},
        {"search", "--mpcorb", mpcorb, "Ceres", "--at", "01/04/2025"},
    };
    for (const auto& command : commands) {
        std::vector<std::string> args(command.begin() + 1, command.end());
        args.insert(args.end(), {"--model", "exact"});
        const CliResult r = RunCli(command[0], args);
        EXPECT_EQ(r.exitCode, 2) << command[0];
        EXPECT_EQ(r.err, "--model espera standard o precise: 'exact'\n") << command[0];
        EXPECT_TRUE(r.out.empty()) << command[0];
        args.resize(args.size() - 2);
        args.push_back("--geocentric");
        const CliResult g = RunCli(command[0], args);
        EXPECT_EQ(g.exitCode, 2) << command[0];
        EXPECT_NE(g.err.find("--geocentric"), std::string::npos) << command[0];
        args.back() = "--two-body";
        const CliResult k = RunCli(command[0], args);
        EXPECT_EQ(k.exitCode, 2) << command[0];
        EXPECT_EQ(k.err, "--two-body solo vale con el modelo preciso (--model precise)\n")
            << command[0];
    }

    const std::vector<std::vector<std::string>> outside = {
        {"circumstances", "--catalog", "CometsCR.dat", "--object", "2", "--at", "01/01/3000"},
        {"circumstances", "--catalog", "CometsCR.dat", "--object", "2", "--at",
         "31/12/0999 23:59:59"},
        {"ephemeris", "--catalog", "CometsCR.dat", "--object", "2", "--start", "01/01/3000"},
        {"antitail", "--catalog", (home_.dir / "CometsCR.dat").string(), "--year", "3000"},
        {"tonight", "--catalog", "CometsCR.dat", "--date", "31/12/2999"},
    };
    for (const auto& command : outside) {
        std::vector<std::string> args(command.begin() + 1, command.end());
        args.insert(args.end(), {"--model", "precise"});
        const CliResult r = RunCli(command[0], args);
        EXPECT_EQ(r.exitCode, 1) << command[0];
        EXPECT_NE(r.err.find(vagaris::kPreciseRangeMessage), std::string::npos)
            << command[0] << r.err;
    }
}

}  // namespace
