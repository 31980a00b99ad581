// Every line of the bundled catalogs, and every cut-short prefix of two of them, either
// computes finite circumstances or fails with a conversion message: nothing hangs, nothing
// crashes, no NaN reaches the record.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "catalogs/LineFormats.h"
#include "core/Circumstances.h"
#include "core/Errors.h"
#include "core/Session.h"
#include "core/Time.h"
#include "support/FiniteCircumstances.h"

using namespace vagaris;

namespace {

using vagaris::test::AllFinite;

// Computes one line; returns "ok", or the failure message.
std::string Evaluate(const std::string& line, char kind, Instant t) {
    Session s;
    s.clock = [] { return 0.0; };
    s.CurrentInstant = t;
    s.Elements = kind == 'C' ? ParseCometLine(line) : ParseMinorPlanetLine(line);
    try {
        if (!ComputeCircumstances(s, CircumstanceMode::R)) return "no object";
        const SelectionTexts texts = SelectionPageTexts(s);
        if (texts.error) return *texts.error;
    } catch (const EConvertError& e) {
        return e.what();
    }
    return AllFinite(s.Circumstances) ? "ok" : "non-finite";
}

struct CatalogCase {
    const char* file;
    char kind;
};

}  // namespace

TEST(SampleCatalogs, EveryLineComputesAtTwoInstants) {
    const CatalogCase cases[] = {{"CometsCR.dat", 'C'},
                                 {"NeosAndUnusualCR.dat", 'A'},
                                 {"CriticalListCR.dat", 'A'},
                                 {"DistantObjectsCR.dat", 'A'},
                                 {"BrightMinorPlanetsCR.dat", 'A'}};
    for (const auto& c : cases) {
        const auto lines = ReadCatalogLines(std::string(VAGARIS_SAMPLES_DIR) + "/" + c.file);
        ASSERT_FALSE(lines.empty()) << c.file;
        // The samples are real element sets: every one of them must compute, far from its
        // epoch too (hyperbolic comets decades after perihelion included).
        for (std::size_t k = 0; k < lines.size(); ++k)
            for (Instant t : {EncodeDate(2026, 1, 15) + 0.3, EncodeDate(1990, 7, 1)})
                EXPECT_EQ(Evaluate(lines[k], c.kind, t), "ok") << c.file << " line " << k + 1;
    }
}

TEST(SampleCatalogs, CutShortLinesNeverHang) {
    const std::string comet =
        "C/1995 O1 (Hale-Bopp)                          1997 03 29.0299  0.922046       0.994905 "
        "130.6979 281.7618  89.7572   -2.0   4.0";
    const std::string minor =
        "(1) Ceres                                      2025 11 21.0 231.5397  2.76562  0.079576  "
        "73.2997  80.2496  10.5879  3.35   0.15";
    for (std::size_t n = 0; n <= comet.size(); ++n)
        EXPECT_NE(Evaluate(comet.substr(0, n), 'C', EncodeDate(1997, 4, 1)), "non-finite") << n;
    for (std::size_t n = 0; n <= minor.size(); ++n)
        EXPECT_NE(Evaluate(minor.substr(0, n), 'A', EncodeDate(2025, 11, 21)), "non-finite") << n;
    // The other layout's line in each parser.
    EXPECT_NE(Evaluate(minor, 'C', EncodeDate(2025, 11, 21)), "non-finite");
    EXPECT_NE(Evaluate(comet, 'A', EncodeDate(1997, 4, 1)), "non-finite");
}
