// FormatNumber, the sexagesimal texts and the locale-free number conversions.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "core/Angles.h"
#include "core/Errors.h"
#include "core/TextForms.h"
#include "support/ConversionError.h"
#include "support/LocaleSwitch.h"

using namespace vagaris;

namespace {

using vagaris::test::ErrorOf;

// An angle of h hours, m minutes, s seconds [rad].
double Hms(double h, double m, double s) { return Rad(15.0 * (h + m / 60.0 + s / 3600.0)); }
double Dms(double sign, double d, double m, double s) {
    return sign * Rad(d + m / 60.0 + s / 3600.0);
}

struct FormatCase {
    const char* pattern;
    double value;
    const char* expected;
};

}  // namespace

TEST(FormatNumber, PatternCases) {
    const FormatCase cases[] = {
        {"00", 5, "05"},
        {"00", 123, "123"},  // more digits than placeholders: printed whole
        {"00h ", 5, "05h "},
        {"P:   0.000 años", 11.862, "P:   11.862 años"},
        {"0.0000 UA  ", 1.23456, "1.2346 UA  "},
        {"+0.00;-0.00", -1.5, "-1.50"},
        {"+0.00;-0.00", 1.5, "+1.50"},
        {"0.0", -3.25, "-3.3"},  // one section: leading minus, half away from zero
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"0", 0.4, "0"},
        {"0.000000", 0.7671064, "0.767106"},
        {"0", 107208.0, "107208"},
        // Halves are judged on the exact binary value: 2.675 is stored just below the half,
        // 0.125 is exactly a half, 1.005 just below, 0.5 exactly.
        {"0.00", 2.675, "2.67"},
        {"0.00", 0.125, "0.13"},
        {"0.00", -0.125, "-0.13"},
        {"0.00", 1.005, "1.00"},
        {"0", 0.5, "1"},
        // Section and sign follow the rounded value: a negative value that rounds to zero
        // prints as zero without a minus.
        {"+0.00;-0.00", -0.001, "+0.00"},
        {"+0.00;-0.00", -0.004999, "+0.00"},
        {"+0.00;-0.00", -0.005, "-0.01"},  // -0.005 is stored just beyond the half
        {"0.0", -0.04, "0.0"},
        {"+0.0;-0.0", -30.0, "-30.0"},
        {"0.00", 1e6 + 0.5, "1000000.50"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.pattern, c.value), c.expected)
            << "pattern \"" << c.pattern << "\" value " << c.value;
}

TEST(HoursText, StylesAndEdges) {
    EXPECT_EQ(HoursText(4, 0.0), "00h 00m 00.00s");
    EXPECT_EQ(HoursText(4, -kPi / 12), "23h 00m 00.00s");  // brought into range first
    EXPECT_EQ(HoursText(1, Rad(90)), "06 00 00.0");
    EXPECT_EQ(HoursText(1, Hms(5, 34, 12.3)), "05 34 12.3");
    EXPECT_EQ(HoursText(3, Hms(5, 34, 12.35)), "05h 34m 12s");
    EXPECT_EQ(HoursText(4, Hms(5, 34, 12.35)), "05h 34m 12.35s");
    // Only the seconds are rounded and nothing carries.
    EXPECT_EQ(HoursText(4, Hms(1, 2, 59.996)), "01h 02m 60.00s");
    EXPECT_EQ(HoursText(4, kTwoPi), "24h 00m 00.00s");
}

TEST(DegreesText, StylesAndEdges) {
    EXPECT_EQ(DegreesText(3, Rad(-90)), "-90° 00' 00\"");
    EXPECT_EQ(DegreesText(3, 0.0), "+00° 00' 00\"");
    EXPECT_EQ(DegreesText(3, Rad(-5e-11)), "+00° 00' 00\"");  // within 1e-10° of zero
    EXPECT_EQ(DegreesText(1, Rad(12.5)), "+12 30 00");
    EXPECT_EQ(DegreesText(1, Dms(1, 41, 7, 44)), "+41 07 44");
    EXPECT_EQ(DegreesText(3, Dms(-1, 5, 7, 44)), "-05° 07' 44\"");
    EXPECT_EQ(DegreesText(4, Dms(1, 41, 7, 44.12)), "+41° 07' 44.12\"");
    EXPECT_EQ(DegreesText(3, Dms(1, 10, 59, 59.7)), "+10° 59' 60\"");  // no carry
}

TEST(ParseFloat, AcceptedForms) {
    EXPECT_EQ(ParseFloat(" 1.5 "), 1.5);
    EXPECT_EQ(ParseFloat("-2"), -2.0);
    EXPECT_EQ(ParseFloat("+3.25e2"), 325.0);
    EXPECT_EQ(ParseFloat("1E-3"), 0.001);
    EXPECT_EQ(ParseFloat("."), 0.0);
    EXPECT_EQ(ParseFloat(".5"), 0.5);
    EXPECT_EQ(ParseFloat("-2.0"), -2.0);
}

TEST(ParseFloat, RejectedFormsCarryTheirText) {
    for (const char* bad : {"", "x", "1,5", "1.5.2", "1e999", "nan", "inf", "0x10", "--1", "1 2"})
        EXPECT_EQ(ErrorOf([&] { ParseFloat(bad); }),
                  std::string("'").append(bad).append("' is not a valid floating point value"));
}

TEST(ParseInt, AcceptedAndRejected) {
    EXPECT_EQ(ParseInt("+40"), 40);
    EXPECT_EQ(ParseInt("-05"), -5);
    EXPECT_EQ(ParseInt(" 7 "), 7);
    EXPECT_EQ(ParseInt("0000"), 0);
    for (const char* bad : {"", "4.0", "x", "4x", "99999999999"})
        EXPECT_EQ(ErrorOf([&] { ParseInt(bad); }),
                  std::string("'").append(bad).append("' is not a valid integer value"));
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(124.5000001), 125);
    EXPECT_EQ(RoundHalfEven(10.4), 10);
}

// The machine's locale must not change any text: a German locale writes "1,5" for 1.5.
class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        if (!locale_.select("de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 not installed";
        ASSERT_EQ(std::localeconv()->decimal_point[0], ',');
    }
    vagaris::test::LocaleSwitch locale_;  // puts the locale back at the end of the test
};

TEST_F(CommaLocale, TextsKeepThePoint) {
    EXPECT_EQ(FormatNumber("0.00", 1.5), "1.50");
    EXPECT_EQ(FormatNumber("+0.0;-0.0", -30.0), "-30.0");
    EXPECT_EQ(HoursText(4, Hms(5, 34, 12.35)), "05h 34m 12.35s");
    EXPECT_EQ(DegreesText(4, Dms(1, 41, 7, 44.12)), "+41° 07' 44.12\"");
    EXPECT_EQ(ParseFloat("1.5"), 1.5);
    EXPECT_EQ(ParseFloat("2.5e-1"), 0.25);
    EXPECT_EQ(ErrorOf([] { ParseFloat("1,5"); }), "'1,5' is not a valid floating point value");
}
