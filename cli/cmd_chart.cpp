// vagaris-cli chart: the Tablas page's samples as text, or its picture drawn offscreen.
#include <cstdlib>
#include <string>

#include <QtGlobal>
#include "cli/CliText.h"
#include "cli/Commands.h"
#include "cli/CommonOptions.h"
#include "cli/OptionValues.h"
#include "cli/Plugins.h"
#include "core/Errors.h"
#include "core/TextForms.h"
#include "outputs/charts/ChartCsv.h"
#include "outputs/charts/ChartSampling.h"

using namespace vagaris;
using namespace vagaris::cli;

namespace {

int QuantityOption(const ParsedArgs& args, const std::string& option) {
    const std::string name = TextOrDefault(args, option);
    const auto item = ChartQuantityFromCliName(name);
    if (!item)
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText",
                                               "chart: %1 '%2' no es magnitud, altura, dtierra, "
                                               "dsol, vel, ar, dec, elon, afase ni ninguna"),
                             {option, name}));
    return *item;
}

constexpr OptionSpec kOwnOptions[] = {
    {.name = "--left",
     .value = QT_TRANSLATE_NOOP("CoreText", "DATO"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText",
         "la curva del eje izquierdo: magnitud, altura, dtierra, dsol, vel, ar, dec, elon, afase o "
         "ninguna (%d)"),
     .fallback = "magnitud",
     .defaultNote = kDefaultIs},
    {.name = "--right",
     .value = QT_TRANSLATE_NOOP("CoreText", "DATO"),
     .help = QT_TRANSLATE_NOOP("CoreText", "la curva del eje derecho, como --left (%d)"),
     .fallback = "altura",
     .defaultNote = kDefaultIs},
    {.name = "--span",
     .value = QT_TRANSLATE_NOOP("CoreText", "DÍAS"),
     .help = QT_TRANSLATE_NOOP("CoreText", "los días que abarca la gráfica desde --at, %r (%d)"),
     .kind = OptionKind::Integer,
     .min = 1,
     .max = kMaxChartSpanDays,
     .rangeNote = kRangeFromTo,
     .fallback = "320",
     .defaultNote = kDefaultIs},
    // In the order of ChartTwilight.
    {.name = "--twilight",
     .value = QT_TRANSLATE_NOOP("CoreText", "astro|nautical|civil"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText",
         "el fin del crepúsculo para la mejor altura: astronómico, náutico o civil (%d)"),
     .kind = OptionKind::Choice,
     .choices = "astro|nautical|civil",
     .fallback = "astro",
     .defaultNote = kDefaultIs},
    {.name = "-o",
     .value = QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     .help = QT_TRANSLATE_NOOP("CoreText",
                               "dibuja la gráfica en ARCHIVO.gif o ARCHIVO.bmp, como la página")},
    {.name = "--csv",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText",
                               "escribe los valores de las dos curvas en CSV (se da -o o --csv)"),
     .kind = OptionKind::Flag},
};

constexpr ChartTwilight kTwilights[] = {ChartTwilight::Astronomical, ChartTwilight::Nautical,
                                        ChartTwilight::Civil};

int Run(const ParsedArgs& args) {
    const bool toPicture = args.has("-o");
    const bool toCsv = args.has("--csv");
    if (toPicture == toCsv)
        throw UsageError(
            toCsv ? Say(QT_TRANSLATE_NOOP("CoreText", "chart: -o y --csv se excluyen"))
                  : Say(QT_TRANSLATE_NOOP("CoreText", "chart: falta -o ARCHIVO o --csv")));

    ChartRequest request;
    request.leftItem = QuantityOption(args, "--left");
    request.rightItem = QuantityOption(args, "--right");
    request.spanDays = IntegerOrDefault(args, "--span");
    request.twilight = kTwilights[ChoiceOrDefault(args, "--twilight")];

    Session session;
    SetupSessionSettings(session, args);
    SetupSessionObject(session, args);
    // A line without elements (no epoch) would give a chart of zeros.
    if (session.Elements.Fecha.empty()) vagaris::ThrowInvalidElements();
    request.t0 = InstantOption(session, args, "--at");
    SetCurrentInstant(session, request.t0);
    const ChartSamples samples = SampleChart(OptionsObserver(session, args), session.Elements,
                                             session.Circumstances, request);

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
