// The session changes shared by the window and the command-line tool that need no catalog
// format: the anti-tail list type, setting the current instant, installing an MPCOrb.dat hit.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/ElementRecord.h"
#include "core/Session.h"
#include "core/Time.h"

namespace {

using namespace vagaris;

// A session with a comet catalog of two objects, object 1 chosen and an anti-tail list.
Session LoadedCometSession() {
    Session s;
    s.CatalogKind = 'C';
    s.CatalogLines = {"C/2001 A1 line", "C/2002 B2 line"};
    s.CometLines = s.CatalogLines;
    s.SelectorNames = {"C/2001 A1", "C/2002 B2"};
    s.SelectorIndex = 1;
    s.SelectorsEnabled = true;
    s.Elements.Name = "C/2002 B2";
    s.Elements.Fecha = "2002 01 01.0";
    s.AntiTail.append("heading", {-1, 0});
    s.AntiTail.append("001  a hit", {1, 40000.5});
    s.CatalogGeneration = 7;
    s.CurrentInstant = 45000.25;
    return s;
}

TEST(AntiTailRows, KeepsEachLineWithItsHitAndClearsBoth) {
    AntiTailRows rows;
    EXPECT_TRUE(rows.empty());
    rows.append("N    FECHA", {-1, 0});
    rows.append("000  01/01/2011", {0, 40544.0});
    rows.append("003  02/01/2011", {3, 40545.5});
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.lines(),
              (std::vector<std::string>{"N    FECHA", "000  01/01/2011", "003  02/01/2011"}));
    ASSERT_EQ(rows.hits().size(), 3u);
    EXPECT_EQ(rows.hits()[2], (AntiTailHit{3, 40545.5}));

    // Only rows that name a comet carry a hit to take over.
    struct Case {
        int row;
        std::optional<AntiTailHit> hit;
        const char* why;
    } cases[] = {
        {0, std::nullopt, "a heading"},
        {1, AntiTailHit{0, 40544.0}, "the first comet, index 0"},
        {2, AntiTailHit{3, 40545.5}, "the last row"},
        {-1, std::nullopt, "no row selected"},
        {3, std::nullopt, "past the end (a row of a list cleared meanwhile)"},
    };
    for (const auto& c : cases) EXPECT_EQ(rows.cometHitAt(c.row), c.hit) << c.why;

    rows.clear();
    EXPECT_TRUE(rows.empty());
    EXPECT_TRUE(rows.lines().empty());
    EXPECT_TRUE(rows.hits().empty());
    EXPECT_EQ(rows.cometHitAt(1), std::nullopt);
}

TEST(SessionApi, SetCurrentInstantChangesOnlyTheInstant) {
    Session s = LoadedCometSession();
    const Instant t = EncodeDate(2011, 3, 5) + 0.75;
    SetCurrentInstant(s, t);
    EXPECT_EQ(s.CurrentInstant, t);
    EXPECT_EQ(s.Elements.Name, "C/2002 B2");
    EXPECT_EQ(s.AntiTail.size(), 2);
}

TEST(SessionApi, SearchHitBecomesTheOnlyObjectAndKeepsTheInstantAndTheCatalogLines) {
    Session s = LoadedCometSession();
    TOrbitalElements hit;
    hit.Name = "(99942) Apophis";
    hit.Fecha = "2023 02 25.0";
    hit.M = "1.2";
    hit.a = "0.92";
    hit.e = "0.19";
    InstallSearchHit(s, hit);

    EXPECT_EQ(s.Elements, hit);
    EXPECT_EQ(s.CatalogKind, 'A');
    EXPECT_EQ(s.SelectorNames, std::vector<std::string>{"(99942) Apophis"});
    EXPECT_EQ(s.SelectorIndex, 0);
    EXPECT_FALSE(s.SelectorsEnabled);
    EXPECT_TRUE(s.CometLines.empty()) << "no comet list for the anti-tail search";
    EXPECT_TRUE(s.AntiTail.empty()) << "hits of the old catalog";
    EXPECT_EQ(s.CatalogGeneration, 8u);
    EXPECT_EQ(s.CurrentInstant, 45000.25) << "the search keeps the instant";
    EXPECT_EQ(s.CatalogLines.size(), 2u) << "the loaded catalog's lines stay";
}

}  // namespace
