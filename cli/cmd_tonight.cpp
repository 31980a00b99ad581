// vagaris-cli tonight: what can be observed in one night from one site, ranked. The same
// pure function as the tonight window; the text output is the window's saved text table.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <QtGlobal>
#include "catalogs/CatalogInfo.h"
#include "cli/Commands.h"
#include "cli/CommonOptions.h"
#include "core/Errors.h"
#include "core/Session.h"
#include "core/TextFile.h"
#include "core/TextForms.h"
#include "core/Time.h"
#include "core/precise/PreciseSession.h"
#include "outputs/tonight/TonightRanking.h"
#include "outputs/tonight/TonightTexts.h"
#include "shell/settings/Translations.h"

namespace {

using namespace vagaris;
namespace fs = std::filesystem;

constexpr cli::OptionSpec kOwnOptions[] = {
    {"--catalog", QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "un catálogo de elementos (se puede repetir; un nombre sin carpeta se busca también en la "
         "carpeta del programa)")},
    {"--all-catalogs", nullptr,
     QT_TRANSLATE_NOOP("CoreText", "los cinco catálogos juntos, cada objeto una vez")},
    {"--mpcorb", QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     QT_TRANSLATE_NOOP("CoreText", "el archivo MPCOrb.dat del MPC, leído sin cargarlo entero")},
    {"--date", QT_TRANSLATE_NOOP("CoreText", "dd/mm/yyyy"),
     QT_TRANSLATE_NOOP("CoreText", "la fecha de la noche (de mediodía local a mediodía local)")},
    {"--lat", QT_TRANSLATE_NOOP("CoreText", "GRADOS"),
     QT_TRANSLATE_NOOP("CoreText",
                       "latitud, norte positiva, -90 a +90 (por defecto, la de vagaris.ini)")},
    {"--lon", QT_TRANSLATE_NOOP("CoreText", "GRADOS"),
     QT_TRANSLATE_NOOP("CoreText",
                       "longitud, este positiva, -180 a +180 (por defecto, la de vagaris.ini)")},
    {"--alt", QT_TRANSLATE_NOOP("CoreText", "METROS"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "altura del observador, 0 a 9999, para el modelo preciso (por defecto, la de "
         "vagaris.ini)")},
    {"--twilight", QT_TRANSLATE_NOOP("CoreText", "astro|nautical|civil"),
     QT_TRANSLATE_NOOP("CoreText", "el Sol a -18°, -12° o -6° (por defecto astro)")},
    {"--mag", QT_TRANSLATE_NOOP("CoreText", "MAG"),
     QT_TRANSLATE_NOOP("CoreText", "magnitud límite, -30 a 40 (por defecto 14)")},
    {"--min-alt", QT_TRANSLATE_NOOP("CoreText", "GRADOS"),
     QT_TRANSLATE_NOOP("CoreText", "altura mínima, 0 a 90 (por defecto 15)")},
    {"--min-time", QT_TRANSLATE_NOOP("CoreText", "MINUTOS"),
     QT_TRANSLATE_NOOP("CoreText", "tiempo observable mínimo, 1 a 1440 (por defecto 30)")},
    {"--moon-sep", QT_TRANSLATE_NOOP("CoreText", "GRADOS"),
     QT_TRANSLATE_NOOP("CoreText",
                       "separación mínima de la Luna, 0 a 180; 0 la desactiva (por defecto 15)")},
    {"--moon-down", nullptr,
     QT_TRANSLATE_NOOP("CoreText", "solo mientras la Luna está bajo el horizonte")},
    {"--sort", QT_TRANSLATE_NOOP("CoreText", "mag|best|time|alt"),
     QT_TRANSLATE_NOOP("CoreText", "el orden de la lista (por defecto mag)")},
    {"--limit", QT_TRANSLATE_NOOP("CoreText", "N"),
     QT_TRANSLATE_NOOP("CoreText", "solo las N primeras filas")},
    {"--threads", QT_TRANSLATE_NOOP("CoreText", "N"),
     QT_TRANSLATE_NOOP("CoreText", "hilos de cálculo, 1 a 256 (por defecto, uno por procesador)")},
    {"--json", nullptr, QT_TRANSLATE_NOOP("CoreText", "la salida como un objeto JSON")},
    {"--csv", nullptr, QT_TRANSLATE_NOOP("CoreText", "la salida en CSV")},
    {"-o", QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     QT_TRANSLATE_NOOP("CoreText", "escribe la salida en el archivo (texto: Windows-1252, CR LF)")},
};

// A number option inside its range: a text that is not a number or a value outside the
// range is a usage error naming the option.
double RangedNumber(const cli::ParsedArgs& args, const std::string& name, double fallback,
                    double lo, double hi) {
    if (!args.has(name)) return fallback;
    const std::string text = args.value(name);
    double v;
    try {
        v = ParseFloat(text);
    } catch (const EConvertError&) {
        throw cli::UsageError(name + " espera un número: '" + text + "'");
    }
    if (v < lo || v > hi)
        throw cli::UsageError(name + " fuera de rango (" + FormatNumber("0;-0", lo) + " a " +
                              FormatNumber("0;-0", hi) + "): '" + text + "'");
    return v;
}

int RangedInteger(const cli::ParsedArgs& args, const std::string& name, int fallback, int lo,
                  int hi) {
    if (!args.has(name)) return fallback;
    const std::string text = args.value(name);
    int v;
    try {
        v = ParseInt(text);
    } catch (const EConvertError&) {
        throw cli::UsageError(name + " espera un número entero: '" + text + "'");
    }
    if (v < lo || v > hi)
        throw cli::UsageError(name + " fuera de rango (" + std::to_string(lo) + " a " +
                              std::to_string(hi) + "): '" + text + "'");
    return v;
}

// The site's coordinate: the option's text, else the settings' text. A text that does not
// convert is a failure (exit 1), a value outside the range a usage error (exit 2).
double SiteCoordinate(const cli::ParsedArgs& args, const std::string& name,
                      const std::string& settingsText, double limit) {
    const std::string text = args.has(name) ? args.value(name) : settingsText;
    double v;
    try {
        v = ParseFloat(text);
    } catch (const EConvertError&) {
        throw std::runtime_error(std::string(name == "--lat" ? "Latitud" : "Longitud") +
                                 " no válida: '" + text + "'");
    }
    if (v < -limit || v > limit) {
        const std::string range =
            "(" + FormatNumber("0", -limit) + " a " + FormatNumber("+0", limit) + ")";
        if (args.has(name))
            throw cli::UsageError(name + " fuera de rango " + range + ": '" + text + "'");
        throw std::runtime_error(std::string(name == "--lat" ? "Latitud" : "Longitud") +
                                 " fuera de rango " + range + ": '" + text + "'");
    }
    return v;
}

// A catalog named on the command line: as given, else in the program folder.
std::string CatalogPath(const std::string& given, const std::string& programDir) {
    std::error_code ec;
    const fs::path path = given;
    if (!fs::exists(path, ec) && path.is_relative() && !programDir.empty() &&
        fs::exists(fs::path(programDir) / path, ec))
        return (fs::path(programDir) / path).string();
    return given;
}

int Run(const cli::ParsedArgs& parsed) {
    const std::vector<std::string> catalogs = parsed.all("--catalog");
    if (!parsed.positional.empty())
        throw cli::UsageError("argumento no esperado: " + parsed.positional.front());
    const int sourceKinds = (catalogs.empty() ? 0 : 1) + (parsed.has("--all-catalogs") ? 1 : 0) +
                            (parsed.has("--mpcorb") ? 1 : 0);
    if (sourceKinds != 1)
        throw cli::UsageError("tonight: indique uno de --catalog, --all-catalogs o --mpcorb");
    if (!parsed.has("--date")) throw cli::UsageError("tonight: falta --date dd/mm/yyyy");
    if (parsed.has("--json") && parsed.has("--csv"))
        throw cli::UsageError("--json y --csv se excluyen");

    tonight::Request request;
    const std::string dateText = parsed.value("--date");
    try {
        request.date = ParseDateText(dateText);
    } catch (const EConvertError&) {
        throw cli::UsageError("--date espera dd/mm/yyyy: '" + dateText + "'");
    }
    if (parsed.has("--twilight")) {
        const auto limit = tonight::TwilightFromName(parsed.value("--twilight"));
        if (!limit)
            throw cli::UsageError("--twilight espera astro, nautical o civil: '" +
                                  parsed.value("--twilight") + "'");
        request.twilightLimit = *limit;
    }
    tonight::Limits& limits = request.limits;
    limits.magnitude = RangedNumber(parsed, "--mag", limits.magnitude, tonight::kMagnitudeMin,
                                    tonight::kMagnitudeMax);
    limits.minAltitudeDeg =
        RangedNumber(parsed, "--min-alt", limits.minAltitudeDeg, 0, tonight::kMinAltitudeMax);
    limits.minMinutes = RangedInteger(parsed, "--min-time", limits.minMinutes,
                                      tonight::kMinMinutesMin, tonight::kMinMinutesMax);
    limits.moonSeparationDeg = RangedNumber(parsed, "--moon-sep", limits.moonSeparationDeg, 0,
                                            tonight::kMoonSeparationMax);
    limits.moonDown = parsed.has("--moon-down");
    if (parsed.has("--sort")) {
        const auto key = tonight::SortKeyFromText(parsed.value("--sort"));
        if (!key)
            throw cli::UsageError("--sort espera mag, best, time o alt: '" +
                                  parsed.value("--sort") + "'");
        request.sort = *key;
    }
    std::optional<int> limit;
    if (parsed.has("--limit")) limit = RangedInteger(parsed, "--limit", 0, 0, 100000000);
    tonight::Options options;
    options.threads = RangedInteger(parsed, "--threads", 0, 1, 256);

    // The settings file gives the site when the options do not.
    Session session;
    cli::SetupSessionSettings(session, cli::ParsedArgs{});
    // The page's latitude is a sign and two digits: whole degrees.
    std::string latText = session.settings.Lat;
    request.latitudeDeg = SiteCoordinate(parsed, "--lat", latText, 90);
    request.longitudeDeg = SiteCoordinate(parsed, "--lon", session.settings.Lon, 180);
    cli::ApplyModelOptions(session.settings, parsed);
    request.precise = UsesPreciseModel(session.settings);
    request.geocentric = session.settings.GeocentricPlace;
    request.heightMetres = RangedInteger(parsed, "--alt", ParseInt(session.settings.Alt), 0, 9999);

    std::vector<tonight::Source> sources;
    if (parsed.has("--mpcorb")) {
        sources.push_back({parsed.value("--mpcorb"), tonight::Source::Kind::MpcOrb});
    } else if (parsed.has("--all-catalogs")) {
        for (const auto& c : kCatalogs)
            sources.push_back({session.ProgramDir + c.fileName, tonight::Source::Kind::Catalog});
        options.dedupe = true;
    } else {
        for (const auto& c : catalogs) {
            const std::string path = CatalogPath(c, session.ProgramDir);
            std::error_code ec;
            if (!fs::is_regular_file(path, ec))
                throw std::runtime_error("No se puede leer " + path);
            sources.push_back({path, tonight::Source::Kind::Catalog});
        }
    }

    const tonight::Result result = tonight::RankTonight(request, sources, options);

    const bool toFile = parsed.has("-o");
    if (parsed.has("--json")) {
        const std::string json = tonight::JsonText(result, limit);
        if (toFile)
            WriteFileAtomically(parsed.value("-o"), json + "\n");
        else
            cli::PrintLines({json});
    } else if (parsed.has("--csv")) {
        const std::string csv = tonight::CsvText(result, limit);
        if (toFile)
            WriteFileAtomically(parsed.value("-o"), csv);
        else
            std::fwrite(csv.data(), 1, csv.size(), stdout);
    } else {
        const auto lines = tonight::TableLines(result, limit, TrCoreUtf8);
        if (toFile)
            WriteFileAtomically(parsed.value("-o"), EncodeTextFile(lines));
        else
            cli::PrintLines(lines);
    }
    return 0;
}

}  // namespace

const cli::CommandSpec vagaris::cli::kTonightCommand = {
    "tonight",
    QT_TRANSLATE_NOOP(
        "CoreText",
        "qué se puede observar una noche desde un lugar: los objetos de un catálogo ordenados, "
        "con su ventana de observación y su mejor momento"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "(--catalog ARCHIVO [--catalog ARCHIVO ...] | --all-catalogs | --mpcorb ARCHIVO)\n"
        "--date dd/mm/yyyy [--lat GRADOS] [--lon GRADOS] [--twilight astro|nautical|civil]\n"
        "[--mag MAG] [--min-alt GRADOS] [--min-time MINUTOS] [--moon-sep GRADOS] [--moon-down]\n"
        "[--sort mag|best|time|alt] [--limit N] [--threads N] [--json | --csv] [-o ARCHIVO]\n"
        "[--alt METROS] [--model standard|precise] [--geocentric]"),
    {kOwnOptions, cli::kModelOptions},
    "vagaris-cli tonight --catalog CometsCR.dat --date 21/11/2025 --lat +40 --lon -3.7 --sort best",
    Run,
};
