// `vagaris-cli antitail` prints the pure list, writes the page's file bytes with -o, and
// rejects bad options.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalogs/LineFormats.h"
#include "core/TextFile.h"
#include "core/Time.h"
#include "core/precise/PreciseModel.h"
#include "outputs/antitail/AntiTailSearch.h"
#include "tests/outputs/antitail/SyntheticComets.h"
#include "support/RunCli.h"
#include "tests/support/TestHome.h"

namespace {

using vagaris::test::CliResult;
using vagaris::test::ReadBytes;
using vagaris::test::SplitLf;

class CliAntitailTest : public ::testing::Test {
protected:
    TestHome home;
    std::filesystem::path catalog;
    std::vector<std::string> lines;

    void SetUp() override {
        for (int k = 0; k < 5; ++k) {
            synthetic::Comet c;
            c.name = "C/2011 S" + std::to_string(k);
            c.node = 23.0 + 71.0 * k;
            lines.push_back(synthetic::Line(c));
        }
        catalog = home.dir / "CometsCR.dat";
        std::ofstream file(catalog, std::ios::binary);
        for (const auto& l : lines) file << l << "\r\n";
    }
    CliResult Run(const std::vector<std::string>& args) {
        return vagaris::test::RunCli("antitail", args);
    }
};

TEST_F(CliAntitailTest, PrintsTheList) {
    const CliResult r = Run({"--catalog", catalog.string(), "--year", "2011"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto expected = vagaris::AntiTailList(lines, 2011).lines;
    EXPECT_GT(expected.size(), 2u);
    EXPECT_EQ(SplitLf(r.out), expected);
}

TEST_F(CliAntitailTest, WritesTheFileAsThePageSaves) {
    const auto path = home.dir / "lista.txt";
    const CliResult r = Run({"--catalog", catalog.string(), "--year", "2012", "-o", path.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(ReadBytes(path), vagaris::EncodeTextFile(vagaris::AntiTailList(lines, 2012).lines));
}

// The precise model takes its own years: 2999 is searched to its end, 3000 and 999 are refused
// with the model's message (exit 1) before the catalog is read; the standard model keeps the
// option's range (1000 to 3000).
TEST_F(CliAntitailTest, PreciseModelTakesItsOwnYears) {
    synthetic::Comet c;
    c.tpYear = 2999, c.tpMonth = 12, c.tpDay = 20.0;
    c.node = synthetic::NodeCrossedAt(vagaris::EncodeDate(2999, 12, 31) + 20.0 / 24);
    const auto late = home.dir / "Tardio.dat";
    std::ofstream(late, std::ios::binary) << synthetic::Line(c) << "\r\n";
    const CliResult r = Run({"--catalog", late.string(), "--year", "2999", "--model", "precise"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto out = SplitLf(r.out);
    ASSERT_EQ(out.size(), 3u) << r.out;
    EXPECT_EQ(out[2].rfind("000  31/12/2999 ", 0), 0u) << out[2];

    const std::string missing = (home.dir / "no-existe.dat").string();
    for (const char* year : {"3000", "999"}) {
        for (const std::string& file : {catalog.string(), missing}) {
            const CliResult p = Run({"--catalog", file, "--year", year, "--model", "precise"});
            EXPECT_EQ(p.exitCode, 1) << year;
            EXPECT_EQ(p.err, std::string(vagaris::kPreciseRangeMessage) + "\n") << year;
            EXPECT_TRUE(p.out.empty()) << year;
        }
    }
    const CliResult standard = Run({"--catalog", catalog.string(), "--year", "3000"});
    EXPECT_EQ(standard.exitCode, 0) << standard.err;
    EXPECT_EQ(SplitLf(standard.out), vagaris::AntiTailList(lines, 3000).lines);
    const CliResult outside = Run({"--catalog", catalog.string(), "--year", "3001"});
    EXPECT_EQ(outside.exitCode, 2);
    EXPECT_EQ(outside.err, "--year fuera de rango (1000 a 3000): '3001'\n");
}

TEST_F(CliAntitailTest, BadOptionsAndFiles) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
    };
    const std::string cat = catalog.string();
    const Case cases[] = {
        {{"--year", "2011"}, 2},
        {{"--catalog", cat}, 2},
        {{"--catalog", cat, "--year", "dos mil"}, 2},
        {{"--catalog", cat, "--year", "999"}, 2},
        {{"--catalog", cat, "--year", "2011", "--sin-sentido"}, 2},
        {{"--catalog", (home.dir / "no-existe.dat").string(), "--year", "2011"}, 1},
    };
    for (const auto& c : cases) {
        const CliResult r = Run(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.back();
        EXPECT_FALSE(r.err.empty()) << c.args.back();
    }
}

}  // namespace
