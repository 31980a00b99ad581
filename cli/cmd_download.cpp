// vagaris-cli download comets|neos|critical|distant|bright|all: the catalogs into ProgramDir,
// with the progress on the terminal. SIGTERM and SIGINT stop it cleanly.
#include <array>
#include <string>
#include <vector>

#include <QtGlobal>
#include "catalogs/CatalogInfo.h"
#include "catalogs/download/DownloadPlan.h"
#include "cli/CliText.h"
#include "cli/CommonOptions.h"
#include "cli/OptionValues.h"
#include "cli/Plugins.h"

namespace {

using namespace vagaris;

// Command-line names, in the order of the catalogs.
constexpr std::array<const char*, 5> kCliNames{"comets", "neos", "critical", "distant", "bright"};

constexpr int kMaxTimeoutSeconds = 86400;

constexpr cli::OptionSpec kDownloadOptions[] = {
    {.name = "--timeout",
     .value = QT_TRANSLATE_NOOP("CoreText", "SEG"),
     .help = QT_TRANSLATE_NOOP("CoreText",
                               "el tiempo máximo de la descarga de cada catálogo, %r s (%d)"),
     .kind = cli::OptionKind::Integer,
     .min = 1,
     .max = kMaxTimeoutSeconds,
     .rangeNote = cli::kRangeFromTo,
     .fallback = "1800",  // kDefaultTransferSeconds
     .defaultNote = cli::kDefaultIs},
    {.name = "--idle-timeout",
     .value = QT_TRANSLATE_NOOP("CoreText", "SEG"),
     .help = QT_TRANSLATE_NOOP("CoreText",
                               "cuánto se espera a un servidor que no envía nada, %r s (%d)"),
     .kind = cli::OptionKind::Integer,
     .min = 1,
     .max = kMaxTimeoutSeconds,
     .rangeNote = cli::kRangeFromTo,
     .fallback = "60",  // kDefaultIdleSeconds
     .defaultNote = cli::kDefaultIs},
};

std::vector<int> CatalogsNamed(const std::string& name) {
    if (name == "all") return {0, 1, 2, 3, 4};
    for (std::size_t k = 0; k < kCliNames.size(); ++k)
        if (name == kCliNames[k]) return {int(k)};
    throw cli::UsageError(cli::Say(
        QT_TRANSLATE_NOOP("CoreText",
                          "download: catálogo desconocido '%1' (comets, neos, critical, distant, "
                          "bright o all)"),
        {name}));
}

int Run(const cli::ParsedArgs& parsed) {
    if (parsed.positional.empty())
        throw cli::UsageError(
            cli::Say(QT_TRANSLATE_NOOP("CoreText", "download: falta el catálogo")));
    if (parsed.positional.size() > 1)
        throw cli::UsageError(
            cli::Say(QT_TRANSLATE_NOOP("CoreText", "download: un solo catálogo cada vez, o all")));
    const auto catalogs = CatalogsNamed(parsed.positional[0]);
    const int transferSeconds = cli::IntegerOrDefault(parsed, "--timeout");
    const int idleSeconds = cli::IntegerOrDefault(parsed, "--idle-timeout");
    Session session;
    cli::SetupSessionSettings(session, parsed);
    cli::DownloadRequest request;
    request.catalogs = catalogs;
    request.transferSeconds = transferSeconds;
    request.idleSeconds = idleSeconds;
    request.programDir = session.ProgramDir;
    request.year = YearOfInstant(session.Now());
    return cli::DownloadCatalogs(request);
}

}  // namespace

const cli::CommandSpec vagaris::cli::kDownloadCommand = {
    "download",
    QT_TRANSLATE_NOOP(
        "CoreText",
        "descarga los catálogos del Minor Planet Center a la carpeta del programa: la página "
        "Descarga de archivos"),
    QT_TRANSLATE_NOOP("CoreText", "comets|neos|critical|distant|bright|all"),
    {kDownloadOptions},
    "vagaris-cli download all",
    Run,
    false,
    QT_TRANSLATE_NOOP(
        "CoreText",
        "el catálogo: comets (CometsCR.dat), neos (NeosAndUnusualCR.dat), critical "
        "(CriticalListCR.dat), distant (DistantObjectsCR.dat), bright (BrightMinorPlanetsCR.dat) o "
        "all (los cinco). El progreso se muestra en la salida de "
        "errores. Una descarga que pasa de 64 MB, de --timeout o de --idle-timeout se detiene "
        "con un mensaje; SIGTERM o SIGINT la detienen sin dejar archivos temporales, y el "
        "código de salida es entonces 128 más la señal (143, 130)."),
};
