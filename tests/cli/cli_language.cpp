// vagaris-cli --lang: Spanish unless asked, whatever the locale it runs under, so scripts
// reading the output do not change under them; English captions with --lang en, the values
// and their layout untouched.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/RunCli.h"
#include "support/TestHome.h"

namespace {

using vagaris::test::CliResult;
using vagaris::test::RunCli;
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

TEST_F(CliLanguage, UnknownOrMissingValueIsAUsageError) {
    for (const char* value : {"de", "EN", ""}) {
        const CliResult r = RunCli("circumstances", With(kHaleBopp, "--lang", value));
        EXPECT_EQ(r.exitCode, 2) << value;
        EXPECT_EQ(r.err, "--lang: se esperaba es o en\n") << value;
        EXPECT_EQ(r.out, "");
    }
    auto missing = kHaleBopp;
    missing.push_back("--lang");
    EXPECT_EQ(RunCli("circumstances", missing).exitCode, 2);
}

}  // namespace
