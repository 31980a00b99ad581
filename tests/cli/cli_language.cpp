// vagaris-cli --lang: Spanish unless asked, whatever the locale it runs under, so scripts
// reading the output do not change under them; English captions with --lang en, the values
// and their layout untouched.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/FileBytes.h"
#include "support/RunCli.h"
#include "support/TestHome.h"

namespace {

using vagaris::test::CliResult;
using vagaris::test::RunCli;
using vagaris::test::RunCliShell;
using vagaris::test::SplitLf;

// C/1995 O1 (Hale-Bopp) at perihelion, from the comet sample.
const std::vector<std::string> kHaleBopp = {"--catalog", "CometsCR.dat", "--object",
                                            "1",         "--at",         "29/03/1997 00:43:03"};

std::vector<std::string> With(std::vector<std::string> args, const std::string& a,
                              const std::string& b) {
    args.push_back(a);
    args.push_back(b);
    return args;
}

// An English locale for the child processes started inside one scope.
struct EnglishEnvironment {
    EnglishEnvironment() {
        for (const char* name : {"LANG", "LC_ALL", "LANGUAGE"}) setenv(name, "en_US.UTF-8", 1);
    }
    ~EnglishEnvironment() {
        for (const char* name : {"LANG", "LC_ALL", "LANGUAGE"}) unsetenv(name);
    }
};

class CliLanguage : public ::testing::Test {
protected:
    void SetUp() override { home_.copySample("CometsCR.dat"); }
    TestHome home_;
};

TEST_F(CliLanguage, SpanishWithoutTheOptionWhateverTheLocale) {
    const CliResult plain = RunCli("circumstances", kHaleBopp);
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_EQ(SplitLf(plain.out).at(1).rfind("Ar: ", 0), 0u) << plain.out;
    const CliResult asked = RunCli("circumstances", With(kHaleBopp, "--lang", "es"));
    EXPECT_EQ(asked.out, plain.out);
    EnglishEnvironment english;
    EXPECT_EQ(RunCli("circumstances", kHaleBopp).out, plain.out);
}

TEST_F(CliLanguage, EnglishCaptionsSameValues) {
    const auto spanish = SplitLf(RunCli("circumstances", kHaleBopp).out);
    const CliResult r = RunCli("circumstances", With(kHaleBopp, "--lang", "en"));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto english = SplitLf(r.out);
    ASSERT_EQ(english.size(), spanish.size()) << r.out;
    const struct {
        std::size_t line;
        const char* spanish;
        const char* english;
    } captions[] = {
        {0, "Distancia: ", "Distance: "},
        {1, "Ar: ", "RA: "},
        {3, "Radio vector: ", "Sun distance: "},
        {5, "Ang. de fase: ", "Phase angle: "},
        {7, "Velocidad ", "Velocity "},
        {8, "Altura máxima (Sol -18°): ", "Max. altitude (Sun -18°): "},
        {10, "A.P: ", "PA: "},
        {11, "Exposición máxima: ", "Max. exposure: "},
    };
    for (const auto& c : captions) {
        const std::string es = spanish[c.line], en = english[c.line];
        ASSERT_EQ(es.rfind(c.spanish, 0), 0u) << es;
        ASSERT_EQ(en.rfind(c.english, 0), 0u) << en;
        // The number after the caption is the same; only the words after it may differ.
        const std::string enValue = en.substr(std::string(c.english).size());
        const std::string esValue = es.substr(std::string(c.spanish).size());
        EXPECT_EQ(enValue.substr(0, enValue.find(' ')), esValue.substr(0, esValue.find(' '))) << en;
    }
    // The unit words come from the same translation, the spacing of the Spanish layout kept.
    EXPECT_NE(english[0].find(" AU  ("), std::string::npos) << english[0];
    EXPECT_EQ(english[12].substr(0, 5), "P:   ");
    EXPECT_EQ(english[12].substr(english[12].size() - 6), " years") << english[12];
    EXPECT_EQ(english[11].substr(english[11].size() - 2), " s") << english[11];
}

// The codes of the build in the message's order: "es o en", "es, en o pt" ("es" first).
std::vector<std::string> ListedCodes(std::string list) {
    std::vector<std::string> out;
    for (const std::string separator : {", ", " o "})
        for (std::size_t at; (at = list.find(separator)) != std::string::npos;)
            list.replace(at, separator.size(), " ");
    std::size_t from = 0;
    for (std::size_t at; (at = list.find(' ', from)) != std::string::npos; from = at + 1)
        out.push_back(list.substr(from, at - from));
    out.push_back(list.substr(from));
    return out;
}

// One line naming the option and every language of the build; exit 2, nothing on stdout.
TEST_F(CliLanguage, UnknownOrMissingValueIsAUsageError) {
    const std::string start = "--lang: se esperaba ";
    auto missing = kHaleBopp;
    missing.push_back("--lang");
    std::vector<CliResult> results = {RunCli("circumstances", missing)};
    for (const char* value : {"de", "EN", "", "en-GB", "es_ES"})
        results.push_back(RunCli("circumstances", With(kHaleBopp, "--lang", value)));
    for (const CliResult& r : results) {
        EXPECT_EQ(r.exitCode, 2) << r.err;
        EXPECT_EQ(r.out, "");
        ASSERT_EQ(r.err.rfind(start, 0), 0u) << r.err;
        ASSERT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
        EXPECT_EQ(r.err, results.front().err);
    }
    const std::string& err = results.front().err;
    const auto codes = ListedCodes(err.substr(start.size(), err.size() - start.size() - 1));
    ASSERT_GE(codes.size(), 2u) << err;
    EXPECT_EQ(codes[0], "es") << err;
    EXPECT_NE(std::find(codes.begin(), codes.end(), "en"), codes.end()) << err;
    if (codes.size() == 2) {
        EXPECT_EQ(err, "--lang: se esperaba es o en\n");
    }
    // Every code the message names is accepted.
    for (const std::string& code : codes)
        EXPECT_EQ(RunCli("circumstances", With(kHaleBopp, "--lang", code)).exitCode, 0) << code;
}

// The saved tables in English: English headings over the same columns (the separator lines and
// the rows are the Spanish bytes), Windows-1252 and CR LF as before.
TEST_F(CliLanguage, SavedTablesHaveEnglishHeadingsOverTheSameColumns) {
    home_.copySample("BrightMinorPlanetsCR.dat");
    const std::string cat = home_.programDir() + "CometsCR.dat";
    const struct {
        std::string command;
        std::vector<std::string> args;
        std::vector<std::string> englishLines;  // lines expected somewhere in the English file
    } cases[] = {
        {"ephemeris",
         {"--catalog", cat, "--object", "3", "--start", "01/01/2025", "--rows", "2", "--cartesian",
          "--cola"},
         {"Positions for the Earth's centre", "Max. altitude for Sun at -18\xB0 and Lat +40",
          "                                                    RA      DEC",
          "UT                 RA          DEC         MAG    \"/min    \"/min  MA    D(AU)    "
          "R(AU)  ELN  PHA  TPA  APA  DIF  "}},
        {"antitail",
         {"--catalog", cat, "--year", "2024"},
         {"N    DATE UT            PHA  MAG   COMET"}},
        {"tonight",
         {"--catalog", home_.programDir() + "BrightMinorPlanetsCR.dat", "--date", "01/03/2025",
          "--lat", "40", "--lon", "-3.7", "--limit", "2"},
         {"Night of 01/03/2025 to 02/03/2025 (01/03/2025 12:15 to 02/03/2025 12:14 UT)",
          "Site: latitude +40\xB0, longitude -003.7\xB0",
          "Dark (Sun at -18\xB0): 19:37 to 05:16 UT",
          "    N  OBJECT               MAG  START   END    HOURS  BEST   ALT   AZ  ELN     D(AU)  "
          "   R(AU)    \"/MIN     PA  MOON       AGE     PERIH"}},
    };
    for (const auto& c : cases) {
        std::vector<std::vector<std::string>> files;
        for (const char* lang : {"es", "en"}) {
            const std::string out = home_.programDir() + c.command + "-" + lang + ".txt";
            std::vector<std::string> args = With(c.args, "-o", out);
            args = With(args, "--lang", lang);
            const CliResult r = RunCli(c.command, args);
            ASSERT_EQ(r.exitCode, 0) << c.command << ' ' << r.err;
            std::vector<std::string> lines;
            const std::string bytes = vagaris::test::ReadBytes(out);
            for (std::size_t start = 0, end; start < bytes.size(); start = end + 2) {
                end = bytes.find("\r\n", start);
                ASSERT_NE(end, std::string::npos) << c.command << ": every line ends in CR LF";
                lines.push_back(bytes.substr(start, end - start));
            }
            files.push_back(lines);
        }
        const auto& spanish = files[0];
        const auto& english = files[1];
        ASSERT_EQ(spanish.size(), english.size()) << c.command;
        for (const std::string& expected : c.englishLines)
            EXPECT_NE(std::find(english.begin(), english.end(), expected), english.end())
                << c.command << ": no line \"" << expected << "\"";
        // From the separator on, every line is the Spanish one: the separator and the rows.
        std::size_t separator = 0;
        while (separator < spanish.size() && spanish[separator].rfind("---", 0) != 0) ++separator;
        ASSERT_LE(separator + 3, spanish.size()) << c.command << ": a separator and two rows";
        for (std::size_t k = separator; k < spanish.size(); ++k)
            EXPECT_EQ(english[k], spanish[k]) << c.command << " line " << k;
    }
}

// The help and the manual page in English with --lang en; Spanish otherwise.
TEST_F(CliLanguage, HelpAndManualPageInEitherLanguage) {
    const CliResult es = RunCli("tonight", {"--help"});
    const CliResult en = RunCli("tonight", {"--help", "--lang", "en"});
    ASSERT_EQ(es.exitCode, 0);
    ASSERT_EQ(en.exitCode, 0);
    EXPECT_NE(es.out.find("Opciones:"), std::string::npos) << es.out;
    EXPECT_NE(en.out.find("\nOptions:\n  --catalog FILE\n"), std::string::npos) << en.out;
    EXPECT_NE(en.out.find("usage: vagaris-cli tonight (--catalog FILE"), std::string::npos);
    EXPECT_EQ(en.out.find("por defecto"), std::string::npos) << en.out;
    const CliResult man = RunCliShell("--lang en --manual-page", "");
    EXPECT_NE(man.out.find(".SH NAME\n"), std::string::npos) << man.out;
    EXPECT_NE(man.out.find(".SH EXIT STATUS\n"), std::string::npos);
    EXPECT_NE(RunCliShell("--manual-page", "").out.find(".SH NOMBRE\n"), std::string::npos);
}

}  // namespace
