// vagaris-cli orbit, run as a separate process: usage errors, pictures and sequences, and the
// same bytes as the Orbita page saves for the same state.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QSpinBox>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/Time.h"
#include "orbitview/OrbitTestWindow.h"
#include "pictures/GifFromImage.h"
#include "support/RunCli.h"

namespace fs = std::filesystem;

namespace {

// The page tests need a widget application; this program has none of its own. It is made
// on first use and ended before the program's static objects go.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void Ensure() {
        if (QApplication::instance()) return;
        static int argc = 1;
        static char name[] = "cli_orbit";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};
ApplicationEnvironment* const gApplication = static_cast<ApplicationEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment));

void EnsureApplication() { gApplication->Ensure(); }

using vagaris::test::CliResult;

CliResult RunOrbit(const std::vector<std::string>& args) {
    return vagaris::test::RunCli("orbit", args);
}

class CliOrbit : public ::testing::Test {
protected:
    TestHome home_;
    void SetUp() override { home_.copySample("CometsCR.dat"); }
    std::string catalog() const { return (home_.dir / "CometsCR.dat").string(); }
    std::string at(const char* name) const { return (home_.dir / name).string(); }
};

}  // namespace

TEST_F(CliOrbit, UsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"--catalog", catalog(), "--object", "0"},  // no -o
        {"--catalog", catalog(), "--object", "0", "--tilt", "91", "-o", at("a.gif")},
        {"--catalog", catalog(), "--object", "0", "--tilt", "10.5", "-o", at("a.gif")},
        {"--catalog", catalog(), "--object", "0", "--azimuth", "-1", "-o", at("a.gif")},
        {"--catalog", catalog(), "--object", "0", "--scale", "0.4", "-o", at("a.gif")},
        {"--catalog", catalog(), "--object", "0", "--scale", "4.05", "-o", at("a.gif")},
        {"--catalog", catalog(), "--object", "0", "--scale", "100.1", "-o", at("a.gif")},
        {"--catalog", catalog(), "--object", "0", "--pan", "3", "-o", at("a.gif")},
        {"--catalog", catalog(), "--object", "0", "--planets", "plu", "-o", at("a.gif")},
        {"--catalog", catalog(), "--object", "0", "--frames", "101", "-o", at("a.gif")},
        {"--catalog", catalog(), "--object", "0", "--frames", "2", "--step", "4", "-o",
         at("a.gif")},
        {"--catalog", catalog(), "--object", "0", "--frames", "2", "--unit", "lustros", "-o",
         at("a.gif")},
        {"--catalog", catalog(), "--object", "0", "--step", "2", "-o", at("a.gif")},
        {"--catalog", catalog(), "--object", "0", "--bogus", "-o", at("a.gif")},
    };
    for (const auto& args : cases) {
        const CliResult r = RunOrbit(args);
        std::string joined;
        for (const auto& a : args) joined += a + " ";
        EXPECT_EQ(r.exitCode, 2) << joined << r.err;
        EXPECT_FALSE(r.err.empty()) << joined;
    }
    EXPECT_FALSE(fs::exists(at("a.gif")));
}

TEST_F(CliOrbit, PictureSizesAndFormats) {
    CliResult r =
        RunOrbit({"--catalog", catalog(), "--name", "hale-bopp", "--at", "01/04/1997 00:00:00",
                  "--planets", "all", "--plane", "-o", at("hb.GIF")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(at("hb.GIF")).substr(0, 6), "GIF87a");
    EXPECT_EQ(ReadGifAsImage(at("hb.GIF")).size(), QSize(430, 469));
    r = RunOrbit({"--catalog", catalog(), "--object", "0", "--web", "-o", at("w.bmp")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadFileBytes(at("w.bmp")).substr(0, 2), "BM");
    EXPECT_EQ(QImage(QString::fromStdString(at("w.bmp"))).size(), QSize(326, 326));
}

TEST_F(CliOrbit, HyperbolicInterstellarComets) {
    // 2I/Borisov and 3I/ATLAS have a node beyond an asymptote.
    for (const char* name : {"2I/Borisov", "3I/ATLAS", "1I/"}) {
        const CliResult r =
            RunOrbit({"--catalog", catalog(), "--name", name, "--at", "01/11/2025 00:00:00",
                      "--tilt", "60", "--scale", "2.5", "-o", at("i.gif")});
        ASSERT_EQ(r.exitCode, 0) << name << r.err;
        // The global table holds at most 8 entries: only the view's colours.
        const std::string gif = ReadFileBytes(at("i.gif"));
        ASSERT_GT(gif.size(), 10u);
        EXPECT_LE((static_cast<unsigned char>(gif[10]) & 0x07) + 1, 3) << name;
    }
}

TEST_F(CliOrbit, SequenceNamesAndCountZero) {
    CliResult r =
        RunOrbit({"--catalog", catalog(), "--object", "2", "--at", "01/01/2011", "--frames", "3",
                  "--step", "15", "--unit", "minutos", "-o", at("seq.gif")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* frame : {"seq_01.gif", "seq_02.gif", "seq_03.gif"})
        EXPECT_TRUE(fs::exists(home_.dir / frame)) << frame;
    EXPECT_FALSE(fs::exists(home_.dir / "seq_04.gif"));
    r = RunOrbit({"--catalog", catalog(), "--object", "2", "--frames", "0", "-o", at("zero.gif")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(fs::exists(home_.dir / "zero_01.gif"));
}

// ---- The page and the command line write the same bytes ------------------------------------

TEST(PageAndCli, SamePictureForTheSameState) {
    EnsureApplication();
    OrbitTestWindow w;
    w.open();
    w.loadComets();
    w.window->app().chooseObject(1);  // Hale-Bopp, at the window's present
    w.find<QScrollBar>("ScrollBar3")->setValue(30);
    w.find<QScrollBar>("ScrollBar1")->setValue(45);
    w.find<QScrollBar>("ScrollBar2")->setValue(65);
    for (const char* p : {"sbMer", "sbVen", "sbMar", "sbJup", "sbSat", "sbUr", "sbNep", "sbPlano"})
        w.click(p);
    w.drag({200, 200}, {220, 190});
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("page.gif")));
    w.click("SpeedButton27");
    ASSERT_TRUE(w.dialogs.texts("error").isEmpty());

    const std::string instant = vagaris::FormatInstant("dd/mm/yyyy hh:nn:ss", w.now);
    const CliResult r =
        RunOrbit({"--catalog", w.path("CometsCR.dat"), "--object", "1", "--at", instant, "--tilt",
                  "30", "--azimuth", "45", "--scale", "6.5", "--pan", "20,-10", "--planets", "all",
                  "--plane", "-o", w.path("cli.gif")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string page = ReadFileBytes(w.home.dir / "page.gif");
    ASSERT_FALSE(page.empty());
    EXPECT_TRUE(page == ReadFileBytes(w.home.dir / "cli.gif"));
}

TEST(PageAndCli, SameWebSequence) {
    EnsureApplication();
    OrbitTestWindow w;
    w.open(/*extendedMode=*/true);
    w.loadComets();
    w.find<QCheckBox>("cbWeb")->setChecked(true);
    w.choose("cbDias", 3);   // 5
    w.choose("cbClase", 4);  // Horas
    w.find<QSpinBox>("UpDown1")->setValue(2);
    w.click("sbJup");
    w.dialogs.saveAnswers.push_back(QString::fromStdString(w.path("p.bmp")));
    w.click("SpeedButton11");
    ASSERT_TRUE(w.dialogs.texts("error").isEmpty());

    const std::string instant = vagaris::FormatInstant("dd/mm/yyyy hh:nn:ss", w.now);
    const CliResult r = RunOrbit({"--catalog", w.path("CometsCR.dat"), "--object", "0", "--at",
                                  instant, "--web", "--planets", "jup", "--frames", "2", "--step",
                                  "5", "--unit", "horas", "-o", w.path("c.bmp")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* k : {"_01.bmp", "_02.bmp"}) {
        const std::string page = ReadFileBytes(w.home.dir / (std::string("p") + k));
        ASSERT_FALSE(page.empty()) << k;
        EXPECT_TRUE(page == ReadFileBytes(w.home.dir / (std::string("c") + k))) << k;
    }
}
