// The installed tree (cmake --install into a temporary prefix) keeps its files in the user's
// data folder, never beside its executables: run from a read-only bind mount of the tree,
// and from the writable tree itself (root can write /usr/bin too).
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "support/FileBytes.h"
#include "support/RunCli.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using vagaris::test::ShellQuoted;

class InstalledTree : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        tree_ = new vagaris::test::TempFolder("vagaris-installed");
        const std::string command = ShellQuoted(VAGARIS_CMAKE_COMMAND) + " --install " +
                                    ShellQuoted(VAGARIS_BINARY_DIR) + " --prefix " +
                                    ShellQuoted((tree_->dir / "usr").string()) + " >" +
                                    ShellQuoted((tree_->dir / "install.log").string()) + " 2>&1";
        installed_ = std::system(command.c_str()) == 0;
    }
    static void TearDownTestSuite() {
        delete tree_;
        tree_ = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(installed_) << vagaris::test::ReadBytes(tree_->dir / "install.log");
    }

    // Runs `prefix`/bin/vagaris-cli with a clean environment: HOME and XDG_DATA_HOME as given,
    // no VAGARIS_HOME, from the folder `cwd`. Returns the exit code.
    static int Run(const fs::path& prefix, const std::string& args, const fs::path& home,
                   const std::string& xdg, const fs::path& cwd) {
        std::string command = "cd " + ShellQuoted(cwd.string()) + " && env -i PATH=/usr/bin:/bin " +
                              "HOME=" + ShellQuoted(home.string()) + " QT_QPA_PLATFORM=offscreen ";
        // A sanitizer build keeps its options (the leak suppressions of Qt's and fontconfig's
        // own set-up) through the clean environment.
        for (const char* name : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"})
            if (const char* value = std::getenv(name))
                command += std::string(name) + "=" + ShellQuoted(value) + " ";
        if (!xdg.empty()) command += "XDG_DATA_HOME=" + ShellQuoted(xdg) + " ";
        command += ShellQuoted((prefix / "bin" / "vagaris-cli").string()) + " " + args +
                   " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    static vagaris::test::TempFolder* tree_;
    static bool installed_;
};

vagaris::test::TempFolder* InstalledTree::tree_ = nullptr;
bool InstalledTree::installed_ = false;

// What the package holds, where the install puts it.
TEST_F(InstalledTree, HoldsProgramsSamplesAndDesktopFiles) {
    const fs::path usr = tree_->dir / "usr";
    for (const char* path :
         {"bin/vagaris", "bin/vagaris-cli", "share/applications/io.github.vagaris.Vagaris.desktop",
          "share/metainfo/io.github.vagaris.Vagaris.metainfo.xml",
          "share/icons/hicolor/scalable/apps/io.github.vagaris.Vagaris.svg",
          "share/icons/hicolor/48x48/apps/io.github.vagaris.Vagaris.png",
          "share/man/man1/vagaris.1.gz", "share/man/man1/vagaris-cli.1.gz",
          "share/man/es/man1/vagaris.1.gz", "share/man/es/man1/vagaris-cli.1.gz",
          "share/vagaris/samples/CometsCR.dat", "share/doc/vagaris/copyright"})
        EXPECT_TRUE(fs::is_regular_file(usr / path)) << path;
    EXPECT_FALSE(fs::exists(usr / "bin" / "vagaris-build-tree.txt"));
    // The menu entry and the AppStream metadata pass their validators without an error.
    const fs::path log = tree_->dir / "validate.log";
    const std::string desktop =
        "desktop-file-validate " +
        ShellQuoted((usr / "share/applications/io.github.vagaris.Vagaris.desktop").string()) +
        " >" + ShellQuoted(log.string()) + " 2>&1";
    EXPECT_EQ(std::system(desktop.c_str()), 0) << vagaris::test::ReadBytes(log);
    EXPECT_EQ(vagaris::test::ReadBytes(log), "");
    const std::string metainfo =
        "appstreamcli validate --no-net " +
        ShellQuoted((usr / "share/metainfo/io.github.vagaris.Vagaris.metainfo.xml").string()) +
        " >" + ShellQuoted(log.string()) + " 2>&1";
    EXPECT_EQ(std::system(metainfo.c_str()), 0) << vagaris::test::ReadBytes(log);
    // The samples carry the dates of their data.
    const auto comets = fs::last_write_time(usr / "share/vagaris/samples/CometsCR.dat");
    const auto distant = fs::last_write_time(usr / "share/vagaris/samples/DistantObjectsCR.dat");
    EXPECT_EQ(std::chrono::duration_cast<std::chrono::hours>(comets - distant).count(),
              24 * 2591);  // 2019-04-27 to 2026-05-31
}

// The installed executable finds its plugins in the installed plugin folder: it draws the
// orbit and the chart, and its bin folder holds the two programs only.
TEST_F(InstalledTree, DrawsThroughTheInstalledPlugins) {
    const vagaris::test::TempFolder user("vagaris-user");
    const fs::path usr = tree_->dir / "usr";
    const std::string comets = ShellQuoted((usr / "share/vagaris/samples/CometsCR.dat").string());
    for (const char* picture : {"orbit.gif", "chart.bmp"}) {
        SCOPED_TRACE(picture);
        const std::string subcommand = picture[0] == 'o' ? "orbit" : "chart";
        const fs::path out = user.dir / picture;
        const std::string args = subcommand + " --catalog " + comets +
                                 " --object 1 --at 01/04/1997 -o " + ShellQuoted(out.string());
        EXPECT_EQ(Run(usr, args, user.dir, (user.dir / "data").string(), user.dir), 0);
        EXPECT_GT(fs::file_size(out), 0u);
    }
    EXPECT_TRUE(fs::is_directory(usr / "bin" / VAGARIS_PLUGIN_DIR_FROM_BIN));
}

// A relative --catalog is looked for in the program folder: the command succeeds only when
// that folder is the one expected.
TEST_F(InstalledTree, FilesLiveInTheUserDataFolderEvenFromAReadOnlyMount) {
    const vagaris::test::TempFolder user("vagaris-user"), mountPoint("vagaris-ro");
    const fs::path usr = tree_->dir / "usr";
    if (::mount(usr.c_str(), mountPoint.dir.c_str(), nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "no bind mount here: " << std::strerror(errno);
    struct Unmount {
        const fs::path& at;
        ~Unmount() { ::umount2(at.c_str(), MNT_DETACH); }
    } unmount{mountPoint.dir};
    if (::mount(nullptr, mountPoint.dir.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY,
                nullptr) != 0)
        GTEST_SKIP() << "no read-only remount here: " << std::strerror(errno);

    const std::string args = "circumstances --catalog CometsCR.dat --object 1 --at 01/04/1997";
    const fs::path xdg = user.dir / "data";
    // Without a catalog in the user's folder the command fails; the folder is made anyway.
    EXPECT_EQ(Run(mountPoint.dir, args, user.dir, xdg.string(), user.dir), 1);
    EXPECT_TRUE(fs::is_directory(xdg / "vagaris"));
    fs::copy_file(usr / "share/vagaris/samples/CometsCR.dat", xdg / "vagaris" / "CometsCR.dat");
    EXPECT_EQ(Run(mountPoint.dir, args, user.dir, xdg.string(), user.dir), 0);
    // Without XDG_DATA_HOME: ~/.local/share/vagaris.
    EXPECT_EQ(Run(mountPoint.dir, args, user.dir, "", user.dir), 1);
    fs::copy_file(usr / "share/vagaris/samples/CometsCR.dat",
                  user.dir / ".local/share/vagaris/CometsCR.dat");
    EXPECT_EQ(Run(mountPoint.dir, args, user.dir, "", user.dir), 0);
}

// Root can write the installed bin folder; the program still does not take it.
TEST_F(InstalledTree, AWritableBinFolderIsNotTheProgramFolder) {
    const vagaris::test::TempFolder user("vagaris-user");
    const fs::path usr = tree_->dir / "usr";
    fs::copy_file(usr / "share/vagaris/samples/CometsCR.dat", usr / "bin" / "CometsCR.dat");
    const std::string args = "circumstances --catalog CometsCR.dat --object 1 --at 01/04/1997";
    EXPECT_EQ(Run(usr, args, user.dir, (user.dir / "data").string(), user.dir), 1);
    fs::remove(usr / "bin" / "CometsCR.dat");
    for (const auto& entry : fs::directory_iterator(usr / "bin"))
        EXPECT_TRUE(entry.path().filename() == "vagaris" ||
                    entry.path().filename() == "vagaris-cli")
            << entry.path();
}

// A catalog that is nowhere: the installed program's message also says where its sample
// catalogs are.
TEST_F(InstalledTree, AMissingCatalogPointsAtTheSamples) {
    const vagaris::test::TempFolder user("vagaris-user");
    const fs::path usr = tree_->dir / "usr";
    const fs::path err = user.dir / "stderr.txt";
    const std::string command =
        "cd " + ShellQuoted(user.dir.string()) +
        " && env -i PATH=/usr/bin:/bin HOME=" + ShellQuoted(user.dir.string()) +
        " QT_QPA_PLATFORM=offscreen " + ShellQuoted((usr / "bin" / "vagaris-cli").string()) +
        " circumstances --catalog Comets.dat --object 0 2>" + ShellQuoted(err.string());
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
    const std::string samples = fs::canonical(usr / "share/vagaris/samples").string() + "/";
    const std::string message = vagaris::test::ReadBytes(err);
    EXPECT_EQ(message.rfind("No se puede leer Comets.dat: no está en la carpeta actual (", 0), 0u)
        << message;
    const std::string note = "; los catálogos de ejemplo están en " + samples + "\n";
    ASSERT_GE(message.size(), note.size()) << message;
    EXPECT_EQ(message.substr(message.size() - note.size()), note);
}

}  // namespace
