// The table of the Selección results: one row per quantity, the labels and JSON keys that the
// page and the command-line tool rely on.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "core/SelectionQuantity.h"

namespace {

using vagaris::InfoOf;
using vagaris::kSelectionQuantities;
using vagaris::SelectionQuantity;

TEST(SelectionQuantities, EveryQuantityHasExactlyOneRow) {
    std::map<int, int> rows;
    for (const auto& info : kSelectionQuantities) ++rows[static_cast<int>(info.quantity)];
    ASSERT_EQ(rows.size(), vagaris::kSelectionQuantityCount);
    for (int q = 0; q <= static_cast<int>(SelectionQuantity::Period); ++q) {
        EXPECT_EQ(rows[q], 1) << q;
        EXPECT_EQ(static_cast<int>(InfoOf(static_cast<SelectionQuantity>(q)).quantity), q);
    }
}

TEST(SelectionQuantities, LabelsCaptionsAndKeysAsThePageAndTheJsonShowThem) {
    using Q = SelectionQuantity;
    const struct {
        Q quantity;
        const char *objectName, *captionName, *caption, *jsonKey;
    } expected[] = {
        {Q::RightAscension, "Label12", "LabelAr", "Ar:", "right_ascension"},
        {Q::Declination, "Label13", "LabelDec", "Dec:", "declination"},
        {Q::Delta, "Label34", "LabelDistancia", "Distancia:", "delta"},
        {Q::SunDistance, "Label35", "LabelRadioVector", "Radio vector:", "sun_distance"},
        {Q::Elongation, "Label14", "LabelElongacion", "Elongación:", "elongation"},
        {Q::PhaseAngle, "Label15", "LabelFase", "Ang. de fase:", "phase_angle"},
        {Q::Magnitude, "Label38", "LabelMagnitud", "Magnitud:", "magnitude"},
        {Q::Speed, "Label39", "LabelVelocidad", "Velocidad", "speed"},
        {Q::MaxAltitude, "Label69", "LabelAltura", "Altura máxima (Sol -18°):", "max_altitude"},
        // The two displays share the motion labels and their caption labels.
        {Q::Motion, "Label70", "Label66", "Velocidad aparente:", "motion"},
        {Q::PositionAngle, "Label71", "Label67", "A.P:", "position_angle"},
        {Q::MotionRA, "Label70", "Label66", "Vel. aparente AR:", "motion_ra"},
        {Q::MotionDec, "Label71", "Label67", "Vel. aparente Dec:", "motion_dec"},
        {Q::MaxExposure, "Label72", "LabelExposicion", "Exposición máxima:", "max_exposure"},
        {Q::Period, "Label16", "", "", "period"},  // carries its own "P:"
    };
    for (const auto& e : expected) {
        const auto& info = InfoOf(e.quantity);
        EXPECT_STREQ(info.objectName, e.objectName) << e.jsonKey;
        EXPECT_STREQ(info.captionName, e.captionName) << e.jsonKey;
        EXPECT_STREQ(info.caption, e.caption) << e.jsonKey;
        EXPECT_STREQ(info.jsonKey, e.jsonKey) << e.objectName;
    }
}

TEST(SelectionQuantities, JsonKeysAreUniqueAndNoWidgetNames) {
    std::set<std::string> keys;
    for (const auto& info : kSelectionQuantities) {
        EXPECT_TRUE(keys.insert(info.jsonKey).second) << info.jsonKey;
        EXPECT_TRUE(std::regex_match(info.jsonKey, std::regex("[a-z]+(_[a-z]+)*"))) << info.jsonKey;
    }
    // Within one display no two quantities share a label.
    for (const auto& a : kSelectionQuantities)
        for (const auto& b : kSelectionQuantities) {
            if (&a == &b || std::strcmp(a.objectName, b.objectName) != 0) continue;
            const bool polarA = a.quantity == SelectionQuantity::Motion ||
                                a.quantity == SelectionQuantity::PositionAngle;
            const bool polarB = b.quantity == SelectionQuantity::Motion ||
                                b.quantity == SelectionQuantity::PositionAngle;
            EXPECT_NE(polarA, polarB) << a.jsonKey << " " << b.jsonKey;
        }
}

}  // namespace
