#pragma once
// Reading a large line file (MPCOrb.dat) with several threads at once. The file is cut into
// segments of a few megabytes; each worker takes the next segment, reads it through its own
// buffer and hands its lines, in file order, to a callback in blocks of whole lines. A line
// belongs to the segment in which it starts; lines end with LF, CR LF or CR
// (catalogs/LineEnds.h). Memory stays a few blocks per worker, whatever the file's size or
// its line lengths. The file is opened once (core/ReadableFile.h): a regular file only, read
// to its size at the open; a file cut while it is read ends the read with a message.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "catalogs/LineEnds.h"

namespace vagaris {

struct LineBlock {
    std::size_t segment;   // which segment (0, 1, ... in file order)
    std::uint64_t offset;  // file offset of data[0]
    // Whole lines, each with its end (LF, CR LF or CR) except a last one without end; a block
    // never ends between the CR and the LF of a pair. Cut them with NextLine. A line longer
    // than a reading block comes cut to kLongLineKeptChars characters, followed by an LF.
    const char* data;
    std::size_t size;
};

struct ParallelReadOptions {
    int threads = 0;  // 0: one per processor
    std::size_t segmentBytes = std::size_t{8} << 20;
    const std::atomic<bool>* cancel = nullptr;  // checked between blocks
    // Called before a worker starts a segment: false ends that worker (segments are taken in
    // increasing order, so every segment before the refused one has been or is being read).
    std::function<bool(std::size_t segment)> wantSegment;
    // Called from the calling thread about every 50 ms with bytes done and the file's size.
    std::function<void(std::uint64_t done, std::uint64_t total)> progress;
};

// Calls onBlock (from the workers, concurrently for different segments; the blocks of one
// segment in order, from one worker). onBlock returns false to leave the rest of its segment.
// Returns the number of segments. Throws EReadError (core/ReadableFile.h), naming the file:
// missing or unreadable, not a regular file, or cut while it is read.
std::size_t ReadLinesInParallel(const std::string& path, const ParallelReadOptions& options,
                                const std::function<bool(const LineBlock&)>& onBlock);

// Calls onLine(line, offset) for each line of the block in order, the line without its end
// and `offset` the file offset of its first byte, until onLine returns false. Returns false
// when it was stopped so, true when every line was seen: the value onBlock returns to read
// on or to leave the segment.
template <class OnLine>
bool ForEachLine(const LineBlock& block, OnLine&& onLine) {
    const char* p = block.data;
    const char* const end = block.data + block.size;
    while (p < end) {
        const std::uint64_t at = block.offset + static_cast<std::uint64_t>(p - block.data);
        if (!onLine(NextLine(p, end), at)) return false;
    }
    return true;
}

// Number of workers for a request of `threads` (0: one per processor, at least one).
int WorkerCount(int threads);

}  // namespace vagaris
