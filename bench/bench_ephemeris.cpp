// The longest ephemeris table the page allows: 9999 rows at a one-minute step with the
// default columns. The maximum-altitude search dominates: an object that culminates at night
// needs no search, one that culminates in daylight walks the sidereal time until the Sun is
// 18° down, row after row. Goals: well under 100 ms (night) and 250 ms (daylight).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogs/LineFormats.h"
#include "core/Circumstances.h"
#include "core/Session.h"
#include "core/Time.h"
#include "core/precise/PreciseModel.h"
#include "outputs/ephemeris/EphemerisTable.h"

namespace {

constexpr double kDeg = 180.0 / 3.14159265358979323846;

// C/1995 O1 (Hale-Bopp) as the sample comet catalog lists it: over 1996-1998 its
// elongation sweeps from conjunction to opposition, so both cases exist.
constexpr const char* kCometLine =
    "C/1995 O1 (Hale-Bopp)                          1997 03 29.0299  0.922046       0.994905 "
    "130.6979 281.7618  89.7572   -2.0   4.0";

vagaris::Session CometSession() {
    vagaris::Session session;
    session.CatalogKind = 'C';
    session.Elements = vagaris::ParseCometLine(kCometLine);
    if (session.Elements.Fecha.empty()) throw std::runtime_error("comet line not read");
    return session;
}

// Start day within 1996-1998 whose elongation is largest (culmination at night, no search)
// or smallest (culmination in daylight, the longest search).
vagaris::Instant StartFor(vagaris::Session session, bool night) {
    vagaris::Instant best = 0;
    double bestScore = -1e9;
    const vagaris::Instant from = vagaris::EncodeDate(1996, 1, 1);
    for (vagaris::Instant t = from; t < from + 3 * 365; t += 1) {
        session.CurrentInstant = t;
        vagaris::ComputeCircumstances(session, vagaris::CircumstanceMode::E);
        const double elongation = session.Circumstances.Elongation * kDeg;
        const double score = night ? elongation : -elongation;
        if (score > bestScore) bestScore = score, best = t;
    }
    return best;
}

void BuildTable(benchmark::State& state, bool night, bool precise = false) {
    vagaris::Session session = CometSession();
    const vagaris::Instant start = StartFor(session, night);
    if (precise) session.settings.Model = "precise";
    const auto day = vagaris::DecodeInstant(start);
    char date[16];
    std::snprintf(date, sizeof date, "%02d/%02d/%04d", day.day, day.month, day.year);
    vagaris::EphemerisRangeTexts texts{date, "00:00:00", "01.0",
                                       vagaris::EphemerisStepUnit::Minutes, "9999"};
    vagaris::EphemerisLayout layout;  // the page's defaults
    vagaris::ApplyEphemerisSettings(layout, session.settings);
    std::vector<std::string> lines;
    double maxAltitudeDeg = 0;
    for (auto _ : state) {
        vagaris::BuildEphemerisTable(vagaris::ObserverFromSettings(session.settings),
                                     session.Elements, session.Elements.Name, layout, texts, lines);
        benchmark::DoNotOptimize(lines.data());
        maxAltitudeDeg = session.Circumstances.MaxAltitude * kDeg;
    }
    state.SetLabel(std::string(date) + (night ? " night" : " daylight"));
    state.counters["rows"] = static_cast<double>(lines.size() - 6);
    state.counters["elongation_deg"] = session.Circumstances.Elongation * kDeg;
    state.counters["max_altitude_deg"] = maxAltitudeDeg;
}

void BM_EphemerisTable9999MinutesNightCulmination(benchmark::State& state) {
    BuildTable(state, true);
}
void BM_EphemerisTable9999MinutesDaylightCulmination(benchmark::State& state) {
    BuildTable(state, false);
}
// The same tables through the same builder with the precise model chosen in the settings, as
// the page and `vagaris-cli ephemeris --model precise` make them. Goal: under 250 ms.
void BM_PreciseEphemerisTable9999MinutesNightCulmination(benchmark::State& state) {
    BuildTable(state, true, true);
}
void BM_PreciseEphemerisTable9999MinutesDaylightCulmination(benchmark::State& state) {
    BuildTable(state, false, true);
}

// The layout share of the cost: 9999 data lines from one record, without computing.
void BM_EphemerisFormatting9999Lines(benchmark::State& state) {
    vagaris::Session session = CometSession();
    session.CurrentInstant = vagaris::EncodeDate(1997, 3, 1);
    vagaris::ComputeCircumstances(session, vagaris::CircumstanceMode::E);
    const vagaris::EphemerisLayout layout;
    std::vector<std::string> lines;
    for (auto _ : state) {
        lines.clear();
        vagaris::Instant t = session.CurrentInstant;
        for (int row = 0; row < 9999; ++row, t += vagaris::kMinute)
            lines.push_back(vagaris::EphemerisDataLine(t, session.Circumstances, layout));
        benchmark::DoNotOptimize(lines.data());
    }
}

// The same 9999 rows in the precise model: the circumstances of each row (two astrometric
// places, the apparent places of the object and the Sun, the maximum-altitude search) and its
// line, from latitude +40 as the standard table above. Goal: under 250 ms.
void PreciseRows(benchmark::State& state, bool night) {
    vagaris::Session session = CometSession();
    const vagaris::Instant start = StartFor(session, night);
    const vagaris::TElementValues v = vagaris::PreciseElementValues(session.Elements);
    const vagaris::ObserverSite site{40 / kDeg, 0, 0};
    const vagaris::EphemerisLayout layout;
    std::vector<std::string> lines;
    vagaris::TCircumstances c;
    for (auto _ : state) {
        lines.clear();
        vagaris::Instant t = start;
        for (int row = 0; row < 9999; ++row, t += vagaris::kMinute) {
            c = vagaris::PreciseCircumstances(v, t, site, vagaris::PlaceCentre::Site,
                                              vagaris::kTwilightAstronomical,
                                              vagaris::PreciseForces::TwoBody);
            lines.push_back(vagaris::EphemerisDataLine(t, c, layout));
        }
        benchmark::DoNotOptimize(lines.data());
    }
    state.counters["elongation_deg"] = c.Elongation * kDeg;
    state.counters["max_altitude_deg"] = c.MaxAltitude * kDeg;
}

void BM_PreciseEphemerisRows9999MinutesNightCulmination(benchmark::State& state) {
    PreciseRows(state, true);
}
void BM_PreciseEphemerisRows9999MinutesDaylightCulmination(benchmark::State& state) {
    PreciseRows(state, false);
}

// 9999 daily rows in the precise model with the planets' perturbations, starting one year
// after the elements' epoch (Ceres of the minor-planet sample): one integration from the
// epoch through the 27 years of the table, then every row from its checkpoints. Each
// iteration moves the mean anomaly by a hair so that the integration is part of it. Goal:
// under 500 ms.
void DailyRows(benchmark::State& state, vagaris::PreciseForces forces) {
    vagaris::TElementValues v = vagaris::PreciseElementValues(vagaris::ParseMinorPlanetLine(
        "(1) Ceres                                      2025 11 21.0 231.5397  2.76562  "
        "0.079576  73.2997  80.2496  10.5879  3.35   0.15"));
    const vagaris::ObserverSite site{40 / kDeg, 0, 0};
    const vagaris::EphemerisLayout layout;
    std::vector<std::string> lines;
    const double m0 = v.M0;
    int n = 0;
    for (auto _ : state) {
        v.M0 = m0 + 1e-9 * ++n;
        lines.clear();
        vagaris::Instant t = v.EpochTime + 365.25;
        for (int row = 0; row < 9999; ++row, t += 1) {
            const vagaris::TCircumstances c = vagaris::PreciseCircumstances(
                v, t, site, vagaris::PlaceCentre::Site, vagaris::kTwilightAstronomical, forces);
            lines.push_back(vagaris::EphemerisDataLine(t, c, layout));
        }
        benchmark::DoNotOptimize(lines.data());
    }
}
void BM_PerturbedEphemerisRows9999DaysFromOneYearAfterTheEpoch(benchmark::State& state) {
    DailyRows(state, vagaris::PreciseForces::Planets);
}
// The same rows with the two-body forces: the Earth of a new day in every row (eraEpv00 and
// eraXys00b, some 100 µs) is the larger part of both.
void BM_PreciseEphemerisRows9999DaysTwoBody(benchmark::State& state) {
    DailyRows(state, vagaris::PreciseForces::TwoBody);
}

BENCHMARK(BM_EphemerisTable9999MinutesNightCulmination)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PerturbedEphemerisRows9999DaysFromOneYearAfterTheEpoch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreciseEphemerisRows9999DaysTwoBody)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EphemerisTable9999MinutesDaylightCulmination)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreciseEphemerisTable9999MinutesNightCulmination)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreciseEphemerisTable9999MinutesDaylightCulmination)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EphemerisFormatting9999Lines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreciseEphemerisRows9999MinutesNightCulmination)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreciseEphemerisRows9999MinutesDaylightCulmination)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
