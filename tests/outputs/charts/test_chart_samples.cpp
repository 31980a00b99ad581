// The chart samples: their instants, their values against the one computation, the borrowed
// current instant, the axis ranges and the text forms.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "catalogs/SessionCatalog.h"
#include "core/Angles.h"
#include "core/Circumstances.h"
#include "core/Errors.h"
#include "core/Session.h"
#include "core/Time.h"
#include "outputs/charts/ChartCsv.h"
#include "outputs/charts/ChartSampling.h"

using namespace vagaris;

namespace {

std::string FirstLine(const std::string& file) {
    std::ifstream in(std::string(VAGARIS_SAMPLES_DIR) + "/" + file, std::ios::binary);
    std::string line;
    std::getline(in, line);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

// A session with the first comet of the sample catalog chosen, at 01/01/2011 00:00.
struct CometSession : ::testing::Test {
    Session session;
    void SetUp() override {
        session.clock = [] { return EncodeDate(2011, 1, 1); };
        session.CatalogKind = 'C';
        session.CatalogLines = {FirstLine("CometsCR.dat")};
        session.SelectorNames = {"  " + session.CatalogLines[0].substr(0, 40)};
        session.SelectorIndex = 0;
        CutCatalogLine(session, 0);
        session.CurrentInstant = EncodeDate(2011, 1, 1);
    }
};

}  // namespace

TEST(ChartSampleInstants, TenthBeforeAndNineTenthsAfterT0) {
    Session session;  // no object: the curves are flat, the instants are not
    session.clock = [] { return EncodeDate(2011, 1, 1); };
    const Instant t0 = EncodeDate(2011, 1, 1);
    session.CurrentInstant = t0;
    const ChartSamples s = SampleChart(ObserverFromSettings(session.settings), session.Elements,
                                       session.Circumstances, {t0, 320});

    ASSERT_EQ(s.instants.size(), 400u);
    ASSERT_EQ(s.left.size(), 400u);
    ASSERT_EQ(s.right.size(), 400u);
    EXPECT_EQ(FormatInstant("dd/mm/yyyy hh:nn", s.instants.front()), "30/11/2010 00:00");
    EXPECT_EQ(FormatInstant("dd/mm/yyyy hh:nn", s.instants.back()), "15/10/2011 04:48");
    EXPECT_NEAR(s.instants[1] - s.instants[0], 0.8, 1e-9);
    EXPECT_EQ(session.CurrentInstant, t0);
    // Flat curves of the untouched record (all zero) get a range around their value.
    EXPECT_EQ(s.leftAxis, (ChartAxisRange{true, true, -1, 1}));
    EXPECT_EQ(s.rightAxis, (ChartAxisRange{true, false, -5, 95}));
}

TEST_F(CometSession, EverySampleIsOneComputationInModeT) {
    const Instant t0 = session.CurrentInstant;
    ChartRequest request{t0, 320, kQuantityRightAscension, kQuantityMaxAltitude,
                         ChartTwilight::Nautical};
    const ChartSamples s = SampleChart(ObserverFromSettings(session.settings), session.Elements,
                                       session.Circumstances, request);
    EXPECT_EQ(session.CurrentInstant, t0);
    EXPECT_EQ(s.leftTitle, "A.R.");
    EXPECT_EQ(s.rightTitle, "Alt. máx. (Sol a -12°)");
    EXPECT_EQ(ChartTitle(session), "C/1942 EA (Vaisala)");

    for (int k : {0, 137, 399}) {
        Session alone = session;
        alone.CurrentInstant = s.instants[k];
        ASSERT_TRUE(ComputeCircumstances(alone, CircumstanceMode::T, kTwilightNautical));
        const TCircumstances& c = alone.Circumstances;
        EXPECT_EQ(s.left[k], static_cast<float>(Deg(c.RightAscension) / 15)) << k;
        EXPECT_EQ(s.right[k], static_cast<float>(Deg(c.MaxAltitude))) << k;
    }
    // The range holds every value with a tenth of the spread to spare on each side.
    const auto [lo, hi] = std::minmax_element(s.left.begin(), s.left.end());
    EXPECT_DOUBLE_EQ(s.leftAxis.min, *lo - (double(*hi) - *lo) / 10);
    EXPECT_DOUBLE_EQ(s.leftAxis.max, *hi + (double(*hi) - *lo) / 10);
    EXPECT_FALSE(s.leftAxis.inverted);
}

TEST_F(CometSession, FailingSampleEndsWithTheInstantPutBack) {
    const Instant t0 = session.CurrentInstant;
    session.Elements.e = "0.9x";
    EXPECT_THROW(SampleChart(ObserverFromSettings(session.settings), session.Elements,
                             session.Circumstances, {t0, 320}),
                 EConvertError);
    EXPECT_EQ(session.CurrentInstant, t0);
}

TEST(ChartAxisRange, ByQuantity) {
    const std::vector<float> values = {2.0f, 4.0f, 3.0f};
    EXPECT_EQ(ChartAxisRangeFor(kQuantityMagnitude, values),
              (ChartAxisRange{true, true, 1.8, 4.2}));
    EXPECT_EQ(ChartAxisRangeFor(kQuantityDeclination, values),
              (ChartAxisRange{true, false, 1.8, 4.2}));
    EXPECT_EQ(ChartAxisRangeFor(kQuantityMaxAltitude, values),
              (ChartAxisRange{true, false, -5, 95}));
    EXPECT_FALSE(ChartAxisRangeFor(kQuantityNone, values).visible);
    EXPECT_EQ(ChartAxisRangeFor(kQuantitySpeed, {7.5f, 7.5f}),
              (ChartAxisRange{true, false, 6.5, 8.5}));
}

TEST(ChartQuantities, TitlesSuffixesAndCommandLineNames) {
    EXPECT_EQ(ChartQuantityItems().size(), 10u);
    EXPECT_EQ(ChartQuantityItems()[kQuantityPhaseAngle], "Angulo de fase");
    EXPECT_EQ(ChartQuantityTitle(kQuantityMaxAltitude, ChartTwilight::Astronomical),
              "Alt. máx. (Sol a -18°)");
    EXPECT_EQ(ChartQuantityTitle(kQuantityMaxAltitude, ChartTwilight::Civil),
              "Alt. máx. (Sol a -6°)");
    EXPECT_EQ(ChartQuantityTitle(kQuantityEarthDistance, ChartTwilight::Civil), "Dist. Tierra UA");
    EXPECT_EQ(ChartQuantityTitle(kQuantityNone, ChartTwilight::Civil), "");
    EXPECT_EQ(TwilightLimit(ChartTwilight::Civil), 0.10472);
    for (int item = 0; item < kChartQuantityCount; ++item)
        EXPECT_EQ(ChartQuantityFromCliName(ChartQuantityCliName(item)), item);
    EXPECT_FALSE(ChartQuantityFromCliName("Magnitud"));
}

TEST(ChartCsv, NineSignificantDigitsAndEmptyFieldForNinguna) {
    ChartSamples s;
    s.instants = {EncodeDate(2011, 1, 1) + 0.5};
    s.left = {0.1f};
    s.right = {-12.5f};
    EXPECT_EQ(
        ChartCsvLines(s, kQuantityMagnitude, kQuantityDeclination),
        (std::vector<std::string>{"fecha,magnitud,dec", "01/01/2011 12:00:00,0.100000001,-12.5"}));
    EXPECT_EQ(ChartCsvLines(s, kQuantityNone, kQuantitySpeed)[1], "01/01/2011 12:00:00,,-12.5");
    EXPECT_EQ(ChartCsvNumber(123456.789f), "123456.789");
    EXPECT_EQ(ChartCsvNumber(1.5e-7f), "1.50000005e-07");
}
