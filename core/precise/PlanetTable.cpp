#include "core/precise/PlanetTable.h"

#include <cmath>
#include <memory>
#include <mutex>
#include <unordered_map>

#include <erfa.h>

#include "core/Errors.h"
#include "core/precise/PreciseModel.h"

namespace vagaris::perturbed {

namespace {

constexpr double kJdOfInstantZero = 2415018.5;
constexpr int kIntervalsPerBlock = 32;

// Node spacings [days], measured against direct calls over 1998–2002 (largest error of the
// interpolated position at quarter, half and three-quarter steps).
//
// eraPlan94's velocities are not the derivatives of its positions (Jupiter's differ by
// 1 200 km/day: the velocity is the Keplerian one of the perturbed elements), so cubic
// Hermite on its positions and velocities errs by thousands of km. Its positions are smooth,
// so the planets use cubic Lagrange interpolation through four nodes on positions alone:
// Mercury 11 km at 0.5 day (180 km at 1 day), Venus 1.6 km at 1 day, the barycentre 0.4 km
// at 1 day, Mars 1.2 km at 2 days, Jupiter 0.5 km at 8 days, Saturn 0.4 km at 16 days, Uranus
// 0.2 and Neptune 0.1 km at 32 days; their theory is off by 300 km (Mercury) to 250 000 km
// (Saturn). eraEpv00 and eraMoon98 give consistent velocities, and cubic Hermite on both
// errs by 0.1 km (the Earth, 1 day) and 0.3 km (the Moon, half a day), against their own
// 11 km and some 10 km. tests/core/test_perturbed_model.cpp shows that no place changes by
// 0.001". Powers of two: the node instants k·h are exact.
constexpr double kSpacing[kBodyCount] = {0.5, 1, 1, 2, 8, 16, 32, 32, 1, 0.5};

bool UsesHermite(Body body) { return body == Body::Earth || body == Body::Moon; }

// Nodes −1 … kIntervalsPerBlock + 1 of the block: Lagrange's four points need one beyond each
// end.
struct Block {
    double pv[kIntervalsPerBlock + 3][2][3];
    const double (*Node(int k) const)[3] { return pv[k + 1]; }
};

struct BodyTable {
    std::mutex mutex;
    // Never erased, so a pointer to a block stays valid for the life of the program. A
    // decade of every body takes about 1 MB; the Earth and the Moon are only tabulated where
    // an object comes near them.
    std::unordered_map<long long, std::unique_ptr<const Block>> blocks;
};

BodyTable& Table(Body body) {
    static BodyTable tables[kBodyCount];
    return tables[static_cast<int>(body)];
}

const Block& BlockAt(Body body, long long index) {
    // The last block each thread used per body: the steps of one integration stay in it for
    // days, and the mutex is taken only when an integration moves on.
    struct Recent {
        long long index = 0;
        const Block* block = nullptr;
    };
    thread_local Recent recent[kBodyCount];
    Recent& r = recent[static_cast<int>(body)];
    if (r.block && r.index == index) return *r.block;

    BodyTable& table = Table(body);
    std::lock_guard<std::mutex> lock(table.mutex);
    auto it = table.blocks.find(index);
    if (it == table.blocks.end()) {
        auto block = std::make_unique<Block>();
        const double h = NodeSpacing(body);
        for (int k = -1; k <= kIntervalsPerBlock + 1; ++k)
            TheoryState(body, static_cast<double>(index * kIntervalsPerBlock + k) * h,
                        block->pv[k + 1]);
        it = table.blocks.emplace(index, std::move(block)).first;
    }
    r = {index, it->second.get()};
    return *r.block;
}

}  // namespace

double NodeSpacing(Body body) { return kSpacing[static_cast<int>(body)]; }

void TheoryState(Body body, Instant tt, double pv[2][3]) {
    switch (body) {
        case Body::Earth: {
            double pvb[2][3];
            eraEpv00(kJdOfInstantZero, tt, pv, pvb);
            return;
        }
        case Body::Moon: eraMoon98(kJdOfInstantZero, tt, pv); return;
        default:
            // eraPlan94 numbers the bodies 1 Mercury … 3 Earth–Moon barycentre … 8 Neptune; a
            // status of 2 is a Kepler equation that did not converge.
            if (eraPlan94(kJdOfInstantZero, tt, static_cast<int>(body) + 1, pv) > 1)
                throw EConvertError(kPreciseRangeMessage);
    }
}

void TabulatedPosition(Body body, Instant tt, double p[3]) {
    const double h = NodeSpacing(body);
    const double u = tt / h;
    if (!std::isfinite(u)) ThrowInvalidElements();
    const double node = std::floor(u);
    const auto n = static_cast<long long>(node);
    // Floor division: the blocks before Instant 0 have negative indexes.
    const long long index = n >= 0 ? n / kIntervalsPerBlock : -((-n - 1) / kIntervalsPerBlock) - 1;
    const Block& b = BlockAt(body, index);
    const int k = static_cast<int>(n - index * kIntervalsPerBlock);
    const double s = u - node;
    if (UsesHermite(body)) {
        const double s2 = s * s, s3 = s2 * s;
        const double h00 = 2 * s3 - 3 * s2 + 1, h10 = (s3 - 2 * s2 + s) * h, h01 = -2 * s3 + 3 * s2,
                     h11 = (s3 - s2) * h;
        const double(*p0)[3] = b.Node(k);
        const double(*p1)[3] = b.Node(k + 1);
        for (int c = 0; c < 3; ++c)
            p[c] = h00 * p0[0][c] + h10 * p0[1][c] + h01 * p1[0][c] + h11 * p1[1][c];
        return;
    }
    // Lagrange weights of the nodes −1, 0, 1, 2 around the interval.
    const double w[4] = {-s * (s - 1) * (s - 2) / 6, (s + 1) * (s - 1) * (s - 2) / 2,
                         -(s + 1) * s * (s - 2) / 2, (s + 1) * s * (s - 1) / 6};
    for (int c = 0; c < 3; ++c) {
        double sum = 0;
        for (int j = 0; j < 4; ++j) sum += w[j] * b.Node(k - 1 + j)[0][c];
        p[c] = sum;
    }
}

}  // namespace vagaris::perturbed
