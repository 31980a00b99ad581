#include "outputs/tonight/TonightStreams.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <iterator>
#include <mutex>
#include <optional>
#include <thread>

#include "catalogs/mpcorb/MpcOrbElements.h"
#include "catalogs/mpcorb/MpcOrbSearch.h"
#include "core/Errors.h"

namespace vagaris::tonight {

namespace {

// Runs `work` on `workers` threads while the calling thread reports progress.
void RunWorkers(int workers, const std::function<void()>& work, const std::function<double()>& done,
                const std::function<void(double)>& progress) {
    std::mutex mutex;
    std::condition_variable finished;
    int running = workers;
    std::exception_ptr failure;
    std::vector<std::thread> pool;
    for (int k = 0; k < workers; ++k)
        pool.emplace_back([&] {
            try {
                work();
            } catch (...) {
                const std::lock_guard<std::mutex> lock(mutex);
                if (!failure) failure = std::current_exception();
            }
            const std::lock_guard<std::mutex> lock(mutex);
            --running;
            finished.notify_all();
        });
    {
        std::unique_lock<std::mutex> lock(mutex);
        while (running > 0) {
            finished.wait_for(lock, std::chrono::milliseconds(50));
            if (progress && running > 0) {
                lock.unlock();
                progress(done());
                lock.lock();
            }
        }
    }
    for (auto& t : pool) t.join();
    if (failure) std::rethrow_exception(failure);
}

// Evaluates one object into `local`: its row when listed. `texts` gives the element texts,
// asked only for a listed object.
template <class Texts>
std::optional<Row> RankOne(const RankContext& c, const TElementValues& v, const Texts& texts,
                           char kind, Tally& local) {
    try {
        const Evaluation e = EvaluateWindow(c.sky, v, c.limits, c.screen);
        std::optional<Row> row;
        if (e.window.observableMinutes >= c.limits.minMinutes)
            row = FinishRow(c.sky, c.limits, e.window, texts(), kind);
        ++local.considered;
        return row;
    } catch (const EConvertError&) {
        // Elements the propagation cannot use count as a line that does not convert.
        ++local.invalid;
        return std::nullopt;
    }
}

// Adds a worker's findings to the shared tally, once a block.
class TallyMerger {
public:
    explicit TallyMerger(Tally& total) : total_(total) {}
    void add(Tally& local) {
        const std::lock_guard<std::mutex> lock(mutex_);
        total_.considered += local.considered;
        total_.invalid += local.invalid;
        total_.rows.insert(total_.rows.end(), std::make_move_iterator(local.rows.begin()),
                           std::make_move_iterator(local.rows.end()));
        local = Tally{};
    }

private:
    Tally& total_;
    std::mutex mutex_;
};

}  // namespace

void RankCatalogObjects(const RankContext& context, const std::vector<CatalogObject>& objects,
                        const std::vector<std::string>& catalogNames, int workers,
                        const std::atomic<bool>* cancel,
                        const std::function<void(double share)>& progress, Tally& tally) {
    if (objects.empty()) return;
    constexpr std::size_t kChunk = 32;
    const auto cancelled = [&] { return cancel && cancel->load(std::memory_order_relaxed); };
    std::atomic<std::size_t> next{0};
    TallyMerger merger(tally);
    RunWorkers(
        std::min<int>(workers, static_cast<int>((objects.size() + kChunk - 1) / kChunk)),
        [&] {
            Tally local;
            while (!cancelled()) {
                const std::size_t from = next.fetch_add(kChunk);
                if (from >= objects.size()) break;
                const std::size_t to = std::min(objects.size(), from + kChunk);
                for (std::size_t k = from; k < to; ++k) {
                    const CatalogObject& o = objects[k];
                    auto row = RankOne(
                        context, o.values, [&] { return o.texts; }, o.kind, local);
                    if (!row) continue;
                    row->index = o.index;
                    row->catalogOrder = o.catalogOrder;
                    row->catalog = catalogNames[o.catalogOrder];
                    row->fileOrder = static_cast<std::uint64_t>(o.index);
                    row->line = *o.line;
                    local.rows.push_back(std::move(*row));
                }
                merger.add(local);
            }
        },
        [&] {
            return std::min(1.0,
                            static_cast<double>(next.load()) / static_cast<double>(objects.size()));
        },
        progress);
}

void RankMpcOrbFile(const RankContext& context, const std::string& path, int catalogOrder,
                    const std::string& catalogName, const ParallelReadOptions& read, Tally& tally) {
    TallyMerger merger(tally);
    ReadLinesInParallel(path, read, [&](const LineBlock& block) {
        Tally local;
        ForEachLine(block, [&](std::string_view line, std::uint64_t at) {
            // Only orbit lines: the header and the separator are shorter.
            if (line.size() < kMpcOrbMinLineLength) return true;
            TElementValues v;
            try {
                v = ReadMpcOrbElements(line);
            } catch (const EConvertError&) {
                ++local.invalid;
                return true;
            }
            auto row = RankOne(
                context, v, [&] { return ParseMpcOrbLine(std::string(line)); }, 'A', local);
            if (!row) return true;
            row->index = -1;
            row->catalogOrder = catalogOrder;
            row->catalog = catalogName;
            row->fileOrder = at;
            row->line = std::string(line);
            local.rows.push_back(std::move(*row));
            return true;
        });
        merger.add(local);
        return !(read.cancel && read.cancel->load(std::memory_order_relaxed));
    });
}

}  // namespace vagaris::tonight
