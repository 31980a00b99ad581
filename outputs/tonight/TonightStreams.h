#pragma once
// The night's list, object by object: each object's window of the night ranked through the
// night's model, the catalogs' objects and the lines of MPCOrb.dat on several threads. The
// workers keep their own rows and counts, block by block, and hand them over once a block:
// they never wait on each other for a line.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "catalogs/mpcorb/ParallelLines.h"
#include "outputs/tonight/TonightObjects.h"
#include "outputs/tonight/TonightRanking.h"

namespace vagaris::tonight {

// What the workers found: the listed rows, the objects evaluated and the lines or objects
// whose elements do not convert.
struct Tally {
    std::vector<Row> rows;
    long long considered = 0;
    long long invalid = 0;
};

// What every object's evaluation needs: the night, the limits, whether to screen.
struct RankContext {
    const NightSky& sky;
    const Limits& limits;
    bool screen = true;
};

// Ranks the catalogs' objects on `workers` threads, adding what they find to `tally`;
// `progress` (when set) hears the share of the objects taken, about every 50 ms. Stops early
// when `cancel` is set.
void RankCatalogObjects(const RankContext& context, const std::vector<CatalogObject>& objects,
                        const std::vector<std::string>& catalogNames, int workers,
                        const std::atomic<bool>* cancel,
                        const std::function<void(double share)>& progress, Tally& tally);

// Streams the orbit lines of one MPCOrb.dat file through the parallel reader (its threads,
// cancel flag and progress from `read`) and ranks each, adding what it finds to `tally`: the
// rows carry `catalogOrder`, `catalogName` and their line's file offset. Throws EReadError
// when the file cannot be read.
void RankMpcOrbFile(const RankContext& context, const std::string& path, int catalogOrder,
                    const std::string& catalogName, const ParallelReadOptions& read, Tally& tally);

}  // namespace vagaris::tonight
