// The night's ranking of the five sample catalogs together (about 1,700 objects, the
// duplicates removed), a whole night at 40° N, with one worker and with one per processor.
// Goal: under 100 ms on a 2-core machine; in the precise model, under 200 ms. Samples are read
// from the source tree.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "catalogs/CatalogInfo.h"
#include "core/Time.h"
#include "outputs/tonight/TonightRanking.h"

namespace {

using namespace vagaris;

void RankFiveSampleCatalogs(benchmark::State& state, bool precise, bool twoBody = false) {
    std::vector<tonight::Source> sources;
    for (const auto& c : kCatalogs)
        sources.push_back({std::string(VAGARIS_SOURCE_DIR) + "/data/samples/" + c.fileName,
                           tonight::Source::Kind::Catalog});
    tonight::Request request;
    request.date = EncodeDate(2025, 11, 21);
    request.latitudeDeg = 40;
    request.longitudeDeg = -3.7;
    request.precise = precise;
    request.twoBody = twoBody;
    request.heightMetres = 650;
    tonight::Options options;
    options.dedupe = true;
    options.threads = static_cast<int>(state.range(0));
    std::size_t listed = 0;
    long long considered = 0;
    for (auto _ : state) {
        const tonight::Result r = tonight::RankTonight(request, sources, options);
        listed = r.rows.size();
        considered = r.considered;
        benchmark::DoNotOptimize(r.rows.data());
    }
    state.counters["listed"] = static_cast<double>(listed);
    state.counters["considered"] = static_cast<double>(considered);
}
void BM_TonightFiveSampleCatalogs(benchmark::State& state) { RankFiveSampleCatalogs(state, false); }
void BM_TonightFiveSampleCatalogsPrecise(benchmark::State& state) {
    RankFiveSampleCatalogs(state, true);
}
// The precise model above integrates the planets' perturbations (goal: under 1 s); this one
// moves the objects on their conics (--two-body).
void BM_TonightFiveSampleCatalogsPreciseTwoBody(benchmark::State& state) {
    RankFiveSampleCatalogs(state, true, true);
}
// 0: one worker per processor.
BENCHMARK(BM_TonightFiveSampleCatalogs)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_TonightFiveSampleCatalogsPrecise)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_TonightFiveSampleCatalogsPreciseTwoBody)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
