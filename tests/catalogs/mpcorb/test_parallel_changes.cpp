// The parallel line reader on the three line ends (a CR LF pair falling on a segment or block
// edge included), and on a file cut or grown while it is read: the cut one used to kill the
// program with SIGBUS (it was mapped), and a CR-only MPCOrb.dat read as one line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <vector>

#include "catalogs/LineEnds.h"
#include "catalogs/mpcorb/MpcOrbSearch.h"
#include "catalogs/mpcorb/ParallelLines.h"
#include "core/ReadableFile.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

namespace {

using namespace vagaris;

const std::string kExcerpt = std::string(VAGARIS_SAMPLES_DIR) + "/MPCORB.excerpt.dat";

// What the reader hands over: each line, by its file offset, cut by NextLine.
struct Handed {
    std::map<std::uint64_t, std::string> lines;
    bool endSplitsAPair = false;  // a block ended between a CR and its LF
};

Handed ReadAll(const std::string& path, int threads, std::size_t segmentBytes,
               const std::function<void()>& onFirstBlock = {}) {
    const std::string bytes = vagaris::test::ReadBytes(path);
    Handed handed;
    std::mutex mutex;
    bool first = true;
    ParallelReadOptions options;
    options.threads = threads;
    options.segmentBytes = segmentBytes;
    ReadLinesInParallel(path, options, [&](const LineBlock& block) {
        // One block at a time: whatever the first one does to the file happens before any
        // worker reads on.
        const std::lock_guard<std::mutex> lock(mutex);
        if (first && onFirstBlock) onFirstBlock();
        first = false;
        const std::uint64_t after = block.offset + block.size;
        if (block.data[block.size - 1] == '\r' && after < bytes.size() && bytes[after] == '\n')
            handed.endSplitsAPair = true;
        const char* p = block.data;
        const char* const end = p + block.size;
        while (p < end) {
            const auto at = block.offset + static_cast<std::uint64_t>(p - block.data);
            const bool fresh = handed.lines.emplace(at, std::string(NextLine(p, end))).second;
            EXPECT_TRUE(fresh) << "line at " << at << " handed over twice";
        }
        return true;
    });
    return handed;
}

// The reference: lines cut one byte at a time, by their offset.
std::map<std::uint64_t, std::string> LinesByOffset(const std::string& bytes) {
    std::map<std::uint64_t, std::string> lines;
    std::size_t start = 0;
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        if (bytes[k] != '\r' && bytes[k] != '\n') continue;
        lines[start] = bytes.substr(start, k - start);
        if (bytes[k] == '\r' && k + 1 < bytes.size() && bytes[k + 1] == '\n') ++k;
        start = k + 1;
    }
    if (start < bytes.size()) lines[start] = bytes.substr(start);
    return lines;
}

std::string Write(const vagaris::test::TempFolder& folder, const std::string& name,
                  const std::string& bytes) {
    const std::string path = (folder.dir / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// Each line once, whole, at its offset, for ends of every form mixed at random, whatever the
// segments (down to one byte, so that every CR LF falls on a segment edge somewhere) and the
// workers; lines longer than a block keep their start whatever their end; a block never ends
// between the CR and the LF of a pair.
TEST(ParallelLinesEnds, EveryLineEndFormGivesTheSameLines) {
    const vagaris::test::TempFolder folder("vagaris-line-ends");
    std::mt19937 random(20251121);
    const char* const ends[] = {"\n", "\r\n", "\r"};
    const auto mixed = [&](bool withLongLines) {
        std::string bytes;
        for (int k = 0; k < 400; ++k) {
            bytes += "line " + std::to_string(k) + std::string(random() % 50, 'x');
            if (withLongLines && k % 97 == 0) bytes += std::string(300000, 'h');
            bytes += ends[random() % 3];
            if (k % 40 == 0) bytes += ends[random() % 3];  // an empty line
        }
        return bytes + "last line without end";
    };
    // A CR LF pair across the edge of the first reading block (256 KiB): a line of 44
    // characters, then lines of 98 and CR LF, whose CRs lie at 143 + 100 k, 262143 among them.
    std::string aligned = std::string(44, 'a') + "\n";
    while (aligned.size() < (1u << 20)) aligned += std::string(98, 'b') + "\r\n";
    ASSERT_EQ(aligned.substr(262143, 2), "\r\n");
    // Segments shorter than a line on short lines; on the long ones, segments that start
    // inside them (a one-byte segment there would be scanned a whole line each).
    const struct {
        std::string bytes;
        std::vector<std::size_t> segments;
    } files[] = {{mixed(false), {1, 2, 3, 97, 65536}},
                 {mixed(true), {65536, 300001, std::size_t{1} << 20}},
                 {aligned, {300001, std::size_t{1} << 20}}};
    for (const auto& f : files) {
        const std::string& bytes = f.bytes;
        const std::string path = Write(folder, "mixed.txt", bytes);
        auto expected = LinesByOffset(bytes);
        for (auto& [offset, line] : expected)
            if (line.size() > 262144) line.resize(kLongLineKeptChars);
        for (const std::size_t segment : f.segments)
            for (const int threads : {1, 3}) {
                const Handed handed = ReadAll(path, threads, segment);
                EXPECT_EQ(handed.lines, expected) << "segments of " << segment << ", " << threads;
                EXPECT_FALSE(handed.endSplitsAPair) << "segments of " << segment;
            }
    }
}

// MPCOrb.dat in the three forms: the same 813 orbit lines, the same search hits.
TEST(ParallelLinesEnds, MpcOrbInTheThreeFormsReadsTheSame) {
    const vagaris::test::TempFolder folder("vagaris-mpcorb-ends");
    const std::string lf = vagaris::test::ReadBytes(kExcerpt);
    std::string crlf, cr = lf;
    for (const char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (char& c : cr)
        if (c == '\n') c = '\r';
    for (const std::string& form : {lf, crlf, cr}) {
        const std::string path = Write(folder, "MPCORB.DAT", form);
        for (const int threads : {1, 4}) {
            std::size_t orbits = 0;
            for (const auto& [offset, line] : ReadAll(path, threads, 4096).lines)
                if (line.size() >= kMpcOrbMinLineLength) ++orbits;
            EXPECT_EQ(orbits, 813u);
            for (const auto& [key, name] :
                 std::vector<std::pair<std::string, std::string>>{{"PALLAS", "(2) Pallas"},
                                                                  {"APOPHIS", "(99942) Apophis"},
                                                                  {"2019 CR", "2019 CR"}}) {
                const auto found = FindMpcOrbLine(path, key, threads);
                ASSERT_TRUE(found) << key;
                EXPECT_EQ(ParseMpcOrbLine(*found).Name, name);
            }
        }
    }
}

// Cut by the first block's handler: the segments after the cut cannot be read, and the read
// ends with the message instead of a signal or part of the file. Grown: read to the size the
// file had at the start.
TEST(ParallelLinesChanges, AFileCutWhileReadEndsWithTheMessage) {
    const vagaris::test::TempFolder folder("vagaris-line-cut");
    std::string bytes;
    while (bytes.size() < (3u << 20)) bytes += std::string(150, 'o') + "\r\n";
    for (const off_t cutTo : {off_t{0}, off_t{1} << 20})
        for (const int threads : {1, 3}) {
            const std::string path = Write(folder, "MPCORB.DAT", bytes);
            std::string message;
            try {
                ReadAll(path, threads, 256u << 10,
                        [&] { ASSERT_EQ(::truncate(path.c_str(), cutTo), 0); });
            } catch (const EReadError& e) {
                EXPECT_EQ(e.failure(), ReadFailure::Changed);
                message = e.what();
            }
            EXPECT_EQ(message,
                      "No se puede leer " + path + ": el archivo cambió durante la lectura")
                << "cut to " << cutTo << ", " << threads << " workers";
        }

    const std::string path = Write(folder, "MPCORB.DAT", bytes);
    const Handed handed = ReadAll(path, 2, 256u << 10, [&] {
        std::ofstream(path, std::ios::binary | std::ios::app) << "a line added meanwhile\r\n";
    });
    EXPECT_EQ(handed.lines, LinesByOffset(bytes));
}

}  // namespace
