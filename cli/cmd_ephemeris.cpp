// vagaris-cli ephemeris: the Efemérides page's table for one catalog object.
#include <string>
#include <vector>

#include <QtGlobal>
#include "cli/CliText.h"
#include "cli/Commands.h"
#include "cli/CommonOptions.h"
#include "cli/OptionValues.h"
#include "core/Errors.h"
#include "core/Session.h"
#include "core/TextFile.h"
#include "core/TextForms.h"
#include "outputs/ephemeris/EphemerisTable.h"
#include "translations/Translations.h"

namespace {

using vagaris::cli::ParsedArgs;
using vagaris::cli::Say;
using vagaris::cli::UsageError;

using vagaris::cli::OptionKind;

constexpr vagaris::cli::OptionSpec kOwnOptions[] = {
    {.name = "--start",
     .value = QT_TRANSLATE_NOOP("CoreText", "FECHA"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText",
         "el instante de la primera fila en Tiempo Universal, \"dd/mm/aaaa hh:nn:ss\" o "
         "\"dd/mm/aaaa\"."),
     .kind = OptionKind::Date,
     .required = true},
    // The page's boxes hold 00.0 to 99.9 and 0000 to 9999.
    {.name = "--step",
     .value = QT_TRANSLATE_NOOP("CoreText", "PASO"),
     .help = QT_TRANSLATE_NOOP("CoreText", "el paso entre filas, %r (%d)"),
     .kind = OptionKind::Real,
     .min = 0,
     .max = 99.9,
     .rangeNote = vagaris::cli::kRangeFromTo,
     .numberForm = "00.0",
     .fallback = "01.0",
     .defaultNote = vagaris::cli::kDefaultIs},
    {.name = "--unit",
     .value = QT_TRANSLATE_NOOP("CoreText", "dias|horas|minutos"),
     .help = QT_TRANSLATE_NOOP("CoreText", "la unidad del paso (%d)"),
     .kind = OptionKind::Choice,
     .choices = "dias|horas|minutos",
     .fallback = "dias",
     .defaultNote = vagaris::cli::kDefaultIs},
    {.name = "--rows",
     .value = QT_TRANSLATE_NOOP("CoreText", "FILAS"),
     .help = QT_TRANSLATE_NOOP("CoreText", "el número de filas, %r (%d)"),
     .kind = OptionKind::Integer,
     .min = 0,
     .max = 9999,
     .rangeNote = vagaris::cli::kRangeFromTo,
     .fallback = "0030",
     .defaultNote = vagaris::cli::kDefaultIs},
    {.name = "--no-vel",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "sin la columna del movimiento"),
     .kind = OptionKind::Flag},
    {.name = "--no-altura",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "sin la columna de la altura"),
     .kind = OptionKind::Flag},
    {.name = "--no-delta",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "sin la columna de la distancia a la Tierra"),
     .kind = OptionKind::Flag},
    {.name = "--no-r",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "sin la columna de la distancia al Sol"),
     .kind = OptionKind::Flag},
    {.name = "--no-elo",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "sin la columna de la elongación"),
     .kind = OptionKind::Flag},
    {.name = "--no-fase",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "sin la columna del ángulo de fase"),
     .kind = OptionKind::Flag},
    {.name = "--cola",
     .value = nullptr,
     .help = QT_TRANSLATE_NOOP("CoreText", "con la columna de la cola (%d)"),
     .kind = OptionKind::Flag,
     .defaultNote = QT_TRANSLATE_NOOP("CoreText", "por defecto, sin ella")},
    {.name = "-o",
     .value = QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     .help = QT_TRANSLATE_NOOP(
         "CoreText",
         "escribe la tabla en ARCHIVO como la guarda la página (CR LF, Windows-1252) en lugar de "
         "mostrarla (%d)"),
     .defaultNote = vagaris::cli::kDefaultToStandardOutput},
};

// The unit's word in the option's form: "días", "d", "h" and "m" are taken too.
std::string UnitWord(const std::string& text) {
    if (text == "días" || text == "d") return "dias";
    if (text == "h") return "horas";
    if (text == "m") return "minutos";
    return text;
}

// "dd/mm/yyyy hh:nn:ss" → the two texts of the page's start boxes (time 00:00:00 when
// only the date is given).
void SplitStart(const std::string& start, vagaris::EphemerisRangeTexts& texts) {
    const std::string trimmed = vagaris::Trim(start);
    const auto blank = trimmed.find(' ');
    texts.StartDate = trimmed.substr(0, blank);
    texts.StartTime =
        blank == std::string::npos ? "00:00:00" : vagaris::Trim(trimmed.substr(blank));
}

vagaris::EphemerisRangeTexts RangeOptions(const ParsedArgs& args) {
    using namespace vagaris::cli;
    RequireOption(args, "--start");
    vagaris::EphemerisRangeTexts texts;
    SplitStart(args.value("--start"), texts);
    // The page's boxes take the texts as typed; the options check them first.
    texts.Step = TextOrDefault(args, "--step");
    texts.Rows = TextOrDefault(args, "--rows");
    constexpr vagaris::EphemerisStepUnit kUnits[] = {vagaris::EphemerisStepUnit::Days,
                                                     vagaris::EphemerisStepUnit::Hours,
                                                     vagaris::EphemerisStepUnit::Minutes};
    texts.Unit =
        kUnits[ChoiceIndex(*args.optionNamed("--unit"), UnitWord(TextOrDefault(args, "--unit")))];
    RealOrDefault(args, "--step");
    IntegerOrDefault(args, "--rows");
    return texts;
}

vagaris::EphemerisLayout LayoutOptions(const ParsedArgs& args, const vagaris::Settings& settings) {
    vagaris::EphemerisLayout layout;
    layout.Vel = !args.has("--no-vel");
    layout.Altura = !args.has("--no-altura");
    layout.Delta = !args.has("--no-delta");
    layout.R = !args.has("--no-r");
    layout.Elo = !args.has("--no-elo");
    layout.Fase = !args.has("--no-fase");
    layout.Cola = args.has("--cola");
    vagaris::ApplyEphemerisSettings(layout, settings);
    layout.words = TrCoreUtf8;  // Spanish unless --lang en
    return layout;
}

int Run(const ParsedArgs& args) {
    using namespace vagaris::cli;

    vagaris::Session session;
    SetupSessionSettings(session, args);
    const vagaris::EphemerisLayout layout = LayoutOptions(args, session.settings);
    const vagaris::EphemerisRangeTexts range = RangeOptions(args);
    SetupSessionObject(session, args);
    const int index = session.SelectorIndex;
    const std::string name = index >= 0 && index < static_cast<int>(session.SelectorNames.size())
                                 ? session.SelectorNames[index]
                                 : session.Elements.Name;

    std::vector<std::string> lines;
    try {
        vagaris::BuildEphemerisTable(OptionsObserver(session, args), session.Elements, name, layout,
                                     range, lines);
    } catch (...) {
        // As on the page, the lines added before the failure are still shown.
        if (!args.has("-o")) PrintLines(lines);
        throw;
    }
    if (args.has("-o"))
        vagaris::WriteFileAtomically(args.value("-o"), vagaris::EncodeTextFile(lines));
    else
        PrintLines(lines);
    return 0;
}

}  // namespace

// The table has its own start instead of --at.
const vagaris::cli::CommandSpec vagaris::cli::kEphemerisCommand = {
    "ephemeris",
    QT_TRANSLATE_NOOP(
        "CoreText",
        "la tabla de posiciones de un objeto a intervalos regulares: la página Efemérides"),
    QT_TRANSLATE_NOOP("CoreText",
                      "--catalog ARCHIVO [--kind C|A] (--object N | --name TEXTO)\n"
                      "--start FECHA [--step PASO] [--unit dias|horas|minutos] [--rows FILAS]\n"
                      "[--no-vel] [--no-altura] [--no-delta] [--no-r] [--no-elo] [--no-fase]\n"
                      "[--cola] [-o ARCHIVO] [opciones de Configuración]\n"
                      "[--model standard|precise] [--geocentric] [--two-body]"),
    {kObjectOptions, kOwnOptions, kSettingsOptions, kModelOptions},
    "vagaris-cli ephemeris --catalog CometsCR.dat --name \"Hale-Bopp\" --start \"01/03/1997 "
    "20:00:00\" --step 1 --rows 10",
    Run,
};
