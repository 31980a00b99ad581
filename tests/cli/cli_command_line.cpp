// The command line of vagaris-cli as a whole: one exit-code rule for every subcommand, the
// option forms users type, the help of each subcommand (its example really runs) and the
// manual page printed from the same texts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/FileBytes.h"
#include "support/RunCli.h"
#include "support/TempFolder.h"
#include "support/TestHome.h"

namespace {

namespace fs = std::filesystem;
using vagaris::test::CliResult;
using vagaris::test::RunCli;
using vagaris::test::RunCliShell;
using vagaris::test::ShellQuoted;
using vagaris::test::SplitLf;

const std::vector<std::string> kSubcommands = {
    "circumstances", "ephemeris", "orbit", "chart", "search", "download", "antitail", "tisserand"};

class CliCommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        home_.copySample("CometsCR.dat");
        home_.copySample("BrightMinorPlanetsCR.dat");
    }
    TestHome home_;
};

// 2 for a wrong command line, 1 for wrong input or a failed operation, 0 otherwise; every
// error is one line on stderr that names the option or file.
TEST_F(CliCommandLine, OneExitCodeRuleForEverySubcommand) {
    const std::string comets = (home_.dir / "CometsCR.dat").string();
    struct Case {
        std::string subcommand;
        std::vector<std::string> args;
        int exitCode;
        std::string inMessage;  // part of the one stderr line
    };
    const std::vector<std::string> hale = {"--catalog", "CometsCR.dat", "--object", "1"};
    auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> all = hale;
        all.insert(all.end(), more.begin(), more.end());
        return all;
    };
    const Case cases[] = {
        {"bogus", {}, 2, "orden desconocida: bogus"},
        {"--bogus", {}, 2, "opción desconocida: --bogus"},
        {"circumstances", with({"--bogus"}), 2, "opción desconocida: --bogus"},
        {"circumstances", with({"-x"}), 2, "opción desconocida: -x"},
        {"circumstances", {"--catalog"}, 2, "falta el valor de --catalog"},
        {"circumstances", with({"--json=yes"}), 2, "--json no lleva valor"},
        {"circumstances", with({"--lat", "norte"}), 2, "--lat"},
        {"circumstances", with({"--lat", "91"}), 2, "--lat fuera de rango"},
        {"circumstances", with({"--alt", "-1"}), 2, "--alt fuera de rango"},
        {"circumstances", with({"--mode", "X"}), 2, "--mode"},
        {"circumstances",
         {"--catalog", "NoExiste.dat", "--kind", "A", "--object", "0"},
         1,
         "No se puede leer NoExiste.dat: no está en la carpeta actual"},
        {"circumstances", {"--catalog", "CometsCR.dat", "--object", "100000"}, 1, "100000"},
        {"ephemeris", with({"--start", "01/03/1997", "--rows", "abc"}), 2, "--rows"},
        {"ephemeris", with({"--start", "01/03/1997", "--rows", "-1"}), 2, "--rows"},
        {"ephemeris", with({"--start", "01/03/1997", "--step", "x"}), 2, "--step"},
        {"ephemeris", with({"--step", "1"}), 2, "--start"},
        {"orbit", with({"--tilt", "91", "-o", "a.gif"}), 2, "--tilt"},
        {"orbit", hale, 2, "-o"},
        {"chart", with({"--csv", "--span", "0"}), 2, "--span"},
        {"chart", with({"--csv", "-o", "a.gif"}), 2, "-o"},
        {"search", {"--mpcorb"}, 2, "falta el valor de --mpcorb"},
        {"search", {"--mpcorb", "/no/existe/MPCOrb.dat", "1"}, 1, "MPCOrb.dat"},
        {"download", {"planets"}, 2, "planets"},
        {"download", {"comets", "neos"}, 2, "download"},
        {"antitail", {"--catalog", comets, "--year", "dos mil"}, 2, "--year"},
        {"antitail", {"--catalog", comets, "--year", "999"}, 2, "--year"},
        {"antitail", {"--catalog", comets}, 2, "--year"},
        {"antitail", {"--catalog", "/no/existe.dat", "--year", "2024"}, 1, "/no/existe.dat"},
        {"tisserand", {"--a", "x", "--e", "0.5", "--i", "1"}, 2, "--a"},
        {"tisserand", {"--a", "3", "--e", "0.5"}, 2, "--i"},
    };
    for (const auto& c : cases) {
        const CliResult r = RunCli(c.subcommand, c.args);
        const std::string what = c.subcommand + " " + ::testing::PrintToString(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << what << "\n" << r.err;
        EXPECT_EQ(SplitLf(r.err).size(), 1u) << what << "\n" << r.err;
        EXPECT_NE(r.err.find(c.inMessage), std::string::npos) << what << "\n" << r.err;
    }
}

// The usage text only when the command line is empty: exit 2, nothing on stdout.
TEST_F(CliCommandLine, UsageWithoutArguments) {
    const CliResult top = RunCliShell("", "");
    EXPECT_EQ(top.exitCode, 2);
    EXPECT_EQ(top.err.rfind("uso: vagaris-cli", 0), 0u) << top.err;
    for (const auto& name : kSubcommands) {
        const CliResult r = RunCli(name, {});
        EXPECT_EQ(r.exitCode, 2) << name;
        EXPECT_EQ(r.err.rfind("uso: vagaris-cli " + name + " ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find("vagaris-cli " + name + " --help"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << name;
    }
}

TEST_F(CliCommandLine, VersionAndHelpExitZero) {
    const CliResult version = RunCliShell("--version", "");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "vagaris-cli 1.0.0.1\n");
    const CliResult help = RunCliShell("--help", "");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, "");
    for (const auto& name : kSubcommands)
        EXPECT_NE(help.out.find("\n  " + name + " "), std::string::npos) << name;
    for (const char* part : {"Códigos de salida:", "VAGARIS_HOME", "457.txt"})
        EXPECT_NE(help.out.find(part), std::string::npos) << part;
}

// Each subcommand's help: what it does, its usage, every option with its default, an
// example, the exit codes; --help wins over any other argument.
TEST_F(CliCommandLine, EverySubcommandHasItsHelp) {
    for (const auto& name : kSubcommands) {
        const CliResult r = RunCli(name, {"--catalog", "x", "--help"});
        ASSERT_EQ(r.exitCode, 0) << name << r.err;
        EXPECT_EQ(r.out.rfind("vagaris-cli " + name + ": ", 0), 0u) << r.out;
        for (const char* part :
             {"\nuso: vagaris-cli ", "\nOpciones:\n", "\n  --help\n", "\nEjemplo:\n  vagaris-cli ",
              "\nCódigos de salida:\n  0  ", "\n  1  ", "\n  2  "})
            EXPECT_NE(r.out.find(part), std::string::npos) << name << ": " << part;
        for (const auto& line : SplitLf(r.out)) {
            std::size_t characters = 0;
            for (unsigned char c : line) characters += (c & 0xC0) != 0x80;
            if (line.rfind("  vagaris-cli ", 0) != 0) {  // the example stays one command line
                EXPECT_LE(characters, 90u) << name << ": " << line;
            }
        }
    }
    // An option with a default names it.
    const std::string ephemeris = RunCli("ephemeris", {"--help"}).out;
    EXPECT_NE(ephemeris.find("--rows FILAS\n        el número de filas, de 0 a 9999 (por defecto "
                             "0030)"),
              std::string::npos)
        << ephemeris;
}

// The example of each help runs as printed (in a folder holding what it names), except the
// download, which needs the Minor Planet Center.
TEST_F(CliCommandLine, TheExamplesOfTheHelpRun) {
    const vagaris::test::TempFolder work("vagaris-cli-example");
    fs::copy_file(fs::path(VAGARIS_SAMPLES_DIR) / "CometsCR.dat", work.dir / "CometsCR.dat");
    fs::copy_file(fs::path(VAGARIS_SAMPLES_DIR) / "MPCORB.excerpt.dat", work.dir / "MPCORB.DAT");
    for (const auto& name : kSubcommands) {
        if (name == "download") continue;
        const std::string help = RunCli(name, {"--help"}).out;
        const auto at = help.find("\nEjemplo:\n  vagaris-cli ");
        ASSERT_NE(at, std::string::npos) << name;
        const auto start = at + std::string("\nEjemplo:\n  vagaris-cli ").size();
        const std::string example = help.substr(start, help.find('\n', start) - start);
        const std::string command = "cd " + ShellQuoted(work.dir.string()) + " && " +
                                    ShellQuoted(VAGARIS_CLI_PATH) + " " + example +
                                    " >/dev/null 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0) << example;
    }
}

// The forms of today's command lines keep working.
TEST_F(CliCommandLine, OptionFormsUsersType) {
    const std::vector<std::string> base = {"--catalog", "CometsCR.dat", "--name",
                                           "hale-bopp", "--at",         "01/04/1997 20:00:00"};
    auto run = [&](std::vector<std::string> more) {
        std::vector<std::string> all = base;
        all.insert(all.end(), more.begin(), more.end());
        return RunCli("circumstances", all);
    };
    const CliResult south = run({"--lat", "-05"});
    ASSERT_EQ(south.exitCode, 0) << south.err;
    EXPECT_EQ(run({"--lat=-05"}).out, south.out);  // --option=value
    EXPECT_NE(run({"--lat", "+40"}).out, south.out);
    // A repeated option: the last one counts, as before.
    const CliResult twice =
        RunCli("circumstances", {"--catalog", "NoExiste.dat", "--catalog", "CometsCR.dat", "--name",
                                 "hale-bopp", "--at", "01/04/1997 20:00:00", "--lat", "-05"});
    EXPECT_EQ(twice.exitCode, 0) << twice.err;
    EXPECT_EQ(twice.out, south.out);
    // Options after the words of a search key, and a key in several words.
    const std::string excerpt = std::string(VAGARIS_SAMPLES_DIR) + "/MPCORB.excerpt.dat";
    const CliResult words = RunCli("search", {"1999", "HV1", "--mpcorb", excerpt});
    EXPECT_EQ(words.exitCode, 0) << words.err;
    EXPECT_EQ(words.out.substr(0, words.out.find('\n')), "Name: 1999 HV1");
}

// The manual page is printed from the help's texts, and groff reads it without a warning.
TEST_F(CliCommandLine, ManualPageCarriesEveryOption) {
    const CliResult man = RunCliShell("--manual-page", "");
    ASSERT_EQ(man.exitCode, 0);
    EXPECT_EQ(man.out.rfind(".TH VAGARIS-CLI 1 ", 0), 0u);
    for (const auto& name : kSubcommands) {
        EXPECT_NE(man.out.find("\n.SS " + name + "\n"), std::string::npos) << name;
        for (const auto& line : SplitLf(RunCli(name, {"--help"}).out)) {
            if (line.rfind("  -", 0) != 0) continue;  // the option lines
            std::string option = line.substr(2, line.find(' ', 2) - 2), roff;
            for (char ch : option) roff += ch == '-' ? std::string("\\-") : std::string(1, ch);
            EXPECT_NE(man.out.find(roff), std::string::npos) << name << " " << option;
        }
    }
    const vagaris::test::TempFolder folder("vagaris-man");
    const fs::path page = folder.dir / "vagaris-cli.1";
    std::ofstream(page, std::ios::binary) << man.out;
    const fs::path warnings = folder.dir / "warnings.txt";
    const std::string command = "groff -k -man -Tutf8 -ww -z " + ShellQuoted(page.string()) +
                                " 2>" + ShellQuoted(warnings.string());
    if (std::system("command -v groff >/dev/null 2>&1") != 0) GTEST_SKIP() << "no groff";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(vagaris::test::ReadBytes(warnings), "");
}

}  // namespace
