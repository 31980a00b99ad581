#include "catalogs/mpcorb/ParallelLines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace vagaris {

namespace {

// A block that stays in the processor's cache between the copy and the scan: the scan is
// bound by memory traffic, and larger blocks were slower (measured on a 300 MB file).
constexpr std::size_t kBlockBytes = std::size_t{256} << 10;

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

// Reads the lines that start in [start, end) of the file and hands them over. Returns false
// when cancelled.
bool ReadSegment(int fd, const std::string& path, std::size_t segment, std::uint64_t start,
                 std::uint64_t end, std::uint64_t fileSize, const ParallelReadOptions& options,
                 const std::function<bool(const LineBlock&)>& onBlock, std::vector<char>& block) {
    // The line that runs into the segment belongs to the one before: when the byte before the
    // segment is not a line end, everything up to the next line end is skipped.
    std::uint64_t offset = start == 0 ? 0 : start - 1;
    bool skipping = start != 0;
    std::size_t held = 0;  // an unfinished line at the block's front
    std::string longLine;  // the kept start of a line longer than the block
    const auto emit = [&](const char* data, std::size_t size, std::uint64_t at) {
        return size == 0 || onBlock(LineBlock{segment, at, data, size});
    };
    while (true) {
        if (options.cancel && options.cancel->load(std::memory_order_relaxed)) return false;
        std::size_t got = 0;
        if (offset < fileSize) {
            const ssize_t n =
                ::pread(fd, block.data() + held, block.size() - held, static_cast<off_t>(offset));
            if (n < 0) ThrowUnreadable(path);
            got = static_cast<std::size_t>(n);
        }
        const std::uint64_t blockOffset = offset - held;  // file offset of block[0]
        offset += got;
        const std::size_t filled = held + got;
        if (got == 0) {
            // End of file: a last line without its end.
            if (!skipping && held > 0 && blockOffset < end) emit(block.data(), held, blockOffset);
            return true;
        }
        std::size_t p = 0;
        if (skipping) {
            const auto* nl = static_cast<const char*>(std::memchr(block.data(), '\n', filled));
            if (!nl) {
                // No line starts before the segment's end: nothing here is this segment's.
                if (blockOffset + filled >= end) return true;
                held = 0;
                continue;
            }
            p = static_cast<std::size_t>(nl - block.data()) + 1;
            skipping = false;
        }
        if (blockOffset + p >= end) return true;  // the next line is the next segment's
        const char* lastEnd = LastLineEnd(block.data() + p, filled - p);
        if (!lastEnd) {
            if (p > 0 || filled < block.size()) {
                held = filled - p;
                std::memmove(block.data(), block.data() + p, held);
                continue;
            }
            // A line longer than the block: its start, a line end, and the rest skipped.
            longLine.assign(block.data(), kLongLineKeptChars);
            longLine += '\n';
            if (!emit(longLine.data(), longLine.size(), blockOffset)) return true;
            skipping = true;
            held = 0;
            continue;
        }
        std::size_t whole = static_cast<std::size_t>(lastEnd - block.data()) + 1;
        bool last = false;
        if (blockOffset + whole > end) {
            // Only the lines that start before the segment's end: cut after the line end that
            // precedes or sits at end - 1.
            const std::size_t edge = static_cast<std::size_t>(end - blockOffset) - 1;
            const auto* nl =
                static_cast<const char*>(std::memchr(block.data() + edge, '\n', whole - edge));
            whole = static_cast<std::size_t>(nl - block.data()) + 1;
            last = true;
        }
        if (!emit(block.data() + p, whole - p, blockOffset + p) || last) return true;
        held = filled - whole;
        std::memmove(block.data(), block.data() + whole, held);
    }
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
            std::vector<char> block(kBlockBytes);
            while (true) {
                const std::size_t j = next.fetch_add(1);
                if (j >= segments) break;
                if (options.wantSegment && !options.wantSegment(j)) break;
                const std::uint64_t start = static_cast<std::uint64_t>(j) * segmentBytes;
                const std::uint64_t end = std::min<std::uint64_t>(start + segmentBytes, fileSize);
                if (!ReadSegment(own.fd, path, j, start, end, fileSize, options, onBlock, block))
                    break;
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
