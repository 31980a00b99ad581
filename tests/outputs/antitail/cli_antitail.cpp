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
