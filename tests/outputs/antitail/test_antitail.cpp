// The anti-tail search: plane, perihelion and brightness tests, the minute refinement, the
// list layout and the take-over instant.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "catalogs/CometLine.h"
#include "core/Angles.h"
#include "core/Circumstances.h"
#include "core/Errors.h"
#include "core/Time.h"
#include "core/precise/PreciseSession.h"
#include "outputs/antitail/AntiTailSearch.h"
#include "support/ConversionError.h"
#include "tests/outputs/antitail/SyntheticComets.h"

using namespace vagaris;

namespace {

constexpr double kOneMinute = 1.0 / 1440.0;  // [days]

Instant At(int y, int m, int d, int hh = 0, int nn = 0) {
    return EncodeDate(y, m, d) + EncodeTime(hh, nn, 0);
}

// The hits of one comet whose refined instant lies in [from, to).
std::vector<AntiTailHit> HitsBetween(const AntiTailListing& l, int comet, Instant from,
                                     Instant to) {
    std::vector<AntiTailHit> out;
    for (const auto& h : l.hits)
        if (h.cometIndex == comet && h.when >= from && h.when < to) out.push_back(h);
    return out;
}

}  // namespace

TEST(AntiTailList, EmptyCometListGivesOnlyTheHeadings) {
    const AntiTailListing l = AntiTailList({}, 2011);
    ASSERT_EQ(l.lines.size(), 2u);
    EXPECT_EQ(l.lines[0], "N    FECHA TU           AF   MAG   COMETA");
    EXPECT_EQ(l.lines[1], "---  -----------------  ---  ----  -----------------------------");
    ASSERT_EQ(l.hits.size(), 2u);
    EXPECT_EQ(l.hits[0].cometIndex, -1);
    EXPECT_EQ(l.hits[1].cometIndex, -1);
}

TEST(AntiTailHitLine, ZeroPaddedColumns) {
    struct Case {
        int index;
        double phase, magnitude;
        const char* expected;
    };
    const Instant when = At(2011, 3, 5, 18, 24);
    const Case cases[] = {
        {7, 45.0, 9.46, "007  05/03/2011 18:24h  045  09.5  C/2011 X1"},
        {45, 7.4, 12.0, "045  05/03/2011 18:24h  007  12.0  C/2011 X1"},
        // A negative magnitude takes one more place and shifts the name right.
        {0, 120.6, -1.2, "000  05/03/2011 18:24h  121  -01.2  C/2011 X1"},
        // From 1000 on the index takes four digits.
        {1234, 45.0, 9.46, "1234  05/03/2011 18:24h  045  09.5  C/2011 X1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AntiTailHitLine(c.index, when, c.phase, c.magnitude, "C/2011 X1"), c.expected)
            << c.index;
}

TEST(AntiTailFields, NameNodeAndPerihelionFromTheLine) {
    synthetic::Comet c;
    c.name = "  C/2011 L4 (PANSTARRS)";
    c.node = 65.6664;
    c.tpYear = 2013, c.tpMonth = 3, c.tpDay = 10.1663;
    const std::string line = synthetic::Line(c);
    ASSERT_EQ(line.size(), 127u);
    EXPECT_EQ(AntiTailCometName(line), "C/2011 L4 (PANSTARRS)");
    EXPECT_DOUBLE_EQ(AntiTailNodeDeg(line), 65.6664);
    EXPECT_NEAR(AntiTailPerihelion(line), EncodeDate(2013, 3, 10) + 0.1663, 1e-9);

    // The older 121-character layout holds the node in columns 93-100.
    std::string older = line;
    older.erase(72, 5);
    older.resize(121);
    EXPECT_DOUBLE_EQ(AntiTailNodeDeg(older), 65.6664);
}

TEST(LongitudeGap, ComparesAcrossTheZeroBoundary) {
    struct Case {
        double a, b, gap;
    };
    const Case cases[] = {{359.8, 0.1, 0.3}, {0.1, 359.8, 0.3},   {10, 20, 10},
                          {0, 180, 180},     {179.9, 180.2, 0.3}, {360.0, 0.0, 0.0}};
    for (const auto& c : cases) EXPECT_NEAR(LongitudeGapDeg(c.a, c.b), c.gap, 1e-9);
}

// A node the Earth reaches at 05/03/2011 18:24: 00:00 of the 5th is 0.76° short of it, 00:00
// of the 6th 0.23° past it, so only the 6th passes the plane test, and the refined minute
// falls on the day before the day tested.
TEST(AntiTailSearch, OneDayCrossingRefinedOntoTheDayBefore) {
    const Instant crossing = At(2011, 3, 5, 18, 24);
    synthetic::Comet c;
    c.node = synthetic::NodeCrossedAt(crossing);
    const AntiTailListing l = AntiTailList({synthetic::Line(c)}, 2011);

    const auto march = HitsBetween(l, 0, At(2011, 3, 1), At(2011, 3, 10));
    ASSERT_EQ(march.size(), 1u);
    EXPECT_NEAR(march[0].when, crossing, 0.5 * kOneMinute);
    // The other node is crossed half a year later.
    EXPECT_FALSE(HitsBetween(l, 0, At(2011, 9, 1), At(2011, 9, 15)).empty());

    // The line shows the refined minute of the day before.
    bool shown = false;
    for (const auto& line : l.lines)
        shown |=
            line.rfind("000  05/03/2011 18:24h  ", 0) == 0 && line.ends_with("C/2011 X1 (Prueba)");
    EXPECT_TRUE(shown);
}

// A crossing at noon leaves the Earth within 0.5° of the node at both midnights: two lines,
// refined to the same moment.
TEST(AntiTailSearch, NoonCrossingListedOnTwoDaysAtTheSameMoment) {
    const Instant crossing = At(2011, 6, 15, 12, 0);
    synthetic::Comet c;
    c.node = synthetic::NodeCrossedAt(crossing);
    const AntiTailListing l = AntiTailList({synthetic::Line(c)}, 2011);
    const auto june = HitsBetween(l, 0, At(2011, 6, 10), At(2011, 6, 20));
    ASSERT_EQ(june.size(), 2u);
    EXPECT_NEAR(june[0].when, crossing, 0.5 * kOneMinute);
    EXPECT_NEAR(june[1].when, june[0].when, 0.5 * kOneMinute);
}

// Early in January the Earth moves 1.02° a day: a node halfway between two midnights is
// 0.51° from both and is never listed there.
TEST(AntiTailSearch, NodeNeverWithinHalfADegreeIsNotListed) {
    const double l0 = synthetic::EarthLongitudeDeg(At(2011, 1, 4));
    const double l1 = synthetic::EarthLongitudeDeg(At(2011, 1, 5));
    ASSERT_GT(l1 - l0, 1.01);
    synthetic::Comet c;
    c.node = std::round((l0 + l1) / 2 * 1e4) / 1e4;
    ASSERT_GE(LongitudeGapDeg(c.node, l0), 0.5);
    ASSERT_GE(LongitudeGapDeg(c.node, l1), 0.5);
    const AntiTailListing l = AntiTailList({synthetic::Line(c)}, 2011);
    EXPECT_TRUE(HitsBetween(l, 0, At(2010, 12, 1), At(2011, 2, 1)).empty());
    // The other node, crossed in July, is listed.
    EXPECT_FALSE(HitsBetween(l, 0, At(2011, 6, 25), At(2011, 7, 15)).empty());
}

TEST(AntiTailSearch, OnlyCrossingsAfterPerihelionAreListed) {
    synthetic::Comet c;
    c.node = synthetic::NodeCrossedAt(At(2011, 3, 5, 18, 24));
    c.tpYear = 2011, c.tpMonth = 7, c.tpDay = 1.0;
    const AntiTailListing l = AntiTailList({synthetic::Line(c)}, 2011);
    ASSERT_GT(l.hits.size(), 2u);
    for (std::size_t n = 2; n < l.hits.size(); ++n) EXPECT_GT(l.hits[n].when, At(2011, 7, 1));
    EXPECT_FALSE(HitsBetween(l, 0, At(2011, 9, 1), At(2011, 9, 15)).empty());
}

// The magnitude at 00:00 of the day tested must stay below 12.01.
TEST(AntiTailSearch, MagnitudeTwelveIsListedTwelvePointZeroTwoIsNot) {
    const Instant tested = At(2011, 3, 6);  // the day whose test passes (see above)
    synthetic::Comet c;
    c.node = synthetic::NodeCrossedAt(At(2011, 3, 5, 18, 24));
    c.H = 0;
    const double m0 = EvaluateCometLine(synthetic::Line(c), tested).magnitude;

    struct Case {
        double magnitude;
        bool listed;
    };
    for (const Case k : {Case{12.00, true}, Case{12.02, false}, Case{11.5, true}}) {
        c.H = std::round((k.magnitude - m0) * 100) / 100;
        const std::string line = synthetic::Line(c);
        ASSERT_NEAR(EvaluateCometLine(line, tested).magnitude, k.magnitude, 0.0051);
        const AntiTailListing l = AntiTailList({line}, 2011);
        EXPECT_EQ(HitsBetween(l, 0, At(2011, 3, 1), At(2011, 3, 10)).size(), k.listed ? 1u : 0u)
            << k.magnitude;
    }
}

// A node a few hundredths of a degree past 0° is crossed by an Earth just below 360° (and
// the other way round): the comparison goes across the boundary, in the test and in the
// refinement.
TEST(AntiTailSearch, CrossingAtTheZeroBoundary) {
    // The midnight at which the Earth is nearest to longitude 0 (September equinox).
    Instant day = At(2011, 9, 15);
    while (LongitudeGapDeg(synthetic::EarthLongitudeDeg(day), 0.0) > 0.5) day += 1;
    const double L = synthetic::EarthLongitudeDeg(day);
    synthetic::Comet c;
    // On the other side of 0° from the Earth, closer than 0.5°.
    c.node = L > 180 ? (0.5 - (360.0 - L)) / 2 : 360.0 - (0.5 - L) / 2;
    c.node = std::round(c.node * 1e4) / 1e4;
    ASSERT_LT(LongitudeGapDeg(c.node, L), 0.5);
    ASSERT_GT(std::fabs(c.node - L), 180.0);

    const AntiTailListing l = AntiTailList({synthetic::Line(c)}, 2011);
    const auto hits = HitsBetween(l, 0, day - 1, day + 1);
    ASSERT_FALSE(hits.empty());
    for (const auto& h : hits)
        EXPECT_LT(LongitudeGapDeg(synthetic::EarthLongitudeDeg(h.when), c.node), 0.001);
}

// The search's refinement shares the Sun's longitudes between hits of a day; the result must
// be what a direct minute-by-minute evaluation of every hit gives.
TEST(AntiTailSearch, MatchesADirectEvaluationOfEveryHit) {
    std::vector<std::string> lines;
    std::vector<double> nodes;
    for (int k = 0; k < 24; ++k) {
        synthetic::Comet c;
        c.node = 7.5 + 15.0 * k + 0.0137 * k;
        c.w = 11.0 * k;
        nodes.push_back(c.node);
        lines.push_back(synthetic::Line(c));
    }
    std::vector<AntiTailHit> expected;
    const Instant day0 = EncodeDate(2011, 1, 1);
    for (int d = 0; d <= 365; ++d) {
        const Instant t = day0 + d;
        const double L = synthetic::EarthLongitudeDeg(t);
        for (int k = 0; k < 24; ++k) {
            double node = nodes[k];
            if (std::fabs(node - L) >= 0.5) node = node + 180 > 360 ? node - 180 : node + 180;
            if (std::fabs(node - L) >= 0.5) continue;
            double best = 9.0;
            Instant T = t;
            for (int j = -800; j <= 800; ++j) {
                const double gap = std::fabs(node - synthetic::EarthLongitudeDeg(t + j / 1440.0));
                if (gap < best) best = gap, T = t + j / 1440.0;
            }
            expected.push_back({k, T});
        }
    }
    const AntiTailListing l = AntiTailList(lines, 2011);
    ASSERT_EQ(l.hits.size(), expected.size() + 2);
    for (std::size_t n = 0; n < expected.size(); ++n) {
        EXPECT_EQ(l.hits[n + 2].cometIndex, expected[n].cometIndex) << n;
        EXPECT_EQ(l.hits[n + 2].when, expected[n].when) << n;
    }
}

TEST(AntiTailSearch, SinkCanStopTheSearch) {
    synthetic::Comet c;
    c.node = 100.0;
    const std::vector<std::string> lines{synthetic::Line(c), synthetic::Line(c)};
    int delivered = 0;
    EXPECT_FALSE(SearchAntiTail(lines, 2011, [&](const std::string&, const AntiTailHit&) {
        ++delivered;
        return false;
    }));
    EXPECT_EQ(delivered, 1);
}

TEST(AntiTailSearch, FieldsThatDoNotConvertStopTheSearch) {
    synthetic::Comet c;
    std::string badNode = synthetic::Line(c);
    badNode.replace(97, 8, "   12x.0");
    EXPECT_THROW(AntiTailList({badNode}, 2011), EConvertError);

    // The perihelion is read only for a comet whose plane the Earth crosses.
    c.node = synthetic::NodeCrossedAt(At(2011, 3, 5, 18, 24));
    std::string badDate = synthetic::Line(c);
    badDate.replace(47, 15, "2011 02 30.0000");
    EXPECT_THROW(AntiTailList({badDate}, 2011), EConvertError);
}

// The precise model searches its first and last years to their ends: a crossing late on
// 31 December 2999 is caught from the 366th day, 1 January 3000 00:00 (the search failed for
// the whole year when it looked there), one early on 1 January 1000 is refined from minutes of
// 999; a year the model cannot compute is refused before the first comet. The perihelia lie
// near each crossing so that the motion from the elements' epoch stays short.
TEST(AntiTailSearch, PreciseModelSearchesItsFirstAndLastYearsToTheEnds) {
    Settings settings;
    settings.Model = kPreciseModelText;
    const Observer precise = ObserverFromSettings(settings);
    struct Case {
        int year;
        Instant crossing;
        int tpYear, tpMonth;
    } cases[] = {{2999, At(2999, 12, 31, 20, 0), 2999, 12},
                 {2999, At(2999, 1, 25, 6, 0), 2999, 1},
                 {1000, At(1000, 1, 1, 2, 0), 999, 12}};
    for (const Case& c : cases) {
        synthetic::Comet comet;
        comet.tpYear = c.tpYear, comet.tpMonth = c.tpMonth, comet.tpDay = 20.0;
        // The node where the precise model's Earth is at the crossing (the standard Sun drifts
        // from it by 0.015°, 20 minutes of the Earth's motion, by the year 3000).
        comet.node = std::round(Deg(PreciseEarthLongitude(c.crossing)) * 1e4) / 1e4;
        AntiTailListing l;
        ASSERT_NO_THROW(l = AntiTailList({synthetic::Line(comet)}, c.year, precise))
            << FormatInstant("dd/mm/yyyy hh:nn", c.crossing);
        // The node's four decimals hold the crossing to 0.2 minutes.
        EXPECT_EQ(HitsBetween(l, 0, c.crossing - kOneMinute, c.crossing + kOneMinute).size(), 1u)
            << FormatInstant("dd/mm/yyyy hh:nn", c.crossing);
    }

    synthetic::Comet comet;
    comet.node = synthetic::NodeCrossedAt(At(2011, 3, 5, 18, 24));
    for (int year : {3000, 999}) {
        int delivered = 0;
        EXPECT_EQ(test::ErrorOf([&] {
                      SearchAntiTail(
                          {synthetic::Line(comet)}, year,
                          [&](const std::string&, const AntiTailHit&) {
                              ++delivered;
                              return true;
                          },
                          precise);
                  }),
                  kPreciseRangeMessage)
            << year;
        EXPECT_EQ(delivered, 0);
    }
    // The standard model keeps its years.
    EXPECT_NO_THROW(AntiTailList({synthetic::Line(comet)}, 3000));
}

TEST(AntiTailTakeOver, DisplayedDatePlusWholeHours) {
    EXPECT_EQ(AntiTailTakeOverInstant({3, At(2011, 3, 5, 18, 24)}), At(2011, 3, 5, 18, 0));
    EXPECT_EQ(AntiTailTakeOverInstant({3, At(2011, 3, 5, 23, 59)}), At(2011, 3, 5, 23, 0));
    EXPECT_EQ(AntiTailTakeOverInstant({3, At(2011, 3, 5)}), At(2011, 3, 5));
}
