// `vagaris-cli ephemeris` prints the same lines as the pure table and writes the page's file
// bytes with -o.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "catalogs/LineFormats.h"
#include "core/Session.h"
#include "core/TextFile.h"
#include "outputs/ephemeris/EphemerisTable.h"
#include "toolkit/AppController.h"
#include "shell/TFAtmo.h"
#include "support/FakeDialogs.h"
#include "support/RunCli.h"
#include "support/TestHome.h"

namespace {

using vagaris::test::CliResult;
using vagaris::test::ReadBytes;
using vagaris::test::SplitLf;

class CliEphemerisTest : public ::testing::Test {
protected:
    CliResult Run(const std::vector<std::string>& args) {
        return vagaris::test::RunCli("ephemeris", args);
    }
    // The pure table for comet 1 of the sample catalog (C/1995 O1); the latitude enters the
    // maximum altitude as well as the heading line.
    std::vector<std::string> PureTable(const vagaris::EphemerisLayout& layout,
                                       const vagaris::EphemerisRangeTexts& texts,
                                       const std::string& latitude = "+40") {
        std::ifstream in(catalog);
        std::string line;
        std::getline(in, line);
        std::getline(in, line);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        vagaris::Session session;
        session.CatalogKind = 'C';
        session.Elements = vagaris::ParseCometLine(line);
        session.settings.Lat = latitude;
        std::vector<std::string> lines;
        vagaris::BuildEphemerisTable(vagaris::ObserverFromSettings(session.settings),
                                     session.Elements, session.Elements.Name, layout, texts, lines);
        return lines;
    }

    TestHome home;  // no vagaris.ini: default settings
    const std::string catalog = std::string(VAGARIS_SAMPLES_DIR) + "/CometsCR.dat";
};

TEST_F(CliEphemerisTest, DefaultTablePrintsThePageLines) {
    const auto r = Run({"--catalog", catalog, "--object", "1", "--start", "01/03/1997 06:00:00",
                        "--rows", "0010"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    vagaris::EphemerisRangeTexts texts{"01/03/1997", "06:00:00", "01.0",
                                       vagaris::EphemerisStepUnit::Days, "0010"};
    EXPECT_EQ(SplitLf(r.out), PureTable({}, texts));
}

TEST_F(CliEphemerisTest, ColumnAndFormatOptionsFollowThePage) {
    const auto r = Run({"--catalog", catalog, "--object", "1", "--start", "20/03/1997 00:00:00",
                        "--step", "30.0", "--unit", "minutos", "--rows", "0005", "--no-delta",
                        "--no-elo", "--cola", "--cartesian", "--per-hour", "--lat", "-33"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    vagaris::EphemerisLayout layout;
    layout.Delta = layout.Elo = false;
    layout.Cola = true;
    layout.Polar = layout.PerMinute = false;
    layout.LatitudeText = "-33";
    vagaris::EphemerisRangeTexts texts{"20/03/1997", "00:00:00", "30.0",
                                       vagaris::EphemerisStepUnit::Minutes, "0005"};
    EXPECT_EQ(SplitLf(r.out), PureTable(layout, texts, "-33"));
}

TEST_F(CliEphemerisTest, OutputFileHasThePageSaveBytes) {
    const auto path = home.dir / "efemerides.txt";
    const auto r = Run({"--catalog", catalog, "--object", "1", "--start", "01/03/1997 00:00:00",
                        "--rows", "0003", "-o", path.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.out.empty());
    vagaris::EphemerisRangeTexts texts{"01/03/1997", "00:00:00", "01.0",
                                       vagaris::EphemerisStepUnit::Days, "0003"};
    EXPECT_EQ(ReadBytes(path), vagaris::EncodeTextFile(PureTable({}, texts)));
}

// The same request typed on the Efemérides page and given to the command line.
TEST_F(CliEphemerisTest, PageAndCommandLineShowTheSameLines) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "cli_ephemeris";
    static char* argv[] = {name, nullptr};
    // Kept to the end of the process: a QApplication destroyed among the static objects
    // after main() outlives Qt's own thread data.
    static auto* app = new QApplication(argc, argv);
    (void)app;

    home.copySample("CometsCR.dat");
    vagaris::Session session;
    session.clock = [] { return 40000.0; };
    FakeDialogs dialogs;
    TFAtmo window(session, dialogs);
    window.app().loadCatalog(0);
    auto* page = window.findChild<QWidget*>("tsEfe");
    ASSERT_NE(page, nullptr);
    window.findChild<QTabWidget*>("PageControl1")->setCurrentWidget(page);
    auto* combo = page->findChild<QComboBox*>("ComboBox2");
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    page->findChild<QLineEdit*>("meFecha2")->setText("25/03/1997");
    page->findChild<QLineEdit*>("meHora2")->setText("21:15:00");
    page->findChild<QLineEdit*>("meInter")->setText("03.5");
    page->findChild<QComboBox*>("cbInter")->setCurrentIndex(1);
    page->findChild<QLineEdit*>("MaskEdit1")->setText("0012");
    page->findChild<QCheckBox*>("cbR")->setChecked(false);
    page->findChild<QCheckBox*>("cbVel")->setChecked(false);
    page->findChild<QPushButton*>("Button32")->click();
    const QString shown = page->findChild<QPlainTextEdit*>("Memo1")->toPlainText();
    ASSERT_TRUE(dialogs.texts("error").isEmpty()) << dialogs.texts("error").join(" ").toStdString();

    const auto r =
        Run({"--catalog", catalog, "--object", "1", "--start", "25/03/1997 21:15:00", "--step",
             "03.5", "--unit", "horas", "--rows", "0012", "--no-r", "--no-vel"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(shown.toStdString() + "\n", r.out);
}

TEST_F(CliEphemerisTest, FailuresAndUsageErrors) {
    // An impossible start: the page's message, exit 1, the header lines already printed.
    auto r = Run({"--catalog", catalog, "--object", "1", "--start", "31/02/2009 00:00:00"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("'31/02/2009' is not a valid date"), std::string::npos) << r.err;
    EXPECT_EQ(SplitLf(r.out).size(), 6u);

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--catalog", catalog, "--object", "1"},  // no --start
          {"--catalog", catalog, "--object", "1", "--start", "01/03/1997", "--unit", "semanas"},
          {"--catalog", catalog, "--object", "1", "--start", "01/03/1997", "--rows", "10000"},
          {"--catalog", catalog, "--object", "1", "--start", "01/03/1997", "--bogus"}}) {
        r = Run(args);
        EXPECT_EQ(r.exitCode, 2) << args.back() << ": " << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

}  // namespace
