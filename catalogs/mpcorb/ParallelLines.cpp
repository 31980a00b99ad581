#include "catalogs/mpcorb/ParallelLines.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "core/ReadableFile.h"

namespace vagaris {

namespace {

// Lines are handed over in blocks of at most this size; a line that does not end within one
// block is a long line (cut to kLongLineKeptChars). The block also bounds the work between
// two looks at the cancel flag, and is what one read asks of the file.
constexpr std::size_t kBlockBytes = std::size_t{256} << 10;

// A worker's view of the file: a buffer holding the bytes [first, first + held). The bytes
// are read, not mapped: a mapped file cut by another program kills the reader with SIGBUS
// when it touches a page past the new end, a read just comes back short (and says so).
class Window {
public:
    explicit Window(const ReadableFile& file)
        : file_(file), buffer_(std::make_unique<char[]>(kBlockBytes)) {}

    // Makes the buffer hold [from, from + min(want, kBlockBytes, size - from)) and returns
    // its start; the bytes already held are kept, only the rest is read.
    const char* load(std::uint64_t from, std::size_t want = kBlockBytes) {
        const std::uint64_t size = file_.size();
        const std::size_t n = static_cast<std::size_t>(
            std::min<std::uint64_t>(std::min(want, kBlockBytes), size - std::min(from, size)));
        std::size_t kept = 0;
        if (from >= first_ && from < first_ + held_) {
            kept = std::min(n, static_cast<std::size_t>(first_ + held_ - from));
            std::memmove(buffer_.get(), buffer_.get() + (from - first_), kept);
        }
        if (kept < n) file_.readAt(from + kept, buffer_.get() + kept, n - kept);
        first_ = from;
        held_ = n;
        return buffer_.get();
    }
    std::size_t held() const { return held_; }
    bool reachesFileEnd() const { return first_ + held_ == file_.size(); }

    // The offset just past the first line end in [from, limit) (both bytes of a CR LF), or
    // nothing when there is none. The limit keeps a segment inside a line of gigabytes from
    // reading on to that line's end: only lines that start before the segment's end matter.
    std::optional<std::uint64_t> afterLineEnd(std::uint64_t from, std::uint64_t limit) {
        while (from < limit) {
            const char* data = load(from);
            const std::size_t n =
                static_cast<std::size_t>(std::min<std::uint64_t>(held_, limit - from));
            const char* end = FindLineEnd(data, data + n);
            if (!end) {
                from += n;
                continue;
            }
            const std::uint64_t at = from + static_cast<std::uint64_t>(end - data);
            if (*end == '\r' && at + 1 < file_.size() && *load(at + 1, 1) == '\n') return at + 2;
            return at + 1;
        }
        return std::nullopt;
    }

private:
    const ReadableFile& file_;
    std::unique_ptr<char[]> buffer_;
    std::uint64_t first_ = 0;
    std::size_t held_ = 0;
};

// The first line start in [start, end], if any: a line starts at 0 and after every line end.
std::optional<std::uint64_t> FirstLineStart(Window& window, std::uint64_t start,
                                            std::uint64_t end) {
    if (start == 0) return start;
    const char* data = window.load(start - 1, 2);
    if (data[0] == '\n') return start;
    if (data[0] == '\r') return window.held() > 1 && data[1] == '\n' ? start + 1 : start;
    return window.afterLineEnd(start, end);  // the line running in belongs to the one before
}

// Hands over the lines that start in [start, end) of the file. Returns false when cancelled.
bool ReadSegment(Window& window, std::size_t segment, std::uint64_t start, std::uint64_t end,
                 const ParallelReadOptions& options,
                 const std::function<bool(const LineBlock&)>& onBlock) {
    const auto emit = [&](const char* data, std::size_t size, std::uint64_t offset) {
        return size == 0 || onBlock(LineBlock{segment, offset, data, size});
    };
    const auto first = FirstLineStart(window, start, end);
    if (!first) return true;
    std::uint64_t p = *first;
    std::string longLine;
    while (p < end) {
        if (options.cancel && options.cancel->load(std::memory_order_relaxed)) return false;
        const char* data = window.load(p);
        const std::size_t n = window.held();
        const bool fileEnd = window.reachesFileEnd();
        // A CR as the last byte held may be the first half of a CR LF: that line waits for
        // the next block, so no block ends between the two.
        const std::size_t searched = !fileEnd && n > 0 && data[n - 1] == '\r' ? n - 1 : n;
        const char* lastEnd = FindLastLineEnd(data, data + searched);
        if (!lastEnd) {
            if (fileEnd) {
                emit(data, n, p);  // the file's last line, without its end
                return true;
            }
            // A line longer than a block: its start and a line end; the rest is skipped.
            longLine.assign(data, kLongLineKeptChars);
            longLine += '\n';
            if (!emit(longLine.data(), longLine.size(), p)) return true;
            const auto next = window.afterLineEnd(p + searched, end);
            if (!next) return true;
            p = *next;
            continue;
        }
        // lastEnd is the last CR or LF searched; a CR there has no LF after it (the LF would
        // be the last end), so the whole lines end just past it.
        std::size_t whole = static_cast<std::size_t>(lastEnd - data) + 1;
        bool last = false;
        if (p + whole > end) {
            // Only the lines that start before the segment's end: cut after the line end at
            // or after end - 1 (it lies within the block, at or before lastEnd).
            const std::size_t from = static_cast<std::size_t>(end - 1 - p);
            const char* cut = FindLineEnd(data + from, data + whole);
            whole = static_cast<std::size_t>(cut - data) + 1;
            if (*cut == '\r' && whole < n && data[whole] == '\n') ++whole;
            last = true;
        }
        if (!emit(data, whole, p) || last) return true;
        p += whole;
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
    // Opened once, for every worker: they all read the same file, whatever is put at its name
    // meanwhile.
    const ReadableFile file(path);
    const std::uint64_t fileSize = file.size();
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
            Window window(file);
            while (true) {
                const std::size_t j = next.fetch_add(1);
                if (j >= segments) break;
                if (options.wantSegment && !options.wantSegment(j)) break;
                const std::uint64_t start = static_cast<std::uint64_t>(j) * segmentBytes;
                const std::uint64_t end = std::min<std::uint64_t>(start + segmentBytes, fileSize);
                if (!ReadSegment(window, j, start, end, options, onBlock)) break;
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
