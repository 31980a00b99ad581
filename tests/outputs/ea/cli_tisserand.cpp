// `vagaris-cli tisserand` prints the e/a page's label for a typed orbit or a catalog object.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/outputs/antitail/SyntheticComets.h"
#include "support/RunCli.h"
#include "tests/support/TestHome.h"

namespace {

using vagaris::test::CliResult;

class CliTisserandTest : public ::testing::Test {
protected:
    TestHome home;
    CliResult Run(const std::vector<std::string>& args) {
        return vagaris::test::RunCli("tisserand", args);
    }
};

TEST_F(CliTisserandTest, TypedOrbits) {
    struct Case {
        std::vector<std::string> args;
        const char* out;
    };
    const Case cases[] = {
        {{"--a", "3.0000", "--e", "0.50000", "--i", "020.000"},
         "Calculado     a: 3.00     e: 0.50     Tj: 2.97\n"},
        {{"--a", "3.5", "--e", "0.6", "--i", "10", "--title", "Mi orbita"},
         "Mi orbita     a: 3.50     e: 0.60     Tj: 2.78\n"},
        {{"--a", "0", "--e", "0.5", "--i", "20"},
         "Calculado     a: 0.00     e: 0.50     Tj: ---\n"},
    };
    for (const auto& c : cases) {
        const CliResult r = Run(c.args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
}

TEST_F(CliTisserandTest, CatalogObjectByIndexOrName) {
    synthetic::Comet parabolic;
    parabolic.name = "C/2011 P1 (Parabolico)";
    parabolic.q = 0.5, parabolic.e = 1.0, parabolic.i = 10.0;
    synthetic::Comet elliptic;
    elliptic.name = "P/2011 E1 (Eliptico)";
    elliptic.q = 1.5, elliptic.e = 0.5, elliptic.i = 0.0;
    const auto catalog = home.dir / "CometsCR.dat";
    {
        std::ofstream file(catalog, std::ios::binary);
        file << synthetic::Line(parabolic) << "\r\n" << synthetic::Line(elliptic) << "\r\n";
    }
    CliResult r = Run({"--catalog", catalog.string(), "--object", "0"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("C/2011 P1 (Parabolico)     a: -4993", 0), 0u) << r.out;
    EXPECT_TRUE(r.out.ends_with("     e: 1.00     Tj: 0.86\n")) << r.out;

    r = Run({"--catalog", catalog.string(), "--kind", "C", "--name", "eliptico"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("P/2011 E1 (Eliptico)     a: 3.00     e: 0.50     Tj: ", 0), 0u) << r.out;
}

TEST_F(CliTisserandTest, UsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--a", "3"},                                              // e and i missing
        {"--a", "3", "--e", "0.5", "--i", "1", "--catalog", "x"},  // both forms
        {"--catalog", "x.dat"},                                    // no object
        {"--catalog", "x.dat", "--object", "0", "--name", "y"},    // two objects
    };
    for (const auto& args : cases) {
        const CliResult r = Run(args);
        EXPECT_EQ(r.exitCode, 2) << (args.empty() ? "" : args.front());
        EXPECT_FALSE(r.err.empty());
    }
    // A typed element that is not a number is a wrong command line, named in the message.
    const CliResult notANumber = Run({"--a", "x", "--e", "0.5", "--i", "1"});
    EXPECT_EQ(notANumber.exitCode, 2);
    EXPECT_EQ(notANumber.err, "--a espera un número: 'x'\n");
}

}  // namespace
