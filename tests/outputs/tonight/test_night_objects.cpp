// The pieces of the night's list that do not place anything: the removal of the duplicates
// among the five catalogs, and the request the settings give both faces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Session.h"
#include "outputs/tonight/TonightObjects.h"
#include "outputs/tonight/TonightRequest.h"
#include "tests/support/ConversionError.h"

using namespace vagaris;
using namespace vagaris::tonight;

namespace {

CatalogObject Object(const std::string& name, char kind, double epoch, int catalog, int index) {
    CatalogObject o;
    o.texts.Name = name;
    o.kind = kind;
    o.values.EpochTime = epoch;
    o.catalogOrder = catalog;
    o.index = index;
    return o;
}

// "name@catalog:index" of each kept object, in order.
std::vector<std::string> Kept(const std::vector<CatalogObject>& objects) {
    std::vector<std::string> out;
    for (const auto& o : objects)
        out.push_back(o.texts.Name + "@" + std::to_string(o.catalogOrder) + ":" +
                      std::to_string(o.index));
    return out;
}

}  // namespace

TEST(NightObjects, OneObjectPerNameTheNewestMinorPlanetElements) {
    const struct {
        const char* what;
        std::vector<CatalogObject> objects;
        std::vector<std::string> kept;
    } cases[] = {
        {"distinct names all stay, in order",
         {Object("(1) Ceres", 'A', 100, 0, 0), Object("(2) Pallas", 'A', 100, 1, 0)},
         {"(1) Ceres@0:0", "(2) Pallas@1:0"}},
        {"a later epoch in a later file takes the first one's place",
         {Object("(433) Eros", 'A', 100, 0, 3), Object("(1) Ceres", 'A', 50, 0, 4),
          Object("(433) Eros", 'A', 200, 2, 7)},
         {"(1) Ceres@0:4", "(433) Eros@2:7"}},
        {"an earlier epoch later on is dropped",
         {Object("(433) Eros", 'A', 200, 0, 1), Object("(433) Eros", 'A', 100, 3, 1)},
         {"(433) Eros@0:1"}},
        {"equal epochs keep the first file's",
         {Object("(433) Eros", 'A', 100, 1, 1), Object("(433) Eros", 'A', 100, 2, 9)},
         {"(433) Eros@1:1"}},
        {"comets keep the first whatever the epochs",
         {Object("1P/Halley", 'C', 100, 0, 0), Object("1P/Halley", 'C', 900, 1, 0)},
         {"1P/Halley@0:0"}},
        {"a minor-planet line never replaces a comet line of the same name",
         {Object("P/2010 A2", 'C', 100, 0, 0), Object("P/2010 A2", 'A', 900, 1, 0)},
         {"P/2010 A2@0:0"}},
        {"three copies: the newest of all",
         {Object("(3) Juno", 'A', 10, 0, 0), Object("(3) Juno", 'A', 30, 1, 0),
          Object("(3) Juno", 'A', 20, 2, 0)},
         {"(3) Juno@1:0"}},
        {"nothing in, nothing out", {}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Kept(RemoveDuplicates(c.objects)), c.kept) << c.what;
}

TEST(NightObjects, TheSettingsGiveTheSiteTheModelAndTheSort) {
    Settings s;
    s.Lat = "-33";
    s.Lon = "+151.2";
    s.Alt = "0058";
    s.TonightSort = "alt";
    Request r = RequestFromSettings(s, 46000);
    EXPECT_EQ(r.date, 46000);
    EXPECT_EQ(r.latitudeDeg, -33);
    EXPECT_DOUBLE_EQ(r.longitudeDeg, 151.2);
    EXPECT_FALSE(r.precise);
    EXPECT_EQ(r.heightMetres, 0);  // the standard model's places are geocentric
    EXPECT_EQ(r.sort, SortKey::Altitude);
    EXPECT_EQ(r.limits.magnitude, Limits{}.magnitude);

    s.Model = "precise";
    s.TonightSort = "nonsense";
    r = RequestFromSettings(s, 46000);
    EXPECT_TRUE(r.precise);
    EXPECT_EQ(r.heightMetres, 58);
    EXPECT_EQ(r.sort, SortKey::Magnitude);
    const Observer o = ObserverOf(r);
    EXPECT_EQ(o.latitudeDeg, -33);
    EXPECT_EQ(o.heightMetres, 58);
    EXPECT_TRUE(o.precise());

    s.Lon = "+1x1.2";
    EXPECT_EQ(test::ErrorOf([&] { RequestFromSettings(s, 46000); }),
              "'+1x1.2' is not a valid floating point value");

    const auto five = FiveCatalogSources("/data/");
    ASSERT_EQ(five.size(), 5u);
    EXPECT_EQ(five[0].path, "/data/CometsCR.dat");
    for (const auto& source : five) EXPECT_EQ(source.kind, Source::Kind::Catalog);
}
