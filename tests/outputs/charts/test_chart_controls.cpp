// The arithmetic of the Tablas page's buttons, read-out, pop-up item and picture name.
#include <gtest/gtest.h>

#include "core/Errors.h"
#include "core/Time.h"
#include "outputs/charts/ChartControls.h"
#include "outputs/charts/ChartSampling.h"

using namespace vagaris;

TEST(ChartSpanButtons, HalvesGoToTheEvenNeighbour) {
    struct Case {
        int span;
        ChartSpanButton button;
        int expected;
    };
    const Case cases[] = {
        {320, ChartSpanButton::Wider, 384},
        {320, ChartSpanButton::Double, 640},
        {320, ChartSpanButton::Narrower, 267},
        {320, ChartSpanButton::Half, 160},
        {3, ChartSpanButton::Half, 2},
        {2, ChartSpanButton::Narrower, 2},
        {2, ChartSpanButton::Half, 2},
        {15, ChartSpanButton::Narrower, 13},  // [2.5] = 2
        {1000, ChartSpanButton::Reset, 320},
        // The span stops at 100000 days.
        {60000, ChartSpanButton::Double, 100000},
        {90000, ChartSpanButton::Wider, 100000},
        {100000, ChartSpanButton::Double, 100000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChartNextSpan(c.span, c.button), c.expected)
            << c.span << " button " << static_cast<int>(c.button);
}

TEST(ChartTimeButtons, MoveTheInstantByWholeDays) {
    EXPECT_EQ(ChartTimeStepDays(320, ChartTimeButton::LaterTenth), 32);
    EXPECT_EQ(ChartTimeStepDays(320, ChartTimeButton::EarlierHalf), -160);
    EXPECT_EQ(ChartTimeStepDays(320, ChartTimeButton::EarlierTenth), -32);
    EXPECT_EQ(ChartTimeStepDays(5, ChartTimeButton::LaterHalf), 2);    // [2.5] = 2
    EXPECT_EQ(ChartTimeStepDays(7, ChartTimeButton::LaterHalf), 4);    // [3.5] = 4
    EXPECT_EQ(ChartTimeStepDays(25, ChartTimeButton::LaterTenth), 2);  // [2.5] = 2
    EXPECT_EQ(ChartTimeStepDays(4, ChartTimeButton::EarlierTenth), 0);
}

TEST(ChartReadout, IndexFromThePlotArea) {
    // Plot area 50 … 450 wide, 20 … 300 high, 400 samples: one pixel per sample.
    auto at = [](double x, double y = 100) {
        return ChartReadoutIndex(x, y, 50, 450, 20, 300, 400);
    };
    EXPECT_EQ(at(50), 0);              // on the left axis: the first sample
    EXPECT_EQ(at(450), std::nullopt);  // on the right axis: hidden
    EXPECT_EQ(at(49.9), std::nullopt);
    EXPECT_EQ(at(449.6), 399);  // [399.6] = 400, cut to the last index
    EXPECT_EQ(at(50.5), 0);     // [0.5] = 0
    EXPECT_EQ(at(51.5), 2);     // [1.5] = 2
    EXPECT_EQ(at(100, 19.5), std::nullopt);
    EXPECT_EQ(at(100, 300), 50);
    EXPECT_EQ(at(100, 300.5), std::nullopt);
    EXPECT_EQ(ChartReadoutIndex(100, 100, 50, 450, 20, 300, 0), std::nullopt);
}

TEST(ChartReadout, TextsOfOneSample) {
    ChartSamples s;
    s.instants = {EncodeDate(2011, 3, 5) + (18 * 60 + 24) / 1440.0};
    s.left = {7.25f};
    s.right = {-3.04f};
    s.leftTitle = "Magnitud";
    s.rightTitle = "Declinación";
    const ChartReadout r = ChartReadoutTexts(s, 0);
    EXPECT_EQ(r.date, "05/03/2011 18:24");
    EXPECT_EQ(r.left, "Magnitud: 7.3");
    EXPECT_EQ(r.right, "Declinación: -3.0");

    s.leftTitle.clear();
    s.rightTitle.clear();
    const ChartReadout dateOnly = ChartReadoutTexts(s, 0);
    EXPECT_EQ(dateOnly.left, "");
    EXPECT_EQ(dateOnly.right, "");

    EXPECT_EQ(ChartPopupCaption(r.date), "Fijar Fecha: 05/03/2011");
    EXPECT_EQ(ChartPopupInstant(r.date), EncodeDate(2011, 3, 5));
    EXPECT_THROW(ChartPopupInstant("35/03/2011 18:24"), EConvertError);
}

TEST(ChartPictureName, FirstWordsWithoutBlanksOrSlashAndTheSuffix) {
    struct Case {
        const char* name;
        int leftItem;
        const char* expected;
    };
    const Case cases[] = {
        {"C/2010 X1 (Elenin)", 0, "C2010X1_Mag"},
        {"  C/2010 X1 (Elenin)  ", 0, "C2010X1_Mag"},  // trimmed first
        {"1234 Nombre", 6, "1234_Dec"},
        {"(1) Ceres", 1, "(1)Ceres_AltMax"},        // not a digit: two words
        {"0P/Test Algo B", 8, "0PTestAlgo_Afase"},  // 0 is not 1 to 9
        {"P/2010 A2", 9, "P2010A2"},                // "-Ninguna-": no suffix
        {"", 2, "_DTierra"},
    };
    for (const Case& c : cases) EXPECT_EQ(ChartPictureName(c.name, c.leftItem), c.expected);
}
