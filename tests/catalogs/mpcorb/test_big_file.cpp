// A 2 GB MPCOrb.dat (a sparse file: real lines, a 2 GB run of NUL bytes without a line end,
// then a real line) is searched in bounded memory, to the line after the hole.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalogs/mpcorb/MpcOrbSearch.h"
#include "support/TempFolder.h"

namespace {

// Peak resident memory of this process so far [KiB].
long PeakRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

std::vector<std::string> ExcerptLines() {
    std::ifstream in(std::string(VAGARIS_SAMPLES_DIR) + "/MPCORB.excerpt.dat", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line + "\n");
    return lines;
}

}  // namespace

TEST(BoundedWork, ASparseTwoGigabyteMpcOrbIsSearchedInBoundedMemory) {
    const vagaris::test::TempFolder folder("vagaris-big-mpcorb");
    const std::filesystem::path file = folder.dir / "MPCORB.DAT";
    const auto lines = ExcerptLines();
    ASSERT_GT(lines.size(), 60u);
    {
        std::ofstream out(file, std::ios::binary);
        for (std::size_t k = 0; k < 50; ++k) out << lines[k];
    }
    // The hole: made with truncate, it takes no disk space.
    constexpr std::uintmax_t kTwoGigabytes = std::uintmax_t{2} << 30;
    ASSERT_EQ(::truncate(file.c_str(), static_cast<off_t>(kTwoGigabytes)), 0);
    // One line end closes the hole's "line", then a real line that only this search can reach.
    std::ofstream(file, std::ios::binary | std::ios::app) << "\n" << lines[55];
    ASSERT_GT(std::filesystem::file_size(file), kTwoGigabytes);

    const long before = PeakRssKiB();
    const auto found = vagaris::FindMpcOrbLine(file.string(), "HEPHAISTOS");
    const auto missing = vagaris::FindMpcOrbLine(file.string(), "NO SUCH NAME");
    EXPECT_LT(PeakRssKiB() - before, 64 * 1024);  // blocks of 256 KiB, not the file
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, lines[55].substr(0, 191));
    EXPECT_FALSE(missing);
}
