// vagaris-cli tonight, run as a separate process with VAGARIS_HOME in a temporary folder:
// the options and their ranges, the three outputs, the settings' site, bad input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/FileBytes.h"
#include "support/RunCli.h"
#include "support/TestHome.h"

namespace {

using vagaris::test::CliResult;
using vagaris::test::RunCli;
using vagaris::test::SplitLf;

class CliTonight : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"CometsCR.dat", "NeosAndUnusualCR.dat", "CriticalListCR.dat",
                                 "DistantObjectsCR.dat", "BrightMinorPlanetsCR.dat"})
            home_.copySample(name);
    }
    static CliResult Run(std::vector<std::string> args) { return RunCli("tonight", args); }
    TestHome home_;
};

const std::vector<std::string> kBright = {
    "--catalog", "BrightMinorPlanetsCR.dat", "--date", "21/11/2025", "--lat", "+40", "--lon",
    "-3.7"};

std::vector<std::string> With(std::vector<std::string> a, const std::vector<std::string>& more) {
    a.insert(a.end(), more.begin(), more.end());
    return a;
}

// Every range: a value outside exits 2 with a line naming the option.
TEST_F(CliTonight, ValuesOutOfRangeNameTheirOption) {
    const struct {
        const char* option;
        const char* value;
    } cases[] = {
        {"--mag", "40.5"},    {"--mag", "-31"},       {"--min-alt", "-1"},    {"--min-alt", "91"},
        {"--min-time", "0"},  {"--min-time", "1441"}, {"--moon-sep", "181"},  {"--moon-sep", "-1"},
        {"--lat", "91"},      {"--lon", "180.1"},     {"--lon", "-181"},      {"--threads", "0"},
        {"--sort", "nombre"}, {"--twilight", "dusk"}, {"--mag", "brillante"},
    };
    for (const auto& c : cases) {
        auto args = kBright;
        // The later --lat/--lon replace the earlier ones.
        args = With(args, {c.option, c.value});
        const CliResult r = Run(args);
        EXPECT_EQ(r.exitCode, 2) << c.option << " " << c.value;
        EXPECT_NE(r.err.find(c.option), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_EQ(Run({"--date", "21/11/2025"}).exitCode, 2);  // no catalog
    EXPECT_EQ(Run({"--all-catalogs", "--mpcorb", "x", "--date", "21/11/2025"}).exitCode, 2);
    EXPECT_EQ(Run({"--all-catalogs"}).exitCode, 2);  // no date
}

// A missing MPCOrb.dat, an unreadable catalog, a latitude that does not convert: a message
// and no list, exit 1.
TEST_F(CliTonight, BadInputGivesAMessageAndNoList) {
    CliResult r = Run({"--mpcorb", (home_.dir / "MPCORB.DAT").string(), "--date", "21/11/2025"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "MPCOrb.dat no encontrado\n");
    r = Run({"--catalog", "Nada.dat", "--date", "21/11/2025"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("No se puede leer"), std::string::npos);
    r = Run(With(kBright, {"--lat", "norte"}));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Latitud no válida"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
}

// The JSON object: its keys, nulls, and a row per listed object.
TEST_F(CliTonight, JsonHasEveryKey) {
    const CliResult r = Run(With(kBright, {"--json", "--mag", "12"}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* key : {"\"date\": \"21/11/2025\"",
                            "\"latitude\": 40",
                            "\"longitude\": -3.7",
                            "\"twilight\": \"astro\"",
                            "\"dark_start\": \"21/11/2025 ",
                            "\"dark_end\": \"22/11/2025 ",
                            "\"moon_illumination\": ",
                            "\"considered\": 92",
                            "\"invalid_lines\": 0",
                            "\"listed\": ",
                            "\"rows\": [{\"index\": ",
                            "\"catalog\": \"BrightMinorPlanetsCR.dat\"",
                            "\"name\": ",
                            "\"magnitude\": ",
                            "\"window_start\": ",
                            "\"window_end\": ",
                            "\"observable_minutes\": ",
                            "\"best_time\": ",
                            "\"best_altitude\": ",
                            "\"best_azimuth\": ",
                            "\"elongation\": ",
                            "\"delta\": ",
                            "\"sun_distance\": ",
                            "\"motion\": ",
                            "\"position_angle\": ",
                            "\"moon_separation\": ",
                            "\"element_age_days\": ",
                            "\"days_from_perihelion\": null"})
        EXPECT_NE(r.out.find(key), std::string::npos) << key << "\n" << r.out;
    EXPECT_EQ(SplitLf(r.out).size(), 1u);
}

// The text output is the saved table; -o writes it in Windows-1252 with CR LF; --limit.
TEST_F(CliTonight, TextTableAndFile) {
    const CliResult r = Run(With(kBright, {"--limit", "3", "--sort", "alt"}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = SplitLf(r.out);
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(lines[0].rfind("Noche del 21/11/2025 al 22/11/2025", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1], "Lugar: latitud +40°, longitud -003.7°");
    std::size_t heading = 0;
    while (heading < lines.size() && lines[heading].rfind("    N  OBJETO", 0) != 0) ++heading;
    ASSERT_LT(heading, lines.size()) << r.out;
    EXPECT_EQ(lines.size(), heading + 2 + 3);  // heading, separator, three rows
    const auto file = home_.dir / "lista.txt";
    ASSERT_EQ(Run(With(kBright, {"--limit", "3", "--sort", "alt", "-o", file.string()})).exitCode,
              0);
    const std::string bytes = vagaris::test::ReadBytes(file);
    EXPECT_NE(bytes.find("Lugar: latitud +40\xB0, longitud -003.7\xB0\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("\xC2"), std::string::npos);  // no UTF-8 left
}

// The header shows the latitude the night was computed at: with its decimals when it has
// them (a rounded +49° once hid that the night of 48.5° has darkness near the solstice, and
// -0.4 read "+0°"), and a whole degree as before, in both languages and in the saved files.
TEST_F(CliTonight, HeaderShowsTheLatitudeUsed) {
    const struct {
        const char* lat;
        const char* shown;
    } cases[] = {{"48.5", "+48.5"}, {"-0.4", "-0.4"},     {"+40", "+40"}, {"-33", "-33"},
                 {"0.05", "+0.05"}, {"-89.75", "-89.75"}, {"0", "+0"},    {"12.0", "+12"}};
    for (const auto& c : cases) {
        const auto args = With(kBright, {"--lat", c.lat, "--limit", "0"});
        const CliResult es = Run(args);
        ASSERT_EQ(es.exitCode, 0) << c.lat << ": " << es.err;
        EXPECT_EQ(SplitLf(es.out).at(1),
                  std::string("Lugar: latitud ") + c.shown + "°, longitud -003.7°");
        const CliResult en = Run(With(args, {"--lang", "en"}));
        ASSERT_EQ(en.exitCode, 0) << c.lat << ": " << en.err;
        EXPECT_EQ(SplitLf(en.out).at(1),
                  std::string("Site: latitude ") + c.shown + "°, longitude -003.7°");
    }
    // At the June solstice the Sun stays above -18° all night from 49° and dips below it for a
    // few minutes from 48.5° (90° - 48.5° - 23.44° = 18.06°): the header names the latitude
    // whose night it describes.
    const std::vector<std::string> solstice = {
        "--catalog", "BrightMinorPlanetsCR.dat", "--date", "21/06/2026", "--lon", "0", "--limit",
        "0"};
    const CliResult at49 = Run(With(solstice, {"--lat", "49"}));
    ASSERT_EQ(at49.exitCode, 0) << at49.err;
    EXPECT_NE(at49.out.find("Sin oscuridad esta noche"), std::string::npos) << at49.out;
    const auto file = home_.dir / "solsticio.txt";
    ASSERT_EQ(Run(With(solstice, {"--lat", "48.5", "-o", file.string()})).exitCode, 0);
    const std::string bytes = vagaris::test::ReadBytes(file);
    EXPECT_NE(bytes.find("Lugar: latitud +48.5\xB0, longitud +000.0\xB0\r\n"), std::string::npos)
        << bytes;
    EXPECT_NE(bytes.find("Oscuridad (Sol a -18\xB0): "), std::string::npos) << bytes;
    // JSON carries the value itself; CSV has no site.
    const CliResult json = Run(With(solstice, {"--lat", "48.5", "--json"}));
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_NE(json.out.find("\"latitude\": 48.5, "), std::string::npos) << json.out;
    EXPECT_EQ(json.out.find("\"dark_start\": null"), std::string::npos) << json.out;
}

// CSV: the JSON key names as the heading row, one row per object.
TEST_F(CliTonight, CsvHeadingIsTheJsonKeys) {
    const CliResult r = Run(With(kBright, {"--csv", "--limit", "2"}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = SplitLf(r.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0],
              "index,catalog,name,magnitude,window_start,window_end,observable_minutes,best_time,"
              "best_altitude,best_azimuth,elongation,delta,sun_distance,motion,position_angle,"
              "moon_separation,element_age_days,days_from_perihelion");
    EXPECT_EQ(lines[1].rfind("0,BrightMinorPlanetsCR.dat,", 0) == 0 ||
                  lines[1].find(",BrightMinorPlanetsCR.dat,") != std::string::npos,
              true);
}

// The site comes from vagaris.ini when no option gives it (lines 1 and 10).
TEST_F(CliTonight, SiteFromTheSettingsFile) {
    std::ofstream(home_.dir / "vagaris.ini", std::ios::binary)
        << "-33\r\n0000\r\n2.7\r\n5.0\r\n000\r\n0\r\n\r\nPOL\r\nSM\r\n+151.2\r\nmag\r\n";
    const CliResult r = Run({"--catalog", "BrightMinorPlanetsCR.dat", "--date", "21/11/2025",
                             "--json", "--limit", "0"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\"latitude\": -33, \"longitude\": 151.2"), std::string::npos) << r.out;
}

// All five catalogs together, and a night without darkness: the header and no rows, exit 0.
TEST_F(CliTonight, AllCatalogsAndANightWithoutDarkness) {
    std::filesystem::remove(home_.dir / "DistantObjectsCR.dat");
    CliResult r = Run({"--all-catalogs", "--date", "21/06/2026", "--lat", "65", "--lon", "25"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Sin oscuridad esta noche"), std::string::npos);
    EXPECT_NE(r.out.find("Catálogo no encontrado: DistantObjectsCR.dat"), std::string::npos);
    EXPECT_NE(r.out.find("Objetos en la lista: 0"), std::string::npos);
    r = Run({"--all-catalogs", "--date", "21/11/2025", "--json", "--threads", "1"});
    const CliResult four =
        Run({"--all-catalogs", "--date", "21/11/2025", "--json", "--threads", "4"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, four.out);
    EXPECT_NE(r.out.find("\"catalog\": \"CometsCR.dat\""), std::string::npos);
}

}  // namespace
