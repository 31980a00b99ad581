// ComputeCircumstances per call in mode "E" (one ephemeris row): a comet and a minor planet.
#include <benchmark/benchmark.h>

#include <string>

#include "catalogs/LineFormats.h"
#include "core/Circumstances.h"
#include "core/Session.h"
#include "core/Time.h"
#include "core/precise/PreciseModel.h"

namespace {

using namespace vagaris;

// Real lines of the bundled samples.
const char* kHaleBopp =
    "C/1995 O1 (Hale-Bopp)                          1997 03 29.0299  0.922046       0.994905 "
    "130.6979 281.7618  89.7572   -2.0   4.0";
const char* kAtlas3I =
    "3I/ATLAS                                       2025 10 29.4825  1.356507       6.139884 "
    "128.0055 322.1535 175.1129   11.8   4.0";
const char* kCeres =
    "(1) Ceres                                      2025 11 21.0 231.5397  2.76562  0.079576  "
    "73.2997  80.2496  10.5879  3.35   0.15";

// Each iteration computes a new instant, one day after the previous one (wrapping after a
// year), as an ephemeris table does.
void RunRows(benchmark::State& state, const TOrbitalElements& el, Instant start) {
    Session session;
    session.clock = [] { return 0.0; };
    session.Elements = el;
    int day = 0;
    for (auto _ : state) {
        session.CurrentInstant = start + day;
        day = (day + 1) % 365;
        benchmark::DoNotOptimize(ComputeCircumstances(session, CircumstanceMode::E));
        benchmark::DoNotOptimize(session.Circumstances);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_CircumstancesComet(benchmark::State& state) {
    RunRows(state, ParseCometLine(kHaleBopp), EncodeDate(1997, 1, 1));
}
void BM_CircumstancesHyperbolicComet(benchmark::State& state) {
    RunRows(state, ParseCometLine(kAtlas3I), EncodeDate(2025, 6, 1));
}
void BM_CircumstancesMinorPlanet(benchmark::State& state) {
    RunRows(state, ParseMinorPlanetLine(kCeres), EncodeDate(2025, 6, 1));
}

// The precise model beside it, a day apart as above: each call also needs the Earth at a
// new 0h TT (one eraEpv00), which rows a minute apart share.
// The two-body forces (vagaris-cli --two-body); the perturbed cases follow.
void RunPreciseRows(benchmark::State& state, const TOrbitalElements& el, Instant start,
                    double step) {
    const TElementValues v = PreciseElementValues(el);
    const ObserverSite site{0.7, -0.06, 650};
    int row = 0;
    for (auto _ : state) {
        const Instant t = start + step * row;
        row = (row + 1) % 365;
        benchmark::DoNotOptimize(PreciseCircumstances(
            v, t, site, PlaceCentre::Site, kTwilightAstronomical, PreciseForces::TwoBody));
    }
    state.SetItemsProcessed(state.iterations());
}

// One whole circumstances computation with the planets' perturbations, `years` from the
// elements' epoch, the integration from the epoch included: every iteration moves the mean
// anomaly by a hair, so that no trajectory of an earlier iteration serves. The shared planet
// tables are built in the first iterations, as in a running program. Goals: under 5 ms one
// year from the epoch, under 30 ms ten years.
void RunPerturbedOnce(benchmark::State& state, const TOrbitalElements& el, double years) {
    TElementValues v = PreciseElementValues(el);
    const ObserverSite site{0.7, -0.06, 650};
    const Instant t = v.EpochTime + years * 365.25;
    const double m0 = v.M0;
    long long n = 0;
    for (auto _ : state) {
        v.M0 = m0 + 1e-9 * static_cast<double>(++n % 1000000);
        v.EpochTime += v.IsMinorPlanet ? 0 : 1e-9;  // comets: the perihelion time
        benchmark::DoNotOptimize(PreciseCircumstances(v, t, site, PlaceCentre::Site));
    }
}
void BM_PerturbedCircumstancesMinorPlanetOneYear(benchmark::State& state) {
    RunPerturbedOnce(state, ParseMinorPlanetLine(kCeres), 1);
}
void BM_PerturbedCircumstancesMinorPlanetTenYears(benchmark::State& state) {
    RunPerturbedOnce(state, ParseMinorPlanetLine(kCeres), 10);
}
void BM_PerturbedCircumstancesCometOneYear(benchmark::State& state) {
    RunPerturbedOnce(state, ParseCometLine(kHaleBopp), 1);
}
void BM_PerturbedCircumstancesCometTenYears(benchmark::State& state) {
    RunPerturbedOnce(state, ParseCometLine(kHaleBopp), 10);
}

void BM_PreciseCircumstancesComet(benchmark::State& state) {
    RunPreciseRows(state, ParseCometLine(kHaleBopp), EncodeDate(1997, 1, 1), 1);
}
void BM_PreciseCircumstancesHyperbolicComet(benchmark::State& state) {
    RunPreciseRows(state, ParseCometLine(kAtlas3I), EncodeDate(2025, 6, 1), 1);
}
void BM_PreciseCircumstancesMinorPlanet(benchmark::State& state) {
    RunPreciseRows(state, ParseMinorPlanetLine(kCeres), EncodeDate(2025, 6, 1), 1);
}
void BM_PreciseCircumstancesMinorPlanetMinuteSteps(benchmark::State& state) {
    RunPreciseRows(state, ParseMinorPlanetLine(kCeres), EncodeDate(2025, 6, 1), kMinute);
}

}  // namespace

BENCHMARK(BM_CircumstancesComet);
BENCHMARK(BM_CircumstancesHyperbolicComet);
BENCHMARK(BM_CircumstancesMinorPlanet);
BENCHMARK(BM_PreciseCircumstancesComet);
BENCHMARK(BM_PreciseCircumstancesHyperbolicComet);
BENCHMARK(BM_PreciseCircumstancesMinorPlanet);
BENCHMARK(BM_PreciseCircumstancesMinorPlanetMinuteSteps);
BENCHMARK(BM_PerturbedCircumstancesMinorPlanetOneYear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerturbedCircumstancesMinorPlanetTenYears)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerturbedCircumstancesCometOneYear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerturbedCircumstancesCometTenYears)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
