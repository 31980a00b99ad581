// The first start's pure part: a folder without catalogs, where the bundled samples are, and
// copying them without harm.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "catalogs/FirstRun.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using vagaris::test::ReadBytes;
using vagaris::test::TempFolder;

void Write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(FirstRun, AnyOneOfTheFiveCatalogsIsEnough) {
    const TempFolder home;
    Write(home.dir / "vagaris.ini", "+40\r\n");
    Write(home.dir / "MPCORB.DAT", "x");
    EXPECT_TRUE(vagaris::HoldsNoCatalog(home.dir.string() + "/"));
    Write(home.dir / "DistantObjectsCR.dat", "");
    EXPECT_FALSE(vagaris::HoldsNoCatalog(home.dir.string() + "/"));
}

// An installed program finds its samples in ../share/vagaris/samples; a build tree in the
// sources.
TEST(FirstRun, SamplesBesideTheExecutablesComeFirst) {
    const TempFolder tree;
    const fs::path bin = tree.dir / "usr" / "bin";
    fs::create_directories(bin);
    EXPECT_EQ(vagaris::BundledSamplesDir(bin.string(), VAGARIS_SAMPLES_DIR), VAGARIS_SAMPLES_DIR);
    EXPECT_EQ(vagaris::BundledSamplesDir(bin.string(), (tree.dir / "none").string()), std::nullopt);
    fs::create_directories(tree.dir / "usr" / "share" / "vagaris" / "samples");
    EXPECT_EQ(vagaris::BundledSamplesDir(bin.string(), VAGARIS_SAMPLES_DIR),
              (tree.dir / "usr" / "share" / "vagaris" / "samples").string());
}

TEST(FirstRun, CopiesKeepTheSamplesDatesAndNeverReplaceAFile) {
    const TempFolder samples, home;
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    for (const char* name : {"CometsCR.dat", "NeosAndUnusualCR.dat", "CriticalListCR.dat",
                             "DistantObjectsCR.dat", "BrightMinorPlanetsCR.dat"}) {
        Write(samples.dir / name, std::string("sample ") + name + "\r\n");
        fs::last_write_time(samples.dir / name, old);
    }
    Write(samples.dir / "README.md", "not a catalog");
    Write(home.dir / "CometsCR.dat", "mine\r\n");

    EXPECT_EQ(vagaris::CopySampleCatalogs(samples.dir.string(), home.dir.string() + "/"), 4);
    EXPECT_EQ(ReadBytes(home.dir / "CometsCR.dat"), "mine\r\n");
    EXPECT_EQ(ReadBytes(home.dir / "CriticalListCR.dat"), "sample CriticalListCR.dat\r\n");
    EXPECT_EQ(fs::last_write_time(home.dir / "CriticalListCR.dat"), old);
    EXPECT_FALSE(fs::exists(home.dir / "README.md"));
    // Nothing left behind but the catalogs.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(home.dir)) ++files;
    EXPECT_EQ(files, 5);
    // A second time, nothing to do.
    EXPECT_EQ(vagaris::CopySampleCatalogs(samples.dir.string(), home.dir.string() + "/"), 0);
}

}  // namespace
