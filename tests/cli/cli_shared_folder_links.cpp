// An -o path in a folder every user may write to and only owners may delete from (sticky, as
// /tmp), where another user has put a link under the chosen name: the link is not followed
// (its owner could aim it at any file of ours), exit 1 with one line naming the path; the
// writer's own link there is followed as anywhere else.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/FileBytes.h"
#include "support/RunCli.h"
#include "support/TestHome.h"
#include "support/WriteFaults.h"

namespace fs = std::filesystem;
using vagaris::test::ReadBytes;
using vagaris::test::RunCli;
using vagaris::test::SplitLf;

TEST(CliSharedFolderLinks, AnotherUsersLinkIsRefusedTheWritersOwnIsFollowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving a link to another user needs root";
    const TestHome home;
    home.copySample("CometsCR.dat");
    const fs::path shared = home.dir / "shared";
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const fs::path victim = home.dir / "victim.txt";
    for (const uid_t owner : {uid_t(65534), ::geteuid()}) {
        SCOPED_TRACE(owner);
        std::ofstream(victim) << "a file only root may write";
        const fs::path link = shared / "anticola.txt";
        fs::remove(link);
        fs::create_symlink(victim, link);
        ASSERT_EQ(::lchown(link.c_str(), owner, gid_t(-1)), 0);
        const auto r = RunCli("antitail", {"--catalog", (home.dir / "CometsCR.dat").string(),
                                           "--year", "2011", "-o", link.string()});
        if (owner != ::geteuid()) {
            EXPECT_EQ(r.exitCode, 1) << r.err;
            std::vector<std::string> lines;
            for (const auto& line : SplitLf(r.err))
                if (line.rfind("QStandardPaths:", 0) != 0) lines.push_back(line);
            EXPECT_EQ(lines, std::vector<std::string>{
                                 "No se pudo escribir '" + link.string() +
                                 "': enlace simbólico de otro usuario en una carpeta compartida"});
            EXPECT_EQ(ReadBytes(victim), "a file only root may write");
        } else {
            EXPECT_EQ(r.exitCode, 0) << r.err;
            EXPECT_NE(ReadBytes(victim), "a file only root may write");
        }
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(vagaris::test::FolderEntries(shared), std::set<std::string>{"anticola.txt"});
    }
}
