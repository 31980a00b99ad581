// The messages a newcomer meets first: a catalog that is not there (and where it was looked
// for), a night without catalogs, a --name that several objects contain, and the drawing
// subcommands' stderr when the session has no runtime folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/RunCli.h"
#include "support/TestHome.h"

namespace {

namespace fs = std::filesystem;
using vagaris::test::CliResult;
using vagaris::test::RunCli;

const std::vector<std::string> kNight = {"--date", "21/11/2025", "--lat", "+40"};

std::vector<std::string> With(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class CliMessages : public ::testing::Test {
protected:
    void SetUp() override { home_.copySample("CometsCR.dat"); }
    std::string cwd() const { return fs::current_path().string(); }
    TestHome home_;
};

// A name without a folder that is neither here nor in the program folder: "No se puede leer
// NAME", exit 1, and where it was looked for, whatever the subcommand and whatever the name
// (no "indique --kind" for a name the format cannot be told from).
TEST_F(CliMessages, AMissingCatalogSaysWhereItWasLookedFor) {
    const std::string where = ": no está en la carpeta actual (" + cwd() +
                              ") ni en la carpeta del programa (" + home_.programDir() + ")\n";
    const struct {
        const char* command;
        std::vector<std::string> args;
        const char* name;
    } cases[] = {
        {"circumstances", {"--catalog", "Comets.dat", "--name", "Tempel"}, "Comets.dat"},
        {"circumstances",
         {"--catalog", "BrightMinorPlanetsCR.dat", "--object", "0"},
         "BrightMinorPlanetsCR.dat"},
        {"ephemeris",
         {"--catalog", "Comets.dat", "--object", "0", "--start", "01/01/2025"},
         "Comets.dat"},
        {"orbit", {"--catalog", "Comets.dat", "--object", "0", "-o", "x.gif"}, "Comets.dat"},
        {"tisserand", {"--catalog", "Comets.dat", "--object", "0"}, "Comets.dat"},
        {"antitail", {"--catalog", "Comets.dat", "--year", "2024"}, "Comets.dat"},
        {"tonight", With({"--catalog", "Comets.dat"}, kNight), "Comets.dat"},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCli(c.command, c.args);
        EXPECT_EQ(r.exitCode, 1) << c.command;
        EXPECT_EQ(r.err, std::string("No se puede leer ") + c.name + where) << c.command;
        EXPECT_EQ(r.out, "") << c.command;
    }
    // A full path names only itself.
    const std::string absolute = (home_.dir / "Nada.dat").string();
    const CliResult r = RunCli("circumstances", {"--catalog", absolute, "--object", "0"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "No se puede leer " + absolute + "\n");
}

// The program folder is looked in by every subcommand: the antitail search too.
TEST_F(CliMessages, EverySubcommandFindsACatalogInTheProgramFolder) {
    const CliResult r = RunCli("antitail", {"--catalog", "CometsCR.dat", "--year", "2024"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("COMETA"), std::string::npos) << r.out;
}

TEST_F(CliMessages, ANightWithoutCatalogsFailsNamingThem) {
    fs::remove(home_.dir / "CometsCR.dat");
    CliResult r = RunCli("tonight", With({"--all-catalogs"}, kNight));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "No hay catálogos en " + home_.programDir() +
                         ": faltan CometsCR.dat, NeosAndUnusualCR.dat, CriticalListCR.dat, "
                         "DistantObjectsCR.dat, BrightMinorPlanetsCR.dat\n");
    EXPECT_EQ(r.out.find("Objetos considerados"), std::string::npos) << r.out;
    // One of the five is enough for a list; the others are named in it, as before.
    home_.copySample("CometsCR.dat");
    r = RunCli("tonight", With({"--all-catalogs"}, kNight));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Catálogo no encontrado: DistantObjectsCR.dat"), std::string::npos);
}

// --name: an exact name wins over names containing it; one name containing the text chooses
// it; several, none exact, are listed (ten at most, "…" after the tenth) and nothing is
// computed.
TEST_F(CliMessages, ANameSeveralObjectsContainIsAnError) {
    const std::vector<std::string> at = {"--at", "01/01/2025"};
    const struct {
        const char* name;
        const char* error;  // nullptr: chosen, the same output as --object
        const char* object;
    } cases[] = {
        {"Tempel",
         "'Tempel' coincide con 9P/Tempel, 10P/Tempel, 11P/Tempel-Swift-LINEAR; use --object N "
         "o un nombre más largo\n",
         nullptr},
        {"ATLAS",
         "'ATLAS' coincide con C/2017 M4 (ATLAS), P/2019 A2 (ATLAS), C/2019 E3 (ATLAS), C/2019 F1 "
         "(ATLAS-Africano), P/2019 LD2 (ATLAS), C/2019 L3 (ATLAS), C/2019 N1 (ATLAS), C/2019 T3 "
         "(ATLAS), C/2019 T4 (ATLAS), C/2020 A3 (ATLAS)\u2026; use --object N o un nombre más "
         "largo\n",
         nullptr},
        {"10P/Tempel", nullptr, nullptr},  // contained by one name only
        {"9p/tempel", nullptr, nullptr},   // exact, case ignored
        {"Hale-Bopp", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const CliResult r =
            RunCli("circumstances", With({"--catalog", "CometsCR.dat", "--name", c.name}, at));
        if (c.error) {
            EXPECT_EQ(r.exitCode, 1) << c.name;
            EXPECT_EQ(r.err, c.error);
            EXPECT_EQ(r.out, "");
        } else {
            EXPECT_EQ(r.exitCode, 0) << c.name << r.err;
            EXPECT_EQ(r.err, "");
        }
    }
}

// An exact name, case and spacing ignored, wins over the longer names that contain it: the
// same object as its number gives. The fixture: 9P/Tempel after two longer names holding it.
TEST_F(CliMessages, AnExactNameWinsOverLongerOnes) {
    std::ifstream sample(std::string(VAGARIS_SAMPLES_DIR) + "/CometsCR.dat", std::ios::binary);
    std::string tempel;
    for (std::string line; std::getline(sample, line);)
        if (line.rfind("9P/Tempel ", 0) == 0) tempel = line;
    ASSERT_FALSE(tempel.empty());
    auto renamed = [&](const std::string& name) {
        return name + std::string(47 - name.size(), ' ') + tempel.substr(47);
    };
    std::ofstream(home_.dir / "Tempels.dat", std::ios::binary) << renamed("9P/Tempel-A") << "\n"
                                                               << renamed("9P/Tempel B") << "\n"
                                                               << tempel << "\n";
    const std::vector<std::string> common = {"--catalog", "Tempels.dat", "--kind",
                                             "C",         "--at",        "01/01/2025"};
    const CliResult byNumber = RunCli("circumstances", With(common, {"--object", "2"}));
    ASSERT_EQ(byNumber.exitCode, 0) << byNumber.err;
    for (const char* typed : {"9P/Tempel", "9p/tempel", " 9P / Tempel"}) {
        const CliResult byName = RunCli("circumstances", With(common, {"--name", typed}));
        EXPECT_EQ(byName.exitCode, 0) << typed << byName.err;
        EXPECT_EQ(byName.out, byNumber.out) << typed;
    }
    // Both longer names hold "Tempel", none equals it.
    const CliResult several = RunCli("circumstances", With(common, {"--name", "Tempel"}));
    EXPECT_EQ(several.exitCode, 1);
    EXPECT_EQ(several.err,
              "'Tempel' coincide con 9P/Tempel-A, 9P/Tempel B, 9P/Tempel; use --object N o un "
              "nombre más largo\n");
}

// Without XDG_RUNTIME_DIR (ssh, cron) the drawing subcommands still write nothing to stderr.
TEST_F(CliMessages, DrawingWritesNothingToStderrWithoutARuntimeFolder) {
    const char* set = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = set ? set : "";
    ::unsetenv("XDG_RUNTIME_DIR");
    const std::string orbit = (home_.dir / "o.gif").string();
    const std::string chart = (home_.dir / "c.gif").string();
    const struct {
        const char* command;
        std::vector<std::string> args;
    } cases[] = {
        {"orbit",
         {"--catalog", "CometsCR.dat", "--object", "1", "--at", "01/04/1997", "-o", orbit}},
        {"chart",
         {"--catalog", "CometsCR.dat", "--object", "1", "--at", "01/04/1997", "-o", chart}},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCli(c.command, c.args);
        EXPECT_EQ(r.exitCode, 0) << c.command << r.err;
        EXPECT_EQ(r.err, "") << c.command;
    }
    EXPECT_TRUE(fs::exists(orbit));
    EXPECT_TRUE(fs::exists(chart));
    if (set) ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
}

}  // namespace
