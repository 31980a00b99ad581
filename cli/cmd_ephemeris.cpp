// vagaris-cli ephemeris: the Efemérides page's table for one catalog object.
#include <string>
#include <vector>

#include <QtGlobal>
#include "cli/CliText.h"
#include "cli/Commands.h"
#include "cli/CommonOptions.h"
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

constexpr vagaris::cli::OptionSpec kOwnOptions[] = {
    {"--start", QT_TRANSLATE_NOOP("CoreText", "FECHA"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "el instante de la primera fila en Tiempo Universal, \"dd/mm/aaaa hh:nn:ss\" o "
         "\"dd/mm/aaaa\". Obligatoria.")},
    {"--step", QT_TRANSLATE_NOOP("CoreText", "PASO"),
     QT_TRANSLATE_NOOP("CoreText", "el paso entre filas, de 00.0 a 99.9 (por defecto 01.0)")},
    {"--unit", QT_TRANSLATE_NOOP("CoreText", "dias|horas|minutos"),
     QT_TRANSLATE_NOOP("CoreText", "la unidad del paso (por defecto dias)")},
    {"--rows", QT_TRANSLATE_NOOP("CoreText", "FILAS"),
     QT_TRANSLATE_NOOP("CoreText", "el número de filas, de 0 a 9999 (por defecto 0030)")},
    {"--no-vel", nullptr, QT_TRANSLATE_NOOP("CoreText", "sin la columna del movimiento")},
    {"--no-altura", nullptr, QT_TRANSLATE_NOOP("CoreText", "sin la columna de la altura")},
    {"--no-delta", nullptr,
     QT_TRANSLATE_NOOP("CoreText", "sin la columna de la distancia a la Tierra")},
    {"--no-r", nullptr, QT_TRANSLATE_NOOP("CoreText", "sin la columna de la distancia al Sol")},
    {"--no-elo", nullptr, QT_TRANSLATE_NOOP("CoreText", "sin la columna de la elongación")},
    {"--no-fase", nullptr, QT_TRANSLATE_NOOP("CoreText", "sin la columna del ángulo de fase")},
    {"--cola", nullptr,
     QT_TRANSLATE_NOOP("CoreText", "con la columna de la cola (por defecto, sin ella)")},
    {"-o", QT_TRANSLATE_NOOP("CoreText", "ARCHIVO"),
     QT_TRANSLATE_NOOP(
         "CoreText",
         "escribe la tabla en ARCHIVO como la guarda la página (CR LF, Windows-1252) en lugar de "
         "mostrarla (por defecto, en la salida estándar)")},
};

vagaris::EphemerisStepUnit UnitOption(const std::string& text) {
    if (text == "dias" || text == "días" || text == "d") return vagaris::EphemerisStepUnit::Days;
    if (text == "horas" || text == "h") return vagaris::EphemerisStepUnit::Hours;
    if (text == "minutos" || text == "m") return vagaris::EphemerisStepUnit::Minutes;
    throw UsageError(Say(
        QT_TRANSLATE_NOOP("CoreText", "--unit: se espera dias, horas o minutos, no '%1'"), {text}));
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
    if (!args.has("--start"))
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "falta --start FECHA")));
    vagaris::EphemerisRangeTexts texts;
    SplitStart(args.value("--start"), texts);
    texts.Step = args.value("--step", "01.0");
    texts.Rows = args.value("--rows", "0030");
    texts.Unit = UnitOption(args.value("--unit", "dias"));
    // The page's boxes hold 00.0 to 99.9 and 0000 to 9999.
    double step = -1;
    try {
        step = vagaris::ParseFloat(texts.Step);
    } catch (const vagaris::EConvertError&) {
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "%1 espera un número: '%2'"),
                             {"--step", texts.Step}));
    }
    if (step < 0 || step > 99.9)
        throw UsageError(
            Say(QT_TRANSLATE_NOOP("CoreText", "--step fuera de rango (00.0 a 99.9): '%1'"),
                {texts.Step}));
    int rows = -1;
    try {
        rows = vagaris::ParseInt(texts.Rows);
    } catch (const vagaris::EConvertError&) {
        throw UsageError(Say(QT_TRANSLATE_NOOP("CoreText", "%1 espera un número entero: '%2'"),
                             {"--rows", texts.Rows}));
    }
    if (rows < 0 || rows > 9999)
        throw UsageError(Say(
            QT_TRANSLATE_NOOP("CoreText", "--rows fuera de rango (0 a 9999): '%1'"), {texts.Rows}));
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
    if (!args.positional.empty())
        throw UsageError(
            Say(QT_TRANSLATE_NOOP("CoreText", "argumento de más: %1"), {args.positional.front()}));

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
        vagaris::BuildEphemerisTable(vagaris::ObserverFromSettings(session.settings),
                                     session.Elements, name, layout, range, lines);
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
