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
#include "cli/CatalogLookup.h"
#include "cli/CliText.h"
#include "cli/Commands.h"
#include "cli/CommonOptions.h"
#include "core/Errors.h"
#include "core/Session.h"
#include "core/TextFile.h"
#include "core/TextForms.h"
#include "core/Time.h"
#include "core/precise/PreciseSession.h"
#include "outputs/tonight/TonightRanking.h"
#include "outputs/tonight/TonightRequest.h"
#include "outputs/tonight/TonightTexts.h"
#include "translations/Translations.h"

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

// The text table's columns, for the help and the manual page; the window's column headers say
// the same in their tooltips.
constexpr cli::OutputItem kOutput[] = {
    {nullptr,
     QT_TRANSLATE_NOOP(
         "CoreText",
         "El texto es una cabecera (la noche, el lugar, la oscuridad, la Luna, los límites y las "
         "cuentas) y una tabla, una fila por objeto en el orden de --sort, con estas columnas:")},
    {"N", QT_TRANSLATE_NOOP("CoreText",
                            "el número del objeto en su catálogo, desde 0 (el de --object en las "
                            "otras órdenes y su lugar en las listas de objetos de la ventana); "
                            "vacío para MPCOrb.dat")},
    {"OBJETO", QT_TRANSLATE_NOOP("CoreText", "el nombre del objeto")},
    {"CATALOGO",
     QT_TRANSLATE_NOOP("CoreText", "el catálogo del que viene (solo con varios catálogos)")},
    {"MAG", QT_TRANSLATE_NOOP("CoreText", "la magnitud en el mejor momento")},
    {"INICIO", QT_TRANSLATE_NOOP("CoreText", "el primer minuto observable (T.U.)")},
    {"FIN", QT_TRANSLATE_NOOP("CoreText", "el último minuto observable (T.U.)")},
    {"HORAS", QT_TRANSLATE_NOOP("CoreText", "el tiempo observable (horas:minutos)")},
    {"MEJOR", QT_TRANSLATE_NOOP("CoreText",
                                "el mejor momento (T.U.): el de mayor altura mientras es "
                                "observable")},
    {"ALT", QT_TRANSLATE_NOOP("CoreText", "la altura en el mejor momento [°]")},
    {"AZ", QT_TRANSLATE_NOOP("CoreText",
                             "el acimut en el mejor momento, desde el norte hacia el este [°]")},
    {"ELN", QT_TRANSLATE_NOOP("CoreText", "la elongación, la distancia angular al Sol [°]")},
    {"D(UA)", QT_TRANSLATE_NOOP("CoreText", "la distancia a la Tierra [UA]")},
    {"R(UA)", QT_TRANSLATE_NOOP("CoreText", "la distancia al Sol [UA]")},
    {"\"/MIN", QT_TRANSLATE_NOOP("CoreText", "el movimiento aparente [\"/min]")},
    {"AP", QT_TRANSLATE_NOOP("CoreText",
                             "el ángulo de posición del movimiento aparente, desde el norte "
                             "hacia el este [°]")},
    {"LUNA", QT_TRANSLATE_NOOP("CoreText", "la separación de la Luna en el mejor momento [°]")},
    {"EDAD", QT_TRANSLATE_NOOP("CoreText",
                               "asteroides: los días desde la época de los elementos hasta el "
                               "mejor momento")},
    {"PERIH", QT_TRANSLATE_NOOP("CoreText",
                                "cometas: los días desde el perihelio hasta el mejor momento "
                                "(negativos antes del perihelio)")},
    {nullptr,
     QT_TRANSLATE_NOOP(
         "CoreText",
         "Un * tras EDAD o PERIH marca más de 200 días y ** más de 1000 (la ventana los pinta en "
         "ámbar y en rojo): elementos viejos, y la posición calculada puede estar lejos de la "
         "real. --json y --csv dan los mismos valores sin redondear, con sus nombres de clave.")},
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
        throw cli::UsageError(
            cli::Say(QT_TRANSLATE_NOOP("CoreText", "%1 espera un número: '%2'"), {name, text}));
    }
    if (v < lo || v > hi)
        throw cli::UsageError(
            cli::Say(QT_TRANSLATE_NOOP("CoreText", "%1 fuera de rango (%2 a %3): '%4'"),
                     {name, FormatNumber("0;-0", lo), FormatNumber("0;-0", hi), text}));
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
        throw cli::UsageError(cli::Say(
            QT_TRANSLATE_NOOP("CoreText", "%1 espera un número entero: '%2'"), {name, text}));
    }
    if (v < lo || v > hi)
        throw cli::UsageError(
            cli::Say(QT_TRANSLATE_NOOP("CoreText", "%1 fuera de rango (%2 a %3): '%4'"),
                     {name, std::to_string(lo), std::to_string(hi), text}));
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
        throw std::runtime_error(
            name == "--lat"
                ? cli::Say(QT_TRANSLATE_NOOP("CoreText", "Latitud no válida: '%1'"), {text})
                : cli::Say(QT_TRANSLATE_NOOP("CoreText", "Longitud no válida: '%1'"), {text}));
    }
    if (v < -limit || v > limit) {
        const std::string low = FormatNumber("0", -limit), high = FormatNumber("+0", limit);
        if (args.has(name))
            throw cli::UsageError(
                cli::Say(QT_TRANSLATE_NOOP("CoreText", "%1 fuera de rango (%2 a %3): '%4'"),
                         {name, low, high, text}));
        throw std::runtime_error(
            name == "--lat"
                ? cli::Say(QT_TRANSLATE_NOOP("CoreText", "Latitud fuera de rango (%1 a %2): '%3'"),
                           {low, high, text})
                : cli::Say(QT_TRANSLATE_NOOP("CoreText", "Longitud fuera de rango (%1 a %2): '%3'"),
                           {low, high, text}));
    }
    return v;
}

int Run(const cli::ParsedArgs& parsed) {
    const std::vector<std::string> catalogs = parsed.all("--catalog");
    if (!parsed.positional.empty())
        throw cli::UsageError(cli::Say(QT_TRANSLATE_NOOP("CoreText", "argumento no esperado: %1"),
                                       {parsed.positional.front()}));
    const int sourceKinds = (catalogs.empty() ? 0 : 1) + (parsed.has("--all-catalogs") ? 1 : 0) +
                            (parsed.has("--mpcorb") ? 1 : 0);
    if (sourceKinds != 1)
        throw cli::UsageError(cli::Say(QT_TRANSLATE_NOOP(
            "CoreText", "tonight: indique uno de --catalog, --all-catalogs o --mpcorb")));
    if (!parsed.has("--date"))
        throw cli::UsageError(
            cli::Say(QT_TRANSLATE_NOOP("CoreText", "tonight: falta --date dd/mm/yyyy")));
    if (parsed.has("--json") && parsed.has("--csv"))
        throw cli::UsageError(
            cli::Say(QT_TRANSLATE_NOOP("CoreText", "%1 y %2 se excluyen"), {"--json", "--csv"}));

    tonight::Request request;
    const std::string dateText = parsed.value("--date");
    try {
        request.date = ParseDateText(dateText);
    } catch (const EConvertError&) {
        throw cli::UsageError(
            cli::Say(QT_TRANSLATE_NOOP("CoreText", "--date espera dd/mm/yyyy: '%1'"), {dateText}));
    }
    if (parsed.has("--twilight")) {
        const auto limit = tonight::TwilightFromName(parsed.value("--twilight"));
        if (!limit)
            throw cli::UsageError(cli::Say(
                QT_TRANSLATE_NOOP("CoreText", "--twilight espera astro, nautical o civil: '%1'"),
                {parsed.value("--twilight")}));
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
            throw cli::UsageError(
                cli::Say(QT_TRANSLATE_NOOP("CoreText", "--sort espera mag, best, time o alt: '%1'"),
                         {parsed.value("--sort")}));
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
    const double latitude = SiteCoordinate(parsed, "--lat", latText, 90);
    const double longitude = SiteCoordinate(parsed, "--lon", session.settings.Lon, 180);
    cli::ApplyModelOptions(session.settings, parsed);
    Observer observer = ModelChoiceOf(session.settings);
    observer.latitudeDeg = latitude;
    observer.longitudeDeg = longitude;
    observer.heightMetres = RangedInteger(parsed, "--alt", ParseInt(session.settings.Alt), 0, 9999);
    tonight::SetObserver(request, observer);

    std::vector<tonight::Source> sources;
    if (parsed.has("--mpcorb")) {
        sources.push_back({parsed.value("--mpcorb"), tonight::Source::Kind::MpcOrb});
    } else if (parsed.has("--all-catalogs")) {
        sources = tonight::FiveCatalogSources(session.ProgramDir);
        options.dedupe = true;
    } else {
        // Only a missing file is told here, saying where it was looked for: a FIFO or a
        // device is refused by the reader, on the opened file, with its reason.
        for (const auto& c : catalogs)
            sources.push_back(
                {cli::FindCatalogFile(c, session.ProgramDir), tonight::Source::Kind::Catalog});
    }

    const tonight::Result result = tonight::RankTonight(request, sources, options);
    // None of the five catalogs there: a list of nothing would look like an empty sky.
    if (parsed.has("--all-catalogs") && result.missing.size() == kCatalogs.size()) {
        std::string names;
        for (std::size_t k = 0; k < result.missing.size(); ++k)
            names += (k > 0 ? ", " : "") + result.missing[k];
        throw std::runtime_error(
            cli::Say(QT_TRANSLATE_NOOP("CoreText", "No hay catálogos en %1: faltan %2"),
                     {session.ProgramDir, names}) +
            cli::SamplesNote());
    }

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
        "[--alt METROS] [--model standard|precise] [--geocentric] [--two-body]"),
    {kOwnOptions, cli::kModelOptions},
    "vagaris-cli tonight --catalog CometsCR.dat --date 21/11/2025 --lat +40 --lon -3.7 --sort best",
    Run,
    false,
    nullptr,
    kOutput,
};
