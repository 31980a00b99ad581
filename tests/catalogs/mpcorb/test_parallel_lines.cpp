// The parallel line reader shared by the MPCOrb.dat search and the night's ranking, and the
// fast reading of an MPCOrb.dat line's elements.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "catalogs/LineFormats.h"
#include "catalogs/mpcorb/MpcOrbElements.h"
#include "catalogs/mpcorb/MpcOrbSearch.h"
#include "catalogs/mpcorb/ParallelLines.h"
#include "core/Errors.h"
#include "support/TempFolder.h"

namespace {

using namespace vagaris;

const std::string kExcerpt = std::string(VAGARIS_SAMPLES_DIR) + "/MPCORB.excerpt.dat";

// Every line the reader hands over, by its file offset.
std::map<std::uint64_t, std::string> ReadAll(const std::string& path, int threads,
                                             std::size_t segmentBytes) {
    std::map<std::uint64_t, std::string> lines;
    std::mutex mutex;
    ParallelReadOptions options;
    options.threads = threads;
    options.segmentBytes = segmentBytes;
    ReadLinesInParallel(path, options, [&](const LineBlock& block) {
        std::size_t start = 0;
        for (std::size_t k = 0; k <= block.size; ++k) {
            if (k == block.size && start == k) break;
            if (k == block.size || block.data[k] == '\n') {
                const std::lock_guard<std::mutex> lock(mutex);
                const bool fresh =
                    lines.emplace(block.offset + start, std::string(block.data + start, k - start))
                        .second;
                EXPECT_TRUE(fresh) << "line at " << block.offset + start << " handed over twice";
                start = k + 1;
            }
        }
        return true;
    });
    return lines;
}

// Each line once, whole, at its own offset, whatever the segments' size (down to segments
// shorter than a line) and the number of workers; a line longer than a reading block keeps
// its start; a last line without end; CR LF ends.
TEST(ParallelLines, HandsOverEveryLineOnceWhateverTheSegments) {
    const vagaris::test::TempFolder folder;
    const std::string path = (folder.dir / "lines.txt").string();
    std::string bytes;
    std::map<std::uint64_t, std::string> expected;
    for (int k = 0; k < 3000; ++k) {
        std::string line = "line " + std::to_string(k) + std::string(k % 37, 'x');
        if (k % 5 == 0) line += "\r";
        if (k == 1500) line = "huge" + std::string(600000, 'h');
        if (k == 1600) line.clear();  // an empty line
        expected[bytes.size()] = line.size() > 262144 ? line.substr(0, kLongLineKeptChars) : line;
        bytes += line + "\n";
    }
    expected[bytes.size()] = "last line without end";
    bytes += "last line without end";
    std::ofstream(path, std::ios::binary) << bytes;
    for (const std::size_t segment : {std::size_t{97}, std::size_t{4096}, std::size_t{1} << 20})
        for (const int threads : {1, 3})
            EXPECT_EQ(ReadAll(path, threads, segment), expected)
                << "segments of " << segment << ", " << threads << " workers";
    EXPECT_THROW(ReadAll(path + ".missing", 2, 4096), std::runtime_error);
}

// The first match in file order whatever the number of workers, even when a later segment
// is read first.
TEST(ParallelLines, SearchFindsTheFirstMatchInFileOrder) {
    for (const int threads : {1, 2, 4}) {
        const auto first = FindMpcOrbLine(kExcerpt, "(", threads);
        ASSERT_TRUE(first);
        EXPECT_EQ(ParseMpcOrbLine(*first).Name, "(1) Ceres");
        EXPECT_FALSE(FindMpcOrbLine(kExcerpt, "ZQXWNADA", threads));
    }
}

// The fast reading gives the values of ReadElements(ParseMpcOrbLine(line)) and fails where it
// fails, on every line of the excerpt and on lines with unusual fields.
TEST(MpcOrbElements, SameValuesAndFailuresAsTheTextPath) {
    std::vector<std::string> lines;
    for (const auto& line : ReadCatalogLines(kExcerpt))
        if (line.size() >= kMpcOrbMinLineLength) lines.push_back(line);
    ASSERT_GT(lines.size(), 100u);
    const std::string ceres = lines.front();
    const auto with = [&](std::size_t column, const std::string& text) {
        std::string l = ceres;
        l.replace(column - 1, text.size(), text);
        return l;
    };
    lines.push_back(with(8, "      "));        // no H: does not convert
    lines.push_back(with(8, " 3.3e0"));        // exponent: the slow path reads it
    lines.push_back(with(8, "  +3.3"));        // plus sign
    lines.push_back(with(8, "    3."));        // trailing point
    lines.push_back(with(27, "         "));    // no mean anomaly
    lines.push_back(with(21, "K23ZP"));        // a month that does not exist
    lines.push_back(with(93, "       abc "));  // a that does not convert
    lines.push_back(with(70, "-0.0788175"));
    for (const auto& line : lines) {
        std::optional<TElementValues> slow;
        try {
            slow = ReadElements(ParseMpcOrbLine(line));
        } catch (const EConvertError&) {
        }
        if (!slow) {
            EXPECT_THROW(ReadMpcOrbElements(line), EConvertError) << line;
            continue;
        }
        const TElementValues fast = ReadMpcOrbElements(line);
        EXPECT_EQ(fast.a, slow->a);
        EXPECT_EQ(fast.e, slow->e);
        EXPECT_EQ(fast.q, slow->q);
        EXPECT_EQ(fast.w, slow->w);
        EXPECT_EQ(fast.O, slow->O);
        EXPECT_EQ(fast.i, slow->i);
        EXPECT_EQ(fast.EpochTime, slow->EpochTime);
        EXPECT_EQ(fast.HasM, slow->HasM);
        EXPECT_EQ(fast.M0, slow->M0);
        EXPECT_EQ(fast.H, slow->H);
        EXPECT_EQ(fast.G, slow->G);
        EXPECT_EQ(fast.IsMinorPlanet, slow->IsMinorPlanet);
    }
}

}  // namespace
