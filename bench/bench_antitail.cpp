// The anti-tail search over a whole year of a synthetic catalog of 2,000 comets, all past
// perihelion and bright, with nodes spread over the circle, so that every crossing of the
// Earth through a comet's plane is a hit (about 6,000 hits, each refined over 1601 minutes).
// Goal: under a second.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "outputs/antitail/AntiTailSearch.h"
#include "tests/outputs/antitail/SyntheticComets.h"

namespace {

std::vector<std::string> SpreadCatalog(int count) {
    std::vector<std::string> lines;
    lines.reserve(count);
    for (int k = 0; k < count; ++k) {
        synthetic::Comet c;
        c.name = "C/2010 B" + std::to_string(k) + " (Sintetico)";
        c.node = (k + 0.5) * 360.0 / count;  // spread over the circle
        c.w = (k * 37) % 360;
        c.i = 5.0 + (k % 60);
        c.H = 4.0;                            // bright wherever the comet is
        lines.push_back(synthetic::Line(c));  // perihelion in 2005: long past
    }
    return lines;
}

void BM_AntiTailYear2000Comets(benchmark::State& state) {
    const std::vector<std::string> lines = SpreadCatalog(2000);
    std::size_t hits = 0;
    for (auto _ : state) {
        const vagaris::AntiTailListing listing = vagaris::AntiTailList(lines, 2011);
        hits = listing.lines.size() - 2;
        benchmark::DoNotOptimize(listing.lines.data());
    }
    state.counters["hits"] = static_cast<double>(hits);
}
BENCHMARK(BM_AntiTailYear2000Comets)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
