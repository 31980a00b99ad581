// Installing a catalog and choosing one of its objects, as the window's catalog buttons and
// the command line's --catalog/--object do, on the bundled sample catalogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogs/LineFormats.h"
#include "catalogs/SessionCatalog.h"
#include "core/Session.h"

namespace {

using namespace vagaris;

const std::string kSamples = VAGARIS_SAMPLES_DIR;

// A session that already holds something of an earlier load or search.
Session UsedSession() {
    Session s;
    s.CatalogKind = 'A';
    s.CatalogLines = {"old line"};
    s.CometLines = {"old comet line"};
    s.SelectorNames = {"(99942) Apophis"};
    s.SelectorIndex = 0;
    s.SelectorsEnabled = false;
    s.Elements.Name = "(99942) Apophis";
    s.Elements.Fecha = "2023 02 25.0";
    s.AntiTail.append("001  a hit of the old catalog", {0, 40000});
    s.CatalogGeneration = 3;
    s.CurrentInstant = 45000.5;
    return s;
}

TEST(InstallCatalog, FillsTheSelectorsAndTheCometListOfACometCatalog) {
    const std::vector<std::string> lines = ReadCatalogLines(kSamples + "/CometsCR.dat");
    ASSERT_GT(lines.size(), 2u);
    Session s = UsedSession();
    InstallCatalog(s, 'C', lines);

    EXPECT_EQ(s.CatalogKind, 'C');
    EXPECT_EQ(s.CatalogLines, lines);
    EXPECT_EQ(s.CometLines, lines);
    ASSERT_EQ(s.SelectorNames.size(), lines.size());
    EXPECT_EQ(s.SelectorNames[0], "C/1942 EA (Vaisala)") << "columns 1-40, trimmed";
    EXPECT_EQ(s.SelectorNames[1], "C/1995 O1 (Hale-Bopp)");
    EXPECT_EQ(s.SelectorIndex, 0);
    EXPECT_TRUE(s.SelectorsEnabled) << "a search hit had disabled them";
    EXPECT_TRUE(s.AntiTail.empty()) << "hits of the old catalog";
    EXPECT_EQ(s.CatalogGeneration, 4u);
    EXPECT_EQ(s.CurrentInstant, 45000.5);
    EXPECT_EQ(s.Elements.Name, "(99942) Apophis") << "cut only when an object is selected";
}

TEST(InstallCatalog, MinorPlanetsHaveNoCometListAndAnEmptyCatalogEmptiesTheBoxes) {
    Session s = UsedSession();
    InstallCatalog(s, 'C', ReadCatalogLines(kSamples + "/CometsCR.dat"));
    InstallCatalog(s, 'A', ReadCatalogLines(kSamples + "/BrightMinorPlanetsCR.dat"));
    EXPECT_EQ(s.CatalogKind, 'A');
    EXPECT_TRUE(s.CometLines.empty());
    EXPECT_EQ(s.SelectorNames.at(0), "(1) Ceres");

    InstallCatalog(s, 'C', {});
    EXPECT_TRUE(s.CatalogLines.empty());
    EXPECT_TRUE(s.SelectorNames.empty());
    EXPECT_EQ(s.SelectorIndex, -1);
    EXPECT_EQ(s.Elements, TOrbitalElements{}) << "nothing to compute";
    EXPECT_EQ(s.CatalogGeneration, 6u);
}

TEST(SelectCatalogObject, CutsTheLineWithTheCatalogsLayout) {
    const auto comets = ReadCatalogLines(kSamples + "/CometsCR.dat");
    const auto planets = ReadCatalogLines(kSamples + "/BrightMinorPlanetsCR.dat");
    Session s;
    InstallCatalog(s, 'C', comets);
    ASSERT_TRUE(SelectCatalogObject(s, 1));
    EXPECT_EQ(s.SelectorIndex, 1);
    EXPECT_EQ(s.Elements, ParseCometLine(comets[1]));

    InstallCatalog(s, 'A', planets);
    ASSERT_TRUE(SelectCatalogObject(s, 0));
    EXPECT_EQ(s.Elements, ParseMinorPlanetLine(planets[0]));
    EXPECT_EQ(s.Elements.a.empty(), false) << "the minor-planet layout, not the comet one";

    // An index outside the catalog changes nothing.
    for (const int index : {-1, static_cast<int>(planets.size())}) {
        EXPECT_FALSE(SelectCatalogObject(s, index)) << index;
        EXPECT_EQ(s.SelectorIndex, 0) << index;
        EXPECT_EQ(s.Elements, ParseMinorPlanetLine(planets[0])) << index;
    }
}

}  // namespace
