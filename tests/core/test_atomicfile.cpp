// The atomic writer under injected faults (full disk, read-only folder, a folder in the file's
// place, a vanished folder), through symbolic links, and with the modes and owners of the
// files it replaces; the cleaning of temporaries a killed process left.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/AtomicFile.h"
#include "core/TextFile.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "support/WriteFaults.h"

using namespace vagaris;
using vagaris::test::FolderEntries;
using vagaris::test::ReadBytes;
namespace fs = std::filesystem;

namespace {

class AtomicWrite : public ::testing::Test {
protected:
    const vagaris::test::TempFolder folder_{"vagaris-atomic"};
    const fs::path dir_ = folder_.dir;
};

mode_t ModeOf(const fs::path& p) {
    struct stat st {};
    ::stat(p.c_str(), &st);
    return st.st_mode & 07777;
}

// The id of a process that has certainly ended.
pid_t EndedProcessId() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

}  // namespace

TEST_F(AtomicWrite, EveryFaultKeepsThePreviousFileAndSaysWhy) {
    std::string skipped;
    for (const auto fault : vagaris::test::AllWriteFaults()) {
        SCOPED_TRACE(vagaris::test::FaultName(fault));
        vagaris::test::FaultyFolder target(fault, dir_ / vagaris::test::FaultName(fault),
                                           "tabla.txt", "previous table\r\n");
        if (!target.skipReason().empty()) {
            skipped = target.skipReason();
            continue;
        }
        target.arm();
        const std::string path = target.path().string();
        try {
            WriteFileAtomically(path, std::string(20000, 'n'));
            ADD_FAILURE() << "the write succeeded";
        } catch (const EWriteError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "No se pudo escribir '" + path + "': " + target.reason());
        }
        EXPECT_TRUE(target.unharmed());
        // The program goes on: a write elsewhere works.
        WriteFileAtomically((dir_ / "next.txt").string(), "ok");
        EXPECT_EQ(ReadBytes(dir_ / "next.txt"), "ok");
    }
    if (!skipped.empty()) GTEST_SKIP() << skipped;
}

TEST_F(AtomicWrite, ADroppedWriteLeavesTheTargetAndNoTemporary) {
    std::ofstream(dir_ / "a.txt") << "before";
    {
        AtomicFile file((dir_ / "a.txt").string());
        file.write(std::string(100000, 'x'));
        // The temporary is beside the target, with the program's pattern.
        EXPECT_EQ(fs::path(file.temporaryPath()).parent_path(), dir_);
        EXPECT_TRUE(IsProgramTemporaryName(fs::path(file.temporaryPath()).filename().string()));
        EXPECT_TRUE(fs::exists(file.temporaryPath()));
    }  // neither committed nor cancelled: a failure on the way
    EXPECT_EQ(ReadBytes(dir_ / "a.txt"), "before");
    EXPECT_EQ(FolderEntries(dir_), std::set<std::string>{"a.txt"});
}

TEST_F(AtomicWrite, ATargetThatVanishesDuringTheWriteIsWrittenAnew) {
    std::ofstream(dir_ / "a.txt") << "before";
    AtomicFile file((dir_ / "a.txt").string());
    file.write("after");
    fs::remove(dir_ / "a.txt");  // deleted by someone else meanwhile
    file.commit();
    EXPECT_EQ(ReadBytes(dir_ / "a.txt"), "after");
    EXPECT_EQ(FolderEntries(dir_), std::set<std::string>{"a.txt"});
}

TEST_F(AtomicWrite, SymbolicLinksAreWrittenThroughNotReplaced) {
    struct Case {
        const char* what;
        fs::path link;    // the path given to the writer
        fs::path target;  // the file that must receive the bytes
    };
    fs::create_directories(dir_ / "real");
    fs::create_directories(dir_ / "links");
    std::ofstream(dir_ / "real" / "abs.txt") << "old";
    std::ofstream(dir_ / "real" / "rel.txt") << "old";
    fs::create_symlink(dir_ / "real" / "abs.txt", dir_ / "links" / "abs");
    fs::create_symlink("../real/rel.txt", dir_ / "links" / "rel");
    fs::create_symlink("rel", dir_ / "links" / "chain");
    fs::create_symlink("../real/new.txt", dir_ / "links" / "dangling");
    const std::vector<Case> cases = {
        {"absolute link", dir_ / "links" / "abs", dir_ / "real" / "abs.txt"},
        {"relative link", dir_ / "links" / "rel", dir_ / "real" / "rel.txt"},
        {"link to a link", dir_ / "links" / "chain", dir_ / "real" / "rel.txt"},
        {"dangling link: its target is created", dir_ / "links" / "dangling",
         dir_ / "real" / "new.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteFileAtomically(c.link.string(), c.what);
        EXPECT_TRUE(fs::is_symlink(c.link));
        EXPECT_EQ(ReadBytes(c.target), c.what);
    }
    // The temporaries went to the target's folder and none stayed in either.
    EXPECT_EQ(FolderEntries(dir_ / "real"),
              (std::set<std::string>{"abs.txt", "new.txt", "rel.txt"}));
    EXPECT_EQ(FolderEntries(dir_ / "links"),
              (std::set<std::string>{"abs", "chain", "dangling", "rel"}));

    fs::create_symlink("loop2", dir_ / "loop1");
    fs::create_symlink("loop1", dir_ / "loop2");
    EXPECT_THROW(
        {
            try {
                WriteFileAtomically((dir_ / "loop1").string(), "x");
            } catch (const EWriteError& e) {
                EXPECT_EQ(e.reason(), "demasiados enlaces simbólicos");
                throw;
            }
        },
        EWriteError);
}

TEST_F(AtomicWrite, KeepsModeAndOwnerOfTheReplacedFile) {
    for (const mode_t mode : {mode_t(0600), mode_t(0640), mode_t(0755), mode_t(0444)}) {
        SCOPED_TRACE(mode);
        const fs::path p = dir_ / "kept.txt";
        fs::remove(p);
        std::ofstream(p) << "old";
        ::chmod(p.c_str(), mode);
        WriteFileAtomically(p.string(), "new");
        EXPECT_EQ(ModeOf(p), mode);
        EXPECT_EQ(ReadBytes(p), "new");
    }
    // A new file: 0666 less the umask, as any program creates files.
    const mode_t before = ::umask(027);
    WriteFileAtomically((dir_ / "fresh.txt").string(), "x");
    ::umask(before);
    EXPECT_EQ(ModeOf(dir_ / "fresh.txt"), mode_t(0640));

    // Another user's file, replaced by root: it stays theirs.
    if (::geteuid() != 0) GTEST_SKIP() << "changing a file's owner needs root";
    const fs::path theirs = dir_ / "theirs.txt";
    std::ofstream(theirs) << "old";
    ASSERT_EQ(::chown(theirs.c_str(), 1234, 5678), 0);
    WriteFileAtomically(theirs.string(), "new");
    struct stat st {};
    ::stat(theirs.c_str(), &st);
    EXPECT_EQ(st.st_uid, 1234u);
    EXPECT_EQ(st.st_gid, 5678u);
}

TEST_F(AtomicWrite, OnlyRegularFilesAreReplaced) {
    const fs::path fifo = dir_ / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    try {
        WriteFileAtomically(fifo.string(), "x");
        ADD_FAILURE() << "a pipe was replaced";
    } catch (const EWriteError& e) {
        EXPECT_EQ(e.reason(), "no es un archivo normal");
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(FolderEntries(dir_), std::set<std::string>{"pipe"});
}

TEST_F(AtomicWrite, ReasonsSayWhatFailed) {
    EXPECT_EQ(WriteFailureReason(ENOSPC), "disco lleno");
    EXPECT_EQ(WriteFailureReason(EACCES), "sin permiso de escritura");
    EXPECT_EQ(WriteFailureReason(EROFS), "la carpeta es de solo lectura");
    EXPECT_EQ(WriteFailureReason(EISDIR), "es una carpeta");
    EXPECT_EQ(WriteFailureReason(ENOENT), "la carpeta no existe");
    EXPECT_EQ(WriteFailureReason(EXDEV),
              "error del sistema (código " + std::to_string(EXDEV) + ")");
}

TEST_F(AtomicWrite, StaleTemporariesOfEndedProcessesAreRemoved) {
    const std::string dead = std::to_string(EndedProcessId());
    const std::string alive = std::to_string(::getppid());
    const std::string own = std::to_string(::getpid());
    const std::vector<std::pair<std::string, bool>> files = {
        // name, removed
        {".CometsCR.dat.vagaris-tmp-" + dead + "-a8ZkQ2", true},
        {".vagaris.ini.vagaris-tmp-" + dead + "-000000", true},
        {".CometsCR.dat.vagaris-tmp-" + alive + "-a8ZkQ2", false},  // still being written
        {".tabla.txt.vagaris-tmp-" + own + "-a8ZkQ2", false},
        {".CometsCR.dat.vagaris-tmp-" + dead + "-a8ZkQ", false},  // not the pattern
        {"CometsCR.dat.vagaris-tmp-" + dead + "-a8ZkQ2", false},
        {".x.vagaris-tmp-abc-a8ZkQ2", false},
        {"CometsCR.dat", false},
    };
    std::set<std::string> kept;
    for (const auto& [name, removed] : files) {
        std::ofstream(dir_ / name) << "x";
        if (!removed) kept.insert(name);
    }
    EXPECT_EQ(RemoveStaleTemporaries(dir_.string()), 2);
    EXPECT_EQ(FolderEntries(dir_), kept);
    EXPECT_EQ(RemoveStaleTemporaries((dir_ / "missing").string()), 0);
}

// In a folder every user may write to and only owners may delete from (sticky, as /tmp),
// another user's link may point at any file of the writer's: it is not followed unless it
// belongs to the writer or to the folder's owner, the kernel's rule with fs.protected_symlinks.
TEST_F(AtomicWrite, AnotherUsersLinkInASharedStickyFolderIsNotFollowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving a link to another user needs root";
    constexpr uid_t kOther = 65534;  // nobody
    struct Case {
        const char* what;
        mode_t folderMode;
        uid_t folderOwner, linkOwner;
        bool followed;
    };
    const std::vector<Case> cases = {
        {"another user's link in a shared sticky folder", 01777, 0, kOther, false},
        {"the writer's own link there", 01777, 0, 0, true},
        {"the folder owner's link", 01777, kOther, kOther, true},
        {"sticky, not writable by all", 01770, 0, kOther, true},
        {"writable by all, not sticky", 0777, 0, kOther, true},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path shared = dir_ / ("shared" + std::to_string(n));
        const fs::path victim = dir_ / ("victim" + std::to_string(n++) + ".txt");
        fs::create_directory(shared);
        ASSERT_EQ(::chown(shared.c_str(), c.folderOwner, 0), 0);
        ASSERT_EQ(::chmod(shared.c_str(), c.folderMode), 0);
        std::ofstream(victim) << "root's own file";
        const fs::path link = shared / "CometsCR.dat";
        fs::create_symlink(victim, link);
        ASSERT_EQ(::lchown(link.c_str(), c.linkOwner, gid_t(-1)), 0);
        if (c.followed) {
            WriteFileAtomically(link.string(), "downloaded");
            EXPECT_EQ(ReadBytes(victim), "downloaded");
        } else {
            try {
                WriteFileAtomically(link.string(), "downloaded");
                ADD_FAILURE() << "the link was followed";
            } catch (const EWriteError& e) {
                EXPECT_EQ(std::string(e.what()),
                          "No se pudo escribir '" + link.string() +
                              "': enlace simbólico de otro usuario en una carpeta compartida");
            }
            EXPECT_EQ(ReadBytes(victim), "root's own file");
        }
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(FolderEntries(shared), std::set<std::string>{"CometsCR.dat"});
    }

    // A chain whose second link is the foreign one: every hop is checked.
    const fs::path shared = dir_ / "shared0";
    fs::create_symlink(shared / "CometsCR.dat", dir_ / "mine");
    EXPECT_THROW(WriteFileAtomically((dir_ / "mine").string(), "downloaded"), EWriteError);
    EXPECT_EQ(ReadBytes(dir_ / "victim0.txt"), "root's own file");
}

// The writability probe creates a file of its own, exclusively: a link planted in the folder,
// under any name, is never opened, its target never truncated.
TEST_F(AtomicWrite, TheWritabilityProbeTouchesNothingInTheFolder) {
    std::ofstream(dir_ / "precious.txt") << "precious contents";
    // Under the name the probe once had and under the probe's present pattern.
    fs::create_symlink(dir_ / "precious.txt", dir_ / ".vagaris-write-probe");
    fs::create_symlink(dir_ / "precious.txt", dir_ / (".vagaris-write-probe.vagaris-tmp-" +
                                                      std::to_string(::getpid()) + "-XXXXXX"));
    const std::set<std::string> before = FolderEntries(dir_);
    EXPECT_TRUE(CanCreateFilesIn(dir_.string()));
    EXPECT_TRUE(CanCreateFilesIn(dir_.string() + "/"));
    EXPECT_EQ(ReadBytes(dir_ / "precious.txt"), "precious contents");
    EXPECT_EQ(FolderEntries(dir_), before) << "the probe removed only its own file";

    EXPECT_FALSE(CanCreateFilesIn((dir_ / "missing").string()));
    if (::geteuid() != 0) {  // root writes into any folder
        fs::create_directory(dir_ / "locked");
        ::chmod((dir_ / "locked").c_str(), 0555);
        EXPECT_FALSE(CanCreateFilesIn((dir_ / "locked").string()));
    }
}
