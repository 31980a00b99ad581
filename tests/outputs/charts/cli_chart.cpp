// vagaris-cli chart: the samples as text match the pure computation, the picture is a GIF of
// the chart's size, and the options are checked.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "catalogs/SessionCatalog.h"
#include "core/Session.h"
#include "core/Time.h"
#include "outputs/charts/ChartCsv.h"
#include "outputs/charts/ChartSampling.h"
#include "outputs/charts/ChartView.h"
#include "support/RunCli.h"
#include "support/TestHome.h"

using namespace vagaris;

namespace {

const std::string kComets = std::string(VAGARIS_SAMPLES_DIR) + "/CometsCR.dat";

struct CliResult {
    int exitCode = -1;
    std::vector<std::string> lines;  // stdout
};

CliResult RunCli(const std::string& arguments) {
    const vagaris::test::CliResult run = vagaris::test::RunCliShell("chart", arguments);
    CliResult result;
    result.exitCode = run.exitCode;
    for (std::string line : vagaris::test::SplitLf(run.out)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        result.lines.push_back(line);
    }
    return result;
}

std::string CatalogLine(int index) {
    std::ifstream in(kComets, std::ios::binary);
    std::string line;
    for (int k = 0; k <= index; ++k) std::getline(in, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

// The session the command builds: object `index` of the comet sample, default settings.
Session CometSession(int index) {
    Session s;
    s.clock = [] { return EncodeDate(2011, 1, 1); };
    s.CatalogKind = 'C';
    s.CatalogLines.assign(index + 1, std::string());
    s.CatalogLines[index] = CatalogLine(index);
    CutCatalogLine(s, index);
    return s;
}

}  // namespace

class ChartCli : public ::testing::Test {
protected:
    TestHome home;  // no vagaris.ini: default settings
};

TEST_F(ChartCli, CsvGivesThePageSamples) {
    const CliResult r = RunCli("--catalog \"" + kComets +
                               "\" --object 2 --at \"01/01/2011 00:00:00\" --right dec "
                               "--twilight civil --span 100 --csv");
    ASSERT_EQ(r.exitCode, 0);
    Session s = CometSession(2);
    s.CurrentInstant = EncodeDate(2011, 1, 1);
    const ChartSamples samples = SampleChart(
        ObserverFromSettings(s.settings), s.Elements, s.Circumstances,
        {s.CurrentInstant, 100, kQuantityMagnitude, kQuantityDeclination, ChartTwilight::Civil});
    const auto expected = ChartCsvLines(samples, kQuantityMagnitude, kQuantityDeclination);
    ASSERT_EQ(r.lines.size(), 401u);
    EXPECT_EQ(r.lines[0], "fecha,magnitud,dec");
    EXPECT_EQ(r.lines[1].substr(0, 20), "22/12/2010 00:00:00,");
    EXPECT_EQ(r.lines, expected);
}

TEST_F(ChartCli, NingunaLeavesItsFieldEmpty) {
    const CliResult r =
        RunCli("--catalog \"" + kComets + "\" --object 0 --at \"01/01/2011\" --left ninguna --csv");
    ASSERT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.lines.size(), 401u);
    EXPECT_EQ(r.lines[0], "fecha,ninguna,altura");
    EXPECT_EQ(r.lines[1].substr(0, 21), "30/11/2010 00:00:00,,");
    EXPECT_GT(r.lines[1].size(), 21u);
}

TEST_F(ChartCli, PictureIsAGifOfTheChartSize) {
    const std::string path = home.dir.string() + "/chart.gif";
    const CliResult r = RunCli("--catalog \"" + kComets +
                               "\" --object 0 --at \"01/01/2011 00:00:00\" -o \"" + path + "\"");
    ASSERT_EQ(r.exitCode, 0);
    std::ifstream in(path, std::ios::binary);
    unsigned char header[10] = {};
    in.read(reinterpret_cast<char*>(header), sizeof header);
    ASSERT_TRUE(in);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(header), 4), "GIF8");
    EXPECT_EQ(header[6] | header[7] << 8, ChartView::kWidth);
    EXPECT_EQ(header[8] | header[9] << 8, ChartView::kHeight);

    const std::string bmp = home.dir.string() + "/chart.bmp";
    ASSERT_EQ(RunCli("--catalog \"" + kComets + "\" --object 0 --at 01/01/2011 -o \"" + bmp + "\"")
                  .exitCode,
              0);
    std::ifstream bmpIn(bmp, std::ios::binary);
    char magic[2] = {};
    bmpIn.read(magic, 2);
    EXPECT_EQ(std::string(magic, 2), "BM");
}

TEST_F(ChartCli, UsageErrors) {
    const std::string object = "--catalog \"" + kComets + "\" --object 0 --at 01/01/2011 ";
    for (const std::string& args : {object,                          // no output
                                    object + "--csv -o x.gif",       // both
                                    object + "--csv --left brillo",  // unknown item
                                    object + "--csv --span 0",       // span too small
                                    object + "--csv --span 100001",  // span too large
                                    object + "--csv --span diez", object + "--csv --twilight dark"})
        EXPECT_EQ(RunCli(args).exitCode, 2) << args;
}
