// The download's addresses and its progress arithmetic.
#include <gtest/gtest.h>

#include <cstdlib>

#include "catalogs/download/DownloadPlan.h"
#include "core/Time.h"

namespace {

using namespace vagaris;

struct ScopedEnv {
    const char* name;
    ScopedEnv(const char* n, const char* value) : name(n) {
        if (value)
            ::setenv(n, value, 1);
        else
            ::unsetenv(n);
    }
    ~ScopedEnv() { ::unsetenv(name); }
};

TEST(DownloadPlan, UrlsOfTheFiveCatalogs) {
    const DownloadBases bases{"http://main:1", "http://bright:2"};
    const char* want[] = {
        "http://main:1/iau/Ephemerides/Comets/Soft01Cmt.txt",
        "http://main:1/iau/Ephemerides/Unusual/Soft01Unusual.txt",
        "http://main:1/iau/Ephemerides/CritList/Soft01CritList.txt",
        "http://main:1/iau/Ephemerides/Distant/Soft01Distant.txt",
        "http://bright:2/iau/Ephemerides/Bright/2011/Soft01Bright.txt",
    };
    for (std::size_t k = 0; k < kCatalogs.size(); ++k)
        EXPECT_EQ(CatalogUrl(kCatalogs[k], bases, 2011), want[k]);
    EXPECT_EQ(CatalogUrl(kCatalogs[4], bases, 987),
              "http://bright:2/iau/Ephemerides/Bright/0987/Soft01Bright.txt");
}

TEST(DownloadPlan, BasesComeFromTheEnvironmentOrDefaultToHttps) {
    {
        ScopedEnv a("VAGARIS_MPC_URL", nullptr), b("VAGARIS_MPC_BRIGHT_URL", nullptr);
        const auto bases = DownloadBasesFromEnvironment();
        EXPECT_EQ(bases.main, "https://www.minorplanetcenter.net");
        EXPECT_EQ(bases.bright, "https://minorplanetcenter.net");
    }
    ScopedEnv a("VAGARIS_MPC_URL", "http://127.0.0.1:8765/"),
        b("VAGARIS_MPC_BRIGHT_URL", "http://127.0.0.1:8766");
    const auto bases = DownloadBasesFromEnvironment();
    EXPECT_EQ(bases.main, "http://127.0.0.1:8765");  // a stray slash is dropped
    EXPECT_EQ(bases.bright, "http://127.0.0.1:8766");
}

TEST(DownloadPlan, PercentRoundsHalfToEvenAndNeedsSizeAndBytes) {
    const struct {
        long long bytes, size;
        int percent;  // -1: nothing
    } cases[] = {
        {500, 2000, 25},       {5, 2000, 0},      {1, 200, 0} /* 0.5 */, {3, 200, 2} /* 1.5 */,
        {5, 200, 2} /* 2.5 */, {2000, 2000, 100}, {2500, 2000, 100},     {0, 2000, -1},
        {100, 0, -1},          {100, -1, -1},
    };
    for (const auto& c : cases) {
        const auto p = DownloadPercent(c.bytes, c.size);
        EXPECT_EQ(p ? *p : -1, c.percent) << c.bytes << " of " << c.size;
    }
}

TEST(DownloadPlan, YearIsTheUtcYearOfTheInstant) {
    EXPECT_EQ(YearOfInstant(EncodeDate(2011, 12, 31) + 0.999), 2011);
    EXPECT_EQ(YearOfInstant(EncodeDate(2012, 1, 1)), 2012);
}

}  // namespace
