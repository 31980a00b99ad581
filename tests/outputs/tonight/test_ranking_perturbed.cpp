// The night's list in the precise model with the planets' perturbations: its early magnitude
// screens bound the object with the catalog's conic widened by a margin that grows with the
// years from the epoch, and must never drop an object the full computation lists. Nights years
// before and after the sample catalogs' epochs, and close NEOs whose epoch is the night.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Time.h"
#include "outputs/tonight/TonightFixtures.h"
#include "outputs/tonight/TonightRanking.h"
#include "outputs/tonight/TonightTexts.h"
#include "support/TempFolder.h"

using namespace vagaris;
using namespace vagaris::tonight;

TEST(TonightRankingPerturbed, TheScreenDropsNothingYearsFromTheEpochs) {
    struct Night {
        int year, month, day;
        double latitude, longitude;
    } nights[] = {{2019, 3, 10, 35, 20}, {2032, 9, 2, -30, -70}};
    for (const Night& n : nights) {
        const test::TempFolder folder;
        Request rq;
        rq.date = EncodeDate(n.year, n.month, n.day);
        rq.latitudeDeg = n.latitude;
        rq.longitudeDeg = n.longitude;
        rq.precise = true;
        const auto neos = folder.dir / "CloseNeos.dat";
        test::WriteFile(neos, test::CloseNeoCatalog(rq.date + 1.0 - n.longitude / 360.0));
        auto sources = test::FiveSampleCatalogs();
        sources.push_back({neos.string(), Source::Kind::Catalog});
        for (const double magnitude : {14.0, 22.0}) {
            rq.limits.magnitude = magnitude;
            Options screened, unscreened;
            screened.threads = 2;
            unscreened.threads = 2;
            unscreened.screen = false;
            const Result a = RankTonight(rq, sources, screened);
            const Result b = RankTonight(rq, sources, unscreened);
            EXPECT_EQ(JsonText(a), JsonText(b)) << n.year << " magnitude " << magnitude;
            EXPECT_GT(a.rows.size(), 0u) << n.year << " magnitude " << magnitude;
            std::printf("%d, magnitude %.0f: %zu listed, same with and without the screen\n",
                        n.year, magnitude, a.rows.size());
        }
    }
}
