// vagaris-cli on files that are not what their name promises or that change under it: a FIFO
// or a link to /dev/zero where a catalog, MPCOrb.dat or the settings file is expected (which
// blocked for ever or grew the memory to gigabytes), MPCOrb.dat with CR, LF or CR LF line
// ends (a CR-only file was read as one line), and MPCOrb.dat cut while it is read (SIGBUS,
// exit 135). Every run is bounded by `timeout`, so a regression fails instead of hanging.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/fanotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "support/FileBytes.h"
#include "support/RunCli.h"
#include "support/TempFolder.h"
#include "support/TestHome.h"

namespace {

namespace fs = std::filesystem;
using vagaris::test::CliResult;
using vagaris::test::ReadBytes;
using vagaris::test::ShellQuoted;

const std::string kExcerpt = std::string(VAGARIS_SAMPLES_DIR) + "/MPCORB.excerpt.dat";
const std::vector<std::string> kNight = {"--date", "21/11/2025", "--lat", "+40", "--lon", "-3.7"};

// "vagaris-cli SUBCOMMAND ARGS..." killed after two minutes if it has not ended: a hang is
// then a failed exit code, not a stuck suite (a guard, no run comes near it).
CliResult RunBounded(const std::string& subcommand, const std::vector<std::string>& args) {
    return vagaris::test::RunCli(subcommand, args, "timeout -s KILL 120 ");
}

std::vector<std::string> With(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

enum class Special { Fifo, DevZero };
const char* NameOf(Special s) { return s == Special::Fifo ? "a FIFO" : "a link to /dev/zero"; }
void Make(Special s, const fs::path& path) {
    fs::remove(path);
    if (s == Special::Fifo)
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << path;
    else
        fs::create_symlink("/dev/zero", path);
}

class CliHostileFiles : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"CometsCR.dat", "NeosAndUnusualCR.dat", "CriticalListCR.dat",
                                 "DistantObjectsCR.dat", "BrightMinorPlanetsCR.dat"})
            home_.copySample(name);
        fs::create_directory(home_.dir / "especial");
    }
    TestHome home_;
};

}  // namespace

// Every command that reads a catalog, given a FIFO or a link to /dev/zero: at once, exit 1,
// the file named with the reason ("Archivo … no encontrado" before, for a FIFO that exists).
TEST_F(CliHostileFiles, ASpecialFileWhereACatalogIsExpectedIsRefusedAtOnce) {
    const std::string critical = home_.programDir() + "CriticalListCR.dat";
    const std::string given = (home_.dir / "especial" / "CometsCR.dat").string();
    const std::string mpcorb = (home_.dir / "especial" / "MPCORB.DAT").string();
    for (const Special special : {Special::Fifo, Special::DevZero}) {
        Make(special, critical);
        Make(special, given);
        Make(special, mpcorb);
        const std::string refused = ": no es un archivo normal\n";
        // The MPCOrb.dat path is looked at before the search and says what it is.
        const std::string mpcorbProblem =
            "MPCOrb.dat: '" + mpcorb + "' " +
            (special == Special::Fifo ? "es una tubería (FIFO), no un archivo\n"
                                      : "es un dispositivo, no un archivo\n");
        const struct {
            const char* command;
            std::vector<std::string> args;
            std::string err;
        } cases[] = {
            {"tonight", With({"--all-catalogs"}, kNight), "No se puede leer " + critical + refused},
            {"tonight", With({"--catalog", given}, kNight), "No se puede leer " + given + refused},
            {"antitail",
             {"--catalog", given, "--year", "2024"},
             "No se puede leer " + given + refused},
            {"circumstances",
             {"--catalog", given, "--object", "0", "--at", "29/03/1997 00:43:03"},
             "No se puede leer " + given + refused},
            {"search", {"--mpcorb", mpcorb, "CERES"}, mpcorbProblem},
            {"tonight", With({"--mpcorb", mpcorb}, kNight), mpcorbProblem},
        };
        for (const auto& c : cases) {
            const CliResult r = RunBounded(c.command, c.args);
            EXPECT_EQ(r.exitCode, 1) << c.command << " on " << NameOf(special);
            EXPECT_EQ(r.err, c.err) << c.command << " on " << NameOf(special);
            EXPECT_EQ(r.out, "") << c.command;
        }
    }
}

// The settings file as a FIFO or a device: told on one line with the reason, and the command
// goes on with the defaults, as for any unreadable settings file.
TEST_F(CliHostileFiles, ASpecialSettingsFileIsToldAndTheDefaultsServe) {
    const std::vector<std::string> args = {"--catalog", "CometsCR.dat", "--object",
                                           "0",         "--at",         "29/03/1997 00:43:03"};
    const CliResult clean = RunBounded("circumstances", args);
    ASSERT_EQ(clean.exitCode, 0) << clean.err;
    for (const Special special : {Special::Fifo, Special::DevZero}) {
        Make(special, home_.dir / "vagaris.ini");
        const CliResult r = RunBounded("circumstances", args);
        EXPECT_EQ(r.exitCode, 0) << NameOf(special);
        EXPECT_EQ(r.err, "No se puede leer " + home_.programDir() +
                             "vagaris.ini: no es un archivo normal; se usan los valores por "
                             "omisión\n")
            << NameOf(special);
        EXPECT_EQ(r.out, clean.out);
    }
}

// The same MPCOrb.dat with LF, CR LF and CR-only ends: the same objects found, the same night.
TEST_F(CliHostileFiles, MpcOrbWithAnyLineEndsGivesTheSameResults) {
    const std::string lf = ReadBytes(kExcerpt);
    std::string crlf, cr = lf;
    for (const char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (char& c : cr)
        if (c == '\n') c = '\r';
    std::vector<std::string> paths;
    for (const auto& [folder, bytes] :
         std::vector<std::pair<std::string, std::string>>{{"lf", lf}, {"crlf", crlf}, {"cr", cr}}) {
        fs::create_directory(home_.dir / folder);
        paths.push_back((home_.dir / folder / "MPCORB.DAT").string());
        std::ofstream(paths.back(), std::ios::binary) << bytes;
    }
    const CliResult night = RunBounded("tonight", With({"--mpcorb", paths[0]}, kNight));
    ASSERT_EQ(night.exitCode, 0) << night.err;
    EXPECT_NE(night.out.find("Objetos considerados: 813"), std::string::npos) << night.out;
    for (const std::string key : {"PALLAS", "APOPHIS", "2019 CR"}) {
        const CliResult found = RunBounded("search", {"--mpcorb", paths[0], key});
        ASSERT_EQ(found.exitCode, 0) << key << ": " << found.err;
        for (std::size_t k = 1; k < paths.size(); ++k) {
            const CliResult other = RunBounded("search", {"--mpcorb", paths[k], key});
            EXPECT_EQ(other.exitCode, 0) << paths[k] << " " << key << ": " << other.err;
            EXPECT_EQ(other.out, found.out) << paths[k] << " " << key;
        }
    }
    for (std::size_t k = 1; k < paths.size(); ++k) {
        const CliResult other = RunBounded("tonight", With({"--mpcorb", paths[k]}, kNight));
        EXPECT_EQ(other.exitCode, 0) << paths[k] << ": " << other.err;
        EXPECT_EQ(other.out, night.out) << paths[k];
    }
}

namespace {

// Cuts a file the moment another process first reads it: a fanotify permission mark holds
// each read until it is answered, and the first is answered only after the cut, so the
// reader meets the shorter file mid-read whatever the timing. Needs the right to watch files
// (root, who runs CI); without it, the test skips and says why.
class CutOnFirstRead {
public:
    CutOnFirstRead(std::string path, off_t cutTo) : path_(std::move(path)), cutTo_(cutTo) {
        fan_ = ::fanotify_init(FAN_CLASS_CONTENT | FAN_CLOEXEC | FAN_NONBLOCK, O_RDONLY);
        if (fan_ < 0) {
            skipReason_ = std::string("fanotify_init: ") + std::strerror(errno);
            return;
        }
        if (::fanotify_mark(fan_, FAN_MARK_ADD, FAN_ACCESS_PERM, AT_FDCWD, path_.c_str()) != 0) {
            skipReason_ = std::string("fanotify_mark: ") + std::strerror(errno);
            return;
        }
        server_ = std::thread([this] { serve(); });
    }
    ~CutOnFirstRead() {
        stop_ = true;
        if (server_.joinable()) server_.join();
        if (fan_ >= 0) ::close(fan_);  // any read still held goes on
    }
    const std::string& skipReason() const { return skipReason_; }
    bool cut() const { return cut_; }

private:
    void serve() {
        alignas(fanotify_event_metadata) char buffer[4096];
        while (!stop_) {
            pollfd p{fan_, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0) continue;
            const ssize_t n = ::read(fan_, buffer, sizeof buffer);
            if (n <= 0) continue;
            auto* m = reinterpret_cast<fanotify_event_metadata*>(buffer);
            for (ssize_t left = n; FAN_EVENT_OK(m, left); m = FAN_EVENT_NEXT(m, left)) {
                if (m->mask & FAN_ACCESS_PERM) {
                    if (!cut_) cut_ = ::truncate(path_.c_str(), cutTo_) == 0;
                    const fanotify_response allow{m->fd, FAN_ALLOW};
                    if (::write(fan_, &allow, sizeof allow) < 0) continue;
                }
                if (m->fd >= 0) ::close(m->fd);
            }
        }
    }

    std::string path_;
    off_t cutTo_;
    int fan_ = -1;
    std::string skipReason_;
    std::atomic<bool> stop_{false}, cut_{false};
    std::thread server_;
};

}  // namespace

// MPCOrb.dat cut to half by another program while `search` or `tonight` reads it: exit 1 and
// one line naming the file, never a signal.
TEST_F(CliHostileFiles, MpcOrbCutWhileItIsReadEndsWithTheMessage) {
    std::string bytes;
    while (bytes.size() < (3u << 20)) bytes += ReadBytes(kExcerpt);
    const std::string path = (home_.dir / "MPCORB.DAT").string();
    const struct {
        const char* command;
        std::vector<std::string> args;
    } cases[] = {
        {"search", {"--mpcorb", path, "ZQXWNADA"}},  // in no line: the whole file is read
        {"tonight", With({"--mpcorb", path}, kNight)},
    };
    for (const auto& c : cases) {
        std::ofstream(path, std::ios::binary) << bytes;
        const CutOnFirstRead cutter(path, static_cast<off_t>(bytes.size() / 2));
        if (!cutter.skipReason().empty()) GTEST_SKIP() << cutter.skipReason();
        const CliResult r = RunBounded(c.command, c.args);
        EXPECT_TRUE(cutter.cut()) << c.command;
        EXPECT_EQ(r.exitCode, 1) << c.command;
        EXPECT_EQ(r.err, "No se puede leer " + path + ": el archivo cambió durante la lectura\n")
            << c.command;
        EXPECT_EQ(r.out, "") << c.command;
    }
}
