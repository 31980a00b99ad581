// Whether a downloaded body may replace a catalog: the sample catalogs pass, and the answers
// that once replaced a good catalog (an empty body, an HTML error page, a body cut short) do
// not.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogs/CatalogInfo.h"
#include "catalogs/CatalogPlausibility.h"
#include "support/FileBytes.h"
#include "support/SampleLines.h"

using namespace vagaris;

namespace {

const std::string& kHaleBopp = vagaris::test::kHaleBoppLine;
const std::string& kCeres = vagaris::test::kCeresLine;

std::string Repeat(const std::string& line, int times, const char* end = "\r\n") {
    std::string out;
    for (int k = 0; k < times; ++k) out += line + end;
    return out;
}

}  // namespace

TEST(CatalogPlausibility, EverySampleCatalogPassesWithItsLayout) {
    for (const auto& catalog : kCatalogs) {
        SCOPED_TRACE(catalog.fileName);
        const std::string bytes =
            vagaris::test::ReadBytes(std::string(VAGARIS_SAMPLES_DIR) + "/" + catalog.fileName);
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(CatalogPlausibilityProblem(bytes, catalog.kind), std::nullopt);
        // Received in pieces of any size, the verdict is the same.
        for (std::size_t piece : {1u, 7u, 4096u}) {
            CatalogPlausibility check(catalog.kind);
            for (std::size_t at = 0; at < bytes.size(); at += piece)
                check.feed(std::string_view(bytes).substr(at, piece));
            EXPECT_EQ(check.problem(), std::nullopt) << piece;
        }
    }
}

TEST(CatalogPlausibility, BodiesThatAreNotACatalogAreRefusedWithTheReason) {
    struct Case {
        const char* what;
        std::string body;
        char kind;
        std::string problem;  // "" = accepted
    };
    const std::string comets = Repeat(kHaleBopp, 10);
    const std::vector<Case> cases = {
        {"empty body", "", 'C', "el servidor envió un archivo vacío"},
        {"only blank lines", "\r\n  \r\n\n", 'A', "el servidor envió un archivo vacío"},
        {"HTML error page",
         "<!DOCTYPE html>\n<html><body><h1>Service Unavailable</h1></body></html>\n", 'C',
         "el servidor envió una página web en lugar del catálogo"},
        {"cut in the last line", comets.substr(0, comets.size() - 20), 'C',
         "el archivo llegó cortado (su última línea no termina)"},
        {"cut right after a line's CR", comets.substr(0, comets.size() - 1), 'C', ""},
        {"LF line ends", Repeat(kHaleBopp, 3, "\n"), 'C', ""},
        {"comet lines as minor planets", comets, 'A',
         "el archivo no es un catálogo de asteroides (solo 0 de 10 líneas se leen)"},
        {"minor planets as comets", Repeat(kCeres, 4), 'C',
         "el archivo no es un catálogo de cometas (solo 0 de 4 líneas se leen)"},
        {"plain text", "Please try again later.\n", 'A',
         "el archivo no es un catálogo de asteroides (solo 0 de 1 líneas se leen)"},
        // 90 % of the non-blank lines must read; blank lines do not count.
        {"9 of 10 lines read", Repeat(kCeres, 9) + "a note\r\n\r\n", 'A', ""},
        {"17 of 20 lines read", Repeat(kCeres, 17) + Repeat("x", 3), 'A',
         "el archivo no es un catálogo de asteroides (solo 17 de 20 líneas se leen)"},
        {"a line of a megabyte", Repeat(kCeres, 1) + std::string(1 << 20, '7') + "\n", 'A',
         "el archivo no es un catálogo de asteroides (solo 1 de 2 líneas se leen)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto problem = CatalogPlausibilityProblem(c.body, c.kind);
        EXPECT_EQ(problem ? problem->text() : "", c.problem);
    }
}
