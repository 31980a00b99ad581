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
#include "cli/OptionValues.h"
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

using cli::OptionKind;

constexpr cli::OptionSpec kOwnOptions[] = {
    {.name = "--catalog",
     .value = QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText",
         "un catálogo de elementos (se puede repetir; un nombre sin carpeta se busca también en la "
         "carpeta del programa)")},
    {.name = "--all-catalogs",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "los cinco catálogos juntos, cada objeto una vez"),
     .kind = OptionKind::Flag},
    {.name = "--mpcorb",
     .value = QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     .help =
         QT_TRANSLATE_NOOP("CoreText", "el archivo MPCOrb.dat del MPC, leído sin cargarlo entero")},
    {.name = "--date",
     .value = QT_TRANSLATE_NOOP("CoreText", "dd/mm/yyyy"),
     .help =
         QT_TRANSLATE_NOOP("CoreText", "la fecha de la noche (de mediodía local a mediodía local)"),
     .kind = OptionKind::Date},
    cli::kLatitudeOption,
    {.name = "--lon",
     .value = QT_TRANSLATE_NOOP("CoreText", "GRADOS"),
     .help = QT_TRANSLATE_NOOP("CoreText", "longitud, este positiva, %r (%d)"),
     .kind = OptionKind::Real,
     .min = -180,
     .max = 180,
     .rangeNote = cli::kRangeTo,
     .numberForm = "+0;-0",
     .defaultNote = cli::kDefaultFromSettings},
    {.name = "--alt",
     .value = QT_TRANSLATE_NOOP("CoreText", "METROS"),
     .help =
         QT_TRANSLATE_NOOP("CoreText", "altura del observador, %r, para el modelo preciso (%d)"),
     .kind = OptionKind::Integer,
     .min = 0,
     .max = 9999,
     .rangeNote = cli::kRangeTo,
     .defaultNote = cli::kDefaultFromSettings},
    {.name = "--twilight",
     .value = QT_TRANSLATE_NOOP("CoreText", "astro|nautical|civil"),
     .help = QT_TRANSLATE_NOOP("CoreText", "el Sol a -18°, -12° o -6° (%d)"),
     .kind = OptionKind::Choice,
     .choices = "astro|nautical|civil",
     .fallback = "astro",
     .defaultNote = cli::kDefaultIs},
    {.name = "--mag",
     .value = QT_TRANSLATE_NOOP("CoreText", "MAG"),
     .help = QT_TRANSLATE_NOOP("CoreText", "magnitud límite, %r (%d)"),
     .kind = OptionKind::Real,
     .min = tonight::kMagnitudeMin,
     .max = tonight::kMagnitudeMax,
     .rangeNote = cli::kRangeTo,
     .fallback = "14",
     .defaultNote = cli::kDefaultIs},
    {.name = "--min-alt",
     .value = QT_TRANSLATE_NOOP("CoreText", "GRADOS"),
     .help = QT_TRANSLATE_NOOP("CoreText", "altura mínima, %r (%d)"),
     .kind = OptionKind::Real,
     .min = 0,
     .max = tonight::kMinAltitudeMax,
     .rangeNote = cli::kRangeTo,
     .fallback = "15",
     .defaultNote = cli::kDefaultIs},
    {.name = "--min-time",
     .value = QT_TRANSLATE_NOOP("CoreText", "MINUTOS"),
     .help = QT_TRANSLATE_NOOP("CoreText", "tiempo observable mínimo, %r (%d)"),
     .kind = OptionKind::Integer,
     .min = tonight::kMinMinutesMin,
     .max = tonight::kMinMinutesMax,
     .rangeNote = cli::kRangeTo,
     .fallback = "30",
     .defaultNote = cli::kDefaultIs},
    {.name = "--moon-sep",
     .value = QT_TRANSLATE_NOOP("CoreText", "GRADOS"),
     .help = QT_TRANSLATE_NOOP("CoreText", "separación mínima de la Luna, %r; 0 la desactiva (%d)"),
     .kind = OptionKind::Real,
     .min = 0,
     .max = tonight::kMoonSeparationMax,
     .rangeNote = cli::kRangeTo,
     .fallback = "15",
     .defaultNote = cli::kDefaultIs},
    {.name = "--moon-down",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "solo mientras la Luna está bajo el horizonte"),
     .kind = OptionKind::Flag},
    {.name = "--sort",
     .value = QT_TRANSLATE_NOOP("CoreText", "mag|best|time|alt"),
     .help = QT_TRANSLATE_NOOP("CoreText", "el orden de la lista (%d)"),
     .kind = OptionKind::Choice,
     .choices = "mag|best|time|alt",
     .fallback = "mag",
     .defaultNote = cli::kDefaultIs},
    // The range is not said: it only keeps the count a number.
    {.name = "--limit",
     .value = QT_TRANSLATE_NOOP("CoreText", "N"),
     .help = QT_TRANSLATE_NOOP("CoreText", "solo las N primeras filas"),
     .kind = OptionKind::Integer,
     .min = 0,
     .max = 100000000},
    {.name = "--threads",
     .value = QT_TRANSLATE_NOOP("CoreText", "N"),
     .help = QT_TRANSLATE_NOOP("CoreText", "hilos de cálculo, %r (%d)"),
     .kind = OptionKind::Integer,
     .min = 1,
     .max = 256,
     .rangeNote = cli::kRangeTo,
     .defaultNote = QT_TRANSLATE_NOOP("CoreText", "por defecto, uno por procesador")},
    {.name = "--json",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "la salida como un objeto JSON"),
     .kind = OptionKind::Flag},
    {.name = "--csv",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "la salida en CSV"),
     .kind = OptionKind::Flag},
    {.name = "-o",
     .value = QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     .help = QT_TRANSLATE_NOOP("CoreText",
                               "escribe la salida en el archivo (texto: Windows-1252, CR LF)")},
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
    if (args.has(name)) return *cli::RealOption(args, name);
    if (v < -limit || v > limit) {
        const std::string low = FormatNumber("0", -limit), high = FormatNumber("+0", limit);
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
    // The choices checked, the words are the ranking's own.
    if (cli::ChoiceOption(parsed, "--twilight"))
        request.twilightLimit = *tonight::TwilightFromName(parsed.value("--twilight"));
    // The limits' defaults are the ranking's (the options' help says the same).
    tonight::Limits& limits = request.limits;
    limits.magnitude = cli::RealOption(parsed, "--mag").value_or(limits.magnitude);
    limits.minAltitudeDeg = cli::RealOption(parsed, "--min-alt").value_or(limits.minAltitudeDeg);
    limits.minMinutes = cli::IntegerOption(parsed, "--min-time").value_or(limits.minMinutes);
    limits.moonSeparationDeg =
        cli::RealOption(parsed, "--moon-sep").value_or(limits.moonSeparationDeg);
    limits.moonDown = parsed.has("--moon-down");
    if (cli::ChoiceOption(parsed, "--sort"))
        request.sort = *tonight::SortKeyFromText(parsed.value("--sort"));
    const std::optional<int> limit = cli::IntegerOption(parsed, "--limit");
    tonight::Options options;
    options.threads = cli::IntegerOption(parsed, "--threads").value_or(0);  // 0: one per processor

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
    observer.heightMetres =
        cli::IntegerOption(parsed, "--alt").value_or(ParseInt(session.settings.Alt));
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
            sources.push_back({cli::CatalogPath(session, c), tonight::Source::Kind::Catalog});
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
        std::string json = tonight::JsonText(result, limit, options.threads);
        if (toFile) {
            json += '\n';
            WriteFileAtomically(parsed.value("-o"), json);
        } else {
            // Megabytes for a long list: handed over, not copied.
            std::vector<std::string> lines;
            lines.push_back(std::move(json));
            cli::PrintLines(lines);
        }
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
