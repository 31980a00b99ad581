// vagaris-cli antitail --catalog FILE --year YYYY [-o FILE]
// The anti-tail list of the comet catalog FILE for one year: printed, or written as the page
// saves it (CR LF, Windows-1252).
#include <QtGlobal>
#include "catalogs/LineFormats.h"
#include "cli/CliText.h"
#include "cli/CommonOptions.h"
#include "cli/OptionValues.h"
#include "core/Errors.h"
#include "core/TextFile.h"
#include "core/TextForms.h"
#include "core/precise/PreciseSession.h"
#include "outputs/antitail/AntiTailSearch.h"
#include "translations/Translations.h"

namespace {

using namespace vagaris;
using namespace vagaris::cli;

constexpr OptionSpec kOptions[] = {
    {.name = "--catalog",
     .value = QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     .help = QT_TRANSLATE_NOOP("CoreText", "catálogo de cometas en el formato del MPC."),
     .required = true},
    // The standard model's years; the precise model takes its own.
    {.name = "--year",
     .value = QT_TRANSLATE_NOOP("CoreText", "AAAA"),
     .help = QT_TRANSLATE_NOOP("CoreText", "el año de la búsqueda, %r."),
     .kind = OptionKind::Integer,
     .min = 1000,
     .max = 3000,
     .rangeNote = kRangeFromTo,
     .required = true},
    {.name = "-o",
     .value = QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText",
         "escribe la lista en ARCHIVO como la guarda la página (CR LF, Windows-1252) en lugar de "
         "mostrarla (%d)"),
     .defaultNote = kDefaultToStandardOutput},
};

int Run(const ParsedArgs& parsed) {
    RequireOption(parsed, "--catalog");
    RequireOption(parsed, "--year");
    int year = 0;
    try {
        year = ParseInt(parsed.value("--year"));
    } catch (const EConvertError&) {
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "--year espera un año: '%1'"),
                             {parsed.value("--year")}));
    }

    // The model (and, for the precise one, the site) from vagaris.ini and the options.
    Session session;
    SetupSessionSettings(session, ParsedArgs{});
    ApplyModelOptions(session.settings, parsed);
    // The precise model computes its own years only: another is refused before the catalog
    // is read, with the model's message; the standard model takes the option's range.
    if (UsesPreciseModel(session.settings)) {
        if (year < kPreciseFirstYear || year > kPreciseLastYear)
            throw EConvertError(kPreciseRangeMessage);
    } else {
        year = *IntegerOption(parsed, "--year");
    }

    const auto lines = ReadCatalogLines(CatalogPath(session, parsed.value("--catalog")));
    const AntiTailListing listing =
        AntiTailList(lines, year, OptionsObserver(session, parsed), TrCoreUtf8);
    if (parsed.has("-o"))
        WriteFileAtomically(parsed.value("-o"), EncodeTextFile(listing.lines));
    else
        PrintLines(listing.lines);
    return 0;
}

}  // namespace

const CommandSpec vagaris::cli::kAntitailCommand = {
    "antitail",
    QT_TRANSLATE_NOOP(
        "CoreText",
        "los cometas de un catálogo que pueden mostrar anticola en un año: la página Anticola?"),
    QT_TRANSLATE_NOOP("CoreText",
                      "--catalog ARCHIVO --year AAAA [-o ARCHIVO]\n[--model standard|precise] "
                      "[--geocentric] [--two-body]"),
    {kOptions, kModelOptions},
    "vagaris-cli antitail --catalog CometsCR.dat --year 2024 -o anticola2024.txt",
    Run,
};
