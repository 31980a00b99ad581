#include "catalogs/mpcorb/ParallelLines.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>
#include <vector>

namespace vagaris {

namespace {

// Lines are handed over in blocks of at most this size; a line that does not end within one
// block is a long line (cut to kLongLineKeptChars). The block also bounds the work between
// two looks at the cancel flag.
constexpr std::size_t kBlockBytes = std::size_t{256} << 10;
// Each segment is mapped with this much of the next one, so that its last line, when it is
// not a long line, lies wholly in the mapping.
constexpr std::uint64_t kSegmentTail = 2 * kBlockBytes;

[[noreturn]] void ThrowUnreadable(const std::string& path) {
    throw std::runtime_error("No se puede leer " + path);
}

struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

const char* LastLineEnd(const char* data, std::size_t size) {
    for (std::size_t k = size; k > 0; --k)
        if (data[k - 1] == '\n') return data + k - 1;
    return nullptr;
}

// A read-only mapping of part of the file, removed at the end of its scope. Mapping instead of
// reading saves copying every byte (the scan is bound by memory traffic); mapping segment by
// segment keeps the resident memory to a few segments whatever the file's size.
struct Mapping {
    void* address = MAP_FAILED;
    std::size_t length = 0;
    ~Mapping() {
        if (address != MAP_FAILED) ::munmap(address, length);
    }
};

// Hands over the lines that start in [start, end) of the file. Returns false when cancelled.
bool ReadSegment(int fd, const std::string& path, std::size_t segment, std::uint64_t start,
                 std::uint64_t end, std::uint64_t fileSize, const ParallelReadOptions& options,
                 const std::function<bool(const LineBlock&)>& onBlock) {
    // The byte before the segment tells whether a line starts at its first byte.
    static const std::uint64_t page = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
    const std::uint64_t from = start == 0 ? 0 : start - 1;
    const std::uint64_t mapStart = from / page * page;
    const std::uint64_t mapEnd = std::min(fileSize, end + kSegmentTail);
    Mapping map;
    map.length = static_cast<std::size_t>(mapEnd - mapStart);
    map.address =
        ::mmap(nullptr, map.length, PROT_READ, MAP_PRIVATE, fd, static_cast<off_t>(mapStart));
    if (map.address == MAP_FAILED) ThrowUnreadable(path);
    const char* const base = static_cast<const char*>(map.address);
    const auto at = [&](std::uint64_t offset) { return base + (offset - mapStart); };
    const auto emit = [&](const char* data, std::size_t size, std::uint64_t offset) {
        return size == 0 || onBlock(LineBlock{segment, offset, data, size});
    };
    // The next line end at or after `offset` within the mapping, as a file offset.
    const auto nextLineEnd = [&](std::uint64_t offset) -> std::optional<std::uint64_t> {
        if (offset >= mapEnd) return std::nullopt;
        const auto* nl = static_cast<const char*>(
            std::memchr(at(offset), '\n', static_cast<std::size_t>(mapEnd - offset)));
        if (!nl) return std::nullopt;
        return mapStart + static_cast<std::uint64_t>(nl - base);
    };

    std::uint64_t p = start;
    if (start != 0 && *at(from) != '\n') {
        // The line running into the segment belongs to the one before.
        const auto nl = nextLineEnd(start);
        if (!nl) return true;
        p = *nl + 1;
    }
    std::string longLine;
    while (p < end) {
        if (options.cancel && options.cancel->load(std::memory_order_relaxed)) return false;
        const std::uint64_t windowEnd = std::min(p + kBlockBytes, mapEnd);
        const char* lastEnd = LastLineEnd(at(p), static_cast<std::size_t>(windowEnd - p));
        if (!lastEnd) {
            if (windowEnd == fileSize) {
                // The file's last line, without its end.
                emit(at(p), static_cast<std::size_t>(windowEnd - p), p);
                return true;
            }
            // A line longer than a block: its start and a line end; the rest is skipped.
            longLine.assign(at(p), kLongLineKeptChars);
            longLine += '\n';
            if (!emit(longLine.data(), longLine.size(), p)) return true;
            const auto nl = nextLineEnd(windowEnd);
            if (!nl) return true;  // no other line starts before the segment's end
            p = *nl + 1;
            continue;
        }
        std::uint64_t whole = mapStart + static_cast<std::uint64_t>(lastEnd - base) + 1;
        bool last = false;
        if (whole > end) {
            // Only the lines that start before the segment's end: cut after the line end at
            // or after end - 1.
            whole = *nextLineEnd(end - 1) + 1;
            last = true;
        }
        if (!emit(at(p), static_cast<std::size_t>(whole - p), p) || last) return true;
        p = whole;
    }
    return true;
}

}  // namespace

int WorkerCount(int threads) {
    if (threads > 0) return threads;
    const unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(n);
}

std::size_t ReadLinesInParallel(const std::string& path, const ParallelReadOptions& options,
                                const std::function<bool(const LineBlock&)>& onBlock) {
    // Looked at before it is opened: opening a pipe would wait for a writer.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) ThrowUnreadable(path);
    const auto fileSize = static_cast<std::uint64_t>(st.st_size);
    const std::size_t segmentBytes = std::max<std::size_t>(options.segmentBytes, 1);
    const std::size_t segments =
        fileSize == 0 ? 0 : static_cast<std::size_t>((fileSize + segmentBytes - 1) / segmentBytes);
    const int workers = std::min<int>(WorkerCount(options.threads),
                                      static_cast<int>(std::max<std::size_t>(segments, 1)));

    std::atomic<std::size_t> next{0};
    std::atomic<std::uint64_t> done{0};
    std::mutex mutex;
    std::condition_variable finished;
    int running = workers;
    std::exception_ptr failure;

    const auto work = [&] {
        try {
            Descriptor own;
            own.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
            if (own.fd < 0) ThrowUnreadable(path);
            while (true) {
                const std::size_t j = next.fetch_add(1);
                if (j >= segments) break;
                if (options.wantSegment && !options.wantSegment(j)) break;
                const std::uint64_t start = static_cast<std::uint64_t>(j) * segmentBytes;
                const std::uint64_t end = std::min<std::uint64_t>(start + segmentBytes, fileSize);
                if (!ReadSegment(own.fd, path, j, start, end, fileSize, options, onBlock)) break;
                done += end - start;
            }
        } catch (...) {
            const std::lock_guard<std::mutex> lock(mutex);
            if (!failure) failure = std::current_exception();
            next = segments;  // the others stop at their next segment
        }
        const std::lock_guard<std::mutex> lock(mutex);
        --running;
        finished.notify_all();
    };

    std::vector<std::thread> pool;
    for (int k = 0; k < workers; ++k) pool.emplace_back(work);
    {
        std::unique_lock<std::mutex> lock(mutex);
        while (running > 0) {
            finished.wait_for(lock, std::chrono::milliseconds(50));
            if (options.progress && running > 0) {
                lock.unlock();
                options.progress(done.load(), fileSize);
                lock.lock();
            }
        }
    }
    for (auto& t : pool) t.join();
    if (failure) std::rethrow_exception(failure);
    return segments;
}

}  // namespace vagaris
