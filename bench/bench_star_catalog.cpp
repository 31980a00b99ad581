// Loading the whole star catalog (kstars-data's stars.dat, about 126,000 lines); the goal is
// under 150 ms. Also the index build and a typical finder-chart field.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "catalogs/stars/StarCatalog.h"
#include "catalogs/stars/StarField.h"
#include "core/Angles.h"

namespace {

using namespace vagaris::stars;

bool Installed(benchmark::State& state) {
    if (std::filesystem::exists(DefaultStarCatalogPath())) return true;
    state.SkipWithError("stars.dat not installed (kstars-data)");
    return false;
}

void BM_LoadStarCatalog(benchmark::State& state) {
    if (!Installed(state)) return;
    for (auto _ : state) {
        const StarCatalog catalog = StarCatalog::Load(DefaultStarCatalogPath());
        benchmark::DoNotOptimize(catalog.Stars().data());
    }
}
BENCHMARK(BM_LoadStarCatalog)->Unit(benchmark::kMillisecond);

void BM_BuildStarField(benchmark::State& state) {
    if (!Installed(state)) return;
    const StarCatalog& catalog = SharedStarCatalog();
    for (auto _ : state) {
        const StarField field(catalog);
        benchmark::DoNotOptimize(&field);
    }
}
BENCHMARK(BM_BuildStarField)->Unit(benchmark::kMillisecond);

void BM_FinderChartField(benchmark::State& state) {
    if (!Installed(state)) return;
    const StarField field(SharedStarCatalog());
    for (auto _ : state) {
        auto stars =
            field.QueryAt({vagaris::Rad(83.8), vagaris::Rad(-5.4)}, vagaris::Rad(5), 9, 26);
        benchmark::DoNotOptimize(stars.data());
    }
}
BENCHMARK(BM_FinderChartField)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
