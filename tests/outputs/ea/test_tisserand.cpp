// The e/a diagram's point, the Tisserand parameter and the label text.
#include <gtest/gtest.h>

#include <cmath>

#include "core/Errors.h"
#include "outputs/ea/Tisserand.h"

using namespace vagaris;

TEST(Tisserand, TypedOrbits) {
    struct Case {
        const char *e, *a, *i;
        float tj;
    };
    // Tj to the two decimals the label shows.
    const Case cases[] = {
        {"0.50000", "3.0000", "020.000", 2.97f},
        {"0.6", "3.5", "10", 2.78f},
        {"0", "1.0", "0", 6.08f},
        {"0.04839", "5.2026", "1.304", 3.0f},  // Jupiter itself: close to 3
    };
    for (const auto& c : cases) {
        const EaPoint p = EaPointFromTyped(c.e, c.a, c.i);
        ASSERT_TRUE(p.tj.has_value()) << c.a;
        EXPECT_NEAR(*p.tj, c.tj, 0.005f) << c.a;
    }
}

TEST(Tisserand, DialogDefaultsGiveTheExactLabel) {
    const EaPoint p = EaPointFromTyped("0.50000", "3.0000", "020.000");
    EXPECT_EQ(EaLabel("Calculado", p), "Calculado     a: 3.00     e: 0.50     Tj: 2.97");
}

// e = 1 exactly is nudged to 1.00001 (1.0000100136 in single precision) before a = q/(1 − e).
TEST(Tisserand, ParabolicCometIsNudgedBeforeChoosingA) {
    TOrbitalElements el;
    el.Name = "C/2099 Z9";
    el.q = "0.500000";
    el.e = "1.000000";
    el.i = "10.0000";
    const auto p = EaPointFromElements(el);
    ASSERT_TRUE(p.has_value());
    EXPECT_FLOAT_EQ(p->e, 1.00001f);
    EXPECT_NEAR(p->a, -49932.0f, 1.0f);
    ASSERT_TRUE(p->tj.has_value());
    EXPECT_NEAR(*p->tj, 0.86f, 0.005f);
    EXPECT_EQ(EaLabel(el.Name, *p).substr(0, 19), "C/2099 Z9     a: -4");
    EXPECT_TRUE(EaLabel(el.Name, *p).ends_with("     e: 1.00     Tj: 0.86"));

    // The nudge applies even when the a text is given.
    el.a = "2.5";
    EXPECT_FLOAT_EQ(EaPointFromElements(el)->e, 1.00001f);
    EXPECT_FLOAT_EQ(EaPointFromElements(el)->a, 2.5f);
}

TEST(Tisserand, MinorPlanetUsesItsATextEvenOffThePlot) {
    TOrbitalElements el;
    el.Name = "(136199) Eris";
    el.a = "67.86";
    el.e = "0.44";
    el.i = "44.04";
    const auto p = EaPointFromElements(el);
    ASSERT_TRUE(p.has_value());
    EXPECT_FLOAT_EQ(p->a, 67.86f);
    EXPECT_TRUE(
        EaLabel(el.Name, *p).starts_with("(136199) Eris     a: 67.86     e: 0.44     Tj: "));
}

TEST(Tisserand, NoObjectGivesNoPoint) {
    TOrbitalElements el;
    el.e = "0.5";
    el.i = "3";
    EXPECT_FALSE(EaPointFromElements(el).has_value());
}

// a = 0 divides by zero; e > 1 with a positive a takes the root of a negative number.
TEST(Tisserand, UndefinedTjShowsDashes) {
    struct Case {
        const char *e, *a, *i, *label;
    };
    const Case cases[] = {
        {"0.50000", "0.0000", "020.000", "X     a: 0.00     e: 0.50     Tj: ---"},
        {"1.50000", "3.0000", "020.000", "X     a: 3.00     e: 1.50     Tj: ---"},
    };
    for (const auto& c : cases) {
        const EaPoint p = EaPointFromTyped(c.e, c.a, c.i);
        EXPECT_FALSE(p.tj.has_value()) << c.label;
        EXPECT_EQ(EaLabel("X", p), c.label);
    }
    // A hyperbolic comet: a < 0 and 1 − e² < 0 give a positive radicand.
    EXPECT_TRUE(TisserandJupiter(-2.0f, 1.5f, 0.0f).has_value());
}

TEST(Tisserand, TextsThatDoNotConvertThrow) {
    EXPECT_THROW(EaPointFromTyped("0.5", "x", "10"), EConvertError);
    TOrbitalElements el;
    el.q = "1.0";
    el.e = "";
    el.i = "5";
    EXPECT_THROW(EaPointFromElements(el), EConvertError);
}
