// The exit checks of the date and time boxes.
#include <gtest/gtest.h>

#include "core/DateTimeBoxes.h"

using vagaris::IsValidDateBoxText;
using vagaris::IsValidTimeBoxText;

TEST(DateBoxCheck, AcceptsExistingDatesOnly) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"29/02/2012", true},  {"29/02/2011", false}, {"29/02/2000", true},  {"29/02/1900", false},
        {"31/04/2024", false}, {"30/04/2024", true},  {"00/01/2024", false}, {"01/13/2024", false},
        {"01/00/2024", false}, {"31/12/9999", true},  {"01/01/0000", false}, {"  /01/2024", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidDateBoxText(c.text), c.valid) << c.text;
}

TEST(TimeBoxCheck, AcceptsClockTimesAndMidnightOfTheNextDay) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"00:00:00", true},  {"23:59:59", true},  {"24:00:00", true},  {"24:00:01", false},
        {"24:01:00", false}, {"23:60:00", false}, {"12:00:60", false}, {"  :00:00", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidTimeBoxText(c.text), c.valid) << c.text;
}
