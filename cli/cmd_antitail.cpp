// vagaris-cli antitail --catalog FILE --year YYYY [-o FILE]
// The anti-tail list of the comet catalog FILE for one year: printed, or written as the page
// saves it (CR LF, Windows-1252).
#include "catalogs/LineFormats.h"
#include "cli/CommonOptions.h"
#include "core/TextFile.h"
#include "core/TextForms.h"
#include "outputs/antitail/AntiTailSearch.h"

int RunAntitail(const CliArgList& args) {
    using namespace vagaris;
    using namespace vagaris::cli;
    return RunGuarded([&] {
        const ParsedArgs parsed = ParseArgs(args, {"--catalog", "--year", "-o"}, {});
        if (!parsed.positional.empty())
            throw UsageError("argumento inesperado: " + parsed.positional.front());
        if (!parsed.has("--catalog") || !parsed.has("--year"))
            throw UsageError("uso: vagaris-cli antitail --catalog FILE --year YYYY [-o FILE]");
        int year = 0;
        try {
            year = ParseInt(parsed.value("--year"));
        } catch (const std::exception& e) {
            throw UsageError(e.what());
        }
        if (year < 1000 || year > 3000) throw UsageError("--year: entre 1000 y 3000");

        const auto lines = ReadCatalogLines(parsed.value("--catalog"));
        const AntiTailListing listing = AntiTailList(lines, year);
        if (parsed.has("-o"))
            WriteFileAtomically(parsed.value("-o"), EncodeTextFile(listing.lines));
        else
            PrintLines(listing.lines);
        return 0;
    });
}
