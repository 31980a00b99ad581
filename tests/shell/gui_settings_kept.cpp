// Settings that survive: the settings file is written whenever a setting changes (with the
// bytes the close writes for the same settings), and the real vagaris closes normally on
// SIGTERM and SIGHUP, saving its settings on the way.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QPushButton>
#include <QRadioButton>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "shell/ShellTestWindow.h"
#include "settings/SettingsFile.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// The bytes of the settings file for these settings, as SaveSettings writes them.
std::string FileFor(const vagaris::Settings& settings) {
    const vagaris::test::TempFolder model("vagaris-settings-model");
    vagaris::SaveSettings(model.dir.string() + "/", settings);
    return vagaris::test::ReadBytes(model.dir / "vagaris.ini");
}

TEST(SettingsKept, EveryChangeIsWrittenAtOnce) {
    ShellTestWindow w;
    w.openOnPage("tsConf");
    const fs::path ini = w.home.dir / "vagaris.ini";
    ASSERT_FALSE(fs::exists(ini));  // starting up writes nothing

    // A longitude typed: the file holds it before the window closes.
    TypeKeys(w.find<QLineEdit>("meLon"), QStringLiteral("-0037"));
    TabOut(w.find<QLineEdit>("meLon"));
    ASSERT_EQ(w.session.settings.Lon, "-003.7");
    EXPECT_EQ(vagaris::test::ReadBytes(ini), FileFor(w.session.settings));
    // Every kind of control: a radio button, a box, the model's list.
    ClickWithMouse(w.find<QRadioButton>("rbCCarte"));
    EXPECT_FALSE(w.session.settings.Polar);
    EXPECT_EQ(vagaris::test::ReadBytes(ini), FileFor(w.session.settings));
    // Half a latitude is never written: the key that completes the box writes it.
    const std::string before = vagaris::test::ReadBytes(ini);
    TypeKeys(w.find<QLineEdit>("meLat"), QStringLiteral("-3"));
    EXPECT_EQ(w.session.settings.Lat, "-3 ");
    EXPECT_EQ(vagaris::test::ReadBytes(ini), before);
    TypeKeys(w.find<QLineEdit>("meLat"), QStringLiteral("-33"));
    EXPECT_EQ(w.session.settings.Lat, "-33");
    EXPECT_EQ(vagaris::test::ReadBytes(ini), FileFor(w.session.settings));
    TabOut(w.find<QLineEdit>("meLat"));
    ChooseWithKeys(w.find<QComboBox>("cbModelo"), 1);
    EXPECT_EQ(w.session.settings.Model, "precise");
    EXPECT_EQ(vagaris::test::ReadBytes(ini), FileFor(w.session.settings));
    // Closing writes the same bytes again.
    const vagaris::Settings kept = w.session.settings;
    EXPECT_TRUE(w.window->close());
    EXPECT_EQ(vagaris::test::ReadBytes(ini), FileFor(kept));
    EXPECT_TRUE(w.dialogs.shown.empty());
}

TEST(SettingsKept, AChangeThatCannotBeSavedIsToldOnceUntilASaveWorks) {
    ShellTestWindow w;
    w.openOnPage("tsConf");
    const fs::path ini = w.home.dir / "vagaris.ini";
    fs::create_directory(ini);  // a folder cannot be replaced by the file
    ClickWithMouse(w.find<QRadioButton>("rbCCarte"));
    ClickWithMouse(w.find<QRadioButton>("rbCPol"));
    ClickWithMouse(w.find<QRadioButton>("rbCCarte"));
    QStringList errors = w.dialogs.texts("error");
    ASSERT_EQ(errors.size(), 1) << errors.join('|').toStdString();
    EXPECT_TRUE(errors[0].startsWith("No se pudo guardar la configuración: "));
    // Once the folder is gone, the next change is written, and a later failure told again.
    fs::remove(ini);
    ClickWithMouse(w.find<QRadioButton>("rbCPol"));
    EXPECT_EQ(vagaris::test::ReadBytes(ini), FileFor(w.session.settings));
    fs::remove(ini);
    fs::create_directory(ini);
    ClickWithMouse(w.find<QRadioButton>("rbCCarte"));
    errors = w.dialogs.texts("error");
    EXPECT_EQ(errors.size(), 2);
}

// ---- the real program, ended by a signal ----

// Whether the process has a handler for `signal` (the "SigCgt" mask of /proc/PID/status).
bool Catches(pid_t pid, int signal) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigCgt:", 0) == 0) {
            const unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
            return (mask >> (signal - 1)) & 1u;
        }
    return false;
}

struct Ended {
    bool exited = false;
    int code = -1;
};

// Starts bin/vagaris on `home` (headless), waits until it handles the signals, sends `signal`
// and waits for the end. The waits are guards against a program that hangs: [s], generous,
// never a measure of anything.
Ended RunAndSignal(const fs::path& home, int signal) {
    const std::string program = std::string(VAGARIS_BINARY_DIR) + "/bin/vagaris";
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string v = *e;
        if (v.rfind("VAGARIS_HOME=", 0) != 0 && v.rfind("QT_QPA_PLATFORM=", 0) != 0)
            env.push_back(v);
    }
    env.push_back("VAGARIS_HOME=" + home.string());
    env.push_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (auto& v : env) envp.push_back(v.data());
    envp.push_back(nullptr);
    std::string arg0 = program;
    char* argv[] = {arg0.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
        ADD_FAILURE() << "cannot start " << program;
        return {};
    }
    const auto guard = [] { return std::chrono::steady_clock::now() + std::chrono::seconds(120); };
    auto until = guard();
    int status = 0;
    while (!(Catches(pid, SIGTERM) && Catches(pid, SIGHUP))) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            ADD_FAILURE() << "vagaris ended before it handled the signals";
            return {};
        }
        if (std::chrono::steady_clock::now() > until) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            ADD_FAILURE() << "vagaris never handled SIGTERM and SIGHUP";
            return {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, signal);
    until = guard();
    while (waitpid(pid, &status, WNOHANG) != pid) {
        if (std::chrono::steady_clock::now() > until) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            ADD_FAILURE() << "vagaris did not end after the signal";
            return {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {WIFEXITED(status), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(SettingsKept, TheWindowClosesNormallyOnTermAndHangUp) {
    // A file of LF ends as a hand might write it, with a longitude: read, then written back
    // with CR LF by the close, which shows that the close ran.
    const std::string byHand = "+52\n0050\n2.7\n5.0\n000\n0\n\nCARTE\nSM\n-001.5\nbest\n";
    vagaris::Settings expected;
    expected.Lat = "+52";
    expected.Alt = "0050";
    expected.Polar = false;
    expected.Lon = "-001.5";
    expected.TonightSort = "best";
    const std::string saved = FileFor(expected);
    ASSERT_NE(saved, byHand);
    const struct {
        int signal;
        bool firstStart;  // an empty folder: the first-start box is up
    } cases[] = {{SIGTERM, false}, {SIGHUP, false}, {SIGTERM, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(strsignal(c.signal)) + (c.firstStart ? ", first start" : ""));
        const vagaris::test::TempFolder home("vagaris-signal-home");
        if (!c.firstStart)
            fs::copy_file(fs::path(VAGARIS_SAMPLES_DIR) / "BrightMinorPlanetsCR.dat",
                          home.dir / "BrightMinorPlanetsCR.dat");
        std::ofstream(home.dir / "vagaris.ini", std::ios::binary) << byHand;
        const Ended end = RunAndSignal(home.dir, c.signal);
        EXPECT_TRUE(end.exited);
        EXPECT_EQ(end.code, 0);
        EXPECT_EQ(vagaris::test::ReadBytes(home.dir / "vagaris.ini"), saved);
    }
}

}  // namespace
