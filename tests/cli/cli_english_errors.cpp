// vagaris-cli --lang en all the way: every subcommand's error paths (the option parser's, the
// options' own checks, missing files, object choice) say their message in English. A message
// left in Spanish shows by its words or its accents; the values the user typed are chosen so
// that they hold none.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "support/RunCli.h"
#include "support/TestHome.h"

namespace {

using vagaris::test::CliResult;
using vagaris::test::RunCliShell;

// Words of the Spanish messages that English does not use ("y" is left out: X,Y is English).
const std::set<std::string> kSpanishWords = {
    "falta",    "faltan",   "espera",  "esperaba",    "fuera",       "rango",    "excluyen",
    "opción",   "orden",    "órdenes", "argumento",   "inesperado",  "catálogo", "catálogos",
    "objeto",   "objetos",  "ningún",  "coincide",    "carpeta",     "leer",     "puede",
    "debe",     "mayor",    "solo",    "vale",        "lista",       "vacía",    "archivo",
    "nombre",   "largo",    "hay",     "desconocida", "desconocido", "uso",      "indique",
    "planeta",  "imágenes", "de",      "del",         "ni",          "en",       "con",
    "se",       "es",       "un",      "una",         "que",         "el",       "la",
    "los",      "las",      "para",    "sin",         "por",         "válida",   "elegido",
    "calcular", "descarga", "ayuda",   "enumera",     "lleva",       "valor"};

// The words of a text: runs of letters (UTF-8 letters kept whole), lower case.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (unsigned char c : text) {
        if (std::isalpha(c) || c >= 0x80) {
            word += static_cast<char>(std::tolower(c));
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

// What in `text` is Spanish: its Spanish words and its accented letters and ¿ ¡.
std::string SpanishIn(const std::string& text) {
    std::string found;
    for (const std::string& w : Words(text))
        if (kSpanishWords.count(w)) found += " '" + w + "'";
    for (const char* mark : {"á", "é", "í", "ó", "ú", "ñ", "¿", "¡"})
        if (text.find(mark) != std::string::npos) found += std::string(" ") + mark;
    return found;
}

class CliEnglishErrors : public ::testing::Test {
protected:
    void SetUp() override {
        home_.copySample("CometsCR.dat");
        std::ofstream(home_.dir / "Other.dat") << "\n";  // a name the format is not told by
    }
    TestHome home_;
};

TEST_F(CliEnglishErrors, EverySubcommandsErrorsAreEnglish) {
    const std::string missing = (home_.dir / "Nope.dat").string();
    const std::string object = "--catalog CometsCR.dat --object 1 ";
    const struct {
        const char* command;
        std::string args;
        int exitCode;
    } cases[] = {
        {"", "", 2},
        {"frobnicate", "", 2},
        {"--bogus", "", 2},
        {"circumstances", "--bogus", 2},
        {"circumstances", "--catalog", 2},
        {"circumstances", "--json=1 --catalog CometsCR.dat --object 1", 2},
        {"circumstances", "--catalog CometsCR.dat", 2},
        {"circumstances", "--catalog Nope.dat --object 0", 1},
        {"circumstances", "--catalog " + missing + " --object 0", 1},
        {"circumstances", "--catalog Other.dat --object 0", 2},
        {"circumstances", "--catalog CometsCR.dat --kind X --object 0", 2},
        {"circumstances", "--catalog CometsCR.dat --name Tempel", 1},
        {"circumstances", "--catalog CometsCR.dat --name zzzz", 1},
        {"circumstances", "--catalog CometsCR.dat --name ' '", 1},
        {"circumstances", "--catalog CometsCR.dat --object 99999", 1},
        {"circumstances", "--catalog CometsCR.dat --object x", 2},
        {"circumstances", object + "--mode X", 2},
        {"circumstances", object + "--twilight x", 2},
        {"circumstances", object + "--lat 99", 2},
        {"circumstances", object + "--lat x", 2},
        {"circumstances", object + "--lon 999", 2},
        {"circumstances", object + "--res 0", 2},
        {"circumstances", object + "--polar --cartesian", 2},
        {"circumstances", object + "--exposure-format x", 2},
        {"circumstances", object + "--geocentric", 2},
        {"circumstances", object + "--model x", 2},
        {"circumstances", object + "--at 31/02/2024", 1},
        {"circumstances", object + "extra", 2},
        {"ephemeris", object, 2},
        {"ephemeris", object + "--start 01/01/2025 --step x", 2},
        {"ephemeris", object + "--start 01/01/2025 --step 100", 2},
        {"ephemeris", object + "--start 01/01/2025 --rows x", 2},
        {"ephemeris", object + "--start 01/01/2025 --rows 10000", 2},
        {"ephemeris", object + "--start 01/01/2025 --unit x", 2},
        {"ephemeris", object + "--start 01/01/2025 extra", 2},
        {"orbit", object, 2},
        {"orbit", object + "-o x.gif --tilt 200", 2},
        {"orbit", object + "-o x.gif --planets pluto", 2},
        {"orbit", object + "-o x.gif --planets ,", 2},
        {"orbit", object + "-o x.gif --scale 0", 2},
        {"orbit", object + "-o x.gif --pan x", 2},
        {"orbit", object + "-o x.gif --frames 2 --unit x", 2},
        {"orbit", object + "-o x.gif --frames 2 --step 4", 2},
        {"orbit", object + "-o x.gif --step 2", 2},
        {"orbit", object + "-o x.gif --animated", 2},
        {"orbit", object + "-o x.gif --frames 0 --animated", 2},
        {"orbit", object + "-o x.bmp --frames 2 --animated", 2},
        {"orbit", object + "-o x.gif extra", 2},
        {"chart", object + "-o x.gif --left x", 2},
        {"chart", object + "-o x.gif --span 0", 2},
        {"chart", object + "-o x.gif --twilight x", 2},
        {"chart", object + "-o x.gif --csv", 2},
        {"chart", object, 2},
        {"chart", object + "--csv extra", 2},
        {"search", "--json", 2},
        {"search", "--mpcorb " + missing + " 2004MN4", 1},
        {"download", "xyz", 2},
        {"download", "comets neos", 2},
        {"download", "comets --timeout 0", 2},
        {"antitail", "--catalog CometsCR.dat", 2},
        {"antitail", "--year 2024", 2},
        {"antitail", "--catalog CometsCR.dat --year x", 2},
        {"antitail", "--catalog CometsCR.dat --year 5000", 2},
        {"antitail", "--catalog Nope.dat --year 2024", 1},
        {"antitail", "--catalog CometsCR.dat --year 2024 extra", 2},
        {"tisserand", "--a 1 --e 0.5 --i 3 --catalog CometsCR.dat", 2},
        {"tisserand", "--a x --e 0.5 --i 3", 2},
        {"tisserand", "--a 1 --i 3", 2},
        {"tisserand", "--catalog CometsCR.dat", 2},
        {"tisserand", "--title x", 2},
        {"tisserand", "--a 1 --e 0.5 --i 3 extra", 2},
        {"tonight", "--date 21/11/2025", 2},
        {"tonight", "--catalog CometsCR.dat", 2},
        {"tonight", "--catalog CometsCR.dat --date x", 2},
        {"tonight", "--catalog CometsCR.dat --date 21/11/2025 --sort x", 2},
        {"tonight", "--catalog CometsCR.dat --date 21/11/2025 --twilight x", 2},
        {"tonight", "--catalog CometsCR.dat --date 21/11/2025 --mag x", 2},
        {"tonight", "--catalog CometsCR.dat --date 21/11/2025 --mag 99", 2},
        {"tonight", "--catalog CometsCR.dat --date 21/11/2025 --min-time x", 2},
        {"tonight", "--catalog CometsCR.dat --date 21/11/2025 --lat 99", 2},
        {"tonight", "--catalog CometsCR.dat --date 21/11/2025 --lat x", 1},
        {"tonight", "--catalog CometsCR.dat --date 21/11/2025 --json --csv", 2},
        {"tonight", "--catalog Nope.dat --date 21/11/2025", 1},
        {"tonight", "--catalog CometsCR.dat --date 21/11/2025 extra", 2},
    };
    for (const auto& c : cases) {
        const std::string line = std::string(c.command) + " " + c.args;
        const CliResult r = RunCliShell(std::string(c.command), c.args + " --lang en");
        EXPECT_EQ(r.exitCode, c.exitCode) << line << "\n" << r.err;
        EXPECT_FALSE(r.err.empty()) << line;
        EXPECT_EQ(SpanishIn(r.err), "") << line << "\n" << r.err;
    }
    // No catalog at all for the night.
    std::filesystem::remove(home_.dir / "CometsCR.dat");
    const CliResult none = RunCliShell("tonight", "--all-catalogs --date 21/11/2025 --lang en");
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(SpanishIn(none.err), "") << none.err;
}

// The same lines in Spanish keep their Spanish words: the check above would see them.
TEST_F(CliEnglishErrors, TheCheckSeesSpanish) {
    const CliResult r = RunCliShell("circumstances", "--catalog CometsCR.dat --name Tempel");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(SpanishIn(r.err), "") << r.err;
    EXPECT_NE(SpanishIn("opción desconocida: --x"), "");
}

// The chart's quantities by their English names give the chart of the Spanish ones.
TEST_F(CliEnglishErrors, ChartQuantitiesTakeEnglishNames) {
    const std::string common = "--catalog CometsCR.dat --object 1 --at 01/04/1997 --span 5 --csv";
    const CliResult spanish = RunCliShell("chart", common + " --left dtierra --right altura");
    const CliResult english =
        RunCliShell("chart", common + " --left earth-distance --right altitude");
    ASSERT_EQ(spanish.exitCode, 0) << spanish.err;
    EXPECT_EQ(english.exitCode, 0) << english.err;
    EXPECT_EQ(english.out, spanish.out);
    const CliResult wrong = RunCliShell("chart", common + " --left moon --lang en");
    EXPECT_EQ(wrong.err,
              "chart: --left 'moon' is not magnitude, altitude, earth-distance, sun-distance, "
              "speed, ra, dec, elongation, phase or none\n");
}

}  // namespace
