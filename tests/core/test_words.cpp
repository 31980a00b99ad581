// The pure layouts' words: patterns filled in any order, and fixed-width headings whose
// translated words stay over their columns while the Spanish heading comes back byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "core/Words.h"

namespace {

using namespace vagaris;

std::string English(const char* spanish) {
    const std::string s = spanish;
    if (s == "T.U.") return "UT";
    if (s == "AF") return "PHA";  // longer: takes the column's free cells
    if (s == "FECHA TU") return "DATE UT";
    if (s == "COMETA") return "COMET";
    if (s == "%1 a %2") return "%2 <- %1";
    return s;
}

TEST(Words, PatternsTakeTheirArgumentsInAnyOrder) {
    EXPECT_EQ(FillPattern("%1 a %2", {"a", "b"}), "a a b");
    EXPECT_EQ(FillPattern(English("%1 a %2"), {"a", "b"}), "b <- a");
    EXPECT_EQ(FillPattern("Luna: %1%", {"6"}), "Luna: 6%");  // a lone % stays
    EXPECT_EQ(FillPattern("%3", {"x"}), "%3");               // no such argument
}

TEST(Words, HeadingsKeepTheirColumns) {
    const struct {
        const char* heading;
        const char* separator;
        const char* english;
    } cases[] = {
        // Left-aligned words; the last one runs past its dashes' start and has no blanks after.
        {"N    FECHA TU           AF   MAG   COMETA",
         "---  -----------------  ---  ----  -----------------------------",
         "N    DATE UT            PHA  MAG   COMET"},
        // Right-aligned words, trailing blanks kept: a longer word grows to the left.
        {"T.U.               MAG   AF  ", "-----------------  ----  ---  ",
         "UT                 MAG   PHA  "},
        // A word off both edges of its column keeps its place when the length is the same.
        {"  AP   ", "-----  ", "  AP   "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TranslatedHeading(c.heading, c.separator, SpanishWords), c.heading);
        EXPECT_EQ(TranslatedHeading(c.heading, c.separator, English), c.english) << c.heading;
    }
}

}  // namespace
