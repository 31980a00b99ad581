#include "core/Session.h"

#include <chrono>
#include <utility>

namespace vagaris {

namespace {

struct PlanetConstants {
    double a, e, w, O, i;
};
// Mercury … Neptune: a [AU], e, ω, Ω, i [deg].
constexpr PlanetConstants kPlanets[8] = {
    {0.3870986, 0.20561421, 28.796761, 47.801352, 7.00679},
    {0.7233316, 0.00682069, 54.493527, 76.368593, 3.394552},
    {1.0000002, 0.016751, 2.53, 0, 0},
    {1.5236883, 0.0933129, 285.390758, 49.319212, 1.854113},
    {5.202561, 0.04833475, 273.553214, 99.865881, 1.307028},
    {9.554747, 0.05589232, 338.439665, 113.356715, 2.489374},
    {19.21814, 0.0463444, 98.071581, 73.477111, 0.772464},
    {30.10957, 0.00899704, 276.045975, 130.681389, 1.1779242},
};

}  // namespace

Instant SystemNowUtc() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::system_clock::now().time_since_epoch())
                        .count();
    return InstantOfUnixMilliseconds(ms);
}

Instant Session::Now() const { return clock ? clock() : SystemNowUtc(); }

void FillPlanetRecords(Session& session) {
    for (int k = 0; k < 8; ++k) {
        TOrbitRecord& rec = session.Orbits[k];
        const PlanetConstants& p = kPlanets[k];
        rec.a = p.a;
        rec.e = p.e;
        rec.w = p.w;
        rec.O = p.O;
        rec.i = p.i;
        rec.q = (1 - p.e) * p.a;
    }
}

void AntiTailRows::clear() {
    lines_.clear();
    hits_.clear();
}

void AntiTailRows::append(std::string line, const AntiTailHit& hit) {
    lines_.push_back(std::move(line));
    hits_.push_back(hit);
}

std::optional<AntiTailHit> AntiTailRows::cometHitAt(int row) const {
    if (row < 0 || row >= size()) return std::nullopt;
    const AntiTailHit& hit = hits_[static_cast<std::size_t>(row)];
    if (hit.cometIndex < 0) return std::nullopt;
    return hit;
}

void SetCurrentInstant(Session& session, Instant t) { session.CurrentInstant = t; }

void InstallSearchHit(Session& session, const TOrbitalElements& hit) {
    session.CometLines.clear();
    session.AntiTail.clear();
    ++session.CatalogGeneration;
    session.SelectorNames = {hit.Name};
    session.SelectorIndex = 0;
    session.SelectorsEnabled = false;
    session.Elements = hit;
    session.CatalogKind = 'A';
}

}  // namespace vagaris
