// vagaris-cli chart: the Tablas page's samples as text, or its picture drawn offscreen.
#include <cstdlib>
#include <string>

#include <QtGlobal>
#include "cli/CliText.h"
#include "cli/Commands.h"
#include "cli/CommonOptions.h"
#include "cli/Plugins.h"
#include "core/Errors.h"
#include "core/TextForms.h"
#include "outputs/charts/ChartCsv.h"
#include "outputs/charts/ChartSampling.h"

using namespace vagaris;
using namespace vagaris::cli;

namespace {

int QuantityOption(const ParsedArgs& args, const std::string& option, int fallback) {
    if (!args.has(option)) return fallback;
    const std::string name = args.value(option);
    const auto item = ChartQuantityFromCliName(name);
    if (!item)
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText",
                                               "chart: %1 '%2' no es magnitud, altura, dtierra, "
                                               "dsol, vel, ar, dec, elon, afase ni ninguna"),
                             {option, name}));
    return *item;
}

int SpanOption(const ParsedArgs& args) {
    if (!args.has("--span")) return 320;
    const std::string text = args.value("--span");
    int span = 0;
    try {
        span = ParseInt(text);
    } catch (const EConvertError&) {
        span = 0;
    }
    if (span < 1 || span > kMaxChartSpanDays)
        throw UsageError(
            Say(QT_TRANSLATE_NOOP("CoreText",
                                  "chart: --span '%1' debe ser un número de días entre 1 y %2"),
                {text, std::to_string(kMaxChartSpanDays)}));
    return span;
}

ChartTwilight TwilightOption(const ParsedArgs& args) {
    const std::string name = args.value("--twilight", "astro");
    if (name == "astro") return ChartTwilight::Astronomical;
    if (name == "nautical") return ChartTwilight::Nautical;
    if (name == "civil") return ChartTwilight::Civil;
    throw UsageError(
        Say(QT_TRANSLATE_NOOP("CoreText", "chart: --twilight '%1' no es astro, nautical ni civil"),
            {name}));
}

constexpr OptionSpec kOwnOptions[] = {
    {"--left", QT_TRANSLATE_NOOP("CoreText", "DATO"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "la curva del eje izquierdo: magnitud, altura, dtierra, dsol, vel, ar, dec, elon, afase o "
         "ninguna (por defecto magnitud)")},
    {"--right", QT_TRANSLATE_NOOP("CoreText", "DATO"),
     QT_TRANSLATE_NOOP("CoreText", "la curva del eje derecho, como --left (por defecto altura)")},
    {"--span", QT_TRANSLATE_NOOP("CoreText", "DÍAS"),
     QT_TRANSLATE_NOOP(
         "CoreText", "los días que abarca la gráfica desde --at, de 1 a 100000 (por defecto 320)")},
    {"--twilight", QT_TRANSLATE_NOOP("CoreText", "astro|nautical|civil"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "el fin del crepúsculo para la mejor altura: astronómico, náutico o civil (por defecto "
         "astro)")},
    {"-o", QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     QT_TRANSLATE_NOOP("CoreText",
                       "dibuja la gráfica en ARCHIVO.gif o ARCHIVO.bmp, como la página")},
    {"--csv", nullptr,
     QT_TRANSLATE_NOOP("CoreText",
                       "escribe los valores de las dos curvas en CSV (se da -o o --csv)")},
};

int Run(const ParsedArgs& args) {
    if (!args.positional.empty())
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "chart: argumento inesperado '%1'"),
                             {args.positional.front()}));
    const bool toPicture = args.has("-o");
    const bool toCsv = args.has("--csv");
    if (toPicture == toCsv)
        throw UsageError(
            toCsv ? Say(QT_TRANSLATE_NOOP("CoreText", "chart: -o y --csv se excluyen"))
                  : Say(QT_TRANSLATE_NOOP("CoreText", "chart: falta -o ARCHIVO o --csv")));

    ChartRequest request;
    request.leftItem = QuantityOption(args, "--left", kQuantityMagnitude);
    request.rightItem = QuantityOption(args, "--right", kQuantityMaxAltitude);
    request.spanDays = SpanOption(args);
    request.twilight = TwilightOption(args);

    Session session;
    SetupSessionSettings(session, args);
    SetupSessionObject(session, args);
    // A line without elements (no epoch) would give a chart of zeros.
    if (session.Elements.Fecha.empty()) vagaris::ThrowInvalidElements();
    request.t0 = InstantOption(session, args, "--at");
    SetCurrentInstant(session, request.t0);
    const ChartSamples samples = SampleChart(vagaris::ObserverFromSettings(session.settings),
                                             session.Elements, session.Circumstances, request);

    if (toCsv)
        PrintLines(ChartCsvLines(samples, request.leftItem, request.rightItem));
    else
        WriteChartPicture(samples, ChartTitle(session), args.value("-o"));
    return 0;
}

}  // namespace

const CommandSpec vagaris::cli::kChartCommand = {
    "chart",
    QT_TRANSLATE_NOOP(
        "CoreText",
        "la gráfica de dos datos de un objeto a lo largo de los días: la página Tablas"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "--catalog ARCHIVO [--kind C|A] (--object N | --name TEXTO)\n"
        "[--at FECHA] [--left DATO] [--right DATO] [--span DÍAS]\n"
        "[--twilight astro|nautical|civil] (-o ARCHIVO.gif|ARCHIVO.bmp | --csv)\n"
        "[opciones de Configuración] [--model standard|precise] [--geocentric] [--two-body]"),
    {kObjectOptions, kAtOption, kOwnOptions, kSettingsOptions, kModelOptions},
    "vagaris-cli chart --catalog CometsCR.dat --name \"Hale-Bopp\" --at 01/01/1997 --left "
    "magnitud --right altura -o halebopp.gif",
    Run,
};
