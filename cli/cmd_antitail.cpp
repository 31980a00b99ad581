// vagaris-cli antitail --catalog FILE --year YYYY [-o FILE]
// The anti-tail list of the comet catalog FILE for one year: printed, or written as the page
// saves it (CR LF, Windows-1252).
#include <QtGlobal>
#include "catalogs/LineFormats.h"
#include "cli/CatalogLookup.h"
#include "cli/CliText.h"
#include "cli/CommonOptions.h"
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
    {"--catalog", QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     QT_TRANSLATE_NOOP("CoreText", "catálogo de cometas en el formato del MPC. Obligatoria.")},
    {"--year", QT_TRANSLATE_NOOP("CoreText", "AAAA"),
     QT_TRANSLATE_NOOP("CoreText", "el año de la búsqueda, de 1000 a 3000. Obligatoria.")},
    {"-o", QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "escribe la lista en ARCHIVO como la guarda la página (CR LF, Windows-1252) en lugar de "
         "mostrarla (por defecto, en la salida estándar)")},
};

int Run(const ParsedArgs& parsed) {
    if (!parsed.positional.empty())
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "argumento inesperado: %1"),
                             {parsed.positional.front()}));
    if (!parsed.has("--catalog"))
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "falta --catalog ARCHIVO")));
    if (!parsed.has("--year"))
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "falta --year AAAA")));
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
    } else if (year < 1000 || year > 3000) {
        throw UsageError(
            Say(QT_TRANSLATE_NOOP("CoreText", "--year fuera de rango (1000 a 3000): '%1'"),
                {parsed.value("--year")}));
    }

    const auto lines =
        ReadCatalogLines(FindCatalogFile(parsed.value("--catalog"), session.ProgramDir));
    const AntiTailListing listing =
        AntiTailList(lines, year, ObserverFromSettings(session.settings), TrCoreUtf8);
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
