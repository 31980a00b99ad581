// The program folder of a build tree is used when it is writable; the check must not open
// anything already in the folder: a link planted there under the probe's old fixed name
// once made the program truncate the link's target.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "settings/SettingsFile.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"
#include "support/WriteFaults.h"

namespace fs = std::filesystem;
using vagaris::test::FolderEntries;
using vagaris::test::ReadBytes;

TEST(WriteProbe, APlantedLinkInABuildTreeFolderKeepsItsTargetWhole) {
    const vagaris::test::TempFolder folder("vagaris-probe");
    const fs::path bin = folder.dir / "bin";
    const fs::path victim = folder.dir / "victim.txt";
    fs::create_directory(bin);
    std::ofstream(bin / vagaris::kBuildTreeMarker) << "build tree\n";
    std::ofstream(victim) << "a file of the user's, not to be truncated";
    fs::create_symlink(victim, bin / ".vagaris-write-probe");
    const auto before = FolderEntries(bin);

    ::unsetenv("VAGARIS_HOME");
    EXPECT_EQ(vagaris::ResolveProgramDir(bin.string()), bin.string() + "/");
    EXPECT_EQ(ReadBytes(victim), "a file of the user's, not to be truncated");
    EXPECT_EQ(FolderEntries(bin), before);
    EXPECT_TRUE(fs::is_symlink(bin / ".vagaris-write-probe"));
}
