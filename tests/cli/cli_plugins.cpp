// vagaris-cli starts with Qt Core alone: the chart's picture, the orbit's pictures and the
// downloads are plugins it loads when one of them is asked for. What each file needs is read
// from its dynamic section; a plugin that is not there makes only its subcommand fail.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/FileBytes.h"
#include "support/RunCli.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using vagaris::test::ShellQuoted;

const fs::path kBin = fs::path(VAGARIS_CLI_PATH).parent_path();

// The Qt libraries a file names in its dynamic section ("Core", "Gui", ...), read by readelf.
std::set<std::string> QtModulesNeeded(const fs::path& file) {
    const vagaris::test::TempFolder folder("vagaris-readelf");
    const fs::path out = folder.dir / "dynamic.txt";
    const std::string command =
        "readelf -d " + ShellQuoted(file.string()) + " >" + ShellQuoted(out.string());
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::set<std::string> modules;
    const std::string text = vagaris::test::ReadBytes(out);
    for (std::size_t at = text.find("[libQt6"); at != std::string::npos;
         at = text.find("[libQt6", at + 1)) {
        const std::size_t from = at + 7, to = text.find(".so", from);
        modules.insert(text.substr(from, to - from));
    }
    return modules;
}

TEST(CliPlugins, EachFileNeedsOnlyItsOwnQtModules) {
    const struct {
        fs::path file;
        std::set<std::string> needs;    // at least these
        std::set<std::string> refuses;  // never these
    } files[] = {
        {VAGARIS_CLI_PATH, {"Core"}, {"Gui", "Widgets", "Charts", "Network", "OpenGL", "Sql"}},
        {kBin / "vagaris-cli-chart.so", {"Widgets", "Charts", "Gui"}, {"Network", "Sql"}},
        {kBin / "vagaris-cli-orbit.so", {"Gui"}, {"Widgets", "Charts", "Network", "Sql"}},
        {kBin / "vagaris-cli-download.so", {"Network"}, {"Gui", "Widgets", "Charts", "Sql"}},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.file.string());
        const std::set<std::string> modules = QtModulesNeeded(f.file);
        for (const auto& m : f.needs) EXPECT_TRUE(modules.count(m)) << "missing Qt " << m;
        for (const auto& m : f.refuses) EXPECT_FALSE(modules.count(m)) << "needs Qt " << m;
    }
}

// The executable alone in a folder of its own, its files in a private program folder.
class LonelyExecutable : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy_file(VAGARIS_CLI_PATH, exe_);
        fs::create_directories(home_);
    }
    vagaris::test::CliResult run(const std::string& args) const {
        const fs::path out = folder_.dir / "out.txt", err = folder_.dir / "err.txt";
        const std::string command = "VAGARIS_HOME=" + ShellQuoted(home_.string()) +
                                    " QT_QPA_PLATFORM=offscreen " + ShellQuoted(exe_.string()) +
                                    " " + args + " >" + ShellQuoted(out.string()) + " 2>" +
                                    ShellQuoted(err.string());
        const int status = std::system(command.c_str());
        vagaris::test::CliResult r;
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = vagaris::test::ReadBytes(out);
        r.err = vagaris::test::ReadBytes(err);
        return r;
    }

    const vagaris::test::TempFolder folder_{"vagaris-lonely"};
    const fs::path exe_ = folder_.dir / "bin" / "vagaris-cli";
    const fs::path home_ = folder_.dir / "home";

private:
    const bool made_ = fs::create_directories(folder_.dir / "bin");
};

TEST_F(LonelyExecutable, WithoutItsPluginOnlyThatSubcommandFails) {
    const std::string comets = ShellQuoted(std::string(VAGARIS_SAMPLES_DIR) + "/CometsCR.dat");
    const std::string picture = ShellQuoted((folder_.dir / "o.gif").string());

    const auto tisserand = run("tisserand --a 17.8 --e 0.967 --i 162.3");
    EXPECT_EQ(tisserand.exitCode, 0) << tisserand.err;
    const auto csv = run("chart --catalog " + comets + " --object 0 --at 01/04/1997 --csv");
    EXPECT_EQ(csv.exitCode, 0) << csv.err;

    const struct {
        std::string args, plugin, language, opening;
    } cases[] = {
        {"orbit --catalog " + comets + " --object 0 --at 01/04/1997 -o " + picture, "orbit", "",
         "No se puede cargar "},
        {"chart --catalog " + comets + " --object 0 --at 01/04/1997 -o " + picture, "chart",
         "--lang en ", "Cannot load "},
        {"download comets", "download", "", "No se puede cargar "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const auto r = run(c.language + c.args);
        EXPECT_EQ(r.exitCode, 1);
        // One line that names the installed place looked at last, and why it failed.
        const std::string where =
            (folder_.dir / "bin" / VAGARIS_PLUGIN_DIR_FROM_BIN / ("vagaris-cli-" + c.plugin))
                .lexically_normal()
                .string();
        EXPECT_EQ(r.err.rfind(c.opening + where + ": ", 0), 0u) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
        EXPECT_FALSE(fs::exists(folder_.dir / "o.gif"));
    }
}

}  // namespace
