// Instants, calendar dates and the date/time texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "core/ElementRecord.h"
#include "core/Errors.h"
#include "core/Time.h"
#include "support/ConversionError.h"

using namespace vagaris;

using vagaris::test::ErrorOf;

TEST(Instant, CountsDaysFrom1899December30) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(1899, 12, 29), -1.0);     // continuous scale before the origin
    EXPECT_EQ(EncodeDate(1992, 10, 13), 33890.0);  // JD 2448908.5
    EXPECT_EQ(EncodeDate(2000, 3, 1) - EncodeDate(2000, 2, 28), 2.0);  // 2000 is a leap year
    EXPECT_EQ(EncodeDate(1900, 3, 1) - EncodeDate(1900, 2, 28), 1.0);  // 1900 is not
}

TEST(Instant, JulianDayAndCenturies) {
    EXPECT_DOUBLE_EQ(JulianDay(36526.0), 2451544.5);
    // 1900 January 0.5 = 1899-12-31 12:00 is JD 2415020.0, the origin of the centuries.
    EXPECT_DOUBLE_EQ(JulianCenturies1900(1.5), 0.0);
    EXPECT_DOUBLE_EQ(JulianCenturies1900(1.5 + 36525.0), 1.0);
}

TEST(Instant, DecodeRoundsToTheMillisecondFirst) {
    // 23:59:59.9996 rounds up into the next day.
    const DateTimeFields f = DecodeInstant(EncodeDate(2024, 12, 31) + (86399.9996 / 86400.0));
    EXPECT_EQ(f.year, 2025);
    EXPECT_EQ(f.month, 1);
    EXPECT_EQ(f.day, 1);
    EXPECT_EQ(f.hour, 0);
    EXPECT_EQ(f.second, 0);
    EXPECT_EQ(f.millisecond, 0);
    EXPECT_EQ(FormatInstant("dd/mm/yyyy hh:nn:ss", EncodeDate(2009, 1, 1) + 0.75),
              "01/01/2009 18:00:00");
}

TEST(Instant, DateAndTimeTexts) {
    EXPECT_EQ(ParseDateText("29/02/2024"), EncodeDate(2024, 2, 29));
    EXPECT_DOUBLE_EQ(ParseTimeText("18:30:00"), 0.5 + 6.5 / 24.0);
    EXPECT_EQ(ErrorOf([] { ParseDateText("29/02/2023"); }), "'29/02/2023' is not a valid date");
    EXPECT_EQ(ErrorOf([] { ParseDateText("hoy"); }), "'hoy' is not a valid date");
    EXPECT_EQ(ErrorOf([] { ParseTimeText("25:00:00"); }), "'25:00:00' is not a valid time");
}

TEST(ElementDate, CatalogDateWithFraction) {
    EXPECT_DOUBLE_EQ(ElementDateToInstant("1997 03 29.6335"), EncodeDate(1997, 3, 29) + 0.6335);
    EXPECT_EQ(ElementDateToInstant("2011 05 26.0"), EncodeDate(2011, 5, 26));
    EXPECT_EQ(ElementDateToInstant("2011 08 27."), EncodeDate(2011, 8, 27));  // lone point
    // Characters 5 and 8 are not examined.
    EXPECT_DOUBLE_EQ(ElementDateToInstant("2013-03-10.1677"), EncodeDate(2013, 3, 10) + 0.1677);
}

TEST(ElementDate, Failures) {
    EXPECT_NE(ErrorOf([] { ElementDateToInstant("2013 02 30.5"); }).find("is not a valid date"),
              std::string::npos);
    EXPECT_NE(ErrorOf([] { ElementDateToInstant("2013 13 01.0"); }).find("is not a valid date"),
              std::string::npos);
    // An empty fraction is not a number.
    EXPECT_EQ(ErrorOf([] { ElementDateToInstant("2013 03 10"); }),
              "'' is not a valid floating point value");
    EXPECT_EQ(ErrorOf([] { ElementDateToInstant("2013 03 10.5x"); }),
              "'.5x' is not a valid floating point value");
}

TEST(Time, UnixMillisecondsConvertToInstants) {
    struct Case {
        std::int64_t ms;
        Instant expected;
        const char* why;
    } cases[] = {
        {0, EncodeDate(1970, 1, 1), "the Unix epoch"},
        {86400000, EncodeDate(1970, 1, 2), "one day later"},
        {-2209161600000, 0, "the instants' day 0, 1899-12-30"},
        {1700000000000, EncodeDate(2023, 11, 14) + EncodeTime(22, 13, 20), "a clock reading"},
        {1700000000001, EncodeDate(2023, 11, 14) + EncodeTime(22, 13, 20, 1), "one millisecond"},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(InstantOfUnixMilliseconds(c.ms), c.expected, 1e-9) << c.why;
        const DateTimeFields got = DecodeInstant(InstantOfUnixMilliseconds(c.ms));
        const DateTimeFields want = DecodeInstant(c.expected);
        EXPECT_EQ(std::tie(got.year, got.month, got.day, got.hour, got.minute, got.second,
                           got.millisecond),
                  std::tie(want.year, want.month, want.day, want.hour, want.minute, want.second,
                           want.millisecond))
            << c.why;
    }
}
