// --model and --geocentric on the commands that compute positions, run as a separate process
// with VAGARIS_HOME in a temporary folder: the precise record is the core's precise result (and
// so PyEphem's place, whose reference the core's tests keep), the standard output is what it
// was without the option, JSON says "model": "precise" only in the precise model, settings line
// 13 gives the default, and bad values end with exit 2 (exit 1 for dates outside the years).
#include <gtest/gtest.h>

#include <QJsonObject>
#include <cmath>
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
    vagaris::Session PreciseSession(const std::string& at, const vagaris::ObserverSite& site,
                                    vagaris::PlaceCentre centre) const {
        vagaris::Session s;
        vagaris::InstallCatalog(s, 'A',
                                vagaris::ReadCatalogLines(std::string(VAGARIS_SAMPLES_DIR) +
                                                          "/BrightMinorPlanetsCR.dat"));
        vagaris::SelectCatalogObject(s, 0);
        s.CurrentInstant =
            vagaris::ParseDateText(at.substr(0, 10)) + vagaris::ParseTimeText(at.substr(11));
        EXPECT_TRUE(vagaris::ComputePreciseCircumstances(
            s, vagaris::CircumstanceMode::R, vagaris::kTwilightAstronomical, site, centre));
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
                                 at, "--json", "--model", "precise", "--geocentric"});
    ASSERT_EQ(geo.exitCode, 0) << geo.err;
    const QJsonObject json = ParseJsonObject(geo.out);
    EXPECT_EQ(json.value("model").toString(), "precise");
    const QJsonObject record = json.value("record").toObject();
    const vagaris::Session core = PreciseSession(
        at, vagaris::SiteFromSettingsTexts("+40", "+000.0", 0), vagaris::PlaceCentre::Geocentre);
    EXPECT_EQ(record.value("RightAscension").toDouble(), core.Circumstances.RightAscension);
    EXPECT_EQ(record.value("Declination").toDouble(), core.Circumstances.Declination);
    EXPECT_EQ(record.value("Magnitude").toDouble(), core.Circumstances.Magnitude);
    const double arcsec = 3.141592653589793 / 180 / 3600;
    EXPECT_NEAR(record.value("RightAscension").toDouble(), ref.ra, 2 * arcsec / std::cos(ref.dec));
    EXPECT_NEAR(record.value("Declination").toDouble(), ref.dec, 2 * arcsec);

    // From the site (the default place): the page's texts of the core's result, after the
    // model's line.
    const CliResult site = RunCli(
        "circumstances", {"--catalog", "BrightMinorPlanetsCR.dat", "--object", "0", "--at", at,
                          "--lat", "40", "--lon", "-3.7", "--alt", "650", "--model", "precise"});
    ASSERT_EQ(site.exitCode, 0) << site.err;
    vagaris::Session topo = PreciseSession(at, vagaris::SiteFromSettingsTexts("+40", "-003.7", 650),
                                           vagaris::PlaceCentre::Site);
    topo.settings.Model = "precise";
    const vagaris::SelectionTexts texts = vagaris::SelectionPageTexts(topo);
    const auto lines = SplitLf(site.out);
    ASSERT_EQ(lines.size(), texts.values.size() + 1);
    EXPECT_EQ(lines[0], vagaris::kPreciseModelLine);
    EXPECT_EQ(lines[2], "Ar: " + texts.values[1].text);
    EXPECT_EQ(lines[3], "Dec: " + texts.values[2].text);
    EXPECT_NE(topo.Circumstances.RightAscension, core.Circumstances.RightAscension);
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
