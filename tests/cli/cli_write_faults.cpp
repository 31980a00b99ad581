// Every file vagaris-cli writes with -o, with the fault injected into its folder (a full disk,
// a read-only folder, a folder in the file's place, a folder that vanished): exit 1, one line
// on stderr naming the file and what failed, the previous file whole, no temporary file left.
// The catalog downloads have their own tests beside the download code.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "pictures/PictureNames.h"
#include "support/RunCli.h"
#include "support/TestHome.h"
#include "support/WriteFaults.h"

namespace fs = std::filesystem;
using vagaris::test::FaultyFolder;
using vagaris::test::RunCli;
using vagaris::test::SplitLf;

namespace {

struct CliWriter {
    const char* what;
    const char* subcommand;
    std::vector<std::string> args;  // "-o" and the path follow
    const char* chosen;             // the file name given to -o
    bool sequence = false;          // frames are numbered: the first one is the target
};

std::string WrittenName(const CliWriter& writer) {
    if (!writer.sequence) return writer.chosen;
    return fs::path(vagaris::SequenceFramePath(std::string("/x/") + writer.chosen, 1).path)
        .filename()
        .string();
}

}  // namespace

TEST(CliWriteFaults, EveryWrittenFileKeepsThePreviousOneAndExits1WithOneLine) {
    const TestHome home;
    home.copySample("CometsCR.dat");
    const std::string comets = (home.dir / "CometsCR.dat").string();
    const std::vector<CliWriter> writers = {
        {"ephemeris table",
         "ephemeris",
         {"--catalog", comets, "--object", "1", "--start", "01/03/1997 06:00:00", "--rows", "0003"},
         "tabla.txt"},
        {"anti-tail list", "antitail", {"--catalog", comets, "--year", "2011"}, "anticola.txt"},
        {"orbit picture", "orbit", {"--catalog", comets, "--object", "0"}, "orbita.gif"},
        {"orbit picture sequence",
         "orbit",
         {"--catalog", comets, "--object", "0", "--frames", "2"},
         "secuencia.gif",
         true},
        {"chart picture",
         "chart",
         {"--catalog", comets, "--object", "0", "--at", "01/01/2011"},
         "grafica.bmp"},
    };
    std::string skipped;
    for (const auto& writer : writers) {
        for (const auto fault : vagaris::test::AllWriteFaults()) {
            SCOPED_TRACE(std::string(writer.what) + ", " + vagaris::test::FaultName(fault));
            const fs::path dir = home.dir / (std::string(writer.subcommand) + "-" +
                                             std::to_string(int(fault)) + "-" + writer.chosen);
            FaultyFolder folder(fault, dir, WrittenName(writer), "previous\r\n");
            if (!folder.skipReason().empty()) {
                skipped = folder.skipReason();
                continue;
            }
            folder.arm();
            std::vector<std::string> args = writer.args;
            args.push_back("-o");
            args.push_back((dir / writer.chosen).string());
            const auto r = RunCli(writer.subcommand, args);
            EXPECT_EQ(r.exitCode, 1) << r.err;
            // Qt's own notice about its runtime folder depends on the machine, not on us.
            std::vector<std::string> lines;
            for (const auto& line : SplitLf(r.err))
                if (line.rfind("QStandardPaths:", 0) != 0) lines.push_back(line);
            ASSERT_EQ(lines.size(), 1u) << r.err;
            EXPECT_NE(lines[0].find(folder.reason()), std::string::npos) << r.err;
            EXPECT_NE(lines[0].find(WrittenName(writer)), std::string::npos) << r.err;
            EXPECT_TRUE(folder.unharmed());
        }
    }
    if (!skipped.empty()) GTEST_SKIP() << skipped;
}

TEST(CliWriteFaults, OutputThroughALinkWritesItsTargetAndKeepsItsMode) {
    const TestHome home;
    home.copySample("CometsCR.dat");
    fs::create_directories(home.dir / "real");
    const fs::path target = home.dir / "real" / "tabla.txt";
    std::ofstream(target) << "old";
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(target, home.dir / "enlace.txt");
    const auto r = RunCli("ephemeris", {"--catalog", (home.dir / "CometsCR.dat").string(),
                                        "--object", "1", "--start", "01/03/1997 06:00:00", "--rows",
                                        "0003", "-o", (home.dir / "enlace.txt").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(fs::is_symlink(home.dir / "enlace.txt"));
    EXPECT_NE(vagaris::test::ReadBytes(target), "old");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

// Tables and CSV printed on standard output into a full disk ("> file" on it): /dev/full
// fails every write as a full disk does.
TEST(CliWriteFaults, StandardOutputThatCannotBeWrittenExits1WithTheReason) {
    const TestHome home;
    home.copySample("CometsCR.dat");
    const std::string comets = vagaris::test::ShellQuoted((home.dir / "CometsCR.dat").string());
    const struct {
        const char* subcommand;
        std::string args;
    } cases[] = {
        {"chart", "--catalog " + comets + " --object 0 --at 01/01/2011 --csv"},
        {"ephemeris", "--catalog " + comets + " --object 1 --start '01/03/1997 06:00:00'"},
        {"antitail", "--catalog " + comets + " --year 2011"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.subcommand);
        const fs::path err = home.dir / "stderr.txt";
        const std::string command = vagaris::test::ShellQuoted(VAGARIS_CLI_PATH) + " " +
                                    c.subcommand + " " + c.args + " >/dev/full 2>" +
                                    vagaris::test::ShellQuoted(err.string());
        const int status = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 1);
        EXPECT_EQ(vagaris::test::ReadBytes(err), "No se pudo escribir la salida: disco lleno\n");
    }
}
